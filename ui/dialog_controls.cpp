#include "dialog_controls.h"

#include <commctrl.h>

HINSTANCE g_hInstance;
DialogControls g_mainControls;
DialogControls g_old2NewControls;
DialogControls g_new2OldControls;

namespace {

void SetIcon(HWND dialog, WPARAM which, int widthMetric, int heightMetric)
{
    HANDLE icon = LoadImageA(g_hInstance, "IDI_ICON", IMAGE_ICON, GetSystemMetrics(widthMetric),
                             GetSystemMetrics(heightMetric), LR_DEFAULTCOLOR);
    if (icon != nullptr) SendMessageA(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

void ReleaseIcon(HWND dialog, WPARAM which)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageA(dialog, WM_SETICON, which, 0));
    if (icon != nullptr) DestroyIcon(icon);
}

}   // namespace

void SetDialogIcons(HWND dialog)
{
    SetIcon(dialog, ICON_BIG, SM_CXICON, SM_CYICON);
    SetIcon(dialog, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
}

void ReleaseDialogIcons(HWND dialog)
{
    ReleaseIcon(dialog, ICON_BIG);
    ReleaseIcon(dialog, ICON_SMALL);
}

bool EndOnSystemClose(HWND dialog, WPARAM command)
{
    if (LOWORD(command) != SC_CLOSE) return false;
    EndDialog(dialog, 0);
    return true;
}

HWND CreateTooltipWindow(HWND dialog)
{
    // The tooltip class adds its popup and tool-window styles itself.
    return CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, dialog, nullptr, g_hInstance, nullptr);
}

void AddControlTool(HWND tooltip, HWND dialog, HWND control, const char* text)
{
    // The tool is the control's window (TTF_IDISHWND), and TTF_SUBCLASS lets the
    // tooltip watch the control's mouse messages without help from the dialog.
    // cbSize is the record's size up to lParam: 44 bytes on 32-bit Windows.
    TTTOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    GetWindowRect(control, &tool.rect);
    tool.lpszText = const_cast<char*>(text);
    SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
