// The three dialogs as the user works them, and the program as a process. Texts are
// read back as Unicode, so every Shift-JIS byte of the program's counts.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <process.h>

#include "conversion_dialog.h"
#include "main_dialog.h"
#include "resource_ids.h"
#include "ui_driver.h"

namespace {

const wchar_t kNoInput[] = L"WARNING:\nデータが入力されていません.";
const wchar_t kWrongDigitCount[] = L"WARNING:\n入力されたデータの桁数が誤っています.";
const wchar_t kInvalidData[] = L"WARNING:\n入力されたデータは誤っています.";
const wchar_t kBadCheckDigit[] = L"WARNING:\n末尾1桁が誤っています.";
const wchar_t kBadPrefix[] = L"WARNING:\n先頭3桁が誤っています.";
const wchar_t kPrefixNotice[] = L"先頭の3桁は誤っている可能性があります.";

struct ConversionDialog {
    const DialogControls* controls;
    std::string input;   // as long as the input limit, and what it converts to
    std::string isbn;
    std::string asin;
};

const ConversionDialog kOld2New = {&g_old2NewControls, "0-8044-2957-X", "978-0-8044-2957-3", "080442957X"};
const ConversionDialog kNew2Old = {&g_new2OldControls, "978-0-8044-2957-3", "0-8044-2957-X", "080442957X"};

// What is typed in which dialog, and the box it brings (null for none). Typing stops at
// the input limit, so the first attempt in each dialog converts.
const struct {
    const ConversionDialog* dialog;
    std::string typed;
    const wchar_t* box;
} kAttempts[] = {
    // clang-format off
    {&kOld2New, "0-8044-2957-X-1",     kPrefixNotice},
    {&kOld2New, "",                    kNoInput},
    {&kOld2New, "030640615",           kWrongDigitCount},
    {&kOld2New, "080442957x",          kInvalidData},
    {&kOld2New, "0306406153",          kBadCheckDigit},
    {&kNew2Old, "978-0-8044-2957-3-1", nullptr},
    {&kNew2Old, "9790306406156",       kBadPrefix},
    // clang-format on
};

// The box's text, caption and icon, and the result field while it was up.
void ExpectBox(const BoxSeen& box, const wchar_t* text, const std::string& isbnField)
{
    const bool error = text != kPrefixNotice;
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, error ? L"エラーメッセージ" : L"メッセージ");
    EXPECT_EQ(box.icon, error ? LoadIconA(nullptr, IDI_HAND) : nullptr);
    EXPECT_EQ(box.isbnField, isbnField);
}

// Each attempt starts with a success on screen, so a box shows whether the results
// were gone before it appeared.
void TryEachAttempt(const ConversionDialog& dialog, HWND window)
{
    for (const auto& attempt : kAttempts) {
        if (attempt.dialog != &dialog) continue;
        SCOPED_TRACE("typed " + attempt.typed);
        SetDlgItemTextA(window, IDC_INPUT, dialog.input.c_str());
        Key(window, VK_RETURN);
        SetDlgItemTextA(window, IDC_INPUT, "");
        Type(window, attempt.typed);
        const std::size_t boxesBefore = g_boxes.size();
        Click(window, IDOK);

        const bool converted = attempt.box == nullptr || attempt.box == kPrefixNotice;
        EXPECT_EQ(Text(window, IDC_INPUT), attempt.typed.substr(0, dialog.input.size()));
        EXPECT_EQ(Text(window, IDC_ISBN), converted ? dialog.isbn : "");
        EXPECT_EQ(Text(window, IDC_ASIN), converted ? dialog.asin : "");
        EXPECT_EQ(Focused(), converted ? IDC_INPUT : IDOK) << "a success hands the focus to the input";
        ASSERT_EQ(g_boxes.size(), boxesBefore + (attempt.box != nullptr ? 1 : 0));
        if (attempt.box != nullptr) ExpectBox(g_boxes.back(), attempt.box, converted ? dialog.isbn : "");
    }
    // Only another program can put a text past the limit: it stays too long to convert.
    SetDlgItemTextA(window, IDC_INPUT, (dialog.input + std::string(30, ' ')).c_str());
    Click(window, IDOK);
    ExpectBox(g_boxes.back(), kWrongDigitCount, "");
}

void CopyClearAndTypeIntoResult(const ConversionDialog& dialog, HWND window)
{
    SetDlgItemTextA(window, IDC_INPUT, dialog.input.c_str());
    Key(window, VK_RETURN);
    Click(window, IDC_COPY_ISBN);
    EXPECT_EQ(ClipboardText(), dialog.isbn);
    Click(window, IDC_COPY_ASIN);
    EXPECT_EQ(ClipboardText(), dialog.asin);
    Click(window, IDC_CLEAR);
    EXPECT_EQ(Text(window, IDC_INPUT) + Text(window, IDC_ISBN) + Text(window, IDC_ASIN), "");
    EXPECT_EQ(Focused(), IDC_INPUT);
    SetFocus(GetDlgItem(window, IDC_ASIN));
    Type(window, "1");
    EXPECT_EQ(Text(window, IDC_ASIN), "") << "a result field is read-only";
}

