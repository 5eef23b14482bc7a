// Properties that every conversion must have, whatever the input: checked by the
// fuzz targets on every input they try. A violation aborts with a message.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "check_digits.h"
#include "conversion.h"

inline void Require(bool condition, const char* what, std::string_view input)
{
    if (condition) return;
    std::fprintf(stderr, "property broken: %s; input (%zu bytes):", what, input.size());
    for (const char c : input) std::fprintf(stderr, " %02x", static_cast<unsigned char>(c));
    std::fprintf(stderr, "\n");
    std::abort();
}

inline std::string WithoutHyphens(const char* text)
{
    std::string out;
    for (; *text != '\0'; ++text) {
        if (*text != '-') out += *text;
    }
    return out;
}

inline bool OnlyIsbnCharacters(const char* text)
{
    for (; *text != '\0'; ++text) {
        const char c = *text;
        if (!(c >= '0' && c <= '9') && c != '-' && c != 'X') return false;
    }
    return true;
}

inline void RequireTerminated(const ConversionResult& result, std::string_view input)
{
    Require(std::memchr(result.isbnText, '\0', sizeof result.isbnText) != nullptr, "isbnText terminated", input);
    Require(std::memchr(result.asinText, '\0', sizeof result.asinText) != nullptr, "asinText terminated", input);
}

inline void RequireEmptyOnRefusal(const ConversionResult& result, std::string_view input)
{
    if (result.outcome == ConversionOutcome::Converted) return;
    for (const char c : result.isbnText) Require(c == '\0', "refusal leaves isbnText empty", input);
    for (const char c : result.asinText) Require(c == '\0', "refusal leaves asinText empty", input);
}

// ISBN-10 to ISBN-13: 978-prefixed text keeping the input's hyphens, a valid
// ISBN-13, an ASIN that is the input without hyphens, and a way back.
inline void CheckOld2New(std::string_view input)
{
    const ConversionResult result = ConvertOld2New(input);
    RequireTerminated(result, input);
    RequireEmptyOnRefusal(result, input);
    if (result.outcome != ConversionOutcome::Converted) return;

    const std::string isbn = result.isbnText;
    const std::string asin = result.asinText;
    Require(input.size() == 10 || input.size() == 13, "accepted length", input);
    Require(isbn.size() == input.size() + 4, "ISBN-13 length", input);
    Require(asin.size() == 10, "ASIN length", input);
    Require(OnlyIsbnCharacters(result.isbnText) && OnlyIsbnCharacters(result.asinText), "characters", input);
    Require(isbn.compare(0, 4, "978-") == 0, "978- prefix", input);
    Require(isbn.compare(4, input.size() - 1, input.substr(0, input.size() - 1)) == 0, "input kept as typed", input);
    Require(VerifyIsbn13(WithoutHyphens(result.isbnText)), "ISBN-13 check digit", input);
    Require(VerifyIsbn10(asin), "ASIN check character", input);
    Require(asin == WithoutHyphens(std::string(input).c_str()), "ASIN is the input without hyphens", input);

    const ConversionResult back = ConvertNew2Old(isbn);
    Require(back.outcome == ConversionOutcome::Converted, "ISBN-13 converts back", input);
    Require(asin == back.asinText, "same ASIN both ways", input);
    Require(std::string_view(back.isbnText) == input, "round trip restores the input", input);
}

// ISBN-13 to ISBN-10: only 978 numbers; the ISBN-10 keeps the hyphens after the
// prefix, its check character verifies, and it converts back to the input.
inline void CheckNew2Old(std::string_view input)
{
    const ConversionResult result = ConvertNew2Old(input);
    RequireTerminated(result, input);
    RequireEmptyOnRefusal(result, input);
    if (result.outcome != ConversionOutcome::Converted) return;

    const std::string isbn = result.isbnText;
    const std::string asin = result.asinText;
    Require(input.compare(0, 3, "978") == 0, "only 978 converts", input);
    Require(input.size() == 13 || input.size() == 14 || input.size() == 17, "accepted length", input);
    Require(isbn.size() == (input.size() == 17 ? 13u : 10u), "ISBN-10 length", input);
    Require(asin.size() == 10, "ASIN length", input);
    Require(OnlyIsbnCharacters(result.isbnText) && OnlyIsbnCharacters(result.asinText), "characters", input);
    Require(VerifyIsbn10(asin), "ASIN check character", input);
    Require(WithoutHyphens(result.isbnText) == asin, "ASIN is the ISBN-10 without hyphens", input);
    if (input.size() != 17) Require(isbn == asin, "plain forms give the ASIN itself", input);

    const ConversionResult back = ConvertOld2New(isbn);
    Require(back.outcome == ConversionOutcome::Converted, "ISBN-10 converts back", input);
    Require(std::string_view(back.asinText) == asin, "same ASIN both ways", input);
    Require(WithoutHyphens(back.isbnText) == WithoutHyphens(std::string(input).c_str()), "same ISBN-13 digits",
            input);
    if (input.size() != 13) Require(std::string_view(back.isbnText) == input, "round trip restores the input", input);
}
