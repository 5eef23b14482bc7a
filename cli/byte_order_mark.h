// Notepad starts a text saved as "UTF-8 (BOM 付き)" with a byte-order mark. It is
// not part of the first line: an ISBN typed there must convert, and its echo must
// be what the user sees.
#pragma once

#include <string_view>

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The first bytes of a stream, without a byte-order mark at its very start.
constexpr std::string_view WithoutByteOrderMark(std::string_view start)
{
    return start.starts_with(kUtf8ByteOrderMark) ? start.substr(kUtf8ByteOrderMark.size()) : start;
}
