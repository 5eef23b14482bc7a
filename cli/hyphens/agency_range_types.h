// The shape of the generated range table (agency_range_table.h).
#pragma once

#include <cstdint>

// A registration group: its prefix (978 or 979), and the group element's length and value.
struct RegistrationGroup {
    std::uint16_t prefix;
    std::uint8_t length;
    std::uint32_t group;
    std::uint16_t firstRange;   // its ranges in kRegistrantRanges
    std::uint16_t rangeCount;
};

// Registrant elements of one length assigned within a group, their bounds widened to the
// seven digits that follow the group: 200-699 is 2000000-6999999.
struct RegistrantRange {
    std::uint32_t first;
    std::uint32_t last;
    std::uint8_t length;
};
