// What isbnconv.exe does in a console window of its own, started from Explorer:
// double-clicked, it explains itself and takes files dragged onto its window; with
// files dropped onto it, it asks the direction once, then converts each file into a
// result in the same folder and tells, file by file, what became of its lines.
// Either way the window stays until the user has read it and pressed Enter.
// Windows only.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// Returns 0 when every line of every file converted, 1 otherwise (0 when the guide
// was only read).
int RunExplorerSession(std::vector<std::wstring> paths, Console& console, Cancellation& cancellation);

// 1 or 2, half- or full-width, as an input method may leave either: the direction
// chosen; null for any other answer.
const Direction* DirectionOf(std::wstring_view answer);

// How many lines converted, and how many were refused for each reason.
void DescribeLines(const FileReport& report, Console& console);

// The files a line names as the console pastes them when files are dragged onto it:
// separated by spaces, each in quotes when it holds one. A line that is one path
// with spaces, typed without quotes, names that one file. Empty unless every file
// named exists.
std::vector<std::wstring> PastedPaths(std::wstring_view line);
