#include "copied_table.h"

#include <algorithm>
#include <span>
#include <vector>

#include "clipboard.h"
#include "result_sizes.h"
#include "tabbed_text.h"
#include "xml_spreadsheet.h"

namespace {

std::wstring Utf16(std::string_view utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

// Whether the XML form holds any cell at all; a form without one is no form of Excel's.
bool HoldsCells(std::string_view spreadsheet)
{
    bool any = false;
    ForEachSpreadsheetCell(spreadsheet, [&any](const SpreadsheetCell&) { any = true; });
    return any;
}

}   // namespace

bool FormsAgree(std::wstring_view text, std::string_view spreadsheet)
{
    std::vector<std::size_t> rowStarts;
    std::size_t filled = 0;   // non-empty cells of the text
    for (std::size_t at = 0; at < text.size();) {
        rowStarts.push_back(at);
        at = ReadTabbedRow(text, at,
                           [&filled](const TabbedCell<wchar_t>& cell) { filled += cell.raw.empty() ? 0u : 1u; });
    }
    // The cells of one row of the text at a time, as the XML form goes through its rows in order.
    std::vector<TabbedCell<wchar_t>> cells;
    std::size_t cellsRow = text.npos;
    std::wstring scratch;
    std::size_t matched = 0;
    bool agree = true;
    ForEachSpreadsheetCell(spreadsheet, [&](const SpreadsheetCell& cell) {
        if (!agree || cell.value.empty()) return;
        if (cell.row >= rowStarts.size()) {
            agree = false;
            return;
        }
        if (cell.row != cellsRow) {
            cells.clear();
            ReadTabbedRow(text, rowStarts[cell.row],
                          [&cells](const TabbedCell<wchar_t>& read) { cells.push_back(read); });
            cellsRow = cell.row;
        }
        agree = cell.column < cells.size() && !cells[cell.column].raw.empty() &&
                (cell.type != "String" || CellValue(cells[cell.column], scratch) == Utf16(cell.value));
        ++matched;
    });
    return agree && matched == filled;
}

CopyRead ReadCopiedTable(CopiedTable& table, DWORD& sequence)
{
    std::string spreadsheet;
    const ClipboardAccess read = ReadClipboardText(table.text, sequence, &spreadsheet);
    if (read == ClipboardAccess::Busy) return CopyRead::Busy;
    if (read != ClipboardAccess::Done) return CopyRead::NoText;
    ForEachRow(std::wstring_view(table.text), [&table](std::span<const TabbedCell<wchar_t>> cells) {
        ++table.rows;
        table.columns = std::max(table.columns, cells.size());
    });
    if (table.rows == 0) return CopyRead::NoText;
    if (table.rows > kMostCopiedRows) return CopyRead::TooLarge;
    if (!HoldsCells(spreadsheet)) return CopyRead::Done;
    if (!FormsAgree(table.text, spreadsheet)) return CopyRead::FormsDisagree;
    table.numbers = NumberCells(spreadsheet);
    table.spreadsheet = true;
    return CopyRead::Done;
}
