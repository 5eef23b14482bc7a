// The records of a UTF-16 file (Notepad's "UTF-16 LE", Excel's "Unicode テキスト"):
// each line is converted as the dialog would see it pasted, in the ANSI code page,
// so that a full-width digit is refused there as it is in the dialog; the record is
// written back in the file's own byte order, with the line echoed unit for unit.
// The sink of LineSplitter<256, wchar_t>.
#pragma once

#include <string_view>

#include "batch_converter.h"
#include "output_buffer.h"

class Utf16Records {
public:
    Utf16Records(BatchConverter& converter, OutputBuffer& out, bool bigEndian)
        : converter_(converter), out_(out), bigEndian_(bigEndian)
    {}

    void Line(std::wstring_view line)
    {
        Begin(line, false);
        LongLineEnd();
    }
    void LongLineBegin(std::wstring_view head) { Begin(head, true); }
    void LongLinePart(std::wstring_view part) { Put(part); }
    void LongLineEnd() { Put(L"\r\n"); }

    // A table's heading line, echoed after the result's own headings, `fields`
    // (ASCII, each with its TAB); the line's end, or its long rest, follows as usual.
    void Heading(std::string_view fields, std::wstring_view line)
    {
        for (const char c : fields) PutUnit(static_cast<unsigned char>(c));
        Put(line);
    }

    // Writes the byte-order mark that starts the result.
    void Start() { Put(L"\uFEFF"); }

private:
    void Begin(std::wstring_view input, bool longLine);
    void Put(std::wstring_view text);
    void PutUnit(unsigned unit);

    BatchConverter& converter_;
    OutputBuffer& out_;
    bool bigEndian_;
};
