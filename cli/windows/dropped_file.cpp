#include "dropped_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>

#include "ansi_text.h"
#include "byte_order_mark.h"
#include "compound_file.h"
#include "line_splitter.h"
#include "output_buffer.h"
#include "tabbed_text.h"
#include "utf16_records.h"

namespace {

// The highest copy number tried before giving up on finding a free name.
constexpr int kMostAttempts = 999;

// How long the finished result may wait for another program (a virus scanner, a
// backup or search indexer) to let go of it before it takes its name.
constexpr int kRenameTries = 20;
constexpr DWORD kRenamePauseMs = 250;

// The result's path for the n-th try: "books.txt" gives "books_ISBN13.txt", then
// "books_ISBN13 (2).txt" and so on, as Explorer names copies.
std::wstring ResultPath(const std::wstring& input, const Direction& direction, int attempt)
{
    const std::size_t nameStart = input.find_last_of(L"\\/:") + 1;   // npos + 1 is 0
    std::size_t dot = input.rfind(L'.');
    if (dot == std::wstring::npos || dot <= nameStart) dot = input.size();   // ".profile" is all name
    std::wstring result = input.substr(0, dot);
    result += &direction == &kTo13 ? L"_ISBN13" : L"_ISBN10";
    if (attempt > 1) result += L" (" + std::to_wstring(attempt) + L")";
    return result + L".txt";
}

// The delete-on-close mark of an open file came with Vista, and the zip runs on XP
// too: the call is looked up at run time. Where it is missing, a result that is
// not completed is deleted by name instead, which a killed process cannot do.
struct DispositionInfo {
    BOOLEAN deleteFile;
};
constexpr int kFileDispositionInfo = 4;   // of FILE_INFO_BY_HANDLE_CLASS
using SetFileInformationByHandleCall = BOOL(WINAPI*)(HANDLE, int, void*, DWORD);

// False where the system has no such mark, or the call failed.
bool SetDeletedOnClose(HANDLE file, bool deleted)
{
    static const auto setInformation = reinterpret_cast<SetFileInformationByHandleCall>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetFileInformationByHandle")));
    if (setInformation == nullptr) return false;
    DispositionInfo disposition = {deleted};
    return setInformation(file, kFileDispositionInfo, &disposition, sizeof disposition) != 0;
}

// The temporary result is opened for writing only here, and by no one else.
struct TemporaryResult {
    std::wstring path;
    std::wstring finalPath;
    int attempt = 0;   // the copy number of finalPath
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::FILE* stream = nullptr;
    bool markedForDeletion = false;
};

FileProblem CreateProblem(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return FileProblem::FolderNotWritable;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_INVALID_NAME:
        return FileProblem::NameTooLong;
    default:
        return FileProblem::CannotCreate;
    }
}

// Whether a name is listed in its folder; a file that is being deleted still is,
// and cannot be opened until its last handle closes.
bool Listed(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

// Moves to the first copy number after the current one whose name is free.
bool NextFreeName(const std::wstring& input, const Direction& direction, TemporaryResult& result)
{
    while (++result.attempt <= kMostAttempts) {
        result.finalPath = ResultPath(input, direction, result.attempt);
        if (GetFileAttributesW(result.finalPath.c_str()) == INVALID_FILE_ATTRIBUTES) return true;
    }
    return false;
}

// Takes the first free name; a name whose temporary file is left from an earlier
// run, or is being written or deleted by another, counts as taken, and that file is
// left as it is.
FileProblem OpenTemporaryResult(const std::wstring& input, const Direction& direction, TemporaryResult& result)
{
    while (NextFreeName(input, direction, result)) {
        result.path = result.finalPath + L".tmp";
        const HANDLE file = CreateFileW(result.path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            if (error == ERROR_ACCESS_DENIED && Listed(result.path)) continue;
            return CreateProblem(error);
        }
        // Marked for deletion from the start: however the process ends (the window
        // closed, Ctrl+C, killed), the system removes the file with its last handle.
        result.markedForDeletion = SetDeletedOnClose(file, true);
        result.handle = file;
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY | _O_BINARY);
        result.stream = descriptor >= 0 ? _fdopen(descriptor, "wb") : nullptr;
        if (result.stream == nullptr) {
            if (descriptor >= 0) {
                _close(descriptor);
            } else {
                CloseHandle(file);
            }
            DeleteFileW(result.path.c_str());
            return FileProblem::CannotCreate;
        }
        return FileProblem::None;
    }
    return FileProblem::CannotCreate;
}

