#include "isbn_column.h"

#include <algorithm>
#include <cstdint>

namespace {

bool LooksLikeIsbn(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789-Xx ") == std::string_view::npos;
}

}   // namespace

void ColumnTally::Cell(std::string_view text, bool namesIsbn)
{
    if (column_ == columns_.size()) columns_.emplace_back();
    Column& column = columns_[column_++];
    const bool converts = direction_.convert(text).outcome == ConversionOutcome::Converted;
    if (rows_ == 0) {
        column.firstConverted = converts;
        column.firstEmpty = text.empty();
        column.firstLooksLikeIsbn = LooksLikeIsbn(text);
        column.firstNamesIsbn = namesIsbn;
        return;
    }
    column.converted += converts ? 1u : 0u;
    column.nonEmpty += text.empty() ? 0u : 1u;
}

void ColumnTally::EndRow()
{
    ++rows_;
    column_ = 0;
}

std::size_t ColumnTally::Converted(std::size_t column) const
{
    if (column >= columns_.size()) return 0;
    return columns_[column].converted + (columns_[column].firstConverted ? 1 : 0);
}

std::size_t ColumnTally::NonEmpty(std::size_t column) const
{
    if (column >= columns_.size()) return 0;
    const bool firstCounts = !columns_[column].firstEmpty && !FirstRowIsHeading(column);
    return columns_[column].nonEmpty + (firstCounts ? 1 : 0);
}

bool ColumnTally::FirstRowIsHeading(std::size_t column) const
{
    if (column >= columns_.size() || rows_ < 2) return false;
    const Column& tally = columns_[column];
    if (tally.firstEmpty || tally.firstConverted || tally.firstLooksLikeIsbn) return false;
    return tally.firstNamesIsbn || tally.converted * 2 > tally.nonEmpty;
}

// Shares compared as products, which the counts of a sheet keep far from overflowing.
// A share is taken of two cells more than the column's, which do not convert, so that one
// cell converting of one does not outweigh seventy of a hundred.
bool ColumnTally::ShareAbove(std::size_t a, std::size_t b) const
{
    return std::uint64_t{Converted(a)} * (NonEmpty(b) + 2) > std::uint64_t{Converted(b)} * (NonEmpty(a) + 2);
}

bool ColumnTally::ShareAtLeastThreeQuarters(std::size_t a, std::size_t b) const
{
    return std::uint64_t{Converted(a)} * (NonEmpty(b) + 2) * 4 >= std::uint64_t{Converted(b)} * (NonEmpty(a) + 2) * 3;
}

bool ColumnTally::Ranks(std::size_t a, std::size_t b) const
{
    if (ShareAbove(a, b)) return true;
    if (ShareAbove(b, a)) return false;
    const bool aNamed = columns_[a].firstNamesIsbn && FirstRowIsHeading(a);
    const bool bNamed = columns_[b].firstNamesIsbn && FirstRowIsHeading(b);
    if (aNamed != bNamed) return aNamed;
    if (Converted(a) != Converted(b)) return Converted(a) > Converted(b);
    return a < b;
}

ColumnChoice ColumnTally::Choose() const
{
    ColumnChoice choice;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (Converted(column) == 0 || (choice.found && !Ranks(column, choice.column))) continue;
        choice.column = column;
        choice.found = true;
    }
    if (!choice.found) return choice;
    const std::size_t best = choice.column;
    const bool bestNamed = columns_[best].firstNamesIsbn && FirstRowIsHeading(best);
    bool clear = Converted(best) * 2 > NonEmpty(best);
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        if (column == best || Converted(column) == 0) continue;
        // A column whose heading names ISBN is offered beside a best one whose does not.
        const bool named = columns_[column].firstNamesIsbn && FirstRowIsHeading(column);
        const bool close = (named && !bestNamed) || (ShareAtLeastThreeQuarters(column, best) && (named || !bestNamed));
        if (close) choice.offered.push_back(column);
        clear = clear && !close;
    }
    if (clear) {
        choice.offered.clear();
        return choice;
    }
    choice.offered.push_back(best);
    std::sort(choice.offered.begin(), choice.offered.end());
    return choice;
}
