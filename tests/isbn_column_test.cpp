// The choice of a table's ISBN column, as a person would make it, and of its heading.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "isbn_column.h"
#include "tabbed_text.h"

namespace {

TEST(IsbnColumn, HeadingsThatNameIsbn)
{
    for (const std::wstring_view heading :
         {L"ISBN", L"isbn", L"ＩＳＢＮ", L"ｉｓｂｎ", L"ISBN-13", L"ISBNコード", L"旧Isbn"}) {
        EXPECT_TRUE(NamesIsbn(heading)) << testing::PrintToString(std::wstring(heading));
    }
    for (const std::wstring_view heading : {L"IS BN", L"ISB", L"書名", L""}) {
        EXPECT_FALSE(NamesIsbn(heading)) << testing::PrintToString(std::wstring(heading));
    }
}

// Two books among ten, beside order numbers of which three pass the ISBN-10 check by chance.
std::string OrderNumbers()
{
    const char* const kNumbers[] = {"1234500000", "1234500035", "1234500140", "2000000000", "2000000001",
                                    "2000000003", "2000000004", "2000000005", "2000000006", "2000000007"};
    std::string table = "書名\tISBN\t注文番号\r\n";
    for (int row = 0; row < 10; ++row) {
        table += "本\t" +
                 std::string(row == 2   ? "4101010013"
                             : row == 6 ? "0306406152"
                                        : "") +
                 "\t" + kNumbers[row] + "\r\n";
    }
    return table;
}

// An ISBN column of seven ISBN-10s and three ISBN-13s, beside a note that holds one ISBN-10.
std::string ManyIsbn13s()
{
    std::string table = "ISBN\t備考\r\n";
    for (int row = 0; row < 10; ++row) table += row < 7 ? "4101010013\t\r\n" : "9784101010014\t\r\n";
    return table + "0306406152\t0306406152\r\n";
}

const struct {
    std::string table;   // as copied
    int column;          // chosen; -1 when no cell converts
    std::vector<std::size_t> offered;
    bool heading;
} kColumnCases[] = {
    {OrderNumbers(), 1, {}, true},
    {"4101010013\t0306406152\r\n0306406152\t4101010013\r\n", 0, {0, 1}, false},   // two alike
    {"4101010013\t0306406152\r\n0306406152\tx\r\n4101010013\t4101010013\r\n0306406152\t\r\n", 0, {}, false},
    {"本\t4101010013\r\n本\tx\r\n本\ty\r\n", 1, {1}, false},     // one ISBN in three
    {"ISBN\r\n4101010013\r\nx\r\ny\r\n", 0, {0}, true},          // a heading that names ISBN
    {"ISBN\t番号\r\n4101010013\t0306406152\r\n", 0, {}, true},   // the name decides
    {"ISBN\t旧ISBN\r\n4101010013\t0306406152\r\n0306406152\t4101010013\r\n", 0, {0, 1}, true},
    {"番号\r\n4101010013\r\n\r\n\r\n0306406152\r\n\r\n4101010013\r\n\r\n\r\n0306406152\r\n\r\n", 0, {}, true},
    {"\r\n4101010013\r\n0306406152\r\n", 0, {}, false},                // an empty first cell
    {"4-10-101001-4\r\n4101010013\r\n0306406152\r\n", 0, {}, false},   // a mistyped first ISBN
    {"書名\t価格\r\n本\t100\r\n", -1, {}, false},
    {ManyIsbn13s(), 0, {}, true},   // seven of ten beside one of one
};

TEST(IsbnColumn, ChoosesAsAPersonWould)
{
    for (const auto& row : kColumnCases) {
        SCOPED_TRACE(row.table.substr(0, 60));
        ColumnTally tally(kTo13);
        ForEachRow(std::string_view(row.table), [&tally](std::span<const TabbedCell<char>> cells) {
            for (const TabbedCell<char>& cell : cells) tally.Cell(cell.raw, tally.Rows() == 0 && NamesIsbn(cell.raw));
            tally.EndRow();
        });
        const ColumnChoice choice = tally.Choose();
        EXPECT_EQ(choice.found, row.column >= 0);
        EXPECT_EQ(choice.column, static_cast<std::size_t>(std::max(row.column, 0)));
        EXPECT_EQ(choice.offered, row.offered);
        EXPECT_EQ(tally.FirstRowIsHeading(choice.column), row.heading);
    }
}

}   // namespace
