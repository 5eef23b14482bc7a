#include "batch_converter.h"

#include <cstring>

#include "agency_hyphens.h"
#include "conversion.h"
#include "tabbed_text.h"

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

constexpr StatusField kMissingColumnField = MakeStatusField(kMissingColumnStatus);

// The column'th cell of `text` (from 1), if the text reaches it, and whether its end is
// there: the last cell of a line is whole, that of a long line's first part may go on.
// Cells split at TABs, but for a quoted cell's own (tabbed_text.h); `whole` false says
// that the text is a long line's first part, where a quoted cell may not yet have ended.
struct Field {
    std::string_view value;
    bool found;
    bool closed;
};

Field FindField(std::string_view text, std::size_t column, bool whole)
{
    std::size_t start = 0;
    for (std::size_t field = 1;; ++field) {
        std::size_t end = text.npos;
        if (start < text.size() && text[start] == '"') [[unlikely]] {
            end = QuotedCellEnd(text, start, whole);
            if (end == kQuoteUndecided) return {{}, false, false};
        }
        end = text.find('\t', end == text.npos ? start : end);
        if (field == column) {
            if (end == text.npos) return {text.substr(start), true, false};
            return {text.substr(start, end - start), true, true};
        }
        if (end == text.npos) return {{}, false, false};
        start = end + 1;
    }
}

// Copies a whole fixed-size array, padding included, and returns the place after
// its first `length` bytes: the next field overwrites the rest.
template <std::size_t N>
char* PutField(char* place, const char (&text)[N], std::size_t length)
{
    std::memcpy(place, text, N);
    return place + length;
}

// A refusal's status with the empty ISBN and ASIN fields.
char* PutRefusal(const StatusField& status, char* place)
{
    place = PutField(place, status.text, status.length);
    *place++ = '\t';
    *place++ = '\t';
    return place;
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
    if (column_ != 0) [[unlikely]] {
        const Field field = FindField(input, column_, true);
        if (!field.found) {
            ++missingColumns_;
            return PutRefusal(kMissingColumnField, place);
        }
        input = field.value;
    }
    ConversionResult result = direction_.convert(input);
    char read[kLongestNotation];
    if (lenient_ && result.outcome != ConversionOutcome::Converted) [[unlikely]] {
        const NotationText notation = ReadIsbnNotation(input, code_, read);
        if (notation.read != 0) {
            input = notation.text;
            result = direction_.convert(input);
            readOtherwise_ += result.outcome == ConversionOutcome::Converted ? 1 : 0;
        }
    }
    ++counts_[static_cast<std::size_t>(result.outcome)];

    const StatusField& status = kStatusFields[static_cast<std::size_t>(result.outcome)];
    const bool converted = result.outcome == ConversionOutcome::Converted;
    const std::size_t isbnLength = converted ? direction_.isbnLength(input.size()) : 0;
    const std::size_t asinLength = converted ? kAsinLength : 0;

    // Each array is copied whole and the next field starts where its text ends.
    place = PutField(place, status.text, status.length);
    if (hyphens_ != Hyphens::AsTyped && converted) [[unlikely]] {
        place = PutConvertedIsbn(direction_, hyphens_, input, result, place, &memo_);
    } else {
        place = PutField(place, result.isbnText, isbnLength);
    }
    *place++ = '\t';
    place = PutField(place, result.asinText, asinLength);
    *place++ = '\t';
    return place;
}

Isbn13Digits::Isbn13Digits(const Direction& direction, std::string_view input, const ConversionResult& result)
{
    // 978, the ISBN-10's first nine digits (the ASIN's), and the ISBN-13's check digit: the
    // result's last character going to 13, the input's going to 10.
    std::memcpy(digits, "978", 3);
    std::memcpy(digits + 3, result.asinText, 9);
    digits[12] = &direction == &kTo13 ? result.isbnText[direction.isbnLength(input.size()) - 1] : input.back();
}

char* PutConvertedIsbn(const Direction& direction, Hyphens hyphens, std::string_view input,
                       const ConversionResult& result, char* place, AgencyMemo* memo)
{
    if (hyphens == Hyphens::LikeInput) hyphens = input.find('-') != input.npos ? Hyphens::Agency : Hyphens::None;
    if (hyphens == Hyphens::AsTyped) {
        const std::size_t length = direction.isbnLength(input.size());
        std::memcpy(place, result.isbnText, length);
        return place + length;
    }
    const Isbn13Digits isbn13(direction, input, result);
    const std::string_view isbn10(result.asinText, kAsinLength);
    const bool to13 = &direction == &kTo13;
    if (hyphens == Hyphens::Agency) {
        return to13 ? PutAgencyIsbn13(isbn13.View(), place, memo) : PutAgencyIsbn10(isbn13.View(), isbn10, place, memo);
    }
    const std::string_view digits = to13 ? isbn13.View() : isbn10;
    std::memcpy(place, digits.data(), digits.size());
    return place + digits.size();
}

// Whether a long line lacks the column, or what its column holds past the first
// part, would take holding the whole line to tell; such a line is refused as a long
// line always was, on its length, which no accepted input comes near.
char* BatchConverter::PutLongLineFields(std::string_view head, char* place)
{
    if (column_ != 0 && FindField(head, column_, false).closed) return PutFields(head, place);
    ++longLines_;
    ++counts_[static_cast<std::size_t>(ConversionOutcome::WrongDigitCount)];
    return PutRefusal(kStatusFields[static_cast<std::size_t>(ConversionOutcome::WrongDigitCount)], place);
}
