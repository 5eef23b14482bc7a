#include "messages.h"

const char* OutcomeMessage(ConversionOutcome outcome)
{
    // clang-format off
    switch (outcome) {
    case ConversionOutcome::NoInput:         return NoInputMessage;
    case ConversionOutcome::WrongDigitCount: return WrongDigitCountMessage;
    case ConversionOutcome::InvalidData:     return InvalidDataMessage;
    case ConversionOutcome::BadCheckDigit:   return BadCheckDigitMessage;
    case ConversionOutcome::BadPrefix:       return BadPrefixMessage;
    case ConversionOutcome::Converted:       break;
    }
    // clang-format on
    return "";
}
