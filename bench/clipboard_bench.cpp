// Times the clipboard session on the largest column a sheet holds: 1,048,576 rows of
// 17 characters (hyphenated ISBN-13s, one in eight refused), converted to ISBN-10:
// reading the clipboard, converting, and putting both forms of the results back. It
// runs once with the text alone, as another program copies it, and once with Excel's
// XML Spreadsheet form beside it, which the session reads and checks against the text.
// The floor is a bare write of blocks of the results' sizes to the clipboard, which no
// session can beat. Prints each run's time and how far the working set grew above what
// the bench held before. Run it under Wine or on Windows; it replaces what the
// clipboard holds.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>
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

const char* Isbn(int row) { return row % 8 == 7 ? "978-4-10-101001-5" : "978-4-10-101001-4"; }

// The column as Excel puts its XML Spreadsheet form on the clipboard.
std::string XmlForm()
{
    std::string xml =
        "<?xml version=\"1.0\"?>\r\n<Workbook xmlns=\"urn:schemas-microsoft-com:office:spreadsheet\"\r\n"
        " xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">\r\n <Worksheet ss:Name=\"Sheet1\">\r\n"
        "  <Table ss:ExpandedColumnCount=\"1\" ss:ExpandedRowCount=\"1048576\">\r\n";
    xml.reserve(static_cast<std::size_t>(kRows) * 80);
    for (int row = 0; row < kRows; ++row) {
        xml += "   <Row><Cell><Data ss:Type=\"String\">";
        xml += Isbn(row);
        xml += "</Data></Cell></Row>\r\n";
    }
    return xml + "  </Table>\r\n </Worksheet>\r\n</Workbook>\r\n";
}

// One session; false when the results are not on the clipboard.
bool TimeSession(const char* name, int run, const std::wstring& column, const std::string& xml)
{
    Answering2 console;
    Cancellation cancellation;
    if (CopyToClipboard(column, xml) != ClipboardAccess::Done) return false;
    const SIZE_T before = Memory().WorkingSetSize;
    const double start = Seconds();
    const ClipboardSessionEnd end = RunClipboardSession(console, cancellation);
    const double elapsed = Seconds() - start;
    // The rows refused on purpose make 1; the results must be on the clipboard.
    std::wstring results;
    DWORD sequence = 0;
    if (end.status != 1 || ReadClipboardText(results, sequence) != ClipboardAccess::Done ||
        !results.starts_with(L"4-10-101001-3\t4101010013\t\r\n")) {
        std::printf("%s, run %d: the results are not on the clipboard\n", name, run);
        return false;
    }
    std::printf("%s, run %d: %.2f s, peak %.0f MB above the %.0f MB before the session\n", name, run, elapsed,
                Megabytes(Memory().PeakWorkingSetSize - before), Megabytes(before));
    return true;
}

// The sizes of the two forms that the last session put on the clipboard.
bool ResultSizes(SIZE_T& text, SIZE_T& html)
{
    if (!OpenClipboard(nullptr)) return false;
    const HANDLE textData = GetClipboardData(CF_UNICODETEXT);
    const HANDLE htmlData = GetClipboardData(RegisterClipboardFormatW(L"HTML Format"));
    text = textData != nullptr ? GlobalSize(textData) : 0;
    html = htmlData != nullptr ? GlobalSize(htmlData) : 0;
    CloseClipboard();
    return text > 0 && html > 0;
}

// Blocks of those sizes made, filled and handed to the clipboard, and nothing else.
double TimeFloor(SIZE_T textBytes, SIZE_T htmlBytes)
{
    const double start = Seconds();
    const HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, textBytes);
    const HGLOBAL html = GlobalAlloc(GMEM_MOVEABLE, htmlBytes);
    std::memset(GlobalLock(text), 'a', textBytes);
    std::memset(GlobalLock(html), 'a', htmlBytes);
    GlobalUnlock(text);
    GlobalUnlock(html);
    const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    OpenClipboard(owner);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, text);
    SetClipboardData(RegisterClipboardFormatW(L"HTML Format"), html);
    CloseClipboard();
    DestroyWindow(owner);
    return Seconds() - start;
}

}   // namespace

int main()
{
    std::wstring column;
    column.reserve(static_cast<std::size_t>(kRows) * 19);
    for (int row = 0; row < kRows; ++row) {
        const char* isbn = Isbn(row);
        column.append(isbn, isbn + std::strlen(isbn));
        column += L"\r\n";
    }
    const std::string xml = XmlForm();
    for (int run = 1; run <= kRuns; ++run) {
        if (!TimeSession("text alone", run, column, {})) return 1;
    }
    for (int run = 1; run <= kRuns; ++run) {
        if (!TimeSession("text and XML form", run, column, xml)) return 1;
    }
    SIZE_T textBytes = 0;
    SIZE_T htmlBytes = 0;
    if (!ResultSizes(textBytes, htmlBytes)) return 1;
    for (int run = 1; run <= kRuns; ++run) {
        std::printf("floor, run %d: %.2f s for blocks of %.0f MB and %.0f MB\n", run, TimeFloor(textBytes, htmlBytes),
                    Megabytes(textBytes), Megabytes(htmlBytes));
    }
    std::printf("%d rows of 17 characters; the XML form %.0f MB\n", kRows, Megabytes(xml.size()));
}
