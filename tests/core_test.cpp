// The core: every accepted form of both directions, every refusal in the order of
// the rules, the check characters, and every text the user can be shown.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "check_digits.h"
#include "conversion.h"
#include "messages.h"

#ifndef _WIN32
#include <iconv.h>
#endif

// What the conversion tables below cannot show: the check position is never read,
// only the upper-case X counts 10, and a remainder of 0 gives 0.
static_assert(Isbn10CheckDigit("030640615X") == 2 && Isbn13CheckDigit("978030640615X") == 7);
static_assert(VerifyIsbn10("080442957X") && !VerifyIsbn10("080442957x") && !VerifyIsbn13("9780804429574"));
static_assert(Isbn10CheckDigit("1000000060") == 0 && Isbn13CheckDigit("9780000000040") == 0);
static_assert(ErrorBoxType == 0x10 && NoticeBoxType == 0);

namespace {

using enum ConversionOutcome;

// The outcome, ISBN and ASIN as one line, so that a failure shows all three.
std::string Result(ConversionResult (*convert)(std::string_view), std::string_view input)
{
    const ConversionResult result = convert(input);
    return OutcomeMessage(result.outcome) + std::string(result.isbnText) + " " + result.asinText;
}

TEST(Conversions, GiveTheOtherFormOrTheFirstRuleBroken)
{
    // Each ISBN-10 converts to the ISBN-13 beside it, and back.
    const char* const kMirrored[][3] = {
        {"0306406152", "978-0306406157", "0306406152"}, {"0-306-40615-2", "978-0-306-40615-7", "0306406152"},
        {"0306-406-15-2", "978-0306-406-15-7", "0306406152"}, {"-0306-40615-2", "978--0306-40615-7", "0306406152"},
        {"0--30640615-2", "978-0--30640615-7", "0306406152"}, {"080442957X", "978-0804429573", "080442957X"},
        {"0-8044-2957-X", "978-0-8044-2957-3", "080442957X"}, {"1000000060", "978-1000000061", "1000000060"},
        {"0000000043", "978-0000000040", "0000000043"},
    };
    for (const auto& [isbn10, isbn13, asin] : kMirrored) {
        EXPECT_EQ(Result(ConvertOld2New, isbn10), std::string(isbn13) + " " + asin);
        EXPECT_EQ(Result(ConvertNew2Old, isbn13), std::string(isbn10) + " " + asin);
    }
    for (const auto& [plain13, isbn10] : {std::pair{"9780306406157", "0306406152"}, {"9780804429573", "080442957X"}}) {
        EXPECT_EQ(Result(ConvertNew2Old, plain13), std::string(isbn10) + " " + isbn10);
    }
    // Each input breaks the rule of its outcome before any other.
    const struct { ConversionResult (*convert)(std::string_view); ConversionOutcome outcome; std::vector<std::string_view> inputs; } kRefusals[] = {
        {ConvertOld2New, NoInput, {""}},
        {ConvertOld2New, WrongDigitCount, {"030640615", "03064061522", "0-306-40615-", "0-306-40615-22"}},
        {ConvertOld2New, InvalidData, {"080442957x", "X306406152", "0-306-4061X-2", "0-30-640-61-5", "\x82\x4f\x82\x52\x82\x4f\x82\x55\x82\x53"}},
        {ConvertOld2New, InvalidData, {std::string_view("03064\0" "6152", 10), "9780306406157", "0-306-4061522", "0-306-406152-"}},
        {ConvertOld2New, BadCheckDigit, {"0306406153", "0-306-40615-3", "030640615X"}},
        {ConvertNew2Old, NoInput, {""}},
        {ConvertNew2Old, WrongDigitCount, {"978030640615", "978-030640615-7", "978-0-306-406157", "978-0-306-40615-77"}},
        {ConvertNew2Old, BadPrefix, {"8780306406157", "9880306406157", "977-0-306-40615-7", "abc0306406157", "9790306406156"}},
        {ConvertNew2Old, InvalidData, {"978 0306406157", "97803064061570", "97803-06-4061-5-7", "9780-306406157", "978030640615-"}},
        {ConvertNew2Old, InvalidData, {"978-0-3-06-4061-5", "978-0-8044-2957-X", "978-0-306-4061577", "978-0-306-406157-"}},
        {ConvertNew2Old, BadCheckDigit, {"9780306406158", "978-0-306-40615-8"}},
    };
    for (const auto& [convert, outcome, inputs] : kRefusals) {
        for (const std::string_view input : inputs) EXPECT_EQ(Result(convert, input), OutcomeMessage(outcome) + std::string(" ")) << input;
    }
}

#ifndef _WIN32
// The platform's own encoder is the reference for every Shift-JIS byte of the boxes;
// the dialog tests read the hints back as Unicode.
TEST(Texts, AreTheCodePage932BytesOfTheirJapanese)
{
    const std::pair<const char*, std::string> kTexts[] = {
        {OutcomeMessage(NoInput), "WARNING:\nデータが入力されていません."},
        {OutcomeMessage(WrongDigitCount), "WARNING:\n入力されたデータの桁数が誤っています."},
        {OutcomeMessage(InvalidData), "WARNING:\n入力されたデータは誤っています."},
        {OutcomeMessage(BadCheckDigit), "WARNING:\n末尾1桁が誤っています."},
        {OutcomeMessage(BadPrefix), "WARNING:\n先頭3桁が誤っています."},
        {PrefixNotice, "先頭の3桁は誤っている可能性があります."},
        {UnexpectedErrorMessage, "ERROR:\n予期せぬエラーが発生しました."},
        {ErrorCaption, "エラーメッセージ"},
        {NoticeCaption, "メッセージ"},
    };
    const iconv_t toCodePage932 = iconv_open("CP932", "UTF-8");
    for (auto [bytes, text] : kTexts) {
        char encoded[128] = {}, *in = text.data(), *out = encoded;
        std::size_t inLeft = text.size(), outLeft = sizeof encoded;
        iconv(toCodePage932, &in, &inLeft, &out, &outLeft);
        EXPECT_EQ(bytes, std::string(encoded, out)) << text;
    }
    iconv_close(toCodePage932);
}
#endif

}  // namespace
