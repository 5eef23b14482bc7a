// Splits a stream of characters (bytes, or the UTF-16 units of a UTF-16 file) into
// lines with bounded memory. A line ends at LF; one CR right before the LF is
// dropped; a last line without LF still counts. A line that fits in the buffer
// reaches the sink whole; a longer one arrives as its first kCapacity characters
// followed by the rest in pieces, so that no line, however long, is ever held in
// memory.
//
// Reading the cells of a table, a line end inside a quoted cell (as tabbed_text.h
// tells one) belongs to the cell, and the line goes on: one row of a sheet is one
// line, however its cells break. What may be a quoted cell is held until its end is
// known, at most the longest quoted cell that Excel writes.
//
// The sink provides, with View = std::basic_string_view<Char>:
//   void Line(View line);
//   void LongLineBegin(View head);   // head.size() == kCapacity
//   void LongLinePart(View part);
//   void LongLineEnd();
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "tabbed_text.h"

template <std::size_t Capacity, typename Char = char>
class LineSplitter {
public:
    static constexpr std::size_t kCapacity = Capacity;
    using View = std::basic_string_view<Char>;

    // With `cells`, line ends inside quoted cells are kept within the line; `quotedCells`
    // is HoldsQuotedCells of the text, as its first read tells.
    explicit LineSplitter(bool cells = false, bool quotedCells = true) : cells_(cells), quotedCells_(quotedCells) {}

    template <typename Sink>
    void Feed(View chunk, Sink& sink)
    {
        if (cells_) [[unlikely]] {
            FeedCells(chunk, false, sink);
            return;
        }
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
        if (holding_) FeedCells(View(), true, sink);
        if (long_) {
            if (pendingCr_) sink.LongLinePart(kCr);
            sink.LongLineEnd();
        } else if (used_ > 0) {
            Emit(View(buffer_, used_), sink);
        }
        used_ = 0;
        long_ = false;
        pendingCr_ = false;
        atCellStart_ = true;
    }

private:
    // A piece of a line, which the line end follows or not.
    template <typename Sink>
    void Piece(View piece, bool endsLine, Sink& sink)
    {
        if (long_) {
            StreamPiece(piece, endsLine, sink);
        } else {
            KeepPiece(piece, endsLine, sink);
        }
    }

    // Cells split at TABs and lines at LFs, but for what a quote opens at the start of a
    // cell: held until it is known to be a quoted cell, which goes into the line whole, or
    // not, when the held text is read again as it stands. `final` at the end of the input.
    template <typename Sink>
    void FeedCells(View text, bool final, Sink& sink)
    {
        for (;;) {
            if (holding_) {
                held_.append(text);
                const std::size_t end = QuotedCellEnd(View(held_), 0, final);
                if (end == kQuoteUndecided) return;
                holding_ = false;
                // The held text is read from here on; the next hold fills the other buffer.
                reread_.swap(held_);
                held_.clear();
                text = reread_;
                if (end != View::npos) {
                    Piece(text.substr(0, end), false, sink);
                    text.remove_prefix(end);
                    atCellStart_ = false;
                }
                quoteAsWritten_ = end == View::npos;
            }
            if (text.empty()) return;
            if (atCellStart_ && quotedCells_ && text.front() == Char('"') && !quoteAsWritten_) {
                // Decided where it lies when it can be; held only when what follows decides.
                const std::size_t end = QuotedCellEnd(text, 0, final);
                if (end == kQuoteUndecided) {
                    holding_ = true;
                    held_.assign(text);
                    return;
                }
                if (end != View::npos) {
                    Piece(text.substr(0, end), false, sink);
                    text.remove_prefix(end);
                    atCellStart_ = false;
                    continue;
                }
            }
            quoteAsWritten_ = false;
            // Up to the line's end or the next quote that starts a cell, the text goes as it is.
            const Char* lineEnd = std::char_traits<Char>::find(text.data(), text.size(), Char('\n'));
            const std::size_t end = lineEnd != nullptr ? static_cast<std::size_t>(lineEnd - text.data()) : text.size();
            const std::size_t quote = quotedCells_ ? QuoteStartingCell(text.substr(0, end)) : View::npos;
            if (quote != View::npos) {
                Piece(text.substr(0, quote), false, sink);
                atCellStart_ = true;
                text.remove_prefix(quote);
                continue;
            }
            Piece(text.substr(0, end), lineEnd != nullptr, sink);
            if (lineEnd == nullptr) {
                atCellStart_ = text.back() == Char('\t');
                return;
            }
            atCellStart_ = true;
            text.remove_prefix(end + 1);
        }
    }

    // The first quote after a TAB, past the text's first character.
    static std::size_t QuoteStartingCell(View text)
    {
        for (std::size_t at = 1; at < text.size(); ++at) {
            const Char* quote = std::char_traits<Char>::find(text.data() + at, text.size() - at, Char('"'));
            if (quote == nullptr) return View::npos;
            at = static_cast<std::size_t>(quote - text.data());
            if (text[at - 1] == Char('\t')) return at;
        }
        return View::npos;
    }

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

    // Reading cells.
    bool cells_;
    bool quotedCells_;
    bool atCellStart_ = true;
    bool holding_ = false;          // held_ starts with a quote that may open a quoted cell
    bool quoteAsWritten_ = false;   // the quote at hand opens none
    std::basic_string<Char> held_;
    std::basic_string<Char> reread_;
};
