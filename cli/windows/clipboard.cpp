#include "clipboard.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace {

// About a second in all before the clipboard counts as held by another program.
constexpr int kOpenTries = 20;
constexpr DWORD kOpenPauseMs = 50;

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

// A movable global copy of `bytes` bytes, as the clipboard takes its data.
HGLOBAL GlobalCopy(const void* data, std::size_t bytes)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* place = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (place == nullptr) {
        if (memory != nullptr) GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(place, data, bytes);
    GlobalUnlock(memory);
    return memory;
}

// The clipboard owns the memory once it is set; until then it is ours to free.
bool Set(UINT format, const void* data, std::size_t bytes)
{
    const HGLOBAL memory = GlobalCopy(data, bytes);
    if (memory == nullptr) return false;
    if (SetClipboardData(format, memory) != nullptr) return true;
    GlobalFree(memory);
    return false;
}

}   // namespace

ClipboardAccess ReadClipboardText(std::wstring& text)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return ClipboardAccess::NoText;
    if (!Open()) return ClipboardAccess::Busy;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* chars = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (chars != nullptr) {
        text.assign(chars, wcsnlen(chars, GlobalSize(data) / sizeof(wchar_t)));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return chars != nullptr ? ClipboardAccess::Done : ClipboardAccess::NoText;
}

ClipboardAccess WriteClipboard(const std::wstring& text, const std::string& html)
{
    static const UINT htmlFormat = RegisterClipboardFormatW(L"HTML Format");
    if (!Open()) return ClipboardAccess::Busy;
    if (!EmptyClipboard()) {
        CloseClipboard();
        return ClipboardAccess::Busy;
    }
    const bool done = Set(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t)) &&
                      Set(htmlFormat, html.c_str(), html.size() + 1);
    CloseClipboard();
    return done ? ClipboardAccess::Done : ClipboardAccess::Failed;
}
