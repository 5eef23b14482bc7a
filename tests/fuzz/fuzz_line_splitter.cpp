// isbnconv's line splitting against a plain reference: any byte string, cut into reads
// of the sizes its first bytes give, splits into the same lines, each arriving whole or
// as exactly its first Capacity bytes and then the rest.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "line_splitter.h"

// Holds in every build type, NDEBUG included.
#define REQUIRE(condition) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace {

// Each line followed by LF, one CR before an LF dropped.
std::string ReferenceLines(std::string_view stream)
{
    std::string lines;
    for (std::size_t end = 0; !stream.empty(); stream.remove_prefix(std::min(end + 1, stream.size()))) {
        end = std::min(stream.find('\n'), stream.size());
        lines.append(stream.substr(0, end - (end < stream.size() && end > 0 && stream[end - 1] == '\r'))) += '\n';
    }
    return lines;
}

template <std::size_t Capacity>
struct Lines {
    std::string text;
    bool inLong = false;
    void Line(std::string_view line) { REQUIRE(!inLong && line.size() <= Capacity), text.append(line) += '\n'; }
    void LongLineBegin(std::string_view head) { REQUIRE(!inLong && head.size() == Capacity), text += head, inLong = true; }
    void LongLinePart(std::string_view part) { REQUIRE(inLong && !part.empty()), text += part; }
    void LongLineEnd() { REQUIRE(inLong), text += '\n', inLong = false; }
};

template <std::size_t Capacity>
void CheckSplitting(std::string_view stream, std::string_view readSizes)
{
    LineSplitter<Capacity> splitter;
    Lines<Capacity> sink;
    for (std::size_t read = 0, at = 0; at < stream.size(); at += 1 + static_cast<unsigned char>(readSizes[read++ % readSizes.size()])) {
        splitter.Feed(stream.substr(at, 1 + static_cast<unsigned char>(readSizes[read % readSizes.size()])), sink);
    }
    splitter.Finish(sink);
    REQUIRE(!sink.inLong && sink.text == ReferenceLines(stream));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::string_view readSizes = std::string_view(input).substr(0, 8);
    if (!readSizes.empty()) CheckSplitting<4>(input, readSizes), CheckSplitting<17>(input, readSizes), CheckSplitting<256>(input, readSizes);
    return 0;
}
