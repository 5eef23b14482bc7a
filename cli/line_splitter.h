// Splits a byte stream into lines with bounded memory. A line ends at LF; one CR
// right before the LF is dropped; a last line without LF still counts. A line that
// fits in the buffer reaches the sink whole; a longer one arrives as its first
// kCapacity bytes followed by the rest in pieces, so that no line, however long,
// is ever held in memory.
//
// The sink provides:
//   void Line(std::string_view line);
//   void LongLineBegin(std::string_view head);   // head.size() == kCapacity
//   void LongLinePart(std::string_view part);
//   void LongLineEnd();
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t Capacity>
class LineSplitter {
public:
    static constexpr std::size_t kCapacity = Capacity;

    template <typename Sink>
    void Feed(std::string_view chunk, Sink& sink)
    {
        while (!chunk.empty()) {
            const void* found = std::memchr(chunk.data(), '\n', chunk.size());
            const std::size_t end =
                found ? static_cast<std::size_t>(static_cast<const char*>(found) - chunk.data()) : chunk.size();
            const std::string_view piece = chunk.substr(0, end);
            if (long_) {
                StreamPiece(piece, found != nullptr, sink);
            } else {
                KeepPiece(piece, found != nullptr, sink);
            }
            chunk.remove_prefix(found ? end + 1 : end);
        }
    }

    // End of input: a last line without LF still counts, and a CR that ended the
    // input stays, since no LF follows it.
    template <typename Sink>
    void Finish(Sink& sink)
    {
        if (long_) {
            if (pendingCr_) sink.LongLinePart("\r");
            sink.LongLineEnd();
        } else if (used_ > 0) {
            Emit(std::string_view(buffer_, used_), sink);
        }
        used_ = 0;
        long_ = false;
        pendingCr_ = false;
    }

private:
    // The buffer holds one byte more than a line may keep, so that a CR at its end
    // can wait for the next byte to tell whether it belongs to the line.
    template <typename Sink>
    void KeepPiece(std::string_view piece, bool endsLine, Sink& sink)
    {
        // A whole line inside one read goes out from where it lies, uncopied.
        if (used_ == 0 && endsLine && piece.size() <= sizeof buffer_) {
            const bool crlf = !piece.empty() && piece.back() == '\r';
            Emit(piece.substr(0, piece.size() - crlf), sink);
            return;
        }
        const std::size_t room = sizeof buffer_ - used_;
        const std::size_t taken = piece.size() < room ? piece.size() : room;
        std::memcpy(buffer_ + used_, piece.data(), taken);
        used_ += taken;
        if (taken == piece.size()) {
            if (endsLine) {
                const bool crlf = used_ > 0 && buffer_[used_ - 1] == '\r';
                Emit(std::string_view(buffer_, crlf ? used_ - 1 : used_), sink);
                used_ = 0;
            }
            return;
        }
        // More than kCapacity + 1 bytes before the LF: the line is long whatever follows.
        sink.LongLineBegin(std::string_view(buffer_, kCapacity));
        long_ = true;
        used_ = 0;
        StreamPiece(std::string_view(buffer_ + kCapacity, 1), false, sink);
        StreamPiece(piece.substr(taken), endsLine, sink);
    }

    // A whole line of at most kCapacity + 1 bytes.
    template <typename Sink>
    void Emit(std::string_view line, Sink& sink)
    {
        if (line.size() <= kCapacity) {
            sink.Line(line);
            return;
        }
        sink.LongLineBegin(line.substr(0, kCapacity));
        sink.LongLinePart(line.substr(kCapacity));
        sink.LongLineEnd();
    }

    template <typename Sink>
    void StreamPiece(std::string_view piece, bool endsLine, Sink& sink)
    {
        if (pendingCr_) {
            pendingCr_ = false;
            if (!(endsLine && piece.empty())) sink.LongLinePart("\r");
        }
        if (!piece.empty() && piece.back() == '\r') {
            piece.remove_suffix(1);
            pendingCr_ = !endsLine;   // dropped now if the LF is here, decided later if not
        }
        if (!piece.empty()) sink.LongLinePart(piece);
        if (endsLine) {
            sink.LongLineEnd();
            long_ = false;
        }
    }

    char buffer_[kCapacity + 1];
    std::size_t used_ = 0;
    bool long_ = false;
    bool pendingCr_ = false;
};
