// What isbnconv.exe does with files dropped onto it: asks the direction once, then
// converts each file into a result beside it and tells, file by file, what became
// of its lines. Windows only.
#pragma once

#include <string>
#include <vector>

#include "console.h"
#include "dropped_file.h"

// Returns 0 when every line of every file converted, 1 otherwise.
int RunDropSession(const std::vector<std::wstring>& paths, Console& console, Cancellation& cancellation);
