// A line of UTF-16 text as the dialog would see it typed or pasted: in the ANSI
// code page, so that a full-width digit is refused there as it is in the dialog.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "isbn_notation.h"

// The longest line converted whole; longer ones are refused on their length.
inline constexpr std::size_t kLongestAnsiLine = 257;

// Writes at most kLongestAnsiLine units of `line` into `buffer`. No best fit: a
// character that the code page lacks becomes '?', never a look-alike digit that
// would convert. UTF-8, which Windows 10 offers as the ANSI code page, lacks
// nothing and refuses the flag; it takes up to three bytes a unit.
inline std::string_view AnsiText(std::wstring_view line, char (&buffer)[3 * kLongestAnsiLine])
{
    static const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    line = line.substr(0, kLongestAnsiLine);
    if (line.empty()) return {};
    // ASCII is itself in every ANSI code page: most cells, and a million of them on the
    // clipboard, need no call.
    std::size_t ascii = 0;
    while (ascii < line.size() && line[ascii] < 0x80) {
        buffer[ascii] = static_cast<char>(line[ascii]);
        ++ascii;
    }
    if (ascii == line.size()) return std::string_view(buffer, ascii);
    const int length = WideCharToMultiByte(CP_ACP, flags, line.data(), static_cast<int>(line.size()), buffer,
                                           sizeof buffer, nullptr, nullptr);
    return std::string_view(buffer, static_cast<std::size_t>(length));
}

// The encoding AnsiText gives, for reading Japanese notation in it: none for an ANSI code
// page other than 932 and UTF-8, whose full-width characters are not read.
inline std::optional<TextCode> AnsiCode()
{
    static const UINT page = GetACP();
    if (page == 932) return TextCode::Cp932;
    if (page == CP_UTF8) return TextCode::Utf8;
    return std::nullopt;
}

// The ANSI text of a cell as the conversion reads it: as Japanese sheets write ISBNs
// where that reads it as an ISBN otherwise than the dialog would (its flags in `read`,
// the text written into `buffer`), else as it is. What the dialog converts holds nothing
// that is read otherwise: no full-width character, label or space.
inline NotationText ReadAsMeant(std::string_view ansi, char (&buffer)[kLongestNotation])
{
    if (!AnsiCode()) return {ansi};
    return ReadIsbnNotation(ansi, *AnsiCode(), buffer);
}
