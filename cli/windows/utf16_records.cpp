#include "utf16_records.h"

#include "ansi_text.h"

void Utf16Records::Begin(std::wstring_view input, bool longLine)
{
    char ansi[3 * kLongestAnsiLine];
    char fields[BatchConverter::kFieldsRoom];
    const std::string_view text = AnsiText(input, ansi);
    const char* end = longLine ? converter_.PutLongLineFields(text, fields) : converter_.PutFields(text, fields);
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
