// isbnconv.exe double-clicked with text on the clipboard, as when a column has just
// been copied in Excel: it offers to convert the rows, and puts one result row for
// each copied row, in the same order, back on the clipboard, to be pasted beside the
// column. Rows are read as Excel writes them (copied_table.h), and each is converted
// as the dialog would see it pasted. The clipboard changes only once the user has
// chosen a direction, and only if it still holds the copy that was read.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console.h"
#include "dropped_file.h"

struct ClipboardSessionEnd {
    // Once the rows were offered: 0 when every row converted, 1 otherwise.
    std::optional<int> status;
    // Otherwise, why the clipboard's text could not be offered, when there is
    // something to say; it belongs under the guide that follows.
    const wchar_t* refusal = nullptr;
    // Files dragged onto the window at the offer, to convert instead.
    std::vector<std::wstring> paths;
    // The guide was read and the window may close.
    bool closed = false;
};

ClipboardSessionEnd RunClipboardSession(Console& console, Cancellation& cancellation);
