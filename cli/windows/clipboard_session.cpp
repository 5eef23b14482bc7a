#include "clipboard_session.h"

#include <algorithm>
#include <new>
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

namespace {

using Cells = std::span<const TabbedCell<wchar_t>>;

// The copied rows and, once chosen, the column that holds the ISBNs.
struct CopiedTable {
    std::wstring text;
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::size_t column = 0;
    bool heading = false;
};

// A cell as the dialog would see it pasted; a row too short for the column has an empty one.
class CellReader {
public:
    std::string_view Ansi(Cells cells, std::size_t column)
    {
        if (column >= cells.size()) return {};
        return AnsiText(CellValue(cells[column], scratch_), ansi_);
    }

private:
    std::wstring scratch_;
    char ansi_[3 * kLongestAnsiLine];
};

// Converts the chosen cell of every row but the heading, in order, handing each result on.
template <typename OnResult>
void ConvertRows(const CopiedTable& table, const Direction& direction, OnResult onResult)
{
    CellReader reader;
    bool first = true;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        if (!std::exchange(first, false) || !table.heading)
            onResult(direction.convert(reader.Ansi(cells, table.column)));
    });
}

ColumnTally Tally(const CopiedTable& table, const Direction& direction)
{
    ColumnTally tally(direction);
    CellReader reader;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        for (std::size_t column = 0; column < cells.size(); ++column) tally.Cell(reader.Ansi(cells, column));
        tally.EndRow();
    });
    return tally;
}

// The first cell of a column, which names it when it is a heading.
std::wstring FirstCell(const CopiedTable& table, std::size_t column)
{
    std::wstring cell;
    bool first = true;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        if (std::exchange(first, false) && column < cells.size()) AppendCellValue(cells[column], cell);
    });
    return cell;
}

// A block locked for writing, unlocked when done.
class Locked {
public:
    explicit Locked(const ClipboardBlock& block)
        : block_(block), place_(block.Allocated() ? GlobalLock(block.Handle()) : nullptr)
    {}
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;
    ~Locked()
    {
        if (place_ != nullptr) GlobalUnlock(block_.Handle());
    }
    void* Place() const { return place_; }

private:
    const ClipboardBlock& block_;
    void* place_;
};

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
    if (table.heading) measured.Heading(isbnHeading);
    ConvertRows(table, direction, [&](const ConversionResult& result) {
        ++report.counts[static_cast<std::size_t>(result.outcome)];
        measured.Row(result);
    });
    ClipboardBlock text(measured.TextBytes());
    ClipboardBlock html(measured.HtmlBytes());
    {
        const Locked textPlace(text);
        const Locked htmlPlace(html);
        if (textPlace.Place() == nullptr || htmlPlace.Place() == nullptr) {
            console.Write(kOutOfMemoryText);
            return 1;
        }
        ClipboardForms forms(measured, static_cast<wchar_t*>(textPlace.Place()), static_cast<char*>(htmlPlace.Place()));
        if (table.heading) forms.Heading(isbnHeading);
        ConvertRows(table, direction, [&forms](const ConversionResult& result) { forms.Row(result); });
        forms.Finish();
    }
    console.Write(L"\n");
    DescribeLines(report, console);
    const ClipboardAccess written = WriteClipboard(text, html, sequence);
    console.Write(WrittenText(written));
    return written == ClipboardAccess::Done && report.counts[0] == table.rows - (table.heading ? 1 : 0) ? 0 : 1;
}

ClipboardSessionEnd Run(Console& console, Cancellation& cancellation)
{
    CopiedTable table;
    DWORD sequence = 0;
    const ClipboardAccess read = ReadClipboardText(table.text, sequence);
    if (read == ClipboardAccess::Busy) return {std::nullopt, kClipboardBusyText};
    if (read != ClipboardAccess::Done) return {};
    ForEachRow(std::wstring_view(table.text), [&table](Cells cells) {
        ++table.rows;
        table.columns = std::max(table.columns, cells.size());
    });
    if (table.rows == 0) return {};

    if (table.columns == 1) {
        console.Write(std::to_wstring(table.rows) + kClipboardOfferText);
    } else {
        console.Write(std::to_wstring(table.rows) + L" 行 " + std::to_wstring(table.columns) +
                      kClipboardTableOfferText);
    }
    console.Write(kClipboardChoiceText);
    std::wstring answer;
    if (!console.ReadLine(answer) || cancellation.requested) {
        console.Write(kClipboardUnchangedText);
        return {1};
    }
    const Direction* direction = DirectionOf(answer);
    if (direction == nullptr) return {};

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
    DescribeColumn(tally, table.column, firstCell, console);
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
