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
    std::string input = "", isbn = "", asin = "";   // an input that converts, and its results
    std::vector<std::pair<std::string, const char*>> attempts = {};   // typed, and the box it brings
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
void ExpectBox(const Ui::Box& box, const char* text, const std::string& isbn)
{
    const bool error = text != PrefixNotice;
    EXPECT_EQ(box.text + "|" + box.caption + "|" + box.isbn, text + ("|" + std::string(error ? ErrorCaption : NoticeCaption) + "|" + isbn));
    EXPECT_EQ(box.icon, error ? LoadIconA(nullptr, IDI_HAND) : nullptr) << text;
}

int Focused()
{
    return GetDlgCtrlID(GetFocus());
}

TEST(ModeDialog, OpensTheCheckedDirectionAndConvertsThroughIt)
{
    ASSERT_EQ(GetACP(), 932u) << "texts are compared as Shift-JIS bytes";
    RunDialog(kMode.name, kMode.proc, [](Ui& ui) {
        EXPECT_EQ(Focused(), IDC_OLD2NEW);
        int opening = 0;
        for (const Dialog* dialog : {&kOld2New, &kNew2Old, &kNew2Old}) {   // the choice stays for the next opening
            if (opening++ == 1) ui.Press(VK_DOWN);   // the arrow checks as it moves
            ui.Press(VK_RETURN);
            ui.Type(dialog->input);
            ui.Press(VK_RETURN);
            EXPECT_EQ(ui.Text(IDC_ISBN), dialog->isbn);
            ui.Press(VK_ESCAPE);
        }
        CheckRadioButton(ui.top, IDC_OLD2NEW, IDC_NEW2OLD, 0);   // neither: only a fault could do this
        ui.Press(VK_RETURN);
        ASSERT_EQ(ui.boxes.size(), 2u) << "the notice after 10 to 13 only, then the unexpected error";
        ExpectBox(ui.boxes[0], PrefixNotice, kOld2New.isbn);
        ExpectBox(ui.boxes[1], UnexpectedErrorMessage, "");
    });
}

// Each attempt starts with a success on screen, so a box shows whether the results
// were gone before it appeared; typing stops at the input limit.
TEST(ConversionDialogs, ConvertCopyClearPaintAndTab)
{
    for (const Dialog* dialog : {&kOld2New, &kNew2Old}) {
        RunDialog(dialog->name, dialog->proc, [&](Ui& ui) {
            for (const auto& [typed, box] : dialog->attempts) {
                SetDlgItemTextA(ui.top, IDC_INPUT, dialog->input.c_str());
                ui.Press(VK_RETURN);
                SetDlgItemTextA(ui.top, IDC_INPUT, "");
                ui.Type(typed);
                const std::size_t boxesBefore = ui.boxes.size();
                ui.Press(VK_RETURN);
                const bool converted = box == nullptr || box == PrefixNotice;
                EXPECT_EQ(ui.Text(IDC_INPUT), typed.substr(0, dialog->input.size()));   // the sample is as long as the limit
                EXPECT_EQ(ui.Text(IDC_ISBN) + " " + ui.Text(IDC_ASIN), converted ? dialog->isbn + " " + dialog->asin : " ");
                EXPECT_EQ(Focused(), IDC_INPUT);
                ASSERT_EQ(ui.boxes.size(), boxesBefore + (box != nullptr)) << typed;
                if (box != nullptr) ExpectBox(ui.boxes.back(), box, converted ? dialog->isbn : "");
            }
            // Text set from outside is not limited: whatever its length, it stays too long.
            SetDlgItemTextA(ui.top, IDC_INPUT, (dialog->input + std::string(30, ' ')).c_str());
            ui.Press(VK_RETURN);
            ExpectBox(ui.boxes.back(), WrongDigitCountMessage, "");

            SetDlgItemTextA(ui.top, IDC_INPUT, dialog->input.c_str());
            ui.Press(VK_RETURN);
            ui.Click(IDC_COPY_ISBN);
            EXPECT_EQ(ClipboardText(), dialog->isbn);
            ui.Click(IDC_COPY_ASIN);
            EXPECT_EQ(ClipboardText(), dialog->asin);
            EXPECT_EQ(Focused(), IDC_COPY_ASIN);
            ui.Click(IDC_CLEAR);
            EXPECT_EQ(ui.Text(IDC_INPUT) + ui.Text(IDC_ISBN) + ui.Text(IDC_ASIN) + ClipboardText(), dialog->asin);
            EXPECT_EQ(Focused(), IDC_INPUT);

            // Black on white for the two result fields only; the platform's colours for the labels.
            const HDC dc = CreateCompatibleDC(nullptr);
            for (const int id : {IDC_ISBN, IDC_ASIN, -1}) {
                SetTextColor(dc, RGB(1, 2, 3));
                SetBkColor(dc, RGB(1, 2, 3));
                SetBkMode(dc, TRANSPARENT);
                LOGBRUSH fill = {};
                GetObjectA(reinterpret_cast<HBRUSH>(dialog->proc(ui.top, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(GetDlgItem(ui.top, id)))), sizeof fill, &fill);
                const COLORREF seen[] = {GetTextColor(dc), GetBkColor(dc), fill.lbColor, static_cast<COLORREF>(GetBkMode(dc))};
                const COLORREF result[] = {0, RGB(255, 255, 255), RGB(255, 255, 255), OPAQUE}, label[] = {RGB(1, 2, 3), RGB(1, 2, 3), 0, TRANSPARENT};
                EXPECT_TRUE(std::equal(seen, seen + 4, id == -1 ? label : result)) << id;
            }
            DeleteDC(dc);

            // Typing into a result field changes nothing; Tab goes round, Shift+Tab back.
            for (const int id : {IDC_ISBN, IDC_COPY_ISBN, IDC_ASIN, IDC_COPY_ASIN, IDOK, IDC_CLEAR, IDCANCEL, IDC_INPUT}) {
                ui.Press(VK_TAB);
                EXPECT_EQ(Focused(), id);
                ui.Type("1");
            }
            EXPECT_EQ(ui.Text(IDC_ISBN) + ui.Text(IDC_ASIN) + ui.Text(IDC_INPUT), "1");
            ui.Press(VK_TAB, VK_SHIFT);
            EXPECT_EQ(Focused(), IDCANCEL);
        });
    }
}

