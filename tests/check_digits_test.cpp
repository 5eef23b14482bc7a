#include <gtest/gtest.h>

#include "check_digits.h"

namespace {

TEST(Isbn10CheckDigit, WorkedSums)
{
    EXPECT_EQ(Isbn10CheckDigit("0306406152"), 2);
    EXPECT_EQ(Isbn10CheckDigit("080442957X"), 10);
    EXPECT_EQ(Isbn10CheckDigit("1000000060"), 0);
    EXPECT_EQ(Isbn10CheckDigit("0000000000"), 0);
    EXPECT_EQ(Isbn10CheckDigit("9999999999"), 9);   // 9 * 54 = 486, remainder 2, 11 - 2
}

TEST(Isbn10CheckDigit, NeverReadsTheCheckPosition)
{
    for (int c = 0; c < 256; ++c) {
        char digits[] = "030640615?";
        digits[9] = static_cast<char>(c);
        SCOPED_TRACE(c);
        EXPECT_EQ(Isbn10CheckDigit(std::string_view(digits, 10)), 2);
    }
}

TEST(Isbn13CheckDigit, WorkedSums)
{
    EXPECT_EQ(Isbn13CheckDigit("9780306406157"), 7);   // sum 93, remainder 3
    EXPECT_EQ(Isbn13CheckDigit("9780804429573"), 3);   // sum 117
    EXPECT_EQ(Isbn13CheckDigit("9780000000040"), 0);   // sum 50: 0, not 10
    EXPECT_EQ(Isbn13CheckDigit("9790306406156"), 6);
}

TEST(Isbn13CheckDigit, NeverReadsTheCheckPosition)
{
    for (int c = 0; c < 256; ++c) {
        char digits[] = "978030640615?";
        digits[12] = static_cast<char>(c);
        SCOPED_TRACE(c);
        EXPECT_EQ(Isbn13CheckDigit(std::string_view(digits, 13)), 7);
    }
}

TEST(VerifyIsbn10, AcceptsOnlyTheMatchingCheckCharacter)
{
    struct Row {
        const char* digits;
        bool valid;
    };
    constexpr Row kRows[] = {
        {"0306406152", true},  {"0306406153", false}, {"080442957X", true},
        {"080442957x", false}, {"0804429570", false}, {"1000000060", true},
        {"030640615X", false}, {"1000000061", false},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.digits);
        EXPECT_EQ(VerifyIsbn10(row.digits), row.valid);
    }
}

TEST(VerifyIsbn13, AcceptsOnlyTheMatchingCheckDigit)
{
    EXPECT_TRUE(VerifyIsbn13("9780306406157"));
    EXPECT_FALSE(VerifyIsbn13("9780306406158"));
    EXPECT_TRUE(VerifyIsbn13("9780000000040"));
    EXPECT_FALSE(VerifyIsbn13("978000000004X"));   // X means nothing in an ISBN-13
}

TEST(CheckDigits, EvaluateAtCompileTime)
{
    static_assert(Isbn10CheckDigit("0306406152") == 2);
    static_assert(Isbn13CheckDigit("9780306406157") == 7);
    static_assert(VerifyIsbn10("080442957X"));
}

}  // namespace
