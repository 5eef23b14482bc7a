#include "conversion_dialog.h"

#include <commctrl.h>

#include <string_view>

#include "conversion.h"
#include "messages.h"
#include "resource_ids.h"

namespace {

constexpr int kOld2NewInputLimit = 13;   // an ISBN-10 with three hyphens
constexpr int kNew2OldInputLimit = 17;   // an ISBN-13 with four hyphens

// Longer than any accepted input, so a text that does not fit is still too long
// once cut to this size: it reaches the conversion as too long, never as a
// shorter text that might convert.
constexpr int kInputBufferSize = 32;

struct Direction {
    DialogControls* controls;
    int inputLimit;
    void (*execute)(HWND, const DialogControls*);
};

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

void ExecuteConversion(HWND dialog, const DialogControls* controls, ConversionResult (*convert)(std::string_view),
                       bool noticeAfterSuccess)
{
    SetWindowTextA(controls->hIsbn, "");
    SetWindowTextA(controls->hAsin, "");

    char text[kInputBufferSize] = {};
    const int length = GetWindowTextA(controls->hInput, text, kInputBufferSize);
    const ConversionResult result = convert(std::string_view(text, length > 0 ? static_cast<std::size_t>(length) : 0));

    if (result.outcome != ConversionOutcome::Converted) {
        // The input and the focus stay as the user left them.
        MessageBoxA(dialog, OutcomeMessage(result.outcome), ErrorCaption, ErrorBoxType);
        return;
    }
    SetWindowTextA(controls->hIsbn, result.isbnText);
    SetWindowTextA(controls->hAsin, result.asinText);
    if (noticeAfterSuccess) MessageBoxA(dialog, PrefixNotice, NoticeCaption, NoticeBoxType);
    SetFocus(controls->hInput);
}

INT_PTR ConversionDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const Direction& direction)
{
    DialogControls* controls = direction.controls;
    switch (message) {
    case WM_INITDIALOG:
        InitConversionDialog(dialog, controls, direction.inputLimit);
        return TRUE;
    case WM_COMMAND:
        // clang-format off
        switch (LOWORD(wParam)) {
        case IDOK:          direction.execute(dialog, controls);     return TRUE;
        case IDCANCEL:      EndDialog(dialog, 0);                    return TRUE;
        case IDC_COPY_ISBN: CopyFieldToClipboard(controls->hIsbn);   return TRUE;
        case IDC_COPY_ASIN: CopyFieldToClipboard(controls->hAsin);   return TRUE;
        case IDC_CLEAR:     ClearFields(controls);                   return TRUE;
        }
        // clang-format on
        return FALSE;
    case WM_SYSCOMMAND:
        return EndOnSystemClose(dialog, wParam) ? TRUE : FALSE;
    case WM_CTLCOLORSTATIC:
        // Read-only edits paint through WM_CTLCOLORSTATIC; the brush we return fills
        // the field's background, the colours are set on the DC just before.
        if (ColorResultField(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), controls)) {
            return reinterpret_cast<INT_PTR>(controls->hWhiteBrush);
        }
        return FALSE;
    case WM_DESTROY:
        // Nothing can be painted any more: the brush and the icons go with the dialog.
        DeleteObject(controls->hWhiteBrush);
        controls->hWhiteBrush = nullptr;
        ReleaseDialogIcons(dialog);
        return FALSE;
    }
    return FALSE;
}

}   // namespace

INT_PTR CALLBACK Old2NewDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const Direction old2New = {&g_old2NewControls, kOld2NewInputLimit, ExecuteOld2New};
    return ConversionDialogProc(dialog, message, wParam, lParam, old2New);
}

INT_PTR CALLBACK New2OldDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    static const Direction new2Old = {&g_new2OldControls, kNew2OldInputLimit, ExecuteNew2Old};
    return ConversionDialogProc(dialog, message, wParam, lParam, new2Old);
}

void InitConversionDialog(HWND dialog, DialogControls* controls, int inputLimit)
{
    SetDialogIcons(dialog);
    *controls = DialogControls{};
    controls->hInput = GetDlgItem(dialog, IDC_INPUT);
    controls->hIsbn = GetDlgItem(dialog, IDC_ISBN);
    controls->hAsin = GetDlgItem(dialog, IDC_ASIN);
    controls->hWhiteBrush = CreateSolidBrush(kWhite);
    SendMessageA(controls->hInput, EM_LIMITTEXT, static_cast<WPARAM>(inputLimit), 0);

    InitCommonControls();
    controls->hTipInput = CreateTooltipWindow(dialog);
    controls->hTipIsbn = CreateTooltipWindow(dialog);
    controls->hTipCopyIsbn = CreateTooltipWindow(dialog);
    controls->hTipAsin = CreateTooltipWindow(dialog);
    controls->hTipCopyAsin = CreateTooltipWindow(dialog);
    controls->hTipOk = CreateTooltipWindow(dialog);
    controls->hTipClear = CreateTooltipWindow(dialog);
    controls->hTipCancel = CreateTooltipWindow(dialog);

    const bool old2New = inputLimit == kOld2NewInputLimit;
    AddControlTool(controls->hTipInput, dialog, controls->hInput, old2New ? HintInputIsbn10 : HintInputIsbn13);
    AddControlTool(controls->hTipIsbn, dialog, controls->hIsbn, old2New ? HintShowIsbn13 : HintShowIsbn10);
    AddControlTool(controls->hTipCopyIsbn, dialog, GetDlgItem(dialog, IDC_COPY_ISBN), HintCopyIsbn);
    AddControlTool(controls->hTipAsin, dialog, controls->hAsin, HintShowAsin);
    AddControlTool(controls->hTipCopyAsin, dialog, GetDlgItem(dialog, IDC_COPY_ASIN), HintCopyAsin);
    AddControlTool(controls->hTipOk, dialog, GetDlgItem(dialog, IDOK), HintConvert);
    AddControlTool(controls->hTipClear, dialog, GetDlgItem(dialog, IDC_CLEAR), HintClear);
    AddControlTool(controls->hTipCancel, dialog, GetDlgItem(dialog, IDCANCEL), HintClose);

    SetFocus(controls->hInput);
}

bool ColorResultField(HWND control, HDC dc, const DialogControls* controls)
{
    if (control != controls->hIsbn && control != controls->hAsin) return false;
    SetBkMode(dc, OPAQUE);
    SetTextColor(dc, kBlack);
    SetBkColor(dc, kWhite);
    return true;
}

void CopyFieldToClipboard(HWND field)
{
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, WM_COPY, 0, 0);
}

void ClearFields(const DialogControls* controls)
{
    SetWindowTextA(controls->hInput, "");
    SetWindowTextA(controls->hIsbn, "");
    SetWindowTextA(controls->hAsin, "");
    SetFocus(controls->hInput);
}

void ExecuteOld2New(HWND dialog, const DialogControls* controls)
{
    ExecuteConversion(dialog, controls, ConvertOld2New, true);
}

void ExecuteNew2Old(HWND dialog, const DialogControls* controls)
{
    ExecuteConversion(dialog, controls, ConvertNew2Old, false);
}
