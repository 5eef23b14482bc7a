// The sizes of a clipboard session's results, near the limits where 32 bits would wrap.
#include <gtest/gtest.h>

#include <cstdint>

#include "result_sizes.h"

namespace {

constexpr std::uint64_t k4GiB = std::uint64_t{1} << 32;

TEST(ResultSizes, NothingWraps)
{
    EXPECT_TRUE(FitsIn(10, 0, 10));
    EXPECT_FALSE(FitsIn(10, 1, 10));
    EXPECT_TRUE(FitsIn(0, 10, 10));
    EXPECT_FALSE(FitsIn(11, 0, 10)) << "a place already past the block";
    // used + count wraps a 32-bit size to 16, which would pass a guard that adds.
    EXPECT_FALSE(FitsIn(k4GiB - 16, 32, k4GiB - 1));
    EXPECT_FALSE(FitsIn(1, UINT64_MAX, UINT64_MAX));

    EXPECT_TRUE(ResultsWithinLimit(kMostResultBytes / 2, kMostResultBytes / 2));
    EXPECT_FALSE(ResultsWithinLimit(kMostResultBytes / 2, kMostResultBytes / 2 + 1));
    // 44.3 million empty rows measure about 4.3 GB of HTML, 2.1 MB once wrapped.
    EXPECT_FALSE(ResultsWithinLimit(44'300'000ull * 2 * 12, 4'297'100'315ull));
    EXPECT_FALSE(ResultsWithinLimit(UINT64_MAX, 1));
}

}   // namespace
