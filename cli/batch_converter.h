// Turns each input into one output record: status, ISBN, ASIN and the input
// itself, TAB-separated. Works as the sink of LineSplitter, and takes arguments
// through Line() as well. Given a column, it converts that TAB-separated field of
// each input instead of the whole input, and still echoes the input whole.
#pragma once

#include <cstddef>
#include <string_view>

#include "agency_hyphens.h"
#include "conversion_result.h"
#include "isbn_notation.h"
#include "output_buffer.h"

using Conversion = ConversionResult (*)(std::string_view);

// One direction of conversion, with the length of the ISBN it makes from an
// accepted input of a given length, so that no record needs its texts measured.
struct Direction {
    Conversion convert;
    std::size_t (*isbnLength)(std::size_t inputLength);
};

extern const Direction kTo13;   // ISBN-10 to ISBN-13
extern const Direction kTo10;   // ISBN-13 (978) to ISBN-10

// The other direction: what converts an ISBN-13 where an ISBN-10 was asked for.
inline const Direction& OtherDirection(const Direction& direction) { return &direction == &kTo13 ? kTo10 : kTo13; }

inline constexpr std::size_t kOutcomeCount = 6;

// The room a status word takes with its TAB, in a slot of fixed size.
inline constexpr std::size_t kStatusFieldRoom = 20;

// The status word of an outcome, as the first field of a record.
constexpr std::string_view StatusName(ConversionOutcome outcome)
{
    // clang-format off
    switch (outcome) {
    case ConversionOutcome::Converted:       return "ok";
    case ConversionOutcome::NoInput:         return "no-input";
    case ConversionOutcome::WrongDigitCount: return "wrong-digit-count";
    case ConversionOutcome::InvalidData:     return "invalid-data";
    case ConversionOutcome::BadCheckDigit:   return "bad-check-digit";
    case ConversionOutcome::BadPrefix:       return "bad-prefix";
    }
    // clang-format on
    return "unknown";
}

// The status of an input with fewer fields than the column asked for.
inline constexpr std::string_view kMissingColumnStatus = "missing-column";

// How a converted ISBN is written: with the hyphens typed (the dialogs' rule: the prefix
// and its hyphen, then the input's own), with the agency's hyphens (agency_hyphens.h;
// digits alone where the agency's table has none to give), as digits alone, or like the
// input: the agency's hyphens where it has hyphens, digits alone where it has none.
enum class Hyphens { AsTyped, Agency, None, LikeInput };

// The 13 digits of the ISBN-13 on either side of a conversion of `input` that converted:
// the result's going to 13, the input's going to 10.
struct Isbn13Digits {
    char digits[13] = {};
    Isbn13Digits(const Direction& direction, std::string_view input, const ConversionResult& result);
    std::string_view View() const { return {digits, sizeof digits}; }
};

// Writes the ISBN that converting `input` gave, as `hyphens` says; returns the end. Room
// for 17 characters.
char* PutConvertedIsbn(const Direction& direction, Hyphens hyphens, std::string_view input,
                       const ConversionResult& result, char* place, AgencyMemo* memo = nullptr);

class BatchConverter {
public:
    // Column 0 converts each input whole; column N its Nth TAB-separated field.
    BatchConverter(const Direction& direction, OutputBuffer& out, std::size_t column = 0,
                   Hyphens hyphens = Hyphens::AsTyped)
        : direction_(direction), out_(out), column_(column), hyphens_(hyphens)
    {}

    // From now on, an input that does not convert as the dialogs read it is read as
    // Japanese sheets write ISBNs (isbn_notation.h), in the given encoding, where that
    // reads it as an ISBN: converted, or refused for what is wrong with it so read.
    void ReadLeniently(TextCode code)
    {
        lenient_ = true;
        code_ = code;
    }

    void Line(std::string_view input)
    {
        WriteFields(input);
        out_.EndRecord();
    }

    // A line longer than any accepted input is refused on its length alone, so its
    // first bytes decide the outcome and the rest is only echoed. With a column, a
    // field that a TAB closes within those bytes is converted as it stands.
    void LongLineBegin(std::string_view head)
    {
        out_.Advance(PutLongLineFields(head, out_.Place(kFieldsRoom)));
        out_.Write(head);
    }
    void LongLinePart(std::string_view part) { out_.Write(part); }
    void LongLineEnd() { out_.EndRecord(); }

    // A table's heading line, echoed after the result's own headings, `fields` (each
    // with its TAB); the line's end, or its long rest, follows as usual.
    void Heading(std::string_view fields, std::string_view line)
    {
        out_.Write(fields);
        out_.Write(line);
    }

    bool AllConverted() const
    {
        for (std::size_t outcome = 1; outcome < kOutcomeCount; ++outcome) {
            if (counts_[outcome] != 0) return false;
        }
        return missingColumns_ == 0;
    }
    // How many inputs ended in the outcome, how many lines were too long to be an ISBN
    // or to hold the column, and how many lacked the column.
    std::size_t Count(ConversionOutcome outcome) const { return counts_[static_cast<std::size_t>(outcome)]; }
    std::size_t LongLines() const { return longLines_; }
    std::size_t ReadOtherwise() const { return readOtherwise_; }   // converted once read leniently
    std::size_t MissingColumns() const { return missingColumns_; }

    // For records in another encoding: converts `input` (its column, given one), or
    // through PutLongLineFields the first part of a long line, counts its outcome, and
    // puts the status, ISBN and ASIN fields, each with its TAB, at `place`, which has
    // room for kFieldsRoom bytes. Returns the end of what it put.
    static constexpr std::size_t kFieldsRoom =
        kStatusFieldRoom + sizeof(ConversionResult::isbnText) + sizeof(ConversionResult::asinText) + 2;
    char* PutFields(std::string_view input, char* place);
    char* PutLongLineFields(std::string_view head, char* place);

private:
    void WriteFields(std::string_view input);

    const Direction& direction_;
    OutputBuffer& out_;
    std::size_t column_;
    Hyphens hyphens_;
    AgencyMemo memo_;
    bool lenient_ = false;
    TextCode code_ = TextCode::Utf8;
    std::size_t readOtherwise_ = 0;
    std::size_t counts_[kOutcomeCount] = {};   // by ConversionOutcome, Converted first
    std::size_t longLines_ = 0;
    std::size_t missingColumns_ = 0;
};
