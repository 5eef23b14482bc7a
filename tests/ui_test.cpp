// The three dialogs as the user works them, and the program as a process.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "conversion_dialog.h"
#include "main_dialog.h"
#include "messages.h"
#include "resource_ids.h"
#include "ui_driver.h"

namespace {

// The controls with a hint, in the order of the tooltip fields of DialogControls.
constexpr int kHinted[] = {IDC_OLD2NEW, IDC_NEW2OLD, IDC_INPUT, IDC_ISBN, IDC_COPY_ISBN, IDC_ASIN, IDC_COPY_ASIN, IDOK, IDC_CLEAR, IDCANCEL};

struct Dialog {
    const char* name;
    DLGPROC proc;
    const DialogControls* controls;
    std::wstring caption;
    const char* hints[std::size(kHinted)];
    std::string input = "", isbn = "", asin = "";   // an input as long as the input limit, and what it converts to
    std::vector<std::pair<std::string, const char*>> attempts = {};   // what is typed, and the box it brings
};
const Dialog kMode = {"IDD_DIALOG", MainDialogProc, &g_mainControls, L"Dovrant",
                      {HintModeOld2New, HintModeNew2Old, 0, 0, 0, 0, 0, HintStart, 0, HintQuit}};
const Dialog kOld2New = {"IDD_OLD2NEW", Old2NewDialogProc, &g_old2NewControls, L"10桁→13桁",
    {0, 0, HintInputIsbn10, HintShowIsbn13, HintCopyIsbn, HintShowAsin, HintCopyAsin, HintConvert, HintClear, HintClose},
    "0-8044-2957-X", "978-0-8044-2957-3", "080442957X",
    {{"0-8044-2957-X-1", PrefixNotice}, {"", NoInputMessage}, {"030640615", WrongDigitCountMessage},
     {"080442957x", InvalidDataMessage}, {"0306406153", BadCheckDigitMessage}}};
const Dialog kNew2Old = {"IDD_NEW2OLD", New2OldDialogProc, &g_new2OldControls, L"13桁→10桁",
    {0, 0, HintInputIsbn13, HintShowIsbn10, HintCopyIsbn, HintShowAsin, HintCopyAsin, HintConvert, HintClear, HintClose},
    "978-0-8044-2957-3", "0-8044-2957-X", "080442957X",
    {{"978-0-8044-2957-3-1", nullptr}, {"", NoInputMessage}, {"9790306406156", BadPrefixMessage}, {"978-0-306-40615-8", BadCheckDigitMessage}}};

// The box, its caption and icon, and the result field while it was up: empty before any refusal.
void ExpectBox(const BoxSeen& box, const char* text, const std::string& isbn)
{
    const bool error = text != PrefixNotice;
    EXPECT_EQ(box.text + "|" + box.caption + "|" + box.isbn, text + ("|" + std::string(error ? ErrorCaption : NoticeCaption) + "|" + isbn));
    EXPECT_EQ(box.icon, error ? LoadIconA(nullptr, IDI_HAND) : nullptr) << text;
}

int Focused() { return GetDlgCtrlID(GetFocus()); }

std::wstring Caption(HWND window)
{
    wchar_t text[32] = {};
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(window, text, 32)));
}

// Each attempt starts with a success on screen, so a box shows whether the results were
// gone before it appeared. Typing stops at the input limit; text set from outside does
// not, and stays too long whatever its length.
void ConvertCopyClearPaintAndTab(const Dialog& dialog, HWND window)
{
    for (const auto& [typed, box] : dialog.attempts) {
        SetDlgItemTextA(window, IDC_INPUT, dialog.input.c_str());
        Key(window, VK_RETURN);
        SetDlgItemTextA(window, IDC_INPUT, "");
        Type(window, typed);
        const std::size_t boxesBefore = g_boxes.size();
        SendDlgItemMessageA(window, IDOK, BM_CLICK, 0, 0);
        const bool converted = box == nullptr || box == PrefixNotice;
        EXPECT_EQ(Text(window, IDC_INPUT) + " " + Text(window, IDC_ISBN) + " " + Text(window, IDC_ASIN),
                  typed.substr(0, dialog.input.size()) + (converted ? " " + dialog.isbn + " " + dialog.asin : "  "));
        EXPECT_EQ(Focused(), converted ? IDC_INPUT : IDOK) << "a success hands the focus to the input";
        ASSERT_EQ(g_boxes.size(), boxesBefore + (box != nullptr)) << typed;
        if (box != nullptr) ExpectBox(g_boxes.back(), box, converted ? dialog.isbn : "");
    }
    SetDlgItemTextA(window, IDC_INPUT, (dialog.input + std::string(30, ' ')).c_str());
    Key(window, VK_RETURN);
    ExpectBox(g_boxes.back(), WrongDigitCountMessage, "");

    SetDlgItemTextA(window, IDC_INPUT, dialog.input.c_str());
    Key(window, VK_RETURN);
    for (const auto& [button, text] : {std::pair{IDC_COPY_ISBN, dialog.isbn}, {IDC_COPY_ASIN, dialog.asin}}) {
        SendDlgItemMessageA(window, button, BM_CLICK, 0, 0);
        EXPECT_EQ(ClipboardText() + " " + std::to_string(Focused()), text + " " + std::to_string(button));
    }
    SendDlgItemMessageA(window, IDC_CLEAR, BM_CLICK, 0, 0);
    EXPECT_EQ(Text(window, IDC_INPUT) + Text(window, IDC_ISBN) + Text(window, IDC_ASIN) + ClipboardText(), dialog.asin);
    EXPECT_EQ(Focused(), IDC_INPUT);

    // Black on white for the two result fields only; the platform's colours for the labels.
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const int id : {IDC_ISBN, IDC_ASIN, -1}) {
        SetTextColor(dc, RGB(1, 2, 3)), SetBkColor(dc, RGB(1, 2, 3)), SetBkMode(dc, TRANSPARENT);
        LOGBRUSH fill = {};
        GetObjectA(reinterpret_cast<HBRUSH>(dialog.proc(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, id)))), sizeof fill, &fill);
        const COLORREF seen[] = {GetTextColor(dc), GetBkColor(dc), fill.lbColor, static_cast<COLORREF>(GetBkMode(dc))};
        const COLORREF result[] = {0, RGB(255, 255, 255), RGB(255, 255, 255), OPAQUE}, label[] = {RGB(1, 2, 3), RGB(1, 2, 3), 0, TRANSPARENT};
        EXPECT_TRUE(std::equal(seen, seen + 4, id == -1 ? label : result)) << id;
    }
    DeleteDC(dc);

    // Typing into a result field changes nothing; Tab goes round, Shift+Tab back.
    for (const int id : {IDC_ISBN, IDC_COPY_ISBN, IDC_ASIN, IDC_COPY_ASIN, IDOK, IDC_CLEAR, IDCANCEL, IDC_INPUT}) {
        Key(window, VK_TAB);
        EXPECT_EQ(Focused(), id);
        Type(window, "1");
    }
    Key(window, VK_TAB, WM_KEYDOWN, true);
    EXPECT_EQ(Text(window, IDC_ISBN) + Text(window, IDC_ASIN) + Text(window, IDC_INPUT) + std::to_string(Focused()), "12");
}

