#include "clipboard_session.h"

#include <algorithm>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "agency_hyphens.h"
#include "ansi_text.h"
#include "answers.h"
#include "clipboard.h"
#include "clipboard_forms.h"
#include "column_choice.h"
#include "copied_table.h"
#include "desktop_texts.h"
#include "isbn_column.h"
#include "isbn_notation.h"
#include "result_sizes.h"
#include "tabbed_text.h"

namespace {

using Cells = std::span<const TabbedCell<wchar_t>>;

// How a cell was read, beside the text the dialog would see pasted.
struct CellText {
    std::string_view ansi;
    bool number = false;         // read from the number's value, not from the text shown
    bool zeroRestored = false;   // an ISBN-10 typed as a number, its leading zeros put back
    bool cutShort = false;       // a number shown cut short, with no value to read instead
    unsigned read = 0;           // read as Japanese sheets write ISBNs (NotationRead)
};

// The text a cell stands for: what it shows, as the dialog would see it pasted; or, for a
// cell that Excel holds as a number and does not show as an ISBN, the number's digits,
// with an ISBN-10's lost leading zeros put back. The tally reads every column so, that a
// column of such numbers is found; only the column chosen is converted.
class CellReader {
public:
    CellReader(const CopiedTable& table, const Direction& direction) : table_(table), direction_(direction) {}

    CellText Read(std::size_t row, Cells cells, std::size_t column)
    {
        if (column >= cells.size()) return {};
        const std::wstring_view shown = CellValue(cells[column], scratch_);
        const std::string_view ansi = AnsiText(shown, ansi_);
        const std::string* digits = table_.numbers.Find(row, column);
        if (digits == nullptr) return Shown(ansi, shown);
        // A number shown as an ISBN (a format of ten digits keeps the zeros) is read as shown.
        if (direction_.convert(ansi).outcome == ConversionOutcome::Converted) return {ansi};
        if (&direction_ == &kTo13) {
            if (std::optional<std::string> padded = WithLeadingZeros(*digits, shown)) {
                padded_ = std::move(*padded);
                return {padded_, true, true};
            }
        }
        return {*digits, true};
    }

private:
    // A cell's text as shown; one that does not convert as the dialog reads it, but does
    // once read as Japanese sheets write ISBNs, is read so.
    CellText Shown(std::string_view ansi, std::wstring_view shown)
    {
        const NotationText read = ReadAsMeant(ansi, notation_);
        if (read.read != 0) return {read.text, false, false, false, read.read};
        return {ansi, false, false, !table_.spreadsheet && ShowsCutShortNumber(shown)};
    }

