// Any byte string, as what a user types and as isbnconv's input. Given to both
// conversions, it ends in exactly one outcome, and a converted result is NUL-terminated
// at its expected length and converts back to the same digits. Cut into reads of the
// sizes its first bytes give, it splits into the same lines as a plain reference does.
// Split as rows of cells, in pieces, it gives the rows that the reader of whole texts
// gives. Made into cells written as Excel writes them, it reads back as cells that Excel
// would write the same way, and as the very cells where nothing is ambiguous.
// Read as a table, no column converts a larger share of its cells than the one chosen,
// which is offered to the user unless most of its cells convert, and a heading row
// never converts.
// Read as a compound file, with the signature put in front, its directory walk reads
// only within the file and ends. Read as copied XML Spreadsheet, alone and inside a Number
// cell's Data, its cells come in increasing places with values no longer than it, and a
// value's integer digits are digits that give themselves back.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "agency_hyphens.h"
#include "compound_file.h"
#include "conversion.h"
#include "isbn_column.h"
#include "isbn_notation.h"
#include "line_splitter.h"
#include "tabbed_text.h"
#include "xml_spreadsheet.h"

namespace {

// Holds in every build type, NDEBUG included; libFuzzer shows where it broke.
void Require(bool holds)
{
    if (!holds) std::abort();
}

std::string WithoutHyphens(std::string_view text)
{
    std::string digits(text);
    std::erase(digits, '-');
    return digits;
}

// An ISBN with the agency's hyphens is itself with hyphens added, whatever the lookup
// before it found, and converts to the same digits as it did without them.
void CheckAgencyHyphens(const std::string& digits13, std::string_view isbn10)
{
    char isbn13[kLongestHyphenated];
    const std::string hyphenated13(isbn13, PutAgencyIsbn13(digits13, isbn13));
    static AgencyMemo memo;   // what earlier inputs found, which must not change the answer
    Require(std::string_view(isbn13, PutAgencyIsbn13(digits13, isbn13, &memo)) == hyphenated13);
    Require(WithoutHyphens(hyphenated13) == digits13);
    Require(ConvertNew2Old(hyphenated13).outcome == ConversionOutcome::Converted);
    Require(ConvertNew2Old(hyphenated13).asinText == isbn10);
    char written10[kLongestHyphenated];
    const std::string hyphenated10(written10, PutAgencyIsbn10(digits13, isbn10, written10));
    Require(WithoutHyphens(hyphenated10) == isbn10);
    Require(WithoutHyphens(ConvertOld2New(hyphenated10).isbnText) == digits13);
}

// Read as Japanese sheets write ISBNs, any bytes are left as they are or give digits, X
// and hyphens alone, no longer than they were.
void CheckNotation(std::string_view input)
{
    for (const TextCode code : {TextCode::Cp932, TextCode::Utf8}) {
        char buffer[kLongestNotation];
        const NotationText read = ReadIsbnNotation(input, code, buffer);
        Require(read.read != 0 || read.text == input);
        Require(read.read == 0 || (!read.text.empty() && read.text.size() <= input.size() &&
                                   read.text.find_first_not_of("0123456789X-") == read.text.npos));
    }
}

void CheckConversions(std::string_view input)
{
    for (const bool toIsbn13 : {true, false}) {
        const ConversionResult result = (toIsbn13 ? ConvertOld2New : ConvertNew2Old)(input);
        const std::size_t isbnLength = strnlen(result.isbnText, sizeof result.isbnText);
        const std::size_t asinLength = strnlen(result.asinText, sizeof result.asinText);
        const bool converted = result.outcome == ConversionOutcome::Converted;
        Require(converted || (isbnLength == 0 && asinLength == 0));
        if (!converted) continue;
        const std::size_t expectedLength = toIsbn13 ? input.size() + 4 : (input.size() == 17 ? 13 : 10);
        Require(isbnLength == expectedLength && asinLength == 10);
        const ConversionResult back = (toIsbn13 ? ConvertNew2Old : ConvertOld2New)(result.isbnText);
        Require(back.outcome == ConversionOutcome::Converted);
        Require(WithoutHyphens(back.isbnText) == WithoutHyphens(input));
        Require(std::strcmp(back.asinText, result.asinText) == 0);
        CheckAgencyHyphens(WithoutHyphens(toIsbn13 ? result.isbnText : back.isbnText), result.asinText);
    }
}

// Each line followed by LF, one CR before an LF dropped.
std::string ReferenceLines(std::string_view stream)
{
    std::string lines;
    while (!stream.empty()) {
        const std::size_t end = std::min(stream.find('\n'), stream.size());
        const bool crlf = end < stream.size() && end > 0 && stream[end - 1] == '\r';
        lines.append(stream.substr(0, crlf ? end - 1 : end)) += '\n';
        stream.remove_prefix(std::min(end + 1, stream.size()));
    }
    return lines;
}

// The lines as the splitter delivers them, each followed by LF.
struct Transcript {
    std::string text;