// The mode dialog opens the checked direction, with its own procedure, and keeps the choice.
TEST(Dialogs, WorkAsTheUserExpects)
{
    ASSERT_EQ(GetACP(), 932u) << "texts are compared as Shift-JIS bytes";
    const auto mode = [](HWND window) {
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_OLD2NEW);
        Key(window, VK_RETURN);
        Key(window, VK_DOWN);   // the arrow checks as it moves
        Key(window, VK_RETURN);
        Key(window, VK_RETURN);
        CheckRadioButton(window, IDC_OLD2NEW, IDC_NEW2OLD, 0);   // neither: only a fault could do this
        Key(window, VK_RETURN);
        ExpectBox(g_boxes.back(), UnexpectedErrorMessage, "");
    };
    const auto reopened = [](HWND window) {
        EXPECT_EQ(Caption(window), kNew2Old.caption);
        EXPECT_EQ(Text(window, IDC_ISBN) + Text(window, IDC_INPUT), "") << "a dialog opens empty";
    };
    RunDialog(kMode.name, kMode.proc, {mode, [](HWND window) { ConvertCopyClearPaintAndTab(kOld2New, window); },
                                       [](HWND window) { ConvertCopyClearPaintAndTab(kNew2Old, window); }, reopened});
}

// Every way of closing ends a dialog with 0 and takes with it the brush, the icons and
// the hint windows made for the opening. Caption, styles and hints are checked on the way.
TEST(Dialogs, EveryWayOfClosingEndsWithZeroAndReleasesWhatTheOpeningMade)
{
    for (const Dialog* dialog : {&kMode, &kOld2New, &kNew2Old}) {
        for (const int way : {VK_ESCAPE, IDCANCEL, SC_CLOSE}) {
            HWND tooltips[std::size(kHinted)] = {};
            HICON icons[2] = {};
            HBRUSH brush = nullptr;
            EXPECT_EQ(RunDialog(dialog->name, dialog->proc, {[&](HWND window) {
                EXPECT_EQ(Caption(window), dialog->caption);
                EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, dialog == &kMode ? WS_EX_TOPMOST : 0);
                EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZEBOX, dialog == &kMode ? WS_MINIMIZEBOX : 0);
                std::copy_n(&dialog->controls->hTipOld2New, std::size(kHinted), tooltips);
                brush = dialog->controls->hWhiteBrush;
                for (std::size_t i = 0; i < std::size(kHinted); ++i) {
                    char text[80] = {};
                    TTTOOLINFOA tool = {TTTOOLINFOA_V2_SIZE, TTF_IDISHWND, window, reinterpret_cast<UINT_PTR>(GetDlgItem(window, kHinted[i]))};
                    tool.lpszText = text;
                    SendMessageA(tooltips[i], TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
                    EXPECT_EQ(text, std::string(dialog->hints[i] ? dialog->hints[i] : "")) << kHinted[i];
                }
                for (const WPARAM size : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}}) icons[size] = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, size, 0));
                SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
                EXPECT_TRUE(IsWindowVisible(window)) << "a system command other than close ends nothing";
                if (way == VK_ESCAPE) Key(window, VK_ESCAPE);
                if (way == IDCANCEL) SendDlgItemMessageA(window, IDCANCEL, BM_CLICK, 0, 0);
                if (way == SC_CLOSE) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);   // the close box, Alt+F4
            }}), 0);
            EXPECT_EQ(GetObjectType(brush), 0u) << "a brush outlived its dialog";
            ICONINFO info;
            for (const HICON icon : icons) EXPECT_TRUE(icon != nullptr && !GetIconInfo(icon, &info)) << "an icon outlived its dialog";
            for (const HWND tooltip : tooltips) EXPECT_FALSE(IsWindow(tooltip)) << "a hint outlived its dialog";
        }
    }
}

TEST(Program, EndsWithZeroWhenTheModeDialogCloses)
{
    char program[] = "Quenzel.exe";
    STARTUPINFOA startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, program, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && window == nullptr; ++tries, Sleep(100)) window = FindWindowW(nullptr, L"Dovrant");
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 1;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    TerminateProcess(process.hProcess, 1);
}

}  // namespace