    const CopiedTable& table_;
    const Direction& direction_;
    std::wstring scratch_;
    std::string padded_;
    char ansi_[3 * kLongestAnsiLine];
    char notation_[kLongestNotation];
};

// The column chosen and whether its first row is a heading.
struct ChosenColumn {
    std::size_t column = 0;
    bool heading = false;
};

// A converted ISBN in a range that the agency's table does not assign, as of its date.
const wchar_t* UnassignedNote()
{
    static const std::wstring note =
        kUnassignedBeforeText + std::wstring(kAgencyRangesDateText, kAgencyRangesDateText + 10) + kUnassignedAfterText;
    return note.c_str();
}

// What was read otherwise than written, as a reason: 「全角を半角として、「ISBN」の表示を
// 除いて読んで変換」. Made once for each combination.
const wchar_t* ReadNote(unsigned read)
{
    static std::wstring notes[16];
    std::wstring& note = notes[read & 15];
    if (note.empty()) {
        for (unsigned part = 0; part < 4; ++part) {
            if ((read & 1u << part) == 0) continue;
            if (!note.empty()) note += L"、";
            note += kReadNoteParts[part];
        }
        note += kReadNoteEnd;
    }
    return note.c_str();
}

// A result row as it is written: the ISBN with hyphens where the user wrote some, and the
// reason, when the row says more than its outcome (a range no publisher holds, zeros put
// back, a number cut short, an ISBN of the other kind).
struct RowWritten {
    char isbn[kLongestHyphenated + 1] = {};
    const wchar_t* note = nullptr;
    bool unassigned = false;
    bool otherKind = false;
};

RowWritten Written(const ConversionResult& result, const CellText& cell, const Direction& direction)
{
    RowWritten row;
    if (result.outcome == ConversionOutcome::Converted) {
        *PutConvertedIsbn(direction, Hyphens::LikeInput, cell.ansi, result, row.isbn) = '\0';
        row.unassigned = !AgencySplit(Isbn13Digits(direction, cell.ansi, result).View());
        row.note = row.unassigned      ? UnassignedNote()
                   : cell.zeroRestored ? kZeroRestoredNote
                   : cell.read != 0    ? ReadNote(cell.read)
                                       : nullptr;
        return row;
    }
    row.otherKind = OtherDirection(direction).convert(cell.ansi).outcome == ConversionOutcome::Converted;
    row.note = cell.cutShort   ? kCutShortNote
               : row.otherKind ? kOtherDirectionNotes[&direction == &kTo13 ? 0 : 1]
                               : nullptr;
    return row;
}

// Converts the chosen cell of every row but the heading, in order, handing on each
// result with how its cell was read.
template <typename OnResult>
void ConvertRows(const CopiedTable& table, const Direction& direction, ChosenColumn chosen, OnResult onResult)
{
    CellReader reader(table, direction);
    std::size_t row = 0;
    ForEachRow(std::wstring_view(table.text), [&](Cells cells) {
        if (row > 0 || !chosen.heading) {
            const CellText cell = reader.Read(row, cells, chosen.column);
            onResult(direction.convert(cell.ansi), cell);
        }
        ++row;
    });
}

// The column is judged on the first rows, as a person looks at the top of a sheet (a
// dropped file's are those in its first 64 KiB): a million rows then cost one pass less.
constexpr std::size_t kTalliedRows = 10000;

ColumnTally Tally(const CopiedTable& table, const Direction& direction)
{
    ColumnTally tally(direction);
    CellReader reader(table, direction);
    std::vector<TabbedCell<wchar_t>> cells;
    std::wstring scratch;
    const std::wstring_view text(table.text);
    for (std::size_t at = 0, row = 0; at < text.size() && row < kTalliedRows; ++row) {
        cells.clear();
        at = ReadTabbedRow(text, at, table.quotedCells,
                           [&cells](const TabbedCell<wchar_t>& cell) { cells.push_back(cell); });
        for (std::size_t column = 0; column < cells.size(); ++column) {
            const bool namesIsbn = row == 0 && NamesIsbn(CellValue(cells[column], scratch));
            tally.Cell(reader.Read(row, Cells(cells), column).ansi, namesIsbn);
        }
        tally.EndRow();
    }
    return tally;
}

// The first cell of a column, which names it when it is a heading.
std::wstring FirstCell(const CopiedTable& table, std::size_t column)
{
    std::wstring cell;
    std::size_t at = 0;
    ReadTabbedRow(std::wstring_view(table.text), 0, table.quotedCells, [&](const TabbedCell<wchar_t>& read) {
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
// the clipboard is touched: too large or out of memory, it stays as it was.
int PutResults(const CopiedTable& table, const Direction& direction, ChosenColumn chosen, DWORD sequence,
               Console& console, const Cancellation& cancellation)
{
    const char* const isbnHeading = &direction == &kTo13 ? "ISBN-13" : "ISBN-10";
    FileReport report;
    ClipboardForms measured;
    std::size_t numbers = 0;
    std::size_t zerosRestored = 0;
    std::size_t otherDirection = 0;
    bool cutShort = false;
    if (chosen.heading) measured.Heading(isbnHeading);
    ConvertRows(table, direction, chosen, [&](const ConversionResult& result, const CellText& cell) {
        ++report.counts[static_cast<std::size_t>(result.outcome)];
        numbers += cell.number ? 1 : 0;
        zerosRestored += cell.zeroRestored ? 1 : 0;
        const RowWritten row = Written(result, cell, direction);
        otherDirection += row.otherKind ? 1 : 0;
        report.unassigned += row.unassigned ? 1 : 0;
        report.readOtherwise += result.outcome == ConversionOutcome::Converted && cell.read != 0 ? 1 : 0;
        cutShort = cutShort || cell.cutShort;
        measured.Row(row.isbn, result, row.note);
    });
    if (!ResultsWithinLimit(measured.TextBytes(), measured.HtmlBytes())) {
        console.Write(kTooLargeText);
        return 1;
    }
    ClipboardBlock text(static_cast<std::size_t>(measured.TextBytes()));
    ClipboardBlock html(static_cast<std::size_t>(measured.HtmlBytes()));
    {
        const LockedMemory textPlace(text.Handle());
        const LockedMemory htmlPlace(html.Handle());
        if (textPlace.Place() == nullptr || htmlPlace.Place() == nullptr) {
            console.Write(kOutOfMemoryText);
            return 1;
        }
        ClipboardForms forms(measured, static_cast<wchar_t*>(textPlace.Place()), static_cast<char*>(htmlPlace.Place()));
        if (chosen.heading) forms.Heading(isbnHeading);
        ConvertRows(table, direction, chosen, [&](const ConversionResult& result, const CellText& cell) {
            const RowWritten row = Written(result, cell, direction);
            forms.Row(row.isbn, result, row.note);
        });
        forms.Finish();
    }
    console.Write(L"\n");
    DescribeLines(report, StatusWords::Left, console);
    if (otherDirection > 0) console.Write(kOtherDirectionRowsText + std::to_wstring(otherDirection) + L"\n");
    if (numbers > 0) console.Write(kNumberCellsText + std::to_wstring(numbers) + L"\n");
    if (zerosRestored > 0) console.Write(kZerosRestoredText + std::to_wstring(zerosRestored) + L"\n");
    if (cutShort) console.Write(kCutShortNumbersText);
    console.Write(kHyphensLikeInputText);
    // Ctrl+C pressed while the rows were converting still leaves the clipboard as it was.
    if (cancellation.requested) {
        console.Write(kClipboardUnchangedText);
        return 1;
    }
    const ClipboardAccess written = WriteClipboard(text, html, sequence);
    console.Write(WrittenText(written));
    return written == ClipboardAccess::Done && report.counts[0] == table.rows - (chosen.heading ? 1 : 0) ? 0 : 1;
}

ClipboardSessionEnd Ended(int status)
{
    ClipboardSessionEnd end;
    end.status = status;
    return end;
}

// What the user answered to the offer.
struct OfferAnswer {
    const Direction* direction = nullptr;   // a direction chosen
    std::vector<std::wstring> paths;        // or files dragged onto the window
    bool stopped = false;                   // or Ctrl+C, input ended, or Enter alone after the guide
};

// Asks until a direction is chosen. A number other than 1 or 2 asks again; Enter alone
// shows the guide and then the offer again, after which files dragged onto the window
// are taken too and Enter alone closes.
OfferAnswer AskOffer(Console& console, const Cancellation& cancellation, bool& guideShown)
{
    OfferAnswer answered;
    std::wstring answer;
    for (;;) {
        if (!console.ReadLine(answer) || cancellation.requested) {
            answered.stopped = true;
            return answered;
        }
        answered.direction = DirectionOf(answer);
        if (answered.direction != nullptr) return answered;
        if (guideShown) {
            answered.paths = PastedPaths(answer);
            if (!answered.paths.empty()) return answered;
        }
        if (!Trimmed(answer).empty()) {
            console.Write(kChooseAgainText);
            continue;
        }
        if (guideShown) {
            answered.stopped = true;
            return answered;
        }
        // An Enter pressed twice to see the guide must not answer the offer too.
        console.DiscardTypedAhead();
        console.Write(kGuideText);
        console.Write(kClipboardOfferAgainText);
        guideShown = true;
    }
}

// The column to convert, settled with the user. OtherDirection: the ISBNs convert only
// the other way, which was said, and the offer stands again.
enum class ColumnSettled { Chosen, Stopped, NoColumn, OtherDirection };

ColumnSettled SettleColumn(const CopiedTable& table, const Direction& direction, Console& console,
                           const Cancellation& cancellation, ChosenColumn& chosen)
{
    const ColumnTally tally = Tally(table, direction);
    // ISBNs of the other kind: said before anything is asked or written.
    if (OfTheOtherKind(tally, [&] { return Tally(table, OtherDirection(direction)); })) {
        console.Write(kOtherDirectionTexts[&direction == &kTo13 ? 0 : 1]);
        return ColumnSettled::OtherDirection;
    }
    const auto firstCell = [&table](std::size_t column) { return FirstCell(table, column); };
    if (table.columns > 1) {
        const ColumnAnswer answered = ChooseColumn(tally, firstCell, console, cancellation, chosen.column);
        if (answered == ColumnAnswer::NoColumn) return ColumnSettled::NoColumn;
        if (answered == ColumnAnswer::Stopped) return ColumnSettled::Stopped;
    }
    chosen.heading = tally.FirstRowIsHeading(chosen.column);
    if (table.columns > 1 || chosen.heading) console.Write(L"\n");
    DescribeColumn(tally, chosen.column, firstCell, L"", console);
    return ColumnSettled::Chosen;
}

ClipboardSessionEnd Run(Console& console, Cancellation& cancellation)
{
    CopiedTable table;
    DWORD sequence = 0;
    switch (ReadCopiedTable(table, sequence)) {
    case CopyRead::Busy: {
        ClipboardSessionEnd end;
        end.refusal = kClipboardBusyText;
        return end;
    }
    case CopyRead::NoText:
        return {};
    case CopyRead::TooLarge:
        console.Write(kTooLargeText);
        return Ended(1);
    case CopyRead::FormsDisagree:
        console.Write(kFormsDisagreeText);
        return Ended(1);
    case CopyRead::Done:
        break;
    }

    if (table.columns == 1) {
        console.Write(std::to_wstring(table.rows) + kClipboardOfferText);
    } else {
        console.Write(std::to_wstring(table.rows) + kRowsAndText + std::to_wstring(table.columns) +
                      kClipboardTableOfferText);
    }
    console.Write(kClipboardChoiceText);
    bool guideShown = false;
    for (;;) {
        OfferAnswer answer = AskOffer(console, cancellation, guideShown);
        ClipboardSessionEnd end;
        end.paths = std::move(answer.paths);
        end.closed = answer.stopped && guideShown && !cancellation.requested;
        if (!end.paths.empty() || end.closed) return end;
        if (answer.stopped) {
            console.Write(kClipboardUnchangedText);
            return Ended(1);
        }
        ChosenColumn chosen;
        switch (SettleColumn(table, *answer.direction, console, cancellation, chosen)) {
        case ColumnSettled::OtherDirection:
            continue;
        case ColumnSettled::NoColumn:
            console.Write(kNoIsbnColumnText);
            return Ended(1);
        case ColumnSettled::Stopped:
            console.Write(kClipboardUnchangedText);
            return Ended(1);
        case ColumnSettled::Chosen:
            return Ended(PutResults(table, *answer.direction, chosen, sequence, console, cancellation));
        }
    }
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
        return Ended(1);
    }
}
