// Cells that Excel holds as numbers, read from its "XML Spreadsheet" form: the text form
// shows a number only as displayed (an ISBN-13 in the General format as 9.78410E+12,
// an ISBN-10 without its leading zeros), the XML form holds its value.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SpreadsheetCell;

class NumberCells {
public:
    // Keeps the cell when it is a whole number; cells come in the XML form's order.
    void Add(const SpreadsheetCell& cell);

    // The digits of the number in that place, or null.
    const std::string* Find(std::size_t row, std::size_t column) const;
    std::size_t Count() const { return cells_.size(); }

private:
    struct Cell {
        std::size_t row;
        std::size_t column;
        std::string digits;
    };
    std::vector<Cell> cells_;   // by row, then column
};

// An ISBN-10 typed as a number loses its leading zeros: 0-306-40615-2 becomes 306406152,
// a 0-00 publisher's 0-00-712345-0 becomes 7123450. They are put back where the text shows
// fewer than ten digits and the check digit then holds, which a number that never was an
// ISBN-10 (a price, an order number) does only by chance, one time in eleven.
std::optional<std::string> WithLeadingZeros(std::string_view digits, std::wstring_view shown);

// Whether a cell shows a number cut short to Excel's General format: 9.78410E+12.
bool ShowsCutShortNumber(std::wstring_view shown);
