// The ISBN column of a copied or dropped table, settled with the user: the column that
// ColumnTally chooses, or, when that is not clear, the one the user names by its number
// among those offered, each shown with how many of its cells convert. Columns are told in the user's terms: 「左から 4
// 列目 （見出し: ISBN）」.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "console.h"
#include "dropped_file.h"
#include "isbn_column.h"

// The column's name; `heading` is its first cell when that is a heading, else empty.
std::wstring ColumnName(std::size_t column, std::wstring_view heading);

enum class ColumnAnswer { Chosen, NoColumn, Stopped };

// Sets `column` (from 0) to the table's ISBN column. NoColumn: no cell of any column
// converts. Stopped: asked, the user pressed Enter alone or Ctrl+C, or input ended. `firstCell`
// gives a column's first cell, to name the column by its heading.
ColumnAnswer ChooseColumn(const ColumnTally& tally, const std::function<std::wstring(std::size_t)>& firstCell,
                          Console& console, const Cancellation& cancellation, std::size_t& column);

// Whether the table's ISBNs convert only the other way: in the direction chosen, tallied
// in `chosen`, no column is clear; in the other one is, with more cells converting.
// `tallyOther` tallies the table in the other direction, only when that is needed.
bool OfTheOtherKind(const ColumnTally& chosen, const std::function<ColumnTally()>& tallyOther);

// Says which column is converted, and that the first row is a heading when it is.
void DescribeColumn(const ColumnTally& tally, std::size_t column,
                    const std::function<std::wstring(std::size_t)>& firstCell, std::wstring_view indent,
                    Console& console);
