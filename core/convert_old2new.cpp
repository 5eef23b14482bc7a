// ISBN-10 to ISBN-13. The rules are tested in a fixed order and the first one broken
// names the outcome, so that the user is told about the most basic fault first.
#include "check_digits.h"
#include "conversion.h"
#include "scratch_area.h"

using namespace scratch;

namespace {

constexpr std::size_t kPlainLength = 10;
constexpr std::size_t kHyphenatedLength = 13;
constexpr int kMostHyphens = 3;

// Digits, the hyphen and the upper-case X are the only characters; X only as the
// check character, hyphens only in the 13-character form and no more than three.
bool CharactersAllowed(std::string_view text)
{
    const bool hyphenated = text.size() == kHyphenatedLength;
    int hyphens = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) continue;
        if (c == '-') {
            if (!hyphenated || ++hyphens > kMostHyphens) return false;
        } else if (c != 'X' || i + 1 != text.size()) {
            return false;
        }
    }
    return true;
}

// The rules from the characters on, for an input of an accepted length. The length
// is a constant here, so that every scan below runs a fixed number of steps.
template <std::size_t Length>
ConversionResult ConvertOfLength(std::string_view input)
{
    ScratchArea area{};
    CopyBytes(area.input, Slice(input, 0, Length));
    const std::string_view text(area.input, Length);

    if (!CharactersAllowed(text)) return Refused(ConversionOutcome::InvalidData);

    // The 13-character form needs all three hyphens to leave ten characters, and a
    // trailing hyphen would take the check character's place in the formatted result.
    const std::size_t digitCount = CopyWithoutHyphens(area.digits, text);
    if (digitCount != kPlainLength || text.back() == '-') return Refused(ConversionOutcome::InvalidData);

    if (!VerifyIsbn10(std::string_view(area.digits, kPlainLength))) {
        return Refused(ConversionOutcome::BadCheckDigit);
    }

    // 978 followed by the old digit string; its last character, the old check
    // character, is never read by the ISBN-13 computation.
    const std::string_view digits(area.digits, kPlainLength);
    Writer(area.work).Text("978").Text(digits);
    const int check = Isbn13CheckDigit(std::string_view(area.work, 13));

    // Everything the user typed but the check character, hyphens included:
    // "978-%.9s%d" for the plain form, "978-%.12s%d" for the hyphenated one.
    Writer(area.isbn).Text("978-").Text(Slice(text, 0, text.size() - 1)).Digit(check);
    Writer(area.asin).Text(digits);
    return Converted(area);
}

}   // namespace

ConversionResult ConvertOld2New(std::string_view input)
{
    if (input.empty()) return Refused(ConversionOutcome::NoInput);
    // clang-format off
    switch (input.size()) {
    case kPlainLength:      return ConvertOfLength<kPlainLength>(input);
    case kHyphenatedLength: return ConvertOfLength<kHyphenatedLength>(input);
    }
    // clang-format on
    return Refused(ConversionOutcome::WrongDigitCount);
}
