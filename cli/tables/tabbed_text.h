// Cells copied in Excel reach the clipboard as text, and a sheet saved as 「テキスト (タブ
// 区切り)」 or 「Unicode テキスト」 is the same text: TABs between cells, CRLF after every
// row, the last one included. Excel quotes a cell only when it holds a TAB or a line break
// (a line break inside a cell is a LF alone), doubling the quotes inside; a cell that
// merely holds a quote, a ditto mark (") or inches (12") say, is written as it stands.
// So a cell that starts with a quote is a quoted cell only when its closing quote (the
// first one not doubled) ends the cell, what lies between holds a LF but no CRLF, and it is
// no longer than the longest cell Excel holds, quoted; and only in a text whose rows end
// with CRLF somewhere, as Excel's all do: where rows end with LF alone, a quote read as
// opening a cell could join two rows. Anything else is read as it stands, so a plain text
// file splits by its lines and TABs alone.
//
// A quoted cell that holds a TAB and no line break is read as it stands too, its TAB
// splitting it: Excel writes two ditto marks in one row, (")(TAB)(ISBN)(TAB)("), exactly
// as it writes one cell holding TABs, and a sheet's ditto marks are common where a TAB
// typed into a cell is not. Either reading keeps every row whole; on the clipboard, the
// XML Spreadsheet form beside the text tells them apart (copied_table.h).
//
// Rows go to a visitor one at a time, so that a million of them need little memory
// beyond the text. The same reader serves wchar_t (the clipboard), char (UTF-8 files)
// and char16_t; the line splitter that reads files and standard input in pieces follows
// the same rule.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

template <typename Char>
struct TabbedCell {
    std::basic_string_view<Char> raw;   // as the text holds it: a quoted cell with its quotes and doubled quotes
    bool quoted = false;
};

// Excel's cell holds at most 32,767 characters; quoted, each may be a doubled quote.
inline constexpr std::size_t kLongestQuotedCell = 2 * 32767 + 2;

// What QuotedCellEnd answers when the text it was given may go on and what follows decides.
inline constexpr std::size_t kQuoteUndecided = std::string_view::npos - 1;

// Whether a text may hold quoted cells: its rows end with CRLF, somewhere at least.
template <typename Char>
constexpr bool HoldsQuotedCells(std::basic_string_view<Char> text)
{
    constexpr Char kCrlf[] = {Char('\r'), Char('\n')};
    return text.find(std::basic_string_view<Char>(kCrlf, 2)) != text.npos;
}

// A cell ends at a TAB, a line end or the end of the text.
template <typename Char>
constexpr bool IsCellEnd(std::basic_string_view<Char> text, std::size_t at)
{
    if (at == text.size()) return true;
    if (text[at] == Char('\t') || text[at] == Char('\n')) return true;
    return text[at] == Char('\r') && at + 1 < text.size() && text[at + 1] == Char('\n');
}

// Where a quoted cell starting at `start` ends, one past its closing quote; npos when the
// quote at `start` opens no quoted cell and the cell is read as it stands. `whole` false
// says that the text may go on past its end: then kQuoteUndecided when what follows decides.
template <typename Char>
constexpr std::size_t QuotedCellEnd(std::basic_string_view<Char> text, std::size_t start, bool whole = true)
{
    const std::size_t limit = text.size() - start > kLongestQuotedCell ? start + kLongestQuotedCell : text.size();
    bool breakInside = false;
    for (std::size_t at = start + 1; at < limit; ++at) {
        const Char c = text[at];
        if (c == Char('\n')) {
            // A row's end: Excel breaks lines inside a cell with LF alone.
            if (text[at - 1] == Char('\r')) return text.npos;
            breakInside = true;
        } else if (c == Char('"')) {
            const bool last = at + 1 == text.size();
            if (last && !whole) return kQuoteUndecided;   // it may be doubled
            if (!last && text[at + 1] == Char('"')) {
                ++at;
                continue;
            }
            if (!breakInside) return text.npos;
            // A CR after the closing quote ends the cell only with its LF.
            if (at + 2 == text.size() && text[at + 1] == Char('\r') && !whole) return kQuoteUndecided;
            return IsCellEnd(text, at + 1) ? at + 1 : text.npos;
        }
    }
    return whole || limit < text.size() || text.size() - start >= kLongestQuotedCell ? text.npos : kQuoteUndecided;
}

// Hands each cell of the row starting at `start` to onCell; returns where the next row
// starts. `quotedCells`: HoldsQuotedCells of the whole text.
template <typename Char, typename OnCell>
constexpr std::size_t ReadTabbedRow(std::basic_string_view<Char> text, std::size_t start, bool quotedCells,
                                    OnCell&& onCell)
{
    constexpr Char kCellEnds[] = {Char('\t'), Char('\n')};
    for (std::size_t at = start;;) {
        const bool quote = quotedCells && at < text.size() && text[at] == Char('"');
        std::size_t end = quote ? QuotedCellEnd(text, at) : text.npos;
        const bool quoted = end != text.npos;
        if (!quoted) {
            end = text.find_first_of(std::basic_string_view<Char>(kCellEnds, 2), at);
            if (end == text.npos) end = text.size();
            // One CR right before the LF belongs to the line end.
            if (end > at && end < text.size() && text[end] == Char('\n') && text[end - 1] == Char('\r')) --end;
        }
        onCell(TabbedCell<Char>{text.substr(at, end - at), quoted});
        if (end == text.size()) return end;
        if (text[end] != Char('\t')) return end + (text[end] == Char('\r') ? 2 : 1);
        at = end + 1;
    }
}

// Calls visitor(std::span<const TabbedCell<Char>>) once per row, in order. The final line
// end makes no row, so an empty text has none and "\r\n" has one with one empty cell.
template <typename Char, typename Visitor>
void ForEachRow(std::basic_string_view<Char> text, Visitor&& visitor)
{
    std::vector<TabbedCell<Char>> cells;
    const bool quotedCells = HoldsQuotedCells(text);
    for (std::size_t at = 0; at < text.size();) {
        cells.clear();
        at = ReadTabbedRow(text, at, quotedCells, [&cells](const TabbedCell<Char>& cell) { cells.push_back(cell); });
        visitor(std::span<const TabbedCell<Char>>(cells));
    }
}

// As many rows as ForEachRow visits, without keeping any cell.
template <typename Char>
constexpr std::size_t CountRows(std::basic_string_view<Char> text)
{
    std::size_t rows = 0;
    const bool quotedCells = HoldsQuotedCells(text);
    for (std::size_t at = 0; at < text.size(); ++rows) {
        at = ReadTabbedRow(text, at, quotedCells, [](const TabbedCell<Char>&) {});
    }
    return rows;
}

// Appends what the cell holds: a plain cell as it stands, a quoted one without its
// quotes and with each doubled quote as one.
template <typename Char>
void AppendCellValue(const TabbedCell<Char>& cell, std::basic_string<Char>& out)
{
    if (!cell.quoted) {
        out.append(cell.raw);
        return;
    }
    const std::basic_string_view<Char> inside = cell.raw.substr(1, cell.raw.size() - 2);
    for (std::size_t at = 0; at < inside.size(); ++at) {
        out += inside[at];
        if (inside[at] == Char('"')) ++at;
    }
}

// The cell's value: a plain cell's own text, uncopied; a quoted one's value is made in scratch.
template <typename Char>
std::basic_string_view<Char> CellValue(const TabbedCell<Char>& cell, std::basic_string<Char>& scratch)
{
    if (!cell.quoted) return cell.raw;
    scratch.clear();
    AppendCellValue(cell, scratch);
    return scratch;
}
