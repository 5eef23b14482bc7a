// Turns each input into one output record: status, ISBN, ASIN and the input
// itself, TAB-separated. Works as the sink of LineSplitter, and takes arguments
// through Line() as well.
#pragma once

#include <string_view>

#include "conversion_result.h"
#include "output_buffer.h"

using Conversion = ConversionResult (*)(std::string_view);

// The status word of an outcome, as the first field of a record.
std::string_view StatusName(ConversionOutcome outcome);

class BatchConverter {
public:
    BatchConverter(Conversion convert, OutputBuffer& out) : convert_(convert), out_(out) {}

    void Line(std::string_view input)
    {
        WriteFields(input);
        out_.EndRecord();
    }

    // A line longer than any accepted input is refused on its length alone, so its
    // first bytes decide the outcome and the rest is only echoed.
    void LongLineBegin(std::string_view head) { WriteFields(head); }
    void LongLinePart(std::string_view part) { out_.Write(part); }
    void LongLineEnd() { out_.EndRecord(); }

    bool AllConverted() const { return allConverted_; }

private:
    void WriteFields(std::string_view input);

    Conversion convert_;
    OutputBuffer& out_;
    bool allConverted_ = true;
};
