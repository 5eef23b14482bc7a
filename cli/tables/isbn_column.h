// Which column of a table holds the ISBNs, and whether its first row is a heading.
// A user copies a whole book list (書名, 著者, ISBN, 価格 ...) or saves the whole
// sheet as text; the ISBN column is the one in which the most cells convert in the
// direction chosen. A column that converts at least half as many is a candidate
// too: then the user is asked, rather than guessed for. Portable: the cells come in
// as the dialog would see them typed.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "batch_converter.h"

class ColumnTally {
public:
    explicit ColumnTally(const Direction& direction) : direction_(direction) {}

    // The cells of one row, left to right, then the row's end.
    void Cell(std::string_view text);
    void EndRow();

    std::size_t Rows() const { return rows_; }
    std::size_t Columns() const { return converted_.size(); }
    std::size_t Converted(std::size_t column) const { return column < Columns() ? converted_[column] : 0; }

    // The columns worth converting, left to right: empty when no cell converts.
    std::vector<std::size_t> Candidates() const;

    // The column's first cell does not convert and does not look like an ISBN (it is
    // more than digits, hyphens and X), and more than half of the cells below it
    // convert: it names the column rather than holding a mistyped ISBN.
    bool FirstRowIsHeading(std::size_t column) const;

private:
    const Direction& direction_;
    std::vector<std::size_t> converted_;   // by column, all rows
    std::vector<bool> firstConverted_;     // by column
    std::vector<bool> firstLooksLikeIsbn_;
    std::size_t rows_ = 0;
    std::size_t column_ = 0;   // of the next cell in the row
};
