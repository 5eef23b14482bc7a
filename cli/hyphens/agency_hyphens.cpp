#include "agency_hyphens.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <tuple>

#include "agency_range_table.h"

const char* const kAgencyRangesDateText = kAgencyRangesDate;

namespace {

std::uint32_t Number(std::string_view digits)
{
    std::uint32_t value = 0;
    for (const char c : digits) value = value * 10 + static_cast<std::uint32_t>(c - '0');
    return value;
}

const RegistrationGroup* FindGroup(std::uint16_t prefix, std::uint8_t length, std::uint32_t group)
{
    const auto key = std::tuple(prefix, length, group);
    const auto found = std::lower_bound(std::begin(kRegistrationGroups), std::end(kRegistrationGroups), key,
                                        [](const RegistrationGroup& row, const auto& wanted) {
                                            return std::tuple(row.prefix, row.length, row.group) < wanted;
                                        });
    if (found == std::end(kRegistrationGroups) || std::tuple(found->prefix, found->length, found->group) != key) {
        return nullptr;
    }
    return found;
}

// Copies `text` and a hyphen after it.
char* PutElement(std::string_view text, char* out)
{
    std::memcpy(out, text.data(), text.size());
    out[text.size()] = '-';
    return out + text.size() + 1;
}

}   // namespace

std::optional<AgencyParts> AgencySplit(std::string_view digits13)
{
    if (digits13.size() != 13 || digits13.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const auto prefix = static_cast<std::uint16_t>(Number(digits13.substr(0, 3)));
    // Groups form a prefix code: at most one length matches.
    for (std::uint8_t length = 1; length <= 5; ++length) {
        const RegistrationGroup* group = FindGroup(prefix, length, Number(digits13.substr(3, length)));
        if (group == nullptr) continue;
        // The seven digits after the group, the check digit's place counting as 0.
        std::string_view after = digits13.substr(3 + length, 9 - length);
        std::uint32_t seven = Number(after.substr(0, 7));
        for (std::size_t missing = after.size(); missing < 7; ++missing) seven *= 10;
        const RegistrantRange* ranges = kRegistrantRanges + group->firstRange;
        for (const RegistrantRange* range = ranges; range != ranges + group->rangeCount; ++range) {
            if (seven < range->first || seven > range->last) continue;
            // The publication element takes one digit at least.
            if (range->length >= after.size()) return std::nullopt;
            return AgencyParts{length, range->length};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

char* PutAgencyIsbn13(std::string_view digits13, char* out)
{
    const std::optional<AgencyParts> parts = AgencySplit(digits13);
    if (!parts) {
        std::memcpy(out, digits13.data(), digits13.size());
        return out + digits13.size();
    }
    const std::size_t publication = 9 - parts->group - parts->registrant;
    out = PutElement(digits13.substr(0, 3), out);
    out = PutElement(digits13.substr(3, parts->group), out);
    out = PutElement(digits13.substr(3 + parts->group, parts->registrant), out);
    out = PutElement(digits13.substr(12 - publication, publication), out);
    *out = digits13[12];
    return out + 1;
}

char* PutAgencyIsbn10(std::string_view digits13, std::string_view isbn10, char* out)
{
    const std::optional<AgencyParts> parts = AgencySplit(digits13);
    if (!parts) {
        std::memcpy(out, isbn10.data(), isbn10.size());
        return out + isbn10.size();
    }
    const std::size_t publication = 9 - parts->group - parts->registrant;
    out = PutElement(isbn10.substr(0, parts->group), out);
    out = PutElement(isbn10.substr(parts->group, parts->registrant), out);
    out = PutElement(isbn10.substr(9 - publication, publication), out);
    *out = isbn10[9];
    return out + 1;
}
