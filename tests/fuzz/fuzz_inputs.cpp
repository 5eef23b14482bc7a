// Any byte string, as isbnconv's input and as what a user types. Cut into reads of the
// sizes its first bytes give, it splits into the same lines as a plain reference does,
// each arriving whole or as exactly its first Capacity bytes and then the rest. Each of
// those lines, given to both conversions, ends in exactly one outcome; a converted
// result is NUL-terminated at its expected length and converts back to the same digits.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "conversion.h"
#include "line_splitter.h"

// Holds in every build type, NDEBUG included.
#define REQUIRE(condition) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace {

// Each line of the stream, one CR before an LF dropped.
std::vector<std::string> ReferenceLines(std::string_view stream)
{
    std::vector<std::string> lines;
    while (!stream.empty()) {
        const std::size_t end = std::min(stream.find('\n'), stream.size());
        const bool crlf = end < stream.size() && end > 0 && stream[end - 1] == '\r';
        lines.emplace_back(stream.substr(0, crlf ? end - 1 : end));
        stream.remove_prefix(std::min(end + 1, stream.size()));
    }
    return lines;
}

template <std::size_t Capacity>
struct Lines {
    std::vector<std::string> lines;
    bool inLong = false;

    void Line(std::string_view line)
    {
        REQUIRE(!inLong && line.size() <= Capacity);
        lines.emplace_back(line);
    }
    void LongLineBegin(std::string_view head)
    {
        REQUIRE(!inLong && head.size() == Capacity);
        lines.emplace_back(head);
        inLong = true;
    }
    void LongLinePart(std::string_view part)
    {
        REQUIRE(inLong && !part.empty());
        lines.back() += part;
    }
    void LongLineEnd()
    {
        REQUIRE(inLong);
        inLong = false;
    }
};

template <std::size_t Capacity>
void CheckSplitting(std::string_view stream, std::string_view readSizes, const std::vector<std::string>& expected)
{
    LineSplitter<Capacity> splitter;
    Lines<Capacity> sink;
    for (std::size_t read = 0; !stream.empty(); ++read) {
        const std::size_t size = 1 + static_cast<unsigned char>(readSizes[read % readSizes.size()]);
        splitter.Feed(stream.substr(0, size), sink);
        stream.remove_prefix(std::min(size, stream.size()));
    }
    splitter.Finish(sink);
    REQUIRE(!sink.inLong);
    REQUIRE(sink.lines == expected);
}

std::string WithoutHyphens(std::string text)
{
    std::erase(text, '-');
    return text;
}

void CheckConversions(std::string_view input)
{
    using Converter = ConversionResult (*)(std::string_view);
    for (const Converter convert : {ConvertOld2New, ConvertNew2Old}) {
        const ConversionResult result = convert(input);
        REQUIRE(result.outcome >= ConversionOutcome::Converted && result.outcome <= ConversionOutcome::BadPrefix);
        const std::size_t isbnLength = strnlen(result.isbnText, sizeof result.isbnText);
        const std::size_t asinLength = strnlen(result.asinText, sizeof result.asinText);
        if (result.outcome != ConversionOutcome::Converted) {
            REQUIRE(isbnLength == 0 && asinLength == 0);
            continue;
        }
        const bool toIsbn13 = convert == ConvertOld2New;
        const std::size_t expectedLength = toIsbn13 ? input.size() + 4 : (input.size() == 17 ? 13 : 10);
        REQUIRE(isbnLength == expectedLength && asinLength == 10);

        const ConversionResult back = (toIsbn13 ? ConvertNew2Old : ConvertOld2New)(result.isbnText);
        REQUIRE(back.outcome == ConversionOutcome::Converted);
        REQUIRE(WithoutHyphens(back.isbnText) == WithoutHyphens(std::string(input)));
        REQUIRE(std::strcmp(back.asinText, result.asinText) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = ReferenceLines(input);
    for (const std::string& line : lines) CheckConversions(line);
    const std::string_view readSizes = input.substr(0, 8);
    if (readSizes.empty()) return 0;
    CheckSplitting<4>(input, readSizes, lines);
    CheckSplitting<17>(input, readSizes, lines);
    CheckSplitting<256>(input, readSizes, lines);
    return 0;
}