// Every way of closing ends a dialog with 0 and takes with it the brush, the icons and
// the hint windows made for the opening. Caption, styles and hints are checked on the way.
TEST(Dialogs, EveryWayOfClosingEndsWithZeroAndReleasesWhatTheOpeningMade)
{
    for (const Dialog* dialog : {&kMode, &kOld2New, &kNew2Old}) {
        for (const WORD way : {WORD{VK_ESCAPE}, WORD{VK_F4}, WORD{IDCANCEL}, WORD{SC_CLOSE}}) {
            HWND tooltips[std::size(kHinted)] = {};
            HICON icons[2] = {};
            EXPECT_EQ(RunDialog(dialog->name, dialog->proc, [&](Ui& ui) {
                wchar_t caption[32] = {};
                EXPECT_EQ(std::wstring(caption, static_cast<std::size_t>(GetWindowTextW(ui.top, caption, 32))), dialog->caption);
                EXPECT_EQ(GetWindowLongA(ui.top, GWL_EXSTYLE) & WS_EX_TOPMOST, dialog == &kMode ? WS_EX_TOPMOST : 0);
                EXPECT_EQ(GetWindowLongA(ui.top, GWL_STYLE) & WS_MINIMIZEBOX, dialog == &kMode ? WS_MINIMIZEBOX : 0);
                std::copy_n(&dialog->controls->hTipOld2New, std::size(kHinted), tooltips);
                for (std::size_t i = 0; i < std::size(kHinted); ++i) {
                    char text[80] = {};
                    TTTOOLINFOA tool = {TTTOOLINFOA_V2_SIZE};
                    tool.lpszText = text;
                    SendMessageA(tooltips[i], TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool));
                    SendMessageA(tooltips[i], TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
                    EXPECT_EQ(text, std::string(dialog->hints[i] ? dialog->hints[i] : "")) << kHinted[i];
                    EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), dialog->hints[i] ? GetDlgItem(ui.top, kHinted[i]) : nullptr);
                    EXPECT_EQ(SendMessageA(tooltips[i], TTM_GETTOOLCOUNT, 0, 0), dialog->hints[i] ? 1 : 0);
                }
                for (const WPARAM size : {WPARAM{ICON_SMALL}, WPARAM{ICON_BIG}}) icons[size] = reinterpret_cast<HICON>(SendMessageA(ui.top, WM_GETICON, size, 0));
                ui.closing = true;
                if (way == SC_CLOSE) PostMessageA(ui.top, WM_SYSCOMMAND, SC_CLOSE, 0);
                way == IDCANCEL ? ui.Click(IDCANCEL) : ui.Press(way == SC_CLOSE ? WORD{VK_SHIFT} : way, way == VK_F4 ? WORD{VK_MENU} : WORD{0});
            }), 0);
            EXPECT_EQ(GetObjectType(dialog->controls->hWhiteBrush), 0u) << "a brush outlived its dialog";
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