// What the first bytes say the file is.
TextEncoding EncodingOf(std::string_view start)
{
    if (start.starts_with(kUtf8ByteOrderMark)) return TextEncoding::Utf8WithBom;
    if (start.starts_with("\xFF\xFE")) return TextEncoding::Utf16Le;
    if (start.starts_with("\xFE\xFF")) return TextEncoding::Utf16Be;
    return TextEncoding::Bytes;
}

// A workbook saved by Excel: a zip holding "xl/" in its first chunk (.xlsx), or a
// compound file whose directory names a workbook stream (.xls). Anything else that
// is not text is refused as binary.
bool IsExcelWorkbook(HANDLE input, std::string_view start)
{
    if (start.starts_with("PK\x03\x04")) return start.find("xl/") != std::string_view::npos;
    const std::string_view signature(reinterpret_cast<const char*>(compound_file::kSignature),
                                     sizeof compound_file::kSignature);
    if (!start.starts_with(signature)) return false;
    // Reads at offsets, which moves the file's position: a compound file is not text,
    // so where its reading goes on no longer matters.
    return HoldsWorkbookStream([input](std::uint64_t offset, unsigned char* buffer, std::size_t size) {
        OVERLAPPED at = {};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        return ReadFile(input, buffer, static_cast<DWORD>(size), &got, &at) ? std::size_t{got} : std::size_t{0};
    });
}

// Reads the input to its end, giving `feed` every chunk, the first one included.
// Nothing is fed before a chunk is known to hold no NUL character, the mark of a
// file that is not text.
template <typename Feed>
FileProblem ReadAll(HANDLE input, std::string_view first, char* chunk, DWORD chunkSize, Cancellation& cancellation,
                    Feed feed)
{
    std::string_view bytes = first;
    for (;;) {
        if (cancellation.requested) return FileProblem::Cancelled;
        if (!feed(bytes)) return FileProblem::Binary;
        DWORD got = 0;
        if (!ReadFile(input, chunk, chunkSize, &got, nullptr)) return FileProblem::ReadFailed;
        if (got == 0) return FileProblem::None;
        bytes = std::string_view(chunk, got);
    }
}

// The sink of the line splitter: the first line, when it is a table's heading, goes
// to the records as a heading; every other line is converted.
template <typename Records, typename Char>
class HeadingFirst {
public:
    using View = std::basic_string_view<Char>;
    HeadingFirst(Records& records, std::string_view headingFields, bool heading)
        : records_(records), headingFields_(headingFields), pending_(heading)
    {}

    void Line(View line)
    {
        if (!std::exchange(pending_, false)) return records_.Line(line);
        records_.Heading(headingFields_, line);
        records_.LongLineEnd();
    }
    void LongLineBegin(View head)
    {
        if (!std::exchange(pending_, false)) return records_.LongLineBegin(head);
        records_.Heading(headingFields_, head);
    }
    void LongLinePart(View part) { records_.LongLinePart(part); }
    void LongLineEnd() { records_.LongLineEnd(); }

private:
    Records& records_;
    std::string_view headingFields_;
    bool pending_;
};

// The result's own headings, over its status, ISBN and ASIN columns.
std::string_view HeadingFields(const Direction& direction)
{
    return &direction == &kTo13 ? "status\tISBN-13\tASIN\t" : "status\tISBN-10\tASIN\t";
}

// Whether the first bytes of a UTF-16 file hold a CRLF, so that its rows may hold quoted cells.
bool HoldsUtf16Crlf(std::string_view bytes, bool bigEndian)
{
    const std::string_view crlf = bigEndian ? std::string_view("\0\r\0\n", 4) : std::string_view("\r\0\n\0", 4);
    for (std::size_t at = bytes.find(crlf); at != bytes.npos; at = bytes.find(crlf, at + 1)) {
        if (at % 2 == 0) return true;
    }
    return false;
}

// Rows as Excel saves them, list or table: a line break inside a quoted cell stays in its row.
FileProblem ConvertBytes(HANDLE input, std::string_view first, char* chunk, DWORD chunkSize,
                         HeadingFirst<BatchConverter, char>& sink, Cancellation& cancellation)
{
    LineSplitter<256> splitter(true, HoldsQuotedCells(first));
    const FileProblem problem = ReadAll(input, first, chunk, chunkSize, cancellation, [&](std::string_view bytes) {
        if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) return false;
        splitter.Feed(bytes, sink);
        return true;
    });
    if (problem == FileProblem::None) splitter.Finish(sink);
    return problem;
}

