#include "answers.h"

#include <windows.h>

#include "desktop_texts.h"

namespace {

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

std::size_t RefusedLines(const FileReport& report)
{
    std::size_t refused = 0;
    for (std::size_t outcome = 1; outcome < kOutcomeCount; ++outcome) refused += report.counts[outcome];
    return refused + report.missingColumns;
}

void DescribeLines(const FileReport& report, StatusWords words, Console& console)
{
    console.Write(kConvertedLinesText + std::to_wstring(report.counts[0]) + L"\n");
    if (report.readOtherwise > 0) console.Write(kReadOtherwiseText + std::to_wstring(report.readOtherwise) + L"\n");
    if (report.unassigned > 0) console.Write(kUnassignedRowsText + std::to_wstring(report.unassigned) + L"\n");
    console.Write(kRefusedLinesText + std::to_wstring(RefusedLines(report)) + L"\n");
    for (std::size_t outcome = 1; outcome < kOutcomeCount; ++outcome) {
        if (report.counts[outcome] == 0) continue;
        const std::string_view status = StatusName(static_cast<ConversionOutcome>(outcome));
        const std::wstring word =
            words == StatusWords::Shown ? L" (" + std::wstring(status.begin(), status.end()) + L")" : L"";
        console.Write(L"    " + std::wstring(kRefusalReasonWords[outcome]) + word + L": " +
                      std::to_wstring(report.counts[outcome]) + L"\n");
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
