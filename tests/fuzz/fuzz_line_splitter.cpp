// isbnconv's line splitting against a plain reference: whatever the bytes and however
// they are cut into reads, each line arrives whole, or as exactly its first kCapacity
// bytes followed by the rest. The first byte says how many of the next bytes are read
// sizes; the rest is the stream.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "line_splitter.h"

namespace {

std::vector<std::string> ReferenceLines(std::string_view stream)
{
    std::vector<std::string> lines;
    while (!stream.empty()) {
        const std::size_t end = stream.find('\n');
        std::string_view line = stream.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        stream.remove_prefix(end == std::string_view::npos ? stream.size() : end + 1);
    }
    return lines;
}

template <std::size_t Capacity>
struct Collector {
    std::vector<std::string> lines;
    bool inLong = false;

    void Line(std::string_view line) { Add(line, !inLong && line.size() <= Capacity); }
    void LongLineBegin(std::string_view head) { Add(head, !inLong && head.size() == Capacity), inLong = true; }
    void LongLinePart(std::string_view part) { FUZZ_REQUIRE(inLong && !part.empty()), lines.back() += part; }
    void LongLineEnd() { FUZZ_REQUIRE(inLong && lines.back().size() > Capacity), inLong = false; }
    void Add(std::string_view line, bool inPlace) { FUZZ_REQUIRE(inPlace), lines.emplace_back(line); }
};

template <std::size_t Capacity>
void CheckSplitting(std::string_view readSizes, std::string_view stream)
{
    LineSplitter<Capacity> splitter;
    Collector<Capacity> sink;
    for (std::size_t read = 0, at = 0; at < stream.size(); ++read) {
        const std::size_t size = read < readSizes.size() ? 1 + static_cast<unsigned char>(readSizes[read]) : stream.size();
        splitter.Feed(stream.substr(at, size), sink);
        at += size;
    }
    splitter.Finish(sink);
    FUZZ_REQUIRE(!sink.inLong && sink.lines == ReferenceLines(stream));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t sizeCount = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 32;
    const std::string_view readSizes = bytes.substr(bytes.empty() ? 0 : 1, sizeCount);
    const std::string_view stream = bytes.substr(std::min(bytes.size(), 1 + readSizes.size()));
    CheckSplitting<4>(readSizes, stream);
    CheckSplitting<17>(readSizes, stream);
    CheckSplitting<256>(readSizes, stream);
    return 0;
}
