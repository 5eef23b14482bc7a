#include "clipboard_session.h"

#include <algorithm>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ansi_text.h"
#include "clipboard.h"
#include "clipboard_forms.h"
#include "column_choice.h"
#include "desktop_texts.h"
#include "drop_session.h"
#include "isbn_column.h"
#include "tabbed_text.h"
#include "xml_spreadsheet.h"

namespace {

using Cells = std::span<const TabbedCell<wchar_t>>;

// A cell that the "XML Spreadsheet" form holds as a number, as whole-number digits:
// the text form holds it only as shown, an ISBN-13 as 9.78410E+12.
struct NumberCell {
    std::size_t row;
    std::size_t column;
    std::string digits;
};

// The copied rows and, once chosen, the column that holds the ISBNs.
struct CopiedTable {
    std::wstring text;
    std::vector<NumberCell> numbers;   // by row, then column
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::size_t column = 0;
    bool heading = false;
};

std::vector<NumberCell> NumberCells(std::string_view spreadsheet)
{
    std::vector<NumberCell> numbers;
    ForEachSpreadsheetCell(spreadsheet, [&numbers](const SpreadsheetCell& cell) {
        if (cell.type != "Number") return;
        if (std::optional<std::string> digits = IntegerDigits(cell.value)) {
            numbers.push_back({cell.row, cell.column, std::move(*digits)});
        }
    });
    return numbers;
}

// A cell as the dialog would see it pasted, or a number's digits; a row too short for
// the column has an empty cell.
struct CellText {
    std::string_view ansi;
    bool number = false;         // read from the number, not from the text shown
    bool zeroRestored = false;   // an ISBN-10 typed as a number, its leading zeros put back
};

class CellReader {
public:
    CellReader(const CopiedTable& table, const Direction& direction) : table_(table), direction_(direction) {}

    CellText Read(std::size_t row, Cells cells, std::size_t column)
    {
        const auto found = std::lower_bound(table_.numbers.begin(), table_.numbers.end(), std::pair(row, column),
                                            [](const NumberCell& cell, std::pair<std::size_t, std::size_t> place) {
                                                return std::pair(cell.row, cell.column) < place;
                                            });
        if (column >= cells.size()) return {};
        const bool number = found != table_.numbers.end() && found->row == row && found->column == column;
        // Only where the text shows a number: the two forms are matched by place alone.
        if (number && ShowsNumber(cells[column].raw)) return Number(found->digits);
        return {AnsiText(CellValue(cells[column], scratch_), ansi_)};
    }

private:
    // A number shown as typed or in Excel's General format: 306406152, 9.78410E+12.
    static bool ShowsNumber(std::wstring_view shown)
    {
        return shown.find_first_of(L"0123456789") != shown.npos &&
               shown.find_first_not_of(L"0123456789.,+-E ") == shown.npos;
    }

    // A number loses an ISBN-10's leading zeros: 0306406152 becomes 306406152, and the
    // 0-00 of a group 0 publisher 8 digits. They are put back when the check digit then
    // holds, which a number that was never an ISBN does only by chance, one time in eleven.
    CellText Number(const std::string& digits)
    {
        if (&direction_ == &kTo13 && (digits.size() == 8 || digits.size() == 9)) {
            padded_ = std::string(10 - digits.size(), '0') + digits;
            if (direction_.convert(padded_).outcome == ConversionOutcome::Converted) return {padded_, true, true};
        }
        return {digits, true, false};
    }

    const CopiedTable& table_;
    const Direction& direction_;
    std::wstring scratch_;
    std::string padded_;
    char ansi_[3 * kLongestAnsiLine];
};

// Converts the chosen cell of every row but the heading, in order, handing on each
// result with how its cell was read.
template <typename OnResult>
void ConvertRows(const CopiedTable& table, const Direction& direction, OnResult onResult)
{
    CellReader reader(table, direction);
    std::size_t row = 0;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        if (row > 0 || !table.heading) {
            const CellText cell = reader.Read(row, cells, table.column);
            onResult(direction.convert(cell.ansi), cell);
        }
        ++row;
    });
}

ColumnTally Tally(const CopiedTable& table, const Direction& direction)
{
    ColumnTally tally(direction);
    CellReader reader(table, direction);
    std::size_t row = 0;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        for (std::size_t column = 0; column < cells.size(); ++column) tally.Cell(reader.Read(row, cells, column).ansi);
        tally.EndRow();
        ++row;
    });
    return tally;
}

// The first cell of a column, which names it when it is a heading.
std::wstring FirstCell(const CopiedTable& table, std::size_t column)
{
    std::wstring cell;
    std::size_t at = 0;
    ReadTabbedRow(std::wstring_view(table.text), 0, [&](const TabbedCell<wchar_t>& read) {
        if (at++ == column) AppendCellValue(read, cell);
    });
    return cell;
}

