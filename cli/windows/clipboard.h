// The system clipboard as the clipboard session uses it: its text read, and the
// results put in its place in two forms, but only in place of the copy that was read.
// Another program (Excel itself, a clipboard manager) may hold the clipboard for a
// moment, so each access is retried briefly.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

enum class ClipboardAccess { Done, NoText, Busy, Changed, OutOfMemory, Failed };

// The text on the clipboard, and the clipboard's sequence number once it was read.
// Given `spreadsheet`, also the "XML Spreadsheet" form that Excel puts beside the text
// of copied cells (UTF-8), or nothing when there is none.
ClipboardAccess ReadClipboardText(std::wstring& text, DWORD& sequence, std::string* spreadsheet = nullptr);

// Movable global memory, as the clipboard takes its data. Freed with the block
// unless the clipboard has taken it.
class ClipboardBlock {
public:
    explicit ClipboardBlock(std::size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ClipboardBlock(const ClipboardBlock&) = delete;
    ClipboardBlock& operator=(const ClipboardBlock&) = delete;
    ~ClipboardBlock()
    {
        if (memory_ != nullptr) GlobalFree(memory_);
    }

    bool Allocated() const { return memory_ != nullptr; }
    HGLOBAL Handle() const { return memory_; }
    void GivenAway() { memory_ = nullptr; }

private:
    HGLOBAL memory_;
};

// Global memory locked for as long as this lives: no place when there is no memory.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), place_(memory != nullptr ? GlobalLock(memory) : nullptr) {}
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    ~LockedMemory()
    {
        if (place_ != nullptr) GlobalUnlock(memory_);
    }

    void* Place() const { return place_; }
    std::size_t Bytes() const { return place_ != nullptr ? GlobalSize(memory_) : 0; }

private:
    HGLOBAL memory_;
    void* place_;
};

// Replaces what the clipboard holds with `text` (CF_UNICODETEXT, NUL-terminated
// UTF-16) and `html` (the "HTML Format", NUL-terminated UTF-8 with its header), if
// it still holds the copy read at `sequence`. Busy or Changed (something else was
// copied since): nothing changed. Failed: the clipboard refused the data and was
// left empty, so that it never holds one form without the other.
ClipboardAccess WriteClipboard(ClipboardBlock& text, ClipboardBlock& html, DWORD sequence);

// Puts `text` on the clipboard, whatever it held, as copying in another program does;
// with `spreadsheet`, as copying cells in Excel does.
ClipboardAccess CopyToClipboard(const std::wstring& text, const std::string& spreadsheet = {});

// The call that hands the clipboard each block, replaceable so that tests can stage
// a refusal; null restores SetClipboardData.
using SetClipboardDataCall = HANDLE(WINAPI*)(UINT format, HANDLE memory);
void ReplaceSetClipboardData(SetClipboardDataCall call);
