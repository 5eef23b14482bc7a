// What the dialogs keep besides their behaviour: hints, result-field colours, and
// nothing left behind once they close.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion_test_support.h"
#include "main_dialog.h"
#include "resource_ids.h"
#include "texts.h"
#include "ui_conversion_test_support.h"
#include "ui_driver.h"

namespace {

struct HintRow {
    int control;
    const char* text;
};

// One tooltip window per control, each with exactly one tool, and nothing else.
void ExpectHints(HWND dialog, const std::vector<HintRow>& rows)
{
    const std::vector<HintSeen> hints = OwnedHints(dialog);
    EXPECT_EQ(hints.size(), rows.size());
    for (const HintRow& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.control));
        const HWND control = GetDlgItem(dialog, row.control);
        int found = 0;
        for (const HintSeen& hint : hints) {
            if (hint.control != control) continue;
            ++found;
            EXPECT_EQ(hint.toolCount, 1);
            EXPECT_EQ(Printable(hint.text), Printable(row.text));
        }
        EXPECT_EQ(found, 1);
    }
}

TEST(Hints, MainDialog)
{
    DialogScript script;
    script.Then([](HWND dialog) {
        ExpectHints(dialog, {{IDC_OLD2NEW, HintModeOld2New},
                             {IDC_NEW2OLD, HintModeNew2Old},
                             {IDOK, HintStart},
                             {IDCANCEL, HintQuit}});
    });
    script.Run("IDD_DIALOG", MainDialogProc);
}

TEST(Hints, ConversionDialogs)
{
    struct Row {
        const Direction* dir;
        const char* inputHint;
        const char* resultHint;
    };
    const Row kRows[] = {{&kOld2New, HintInputIsbn10, HintShowIsbn13}, {&kNew2Old, HintInputIsbn13, HintShowIsbn10}};
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.dir->name);
        DialogScript script;
        script.Then([&row](HWND dialog) {
            ExpectHints(dialog, {{IDC_INPUT, row.inputHint},
                                 {IDC_ISBN, row.resultHint},
                                 {IDC_COPY_ISBN, HintCopyIsbn},
                                 {IDC_ASIN, HintShowAsin},
                                 {IDC_COPY_ASIN, HintCopyAsin},
                                 {IDOK, HintConvert},
                                 {IDC_CLEAR, HintClear},
                                 {IDCANCEL, HintClose}});
        });
        script.Run(row.dir->templateName, row.dir->proc);
    }
}

// The DC state as (text colour, background colour, background mode).
std::vector<COLORREF> DcColours(HDC dc)
{
    return {GetTextColor(dc), GetBkColor(dc), static_cast<COLORREF>(GetBkMode(dc))};
}

TEST(ResultFieldColours, ResultFieldsAreBlackOnWhiteTheRestIsLeftToTheSystem)
{
    // Colours that neither answer would leave on the DC, so a missed setting shows.
    const std::vector<COLORREF> kStart = {RGB(255, 0, 0), RGB(0, 0, 255), TRANSPARENT};
    for (const Direction* dir : {&kOld2New, &kNew2Old}) {
        DialogScript script;
        script.Then([dir, &kStart](HWND dialog) {
            std::vector<std::pair<HWND, bool>> rows = {
                {GetDlgItem(dialog, IDC_ISBN), true}, {GetDlgItem(dialog, IDC_ASIN), true},
                {GetDlgItem(dialog, IDC_INPUT), false}};
            for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
                if (GetDlgCtrlID(child) == 0xFFFF) rows.push_back({child, false});   // the two labels
            }
            EXPECT_EQ(rows.size(), 5u);
            const HDC dc = CreateCompatibleDC(nullptr);
            for (const auto& [control, white] : rows) {
                SCOPED_TRACE(std::string(dir->name) + " control " + std::to_string(GetDlgCtrlID(control)));
                SetTextColor(dc, kStart[0]);
                SetBkColor(dc, kStart[1]);
                SetBkMode(dc, TRANSPARENT);
                const auto wParam = reinterpret_cast<WPARAM>(dc);
                const auto lParam = reinterpret_cast<LPARAM>(control);
                if (white) {
                    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(dialog, WM_CTLCOLORSTATIC, wParam, lParam));
                    LOGBRUSH logBrush = {};
                    EXPECT_EQ(GetObjectA(brush, sizeof logBrush, &logBrush), static_cast<int>(sizeof logBrush));
                    EXPECT_EQ(logBrush.lbStyle, static_cast<UINT>(BS_SOLID));
                    EXPECT_EQ(logBrush.lbColor, RGB(255, 255, 255));
                    EXPECT_EQ(DcColours(dc), (std::vector<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255), OPAQUE}));
                } else {
                    // The dialog procedure itself must decline, leaving the colours to the system.
                    EXPECT_EQ(dir->proc(dialog, WM_CTLCOLORSTATIC, wParam, lParam), FALSE);
                    EXPECT_EQ(DcColours(dc), kStart);
                }
            }
            DeleteDC(dc);
        });
        script.Run(dir->templateName, dir->proc);
    }
}

// Opening and closing a dialog again and again must not pile up brushes, icons
// or hint windows: everything made for one opening is gone once it closes.
TEST(DialogLifetime, ClosingReleasesEverythingMadeForTheOpening)
{
    constexpr int kOpenings = 50;
    const HANDLE self = GetCurrentProcess();
    const DWORD gdiBefore = GetGuiResources(self, GR_GDIOBJECTS);
    const DWORD userBefore = GetGuiResources(self, GR_USEROBJECTS);
    for (const Direction* dir : {&kOld2New, &kNew2Old}) {
        SCOPED_TRACE(dir->name);
        for (int opening = 0; opening < kOpenings && !::testing::Test::HasFailure(); ++opening) {
            SCOPED_TRACE("opening " + std::to_string(opening + 1));
            HBRUSH brush = nullptr;
            std::vector<HWND> tooltips;
            HICON icons[2] = {};
            DialogScript script;
            script.Then([&](HWND dialog) {
                brush = dir->controls->hWhiteBrush;
                EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
                for (const HintSeen& hint : OwnedHints(dialog)) tooltips.push_back(hint.tooltip);
                icons[0] = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
                icons[1] = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
                PressKey(VK_ESCAPE);
            });
            EXPECT_EQ(script.Run(dir->templateName, dir->proc).returned, 0);
            EXPECT_EQ(GetObjectType(brush), 0u) << "the white brush outlived its dialog";
            EXPECT_EQ(tooltips.size(), 8u);
            for (const HWND tooltip : tooltips) EXPECT_FALSE(IsWindow(tooltip)) << "a hint window outlived its dialog";
            for (const HICON icon : icons) {
                ICONINFO info = {};
                ASSERT_NE(icon, nullptr);
                EXPECT_FALSE(GetIconInfo(icon, &info)) << "an icon outlived its dialog";
            }
        }
    }
    // Where the platform counts handles (Wine does not), the counts must not have grown.
    if (gdiBefore != 0) {
        EXPECT_LE(GetGuiResources(self, GR_GDIOBJECTS), gdiBefore + 4);
    }
    if (userBefore != 0) {
        EXPECT_LE(GetGuiResources(self, GR_USEROBJECTS), userBefore + 4);
    }
}

}  // namespace
