// The two conversion dialogs, driven with real keys inside their own modal loops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion_test_support.h"
#include "messages.h"
#include "resource_ids.h"
#include "ui_conversion_test_support.h"
#include "ui_driver.h"

namespace {

constexpr int kFieldIds[] = {IDC_INPUT, IDC_ISBN, IDC_ASIN};
const std::string kSentinel = "clipboard sentinel";

// Leaves the sample's results in the fields, so that a later step has something to clear.
void ConvertSample(const Direction& dir, HWND dialog)
{
    SetDlgItemTextA(dialog, IDC_INPUT, dir.sample);
    FocusItem(dialog, IDC_INPUT);
    PressKey(VK_RETURN);
}

void ExpectBox(const BoxSeen& box, const char* caption, const char* text, bool errorIcon)
{
    EXPECT_EQ(Printable(box.caption), Printable(caption));
    EXPECT_EQ(Printable(box.text), Printable(text));
    EXPECT_EQ(box.errorIcon, errorIcon);
    EXPECT_EQ(box.anyIcon, errorIcon);
}

#define IN_BOTH_DIRECTIONS(Behaviour)                                         \
    TEST(ConversionDialogOld2New, Behaviour) { Behaviour(kOld2New); }         \
    TEST(ConversionDialogNew2Old, Behaviour) { Behaviour(kNew2Old); }

// Also: a reopened dialog shows nothing of the last one.
void OpensEmptyTypingStopsAtTheLimitAndEscCloses(const Direction& dir)
{
    const std::string typed = "01234567890123456789";
    const auto expectEmpty = [](HWND dialog) {
        EXPECT_EQ(FocusedId(), IDC_INPUT);
        for (const int id : kFieldIds) EXPECT_EQ(ItemText(dialog, id), "") << "control " << id;
    };
    DialogScript first;
    first
        .Then([&](HWND dialog) {
            EXPECT_EQ(Caption(dialog), dir.caption);
            EXPECT_EQ(Printable(NarrowCaption(dialog)), Printable(dir.narrowCaption));
            expectEmpty(dialog);
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_INPUT, EM_GETLIMITTEXT, 0, 0), dir.inputLimit);
            TypeText(typed);
        })
        .Then([&](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_INPUT), typed.substr(0, static_cast<std::size_t>(dir.inputLimit)));
            ConvertSample(dir, dialog);
        })
        .Then([](HWND) { PressKey(VK_ESCAPE); });
    EXPECT_EQ(first.Run(dir.templateName, dir.proc).returned, 0);

    DialogScript second;
    second.Then(expectEmpty);
    second.Run(dir.templateName, dir.proc);
}
IN_BOTH_DIRECTIONS(OpensEmptyTypingStopsAtTheLimitAndEscCloses)

// How the input reaches the dialog and how execute is asked for.
enum class How { TypedThenEnter, TypedThenButton, SetThenEnter };

struct ExecuteRow {
    How how;
    std::string input;
    const char* refusal;   // null when the input converts
    const char* isbn = "";
    const char* asin = "";
};

// Every row starts from the sample's results on screen, so a refusal shows whether
// they were gone before its box appeared.
void Executes(const Direction& dir, std::vector<ExecuteRow> rows)
{
    // Typing stops at the limit but a text set from outside does not: whatever its
    // length, it is too long, never cut down to something that converts.
    for (const std::string& overlong : {std::string(dir.sample) + std::string(100, ' '),
                                        std::string(dir.sample) + dir.sample + dir.sample,
                                        "0306406152" + std::string(100, ' '), std::string(40, '7')}) {
        rows.push_back({How::SetThenEnter, overlong, WrongDigitCountMessage});
    }
    DialogScript script;
    for (const ExecuteRow& row : rows) {
        const std::string trace = "input \"" + row.input + "\" " + std::to_string(static_cast<int>(row.how));
        script.Then([&dir](HWND dialog) { ConvertSample(dir, dialog); })
            .Then([&script, &dir, &row, trace](HWND dialog) {
                SCOPED_TRACE(trace);
                script.TakeBoxes();
                EXPECT_EQ(ItemText(dialog, IDC_ISBN), dir.sampleIsbn);
                SetDlgItemTextA(dialog, IDC_INPUT, row.how == How::SetThenEnter ? row.input.c_str() : "");
                if (row.how != How::SetThenEnter) TypeText(row.input);
            })
            .Then([&row](HWND dialog) {
                // A step of its own: the typed keys must reach the input before the focus moves.
                if (row.how == How::TypedThenButton) FocusItem(dialog, IDOK);
                PressKey(row.how == How::TypedThenButton ? VK_SPACE : VK_RETURN);
            })
            .Then([&script, &dir, &row, trace](HWND dialog) {
                SCOPED_TRACE(trace);
                const bool converted = row.refusal == nullptr;
                const std::vector<BoxSeen> boxes = script.TakeBoxes();
                EXPECT_EQ(ItemText(dialog, IDC_INPUT), row.input);
                EXPECT_EQ(ItemText(dialog, IDC_ISBN), row.isbn);
                EXPECT_EQ(ItemText(dialog, IDC_ASIN), row.asin);
                // A success hands the focus to the input; a refusal leaves it where it was.
                EXPECT_EQ(FocusedId(), !converted && row.how == How::TypedThenButton ? IDOK : IDC_INPUT);
                if (converted && !dir.noticeAfterSuccess) {
                    EXPECT_TRUE(boxes.empty());
                    return;
                }
                ASSERT_EQ(boxes.size(), 1u);
                if (converted) {
                    ExpectBox(boxes[0], NoticeCaption, PrefixNotice, false);
                } else {
                    ExpectBox(boxes[0], ErrorCaption, row.refusal, true);
                }
                // The fields as they were while the box was up.
                EXPECT_EQ(boxes[0].input, row.input);
                EXPECT_EQ(boxes[0].isbn, row.isbn);
                EXPECT_EQ(boxes[0].asin, row.asin);
            });
    }
    EXPECT_TRUE(script.Run(dir.templateName, dir.proc).boxes.empty());
}