    void Line(std::string_view line) { text.append(line) += '\n'; }
    void LongLineBegin(std::string_view head) { text.append(head); }
    void LongLinePart(std::string_view part) { text.append(part); }
    void LongLineEnd() { text += '\n'; }
};

std::string ReferenceRows(std::string_view text);

// Read as lines, or as rows of cells against the reader of whole texts.
template <std::size_t Capacity>
void CheckSplitting(std::string_view stream, std::string_view readSizes, bool cells)
{
    const std::string expected = cells ? ReferenceRows(stream) : ReferenceLines(stream);
    LineSplitter<Capacity> splitter(cells, HoldsQuotedCells(stream));
    Transcript transcript;
    for (std::size_t read = 0; !stream.empty(); ++read) {
        const std::size_t size = 1 + static_cast<unsigned char>(readSizes[read % readSizes.size()]);
        splitter.Feed(stream.substr(0, size), transcript);
        stream.remove_prefix(std::min(size, stream.size()));
    }
    splitter.Finish(transcript);
    Require(transcript.text == expected);
}

// Cells made of the bytes: 0x1F ends a cell, 0x1E a row. A cell holds no CR, as Excel's
// own line breaks are LF alone, and no more than Excel's longest cell.
std::vector<std::vector<std::string>> CellsOf(std::string_view bytes)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    for (const char c : bytes) {
        if (c == '\x1E') {
            rows.emplace_back(1);
        } else if (c == '\x1F') {
            rows.back().emplace_back();
        } else if (rows.back().back().size() < 32767) {
            rows.back().back() += c == '\r' ? '\n' : c;
        }
    }
    return rows;
}

