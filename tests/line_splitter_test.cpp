#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "line_reference.h"
#include "line_splitter.h"

namespace {

// Records what the splitter reports, and checks that the long-line calls come
// in a legal order with a head of exactly the capacity.
template <std::size_t Capacity>
struct RecordingSink {
    std::vector<SplitLine> lines;
    bool inLong = false;

    void Line(std::string_view line)
    {
        EXPECT_FALSE(inLong);
        EXPECT_LE(line.size(), Capacity);
        lines.push_back({std::string(line), false});
    }
    void LongLineBegin(std::string_view head)
    {
        EXPECT_FALSE(inLong);
        EXPECT_EQ(head.size(), Capacity);
        inLong = true;
        lines.push_back({std::string(head), true});
    }
    void LongLinePart(std::string_view part)
    {
        EXPECT_TRUE(inLong);
        EXPECT_FALSE(part.empty());
        lines.back().bytes += part;
    }
    void LongLineEnd()
    {
        EXPECT_TRUE(inLong);
        inLong = false;
    }
};

constexpr std::size_t kCapacity = 4;

std::vector<SplitLine> SplitInChunks(const std::string& input, std::size_t chunk)
{
    LineSplitter<kCapacity> splitter;
    RecordingSink<kCapacity> sink;
    for (std::size_t at = 0; at < input.size(); at += chunk) {
        splitter.Feed(std::string_view(input).substr(at, chunk), sink);
    }
    splitter.Finish(sink);
    EXPECT_FALSE(sink.inLong);
    return sink.lines;
}

// Inputs around every boundary: the capacity, CRs before and away from LFs, CRs at
// chunk edges and at the end of input, empty lines, no final LF.
const std::string kInputs[] = {
    "",
    "\n",
    "\n\n",
    "\r\n",
    "\r",
    "abc",
    "abc\n",
    "abcd\n",
    "abcd\r\n",
    "abcde\n",
    "abcde\r\n",
    "abcd\r",
    "abcde\r",
    "abcd\rx\n",
    "ab\rcd\n",
    "abcdefghij\r\n\r\nxy",
    "abcdefgh\r\r\n",
    "abcdefgh\r\rx",
    "a\r\rb\r\n\r",
    "abcd\r\r",
    std::string("ab\0d\0\n\0", 8),
    "line one that is long\nshort\r\nanother long one\r",
};

TEST(LineSplitter, MatchesTheRulesForEveryChunkSize)
{
    for (const std::string& input : kInputs) {
        const auto expected = ReferenceLines(input, kCapacity);
        for (std::size_t chunk = 1; chunk <= input.size() + 1; ++chunk) {
            SCOPED_TRACE("input \"" + input + "\", chunk " + std::to_string(chunk));
            EXPECT_EQ(SplitInChunks(input, chunk), expected);
        }
    }
}

TEST(LineSplitter, KeepsNoMoreThanItsCapacity)
{
    EXPECT_LE(sizeof(LineSplitter<256>), 256 + 1 + 3 * sizeof(std::size_t));
}

}  // namespace
