#include "agency_hyphens.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "agency_range_table.h"

const char* const kAgencyRangesDateText = kAgencyRangesDate;

namespace {

std::uint32_t Number(std::string_view digits)
{
    std::uint32_t value = 0;
    for (const char c : digits) value = value * 10 + static_cast<std::uint32_t>(c - '0');
    return value;
}

bool AllDigits(std::string_view text)
{
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The group whose span holds the seven digits after the prefix, keyed as the table keys
// them; looked for among the groups that start with the same three digits, or before them.
const RegistrationGroup* FindGroup(std::uint32_t key)
{
    const std::uint32_t bucket = key / 10'000;
    const RegistrationGroup* const first =
        kRegistrationGroups + (bucket > 0 ? kGroupBuckets[bucket] - (kGroupBuckets[bucket] > 0) : 0);
    const RegistrationGroup* const last = kRegistrationGroups + kGroupBuckets[bucket + 1];
    const RegistrationGroup* const after =
        std::partition_point(first, last, [key](const RegistrationGroup& group) { return group.first <= key; });
    if (after == first || key > (after - 1)->last) return nullptr;
    return after - 1;
}

constexpr std::uint32_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000};

// AgencySplit of 13 characters known to be digits.
std::optional<AgencyParts> Split(const char* digits, AgencyMemo* memo)
{
    const bool isbn978 = std::memcmp(digits, "978", 3) == 0;
    if (!isbn978 && std::memcmp(digits, "979", 3) != 0) return std::nullopt;
    const std::uint32_t key = (isbn978 ? 0u : 10'000'000u) + Number(std::string_view(digits + 3, 7));
    const bool sameGroup =
        memo != nullptr && memo->group != nullptr && key >= memo->group->first && key <= memo->group->last;
    const RegistrationGroup* group = sameGroup ? memo->group : FindGroup(key);
    if (group == nullptr) return std::nullopt;
    // The seven digits after the group: the rest of those seven (what lies past the
    // group's first key), then as many of the two before the check digit as there is room
    // for, then zeros.
    const std::size_t length = group->length;
    const std::size_t more = std::min<std::size_t>(length, 2);
    const std::uint32_t after = (key - group->first) * kPowersOfTen[length] +
                                Number(std::string_view(digits + 10, more)) * kPowersOfTen[length - more];
    const RegistrantRange* const first = kRegistrantRanges + group->firstRange;
    const RegistrantRange* const last = first + group->rangeCount;
    const bool sameRange =
        sameGroup && memo->range != nullptr && after >= memo->range->first && after <= memo->range->last;
    const RegistrantRange* range =
        sameRange ? memo->range
                  : std::partition_point(first, last, [after](const RegistrantRange& row) { return row.last < after; });
    if (memo != nullptr) {
        memo->group = group;
        memo->range = range != last ? range : nullptr;
    }
    // The publication element takes one digit at least.
    if (range == last || after < range->first || range->length >= 9 - length) return std::nullopt;
    return AgencyParts{length, range->length};
}

// Writes the `count` characters of `text` with a hyphen after those whose places (from 0)
// are set in `after`, and returns the end. Without branches: a hyphen is written after
// every character, and kept only where the bit says.
char* PutWithHyphens(const char* text, std::size_t count, unsigned after, char* out)
{
    for (std::size_t at = 0; at + 1 < count; ++at) {
        *out++ = text[at];
        *out = '-';
        out += (after >> at) & 1;
    }
    *out++ = text[count - 1];
    return out;
}

}   // namespace

std::optional<AgencyParts> AgencySplit(std::string_view digits13, AgencyMemo* memo)
{
    if (digits13.size() != 13 || !AllDigits(digits13)) return std::nullopt;
    return Split(digits13.data(), memo);
}

char* PutAgencyIsbn13(std::string_view digits13, char* out, AgencyMemo* memo)
{
    const std::optional<AgencyParts> parts = AgencySplit(digits13, memo);
    if (!parts) {
        std::memcpy(out, digits13.data(), digits13.size());
        return out + digits13.size();
    }
    // 978-4-10-101001-4: after the prefix, the group, the registrant and the publication.
    const std::size_t group = 2 + parts->group;
    const unsigned after = 1u << 2 | 1u << group | 1u << (group + parts->registrant) | 1u << 11;
    return PutWithHyphens(digits13.data(), 13, after, out);
}

char* PutAgencyIsbn10(std::string_view digits13, std::string_view isbn10, char* out, AgencyMemo* memo)
{
    const std::optional<AgencyParts> parts = AgencySplit(digits13, memo);
    if (!parts) {
        std::memcpy(out, isbn10.data(), isbn10.size());
        return out + isbn10.size();
    }
    // 4-10-101001-3: after the group, the registrant and the publication.
    const std::size_t group = parts->group - 1;
    const unsigned after = 1u << group | 1u << (group + parts->registrant) | 1u << 8;
    return PutWithHyphens(isbn10.data(), 10, after, out);
}
