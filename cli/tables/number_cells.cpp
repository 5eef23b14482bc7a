#include "number_cells.h"

#include <algorithm>
#include <utility>

#include "conversion.h"
#include "xml_spreadsheet.h"

void NumberCells::Add(const SpreadsheetCell& cell)
{
    if (cell.type != "Number") return;
    if (std::optional<std::string> digits = IntegerDigits(cell.value)) {
        cells_.push_back({cell.row, cell.column, std::move(*digits)});
    }
}

const std::string* NumberCells::Find(std::size_t row, std::size_t column) const
{
    const auto found = std::lower_bound(cells_.begin(), cells_.end(), std::pair(row, column),
                                        [](const Cell& cell, std::pair<std::size_t, std::size_t> place) {
                                            return std::pair(cell.row, cell.column) < place;
                                        });
    if (found == cells_.end() || found->row != row || found->column != column) return nullptr;
    return &found->digits;
}

std::optional<std::string> WithLeadingZeros(std::string_view digits, std::wstring_view shown)
{
    const auto shownDigits =
        std::count_if(shown.begin(), shown.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
    if (digits.size() < 7 || digits.size() > 9 || shownDigits >= 10) return std::nullopt;
    std::string padded(10 - digits.size(), '0');
    padded += digits;
    if (ConvertOld2New(padded).outcome != ConversionOutcome::Converted) return std::nullopt;
    return padded;
}

bool ShowsCutShortNumber(std::wstring_view shown)
{
    const std::size_t exponent = shown.find(L"E+");
    return exponent != shown.npos && exponent > 0 &&
           shown.substr(0, exponent).find_first_not_of(L"0123456789.") == shown.npos && shown.size() > exponent + 2 &&
           shown.substr(exponent + 2).find_first_not_of(L"0123456789") == shown.npos;
}