FileProblem ConvertUtf16(HANDLE input, std::string_view first, char* chunk, DWORD chunkSize, bool bigEndian,
                         HeadingFirst<Utf16Records, wchar_t>& sink, Cancellation& cancellation)
{
    static wchar_t units[32 * 1024 + 1];
    LineSplitter<256, wchar_t> splitter(true, HoldsUtf16Crlf(first, bigEndian));
    unsigned pending = 0x100;   // none, or the first byte of a unit split between two chunks
    const FileProblem problem = ReadAll(input, first, chunk, chunkSize, cancellation, [&](std::string_view bytes) {
        std::size_t count = 0;
        for (const char c : bytes) {
            const unsigned byte = static_cast<unsigned char>(c);
            if (pending == 0x100) {
                pending = byte;
                continue;
            }
            const unsigned unit = bigEndian ? pending << 8 | byte : byte << 8 | pending;
            pending = 0x100;
            if (unit == 0) return false;
            units[count++] = static_cast<wchar_t>(unit);
        }
        splitter.Feed(std::wstring_view(units, count), sink);
        return true;
    });
    // A byte left over is half a character: the file is damaged, or not UTF-16.
    if (problem == FileProblem::None && pending != 0x100) return FileProblem::Binary;
    if (problem == FileProblem::None) splitter.Finish(sink);
    return problem;
}

// Flushes the finished result to disk, keeps it and gives it its name, the next
// free one if another program took it meanwhile. A result that cannot take a name
// stays, complete, under the temporary one.
FileProblem KeepResult(const std::wstring& input, const Direction& direction, TemporaryResult& temporary,
                       FileProblem writeProblem, FileReport& report)
{
    const bool onDisk = writeProblem == FileProblem::None && FlushFileBuffers(temporary.handle);
    const bool kept = onDisk && (!temporary.markedForDeletion || SetDeletedOnClose(temporary.handle, false));
    const bool closed = std::fclose(temporary.stream) == 0;
    if (!kept || !closed) {
        DeleteFileW(temporary.path.c_str());
        return writeProblem != FileProblem::None ? writeProblem : FileProblem::WriteFailed;
    }
    // Without the replace flag the move fails rather than take an existing name.
    for (int tries = 1; !MoveFileExW(temporary.path.c_str(), temporary.finalPath.c_str(), MOVEFILE_WRITE_THROUGH);
         ++tries) {
        const DWORD error = GetLastError();
        const bool taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
        const bool held = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (taken && NextFreeName(input, direction, temporary)) continue;
        if (!held || tries == kRenameTries) {
            report.resultPath = temporary.path;
            return FileProblem::NotRenamed;
        }
        Sleep(kRenamePauseMs);
    }
    report.resultPath = temporary.finalPath;
    return FileProblem::None;
}

FileProblem ConvertOpenFile(HANDLE input, const std::wstring& path, const Direction& direction, TableColumn column,
                            Cancellation& cancellation, FileReport& report)
{
    static char chunk[64 * 1024];
    DWORD got = 0;
    if (!ReadFile(input, chunk, sizeof chunk, &got, nullptr)) return FileProblem::ReadFailed;
    std::string_view first(chunk, got);
    report.encoding = EncodingOf(first);
    const bool utf16 = report.encoding == TextEncoding::Utf16Le || report.encoding == TextEncoding::Utf16Be;
    first.remove_prefix(report.encoding == TextEncoding::Bytes ? 0 : utf16 ? 2 : kUtf8ByteOrderMark.size());
    if (first.empty()) return FileProblem::Empty;
    if (IsExcelWorkbook(input, first)) return FileProblem::ExcelWorkbook;

    TemporaryResult temporary;
    FileProblem problem = OpenTemporaryResult(path, direction, temporary);
    if (problem != FileProblem::None) return problem;
    FileProblem writeProblem = FileProblem::None;
    {
        OutputBuffer out(temporary.stream, false, true);
        BatchConverter converter(direction, out, column.number, Hyphens::LikeInput);
        // Japanese notation is read in the encoding the conversion sees: UTF-8, or the
        // ANSI code page, to which a UTF-16 line is narrowed.
        const std::optional<TextCode> code =
            report.encoding == TextEncoding::Utf8WithBom ? std::optional(TextCode::Utf8) : AnsiCode();
        if (code) converter.ReadLeniently(*code);
        if (utf16) {
            const bool bigEndian = report.encoding == TextEncoding::Utf16Be;
            Utf16Records records(converter, out, bigEndian);
            records.Start();
            HeadingFirst<Utf16Records, wchar_t> sink(records, HeadingFields(direction), column.heading);
            problem = ConvertUtf16(input, first, chunk, sizeof chunk, bigEndian, sink, cancellation);
        } else {
            // Excel reads a UTF-8 file as UTF-8 only when it starts with the mark.
            if (report.encoding == TextEncoding::Utf8WithBom) out.Write(kUtf8ByteOrderMark);
            HeadingFirst<BatchConverter, char> sink(converter, HeadingFields(direction), column.heading);
            problem = ConvertBytes(input, first, chunk, sizeof chunk, sink, cancellation);
        }
        // The C runtime reports a full disk as ENOSPC.
        if (!out.Flush()) writeProblem = errno == ENOSPC ? FileProblem::DiskFull : FileProblem::WriteFailed;
        for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
            report.counts[outcome] = converter.Count(static_cast<ConversionOutcome>(outcome));
        }
        report.longLines = converter.LongLines();
        report.missingColumns = converter.MissingColumns();
        report.readOtherwise = converter.ReadOtherwise();
    }
    if (problem == FileProblem::None) return KeepResult(path, direction, temporary, writeProblem, report);
    // Only a complete result is kept.
    std::fclose(temporary.stream);
    DeleteFileW(temporary.path.c_str());
    return problem;
}

