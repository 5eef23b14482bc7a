#include "clipboard_session.h"

#include <new>
#include <string>
#include <string_view>

#include "ansi_text.h"
#include "clipboard.h"
#include "clipboard_forms.h"
#include "desktop_texts.h"
#include "drop_session.h"
#include "tabbed_text.h"

namespace {

// Converts the one cell of every copied row, in order, handing each result on.
template <typename OnResult>
void ConvertRows(std::wstring_view copied, const Direction& direction, OnResult onResult)
{
    std::wstring scratch;
    ForEachRow(copied, [&](std::span<const TabbedCell<wchar_t>> cells) {
        char ansi[3 * kLongestAnsiLine];
        onResult(direction.convert(AnsiText(CellValue(cells.front(), scratch), ansi)));
    });
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

ClipboardSessionEnd Run(Console& console, Cancellation& cancellation)
{
    std::wstring copied;
    DWORD sequence = 0;
    const ClipboardAccess read = ReadClipboardText(copied, sequence);
    if (read == ClipboardAccess::Busy) return {std::nullopt, kClipboardBusyText};
    if (read != ClipboardAccess::Done) return {};
    std::size_t rows = 0;
    bool severalColumns = false;
    ForEachRow(std::wstring_view(copied), [&](std::span<const TabbedCell<wchar_t>> cells) {
        ++rows;
        severalColumns = severalColumns || cells.size() > 1;
    });
    if (rows == 0) return {};
    if (severalColumns) return {std::nullopt, kSeveralColumnsText};

    console.Write(std::to_wstring(rows) + kClipboardOfferText);
    std::wstring answer;
    if (!console.ReadLine(answer) || cancellation.requested) {
        console.Write(kClipboardUnchangedText);
        return {1};
    }
    const Direction* direction = DirectionOf(answer);
    if (direction == nullptr) return {};

    // Both forms are measured, then written into blocks that are all allocated before
    // the clipboard is touched: out of memory, it stays as it was.
    FileReport report;
    ClipboardForms measured;
    ConvertRows(copied, *direction, [&](const ConversionResult& result) {
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
            return {1};
        }
        ClipboardForms forms(measured, static_cast<wchar_t*>(textPlace.Place()), static_cast<char*>(htmlPlace.Place()));
        ConvertRows(copied, *direction, [&forms](const ConversionResult& result) { forms.Row(result); });
        forms.Finish();
    }
    console.Write(L"\n");
    DescribeLines(report, console);
    const ClipboardAccess written = WriteClipboard(text, html, sequence);
    console.Write(WrittenText(written));
    return {written == ClipboardAccess::Done && report.counts[0] == rows ? 0 : 1};
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
