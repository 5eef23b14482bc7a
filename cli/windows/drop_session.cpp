#include "drop_session.h"

#include <windows.h>

#include "ansi_text.h"
#include "answers.h"
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

void Describe(const FileReport& report, Console& console)
{
    const std::wstring result = FileName(report.resultPath) + kEncodingTexts[static_cast<int>(report.encoding)];
    if (report.problem != FileProblem::None) {
        console.Write(kProblemTexts[static_cast<std::size_t>(report.problem)]);
        console.Write(L"\n");
        if (report.problem == FileProblem::NotRenamed) console.Write(kResultText + result + L"\n");
        return;
    }
    DescribeLines(report, StatusWords::Shown, console);
    console.Write(kResultText + result + L"\n");
}

ColumnTally FileTally(const std::vector<std::vector<std::wstring>>& rows, const Direction& direction)
{
    ColumnTally tally(direction);
    for (const std::vector<std::wstring>& row : rows) {
        for (const std::wstring& cell : row) {
            char ansi[3 * kLongestAnsiLine];
            char read[kLongestNotation];
            const std::string_view text = ReadAsMeant(AnsiText(cell, ansi), read).text;
            tally.Cell(text, &row == &rows.front() && NamesIsbn(std::wstring_view(cell)));
        }
        tally.EndRow();
    }
    return tally;
}

// What of each line of the file to convert: in a table of several columns, its ISBN
// column, settled with the user; a first line that is a heading stays one. A file whose
// ISBNs convert only the other way is told so, and gets no result.
ColumnAnswer ChooseFileColumn(const std::wstring& path, const Direction& direction, Console& console,
                              const Cancellation& cancellation, TableColumn& column)
{
    const std::vector<std::vector<std::wstring>> rows = FirstRows(path);
    const ColumnTally tally = FileTally(rows, direction);
    if (OfTheOtherKind(tally, [&] { return FileTally(rows, OtherDirection(direction)); })) {
        console.Write(kOtherKindInFileTexts[&direction == &kTo13 ? 0 : 1]);
        return ColumnAnswer::NoColumn;
    }
    const auto firstCell = [&rows](std::size_t index) {
        return rows.empty() || index >= rows.front().size() ? std::wstring() : rows.front()[index];
    };
    std::size_t index = 0;
    if (tally.Columns() > 1) {
        const ColumnAnswer answered = ChooseColumn(tally, firstCell, console, cancellation, index);
        if (answered == ColumnAnswer::NoColumn) console.Write(kNoIsbnColumnInFileText);
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
    console.Write(L"\n");
    console.Write(kHyphensLikeInputText);
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

}   // namespace

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
