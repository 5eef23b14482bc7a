// The agency's hyphens, as its range table places them: groups of every length, both ends
// of each of Japan's registrant ranges, 979, and ranges no publisher holds.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "agency_hyphens.h"

namespace {

const struct {
    std::string_view digits;
    std::string_view hyphenated;   // the digits alone: not assigned
} kHyphenCases[] = {
    {"9784101010014", "978-4-10-101001-4"}, {"9784001234565", "978-4-00-123456-5"},
    {"9784199999994", "978-4-19-999999-4"}, {"9784200123455", "978-4-200-12345-5"},
    {"9784699123455", "978-4-699-12345-5"}, {"9784700012341", "978-4-7000-1234-1"},
    {"9784849912342", "978-4-8499-1234-2"}, {"9784850001233", "978-4-85000-123-3"},
    {"9784899991236", "978-4-89999-123-6"}, {"9784900000124", "978-4-900000-12-4"},
    {"9784949999120", "978-4-949999-12-0"}, {"9784950000013", "978-4-9500000-1-3"},
    {"9784999999910", "978-4-9999999-1-0"}, {"9780306406157", "978-0-306-40615-7"},
    {"9788930012348", "978-89-300-1234-8"}, {"9786001001239", "978-600-100-123-9"},
    {"9789934012341", "978-9934-0-1234-1"}, {"9789990150018", "978-99901-500-1-8"},
    {"9791020012340", "979-10-200-1234-0"}, {"9798200123452", "979-8-200-12345-2"},
    {"9786111234565", "9786111234565"},   // a group with no registrant assigned
    {"9786503123453", "9786503123453"},   // a registrant between two ranges
    {"9770306406150", "9770306406150"},   // no ISBN prefix
};

TEST(AgencyHyphens, PlacesTheAgencysHyphens)
{
    AgencyMemo memo;   // what the row before found, tried first, whether it holds or not
    for (const auto& row : kHyphenCases) {
        SCOPED_TRACE(row.digits);
        char written[kLongestHyphenated];
        EXPECT_EQ(std::string_view(written, PutAgencyIsbn13(row.digits, written)), row.hyphenated);
        EXPECT_EQ(std::string_view(written, PutAgencyIsbn13(row.digits, written, &memo)), row.hyphenated);
        EXPECT_EQ(AgencySplit(row.digits).has_value(), row.hyphenated.size() == kLongestHyphenated);
    }
    char written[kLongestHyphenated];
    EXPECT_EQ(std::string_view(written, PutAgencyIsbn10("9784101010014", "4101010013", written)), "4-10-101001-3");
    EXPECT_EQ(std::string_view(written, PutAgencyIsbn10("9786111234565", "6111234566", written)), "6111234566");
    EXPECT_FALSE(AgencySplit("978410101001"));
    EXPECT_FALSE(AgencySplit("97841010100X4"));
}

}   // namespace
