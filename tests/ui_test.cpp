// The three dialogs as the user works them, and the program as a process.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <process.h>

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
    const wchar_t* caption;
    const wchar_t* hints[std::size(kHinted)];   // read back as Unicode: every Shift-JIS byte counts
    std::string input = "", isbn = "", asin = "";   // an input as long as the input limit, and what it converts to
    std::vector<std::pair<std::string, const char*>> attempts = {};   // what is typed, and the box it brings
};
const Dialog kMode = {"IDD_DIALOG", MainDialogProc, &g_mainControls, L"Dovrant",
    {L"10桁のISBNを13桁に変換します。", L"13桁のISBNを10桁に変換します。", 0, 0, 0, 0, 0, L"選択した処理を起動します。", 0, L"プログラムを終了します。"}};
#define COPY_AND_BUTTON_HINTS L"ISBNをクリップボードにコピーします。", L"ASINを表示します。", L"ASINをクリップボードにコピーします。", \
    L"入力されたISBNを変換します。", L"データをクリアします。", L"ダイアログを閉じます。"
const Dialog kOld2New = {"IDD_OLD2NEW", Old2NewDialogProc, &g_old2NewControls, L"10桁→13桁",
    {0, 0, L"10桁のISBNを入力します。", L"13桁のISBNを表示します。", COPY_AND_BUTTON_HINTS},
    "0-8044-2957-X", "978-0-8044-2957-3", "080442957X",
    {{"0-8044-2957-X-1", PrefixNotice}, {"", NoInputMessage}, {"030640615", WrongDigitCountMessage}, {"080442957x", InvalidDataMessage},
     {"0306406153", BadCheckDigitMessage}, {"0-8044-2957-X" + std::string(30, ' '), WrongDigitCountMessage}}};
const Dialog kNew2Old = {"IDD_NEW2OLD", New2OldDialogProc, &g_new2OldControls, L"13桁→10桁",
    {0, 0, L"13桁のISBNを入力します。", L"10桁のISBNを表示します。", COPY_AND_BUTTON_HINTS},
    "978-0-8044-2957-3", "0-8044-2957-X", "080442957X",
    {{"978-0-8044-2957-3-1", nullptr}, {"", NoInputMessage}, {"9790306406156", BadPrefixMessage}, {"978-0-306-40615-8", BadCheckDigitMessage},
     {"978-0-8044-2957-3" + std::string(30, ' '), WrongDigitCountMessage}}};

// The box, its caption and icon, and the result field while it was up: empty before any refusal.
void ExpectBox(const BoxSeen& box, const char* text, const std::string& isbn)
{
    const bool error = text != PrefixNotice;
    EXPECT_EQ(box.text + "|" + box.caption + "|" + box.isbn + (box.icon == (error ? LoadIconA(nullptr, IDI_HAND) : nullptr) ? "" : "|wrong icon"),
              text + ("|" + std::string(error ? ErrorCaption : NoticeCaption) + "|" + isbn));
}

int Focused() { return GetDlgCtrlID(GetFocus()); }

