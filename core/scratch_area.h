// The working area of one conversion attempt and the few text routines that fill
// it. Every attempt starts from a zero-filled area, so copies that add no
// terminator of their own still leave NUL-terminated texts behind.
#pragma once

#include <cstddef>
#include <string_view>

#include "conversion_result.h"

struct ScratchArea {
    char input[18];    // the input as read, at most 17 characters
    char digits[14];   // the input without hyphens
    char work[14];     // the candidate whose check character is recomputed
    char isbn[18];     // the formatted ISBN
    char asin[11];     // the ASIN
};
static_assert(sizeof(ScratchArea) == 75);

namespace scratch {

inline constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// string_view::substr without its out-of-range exception, which would drag the
// C++ exception machinery into the Windows program: the range is clamped instead.
inline constexpr std::string_view Slice(std::string_view text, std::size_t from, std::size_t count)
{
    if (from > text.size()) from = text.size();
    if (count > text.size() - from) count = text.size() - from;
    return std::string_view(text.data() + from, count);
}

// Copies a text of at most size - 1 bytes, embedded NULs included.
template <std::size_t N>
void CopyBytes(char (&destination)[N], std::string_view text)
{
    for (std::size_t i = 0; i < text.size() && i + 1 < N; ++i) destination[i] = text[i];
}

// Copies every character but the hyphens, in order, as far as the buffer holds
// them, and returns how many there are; no terminator is written. A hyphen is
// stored too and then overwritten by the next character, so that the loop never
// branches on the character; the last byte of the buffer is never written.
template <std::size_t N>
std::size_t CopyWithoutHyphens(char (&destination)[N], std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        if (count + 1 < N) destination[count] = c;
        count += c != '-';
    }
    return count;
}

inline std::size_t Length(const char* text)
{
    std::size_t length = 0;
    while (text[length] != '\0') ++length;
    return length;
}

// Appends to a zero-filled buffer, as a printf-style format would: Text(s) as %.Ns
// with N the length of s (every text given here holds no NUL), Char(c) as a literal
// character, Digit(d) as %d for 0..9. The last byte of the buffer is never
// written, so the text always stays terminated.
class Writer {
public:
    template <std::size_t N>
    explicit Writer(char (&buffer)[N]) : next_(buffer), end_(buffer + N - 1)
    {}

    Writer& Text(std::string_view text)
    {
        const std::size_t room = static_cast<std::size_t>(end_ - next_);
        const std::size_t count = text.size() < room ? text.size() : room;
        for (std::size_t i = 0; i < count; ++i) next_[i] = text[i];
        next_ += count;
        return *this;
    }
    Writer& Char(char c)
    {
        if (next_ != end_) *next_++ = c;
        return *this;
    }
    Writer& Digit(int value) { return Char(static_cast<char>('0' + value)); }

private:
    char* next_;
    char* end_;
};

// Copies a whole fixed-size buffer; both sides are NUL-filled past their text.
template <std::size_t N>
void CopyBuffer(char (&destination)[N], const char (&source)[N])
{
    for (std::size_t i = 0; i < N; ++i) destination[i] = source[i];
}

inline ConversionResult Refused(ConversionOutcome outcome)
{
    ConversionResult result;
    result.outcome = outcome;
    return result;
}

inline ConversionResult Converted(const ScratchArea& area)
{
    ConversionResult result;
    result.outcome = ConversionOutcome::Converted;
    CopyBuffer(result.isbnText, area.isbn);
    CopyBuffer(result.asinText, area.asin);
    return result;
}

}   // namespace scratch