FileProblem OpenProblem(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        return FileProblem::NotFound;
    case ERROR_ACCESS_DENIED:
        return FileProblem::NoReadAccess;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileProblem::InUse;
    default:
        return FileProblem::CannotOpen;
    }
}

}   // namespace

std::wstring LongPath(const std::wstring& path)
{
    if (path.rfind(L"\\\\?\\", 0) == 0) return path;
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    // A "\\?\" path, or a device's ("\\.\"), stays as it is; "\\server\..." is UNC.
    if (full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::vector<std::vector<std::wstring>> FirstRows(const std::wstring& path)
{
    constexpr std::size_t kMostRows = 1000;
    std::vector<std::vector<std::wstring>> rows;
    const HANDLE input = CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE) return rows;
    std::string start(64 * 1024, '\0');
    DWORD got = 0;
    const bool read = ReadFile(input, start.data(), static_cast<DWORD>(start.size()), &got, nullptr);
    CloseHandle(input);
    const bool full = got == start.size();
    start.resize(read ? got : 0);
    const TextEncoding encoding = EncodingOf(start);
    const bool utf16 = encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
    if (!utf16 && start.find('\0') != std::string::npos) return rows;
    std::wstring text;
    if (utf16) {
        const std::size_t high = encoding == TextEncoding::Utf16Be ? 0 : 1;
        for (std::size_t at = 2; at + 1 < start.size(); at += 2) {
            const auto first = static_cast<unsigned char>(start[at + high]);
            const auto second = static_cast<unsigned char>(start[at + 1 - high]);
            text += static_cast<wchar_t>(first << 8 | second);
        }
    } else {
        const bool utf8 = encoding == TextEncoding::Utf8WithBom;
        const std::string_view bytes = std::string_view(start).substr(utf8 ? kUtf8ByteOrderMark.size() : 0);
        text.resize(bytes.size());
        text.resize(static_cast<std::size_t>(MultiByteToWideChar(utf8 ? CP_UTF8 : CP_ACP, 0, bytes.data(),
                                                                 static_cast<int>(bytes.size()), text.data(),
                                                                 static_cast<int>(text.size()))));
    }
    // Split as the conversion splits: rows of cells, as Excel writes them.
    ForEachRow(std::wstring_view(text), [&rows](std::span<const TabbedCell<wchar_t>> cells) {
        if (rows.size() == kMostRows) return;
        rows.emplace_back();
        for (const TabbedCell<wchar_t>& cell : cells) {
            rows.back().emplace_back();
            AppendCellValue(cell, rows.back().back());
        }
    });
    // A file longer than what was read may have its last row cut short.
    if (full && rows.size() > 1) rows.pop_back();
    return rows;
}

bool IsExcelWorkbookFile(const std::wstring& path)
{
    const HANDLE input = CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (input == INVALID_HANDLE_VALUE) return false;
    std::string start(64 * 1024, '\0');
    DWORD got = 0;
    const bool workbook = ReadFile(input, start.data(), static_cast<DWORD>(start.size()), &got, nullptr) &&
                          IsExcelWorkbook(input, std::string_view(start.data(), got));
    CloseHandle(input);
    return workbook;
}

FileReport ConvertDroppedFile(const std::wstring& path, const Direction& direction, TableColumn column,
                              Cancellation& cancellation)
{
    FileReport report;
    const std::wstring longPath = LongPath(path);
    const DWORD attributes = GetFileAttributesW(longPath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        report.problem = OpenProblem(GetLastError());
        return report;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        report.problem = FileProblem::Folder;
        return report;
    }
    // Others may go on reading and writing the input; we only read it.
    const HANDLE input = CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        report.problem = OpenProblem(GetLastError());
        return report;
    }
    report.problem = ConvertOpenFile(input, longPath, direction, column, cancellation, report);
    CloseHandle(input);
    return report;
}
