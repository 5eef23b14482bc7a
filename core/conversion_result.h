// What one conversion attempt yields: its outcome and, on success, the two texts
// that the result fields show. The record owns its texts and never touches the heap.
#pragma once

enum class ConversionOutcome { Converted, NoInput, WrongDigitCount, InvalidData, BadCheckDigit, BadPrefix };

struct ConversionResult {
    ConversionOutcome outcome = ConversionOutcome::Converted;
    char isbnText[18] = {};   // NUL-terminated, at most 17 characters; empty unless Converted
    char asinText[11] = {};   // NUL-terminated, 10 characters; empty unless Converted
};
