#include "clipboard.h"

#include <cstring>
#include <cwchar>
#include <new>

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

// The clipboard, open for as long as this lives. Data set on it needs an owner
// window, or SetClipboardData fails after EmptyClipboard; a console program has none
// of its own, so it makes an invisible one. The window goes when the clipboard is
// closed, and what was set stays: a window left to own it would have to answer the
// messages that another program's EmptyClipboard sends, which a program waiting at
// its console's prompt never would.
class OpenClipboardScope {
public:
    OpenClipboardScope()
        : owner_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                                 nullptr))
    {
        for (int tries = 1; tries <= kOpenTries && !open_; ++tries) {
            open_ = OpenClipboard(owner_) != FALSE;
            if (!open_) Sleep(kOpenPauseMs);
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope()
    {
        if (open_) CloseClipboard();
        if (owner_ != nullptr) DestroyWindow(owner_);
    }

    bool IsOpen() const { return open_; }

private:
    HWND owner_;
    bool open_ = false;
};

// The clipboard owns the memory once it is set; until then it is ours to free.
bool Set(UINT format, ClipboardBlock& block)
{
    if (g_setClipboardData(format, block.Handle()) == nullptr) return false;
    block.GivenAway();
    return true;
}

// The spreadsheet form only adds number cells' values: without memory for it, the
// text form alone serves.
void ReadSpreadsheet(std::string& spreadsheet)
{
    spreadsheet.clear();
    if (!IsClipboardFormatAvailable(SpreadsheetFormat())) return;
    const LockedMemory data(GetClipboardData(SpreadsheetFormat()));
    if (data.Place() == nullptr) return;
    try {
        spreadsheet.assign(static_cast<const char*>(data.Place()), data.Bytes());
    } catch (const std::bad_alloc&) {
        std::string().swap(spreadsheet);
    }
}

}   // namespace

ClipboardAccess ReadClipboardText(std::wstring& text, DWORD& sequence, std::string* spreadsheet)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return ClipboardAccess::NoText;
    const OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return ClipboardAccess::Busy;
    {
        const LockedMemory data(GetClipboardData(CF_UNICODETEXT));
        if (data.Place() == nullptr) return ClipboardAccess::NoText;
        const auto* chars = static_cast<const wchar_t*>(data.Place());
        text.assign(chars, wcsnlen(chars, data.Bytes() / sizeof(wchar_t)));
    }
    if (spreadsheet != nullptr) ReadSpreadsheet(*spreadsheet);
    // Read while the clipboard is open: a form rendered on request counts as read.
    sequence = GetClipboardSequenceNumber();
    return ClipboardAccess::Done;
}

ClipboardAccess WriteClipboard(ClipboardBlock& text, ClipboardBlock& html, DWORD sequence)
{
    static const UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
    const OpenClipboardScope clipboard;
    if (!clipboard.IsOpen()) return ClipboardAccess::Busy;
    if (GetClipboardSequenceNumber() != sequence) return ClipboardAccess::Changed;
    if (!EmptyClipboard()) return ClipboardAccess::Busy;
    if (Set(CF_UNICODETEXT, text) && Set(htmlFormat, html)) return ClipboardAccess::Done;
    EmptyClipboard();
    return ClipboardAccess::Failed;
}

// A block holding a copy of `bytes` bytes of `data`; false when memory is short.
bool Filled(ClipboardBlock& block, const void* data, std::size_t bytes)
{
    const LockedMemory memory(block.Handle());
    if (memory.Place() != nullptr) std::memcpy(memory.Place(), data, bytes);
    return memory.Place() != nullptr;
}

ClipboardAccess CopyToClipboard(const std::wstring& text, const std::string& spreadsheet)
{
    const std::size_t textBytes = (text.size() + 1) * sizeof(wchar_t);
    ClipboardBlock textBlock(textBytes);
    ClipboardBlock spreadsheetBlock(spreadsheet.size() + 1);
    if (!Filled(textBlock, text.c_str(), textBytes) ||
        !Filled(spreadsheetBlock, spreadsheet.c_str(), spreadsheet.size() + 1)) {
        return ClipboardAccess::OutOfMemory;
    }
    const OpenClipboardScope clipboard;
    if (!clipboard.IsOpen() || !EmptyClipboard()) return ClipboardAccess::Busy;
    const bool done =
        Set(CF_UNICODETEXT, textBlock) && (spreadsheet.empty() || Set(SpreadsheetFormat(), spreadsheetBlock));
    return done ? ClipboardAccess::Done : ClipboardAccess::Failed;
}

void ReplaceSetClipboardData(SetClipboardDataCall call)
{
    g_setClipboardData = call != nullptr ? call : SetClipboardData;
}