// As Excel writes copied cells: a cell quoted only when it holds a TAB or a line break,
// its quotes then doubled; TABs between cells, CRLF after every row.
std::string AsExcelWrites(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const std::vector<std::string>& row : rows) {
        for (const std::string& cell : row) {
            if (&cell != row.data()) text += '\t';
            if (cell.find_first_of("\t\n") == cell.npos) {
                text += cell;
                continue;
            }
            text += '"';
            for (const char c : cell) text.append(c == '"' ? 2 : 1, c);
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

std::vector<std::vector<std::string>> ReadCells(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    ForEachRow(text, [&rows](std::span<const TabbedCell<char>> cells) {
        rows.emplace_back();
        for (const TabbedCell<char>& cell : cells) AppendCellValue(cell, rows.back().emplace_back());
    });
    return rows;
}

// Written as Excel writes them, cells read back as the very cells, unless a cell written
// as it stands starts with a quote and may open a quoted cell, or a cell quoted for a TAB
// alone is read as it stands (a row of two ditto marks and one such cell are the same
// text). Even then, no two rows are read as one: every row's CRLF ends a row read.
void CheckTabbedText(std::string_view bytes)
{
    const std::vector<std::vector<std::string>> written = CellsOf(bytes);
    const std::string text = AsExcelWrites(written);
    bool ambiguous = false;
    for (const std::vector<std::string>& row : written) {
        for (const std::string& cell : row) {
            const bool lineBreak = cell.find('\n') != cell.npos;
            ambiguous |= (cell.starts_with('"') || cell.find('\t') != cell.npos) && !lineBreak;
        }
    }
    Require(ambiguous || ReadCells(text) == written);
    std::vector<std::size_t> rowEnds;
    for (std::size_t at = 0; at < text.size();)
        rowEnds.push_back(at = ReadTabbedRow(std::string_view(text), at, true, [](auto) {}));
    for (std::size_t at = text.find("\r\n"); at != text.npos; at = text.find("\r\n", at + 2)) {
        Require(std::binary_search(rowEnds.begin(), rowEnds.end(), at + 2));
    }
}

// The rows of a text, each followed by LF, as the line splitter reading cells must give them.
std::string ReferenceRows(std::string_view text)
{
    std::string rows;
    ForEachRow(text, [&](std::span<const TabbedCell<char>> cells) {
        const char* start = cells.front().raw.data();
        const char* end = cells.back().raw.data() + cells.back().raw.size();
        rows.append(start, end) += '\n';
    });
    return rows;
}
void CheckColumnTally(std::string_view text)
{
    for (const Direction* direction : {&kTo13, &kTo10}) {
        ColumnTally tally(*direction);
        std::vector<std::string> firstRow;
        ForEachRow(text, [&](std::span<const TabbedCell<char>> cells) {
            for (const TabbedCell<char>& cell : cells) {
                if (tally.Rows() == 0) firstRow.emplace_back(cell.raw);
                tally.Cell(cell.raw, tally.Rows() == 0 && NamesIsbn(cell.raw));
            }
            tally.EndRow();
        });
        const ColumnChoice choice = tally.Choose();
        const std::size_t best = choice.column;
        bool anyConverts = false;
        for (std::size_t column = 0; column < tally.Columns(); ++column) {
            anyConverts = anyConverts || tally.Converted(column) > 0;
            // No column's share of converting cells (of two cells more) is above the chosen one's.
            Require(!choice.found || std::uint64_t{tally.Converted(column)} * (tally.NonEmpty(best) + 2) <=
                                         std::uint64_t{tally.Converted(best)} * (tally.NonEmpty(column) + 2));
            Require(!tally.FirstRowIsHeading(column) || column >= firstRow.size() ||
                    direction->convert(firstRow[column]).outcome != ConversionOutcome::Converted);
        }
        Require(choice.found == anyConverts);
        // A column whose cells convert no more than half the time is never used unasked.
        Require(!choice.offered.empty() || !choice.found || tally.Converted(best) * 2 > tally.NonEmpty(best));
        Require(choice.offered.empty() ||
                std::find(choice.offered.begin(), choice.offered.end(), best) != choice.offered.end());
    }
}

void CheckCompoundFile(std::string_view bytes)
{
    std::string file(reinterpret_cast<const char*>(compound_file::kSignature), sizeof compound_file::kSignature);
    file += bytes;
    HoldsWorkbookStream([&file](std::uint64_t offset, unsigned char* buffer, std::size_t size) {
        if (offset >= file.size()) return std::size_t{0};
        const std::string_view read = std::string_view(file).substr(offset, size);
        std::memcpy(buffer, read.data(), read.size());
        return read.size();
    });
}

void CheckXmlSpreadsheet(std::string_view bytes)
{
    const std::string inNumberCell = "<Worksheet><Table><Row><Cell><Data ss:Type=\"Number\">" + std::string(bytes);
    for (const std::string_view xml : {bytes, std::string_view(inNumberCell)}) {
        std::optional<std::pair<std::size_t, std::size_t>> last;
        ForEachSpreadsheetCell(xml, [&](const SpreadsheetCell& cell) {
            Require(!last || std::pair(cell.row, cell.column) > *last);
            Require(cell.value.size() <= bytes.size());
            last = std::pair(cell.row, cell.column);
            const std::optional<std::string> digits = IntegerDigits(cell.value);
            Require(!digits ||
                    (digits->find_first_not_of("0123456789") == digits->npos && IntegerDigits(*digits) == digits));
        });
    }
}

}   // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    CheckConversions(input);
    CheckNotation(input);
    CheckTabbedText(input);
    CheckCompoundFile(input);
    CheckColumnTally(input);
    CheckXmlSpreadsheet(input);
    if (size == 0) return 0;
    for (const bool cells : {false, true}) {
        CheckSplitting<4>(input, input.substr(0, 8), cells);
        CheckSplitting<256>(input, input.substr(0, 8), cells);
    }
    const std::string table = AsExcelWrites(CellsOf(input));
    CheckSplitting<4>(table, input.substr(0, 8), true);
    return 0;
}
