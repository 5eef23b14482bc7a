// A table for the clipboard's "HTML Format", the form in which Excel and LibreOffice
// Calc take pasted cells. Every cell that holds digits is marked as text for both
// (Excel's mso-number-format "\@", through a class of the head's style sheet, as
// Excel writes it itself; Calc's sdnum "@" on the cell), so that leading zeros and
// all thirteen digits survive the paste. The header's byte offsets are those that
// the format prescribes: from the start of the data to "<html", to its end, and to
// the fragment's start and end.
#pragma once

#include <string>
#include <string_view>

class HtmlTable {
public:
    void BeginRow() { body_ += "<tr>"; }
    void Word(std::string_view ascii);   // a cell that is a word: the status
    void Text(std::string_view utf8);    // a cell kept as text, however it reads
    void Text(std::wstring_view text);
    void EndRow() { body_ += "</tr>\r\n"; }

    // The whole clipboard data, header included, without a terminating NUL.
    std::string ClipboardData() const;

private:
    void Escaped(std::string_view utf8);

    std::string body_;
    std::string utf8_;   // kept between cells, so that converting one allocates nothing
};
