// Files dropped onto isbnconv.exe, or dragged onto its window: it asks the direction
// once, then converts each file into a result in the same folder and tells, file by
// file, what became of its lines. Double-clicked, it explains itself first and takes
// the files dragged onto its window. Windows only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// Without paths, shows the guide, then `note` (why the clipboard was not converted,
// or null), then the prompt for files. Returns 0 when every line of every file
// converted, 1 otherwise; nothing when no file was given, and the window may close.
std::optional<int> RunDropSession(std::vector<std::wstring> paths, const wchar_t* note, Console& console,
                                  Cancellation& cancellation);
