// Cells copied in Excel as "XML Spreadsheet", read back into their places and values.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "number_cells.h"
#include "xml_spreadsheet.h"

namespace {

using namespace std::string_view_literals;
using Cell = std::tuple<std::size_t, std::size_t, std::string, std::string>;   // row, column, type, value

// As Excel writes a copy: the header and namespaces of its documentation, the cell value in
// the default namespace's Data or, for rich text, in ss:Data around HTML markup; a NUL at the end.
constexpr std::string_view kCopiedSheet =
    "<?xml version=\"1.0\"?>\r\n<?mso-application progid=\"Excel.Sheet\"?>\r\n"
    "<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
    " xmlns:o=\"urn:schemas-microsoft-com:office:office\"\r\n"
    " xmlns:x=\"urn:schemas-microsoft-com:office:excel\"\r\n"
    " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
    " xmlns:html=\"http://www.w3.org/TR/REC-html40\">\r\n <Worksheet ss:Name=\"Sheet1\">\r\n"
    "  <Table ss:ExpandedColumnCount=\"4\" ss:ExpandedRowCount=\"3\" x:FullRows=\"1\">\r\n"
    "   <Row>\r\n    <Cell><Data ss:Type=\"Number\">9784101010014</Data></Cell>\r\n"
    "    <Cell ss:Index=\"3\"><Comment ss:Author=\"A\"><ss:Data\r\n"
    "      xmlns=\"http://www.w3.org/TR/REC-html40\"><B>1</B></ss:Data></Comment></Cell>\r\n"
    "    <Cell><Data ss:Type=\"Number\">306406152</Data></Cell>\r\n   </Row>\r\n"
    "   <Row ss:Index=\"3\">\r\n    <Cell ss:MergeAcross=\"1\"><Data ss:Type=\"String\">"
    "&lt;&amp;&#10;&#x3042;</Data></Cell>\r\n    <Cell/>\r\n    <Cell><ss:Data ss:Type=\"String\"\r\n"
    "      xmlns=\"http://www.w3.org/TR/REC-html40\"><B>Bold</B><Font html:Color=\"#FF0000\">"
    "Red</Font></ss:Data></Cell>\r\n   </Row>\r\n  </Table>\r\n </Worksheet>\r\n"
    " <Worksheet ss:Name=\"Sheet2\">\r\n  <Table><Row><Cell><Data ss:Type=\"Number\">1</Data>"
    "</Cell></Row></Table>\r\n </Worksheet>\r\n</Workbook>\r\n\0"sv;

TEST(XmlSpreadsheet, ReadsFirstTableCells)
{
    const std::vector<Cell> expected = {{0, 0, "Number", "9784101010014"},
                                        {0, 2, "", ""},   // a comment's text is no value
                                        {0, 3, "Number", "306406152"},
                                        {2, 0, "String", "<&\n\xE3\x81\x82"},   // U+3042
                                        {2, 2, "", ""},
                                        {2, 3, "String", "BoldRed"}};
    std::vector<Cell> cells;
    ForEachSpreadsheetCell(kCopiedSheet, [&cells](const SpreadsheetCell& cell) {
        cells.emplace_back(cell.row, cell.column, cell.type, cell.value);
    });
    EXPECT_EQ(cells, expected);
}

const struct {
    std::string_view number;
    std::string_view digits;   // empty: not a whole number we take
} kIntegerDigitsCases[] = {{"9784101010014", "9784101010014"},
                           {"9.784101010014E+12", "9784101010014"},
                           {"9.784101010014E12", "9784101010014"},
                           {"306406152", "306406152"},
                           {"4.1E1", "41"},
                           {"0", "0"},
                           {"1.5", ""},
                           {"-9784101010014", ""},
                           {"1E+400", ""},
                           {"5E-1", ""},
                           {"1E", ""},
                           {"", ""},
                           {"12a", ""}};

TEST(XmlSpreadsheet, IntegerDigits)
{
    for (const auto& row : kIntegerDigitsCases) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(IntegerDigits(row.number).value_or(""), row.digits);
    }
}

// An ISBN-10 typed as a number gets back the zeros it lost, and only those.
const struct {
    std::string_view digits;
    std::wstring_view shown;
    std::string_view restored;   // empty: none put back
} kLeadingZerosCases[] = {
    {"306406152", L"306406152", "0306406152"}, {"7123450", L"7123450", "0007123450"},   // a 0-00 publisher's
    {"306406152", L"0306406152", ""},                                                   // shown with its zero already
    {"123456788", L"123456788", ""},   // no ISBN-10 with its zero either
    {"4101010013", L"4101010013", ""},         {"712345", L"712345", ""},
};

TEST(NumberCells, LeadingZerosPutBack)
{
    for (const auto& row : kLeadingZerosCases) {
        SCOPED_TRACE(row.digits);
        EXPECT_EQ(WithLeadingZeros(row.digits, row.shown).value_or(""), row.restored);
    }
    for (const std::wstring_view shown : {L"9.78410E+12", L"1E+12"}) EXPECT_TRUE(ShowsCutShortNumber(shown));
    for (const std::wstring_view shown : {L"9784101010014", L"E+12", L"9.78E+", L"ISBN E+12", L"9.78E+1x"}) {
        EXPECT_FALSE(ShowsCutShortNumber(shown));
    }
}

}   // namespace
