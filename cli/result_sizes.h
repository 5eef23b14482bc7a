// The sizes of what a clipboard session puts back, measured before anything is made: in
// 64 bits, so that no number of rows wraps them in the 32-bit program, and held to what
// that program can make with room to spare.
#pragma once

#include <cstdint>

// Excel's sheet has 1,048,576 rows: a copy of more is no copy of Excel's.
inline constexpr std::uint64_t kMostCopiedRows = 1048576;

// Both forms of the results together. The largest column Excel copies takes about a third
// of this; the 32-bit program holds them beside the copy it read, within the 2 GiB that
// 32-bit Windows gives it.
inline constexpr std::uint64_t kMostResultBytes = std::uint64_t{768} << 20;

// Whether `count` more fit into a block of `capacity` of which `used` are taken; written
// so that no sum can wrap.
constexpr bool FitsIn(std::uint64_t used, std::uint64_t count, std::uint64_t capacity)
{
    return used <= capacity && count <= capacity - used;
}

// Whether results of these sizes may be made.
constexpr bool ResultsWithinLimit(std::uint64_t textBytes, std::uint64_t htmlBytes)
{
    return FitsIn(textBytes, htmlBytes, kMostResultBytes);
}
