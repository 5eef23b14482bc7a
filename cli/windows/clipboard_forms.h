// The results of a clipboard session in the clipboard's two forms, written straight
// into the blocks that the clipboard takes: a first pass over the results measures
// both forms, a second writes them. The largest column a sheet holds, a million
// rows, thus costs each form once and never a copy of it.
//
// Each row holds the columns to paste beside the copied column: the converted ISBN,
// the ASIN, and for a refused row the reason, in the console's words; a table's
// heading row gets a heading row of its own, in line with it. The copied
// row itself is not repeated: it is already in the sheet, beside its results.
// - CF_UNICODETEXT: the cells TAB-separated, each row ending in CRLF.
// - "HTML Format": the same table, in which every cell that holds digits is text for
//   Excel (mso-number-format "\@", through a class of the head's style sheet, as
//   Excel writes it itself) and for LibreOffice Calc (sdnum "@" on the cell, as Calc
//   ignores the style), so that leading zeros and all thirteen digits survive the
//   paste. The header's byte offsets are those that the format prescribes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "conversion_result.h"

class ClipboardForms {
public:
    // Measures.
    ClipboardForms() = default;
    // Writes the forms that `measured` measured into blocks of its sizes.
    ClipboardForms(const ClipboardForms& measured, wchar_t* text, char* html);

    // The heading row of a table's results: "ISBN-13" or "ISBN-10", "ASIN" and the reason's.
    void Heading(const char* isbnHeading);
    // `isbn` is the result's ISBN as it is to be written (NUL-terminated; empty for a
    // refused row); a note, when given, takes the reason's place.
    void Row(const char* isbn, const ConversionResult& result, const wchar_t* note = nullptr);
    // Ends both forms; after it, each has exactly the measured size.
    void Finish();

    // In 64 bits, whatever the program's own: see result_sizes.h for what may be made.
    std::uint64_t TextBytes() const { return (textUnits_ + 1) * sizeof(wchar_t); }   // NUL included
    std::uint64_t HtmlBytes() const;                                                 // header and NUL included

private:
    void Text(const wchar_t* units, std::size_t count);
    void Text(const char* ascii);
    void Html(const char* bytes, std::size_t count);
    void Html(const char* utf8);

    wchar_t* text_ = nullptr;   // null while measuring
    char* html_ = nullptr;
    std::uint64_t textUnits_ = 0;
    std::uint64_t htmlBytes_ = 0;
    std::uint64_t textCapacity_ = 0;   // of the blocks written into
    std::uint64_t htmlCapacity_ = 0;
    std::uint64_t htmlRowsBytes_ = 0;   // of the table's rows alone, once measured
};
