#include "batch_converter.h"

std::string_view StatusName(ConversionOutcome outcome)
{
    switch (outcome) {
    case ConversionOutcome::Converted:       return "ok";
    case ConversionOutcome::NoInput:         return "no-input";
    case ConversionOutcome::WrongDigitCount: return "wrong-digit-count";
    case ConversionOutcome::InvalidData:     return "invalid-data";
    case ConversionOutcome::BadCheckDigit:   return "bad-check-digit";
    case ConversionOutcome::BadPrefix:       return "bad-prefix";
    }
    return "unknown";
}

void BatchConverter::WriteFields(std::string_view input)
{
    const ConversionResult result = convert_(input);
    if (result.outcome != ConversionOutcome::Converted) allConverted_ = false;

    out_.Write(StatusName(result.outcome));
    out_.Write('\t');
    out_.Write(result.isbnText);
    out_.Write('\t');
    out_.Write(result.asinText);
    out_.Write('\t');
    out_.Write(input);
}
