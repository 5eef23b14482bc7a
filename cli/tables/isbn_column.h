// Which column of a table holds the ISBNs, and whether its first row is a heading, as a
// person would tell: a user copies a whole book list (書名, 著者, ISBN, 価格 ...) or
// saves the whole sheet as text. A column is judged by the share of its non-empty cells
// that convert in the direction chosen, not by their count, so that an ISBN column with
// a few books filled in beats a column of order numbers of which one in eleven passes
// the ISBN-10 check by chance; a heading that names ISBN speaks for its column. Where the
// best column is not clear, the user is asked rather than guessed for. Portable: the
// cells come in as the dialog would see them typed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "batch_converter.h"

// Whether a heading names ISBN: the letters I, S, B and N in a row, half- or full-width,
// in either case ("ISBN", "isbn", "ＩＳＢＮ", "ISBN-13", "ISBNコード").
template <typename Char>
constexpr bool NamesIsbn(std::basic_string_view<Char> heading)
{
    constexpr char kName[] = "isbn";
    for (std::size_t start = 0; start + 4 <= heading.size(); ++start) {
        std::size_t matched = 0;
        for (; matched < 4; ++matched) {
            auto c = static_cast<std::uint32_t>(heading[start + matched]);
            if constexpr (sizeof(Char) == 1) c &= 0xFF;
            if (c >= 0xFF21 && c <= 0xFF5A) c -= 0xFEE0;   // full-width Latin letters
            if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
            if (c != static_cast<std::uint32_t>(kName[matched])) break;
        }
        if (matched == 4) return true;
    }
    return false;
}

// The column to convert, and the columns to offer the user when that is not clear.
struct ColumnChoice {
    std::size_t column = 0;
    std::vector<std::size_t> offered;   // left to right; empty when the column is clear
    bool found = false;                 // some cell of some column converts
};

class ColumnTally {
public:
    explicit ColumnTally(const Direction& direction) : direction_(direction) {}

    // The cells of one row, left to right, then the row's end. `namesIsbn` tells whether
    // the cell's text names ISBN, which only a first row's cell needs to tell.
    void Cell(std::string_view text, bool namesIsbn = false);
    void EndRow();

    std::size_t Rows() const { return rows_; }
    std::size_t Columns() const { return columns_.size(); }
    // Of the column's cells that count, the heading aside: how many convert, how many are not empty.
    std::size_t Converted(std::size_t column) const;
    std::size_t NonEmpty(std::size_t column) const;

    // The column with the largest share of converting cells (taken of two cells more
    // than it has, so that a few cells weigh less than many); ties go to a heading that
    // names ISBN, then to more converting cells, then to the left. The user is offered it
    // with the others when its cells convert no more than half the time, when another
    // column's share is at least three quarters of its own (unless only the chosen one's
    // heading names ISBN), or when another's heading names ISBN and its own does not.
    ColumnChoice Choose() const;

    // The column's first cell is not empty, does not convert and does not look like an
    // ISBN (it is more than digits, hyphens and X), and it names ISBN or more than half
    // of the non-empty cells below it convert: it names the column rather than holding
    // a mistyped ISBN.
    bool FirstRowIsHeading(std::size_t column) const;

private:
    struct Column {
        std::size_t converted = 0;   // below the first row
        std::size_t nonEmpty = 0;
        bool firstConverted = false;
        bool firstEmpty = true;
        bool firstLooksLikeIsbn = false;
        bool firstNamesIsbn = false;
    };

    // Whether column a's share of converting cells is larger than b's, or as large.
    bool ShareAbove(std::size_t a, std::size_t b) const;
    bool ShareAtLeastThreeQuarters(std::size_t a, std::size_t b) const;
    bool Ranks(std::size_t a, std::size_t b) const;   // a before b

    const Direction& direction_;
    std::vector<Column> columns_;
    std::size_t rows_ = 0;
    std::size_t column_ = 0;   // of the next cell in the row
};