// Black on white for the result fields only; the platform's colours for the labels.
void ExpectResultFieldsBlackOnWhite(HWND window)
{
    const COLORREF kUntouched = RGB(1, 2, 3);
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const int id : {IDC_ISBN, IDC_ASIN, -1}) {
        SCOPED_TRACE(id);
        SetTextColor(dc, kUntouched);
        SetBkColor(dc, kUntouched);
        const auto control = reinterpret_cast<LPARAM>(GetDlgItem(window, id));
        const auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC));
        const INT_PTR brush = proc(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), control);
        LOGBRUSH fill = {};
        GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof fill, &fill);
        const bool result = id != -1;
        EXPECT_EQ(GetTextColor(dc), result ? RGB(0, 0, 0) : kUntouched);
        EXPECT_EQ(GetBkColor(dc), result ? RGB(255, 255, 255) : kUntouched);
        EXPECT_EQ(fill.lbColor, result ? RGB(255, 255, 255) : 0);
    }
    DeleteDC(dc);
}

// What an opening made, to be checked once its dialog has closed.
struct Made {
    HWND tooltips[10];
    HICON icons[2];
    HBRUSH brush;
};

std::vector<Made> g_made;

void RecordWhatTheOpeningMade(HWND window, const DialogControls& controls)
{
    Made made = {};
    std::copy_n(&controls.hTipOld2New, std::size(made.tooltips), made.tooltips);
    for (const WPARAM size : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}})
        made.icons[size] = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, size, 0));
    made.brush = controls.hWhiteBrush;
    g_made.push_back(made);
}

// The hint that shows once the pointer has rested on a control, if any.
std::wstring HintOnHover(HWND dialog, int id, HWND tooltip)
{
    RECT area;
    GetWindowRect(GetDlgItem(dialog, id), &area);
    SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    for (int waited = 0; waited < 3000 && !IsWindowVisible(tooltip); waited += 10) {
        Sleep(10);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);   // as the modal loop would
    }
    wchar_t text[80] = {};
    TTTOOLINFOW tool = {TTTOOLINFOW_V2_SIZE};
    tool.lpszText = text;
    if (IsWindowVisible(tooltip)) SendMessageW(tooltip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return text;
}

// The hints of the input and the result field are checked as they show. The ISBN-10
// dialog is closed by its close box (or Alt+F4), the ISBN-13 one by Esc.
Script Work(const ConversionDialog& dialog, const wchar_t* inputHint, const wchar_t* isbnHint)
{
    return [&dialog, inputHint, isbnHint](HWND window) {
        RecordWhatTheOpeningMade(window, *dialog.controls);
        EXPECT_EQ(HintOnHover(window, IDC_INPUT, dialog.controls->hTipInput), inputHint);
        EXPECT_EQ(HintOnHover(window, IDC_ISBN, dialog.controls->hTipIsbn), isbnHint);
        TryEachAttempt(dialog, window);
        CopyClearAndTypeIntoResult(dialog, window);
        ExpectResultFieldsBlackOnWhite(window);
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        EXPECT_TRUE(IsWindowVisible(window)) << "a system command other than close ends nothing";
        if (&dialog == &kOld2New) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (&dialog == &kNew2Old) Key(window, VK_ESCAPE);
    };
}

// The mode dialog opens the checked direction, each with its own procedure. Every
// dialog takes with it the brush, the icons and the hint windows made for its opening.
TEST(Dialogs, WorkAsTheUserExpects)
{
    ASSERT_EQ(GetACP(), 932u) << "texts are compared as Shift-JIS bytes";
    const auto mode = [](HWND window) {
        EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
        EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZEBOX, WS_MINIMIZEBOX);
        RecordWhatTheOpeningMade(window, g_mainControls);
        Key(window, VK_RETURN);
        Key(window, VK_DOWN);   // the arrow checks as it moves
        Key(window, VK_RETURN);
        Click(window, IDCANCEL);
    };
    const Script old2New = Work(kOld2New, L"10桁のISBNを入力します。", L"13桁のISBNを表示します。");
    const Script new2Old = Work(kNew2Old, L"13桁のISBNを入力します。", L"10桁のISBNを表示します。");
    EXPECT_EQ(RunDialog("IDD_DIALOG", MainDialogProc, {mode, old2New, new2Old}), 0);
    for (const Made& made : g_made) {
        EXPECT_EQ(GetObjectType(made.brush), 0u) << "a brush outlived its dialog";
        ICONINFO info;
        for (const HICON icon : made.icons) {
            EXPECT_TRUE(icon != nullptr && !GetIconInfo(icon, &info)) << "an icon outlived its dialog";
        }
        for (const HWND tooltip : made.tooltips) EXPECT_FALSE(IsWindow(tooltip)) << "a hint outlived its dialog";
    }
}

TEST(Program, EndsWithZeroWhenTheModeDialogCloses)
{
    const intptr_t process = _spawnl(_P_NOWAIT, "Quenzel.exe", "Quenzel.exe", nullptr);
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && window == nullptr; ++tries) {
        Sleep(100);
        window = FindWindowW(nullptr, L"Dovrant");
    }
    ASSERT_NE(window, nullptr) << "the program shows no mode dialog";
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    int status = -1;
    EXPECT_EQ(_cwait(&status, process, 0), process);
    EXPECT_EQ(status, 0);
}

}   // namespace
