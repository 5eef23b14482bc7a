// Files dropped onto isbnconv.exe, or dragged onto its window: it asks the direction
// once, then converts each file into a result in the same folder and tells, file by
// file, what became of its lines. Double-clicked, it explains itself first and takes
// the files dragged onto its window. Windows only.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// Without paths, shows the guide, then `note` (why the clipboard was not converted,
// or null), then the prompt for files. Returns 0 when every line of every file
// converted, 1 otherwise; nothing when no file was given, and the window may close.
std::optional<int> RunDropSession(std::vector<std::wstring> paths, const wchar_t* note, Console& console,
                                  Cancellation& cancellation);

// The text without the spaces, half- or full-width, around it.
std::wstring_view Trimmed(std::wstring_view text);

// A typed answer without the spaces around it and with full-width digits made
// half-width, as an input method may leave either.
std::wstring TypedNumber(std::wstring_view answer);

// 1 or 2, half- or full-width: the direction chosen; null for any other answer.
const Direction* DirectionOf(std::wstring_view answer);

// How many lines converted, and how many were refused for each reason.
void DescribeLines(const FileReport& report, Console& console);

// The files a line names as the console pastes them when files are dragged onto it:
// separated by spaces, each in quotes when it holds one. A line that is one path
// with spaces, typed without quotes, names that one file. Empty unless every file
// named exists.
std::vector<std::wstring> PastedPaths(std::wstring_view line);
