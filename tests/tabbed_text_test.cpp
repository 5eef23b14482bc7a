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
    // Line ends: CRLF, LF, none at the end; the final one makes no row.
    {L"9784088725093\r\n4088725093\r\n", {{L"9784088725093"}, {L"4088725093"}}},
    {L"a\nb\r\nc", {{L"a"}, {L"b"}, {L"c"}}},
    {L"", {}},
    {L"\r\n", {{L""}}},
    {L"a\r\n\r\n", {{L"a"}, {L""}}},
    {L"\t\ta\t\r\n\t", {{L"", L"", L"a", L""}, {L"", L""}}},
    // A CR without an LF after it is text.
    {L"a\rb\tc\r", {{L"a\rb", L"c\r"}}},
    // Quoted cells: line ends, TABs and doubled quotes inside.
    {L"\"line 1\r\nline 2\"\t\"a\tb\"\r\nx\t\"c\nd\"", {{L"line 1\r\nline 2", L"a\tb"}, {L"x", L"c\nd"}}},
    {L"\"say \"\"hi\"\"\"\t\"\"\"\"\t\"\"\r\n", {{L"say \"hi\"", L"\"", L""}}},
    // A quote that closes nothing, or is not followed by the end of its cell, is read as written.
    {L"\"abc\r\ndef\r\n", {{L"\"abc"}, {L"def"}}},
    {L"\"a\"\"\t\"a\"\"\"", {{L"\"a\"\"", L"a\""}}},
    {L"ab\"cd\"\t\"\r\n", {{L"ab\"cd\"", L"\""}}},
    {L"\"ab\"cd\tx\r\n\"a\r\nb\"c\r\n", {{L"\"ab\"cd", L"x"}, {L"\"a"}, {L"b\"c"}}},
    {L"\"a\"\rb\t\"a\"\"b\"c\"", {{L"\"a\"\rb", L"\"a\"\"b\"c\""}}},
    {L"書名\t\"「<&>\"\"」\"\r\n\"改行\r\n<&>\"\t<&>\"\r\n", {{L"書名", L"「<&>\"」"}, {L"改行\r\n<&>", L"<&>\""}}},
};

TEST(TabbedText, ReadsRowsOfCells)
{
    for (const auto& row : kTabbedTextCases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(row.text)));
        EXPECT_EQ(ReadRows(row.text), row.rows);
    }
    // Bytes as a UTF-8 file holds them.
    EXPECT_EQ(ReadRows(std::string_view("\"書\"\"名\"\ta\r\n")), Rows<char>({{"書\"名", "a"}}));
}

}   // namespace
