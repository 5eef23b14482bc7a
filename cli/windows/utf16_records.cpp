#include "utf16_records.h"

#include <windows.h>

void Utf16Records::Begin(std::wstring_view input)
{
    // No best fit: a character that the code page lacks becomes '?', never a
    // look-alike digit that would convert. A line reaches here with at most 257
    // units, each of at most two bytes in the code page.
    char narrow[2 * 257];
    const int length = input.empty() ? 0
                                     : WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, input.data(),
                                                           static_cast<int>(input.size()), narrow, sizeof narrow,
                                                           nullptr, nullptr);
    char fields[BatchConverter::kFieldsRoom];
    const char* end = converter_.PutFields(std::string_view(narrow, static_cast<std::size_t>(length)), fields);
    for (const char* field = fields; field != end; ++field) PutUnit(static_cast<unsigned char>(*field));
    Put(input);
}

void Utf16Records::Put(std::wstring_view text)
{
    for (const wchar_t unit : text) PutUnit(unit);
}

void Utf16Records::PutUnit(unsigned unit)
{
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out_.Write(bigEndian_ ? high : low);
    out_.Write(bigEndian_ ? low : high);
}
