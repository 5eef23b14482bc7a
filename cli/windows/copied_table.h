// What was copied, read as rows of cells: the clipboard's text as Excel writes it and,
// when Excel put its "XML Spreadsheet" form beside it, that form, which holds every
// cell's value where the text holds it only as shown. The XML form is the truth about
// the rows: it is used only where the two agree, cell for cell, and where they do not,
// no result is placed by guess.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "number_cells.h"

struct CopiedTable {
    std::wstring text;
    NumberCells numbers;        // from the XML form, when it came and agrees with the text
    bool spreadsheet = false;   // it came and agrees
    bool quotedCells = false;   // the text may hold quoted cells (HoldsQuotedCells)
    std::size_t rows = 0;
    std::size_t columns = 0;
};

enum class CopyRead { Done, NoText, Busy, TooLarge, FormsDisagree };

// Reads the clipboard into `table`, and the clipboard's sequence number once read.
// TooLarge: more rows than a sheet holds. FormsDisagree: the XML form places its cells
// elsewhere than the text does, or holds other values.
CopyRead ReadCopiedTable(CopiedTable& table, DWORD& sequence);

// Whether the XML form's cells are the text's cells: each cell with a value in one is a
// non-empty cell in the same row and column of the other, with the same text where the
// XML form holds a string. The form's other cells are shown as formatted (numbers, dates),
// so that only their places can be compared. Its numbers go to `numbers` meanwhile.
// NoCells: the form holds no cell at all, and is no form of Excel's.
enum class FormsRead { Agree, Disagree, NoCells };
FormsRead ReadBothForms(std::wstring_view text, std::string_view spreadsheet, NumberCells& numbers);
