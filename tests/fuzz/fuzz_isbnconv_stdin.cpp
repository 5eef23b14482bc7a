// isbnconv's reading of standard input: whatever the bytes and however they are
// cut into reads, the lines that come out are the lines that went in.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "line_reference.h"
#include "line_splitter.h"

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

template <std::size_t Capacity>
struct Sink {
    std::vector<SplitLine> lines;
    bool inLong = false;

    void Line(std::string_view line)
    {
        if (inLong || line.size() > Capacity) Fail("short line out of place");
        lines.push_back({std::string(line), false});
    }
    void LongLineBegin(std::string_view head)
    {
        if (inLong || head.size() != Capacity) Fail("long line head");
        inLong = true;
        lines.push_back({std::string(head), true});
    }
    void LongLinePart(std::string_view part)
    {
        if (!inLong || part.empty()) Fail("long line part");
        lines.back().bytes += part;
    }
    void LongLineEnd()
    {
        if (!inLong) Fail("long line end");
        inLong = false;
    }
};

// Feeds the input in reads whose sizes come from the seed, as a pipe might.
template <std::size_t Capacity>
void Check(std::string_view input, unsigned seed)
{
    LineSplitter<Capacity> splitter;
    Sink<Capacity> sink;
    std::size_t at = 0;
    while (at < input.size()) {
        seed = seed * 1103515245u + 12345u;
        const std::size_t read = 1 + (seed >> 16) % 23;
        splitter.Feed(input.substr(at, read), sink);
        at += read;
    }
    splitter.Finish(sink);
    if (sink.inLong) Fail("long line left open");
    if (sink.lines != ReferenceLines(input, Capacity)) Fail("lines differ from the input's lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const unsigned seed = data[0];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    Check<4>(input, seed);
    Check<17>(input, seed);
    Check<256>(input, seed);
    return 0;
}
