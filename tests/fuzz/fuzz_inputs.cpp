// Every byte string, taken both as the text of a conversion and as a stream on
// isbnconv's standard input:
// - a refused conversion carries no text; a success carries only digits, hyphens and
//   X, and converting its ISBN back gives the input again, the user's hyphens included;
// - the stream, cut into reads of the sizes its first bytes give, splits into the lines
//   of a plain reference, each whole or as exactly its first Capacity bytes and the rest.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conversion.h"
#include "line_splitter.h"

// Holds in every build type, NDEBUG included.
#define REQUIRE(condition) \
    ((condition) ? void() : (std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace {

bool Converted(const ConversionResult& result)
{
    const std::string_view isbn(result.isbnText), asin(result.asinText);
    const bool converted = result.outcome == ConversionOutcome::Converted;
    REQUIRE(converted ? asin.size() == 10 : isbn.empty() && asin.empty());
    REQUIRE(isbn.find_first_not_of("0123456789-X") == isbn.npos && asin.find_first_not_of("0123456789X") == asin.npos);
    return converted;
}

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
    std::string digits = input;
    std::erase(digits, '-');
    if (const ConversionResult to13 = ConvertOld2New(input); Converted(to13)) {
        const ConversionResult back = ConvertNew2Old(to13.isbnText);
        REQUIRE(Converted(back) && back.isbnText == input && to13.asinText == digits && back.asinText == digits);
    }
    if (const ConversionResult to10 = ConvertNew2Old(input); Converted(to10)) {
        const ConversionResult back = ConvertOld2New(to10.isbnText);
        // A plain ISBN-13 comes back with the one hyphen after 978; the other forms exactly.
        REQUIRE(Converted(back) && back.asinText == std::string_view(to10.asinText));
        REQUIRE(size == 13 ? back.isbnText == "978-" + input.substr(3) : back.isbnText == input);
    }
    const std::string_view readSizes = std::string_view(input).substr(0, 8);
    if (!readSizes.empty()) CheckSplitting<4>(input, readSizes), CheckSplitting<17>(input, readSizes), CheckSplitting<256>(input, readSizes);
    return 0;
}
