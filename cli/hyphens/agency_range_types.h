// The shape of the generated range table (agency_range_table.h).
#pragma once

#include <cstdint>

// A registration group: the span of the seven digits after the prefix that it covers,
// 979's counted from 10,000,000 on (978-4 is 4000000-4999999), and its element's length.
struct RegistrationGroup {
    std::uint32_t first;
    std::uint32_t last;
    std::uint8_t length;
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
