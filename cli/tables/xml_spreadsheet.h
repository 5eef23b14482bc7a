// Cells copied in Excel also reach the clipboard as "XML Spreadsheet", a whole workbook in
// UTF-8 in which a number cell holds its full value, where the text form holds it only as
// displayed (an ISBN-13 in the General format shows as 9.78410E+12). This reads the cells of
// the first worksheet's table from it, one at a time, keeping none of them.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

struct SpreadsheetCell {
    std::size_t row = 0;      // 0-based, where the sheet shows it
    std::size_t column = 0;   // 0-based
    std::string_view type;    // its Data's ss:Type ("Number", "String", ...); empty for a cell without Data
    std::string_view value;   // the Data's text, references decoded and inner markup left out
};

// Calls visitor once per cell of the first worksheet's table, in the document's order, so
// rows and the columns within a row only increase. Rows and cells are placed by ss:Index and
// by ss:Span and ss:MergeAcross before them. Reading ends at the first NUL (the clipboard's
// copy ends in one). What cannot be read is left out: a cell whose markup is broken, the rest
// of a row once a cell cannot be placed, the rest of the table once a row cannot be. A cell's
// value lives only during its call.
void ForEachSpreadsheetCell(std::string_view xml, const std::function<void(const SpreadsheetCell&)>& visitor);

// A Number cell's value as the digits of a whole number, without leading zeros:
// "9784101010014" and "9.784101010014E+12" both give "9784101010014". Nothing for a
// fraction, a negative value, an exponent past what a double holds, or anything else.
std::optional<std::string> IntegerDigits(std::string_view number);
