#include "messages.h"

const char* OutcomeMessage(ConversionOutcome outcome)
{
    switch (outcome) {
    case ConversionOutcome::NoInput:         return NoInputMessage;
    case ConversionOutcome::WrongDigitCount: return WrongDigitCountMessage;
    case ConversionOutcome::InvalidData:     return InvalidDataMessage;
    case ConversionOutcome::BadCheckDigit:   return BadCheckDigitMessage;
    case ConversionOutcome::BadPrefix:       return BadPrefixMessage;
    case ConversionOutcome::Converted:       break;
    }
    return "";
}
