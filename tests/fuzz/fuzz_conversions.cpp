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

std::string WithoutHyphens(std::string text)
{
    std::erase(text, '-');
    return text;
}

// Whether the result is a success, once it has what every result must have.
bool Converted(const ConversionResult& result)
{
    const std::string_view isbn(result.isbnText), asin(result.asinText);
    const bool converted = result.outcome == ConversionOutcome::Converted;
    FUZZ_REQUIRE(converted ? asin.size() == 10 : isbn.empty() && asin.empty());
    FUZZ_REQUIRE(isbn.find_first_not_of("0123456789-X") == isbn.npos && asin.find_first_not_of("0123456789X") == asin.npos);
    return converted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    if (const ConversionResult to13 = ConvertOld2New(input); Converted(to13)) {
        const ConversionResult back = ConvertNew2Old(to13.isbnText);
        FUZZ_REQUIRE(Converted(back) && back.isbnText == input && to13.asinText == WithoutHyphens(input));
        FUZZ_REQUIRE(std::string_view(back.asinText) == to13.asinText);
    }
    if (const ConversionResult to10 = ConvertNew2Old(input); Converted(to10)) {
        const ConversionResult back = ConvertOld2New(to10.isbnText);
        FUZZ_REQUIRE(Converted(back) && std::string_view(back.asinText) == to10.asinText);
        // A plain ISBN-13 comes back with the one hyphen after 978; the other forms exactly.
        FUZZ_REQUIRE(input.size() == 13 ? WithoutHyphens(back.isbnText) == input : back.isbnText == input);
    }
    return 0;
}
