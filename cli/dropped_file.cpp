#include "dropped_file.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string_view>

#include "byte_order_mark.h"
#include "line_splitter.h"
#include "output_buffer.h"

namespace {

// The highest copy number tried before giving up on finding a free name.
constexpr int kMostAttempts = 999;

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

// The temporary result is opened for writing only here, and by no one else.
struct TemporaryResult {
    std::wstring path;
    HANDLE handle = nullptr;
    std::FILE* stream = nullptr;
};

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

FileProblem OpenTemporaryResult(const std::wstring& input, const Direction& direction, TemporaryResult& result,
                                std::wstring& finalPath)
{
    for (int attempt = 1; attempt <= kMostAttempts; ++attempt) {
        finalPath = ResultPath(input, direction, attempt);
        if (GetFileAttributesW(finalPath.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        result.path = finalPath + L".tmp";
        const HANDLE file = CreateFileW(result.path.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return FileProblem::CannotCreate;
        }
        // Marked for deletion from the start: however the process ends (the window
        // closed, Ctrl+C, killed), the system removes the file with its last handle.
        SetDeletedOnClose(file, true);
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

// Reads the whole input into the result. Nothing is fed before a chunk is known to
// hold no NUL byte, the mark of a file that is not text (UTF-16 included).
FileProblem ConvertStream(HANDLE input, DWORD firstSize, char* chunk, DWORD chunkSize, BatchConverter& converter,
                          Cancellation& cancellation)
{
    LineSplitter<256> splitter;
    std::string_view bytes = WithoutByteOrderMark(std::string_view(chunk, firstSize));
    for (;;) {
        if (cancellation.requested) return FileProblem::Cancelled;
        if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) return FileProblem::Binary;
        splitter.Feed(bytes, converter);
        DWORD got = 0;
        if (!ReadFile(input, chunk, chunkSize, &got, nullptr)) return FileProblem::ReadFailed;
        if (got == 0) break;
        bytes = std::string_view(chunk, got);
    }
    splitter.Finish(converter);
    return FileProblem::None;
}

FileProblem ConvertOpenFile(HANDLE input, const std::wstring& path, const Direction& direction,
                            Cancellation& cancellation, FileReport& report)
{
    static char chunk[64 * 1024];
    DWORD got = 0;
    if (!ReadFile(input, chunk, sizeof chunk, &got, nullptr)) return FileProblem::ReadFailed;
    if (got == 0) return FileProblem::Empty;

    TemporaryResult temporary;
    std::wstring finalPath;
    FileProblem problem = OpenTemporaryResult(path, direction, temporary, finalPath);
    if (problem == FileProblem::None) {
        bool written = false;
        {
            OutputBuffer out(temporary.stream, false, true);
            BatchConverter converter(direction, out);
            problem = ConvertStream(input, got, chunk, sizeof chunk, converter, cancellation);
            written = out.Flush();
            for (std::size_t outcome = 0; outcome < kOutcomeCount; ++outcome) {
                report.counts[outcome] = converter.Count(static_cast<ConversionOutcome>(outcome));
            }
            report.longLines = converter.LongLines();
        }
        // Only a complete result is kept.
        if (problem == FileProblem::None && written) SetDeletedOnClose(temporary.handle, false);
        written = std::fclose(temporary.stream) == 0 && written;
        if (problem == FileProblem::None && !written) problem = FileProblem::WriteFailed;
        // Without the replace flag the move fails rather than take an existing name.
        if (problem == FileProblem::None && !MoveFileExW(temporary.path.c_str(), finalPath.c_str(), 0)) {
            problem = FileProblem::WriteFailed;
        }
        if (problem == FileProblem::None) {
            report.resultPath = finalPath;
        } else {
            DeleteFileW(temporary.path.c_str());
        }
    }
    return problem;
}

}   // namespace

FileReport ConvertDroppedFile(const std::wstring& path, const Direction& direction, Cancellation& cancellation)
{
    FileReport report;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        report.problem = FileProblem::NotFound;
        return report;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        report.problem = FileProblem::Folder;
        return report;
    }
    // Others may go on reading and writing the input; we only read it.
    const HANDLE input = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (input == INVALID_HANDLE_VALUE) {
        report.problem = FileProblem::CannotOpen;
        return report;
    }
    report.problem = ConvertOpenFile(input, path, direction, cancellation, report);
    CloseHandle(input);
    return report;
}
