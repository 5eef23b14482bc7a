#include <string>

#include "conversion_test_support.h"

namespace {

using O = ConversionOutcome;
using namespace std::string_view_literals;

TEST(Old2NewAcceptedForms, KeepsTheUsersHyphensAndCheckCharacter)
{
    const ConversionRow kRows[] = {
        {"0306406152", O::Converted, "978-0306406157", "0306406152"},
        {"0-306-40615-2", O::Converted, "978-0-306-40615-7", "0306406152"},
        {"0306-406-15-2", O::Converted, "978-0306-406-15-7", "0306406152"},
        {"080442957X", O::Converted, "978-0804429573", "080442957X"},
        {"0-8044-2957-X", O::Converted, "978-0-8044-2957-3", "080442957X"},
        {"1000000060", O::Converted, "978-1000000061", "1000000060"},
        {"4-10-109205-2", O::Converted, "978-4-10-109205-8", "4101092052"},
        // The places of the hyphens are free: first, doubled, all together.
        {"-0-30640615-2", O::Converted, "978--0-30640615-7", "0306406152"},
        {"---0306406152", O::Converted, "978----030640615" "7", "0306406152"},
        {"030640615---2", O::Converted, "978-030640615---7", "0306406152"},
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertOld2New, row);
}

// Each row breaks several rules; the outcome names the first in the order
// empty, length, characters, hyphen count, check character.
TEST(Old2NewRefusalOrder, FirstRuleBrokenWins)
{
    const ConversionRow kRows[] = {
        {"", O::NoInput},
        {"030640615", O::WrongDigitCount},
        {"03064061522", O::WrongDigitCount},
        {"0-306-40615-", O::WrongDigitCount},
        {"9780306406157x", O::WrongDigitCount},            // 14: not a length of this direction
        {"abcdefghijk", O::WrongDigitCount},               // bad characters, but length first
        {"080442957x", O::InvalidData},                    // lower-case x is no check character
        {"0-306-40615-x", O::InvalidData},
        {"X306406152", O::InvalidData},                    // X only in the last place
        {"03064X6152", O::InvalidData},
        {"0-306-4X615-2", O::InvalidData},
        {"0-30-640-61-5", O::InvalidData},                 // fourth hyphen
        {"030640615-2", O::WrongDigitCount},               // 11 characters
        {"03064-06152", O::WrongDigitCount},
        {"0306-406152", O::WrongDigitCount},
        {"03064 06153", O::WrongDigitCount},
        {"0306 40615", O::InvalidData},                    // a space, and a wrong check too
        {"030640615 ", O::InvalidData},
        {"0306406153", O::BadCheckDigit},
        {"0-306-40615-3", O::BadCheckDigit},
        {"030640615X", O::BadCheckDigit},                  // check value is 2, not 10
        {"0-306-40615-X", O::BadCheckDigit},
        {"030640615\0"sv, O::InvalidData},                 // a NUL is a character like any other
        {"\0""306406152"sv, O::InvalidData},
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertOld2New, row);
}

// A 13-character input needs all three hyphens, and its last character must be
// the check character: otherwise the digit string is too long, or the formatted
// ISBN-13 would silently lose a digit.
TEST(Old2NewMendedHyphenRules, IncompleteHyphenationIsInvalidData)
{
    const ConversionRow kRows[] = {
        {"9780306406157", O::InvalidData},                 // an ISBN-13 typed into the wrong dialog
        {"0-3064061522X", O::InvalidData},                 // one hyphen, X in last place
        {"0-306-4061522", O::InvalidData},                 // two hyphens
        {"03064061520-2", O::InvalidData},
        {"0-306-406152-", O::InvalidData},                 // trailing hyphen, ten digits
        {"0-306406152--", O::InvalidData},
        {"0-306-40615x-", O::InvalidData},                 // the bad character is met first anyway
        {"9780306406158", O::InvalidData},                 // hyphen count before check character
    };
    for (const ConversionRow& row : kRows) ExpectConversion(ConvertOld2New, row);
}

// Lengths count bytes: a double-byte character counts two.
TEST(Old2NewByteLengths, DoubleByteCharactersCountTwice)
{
    const std::string fullWidthDigit = "\x82\x4f";   // full-width 0 in code page 932
    std::string five;
    std::string ten;
    for (int i = 0; i < 5; ++i) five += fullWidthDigit;
    for (int i = 0; i < 10; ++i) ten += fullWidthDigit;
    ExpectConversion(ConvertOld2New, {five, O::InvalidData});        // 10 bytes
    ExpectConversion(ConvertOld2New, {ten, O::WrongDigitCount});     // 20 bytes
    ExpectConversion(ConvertOld2New, {"0-306-4" + fullWidthDigit + "15-2" /* 13 bytes */, O::InvalidData});
    ExpectConversion(ConvertOld2New, {"\x95\x5c" "03064061" /* 10 bytes */, O::InvalidData});
}

TEST(Old2NewSweeps, EveryLengthFromEmptyToOnePastTheLongest)
{
    const std::string digits = "03064061520306406152";
    for (std::size_t length = 0; length <= 14; ++length) {
        const ConversionResult result = ConvertOld2New(std::string_view(digits).substr(0, length));
        SCOPED_TRACE(length);
        ExpectWellFormed(result);
        if (length == 0) EXPECT_EQ(result.outcome, O::NoInput);
        else if (length == 10) EXPECT_EQ(result.outcome, O::Converted);
        else if (length == 13) EXPECT_EQ(result.outcome, O::InvalidData);   // no hyphens
        else EXPECT_EQ(result.outcome, O::WrongDigitCount);
    }
}

// Every byte value at every position of both forms: a byte that is not the
// original is refused as a character, as a misplaced hyphen or X, or as a
// check failure, and never converts into something else.
TEST(Old2NewSweeps, EveryByteAtEveryPosition)
{
    for (const std::string_view valid : {"0306406152"sv, "0-306-40615-2"sv}) {
        for (std::size_t position = 0; position < valid.size(); ++position) {
            for (int byte = 0; byte < 256; ++byte) {
                std::string input(valid);
                input[position] = static_cast<char>(byte);
                const ConversionResult result = ConvertOld2New(input);
                SCOPED_TRACE(Printable(input));
                ExpectWellFormed(result);
                if (input == valid) {
                    EXPECT_EQ(result.outcome, O::Converted);
                    continue;
                }
                const bool digit = byte >= '0' && byte <= '9';
                const bool isLast = position + 1 == valid.size();
                if (valid[position] == '-') {
                    EXPECT_EQ(result.outcome, O::InvalidData);   // a hyphen short, or a bad character
                } else if (digit || (byte == 'X' && isLast)) {
                    EXPECT_EQ(result.outcome, O::BadCheckDigit);  // mod 11 catches any one changed digit
                } else {
                    EXPECT_EQ(result.outcome, O::InvalidData);
                }
            }
        }
    }
}

}  // namespace
