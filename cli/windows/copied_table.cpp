#include "copied_table.h"

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

#include "clipboard.h"
#include "result_sizes.h"
#include "tabbed_text.h"
#include "xml_spreadsheet.h"

namespace {

// Whether a cell of the text holds the XML form's string, given in UTF-8.
bool SameText(std::wstring_view cell, std::string_view utf8, std::wstring& scratch)
{
    const bool ascii =
        std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        return std::equal(cell.begin(), cell.end(), utf8.begin(), utf8.end(),
                          [](wchar_t w, char c) { return w == static_cast<wchar_t>(c); });
    }
    scratch.resize(utf8.size());
    scratch.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                                scratch.data(), static_cast<int>(scratch.size()))));
    return cell == scratch;
}

}   // namespace

FormsRead ReadBothForms(std::wstring_view text, std::string_view spreadsheet, NumberCells& numbers)
{
    std::vector<std::size_t> rowStarts;
    std::size_t filled = 0;   // non-empty cells of the text
    const bool quotedCells = HoldsQuotedCells(text);
    for (std::size_t at = 0; at < text.size();) {
        rowStarts.push_back(at);
        at = ReadTabbedRow(text, at, quotedCells,
                           [&filled](const TabbedCell<wchar_t>& cell) { filled += cell.raw.empty() ? 0u : 1u; });
    }
    // The cells of one row of the text at a time, as the XML form goes through its rows in order.
    std::vector<TabbedCell<wchar_t>> cells;
    std::size_t cellsRow = text.npos;
    std::wstring value;
    std::wstring scratch;
    std::size_t matched = 0;
    bool any = false;
    bool agree = true;
    ForEachSpreadsheetCell(spreadsheet, [&](const SpreadsheetCell& cell) {
        any = true;
        if (!agree || cell.value.empty()) return;
        if (cell.row >= rowStarts.size()) {
            agree = false;
            return;
        }
        if (cell.row != cellsRow) {
            cells.clear();
            ReadTabbedRow(text, rowStarts[cell.row], quotedCells,
                          [&cells](const TabbedCell<wchar_t>& read) { cells.push_back(read); });
            cellsRow = cell.row;
        }
        agree = cell.column < cells.size() && !cells[cell.column].raw.empty() &&
                (cell.type != "String" || SameText(CellValue(cells[cell.column], value), cell.value, scratch));
        numbers.Add(cell);
        ++matched;
    });
    if (!any) return FormsRead::NoCells;
    return agree && matched == filled ? FormsRead::Agree : FormsRead::Disagree;
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
    table.quotedCells = HoldsQuotedCells(std::wstring_view(table.text));
    if (table.rows > kMostCopiedRows) return CopyRead::TooLarge;
    NumberCells numbers;
    switch (ReadBothForms(table.text, spreadsheet, numbers)) {
    case FormsRead::NoCells:
        return CopyRead::Done;
    case FormsRead::Disagree:
        return CopyRead::FormsDisagree;
    case FormsRead::Agree:
        break;
    }
    table.numbers = std::move(numbers);
    table.spreadsheet = true;
    return CopyRead::Done;
}
