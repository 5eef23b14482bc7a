#include "column_choice.h"

#include <vector>

#include "answers.h"
#include "desktop_texts.h"

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
    const ColumnChoice choice = tally.Choose();
    if (!choice.found) return ColumnAnswer::NoColumn;
    column = choice.column;
    if (choice.offered.empty()) return ColumnAnswer::Chosen;
    console.Write(choice.offered.size() > 1 ? kWhichColumnText : kCheckColumnText);
    for (const std::size_t offered : choice.offered) {
        console.Write(L"  " + std::to_wstring(offered + 1) + L"   " + NameOf(tally, offered, firstCell) + L"   " +
                      kConvertibleCellsText + std::to_wstring(tally.Converted(offered)) + L" / " +
                      std::to_wstring(tally.NonEmpty(offered)) + L"\n");
    }
    console.Write(kColumnNumberText);
    std::wstring answer;
    while (console.ReadLine(answer) && !cancellation.requested && !Trimmed(answer).empty()) {
        for (const std::size_t offered : choice.offered) {
            if (TypedNumber(answer) != std::to_wstring(offered + 1)) continue;
            column = offered;
            return ColumnAnswer::Chosen;
        }
        console.Write(kColumnAgainText);
    }
    return ColumnAnswer::Stopped;
}

bool OfTheOtherKind(const ColumnTally& chosen, const std::function<ColumnTally()>& tallyOther)
{
    const ColumnChoice choice = chosen.Choose();
    if (choice.found && choice.offered.empty()) return false;
    const ColumnTally other = tallyOther();
    const ColumnChoice otherChoice = other.Choose();
    if (!otherChoice.found || !otherChoice.offered.empty()) return false;
    return !choice.found || other.Converted(otherChoice.column) > chosen.Converted(choice.column);
}

void DescribeColumn(const ColumnTally& tally, std::size_t column,
                    const std::function<std::wstring(std::size_t)>& firstCell, std::wstring_view indent,
                    Console& console)
{
    if (tally.Columns() > 1)
        console.Write(std::wstring(indent) + NameOf(tally, column, firstCell) + kConvertingColumnText);
    if (tally.FirstRowIsHeading(column)) console.Write(std::wstring(indent) + kHeadingRowText);
}
