// A scanner for the XML that Excel writes, not a general XML parser: it follows tags by their
// local names and depth, reads the few attributes that place a cell, and holds no more than
// one cell's value at a time.
#include "xml_spreadsheet.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kSpaces = " \t\r\n";

// Excel's sheet has 1,048,576 rows of 16,384 columns; a position outside it is no cell.
constexpr std::size_t kRows = 1048576;
constexpr std::size_t kColumns = 16384;

// The largest double, about 1.8E+308, has 309 digits before its point.
constexpr std::ptrdiff_t kMaxIntegerDigits = 309;

// "ss:Cell" and "Cell" are the same element to us.
std::string_view LocalName(std::string_view name)
{
    const std::size_t colon = name.rfind(':');
    return colon == npos ? name : name.substr(colon + 1);
}

// The value of the attribute with this local name, whatever its prefix.
std::optional<std::string_view> Attribute(std::string_view attributes, std::string_view name)
{
    for (std::size_t at = 0;;) {
        const std::size_t nameStart = attributes.find_first_not_of(kSpaces, at);
        const std::size_t equals = attributes.find('=', nameStart);
        const std::size_t quote = attributes.find_first_not_of(kSpaces, equals == npos ? npos : equals + 1);
        if (quote == npos || (attributes[quote] != '"' && attributes[quote] != '\'')) return std::nullopt;
        const std::size_t close = attributes.find(attributes[quote], quote + 1);
        if (close == npos) return std::nullopt;
        const std::string_view attribute = attributes.substr(nameStart, equals - nameStart);
        if (LocalName(attribute.substr(0, attribute.find_first_of(kSpaces))) == name) {
            return attributes.substr(quote + 1, close - quote - 1);
        }
        at = close + 1;
    }
}

// Decimal digits only, as the schema's integers are written; refused past `limit`, long
// before the value could overflow.
std::optional<std::size_t> Count(std::string_view text, std::size_t limit)
{
    if (text.empty()) return std::nullopt;
    std::size_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<std::size_t>(c - '0');
        if (value > limit) return std::nullopt;
    }
    return value;
}

void AppendUtf8(std::uint32_t code, std::string& out)
{
    static constexpr unsigned char kLeads[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int continuations = code < 0x80 ? 0 : code < 0x800 ? 1 : code < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLeads[continuations] | (code >> (6 * continuations)));
    for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
        out += static_cast<char>(0x80 | ((code >> shift) & 0x3F));
    }
}

// A digit's value, -1 for a character that is none.
int DigitValue(char c, bool hex)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes the reference at text[0] == '&' and returns its length, or 0 when it is none we
// know and the '&' stands for itself. Each reference is longer than what it decodes to.
std::size_t AppendReference(std::string_view text, std::string& out)
{
    static constexpr struct {
        std::string_view name;
        char character;
    } kNamed[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    // The longest we decode is "&#x10FFFF;" or "&#1114111;".
    const std::size_t semicolon = text.substr(0, 10).find(';');
    if (semicolon == npos) return 0;
    const std::string_view name = text.substr(1, semicolon - 1);
    for (const auto& named : kNamed) {
        if (name != named.name) continue;
        out += named.character;
        return semicolon + 1;
    }
    if (!name.starts_with('#')) return 0;
    const bool hex = name.starts_with("#x");
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    std::uint32_t code = 0;
    for (const char c : digits) {
        const int digit = DigitValue(c, hex);
        if (digit < 0) return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    AppendUtf8(code, out);
    return semicolon + 1;
}

// Character data as XML reads it: references decoded, CRLF and a lone CR as LF.
void AppendText(std::string_view text, std::string& out)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t reference = text[at] == '&' ? AppendReference(text.substr(at), out) : 0;
        if (reference > 0) {
            at += reference - 1;
        } else if (text[at] == '\r') {
            out += '\n';
            if (at + 1 < text.size() && text[at + 1] == '\n') ++at;
        } else {
            out += text[at];
        }
    }
}

// The names that give a table its shape; none of them can be markup inside a value.
bool IsStructural(std::string_view name)
{
    return name == "Data" || name == "Cell" || name == "Row" || name == "Table" || name == "Worksheet";
}

// Follows the tags of the first worksheet's table. Each open element of interest is known
// by its depth, npos while it is not open, so a Data inside a cell's Comment is not the
// cell's value, and rich text inside a value is skipped as far as its end tag.
class TableReader {
public:
    explicit TableReader(const std::function<void(const SpreadsheetCell&)>& visitor) : visitor_(visitor) {}

