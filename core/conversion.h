// The two conversions. Each takes the text exactly as the user typed it, as bytes
// with an explicit length (a NUL inside is one more character to refuse), and
// returns the outcome of the first rule broken or the converted texts.
#pragma once

#include <string_view>

#include "conversion_result.h"

// ISBN-10, plain (10 characters) or with three hyphens (13), to the ISBN-13 with
// prefix 978; the user's hyphens are kept where they were typed.
ConversionResult ConvertOld2New(std::string_view input);

// ISBN-13 with prefix 978, plain (13), with one hyphen after the prefix (14) or with
// four hyphens (17), to the ISBN-10; the user's hyphens are kept where they were typed.
ConversionResult ConvertNew2Old(std::string_view input);
