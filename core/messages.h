// Which message box the user sees for each outcome: its text, caption and box type.
#pragma once

#include "conversion_result.h"
#include "texts.h"

// Message-box type values as the platform defines them (MB_OK | MB_ICONERROR, MB_OK).
inline constexpr unsigned ErrorBoxType = 0x10;
inline constexpr unsigned NoticeBoxType = 0x00;

// The error-box text of a refusal. Converted has no text of its own and yields "".
const char* OutcomeMessage(ConversionOutcome outcome);