const wchar_t* WrittenText(ClipboardAccess written)
{
    switch (written) {
    case ClipboardAccess::Done:
        return kClipboardDoneText;
    case ClipboardAccess::Busy:
        return kClipboardNotWrittenText;
    case ClipboardAccess::Changed:
        return kClipboardChangedText;
    default:
        return kClipboardEmptiedText;
    }
}

// Both forms are measured, then written into blocks that are all allocated before
// the clipboard is touched: out of memory, it stays as it was.
int PutResults(const CopiedTable& table, const Direction& direction, DWORD sequence, Console& console)
{
    const char* const isbnHeading = &direction == &kTo13 ? "ISBN-13" : "ISBN-10";
    FileReport report;
    ClipboardForms measured;
    std::size_t numbers = 0;
    std::size_t zerosRestored = 0;
    if (table.heading) measured.Heading(isbnHeading);
    ConvertRows(table, direction, [&](const ConversionResult& result, const CellText& cell) {
        ++report.counts[static_cast<std::size_t>(result.outcome)];
        numbers += cell.number ? 1 : 0;
        zerosRestored += cell.zeroRestored ? 1 : 0;
        measured.Row(result, cell.zeroRestored ? kZeroRestoredNote : nullptr);
    });
    ClipboardBlock text(measured.TextBytes());
    ClipboardBlock html(measured.HtmlBytes());
    {
        const LockedMemory textPlace(text.Handle());
        const LockedMemory htmlPlace(html.Handle());
        if (textPlace.Place() == nullptr || htmlPlace.Place() == nullptr) {
            console.Write(kOutOfMemoryText);
            return 1;
        }
        ClipboardForms forms(measured, static_cast<wchar_t*>(textPlace.Place()), static_cast<char*>(htmlPlace.Place()));
        if (table.heading) forms.Heading(isbnHeading);
        ConvertRows(table, direction, [&forms](const ConversionResult& result, const CellText& cell) {
            forms.Row(result, cell.zeroRestored ? kZeroRestoredNote : nullptr);
        });
        forms.Finish();
    }
    console.Write(L"\n");
    DescribeLines(report, console);
    if (numbers > 0) console.Write(kNumberCellsText + std::to_wstring(numbers) + L"\n");
    if (zerosRestored > 0) console.Write(kZerosRestoredText + std::to_wstring(zerosRestored) + L"\n");
    const ClipboardAccess written = WriteClipboard(text, html, sequence);
    console.Write(WrittenText(written));
    return written == ClipboardAccess::Done && report.counts[0] == table.rows - (table.heading ? 1 : 0) ? 0 : 1;
}

ClipboardSessionEnd Run(Console& console, Cancellation& cancellation)
{
    CopiedTable table;
    DWORD sequence = 0;
    std::string spreadsheet;
    const ClipboardAccess read = ReadClipboardText(table.text, sequence, &spreadsheet);
    if (read == ClipboardAccess::Busy) return {std::nullopt, kClipboardBusyText};
    if (read != ClipboardAccess::Done) return {};
    ForEachRow(std::wstring_view(table.text), [&table](Cells cells) {
        ++table.rows;
        table.columns = std::max(table.columns, cells.size());
    });
    if (table.rows == 0) return {};
    table.numbers = NumberCells(spreadsheet);
    std::string().swap(spreadsheet);

    if (table.columns == 1) {
        console.Write(std::to_wstring(table.rows) + kClipboardOfferText);
    } else {
        console.Write(std::to_wstring(table.rows) + kRowsAndText + std::to_wstring(table.columns) +
                      kClipboardTableOfferText);
    }
    console.Write(kClipboardChoiceText);
    std::wstring answer;
    if (!console.ReadLine(answer) || cancellation.requested) {
        console.Write(kClipboardUnchangedText);
        return {1};
    }
    const Direction* direction = DirectionOf(answer);
    if (direction == nullptr) return {std::nullopt, nullptr, true};

    const ColumnTally tally = Tally(table, *direction);
    const auto firstCell = [&table](std::size_t column) { return FirstCell(table, column); };
    if (table.columns > 1) {
        const ColumnAnswer answered = ChooseColumn(tally, firstCell, console, cancellation, table.column);
        if (answered != ColumnAnswer::Chosen) {
            console.Write(answered == ColumnAnswer::NoColumn ? kNoIsbnColumnText : kClipboardUnchangedText);
            return {1};
        }
    }
    table.heading = tally.FirstRowIsHeading(table.column);
    if (table.columns > 1 || table.heading) console.Write(L"\n");
    DescribeColumn(tally, table.column, firstCell, L"", console);
    return {PutResults(table, *direction, sequence, console)};
}

}   // namespace

ClipboardSessionEnd RunClipboardSession(Console& console, Cancellation& cancellation)
{
    // The copy read and the reader's rows live on the heap; the clipboard is only
    // written from blocks already made.
    try {
        return Run(console, cancellation);
    } catch (const std::bad_alloc&) {
        console.Write(kOutOfMemoryText);
        return {1};
    }
}
