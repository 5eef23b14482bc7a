// ISBNs as Japanese sheets write them, read as meant: full-width digits, Ｘ and hyphens
// (ＩＳＢＮ４－００－３１０１０２－２), the dash-like characters that input methods give
// for a hyphen, a leading "ISBN" label (ISBN4-06-184902-6, ISBN：4-06-...), and spaces
// around. Read so, the text is an ISBN in the dialogs' notation, or it is left as it is.
// The text comes in the encoding the conversion sees, code page 932 or UTF-8. Portable.
#pragma once

#include <cstddef>
#include <string_view>

enum class TextCode { Cp932, Utf8 };

// What was read otherwise than written; none when the text was left as it is.
enum NotationRead : unsigned {
    kReadFullWidth = 1,   // full-width letters, digits, hyphens or colons as half-width
    kReadDashes = 2,      // dashes and long-vowel marks (‐ ‑ ‒ – — ― − ー ｰ ﹣) as hyphens
    kReadLabel = 4,       // a leading "ISBN" label, with its colon, left out
    kReadSpaces = 8,      // spaces (half- or full-width) around left out
};

// The longest text read: a label, spaces and 17 characters of three bytes each, at most.
inline constexpr std::size_t kLongestNotation = 96;

struct NotationText {
    std::string_view text;   // into the caller's buffer, or the input itself
    unsigned read = 0;       // NotationRead flags
};

// The text read as meant, written into `buffer` when anything was read otherwise: only
// when, so read, it holds nothing but digits, X and hyphens, and ten or thirteen of the
// digits and X, as an ISBN does.
NotationText ReadIsbnNotation(std::string_view text, TextCode code, char (&buffer)[kLongestNotation]);
