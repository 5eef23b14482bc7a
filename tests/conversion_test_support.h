// Shared vocabulary of the conversion tests: one row per input with everything
// expected of it, and a check that names the input when it fails.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "conversion.h"

struct ConversionRow {
    std::string_view input;
    ConversionOutcome outcome;
    const char* isbn = "";
    const char* asin = "";
};

inline std::string Printable(std::string_view bytes)
{
    std::string out;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            out += c;
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

inline void ExpectConversion(ConversionResult (*convert)(std::string_view), const ConversionRow& row)
{
    SCOPED_TRACE("input \"" + Printable(row.input) + "\"");
    const ConversionResult result = convert(row.input);
    EXPECT_EQ(result.outcome, row.outcome);
    EXPECT_STREQ(result.isbnText, row.isbn);
    EXPECT_STREQ(result.asinText, row.asin);
}

// Whatever the outcome, both texts are NUL-terminated within their arrays, and a
// refusal carries nothing at all.
inline void ExpectWellFormed(const ConversionResult& result)
{
    EXPECT_EQ(result.isbnText[sizeof result.isbnText - 1], '\0');
    EXPECT_EQ(result.asinText[sizeof result.asinText - 1], '\0');
    if (result.outcome != ConversionOutcome::Converted) {
        for (const char c : result.isbnText) EXPECT_EQ(c, '\0');
        for (const char c : result.asinText) EXPECT_EQ(c, '\0');
    }
}
