#include "main_dialog.h"

#include <commctrl.h>

#include "conversion_dialog.h"
#include "messages.h"
#include "resource_ids.h"

namespace {

bool IsChecked(HWND dialog, int button)
{
    return SendMessageA(GetDlgItem(dialog, button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}   // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        InitMainDialog(dialog, &g_mainControls);
        return TRUE;
    case WM_COMMAND:
        // clang-format off
        switch (LOWORD(wParam)) {
        case IDOK:     OpenSelectedDialog(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, 0);       return TRUE;
        }
        // clang-format on
        return FALSE;
    case WM_SYSCOMMAND:
        return EndOnSystemClose(dialog, wParam) ? TRUE : FALSE;
    case WM_DESTROY:
        ReleaseDialogIcons(dialog);
        return FALSE;
    }
    return FALSE;
}

void InitMainDialog(HWND dialog, DialogControls* controls)
{
    SetDialogIcons(dialog);
    SendMessageA(GetDlgItem(dialog, IDC_OLD2NEW), BM_SETCHECK, BST_CHECKED, 0);

    InitCommonControls();
    controls->hTipOld2New = CreateTooltipWindow(dialog);
    controls->hTipNew2Old = CreateTooltipWindow(dialog);
    controls->hTipOk = CreateTooltipWindow(dialog);
    controls->hTipCancel = CreateTooltipWindow(dialog);

    AddControlTool(controls->hTipOld2New, dialog, GetDlgItem(dialog, IDC_OLD2NEW), HintModeOld2New);
    AddControlTool(controls->hTipNew2Old, dialog, GetDlgItem(dialog, IDC_NEW2OLD), HintModeNew2Old);
    AddControlTool(controls->hTipOk, dialog, GetDlgItem(dialog, IDOK), HintStart);
    AddControlTool(controls->hTipCancel, dialog, GetDlgItem(dialog, IDCANCEL), HintQuit);
}

void OpenSelectedDialog(HWND dialog)
{
    if (IsChecked(dialog, IDC_OLD2NEW)) {
        DialogBoxParamA(g_hInstance, "IDD_OLD2NEW", dialog, Old2NewDialogProc, 0);
    } else if (IsChecked(dialog, IDC_NEW2OLD)) {
        DialogBoxParamA(g_hInstance, "IDD_NEW2OLD", dialog, New2OldDialogProc, 0);
    } else {
        MessageBoxA(dialog, UnexpectedErrorMessage, ErrorCaption, ErrorBoxType);
    }
}
