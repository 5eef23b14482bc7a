#include "drop_session.h"

#include <windows.h>

#include "ansi_text.h"
#include "column_choice.h"
#include "desktop_texts.h"

namespace {

// Asks until one of the two numbers is typed; null once input has ended or the
// user pressed Ctrl+C.
const Direction* AskDirection(Console& console, const Cancellation& cancellation)
{
    console.Write(kChooseDirectionText);
    std::wstring answer;
    while (console.ReadLine(answer) && !cancellation.requested) {
        if (const Direction* direction = DirectionOf(answer)) return direction;
        console.Write(kChooseAgainText);
    }
    return nullptr;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::size_t RefusedLines(const FileReport& report)
{
    std::size_t refused = 0;
    for (std::size_t outcome = 1; outcome < kOutcomeCount; ++outcome) refused += report.counts[outcome];
    return refused + report.missingColumns;
}

void Describe(const FileReport& report, Console& console)
{
    const std::wstring result = FileName(report.resultPath) + kEncodingTexts[static_cast<int>(report.encoding)];
    if (report.problem != FileProblem::None) {
        console.Write(kProblemTexts[static_cast<std::size_t>(report.problem)]);
        console.Write(L"\n");
        if (report.problem == FileProblem::NotRenamed) console.Write(kResultText + result + L"\n");
        return;
    }
    DescribeLines(report, console);
    console.Write(kResultText + result + L"\n");
}

// What of each line of the file to convert: in a table of several columns, its ISBN
// column, settled with the user; a first line that is a heading stays one.
ColumnAnswer ChooseFileColumn(const std::wstring& path, const Direction& direction, Console& console,
                              const Cancellation& cancellation, TableColumn& column)
{
    const std::vector<std::vector<std::wstring>> rows = FirstRows(path);
    ColumnTally tally(direction);
    for (const std::vector<std::wstring>& row : rows) {
        for (const std::wstring& cell : row) {
            char ansi[3 * kLongestAnsiLine];
            tally.Cell(AnsiText(cell, ansi));
        }
        tally.EndRow();
    }
    const auto firstCell = [&rows](std::size_t index) {
        return rows.empty() || index >= rows.front().size() ? std::wstring() : rows.front()[index];
    };
    std::size_t index = 0;
    if (tally.Columns() > 1) {
        const ColumnAnswer answered = ChooseColumn(tally, firstCell, console, cancellation, index);
        if (answered != ColumnAnswer::Chosen) return answered;
        column.number = index + 1;
    }
    column.heading = tally.FirstRowIsHeading(index);
    DescribeColumn(tally, index, firstCell, L"  ", console);
    return ColumnAnswer::Chosen;
}

// Workbooks are named before the question, which is not asked when nothing else is left.
int ConvertFiles(std::vector<std::wstring> paths, Console& console, Cancellation& cancellation)
{
    console.Write(std::to_wstring(paths.size()) + kFilesToConvertText);
    std::vector<std::wstring> convertible;
    for (std::wstring& path : paths) {
        console.Write(L"  " + path + L"\n");
        if (IsExcelWorkbookFile(path)) {
            console.Write(kProblemTexts[static_cast<std::size_t>(FileProblem::ExcelWorkbook)]);
            console.Write(L"\n");
        } else {
            convertible.push_back(std::move(path));
        }
    }
    const Direction* direction = convertible.empty() ? nullptr : AskDirection(console, cancellation);
    if (direction == nullptr) {
        console.Write(kNothingDoneText);
        return 1;
    }
    bool allConverted = convertible.size() == paths.size();
    for (std::size_t i = 0; i < convertible.size(); ++i) {
        if (cancellation.requested) {
            console.Write(kStoppedText);
            return 1;
        }
        console.Write(L"\n[" + std::to_wstring(i + 1) + L"/" + std::to_wstring(convertible.size()) + L"] " +
                      FileName(convertible[i]) + L"\n");
        TableColumn column;
        const ColumnAnswer answered = ChooseFileColumn(convertible[i], *direction, console, cancellation, column);
        if (answered == ColumnAnswer::Stopped) {
            console.Write(kStoppedText);
            return 1;
        }
        if (answered == ColumnAnswer::NoColumn) {
            console.Write(kNoIsbnColumnInFileText);
            allConverted = false;
            continue;
        }
        const FileReport report = ConvertDroppedFile(convertible[i], *direction, column, cancellation);
        Describe(report, console);
        allConverted = allConverted && report.problem == FileProblem::None && RefusedLines(report) == 0;
    }
    console.Write(L"\n");
    return allConverted ? 0 : 1;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

}   // namespace

std::wstring_view Trimmed(std::wstring_view text)
{
    while (!text.empty() && (text.front() == L' ' || text.front() == L'\u3000')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\u3000')) text.remove_suffix(1);
    return text;
}

std::wstring TypedNumber(std::wstring_view answer)
{
    std::wstring number(Trimmed(answer));
    for (wchar_t& c : number) {
        if (c >= L'０' && c <= L'９') c = static_cast<wchar_t>(c - L'０' + L'0');
    }
    return number;
}

const Direction* DirectionOf(std::wstring_view answer)
{
    const std::wstring number = TypedNumber(answer);
    if (number == L"1") return &kTo13;
    if (number == L"2") return &kTo10;
    return nullptr;
}

void DescribeLines(const FileReport& report, Console& console)
{
    console.Write(kConvertedLinesText + std::to_wstring(report.counts[0]) + L"\n");
    console.Write(kRefusedLinesText + std::to_wstring(RefusedLines(report)) + L"\n");
    for (std::size_t outcome = 1; outcome < kOutcomeCount; ++outcome) {
        if (report.counts[outcome] == 0) continue;
        const std::string_view status = StatusName(static_cast<ConversionOutcome>(outcome));
        console.Write(L"    " + std::wstring(kRefusalReasonWords[outcome]) + L" (" +
                      std::wstring(status.begin(), status.end()) + L"): " + std::to_wstring(report.counts[outcome]) +
                      L"\n");
    }
    if (report.missingColumns > 0) console.Write(kMissingColumnsText + std::to_wstring(report.missingColumns) + L"\n");
    const bool utf16 = report.encoding == TextEncoding::Utf16Le || report.encoding == TextEncoding::Utf16Be;
    if (report.longLines > 0) {
        console.Write((utf16 ? kLongUtf16LinesText : kLongLinesText) + std::to_wstring(report.longLines) + L"\n");
    }
}

std::vector<std::wstring> PastedPaths(std::wstring_view line)
{
    const std::wstring whole(Trimmed(line));
    line = whole;
    std::vector<std::wstring> paths;
    while (!line.empty()) {
        const bool quoted = line.front() == L'"';
        const std::size_t end = quoted ? line.find(L'"', 1) : line.find(L' ');
        paths.emplace_back(line.substr(quoted ? 1 : 0, end == line.npos ? line.npos : end - (quoted ? 1 : 0)));
        line = Trimmed(end == line.npos ? std::wstring_view() : line.substr(end + 1));
    }
    bool allExist = !paths.empty();
    for (const std::wstring& path : paths) allExist = allExist && Exists(path);
    if (allExist) return paths;
    if (!whole.empty() && Exists(whole)) return {whole};
    return {};
}

std::optional<int> RunDropSession(std::vector<std::wstring> paths, const wchar_t* note, Console& console,
                                  Cancellation& cancellation)
{
    if (paths.empty()) {
        console.Write(kGuideText);
        if (note != nullptr) console.Write(note);
        console.Write(kDropPromptText);
        std::wstring line;
        if (!console.ReadLine(line)) return std::nullopt;
        paths = PastedPaths(line);
        // Enter alone, or anything that names no file, closes the window.
        if (paths.empty()) return std::nullopt;
        console.Write(L"\n");
    }
    return ConvertFiles(std::move(paths), console, cancellation);
}
