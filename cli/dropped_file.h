// One file dropped onto isbnconv.exe, converted into a new file beside it. The input
// is only read; the result is written under a temporary name and takes its own name
// only once it is complete, and never in place of an existing file. Windows only:
// names are UTF-16, so that any file name Explorer can show works.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>

#include "batch_converter.h"

// Set from the console's control handler (Ctrl+C, the window closing), read by the
// conversion between reads.
struct Cancellation {
    std::atomic<bool> requested{false};
};

enum class FileProblem {
    None,
    NotFound,
    Folder,
    CannotOpen,
    Empty,
    Binary,
    ReadFailed,
    CannotCreate,
    WriteFailed,
    Cancelled,
};

struct FileReport {
    FileProblem problem = FileProblem::None;
    std::size_t counts[kOutcomeCount] = {};   // records by outcome, Converted first
    std::size_t longLines = 0;
    std::wstring resultPath;   // empty unless a result was written
};

FileReport ConvertDroppedFile(const std::wstring& path, const Direction& direction, Cancellation& cancellation);
