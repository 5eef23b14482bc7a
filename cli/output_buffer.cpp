#include "output_buffer.h"

void OutputBuffer::WriteInPieces(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (used_ == sizeof buffer_) Drain();
        const std::size_t room = sizeof buffer_ - used_;
        const std::size_t taken = bytes.size() < room ? bytes.size() : room;
        std::memcpy(buffer_ + used_, bytes.data(), taken);
        used_ += taken;
        bytes.remove_prefix(taken);
    }
}

void OutputBuffer::Drain()
{
    if (used_ > 0 && std::fwrite(buffer_, 1, used_, stream_) != used_) failed_ = true;
    used_ = 0;
}

bool OutputBuffer::Flush()
{
    Drain();
    if (std::fflush(stream_) != 0) failed_ = true;
    return !failed_;
}