    // False once the table is over or its rows can no longer be placed.
    bool StartTag(std::string_view name, std::string_view attributes, bool empty)
    {
        const std::size_t depth = depth_;
        if (!empty) ++depth_;
        if (data_ != npos) {
            if (!IsStructural(name)) return true;
            data_ = npos;   // a value cut short: its cell is left out
        }
        if (name == "Worksheet" && worksheet_ == npos) {
            worksheet_ = depth;
            return !empty;
        }
        // A table or row that opens ends what the one before left open, so that a cell
        // never outlives its row.
        if (name == "Table" && IsChild(depth, worksheet_)) {
            table_ = depth;
            row_ = npos;
            cell_ = npos;
            return !empty;
        }
        if (name == "Row" && IsChild(depth, table_)) return StartRow(attributes, empty, depth);
        if (name == "Cell" && IsChild(depth, row_)) StartCell(attributes, empty, depth);
        if (name == "Data" && IsChild(depth, cell_) && !hasData_) StartData(attributes, empty, depth);
        return true;
    }

    bool EndTag(std::string_view name)
    {
        if (data_ != npos && name == "Data") {
            depth_ = data_;
            data_ = npos;
            dataClosed_ = true;
            return true;
        }
        if (data_ != npos && IsStructural(name)) data_ = npos;
        if (name == "Cell" && cell_ != npos) {
            depth_ = cell_;
            FinishCell();
            return true;
        }
        if (name == "Row" && row_ != npos) {
            depth_ = row_;
            cell_ = npos;
            row_ = npos;
            return true;
        }
        if ((name == "Table" && table_ != npos) || (name == "Worksheet" && worksheet_ != npos)) return false;
        if (depth_ > 0) --depth_;
        return true;
    }

    void Text(std::string_view text, bool cdata)
    {
        if (data_ == npos) return;
        if (cdata) {
            value_.append(text);
        } else {
            AppendText(text, value_);
        }
    }

private:
    static bool IsChild(std::size_t depth, std::size_t parent) { return parent != npos && depth == parent + 1; }

    bool StartRow(std::string_view attributes, bool empty, std::size_t depth)
    {
        const std::optional<std::size_t> row = Place(Attribute(attributes, "Index"), nextRow_, kRows);
        const std::optional<std::string_view> spanText = Attribute(attributes, "Span");
        const std::optional<std::size_t> span = spanText ? Count(*spanText, kRows) : 0;
        if (!row || !span || *row + *span >= kRows) return false;
        rowIndex_ = *row;
        nextRow_ = *row + *span + 1;
        nextColumn_ = 0;
        rowPlaced_ = true;
        row_ = empty ? npos : depth;
        cell_ = npos;
        return true;
    }

    void StartCell(std::string_view attributes, bool empty, std::size_t depth)
    {
        const std::optional<std::size_t> column = Place(Attribute(attributes, "Index"), nextColumn_, kColumns);
        const std::optional<std::string_view> mergeText = Attribute(attributes, "MergeAcross");
        const std::optional<std::size_t> merge = mergeText ? Count(*mergeText, kColumns) : 0;
        // Once a cell cannot be placed, neither can those after it in the row.
        rowPlaced_ = rowPlaced_ && column && merge && *column + *merge < kColumns;
        if (rowPlaced_) {
            columnIndex_ = *column;
            nextColumn_ = *column + *merge + 1;
        }
        hasData_ = false;
        dataClosed_ = false;
        type_ = {};
        value_.clear();
        cell_ = depth;
        if (empty) FinishCell();
    }

    void StartData(std::string_view attributes, bool empty, std::size_t depth)
    {
        hasData_ = true;
        dataClosed_ = empty;
        type_ = Attribute(attributes, "Type").value_or(std::string_view());
        data_ = empty ? npos : depth;
    }

    void FinishCell()
    {
        if (rowPlaced_ && (!hasData_ || dataClosed_)) visitor_(SpreadsheetCell{rowIndex_, columnIndex_, type_, value_});
        cell_ = npos;
    }

    // Where a row or cell goes: its 1-based ss:Index made 0-based, which must not go back,
    // or `next` when it has none.
    static std::optional<std::size_t> Place(std::optional<std::string_view> index, std::size_t next, std::size_t limit)
    {
        if (!index) return next;
        const std::optional<std::size_t> position = Count(*index, limit);
        if (!position || *position == 0 || *position - 1 < next) return std::nullopt;
        return *position - 1;
    }

    const std::function<void(const SpreadsheetCell&)>& visitor_;
    std::size_t depth_ = 0;
    std::size_t worksheet_ = npos;
    std::size_t table_ = npos;
    std::size_t row_ = npos;
    std::size_t cell_ = npos;
    std::size_t data_ = npos;
    std::size_t nextRow_ = 0;
    std::size_t rowIndex_ = 0;
    std::size_t nextColumn_ = 0;
    std::size_t columnIndex_ = 0;
    bool rowPlaced_ = false;
    bool hasData_ = false;
    bool dataClosed_ = false;
    std::string_view type_;
    std::string value_;
};

