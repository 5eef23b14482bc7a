// Both conversions on any bytes: a refusal carries no text; a success carries only
// digits, hyphens and X, and converting its ISBN back gives the input again, with
// the user's hyphens where the user typed them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "conversion.h"
#include "fuzz_check.h"

namespace {

std::string WithoutHyphens(std::string_view text)
{
    std::string digits;
    for (const char c : text) digits += c == '-' ? "" : std::string(1, c);
    return digits;
}

// Whether the result is a success; checks what every result must satisfy.
bool Converted(const ConversionResult& result)
{
    const std::string_view isbn(result.isbnText), asin(result.asinText);
    const bool converted = result.outcome == ConversionOutcome::Converted;
    FUZZ_REQUIRE(converted || (isbn.empty() && asin.empty()));
    FUZZ_REQUIRE(isbn.find_first_not_of("0123456789-X") == std::string_view::npos);
    FUZZ_REQUIRE(!converted || (asin.size() == 10 && asin.find_first_not_of("0123456789X") == std::string_view::npos));
    return converted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const ConversionResult to13 = ConvertOld2New(input);
    if (Converted(to13)) {
        const ConversionResult back = ConvertNew2Old(to13.isbnText);
        FUZZ_REQUIRE(to13.asinText == WithoutHyphens(input) && Converted(back));
        FUZZ_REQUIRE(back.isbnText == input && std::string_view(back.asinText) == to13.asinText);
    }
    const ConversionResult to10 = ConvertNew2Old(input);
    if (Converted(to10)) {
        const ConversionResult back = ConvertOld2New(to10.isbnText);
        FUZZ_REQUIRE(Converted(back) && std::string_view(back.asinText) == to10.asinText);
        // A plain ISBN-13 comes back with the one hyphen after 978; the other forms exactly.
        FUZZ_REQUIRE(input.size() == 13 ? WithoutHyphens(back.isbnText) == input : back.isbnText == input);
    }
    return 0;
}
