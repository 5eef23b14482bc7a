// ISBN-13 to ISBN-10. The prefix is tested before any other character: a number
// that is not a 978 ISBN is reported as such, whatever else is wrong with it.
#include "check_digits.h"
#include "conversion.h"
#include "scratch_area.h"

using namespace scratch;

namespace {

constexpr std::size_t kPlainLength = 13;
constexpr std::size_t kPrefixHyphenLength = 14;
constexpr std::size_t kHyphenatedLength = 17;
constexpr int kMostHyphens = 4;
constexpr std::size_t kPrefixLength = 3;

// Only 978 numbers have an ISBN-10: dropping a 979 prefix would name another book.
bool HasIsbn10Prefix(std::string_view text) { return text[0] == '9' && text[1] == '7' && text[2] == '8'; }

// From the fourth character on: digits and hyphens only; no hyphen in the plain
// form, only the fourth character in the prefix-hyphen form, at most four in all
// in the hyphenated form.
bool CharactersAllowed(std::string_view text)
{
    int hyphens = 0;
    for (std::size_t i = kPrefixLength; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) continue;
        if (c != '-') return false;
        const bool placeAllowed = text.size() == kHyphenatedLength     ? ++hyphens <= kMostHyphens
                                  : text.size() == kPrefixHyphenLength ? i == kPrefixLength
                                                                       : false;
        if (!placeAllowed) return false;
    }
    return true;
}

}   // namespace

ConversionResult ConvertNew2Old(std::string_view input)
{
    if (input.empty()) return Refused(ConversionOutcome::NoInput);
    if (input.size() != kPlainLength && input.size() != kPrefixHyphenLength && input.size() != kHyphenatedLength) {
        return Refused(ConversionOutcome::WrongDigitCount);
    }

    ScratchArea area{};
    CopyBytes(area.input, input);
    const std::string_view text(area.input, input.size());

    if (!HasIsbn10Prefix(text)) return Refused(ConversionOutcome::BadPrefix);
    if (text.size() != kPlainLength && text[kPrefixLength] != '-') {
        return Refused(ConversionOutcome::InvalidData);
    }
    if (!CharactersAllowed(text)) return Refused(ConversionOutcome::InvalidData);

    // The hyphenated form needs all four hyphens to leave thirteen digits, and a
    // trailing hyphen would take the check digit's place in the formatted result.
    const std::size_t digitCount = CopyWithoutHyphens(area.digits, text);
    if (digitCount != kPlainLength || text.back() == '-') return Refused(ConversionOutcome::InvalidData);

    if (!VerifyIsbn13(std::string_view(area.digits, kPlainLength))) {
        return Refused(ConversionOutcome::BadCheckDigit);
    }

    // The ten digits after the prefix; the last is the old ISBN-13 check digit,
    // which the ISBN-10 computation never reads.
    Writer(area.work).Text(std::string_view(area.digits + kPrefixLength, 10));
    const std::string_view candidate(area.work, 10);
    const int check = Isbn10CheckDigit(candidate);
    const auto appendCheck = [check](Writer& writer) {
        if (check == 10)
            writer.Char('X');
        else
            writer.Digit(check);
    };

    // "%.12s%d" from the fifth character keeps the user's own hyphens; the shorter
    // forms have none to keep and use "%.9s%d" on the candidate.
    Writer isbn(area.isbn);
    if (text.size() == kHyphenatedLength) {
        isbn.Text(Slice(text, kPrefixLength + 1, 12));
    } else {
        isbn.Text(Slice(candidate, 0, 9));
    }
    appendCheck(isbn);

    Writer asin(area.asin);
    asin.Text(Slice(candidate, 0, 9));
    appendCheck(asin);
    return Converted(area);
}
