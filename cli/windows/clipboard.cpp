#include "clipboard.h"

#include <cstring>
#include <cwchar>

namespace {

// About a second in all before the clipboard counts as held by another program.
constexpr int kOpenTries = 20;
constexpr DWORD kOpenPauseMs = 50;

SetClipboardDataCall g_setClipboardData = SetClipboardData;

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

ClipboardAccess ReadClipboardText(std::wstring& text, DWORD& sequence)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return ClipboardAccess::NoText;
    if (!Open()) return ClipboardAccess::Busy;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (chars != nullptr) {
        text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    // Read while the clipboard is open: a text rendered on request counts as read.
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

ClipboardAccess CopyToClipboard(const std::wstring& text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    ClipboardBlock block(bytes);
    void* place = block.Allocated() ? GlobalLock(block.Handle()) : nullptr;
    if (place == nullptr) return ClipboardAccess::OutOfMemory;
    std::memcpy(place, text.c_str(), bytes);
    GlobalUnlock(block.Handle());
    if (!Open()) return ClipboardAccess::Busy;
    EmptyClipboard();
    const bool done = Set(CF_UNICODETEXT, block);
    CloseClipboard();
    return done ? ClipboardAccess::Done : ClipboardAccess::Failed;
}

void ReplaceSetClipboardData(SetClipboardDataCall call)
{
    g_setClipboardData = call != nullptr ? call : SetClipboardData;
}
