#include "clipboard_session.h"

#include <string>
#include <string_view>
#include <vector>

#include "ansi_text.h"
#include "clipboard.h"
#include "desktop_texts.h"
#include "drop_session.h"
#include "html_table.h"

namespace {

// The copied rows: Excel ends every row, the last one included, with CRLF, and that
// last line end makes no row of its own.
std::vector<std::wstring_view> Rows(std::wstring_view text)
{
    std::vector<std::wstring_view> rows;
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        std::wstring_view row = text.substr(0, end);
        if (!row.empty() && row.back() == L'\r') row.remove_suffix(1);
        rows.push_back(row);
        text.remove_prefix(end == text.npos ? text.size() : end + 1);
    }
    return rows;
}

void Append(std::wstring& text, std::string_view ascii) { text.append(ascii.begin(), ascii.end()); }

// Converts every row into both forms of the results, counting the outcomes.
void Convert(const std::vector<std::wstring_view>& rows, const Direction& direction, std::wstring& text,
             HtmlTable& table, FileReport& report)
{
    for (const std::wstring_view row : rows) {
        char ansi[3 * kLongestAnsiLine];
        const ConversionResult result = direction.convert(AnsiText(row, ansi));
        ++report.counts[static_cast<std::size_t>(result.outcome)];
        const std::string_view status = StatusName(result.outcome);
        table.BeginRow();
        table.Word(status);
        Append(text, status);
        for (const std::string_view field : {std::string_view(result.isbnText), std::string_view(result.asinText)}) {
            text += L'\t';
            Append(text, field);
            table.Text(field);
        }
        text += L'\t';
        text += row;
        text += L"\r\n";
        table.Text(row);
        table.EndRow();
    }
}

}   // namespace

std::optional<int> RunClipboardSession(Console& console, Cancellation& cancellation)
{
    std::wstring copied;
    const ClipboardAccess read = ReadClipboardText(copied);
    if (read == ClipboardAccess::Busy) console.Write(kClipboardBusyText);
    if (read != ClipboardAccess::Done) return std::nullopt;
    const std::vector<std::wstring_view> rows = Rows(copied);
    if (rows.empty()) return std::nullopt;
    if (copied.find(L'\t') != std::wstring::npos) {
        console.Write(kSeveralColumnsText);
        return std::nullopt;
    }

    console.Write(std::to_wstring(rows.size()) + kClipboardOfferText);
    std::wstring answer;
    if (!console.ReadLine(answer) || cancellation.requested) {
        console.Write(kClipboardUnchangedText);
        return 1;
    }
    const Direction* direction = DirectionOf(answer);
    if (direction == nullptr) return std::nullopt;

    std::wstring text;
    HtmlTable table;
    FileReport report;
    Convert(rows, *direction, text, table, report);
    console.Write(L"\n");
    DescribeLines(report, console);
    // Held by another program, the clipboard is as it was; a failure once it was
    // emptied (out of memory) leaves it empty, and the user must know.
    const ClipboardAccess written = WriteClipboard(text, table.ClipboardData());
    if (written != ClipboardAccess::Done) {
        console.Write(written == ClipboardAccess::Busy ? kClipboardNotWrittenText : kClipboardEmptiedText);
        return 1;
    }
    console.Write(kClipboardDoneText);
    return report.counts[0] == rows.size() ? 0 : 1;
}