TEST(ConversionDialogOld2New, ConvertsOrRefuses)
{
    Executes(kOld2New, {
        {How::TypedThenEnter, "080442957X", nullptr, "978-0804429573", "080442957X"},
        {How::TypedThenButton, "4-10-109205-2", nullptr, "978-4-10-109205-8", "4101092052"},
        {How::TypedThenEnter, "", NoInputMessage},
        {How::TypedThenButton, "", NoInputMessage},
        {How::TypedThenEnter, "030640615", WrongDigitCountMessage},
        {How::TypedThenEnter, "080442957x", InvalidDataMessage},
        {How::TypedThenButton, "0306406153", BadCheckDigitMessage},
    });
}

TEST(ConversionDialogNew2Old, ConvertsOrRefuses)
{
    Executes(kNew2Old, {
        {How::TypedThenEnter, "9780306406157", nullptr, "0306406152", "0306406152"},
        {How::TypedThenButton, "978-4-10-109205-8", nullptr, "4-10-109205-2", "4101092052"},
        {How::TypedThenEnter, "", NoInputMessage},
        {How::TypedThenButton, "", NoInputMessage},
        {How::TypedThenEnter, "978030640615", WrongDigitCountMessage},
        {How::TypedThenEnter, "977-0-306-40615-7", BadPrefixMessage},
        {How::TypedThenEnter, "978-0-8044-2957-X", InvalidDataMessage},
        {How::TypedThenButton, "9780306406158", BadCheckDigitMessage},
    });
}

void TabVisitsTheControlsInOrder(const Direction& dir)
{
    constexpr int kOrder[] = {IDC_ISBN, IDC_COPY_ISBN, IDC_ASIN, IDC_COPY_ASIN, IDOK, IDC_CLEAR, IDCANCEL, IDC_INPUT};
    DialogScript script;
    script.Then([](HWND) { PressKey(VK_TAB); });
    for (const int id : kOrder) {
        script.Then([id](HWND) {
            SCOPED_TRACE("expecting control " + std::to_string(id));
            EXPECT_EQ(FocusedId(), id);
            PressKey(VK_TAB, id == IDC_INPUT ? VK_SHIFT : 0);
        });
    }
    script.Then([](HWND) { EXPECT_EQ(FocusedId(), IDCANCEL) << "Shift+Tab from the input"; });
    script.Run(dir.templateName, dir.proc);
}
IN_BOTH_DIRECTIONS(TabVisitsTheControlsInOrder)

// Copying leaves the focus on the button pressed; clearing moves it to the input
// and leaves the clipboard alone.
void CopyAndClear(const Direction& dir)
{
    struct Row {
        int button;
        int field;
        const char* text;
    };
    const Row rows[] = {{IDC_COPY_ISBN, IDC_ISBN, dir.sampleIsbn}, {IDC_COPY_ASIN, IDC_ASIN, dir.sampleAsin}};
    const auto press = [](int button) {
        return [button](HWND dialog) {
            SetClipboardText(kSentinel);
            FocusItem(dialog, button);
            PressKey(VK_SPACE);
        };
    };
    DialogScript script;
    script.Then([&dir](HWND dialog) { ConvertSample(dir, dialog); });
    for (const Row& row : rows) {
        script.Then(press(row.button)).Then([row](HWND dialog) {
            SCOPED_TRACE("button " + std::to_string(row.button));
            EXPECT_EQ(ClipboardText(), row.text);
            EXPECT_EQ(ItemText(dialog, row.field), row.text);
            EXPECT_EQ(FocusedId(), row.button);
        });
    }
    script.Then(press(IDC_CLEAR)).Then([](HWND dialog) {
        for (const int id : kFieldIds) EXPECT_EQ(ItemText(dialog, id), "") << "control " << id;
        EXPECT_EQ(FocusedId(), IDC_INPUT);
        EXPECT_EQ(ClipboardText(), kSentinel);
    });
    EXPECT_EQ(script.Run(dir.templateName, dir.proc).boxes.size(), dir.noticeAfterSuccess ? 1u : 0u);
}
IN_BOTH_DIRECTIONS(CopyAndClear)

}  // namespace
