#include "batch_converter.h"

#include <cstring>

#include "conversion.h"

namespace {

constexpr std::size_t kAsinLength = 10;

// "978-" in front and the check character in place of the old one.
std::size_t Isbn13Length(std::size_t inputLength) { return inputLength + 4; }

// The hyphenated form keeps its hyphens after the prefix; the others give plain digits.
std::size_t Isbn10Length(std::size_t inputLength) { return inputLength == 17 ? 13 : 10; }

// A status word with its TAB, in a slot of fixed size so that it is copied whole.
struct StatusField {
    char text[kStatusFieldRoom];
    std::size_t length;
};

constexpr StatusField MakeStatusField(std::string_view word)
{
    StatusField field{};
    for (std::size_t i = 0; i < word.size(); ++i) field.text[i] = word[i];
    field.text[word.size()] = '\t';
    field.length = word.size() + 1;
    return field;
}

// In the order of ConversionOutcome.
constexpr StatusField kStatusFields[] = {
    MakeStatusField(StatusName(ConversionOutcome::Converted)),
    MakeStatusField(StatusName(ConversionOutcome::NoInput)),
    MakeStatusField(StatusName(ConversionOutcome::WrongDigitCount)),
    MakeStatusField(StatusName(ConversionOutcome::InvalidData)),
    MakeStatusField(StatusName(ConversionOutcome::BadCheckDigit)),
    MakeStatusField(StatusName(ConversionOutcome::BadPrefix)),
};

// Copies a whole fixed-size array, padding included, and returns the place after
// its first `length` bytes: the next field overwrites the rest.
template <std::size_t N>
char* PutField(char* place, const char (&text)[N], std::size_t length)
{
    std::memcpy(place, text, N);
    return place + length;
}

}   // namespace

const Direction kTo13 = {ConvertOld2New, Isbn13Length};
const Direction kTo10 = {ConvertNew2Old, Isbn10Length};

void BatchConverter::WriteFields(std::string_view input)
{
    out_.Advance(PutFields(input, out_.Place(kFieldsRoom)));
    out_.Write(input);
}

char* BatchConverter::PutFields(std::string_view input, char* place)
{
    const ConversionResult result = direction_.convert(input);
    ++counts_[static_cast<std::size_t>(result.outcome)];

    const StatusField& status = kStatusFields[static_cast<std::size_t>(result.outcome)];
    const bool converted = result.outcome == ConversionOutcome::Converted;
    const std::size_t isbnLength = converted ? direction_.isbnLength(input.size()) : 0;
    const std::size_t asinLength = converted ? kAsinLength : 0;

    // Each array is copied whole and the next field starts where its text ends.
    place = PutField(place, status.text, status.length);
    place = PutField(place, result.isbnText, isbnLength);
    *place++ = '\t';
    place = PutField(place, result.asinText, asinLength);
    *place++ = '\t';
    return place;
}
