#include <string>

#include "conversion_test_support.h"

namespace {

using O = ConversionOutcome;
using namespace std::string_view_literals;

TEST(New2OldAcceptedForms, KeepsTheUsersHyphens)
{
    const ConversionRow kRows[] = {
        {"9780306406157", O::Converted, "0306406152", "0306406152"},
        {"978-0306406157", O::Converted, "0306406152", "0306406152"},
        {"978-0-306-40615-7", O::Converted, "0-306-40615-2", "0306406152"},
        {"978-03-06-40-6157", O::Converted, "03-06-40-6152", "0306406152"},
        {"9780804429573", O::Converted, "080442957X", "080442957X"},
        {"978-0-8044-2957-3", O::Converted, "0-8044-2957-X", "080442957X"},
        {"9780000000040", O::Converted, "0000000043", "0000000043"},
        {"978-4-10-109205-8", O::Converted, "4-10-109205-2", "4101092052"},
        {"978----0306406157", O::Converted, "---0306406152", "0306406152"},
        {"978-030640615---7", O::Converted, "030640615---2", "0306406152"},
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertNew2Old, row);
}

// Each row breaks several rules; the outcome names the first in the order empty,
// length, prefix, fourth character, other characters, hyphen count, check digit.
TEST(New2OldRefusalOrder, FirstRuleBrokenWins)
{
    const ConversionRow kRows[] = {
        {"", O::NoInput},
        {"978-0-306-406157", O::WrongDigitCount},           // 16 characters
        {"978030640615", O::WrongDigitCount},
        {"978-0-306-40615-77", O::WrongDigitCount},
        {"0306406152", O::WrongDigitCount},                 // an ISBN-10 typed into the wrong dialog
        {"977-0-306-40615-7", O::BadPrefix},
        {"abc0306406157", O::BadPrefix},                   // prefix before the characters
        {"97x-0-306-40615-X", O::BadPrefix},
        {"-978030640615", O::BadPrefix},
        {"978 0306406157", O::InvalidData},                 // space in the fourth place
        {"9780-306406157", O::InvalidData},                 // hyphen in the fifth place
        {"97803064061570", O::InvalidData},                 // 14 characters, no hyphen
        {"978030640615-", O::InvalidData},                  // hyphen in the plain form
        {"978-0-3-06-4061-5", O::InvalidData},              // fifth hyphen
        {"978-0-8044-2957-X", O::InvalidData},              // an ISBN-13 has no X
        {"978-0-8044-2957-x", O::InvalidData},
        {"978-03064-0615 7", O::WrongDigitCount},
        {"978-0-306-4O615-8", O::InvalidData},              // letter O before the wrong check digit
        {"978\0""0306406157"sv, O::InvalidData},
        {"9780306406158", O::BadCheckDigit},
        {"978-0-306-40615-8", O::BadCheckDigit},
        {"978-0306406158", O::BadCheckDigit},
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertNew2Old, row);
}

// A 979 number has no ISBN-10: dropping its prefix would name another book.
TEST(New2OldMendedPrefix, Only978Converts)
{
    const ConversionRow kRows[] = {
        {"9790306406156", O::BadPrefix},
        {"979-0306406156", O::BadPrefix},
        {"979-0-306-40615-6", O::BadPrefix},
        {"979-0-306-40615-X", O::BadPrefix},                // prefix before characters, as for 977
        {"979030640615", O::WrongDigitCount},              // length still comes first
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertNew2Old, row);
}

// A 17-character input needs all four hyphens, and its last character must be the
// check digit: otherwise the digit string is too long, or the formatted ISBN-10
// would silently lose a digit.
TEST(New2OldMendedHyphenRules, IncompleteHyphenationIsInvalidData)
{
    const ConversionRow kRows[] = {
        {"978-0-306406157-7", O::InvalidData},              // three hyphens, 14 digits
        {"978-030640615777", O::WrongDigitCount},
        {"978-0306406157777", O::InvalidData},              // one hyphen
        {"978-0-30640615777", O::InvalidData},
        {"978-0-306-4061577", O::InvalidData},
        {"978-0-306-406157-", O::InvalidData},              // trailing hyphen, 13 digits
        {"978-0306406157---", O::InvalidData},
        {"978-0-306-406158-", O::InvalidData},              // hyphen rule before check digit
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertNew2Old, row);
}

TEST(New2OldByteLengths, DoubleByteCharactersCountTwice)
{
    const std::string fullWidthDigit = "\x82\x4f";
    ExpectConversion(ConvertNew2Old, {"978" + fullWidthDigit + "30640615" /* 13 bytes */, O::InvalidData});
    ExpectConversion(ConvertNew2Old, {"978-" + fullWidthDigit + "-306-40615" /* 16 */, O::WrongDigitCount});
    ExpectConversion(ConvertNew2Old, {"978-" + fullWidthDigit + "-306-40615-" /* 17 */, O::InvalidData});
    ExpectConversion(ConvertNew2Old, {fullWidthDigit + "80306406157" /* 13 */, O::BadPrefix});
}

TEST(New2OldSweeps, EveryLengthFromEmptyToOnePastTheLongest)
{
    const std::string text = "978-0-306-40615-7-9";
    for (std::size_t length = 0; length <= 18; ++length) {
        const ConversionResult result = ConvertNew2Old(std::string_view(text).substr(0, length));
        SCOPED_TRACE(length);
        ExpectWellFormed(result);
        if (length == 0) EXPECT_EQ(result.outcome, O::NoInput);
        else if (length == 17) EXPECT_EQ(result.outcome, O::Converted);
        else if (length == 13 || length == 14) EXPECT_EQ(result.outcome, O::InvalidData);
        else EXPECT_EQ(result.outcome, O::WrongDigitCount);
    }
}

TEST(New2OldSweeps, EveryByteAtEveryPosition)
{
    for (const std::string_view valid : {"9780306406157"sv, "978-0306406157"sv, "978-0-306-40615-7"sv}) {
        for (std::size_t position = 0; position < valid.size(); ++position) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string input(valid);
                input[position] = static_cast<char>(byte);
                const ConversionResult result = ConvertNew2Old(input);
                SCOPED_TRACE(Printable(input));
                ExpectWellFormed(result);
                const bool digit = byte >= '0' && byte <= '9';
                if (input == valid) {
                    EXPECT_EQ(result.outcome, O::Converted);
                } else if (position < 3) {
                    EXPECT_EQ(result.outcome, O::BadPrefix);        // 979 included
                } else if (valid[position] == '-' || !digit) {
                    EXPECT_EQ(result.outcome, O::InvalidData);
                } else {
                    EXPECT_EQ(result.outcome, O::BadCheckDigit);    // mod 10 catches any one changed digit
                }
            }
        }
    }
}

// Converting there and back must land on the same ASIN; the expected values come
// from the other direction, not from a second computation.
TEST(RoundTrip, BothDirectionsAgree)
{
    for (const std::string_view isbn10 : {"0306406152"sv, "080442957X"sv, "1000000060"sv, "0-306-40615-2"sv,
                                          "4-10-109205-2"sv, "0-8044-2957-X"sv, "0000000000"sv}) {
        SCOPED_TRACE(isbn10);
        const ConversionResult forward = ConvertOld2New(isbn10);
        ASSERT_EQ(forward.outcome, O::Converted);
        const ConversionResult back = ConvertNew2Old(forward.isbnText);
        ASSERT_EQ(back.outcome, O::Converted);
        EXPECT_STREQ(back.asinText, forward.asinText);
        EXPECT_EQ(back.isbnText, std::string(isbn10));   // the hyphens come back where they were
    }
}

}  // namespace
