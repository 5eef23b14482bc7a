// Copied cells as text, read back into rows of cell values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tabbed_text.h"

namespace {

template <typename Char>
using Rows = std::vector<std::vector<std::basic_string<Char>>>;

template <typename Char>
Rows<Char> ReadRows(std::basic_string_view<Char> text)
{
    Rows<Char> rows;
    std::basic_string<Char> scratch;
    ForEachRow(text, [&](std::span<const TabbedCell<Char>> cells) {
        rows.emplace_back();
        for (const TabbedCell<Char>& cell : cells) rows.back().emplace_back(CellValue(cell, scratch));
    });
    EXPECT_EQ(CountRows(text), rows.size());
    return rows;
}

const struct {
    std::wstring_view text;
    Rows<wchar_t> rows;
} kTabbedTextCases[] = {
    // Quotes that Excel writes as they stand: ditto marks, inches, a cell of quotes.
    {L"A\t\"\t4101010013\r\nB\t新版\t0306406152\r\nC\t\"\t4088725093\r\n",
     {{L"A", L"\"", L"4101010013"}, {L"B", L"新版", L"0306406152"}, {L"C", L"\"", L"4088725093"}}},
    {L"12\"\t\"\"\t\"\"\"\"\t\"abc\"\t\"say \"\"hi\"\"\"\r\n",
     {{L"12\"", L"\"\"", L"\"\"\"\"", L"\"abc\"", L"\"say \"\"hi\"\"\""}}},
    // Quoted cells: a LF inside, quotes doubled, TABs too; a CR alone makes none.
    {L"\"line 1\nline 2\"\t\"a\t\nb\"\r\nx\t\"say \"\"hi\"\"\n\"\t\"c\rd\"",
     {{L"line 1\nline 2", L"a\t\nb"}, {L"x", L"say \"hi\"\n", L"\"c\rd\""}}},
    // A CRLF ends the row whatever came before it; a closing quote must end its cell.
    {L"\"a\r\nb\"\r\n", {{L"\"a"}, {L"b\""}}},
    {L"\"a\nb\"c\r\n\"\t\"x\r\n", {{L"\"a"}, {L"b\"c"}, {L"\"", L"\"x"}}},
    // Rows ending with LF alone hold no quoted cells: ditto marks in two rows stay apart.
    {L"B\t\"\t4101010013\nC\t\"\t0306406152\n", {{L"B", L"\"", L"4101010013"}, {L"C", L"\"", L"0306406152"}}},
    // Two ditto marks in a row, as Excel writes them and as it writes a cell of TABs alone.
    {L"\"\t\"\r\n\"\t4101010013\t\"\r\n", {{L"\"", L"\""}, {L"\"", L"4101010013", L"\""}}},
    // Line ends: CRLF, LF, none at the end; the final one makes no row.
    {L"9784088725093\r\n4088725093\r\n", {{L"9784088725093"}, {L"4088725093"}}},
    {L"a\nb\r\nc", {{L"a"}, {L"b"}, {L"c"}}},
    {L"", {}},
    {L"\r\n", {{L""}}},
    {L"\t\ta\t\r\n\t", {{L"", L"", L"a", L""}, {L"", L""}}},
    // A CR without an LF after it is text.
    {L"a\rb\tc\r", {{L"a\rb", L"c\r"}}},
    {L"書名\t\"「<&>\"\"\n」\"\r\n\"改行\n<&>\"\t<&>\"\r\n", {{L"書名", L"「<&>\"\n」"}, {L"改行\n<&>", L"<&>\""}}},
};

TEST(TabbedText, ReadsRowsOfCells)
{
    for (const auto& row : kTabbedTextCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
        EXPECT_EQ(ReadRows(row.text), row.rows);
    }
    // Bytes as a UTF-8 file holds them.
    EXPECT_EQ(ReadRows(std::string_view("\"書\"\"\n名\"\ta\r\n")), Rows<char>({{"書\"\n名", "a"}}));
}

// A quoted cell is no longer than Excel's longest cell quoted: 32,767 characters, each a
// doubled quote at most; past that the quote is read as it stands.
TEST(TabbedText, QuotedCellsEndWithinTheLongestCell)
{
    const std::wstring longest = L"\"\n" + std::wstring(kLongestQuotedCell - 3, L'x') + L"\"\r\n";
    const std::wstring longer = L"\"\n" + std::wstring(kLongestQuotedCell - 2, L'x') + L"\"\r\n";
    EXPECT_EQ(ReadRows(std::wstring_view(longest)).size(), 1u);
    EXPECT_EQ(ReadRows(std::wstring_view(longer)).size(), 2u);
    // Read in pieces, the end may still decide.
    EXPECT_EQ(QuotedCellEnd(std::wstring_view(longest), 0, false), longest.size() - 2);
    EXPECT_EQ(QuotedCellEnd(std::wstring_view(L"\"a\nb\""), 0, false), kQuoteUndecided);
    EXPECT_EQ(QuotedCellEnd(std::wstring_view(L"\"a\nb\"\r"), 0, false), kQuoteUndecided);
    EXPECT_EQ(QuotedCellEnd(std::wstring_view(L"\"a\nb\"\"\"\r\n"), 0, false), 7u);
}

}   // namespace
