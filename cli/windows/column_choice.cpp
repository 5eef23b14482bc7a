#include "column_choice.h"

#include <vector>

#include "desktop_texts.h"
#include "drop_session.h"

namespace {

std::wstring NameOf(const ColumnTally& tally, std::size_t column,
                    const std::function<std::wstring(std::size_t)>& firstCell)
{
    return ColumnName(column, tally.FirstRowIsHeading(column) ? firstCell(column) : std::wstring());
}

}   // namespace

std::wstring ColumnName(std::size_t column, std::wstring_view heading)
{
    std::wstring name = kColumnFromLeftText + std::to_wstring(column + 1) + kColumnText;
    if (!heading.empty()) name += kHeadingBeforeText + std::wstring(heading) + kHeadingAfterText;
    return name;
}

ColumnAnswer ChooseColumn(const ColumnTally& tally, const std::function<std::wstring(std::size_t)>& firstCell,
                          Console& console, const Cancellation& cancellation, std::size_t& column)
{
    const std::vector<std::size_t> candidates = tally.Candidates();
    if (candidates.empty()) return ColumnAnswer::NoColumn;
    column = candidates.front();
    if (candidates.size() == 1) return ColumnAnswer::Chosen;
    console.Write(kWhichColumnText);
    for (const std::size_t candidate : candidates) {
        console.Write(L"  " + std::to_wstring(candidate + 1) + L"   " + NameOf(tally, candidate, firstCell) + L"\n");
    }
    console.Write(kColumnNumberText);
    std::wstring answer;
    while (console.ReadLine(answer) && !cancellation.requested) {
        for (const std::size_t candidate : candidates) {
            if (TypedNumber(answer) != std::to_wstring(candidate + 1)) continue;
            column = candidate;
            return ColumnAnswer::Chosen;
        }
        console.Write(kColumnAgainText);
    }
    return ColumnAnswer::Stopped;
}

void DescribeColumn(const ColumnTally& tally, std::size_t column,
                    const std::function<std::wstring(std::size_t)>& firstCell, std::wstring_view indent,
                    Console& console)
{
    if (tally.Columns() > 1)
        console.Write(std::wstring(indent) + NameOf(tally, column, firstCell) + kConvertingColumnText);
    if (tally.FirstRowIsHeading(column)) console.Write(std::wstring(indent) + kHeadingRowText);
}
