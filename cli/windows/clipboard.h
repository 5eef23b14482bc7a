// The system clipboard as the clipboard session uses it: its text read, and the
// results put in its place in two forms. Another program (Excel itself, a clipboard
// manager) may hold the clipboard for a moment, so each access is retried briefly.
#pragma once

#include <string>

enum class ClipboardAccess { Done, NoText, Busy, Failed };

ClipboardAccess ReadClipboardText(std::wstring& text);

// Replaces what the clipboard holds with `text` (CF_UNICODETEXT) and `html` (the
// "HTML Format", UTF-8 with its header). Busy: nothing changed. Failed: the
// clipboard was emptied, but the results could not be put there.
ClipboardAccess WriteClipboard(const std::wstring& text, const std::string& html);
