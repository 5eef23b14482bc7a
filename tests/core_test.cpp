// The core: both directions on ISBNs whose check characters were worked by hand (X
// and 0 among them), and every refusal in the order of the rules with its text. The
// plain ISBN-13 form goes through isbnconv's tests.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "conversion.h"
#include "messages.h"

namespace {

using Converter = ConversionResult (*)(std::string_view);

// The outcome's text, the ISBN and the ASIN on one line, so that a failure shows all three.
std::string Result(Converter convert, std::string_view input)
{
    const ConversionResult result = convert(input);
    return OutcomeMessage(result.outcome) + std::string(result.isbnText) + " " + result.asinText;
}

// Each ISBN-10 converts to the ISBN-13 beside it and back, the user's hyphens kept
// where they were typed; anything else is refused with the first rule it breaks.
TEST(Conversions, GiveTheOtherFormOrTheFirstRuleBroken)
{
    const struct {
        const char* isbn10;
        const char* isbn13;
        const char* asin;
    } kMirrored[] = {
        // clang-format off
        {"0306406152",    "978-0306406157",    "0306406152"},
        {"0-306-40615-2", "978-0-306-40615-7", "0306406152"},
        {"0306-406-15-2", "978-0306-406-15-7", "0306406152"},
        {"-0306-40615-2", "978--0306-40615-7", "0306406152"},
        {"0--30640615-2", "978-0--30640615-7", "0306406152"},
        {"080442957X",    "978-0804429573",    "080442957X"},
        {"0-8044-2957-X", "978-0-8044-2957-3", "080442957X"},
        {"1000000060",    "978-1000000061",    "1000000060"},
        {"0000000043",    "978-0000000040",    "0000000043"},
        // clang-format on
    };
    for (const auto& row : kMirrored) {
        EXPECT_EQ(Result(ConvertOld2New, row.isbn10), std::string(row.isbn13) + " " + row.asin);
        EXPECT_EQ(Result(ConvertNew2Old, row.isbn13), std::string(row.isbn10) + " " + row.asin);
    }

    // Each input breaks its row's rule before any other, and is refused with that
    // rule's text; the dialog tests read the texts back as Unicode.
    const struct {
        Converter convert;
        const char* message;
        std::vector<std::string_view> inputs;
    } kRefusals[] = {
        {ConvertOld2New, NoInputMessage, {""}},
        {ConvertOld2New, WrongDigitCountMessage, {"030640615", "03064061522", "0-306-40615-", "0-306-40615-22"}},
        {ConvertOld2New,
         InvalidDataMessage,
         {"080442957x", "X306406152", "0-306-4061X-2", "0-30-640-61-5", std::string_view("03064\0006152", 10),
          "9780306406157", "0-306-4061522", "0-306-406152-", "\x82\x4f\x82\x52\x82\x4f\x82\x55\x82\x53"}},
        {ConvertOld2New, BadCheckDigitMessage, {"0306406153", "0-306-40615-3", "030640615X"}},
        {ConvertNew2Old, NoInputMessage, {""}},
        {ConvertNew2Old,
         WrongDigitCountMessage,
         {"978030640615", "978-030640615-7", "978-0-306-406157", "978-0-306-40615-77"}},
        {ConvertNew2Old,
         BadPrefixMessage,
         {"8780306406157", "9880306406157", "977-0-306-40615-7", "abc0306406157", "9790306406156"}},
        {ConvertNew2Old,
         InvalidDataMessage,
         {"978 0306406157", "97803064061570", "97803-06-4061-5-7", "9780-306406157", "978030640615-",
          "978-0-3-06-4061-5", "978-0-8044-2957-X", "978-0-306-4061577", "978-0-306-406157-"}},
        {ConvertNew2Old, BadCheckDigitMessage, {"9780306406158", "978-0-306-40615-8"}},
    };
    for (const auto& row : kRefusals) {
        for (const std::string_view input : row.inputs) {
            EXPECT_EQ(Result(row.convert, input), row.message + std::string(" ")) << input;
        }
    }
}

}   // namespace
