// Splits a stream of characters (bytes, or the UTF-16 units of a UTF-16 file) into
// lines with bounded memory. A line ends at LF; one CR right before the LF is
// dropped; a last line without LF still counts. A line that fits in the buffer
// reaches the sink whole; a longer one arrives as its first kCapacity characters
// followed by the rest in pieces, so that no line, however long, is ever held in
// memory.
//
// The sink provides, with View = std::basic_string_view<Char>:
//   void Line(View line);
//   void LongLineBegin(View head);   // head.size() == kCapacity
//   void LongLinePart(View part);
//   void LongLineEnd();
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

template <std::size_t Capacity, typename Char = char>
class LineSplitter {
public:
    static constexpr std::size_t kCapacity = Capacity;
    using View = std::basic_string_view<Char>;

    template <typename Sink>
    void Feed(View chunk, Sink& sink)
    {
        while (!chunk.empty()) {
            const Char* found = std::char_traits<Char>::find(chunk.data(), chunk.size(), Char('\n'));
            const std::size_t end = found ? static_cast<std::size_t>(found - chunk.data()) : chunk.size();
            const View piece = chunk.substr(0, end);
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
            if (pendingCr_) sink.LongLinePart(kCr);
            sink.LongLineEnd();
        } else if (used_ > 0) {
            Emit(View(buffer_, used_), sink);
        }
        used_ = 0;
        long_ = false;
        pendingCr_ = false;
    }

private:
    // The buffer holds one character more than a line may keep, so that a CR at its end
    // can wait for the next character to tell whether it belongs to the line.
    template <typename Sink>
    void KeepPiece(View piece, bool endsLine, Sink& sink)
    {
        // A whole line inside one read goes out from where it lies, uncopied.
        if (used_ == 0 && endsLine && piece.size() <= kCapacity + 1) {
            const bool crlf = !piece.empty() && piece.back() == '\r';
            Emit(piece.substr(0, piece.size() - crlf), sink);
            return;
        }
        const std::size_t room = kCapacity + 1 - used_;
        const std::size_t taken = piece.size() < room ? piece.size() : room;
        std::memcpy(buffer_ + used_, piece.data(), taken * sizeof(Char));
        used_ += taken;
        if (taken == piece.size()) {
            if (endsLine) {
                const bool crlf = used_ > 0 && buffer_[used_ - 1] == '\r';
                Emit(View(buffer_, crlf ? used_ - 1 : used_), sink);
                used_ = 0;
            }
            return;
        }
        // More than kCapacity + 1 characters before the LF: the line is long whatever follows.
        sink.LongLineBegin(View(buffer_, kCapacity));
        long_ = true;
        used_ = 0;
        StreamPiece(View(buffer_ + kCapacity, 1), false, sink);
        StreamPiece(piece.substr(taken), endsLine, sink);
    }

    // A whole line of at most kCapacity + 1 characters.
    template <typename Sink>
    void Emit(View line, Sink& sink)
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
    void StreamPiece(View piece, bool endsLine, Sink& sink)
    {
        if (pendingCr_) {
            pendingCr_ = false;
            if (!(endsLine && piece.empty())) sink.LongLinePart(kCr);
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

    static constexpr Char kCrText[] = {Char('\r')};
    static constexpr View kCr{kCrText, 1};

    Char buffer_[kCapacity + 1];
    std::size_t used_ = 0;
    bool long_ = false;
    bool pendingCr_ = false;
};
