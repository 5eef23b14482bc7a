// Hundreds of openings of the two conversion dialogs, with random user actions in
// between: every box must be one the core accounts for, the result fields must show
// the core's answer or nothing, and nothing made for an opening may outlive it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "check_digits.h"
#include "conversion.h"
#include "conversion_test_support.h"
#include "messages.h"
#include "resource_ids.h"
#include "ui_conversion_test_support.h"
#include "ui_driver.h"

namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kOpeningsPerDialog = 160;
constexpr int kMostActionsPerOpening = 10;
constexpr int kTabOrder[] = {IDC_INPUT, IDC_ISBN, IDC_COPY_ISBN, IDC_ASIN, IDC_COPY_ASIN, IDOK, IDC_CLEAR, IDCANCEL};

enum Action { TypeAscii, TypeJapanese, SelectAllDelete, Execute, CopyIsbn, CopyAsin, Clear, Tab, ShiftTab, Enter, Esc };
const char* const kActionNames[] = {"type ASCII", "type Japanese", "select all + Delete", "execute", "copy ISBN",
                                    "copy ASIN", "clear", "Tab", "Shift+Tab", "Enter", "Esc"};
const int kActionWeights[] = {30, 7, 4, 18, 6, 6, 3, 8, 5, 8, 10};
// Full-width digits and hyphen, kana, kanji (ソ and 表 end in 0x5C) and half-width kana.
const std::wstring kJapanese = L"０１２３４５６７８９－ーあいうアイウソ表能予本書番号ｱｲｳ";
const std::string kNoise = "0123456789--XxabzAZ .,;:/#()*+?!";

struct Figures {
    std::map<std::string, int> openings, actions, enterPressed, boxes, successes;
};

bool IsOld2New(const Direction& dir) { return &dir == &kOld2New; }

ConversionResult Convert(const Direction& dir, std::string_view input)
{
    return IsOld2New(dir) ? ConvertOld2New(input) : ConvertNew2Old(input);
}

// The kind of a box the core accounts for, judged by the input it was shown over; "" for any other.
std::string BoxKind(const Direction& dir, const BoxSeen& box)
{
    const char* const kRefusals[] = {"", "error: no input", "error: digit count", "error: invalid data",
                                     "error: check digit", "error: prefix"};   // in the order of ConversionOutcome
    const ConversionOutcome outcome = Convert(dir, box.input).outcome;
    if (outcome == ConversionOutcome::Converted) {
        const bool notice = IsOld2New(dir) && box.caption == NoticeCaption && !box.anyIcon && box.text == PrefixNotice;
        return notice ? "notice: prefix" : "";
    }
    const bool refusal = box.caption == ErrorCaption && box.errorIcon && box.text == OutcomeMessage(outcome);
    return refusal ? kRefusals[static_cast<int>(outcome)] : "";
}

std::string Describe(const BoxSeen& box)
{
    return "box \"" + Printable(box.caption) + "\" \"" + Printable(box.text) + "\" error icon " +
           std::to_string(box.errorIcon) + " over input \"" + Printable(box.input) + "\"";
}

std::size_t Pick(std::mt19937& rng, std::size_t below)
{
    return std::uniform_int_distribution<std::size_t>(0, below - 1)(rng);
}

template <class Text>
auto OneOf(std::mt19937& rng, const Text& pool) { return pool[Pick(rng, pool.size())]; }

// A valid ISBN in a form the direction's dialog accepts.
std::string ValidIsbn(const Direction& dir, std::mt19937& rng)
{
    const auto hyphenate = [&rng](std::string text) {   // three hyphens, never first or last
        for (int i = 0; i < 3; ++i) text.insert(1 + Pick(rng, text.size() - 1), "-");
        return text;
    };
    std::string digits = IsOld2New(dir) ? "" : "978";
    while (digits.size() < (IsOld2New(dir) ? 10u : 13u)) digits += OneOf(rng, std::string("0123456789"));
    if (IsOld2New(dir)) {
        const int check = Isbn10CheckDigit(digits);
        digits.back() = check == 10 ? 'X' : static_cast<char>('0' + check);
        return Pick(rng, 2) == 0 ? digits : hyphenate(digits);
    }
    digits.back() = static_cast<char>('0' + Isbn13CheckDigit(digits));
    const std::size_t form = Pick(rng, 3);
    return form == 0 ? digits : "978-" + (form == 1 ? digits.substr(3) : hyphenate(digits.substr(3)));
}