// One past the '>' that ends the tag at markup[0], with quoted attribute values skipped;
// npos when the text ends first.
std::size_t TagEnd(std::string_view markup)
{
    for (std::size_t at = 1; at < markup.size(); ++at) {
        if (markup[at] == '>') return at + 1;
        if (markup[at] == '"' || markup[at] == '\'') at = std::min(markup.find(markup[at], at + 1), markup.size());
    }
    return npos;
}

// One past the terminator found from `from` on, npos when there is none.
std::size_t After(std::string_view markup, std::size_t from, std::string_view terminator)
{
    const std::size_t found = markup.find(terminator, from);
    return found == npos ? npos : found + terminator.size();
}

// Hands the tag between '<' and '>' to the reader; false once reading is over.
bool ReadTag(std::string_view tag, TableReader& reader)
{
    if (tag.starts_with('/')) {
        tag.remove_prefix(1);
        return reader.EndTag(LocalName(tag.substr(0, tag.find_first_of(kSpaces))));
    }
    const bool empty = tag.ends_with('/');
    if (empty) tag.remove_suffix(1);
    const std::size_t nameEnd = std::min(tag.find_first_of(kSpaces), tag.size());
    return reader.StartTag(LocalName(tag.substr(0, nameEnd)), tag.substr(nameEnd), empty);
}

}   // namespace

void ForEachSpreadsheetCell(std::string_view xml, const std::function<void(const SpreadsheetCell&)>& visitor)
{
    constexpr std::string_view kCdata = "<![CDATA[";
    xml = xml.substr(0, xml.find('\0'));
    TableReader reader(visitor);
    for (std::size_t at = 0; at < xml.size();) {
        const std::size_t open = std::min(xml.find('<', at), xml.size());
        reader.Text(xml.substr(at, open - at), false);
        const std::string_view markup = xml.substr(open);
        std::size_t end = npos;
        if (markup.starts_with("<!--")) {
            end = After(markup, 4, "-->");
        } else if (markup.starts_with(kCdata)) {
            end = After(markup, kCdata.size(), "]]>");
            if (end != npos) reader.Text(markup.substr(kCdata.size(), end - 3 - kCdata.size()), true);
        } else if (markup.starts_with("<?")) {
            end = After(markup, 2, "?>");
        } else if (markup.starts_with("<!")) {
            end = After(markup, 2, ">");
        } else if (!markup.empty()) {
            end = TagEnd(markup);
            if (end != npos && !ReadTag(markup.substr(1, end - 2), reader)) return;
        }
        if (end == npos) return;
        at = open + end;
    }
}

std::optional<std::string> IntegerDigits(std::string_view number)
{
    const std::size_t mantissaEnd = std::min(number.find_first_of("Ee"), number.size());
    const std::string_view mantissa = number.substr(0, mantissaEnd);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    std::string digits(mantissa.substr(0, point));
    if (point < mantissa.size()) digits.append(mantissa.substr(point + 1));
    if (digits.empty() || digits.find_first_not_of("0123456789") != npos) return std::nullopt;

    std::ptrdiff_t exponent = 0;
    if (mantissaEnd < number.size()) {
        std::string_view exponentText = number.substr(mantissaEnd + 1);
        const bool negative = exponentText.starts_with('-');
        if (negative || exponentText.starts_with('+')) exponentText.remove_prefix(1);
        const std::optional<std::size_t> magnitude = Count(exponentText, 9999);
        if (!magnitude) return std::nullopt;
        exponent = negative ? -static_cast<std::ptrdiff_t>(*magnitude) : static_cast<std::ptrdiff_t>(*magnitude);
    }

    // Where the point falls among the digits once their leading zeros are gone.
    const std::size_t zeros = std::min(digits.find_first_not_of('0'), digits.size());
    digits.erase(0, zeros);
    if (digits.empty()) return "0";
    const std::ptrdiff_t pointAt = static_cast<std::ptrdiff_t>(point) - static_cast<std::ptrdiff_t>(zeros) + exponent;
    if (pointAt <= 0 || pointAt > kMaxIntegerDigits) return std::nullopt;
    const std::size_t wholeDigits = static_cast<std::size_t>(pointAt);
    if (wholeDigits < digits.size() && digits.find_first_not_of('0', wholeDigits) != npos) return std::nullopt;
    digits.resize(wholeDigits, '0');
    return digits;
}
