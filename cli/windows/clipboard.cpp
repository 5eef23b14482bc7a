#include "clipboard.h"

#include <cstring>
#include <cwchar>
#include <tuple>

namespace {

// About a second in all before the clipboard counts as held by another program.
constexpr int kOpenTries = 20;
constexpr DWORD kOpenPauseMs = 50;

SetClipboardDataCall g_setClipboardData = SetClipboardData;

UINT SpreadsheetFormat()
{
    static const UINT format = RegisterClipboardFormatW(L"XML Spreadsheet");
    return format;
}

// Data set on the clipboard needs an owner window, or SetClipboardData fails after
// EmptyClipboard; a console program has none of its own, so it makes an invisible
// one, kept for the life of the process.
HWND OwnerWindow()
{
    static const HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    return window;
}

bool Open()
{
    for (int tries = 1; tries <= kOpenTries; ++tries) {
        if (OpenClipboard(OwnerWindow())) return true;
        Sleep(kOpenPauseMs);
    }
    return false;
}

// The clipboard owns the memory once it is set; until then it is ours to free.
bool Set(UINT format, ClipboardBlock& block)
{
    if (g_setClipboardData(format, block.Handle()) == nullptr) return false;
    block.GivenAway();
    return true;
}

}   // namespace

// A block of bytes as the clipboard holds it, or nothing.
std::string ClipboardBytes(UINT format)
{
    std::string bytes;
    const HANDLE data = GetClipboardData(format);
    if (const auto* place = static_cast<const char*>(data != nullptr ? GlobalLock(data) : nullptr)) {
        bytes.assign(place, GlobalSize(data));
        GlobalUnlock(data);
    }
    return bytes;
}

ClipboardAccess ReadClipboardText(std::wstring& text, DWORD& sequence, std::string* spreadsheet)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return ClipboardAccess::NoText;
    if (!Open()) return ClipboardAccess::Busy;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (chars != nullptr) {
        text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    if (spreadsheet != nullptr) {
        *spreadsheet = IsClipboardFormatAvailable(SpreadsheetFormat()) ? ClipboardBytes(SpreadsheetFormat()) : "";
    }
    // Read while the clipboard is open: a form rendered on request counts as read.
    sequence = GetClipboardSequenceNumber();
    CloseClipboard();
    return chars != nullptr ? ClipboardAccess::Done : ClipboardAccess::NoText;
}

ClipboardAccess WriteClipboard(ClipboardBlock& text, ClipboardBlock& html, DWORD sequence)
{
    static const UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
    if (!Open()) return ClipboardAccess::Busy;
    if (GetClipboardSequenceNumber() != sequence) {
        CloseClipboard();
        return ClipboardAccess::Changed;
    }
    if (!EmptyClipboard()) {
        CloseClipboard();
        return ClipboardAccess::Busy;
    }
    const bool done = Set(CF_UNICODETEXT, text) && Set(htmlFormat, html);
    if (!done) EmptyClipboard();
    CloseClipboard();
    return done ? ClipboardAccess::Done : ClipboardAccess::Failed;
}

ClipboardAccess CopyToClipboard(const std::wstring& text, const std::string& spreadsheet)
{
    const std::size_t textBytes = (text.size() + 1) * sizeof(wchar_t);
    ClipboardBlock textBlock(textBytes);
    ClipboardBlock spreadsheetBlock(spreadsheet.size() + 1);
    for (const auto& [block, data, bytes] :
         {std::tuple(&textBlock, static_cast<const void*>(text.c_str()), textBytes),
          std::tuple(&spreadsheetBlock, static_cast<const void*>(spreadsheet.c_str()), spreadsheet.size() + 1)}) {
        void* place = block->Allocated() ? GlobalLock(block->Handle()) : nullptr;
        if (place == nullptr) return ClipboardAccess::OutOfMemory;
        std::memcpy(place, data, bytes);
        GlobalUnlock(block->Handle());
    }
    if (!Open()) return ClipboardAccess::Busy;
    EmptyClipboard();
    const bool done =
        Set(CF_UNICODETEXT, textBlock) && (spreadsheet.empty() || Set(SpreadsheetFormat(), spreadsheetBlock));
    CloseClipboard();
    return done ? ClipboardAccess::Done : ClipboardAccess::Failed;
}

void ReplaceSetClipboardData(SetClipboardDataCall call)
{
    g_setClipboardData = call != nullptr ? call : SetClipboardData;
}