// Each attempt starts with a success on screen, so a box shows whether the results were
// gone before it appeared. Typing stops at the input limit; a text of more than 20
// characters is set from outside instead, and stays too long whatever its length.
void ConvertCopyClearPaintAndTab(const Dialog& dialog, HWND window)
{
    for (const auto& [typed, box] : dialog.attempts) {
        SetDlgItemTextA(window, IDC_INPUT, dialog.input.c_str());
        Key(window, VK_RETURN);
        SetDlgItemTextA(window, IDC_INPUT, typed.size() > 20 ? typed.c_str() : "");
        Type(window, typed.size() > 20 ? "" : typed);
        const std::size_t boxesBefore = g_boxes.size();
        SendDlgItemMessageA(window, IDOK, BM_CLICK, 0, 0);
        const bool converted = box == nullptr || box == PrefixNotice;
        EXPECT_EQ(Text(window, IDC_INPUT) + " " + Text(window, IDC_ISBN) + " " + Text(window, IDC_ASIN),
                  typed.substr(0, typed.size() > 20 ? typed.size() : dialog.input.size()) + (converted ? " " + dialog.isbn + " " + dialog.asin : "  "));
        EXPECT_EQ(Focused(), converted ? IDC_INPUT : IDOK) << "a success hands the focus to the input";
        ASSERT_EQ(g_boxes.size(), boxesBefore + (box != nullptr)) << typed;
        if (box != nullptr) ExpectBox(g_boxes.back(), box, converted ? dialog.isbn : "");
    }
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
        GetObjectA(reinterpret_cast<HBRUSH>(dialog.proc(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(GetDlgItem(window, id)))), sizeof fill, &fill);
        const std::vector<COLORREF> seen = {GetTextColor(dc), GetBkColor(dc), fill.lbColor, static_cast<COLORREF>(GetBkMode(dc))};
        EXPECT_EQ(seen, (id == -1 ? std::vector<COLORREF>{RGB(1, 2, 3), RGB(1, 2, 3), 0, TRANSPARENT} : std::vector<COLORREF>{0, 0xFFFFFF, 0xFFFFFF, OPAQUE})) << id;
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

// The mode dialog opens the checked direction, with its own procedure.
TEST(Dialogs, WorkAsTheUserExpects)
{
    ASSERT_EQ(GetACP(), 932u) << "texts are compared as Shift-JIS bytes";
    const auto mode = [](HWND window) {
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_OLD2NEW);
        Key(window, VK_RETURN);
        Key(window, VK_DOWN);   // the arrow checks as it moves
        Key(window, VK_RETURN);
        CheckRadioButton(window, IDC_OLD2NEW, IDC_NEW2OLD, 0);   // neither: only a fault could do this
        Key(window, VK_RETURN);
        ExpectBox(g_boxes.back(), UnexpectedErrorMessage, "");
    };
    RunDialog(kMode.name, kMode.proc, {mode, [](HWND window) { ConvertCopyClearPaintAndTab(kOld2New, window); },
                                       [](HWND window) { ConvertCopyClearPaintAndTab(kNew2Old, window); }});
}

// Every way of closing ends a dialog with 0 and takes with it the brush, the icons and
// the hint windows made for the opening. Caption, styles and hints are checked on the way.
TEST(Dialogs, EveryWayOfClosingEndsWithZeroAndReleasesWhatTheOpeningMade)
{
    for (const Dialog* dialog : {&kMode, &kOld2New, &kNew2Old}) {
        for (const int way : {VK_ESCAPE, IDCANCEL, SC_CLOSE}) {
            HWND tooltips[std::size(kHinted)] = {};
            HICON icons[2] = {};
            HBRUSH brush = nullptr;   // the handles as they were while the dialog was open
            EXPECT_EQ(RunDialog(dialog->name, dialog->proc, {[&](HWND window) {
                wchar_t caption[32] = {};
                GetWindowTextW(window, caption, 32);
                EXPECT_STREQ(caption, dialog->caption);
                EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST, dialog == &kMode ? WS_EX_TOPMOST : 0);
                EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZEBOX, dialog == &kMode ? WS_MINIMIZEBOX : 0);
                std::copy_n(&dialog->controls->hTipOld2New, std::size(kHinted), tooltips);
                brush = dialog->controls->hWhiteBrush;
                for (std::size_t i = 0; i < std::size(kHinted); ++i) {
                    wchar_t text[80] = {};
                    TTTOOLINFOW tool = {TTTOOLINFOW_V2_SIZE, TTF_IDISHWND, window, reinterpret_cast<UINT_PTR>(GetDlgItem(window, kHinted[i])), {}, nullptr, text};
                    SendMessageW(tooltips[i], TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
                    EXPECT_STREQ(text, dialog->hints[i] ? dialog->hints[i] : L"") << kHinted[i];
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
    const intptr_t process = _spawnl(_P_NOWAIT, "Quenzel.exe", "Quenzel.exe", nullptr);
    HWND window = nullptr;
    for (int tries = 0; tries < 100 && window == nullptr; ++tries, Sleep(100)) window = FindWindowW(nullptr, L"Dovrant");
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    int status = -1;
    EXPECT_EQ(_cwait(&status, process, 0), process);
    EXPECT_EQ(status, 0);
}

}  // namespace
