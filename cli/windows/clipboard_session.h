// isbnconv.exe double-clicked with text on the clipboard, as when a column has just
// been copied in Excel: it offers to convert the rows, and puts one result row for
// each copied row, in the same order, back on the clipboard, to be pasted beside the
// column. Each row is converted as the dialog would see it pasted, and echoed as
// copied. The clipboard changes only once the user has chosen a direction.
#pragma once

#include <optional>

#include "console.h"
#include "dropped_file.h"

// Empty when there was nothing to offer or the user declined: the guide follows.
// Otherwise the exit status: 0 when every row converted, 1 otherwise.
std::optional<int> RunClipboardSession(Console& console, Cancellation& cancellation);
