// One file dropped onto isbnconv.exe, converted into a new file in the same folder.
// The input is only read; the result is written under a temporary name and takes its
// own name only once it is complete and on disk, and never in place of an existing
// file. Names are UTF-16, so that any file name Explorer can show works, however
// long its path.
#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <vector>

#include "batch_converter.h"

// Set from the console's control handler (Ctrl+C, the window closing), read by the
// conversion between reads.
struct Cancellation {
    std::atomic<bool> requested{false};
};

// Why a file made no result, each with a text of its own for the user.
enum class FileProblem {
    None,
    NotFound,
    Folder,
    NoReadAccess,
    InUse,
    CannotOpen,
    Empty,
    Binary,
    ExcelWorkbook,
    ReadFailed,
    FolderNotWritable,
    NameTooLong,
    CannotCreate,
    DiskFull,
    WriteFailed,
    NotRenamed,   // complete, but left under its temporary name (resultPath)
    Cancelled,
};

// How the input was written; the result is written the same way.
enum class TextEncoding { Bytes, Utf8WithBom, Utf16Le, Utf16Be };

struct FileReport {
    FileProblem problem = FileProblem::None;
    TextEncoding encoding = TextEncoding::Bytes;
    std::size_t counts[kOutcomeCount] = {};   // records by outcome, Converted first
    std::size_t longLines = 0;
    std::size_t missingColumns = 0;   // rows of a table too short for its ISBN column
    std::size_t readOtherwise = 0;    // converted once read as Japanese sheets write ISBNs
    std::size_t unassigned = 0;       // converted, in a range no publisher holds
    std::wstring resultPath;          // the result written, or the complete one left unrenamed
};

// The form of a path that lifts the 259-character limit from every W call:
// "\\?\C:\..." or "\\?\UNC\server\share\...". Windows takes that form as it
// stands, so the path is made full and plain first.
std::wstring LongPath(const std::wstring& path);

// Whether the file is an Excel workbook, which is refused before anything is asked.
bool IsExcelWorkbookFile(const std::wstring& path);

// The first rows of a text file, as cells of text (up to the first 64 KiB), to find
// a table's ISBN column: lines split at TABs, exactly as the conversion splits them;
// empty when the file is not text or cannot be read.
std::vector<std::vector<std::wstring>> FirstRows(const std::wstring& path);

// What of each line is converted: its Nth TAB-separated field (from 1), or the whole
// line (0); and whether the first line is a table's heading, which is echoed under
// headings of the result's own columns rather than converted.
struct TableColumn {
    std::size_t number = 0;
    bool heading = false;
};

FileReport ConvertDroppedFile(const std::wstring& path, const Direction& direction, TableColumn column,
                              Cancellation& cancellation);
