// Times the clipboard session on the largest column a sheet holds: 1,048,576 rows of
// 17 characters (hyphenated ISBN-13s, one in eight refused), converted to ISBN-10:
// reading the clipboard, converting, and putting both forms of the results back.
// Prints each run's time and how far the working set grew above what the bench held
// before (its column, and that column on the clipboard). Run it under Wine or on
// Windows; it replaces what the clipboard holds.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

#include "clipboard.h"
#include "clipboard_session.h"

namespace {

constexpr int kRows = 1048576;
constexpr int kRuns = 3;

// A user who answers 2 and reads nothing.
struct Answering2 : Console {
    void Write(std::wstring_view) override {}
    bool ReadLine(std::wstring& line) override
    {
        line = L"2";
        return true;
    }
    void DiscardTypedAhead() override {}
};

double Seconds()
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

PROCESS_MEMORY_COUNTERS Memory()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters;
}

double Megabytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}   // namespace

int main()
{
    std::wstring column;
    column.reserve(static_cast<std::size_t>(kRows) * 19);
    for (int row = 0; row < kRows; ++row) column += row % 8 == 7 ? L"978-4-10-101001-5\r\n" : L"978-4-10-101001-4\r\n";
    Answering2 console;
    Cancellation cancellation;
    for (int run = 1; run <= kRuns; ++run) {
        if (CopyToClipboard(column) != ClipboardAccess::Done) return 1;
        const SIZE_T before = Memory().WorkingSetSize;
        const double start = Seconds();
        const ClipboardSessionEnd end = RunClipboardSession(console, cancellation);
        const double elapsed = Seconds() - start;
        // The rows refused on purpose make 1; the results must be on the clipboard.
        std::wstring results;
        DWORD sequence = 0;
        if (end.status != 1 || ReadClipboardText(results, sequence) != ClipboardAccess::Done ||
            !results.starts_with(L"4-10-101001-3\t4101010013\t\r\n")) {
            std::printf("run %d: the results are not on the clipboard\n", run);
            return 1;
        }
        std::printf("run %d: %.2f s, peak %.0f MB above the %.0f MB before the session\n", run, elapsed,
                    Megabytes(Memory().PeakWorkingSetSize - before), Megabytes(before));
    }
    std::printf("%d rows of 17 characters\n", kRows);
}