// Mostly ISBN-like, so that successes are frequent and every refusal comes up.
std::string RandomAscii(const Direction& dir, std::mt19937& rng)
{
    const std::size_t kind = Pick(rng, 100);
    if (kind >= 78) {
        std::string noise(Pick(rng, 21), ' ');
        for (char& c : noise) c = OneOf(rng, kNoise);
        return noise;
    }
    std::string isbn = ValidIsbn(kind < 8 ? (IsOld2New(dir) ? kNew2Old : kOld2New) : dir, rng);
    if (kind >= 70) {
        isbn[Pick(rng, isbn.size())] = OneOf(rng, kNoise);
    } else if (kind >= 62) {   // another check character
        isbn.back() = isbn.back() == '9' || isbn.back() == 'X' ? '0' : static_cast<char>(isbn.back() + 1);
    }
    return isbn;
}

// The button Enter presses: the focused one if it is the default, else the dialog's default.
int EnterTarget(HWND dialog)
{
    const HWND focus = GetFocus();
    if ((SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0) return GetDlgCtrlID(focus);
    const LRESULT id = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(id) == DC_HASDEFID ? LOWORD(id) : IDOK;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM found)
{
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// One opening. Each tick first checks what the last sub-step did (its keys and
// messages have been handled by then), then does the next.
class Opening {
public:
    Opening(const Direction& dir, std::mt19937& rng, Figures& figures) : dir_(dir), rng_(rng), figures_(figures) {}

    void Run()
    {
        script_.Until([this](HWND dialog) { return Step(dialog); });
        const INT_PTR returned = script_.Run(dir_.templateName, dir_.proc).returned;
        EXPECT_EQ(returned, 0) << "the closing key did not close the dialog";
        for (const BoxSeen& box : script_.TakeBoxes()) ADD_FAILURE() << "unexpected " << Describe(box);
        EXPECT_EQ(GetObjectType(brush_), 0u) << "the white brush outlived the opening";
        for (const HWND tooltip : tooltips_) EXPECT_FALSE(IsWindow(tooltip)) << "a hint window outlived the opening";
        for (const HICON icon : icons_) {
            ICONINFO info = {};
            EXPECT_FALSE(GetIconInfo(icon, &info)) << "an icon outlived the opening";
        }
    }

private:
    // True once the key that closes the dialog is on its way.
    bool Step(HWND dialog)
    {
        {
            SCOPED_TRACE("after action " + std::to_string(actionsDone_) + ": " + trace_);
            if (actionsDone_ == 0 && pending_.empty()) Capture(dialog);
            if (check_) std::exchange(check_, nullptr)(dialog);
            for (const BoxSeen& box : script_.TakeBoxes()) ADD_FAILURE() << "unexpected " << Describe(box);
            // As modelled: both empty, or both the core's answer for the input at the last execute.
            EXPECT_EQ(ItemText(dialog, IDC_ISBN), isbn_) << "the ISBN field";
            EXPECT_EQ(ItemText(dialog, IDC_ASIN), asin_) << "the ASIN field";
        }
        if (::testing::Test::HasFailure()) {   // one failure is enough: close, and the soak stops
            PressKey(VK_ESCAPE);
            return true;
        }
        if (pending_.empty()) Choose();
        SCOPED_TRACE("doing action " + std::to_string(actionsDone_) + ": " + trace_);
        const auto next = pending_.front();
        pending_.erase(pending_.begin());
        return next(dialog);
    }

    void Capture(HWND dialog)
    {
        EXPECT_EQ(FocusedId(), IDC_INPUT);
        EXPECT_EQ(ItemText(dialog, IDC_INPUT), "") << "a new opening shows something of the last";
        const DialogControls& c = *dir_.controls;
        brush_ = c.hWhiteBrush;
        EXPECT_EQ(GetObjectType(brush_), static_cast<DWORD>(OBJ_BRUSH));
        tooltips_ = {c.hTipInput, c.hTipIsbn, c.hTipCopyIsbn, c.hTipAsin,
                     c.hTipCopyAsin, c.hTipOk, c.hTipClear, c.hTipCancel};
        for (const HWND tooltip : tooltips_) EXPECT_TRUE(IsWindow(tooltip));
        EXPECT_EQ(OwnedHints(dialog).size(), 8u);
        icons_[0] = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        icons_[1] = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        for (const HICON icon : icons_) EXPECT_NE(icon, nullptr);
    }

    void Choose()
    {
        std::discrete_distribution<int> weighted(std::begin(kActionWeights), std::end(kActionWeights));
        const auto action = static_cast<Action>(++actionsDone_ > kMostActionsPerOpening ? Esc : weighted(rng_));
        const bool focusInputFirst = Pick(rng_, 4) != 0;
        const bool byKey = Pick(rng_, 2) == 0;
        ++figures_.actions[kActionNames[action]];
        trace_ = kActionNames[action];
        const auto then = [this](std::function<void(HWND)> subStep) {
            pending_.push_back([subStep](HWND dialog) { subStep(dialog); return false; });
        };
        switch (action) {
        case TypeAscii:
        case TypeJapanese: {
            const std::string ascii = action == TypeAscii ? RandomAscii(dir_, rng_) : "";
            std::wstring text(ascii.begin(), ascii.end());
            if (action == TypeJapanese) {
                text.resize(1 + Pick(rng_, 10));
                for (wchar_t& c : text) c = OneOf(rng_, kJapanese);
            }
            trace_ += action == TypeAscii ? " \"" + ascii + "\"" : " of " + std::to_string(text.size()) + " characters";
            if (focusInputFirst) then([](HWND dialog) { FocusItem(dialog, IDC_INPUT); });
            then([this, ascii, text, action, focusInputFirst](HWND dialog) {
                const bool inInput = FocusedId() == IDC_INPUT;
                const bool overAll = inInput && focusInputFirst && !text.empty();   // moving the focus selected all
                const std::string before = ItemText(dialog, IDC_INPUT);
                TypeText(text);
                check_ = [this, ascii, action, inInput, overAll, before](HWND d) {
                    const std::string now = ItemText(d, IDC_INPUT);
                    if (!inInput) {
                        EXPECT_EQ(now, before) << "typed outside the input";
                    } else if (overAll && action == TypeAscii) {
                        EXPECT_EQ(now, ascii.substr(0, static_cast<std::size_t>(dir_.inputLimit)));
                    } else if (overAll) {
                        // Wine's ANSI edit takes the two bytes of a double-byte character one at a
                        // time and keeps "・" and the trail byte: only some non-ASCII byte is certain.
                        const bool nonAscii = std::any_of(now.begin(), now.end(), [](char c) { return c < 0; });
                        EXPECT_TRUE(nonAscii) << Printable(now);
                    }
                };
            });
            break;
        }
        case SelectAllDelete:
            if (FocusedId() != IDC_INPUT) then([](HWND dialog) { FocusItem(dialog, IDC_INPUT); });
            then([this](HWND dialog) {
                SendDlgItemMessageA(dialog, IDC_INPUT, EM_SETSEL, 0, -1);
                PressKey(VK_DELETE);
                check_ = [](HWND d) { EXPECT_EQ(ItemText(d, IDC_INPUT), ""); };
            });
            break;
        case Execute:
        case CopyIsbn:
        case CopyAsin:
        case Clear: {
            const int button = action == Execute ? IDOK : action == CopyIsbn ? IDC_COPY_ISBN
                             : action == CopyAsin ? IDC_COPY_ASIN : IDC_CLEAR;
            // Enter executes only where the dialog's default answers it; the rest is clicked.
            then([this, button, byKey](HWND dialog) {
                Press(dialog, button, byKey && EnterTarget(dialog) == button);
            });
            break;
        }
        case Tab:
        case ShiftTab:
            then([this, action](HWND) {
                const int* at = std::find(std::begin(kTabOrder), std::end(kTabOrder), FocusedId());
                ASSERT_NE(at, std::end(kTabOrder)) << "focus on control " << FocusedId();
                const int next = kTabOrder[(at - std::begin(kTabOrder) + (action == Tab ? 1 : 7)) % 8];
                PressKey(VK_TAB, action == Tab ? 0 : VK_SHIFT);
                check_ = [next](HWND) { EXPECT_EQ(FocusedId(), next) << "where the Tab key led"; };
            });
            break;
        case Enter:
            pending_.push_back([this](HWND dialog) {
                const int target = EnterTarget(dialog);
                ++figures_.enterPressed[target == IDOK ? "execute" : target == IDC_CLEAR ? "clear"
                                       : target == IDCANCEL ? "close" : "copy"];
                Press(dialog, target, true);
                return target == IDCANCEL;
            });
            break;
        case Esc:
            pending_.push_back([](HWND) { PressKey(VK_ESCAPE); return true; });
            break;
        }
    }

    // Presses a button by Enter (when it is the one Enter presses) or by a click, and
    // leaves what the next tick must find.
    void Press(HWND dialog, int button, bool byKey)
    {
        const std::string input = ItemText(dialog, IDC_INPUT);
        const int focusBefore = FocusedId();
        const bool copy = button == IDC_COPY_ISBN || button == IDC_COPY_ASIN;
        const std::string sentinel = "soak sentinel " + std::to_string(++sentinels_);
        if (copy) SetClipboardText(sentinel);
        if (byKey) {
            PressKey(VK_RETURN);
        } else {
            PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
        }
        if (button == IDC_CLEAR) {
            isbn_.clear();
            asin_.clear();
            check_ = [](HWND d) {
                EXPECT_EQ(ItemText(d, IDC_INPUT), "") << "after clear";
                EXPECT_EQ(FocusedId(), IDC_INPUT) << "after clear";
            };
        } else if (copy) {
            const std::string field = button == IDC_COPY_ISBN ? isbn_ : asin_;
            check_ = [button, field, sentinel](HWND) {
                // Copying an empty field copies nothing and leaves the clipboard alone.
                EXPECT_EQ(ClipboardText(), field.empty() ? sentinel : field) << "after copy " << button;
                EXPECT_EQ(FocusedId(), button) << "after copy";
            };
        } else if (button == IDOK) {
            trace_ += " over \"" + Printable(input) + "\"";
            const ConversionResult result = Convert(dir_, input);
            const bool converted = result.outcome == ConversionOutcome::Converted;
            figures_.successes[dir_.name] += converted;
            isbn_ = result.isbnText;
            asin_ = result.asinText;
            check_ = [this, input, converted, byKey, focusBefore](HWND) {
                const std::vector<BoxSeen> boxes = script_.TakeBoxes();
                ASSERT_EQ(boxes.size(), !converted || dir_.noticeAfterSuccess ? 1u : 0u) << "boxes after execute";
                for (const BoxSeen& box : boxes) {
                    const std::string kind = BoxKind(dir_, box);
                    EXPECT_NE(kind, "") << "unexpected " << Describe(box);
                    ++figures_.boxes[kind];
                    EXPECT_EQ(box.input, input) << "the input changed under the box";
                    // A refusal empties the results before its box; a success fills them before the notice.
                    EXPECT_EQ(box.isbn, isbn_);
                    EXPECT_EQ(box.asin, asin_);
                }
                EXPECT_EQ(FocusedId(), converted ? IDC_INPUT : byKey ? focusBefore : IDOK) << "focus after execute";
            };
        }
    }

    const Direction& dir_;
    std::mt19937& rng_;
    Figures& figures_;
    DialogScript script_;
    std::vector<std::function<bool(HWND)>> pending_;   // the rest of the current action
    std::function<void(HWND)> check_;                  // what the last sub-step must have done
    std::string isbn_, asin_;                          // what the result fields must show
    std::string trace_ = "opening";
    int actionsDone_ = 0;
    int sentinels_ = 0;
    HBRUSH brush_ = nullptr;
    std::vector<HWND> tooltips_;
    HICON icons_[2] = {};
};

int Print(const char* title, const std::map<std::string, int>& counts)
{
    int total = 0;
    for (const auto& entry : counts) total += entry.second;
    std::printf("%s: %d\n", title, total);
    for (const auto& [name, count] : counts) std::printf("  %-22s %6d\n", name.c_str(), count);
    return total;
}

TEST(Soak, RandomActionsOverHundredsOfOpenings)
{
    std::printf("seed %u\n", kSeed);
    std::fflush(stdout);
    std::mt19937 rng(kSeed);
    Figures figures;
    // Only this thread makes windows; none of the dialogs' may stay.
    std::vector<HWND> windowsBefore;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windowsBefore));
    const auto start = std::chrono::steady_clock::now();
    for (int number = 0; number < 2 * kOpeningsPerDialog && !HasFailure(); ++number) {
        const Direction& dir = number % 2 == 0 ? kOld2New : kNew2Old;
        SCOPED_TRACE(std::string(dir.name) + " opening " + std::to_string(number / 2 + 1));
        ++figures.openings[dir.name];
        Opening(dir, rng, figures).Run();
        std::vector<HWND> windows;
        EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
        EXPECT_EQ(windows.size(), windowsBefore.size()) << "top-level windows left behind";
        for (const HWND window : windows) {
            EXPECT_FALSE(IsWindowVisible(window)) << NarrowCaption(window) << " left visible";
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    Print("openings", figures.openings);
    const int actions = Print("actions", figures.actions);
    Print("what Enter pressed", figures.enterPressed);
    Print("boxes", figures.boxes);
    Print("successful conversions", figures.successes);
    std::printf("elapsed: %.1f s\n", seconds);
    EXPECT_GE(actions, 1000);
}

}  // namespace
