// Buffered writing to a stdio stream, with an optional flush after each record so
// that someone watching a terminal sees every line as soon as it is converted.
// Records end in LF, or in CRLF for files made for Notepad.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string_view>

class OutputBuffer {
public:
    OutputBuffer(std::FILE* stream, bool flushEachRecord, bool crlf = false)
        : stream_(stream), flushEachRecord_(flushEachRecord), crlf_(crlf)
    {}
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() { Flush(); }

    void Write(std::string_view bytes)
    {
        if (bytes.size() <= sizeof buffer_ - used_) {
            std::memcpy(buffer_ + used_, bytes.data(), bytes.size());
            used_ += bytes.size();
        } else {
            WriteInPieces(bytes);
        }
    }
    void Write(char c)
    {
        if (used_ == sizeof buffer_) Drain();
        buffer_[used_++] = c;
    }
    // A place for up to `count` bytes (at most the buffer's size) to be written
    // directly; Advance then keeps what was written up to `end`.
    char* Place(std::size_t count)
    {
        if (sizeof buffer_ - used_ < count) Drain();
        return buffer_ + used_;
    }
    void Advance(const char* end) { used_ = static_cast<std::size_t>(end - buffer_); }
    void EndRecord()
    {
        if (crlf_) Write('\r');
        Write('\n');
        if (flushEachRecord_) Flush();
    }
    // Returns false if any write so far has failed.
    bool Flush();

private:
    void WriteInPieces(std::string_view bytes);
    void Drain();

    std::FILE* stream_;
    bool flushEachRecord_;
    bool crlf_;
    bool failed_ = false;
    std::size_t used_ = 0;
    char buffer_[64 * 1024];
};
