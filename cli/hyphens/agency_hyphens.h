// Where the International ISBN Agency puts an ISBN's hyphens: between the prefix (978 or
// 979), the registration group, the registrant, the publication and the check digit, as
// its range table of kAgencyRangesDate says (agency_ranges.txt). The same table tells
// whether the group and the registrant's range are assigned at all: a mistyped ISBN whose
// check digit holds by chance often lands in a range no publisher holds. Portable.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

struct RegistrationGroup;
struct RegistrantRange;

// What the last lookup found, for the next to try first: ISBNs in a list come in runs of
// one group's and of one publisher's, and each is then placed with a few comparisons.
struct AgencyMemo {
    const RegistrationGroup* group = nullptr;
    const RegistrantRange* range = nullptr;
};

// The lengths of the group and registrant elements.
struct AgencyParts {
    std::size_t group;
    std::size_t registrant;
};

// For the 13 digits of an ISBN-13, its check digit included; nothing when its group or
// its registrant's range is not assigned, or the digits are not 13.
std::optional<AgencyParts> AgencySplit(std::string_view digits13, AgencyMemo* memo = nullptr);

// The longest ISBN written with hyphens: 13 digits and 4 hyphens.
inline constexpr std::size_t kLongestHyphenated = 17;

// Writes the ISBN-13 of `digits13` (13 characters) with the agency's hyphens ("978-4-10-101001-4"), or
// without any where it has none to give; returns the end of what it wrote.
char* PutAgencyIsbn13(std::string_view digits13, char* out, AgencyMemo* memo = nullptr);

// Writes the ISBN-10 `isbn10` (ten characters, digits and perhaps X) with the hyphens of
// its ISBN-13 `digits13` (13 characters) ("4-10-101001-3"), or without any; returns the end.
char* PutAgencyIsbn10(std::string_view digits13, std::string_view isbn10, char* out, AgencyMemo* memo = nullptr);

// The date of the agency's list the table was made from, as YYYY-MM-DD.
extern const char* const kAgencyRangesDateText;
