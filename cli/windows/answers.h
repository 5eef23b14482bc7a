// What the user types at the console's questions, read as meant, and the summary both
// sessions give of what became of the rows: the answers that the clipboard session, the
// drop session and the choice of a column share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// The text without the spaces, half- or full-width, around it.
std::wstring_view Trimmed(std::wstring_view text);

// A typed answer without the spaces around it and with full-width digits made
// half-width, as an input method may leave either.
std::wstring TypedNumber(std::wstring_view answer);

// 1 or 2, half- or full-width: the direction chosen; null for any other answer.
const Direction* DirectionOf(std::wstring_view answer);

// The rows refused, for any reason.
std::size_t RefusedLines(const FileReport& report);

// How many rows converted, and how many were refused for each reason. A result file's
// summary names each reason's status word too, as its records do; the clipboard's
// speaks Japanese alone.
enum class StatusWords { Shown, Left };
void DescribeLines(const FileReport& report, StatusWords words, Console& console);

// The files a line names as the console pastes them when files are dragged onto it:
// separated by spaces, each in quotes when it holds one. A line that is one path
// with spaces, typed without quotes, names that one file. Empty unless every file
// named exists.
std::vector<std::wstring> PastedPaths(std::wstring_view line);
