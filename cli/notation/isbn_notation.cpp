#include "isbn_notation.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char32_t kNone = 0xFFFFFFFF;

// The next character of the text and its length in bytes; kNone for a byte that starts
// none. Only the characters read here need decoding exactly.
char32_t Next(std::string_view text, TextCode code, std::size_t& length)
{
    const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byte(0);
    length = 1;
    if (lead < 0x80) return lead;
    if (code == TextCode::Utf8) {
        // Well-formed UTF-8 only: no lead byte outside C2-F4, no overlong form.
        static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (lead < 0xC2 || lead > 0xF4) return kNone;
        const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (text.size() < size) return kNone;
        char32_t value = lead & (0x7F >> size);
        for (std::size_t at = 1; at < size; ++at) {
            if ((byte(at) & 0xC0) != 0x80) return kNone;
            value = value << 6 | (byte(at) & 0x3F);
        }
        if (value < kSmallest[size]) return kNone;
        length = size;
        return value;
    }
    // Code page 932: half-width katakana alone, or a lead byte and a trail byte.
    if (lead >= 0xA1 && lead <= 0xDF) return lead == 0xB0 ? U'ｰ' : kNone;
    if (text.size() < 2) return kNone;
    length = 2;
    const unsigned pair = lead << 8 | byte(1);
    // The rows of full-width digits and Latin letters, and the symbols read here.
    if (pair >= 0x824F && pair <= 0x8258) return U'０' + (pair - 0x824F);
    if (pair >= 0x8260 && pair <= 0x8279) return U'Ａ' + (pair - 0x8260);
    if (pair >= 0x8281 && pair <= 0x829A) return U'ａ' + (pair - 0x8281);
    switch (pair) {
    case 0x8140:
        return U'\u3000';
    case 0x8146:
        return U'：';
    case 0x815B:
        return U'ー';
    case 0x815C:
        return U'―';
    case 0x815D:
        return U'‐';
    case 0x817C:
        return U'－';
    default:
        return kNone;
    }
}

bool IsDash(char32_t c)
{
    switch (c) {
    case U'‐':
    case U'‑':
    case U'‒':
    case U'–':
    case U'—':
    case U'―':
    case U'−':
    case U'ー':
    case U'ｰ':
    case U'﹣':
        return true;
    default:
        return false;
    }
}

// A leading "ISBN", in any case, with a colon and spaces after it.
std::string_view WithoutLabel(std::string_view text)
{
    if (text.size() < 4) return text;
    for (std::size_t at = 0; at < 4; ++at) {
        if ((text[at] | 0x20) != "isbn"[at]) return text;
    }
    text.remove_prefix(4);
    if (!text.empty() && text.front() == ':') text.remove_prefix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return text;
}

}   // namespace

NotationText ReadIsbnNotation(std::string_view text, TextCode code, char (&buffer)[kLongestNotation])
{
    // Most texts are digits, X and hyphens already, and stay as they are.
    bool asWritten = true;
    for (const char c : text) asWritten = asWritten && ((c >= '0' && c <= '9') || c == 'X' || c == '-');
    if (asWritten) return {text};
    // Half-width as read, spaces kept as ' ' for now.
    std::size_t written = 0;
    unsigned read = 0;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        char32_t c = Next(text.substr(at), code, length);
        if (c >= U'！' && c <= U'～') {
            c -= U'！' - U'!';
            read |= kReadFullWidth;
        } else if (IsDash(c)) {
            c = U'-';
            read |= kReadDashes;
        } else if (c == U'\u3000') {
            c = U' ';
        }
        if (c >= 0x80 || written == sizeof buffer) return {text};
        buffer[written++] = static_cast<char>(c);
    }
    std::string_view plain(buffer, written);
    const std::size_t first = plain.find_first_not_of(' ');
    if (first == plain.npos) return {text};
    const std::size_t last = plain.find_last_not_of(' ');
    if (first > 0 || last + 1 < plain.size()) read |= kReadSpaces;
    plain = plain.substr(first, last + 1 - first);
    const std::string_view unlabelled = WithoutLabel(plain);
    if (unlabelled.size() < plain.size()) read |= kReadLabel;
    if (read == 0 || unlabelled.find_first_not_of("0123456789X-") != unlabelled.npos) return {text};
    // As many digits as an ISBN has: a heading such as ISBN-13 is no ISBN read otherwise.
    const auto digits = std::count_if(unlabelled.begin(), unlabelled.end(), [](char c) { return c != '-'; });
    if (digits != 10 && digits != 13) return {text};
    return {unlabelled, read};
}
