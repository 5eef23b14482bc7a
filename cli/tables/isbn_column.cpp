#include "isbn_column.h"

#include <algorithm>

namespace {

bool LooksLikeIsbn(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789-Xx ") == std::string_view::npos;
}

}   // namespace

void ColumnTally::Cell(std::string_view text)
{
    if (column_ == converted_.size()) {
        converted_.push_back(0);
        firstConverted_.push_back(false);
        firstLooksLikeIsbn_.push_back(false);
    }
    const bool converts = direction_.convert(text).outcome == ConversionOutcome::Converted;
    converted_[column_] += converts ? 1 : 0;
    if (rows_ == 0) {
        firstConverted_[column_] = converts;
        firstLooksLikeIsbn_[column_] = LooksLikeIsbn(text);
    }
    ++column_;
}

void ColumnTally::EndRow()
{
    ++rows_;
    column_ = 0;
}

std::vector<std::size_t> ColumnTally::Candidates() const
{
    std::vector<std::size_t> candidates;
    const std::size_t most = converted_.empty() ? 0 : *std::max_element(converted_.begin(), converted_.end());
    if (most == 0) return candidates;
    for (std::size_t column = 0; column < converted_.size(); ++column) {
        if (converted_[column] * 2 >= most) candidates.push_back(column);
    }
    return candidates;
}

bool ColumnTally::FirstRowIsHeading(std::size_t column) const
{
    if (column >= converted_.size() || rows_ < 2 || firstConverted_[column] || firstLooksLikeIsbn_[column]) {
        return false;
    }
    return converted_[column] * 2 > rows_ - 1;
}
