// Times the clipboard session on a copied column of 100,000 rows, a third of them
// refused: reading the clipboard, converting, and putting both forms of the results
// back. Run it under Wine or on Windows; it replaces what the clipboard holds.
#include <windows.h>

#include <cstdio>
#include <string>

#include "clipboard.h"
#include "clipboard_session.h"

namespace {

// A user who answers 1 and reads nothing.
struct Answering1 : Console {
    void Write(std::wstring_view) override {}
    bool ReadLine(std::wstring& line) override
    {
        line = L"1";
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

}   // namespace

int main()
{
    constexpr int kRows = 100000;
    const wchar_t* const kColumn[] = {L"4-10-101001-3\r\n", L"0306406153\r\n", L"0306406152\r\n"};
    std::wstring column;
    for (int row = 0; row < kRows; ++row) column += kColumn[row % 3];
    if (WriteClipboard(column, "") != ClipboardAccess::Done) return 1;
    Answering1 console;
    Cancellation cancellation;
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        WriteClipboard(column, "");
        const double start = Seconds();
        RunClipboardSession(console, cancellation);
        const double elapsed = Seconds() - start;
        std::printf("run %d: %.3f s\n", run + 1, elapsed);
        if (elapsed < best) best = elapsed;
    }
    std::printf("best: %.3f s for %d rows\n", best, kRows);
}
