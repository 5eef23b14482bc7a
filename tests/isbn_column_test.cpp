// The choice of a table's ISBN column, as a person would make it, and of its heading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "isbn_column.h"

namespace {

using Table = std::vector<std::vector<std::string>>;

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

// Order numbers, of which three pass the ISBN-10 check by chance.
Table WithOrderNumbers(Table table)
{
    const char* const kNumbers[] = {"1234500000", "1234500035", "1234500140", "2000000000", "2000000001",
                                    "2000000003", "2000000004", "2000000005", "2000000006", "2000000007"};
    for (std::size_t row = 1; row < table.size(); ++row) table[row].push_back(kNumbers[(row - 1) % 10]);
    return table;
}

const struct {
    const char* name;
    Table table;
    bool found;
    std::size_t column;
    std::vector<std::size_t> offered;
    bool heading;
} kColumnCases[] = {
    {"two books among ten beside order numbers",
     WithOrderNumbers({{"書名", "ISBN", "注文番号"},
                       {"a", ""},
                       {"b", ""},
                       {"c", "4101010013"},
                       {"d", ""},
                       {"e", ""},
                       {"f", ""},
                       {"g", "0306406152"},
                       {"h", ""},
                       {"i", ""},
                       {"j", ""}}),
     true,
     1,
     {},
     true},
    {"two columns alike", {{"4101010013", "0306406152"}, {"0306406152", "4101010013"}}, true, 0, {0, 1}, false},
    {"a column converting two in three beside a full one",
     {{"4101010013", "0306406152"}, {"0306406152", "x"}, {"4101010013", "4101010013"}, {"0306406152", ""}},
     true,
     0,
     {},
     false},
    {"a heading naming ISBN over mistyped rows", {{"ISBN"}, {"4101010013"}, {"x"}, {"y"}}, true, 0, {0}, true},
    {"one book in three", {{"a", "4101010013"}, {"b", "x"}, {"c", "y"}}, true, 1, {1}, false},
    {"a named column beside one alike", {{"ISBN", "番号"}, {"4101010013", "0306406152"}}, true, 0, {}, true},
    {"two named columns alike",
     {{"ISBN", "旧ISBN"}, {"4101010013", "0306406152"}, {"0306406152", "4101010013"}},
     true,
     0,
     {0, 1},
     true},
    {"a heading over a column filled in 4 of 10",
     {{"番号"}, {"4101010013"}, {""}, {""}, {"0306406152"}, {""}, {"4101010013"}, {""}, {""}, {"0306406152"}, {""}},
     true,
     0,
     {},
     true},
    {"an empty first cell", {{""}, {"4101010013"}, {"0306406152"}}, true, 0, {}, false},
    {"a mistyped first ISBN", {{"4-10-101001-4"}, {"4101010013"}, {"0306406152"}}, true, 0, {}, false},
    {"nothing converts", {{"書名", "価格"}, {"本", "100"}}, false, 0, {}, false},
};

TEST(IsbnColumn, ChoosesAsAPersonWould)
{
    for (const auto& row : kColumnCases) {
        SCOPED_TRACE(row.name);
        ColumnTally tally(kTo13);
        for (const std::vector<std::string>& cells : row.table) {
            for (const std::string& cell : cells)
                tally.Cell(cell, tally.Rows() == 0 && NamesIsbn(std::string_view(cell)));
            tally.EndRow();
        }
        const ColumnChoice choice = tally.Choose();
        EXPECT_EQ(choice.found, row.found);
        EXPECT_EQ(choice.column, row.column);
        EXPECT_EQ(choice.offered, row.offered);
        EXPECT_EQ(tally.FirstRowIsHeading(row.column), row.heading);
    }
}

}   // namespace
