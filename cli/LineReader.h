// The batch form's input, a line at a time.
#pragma once

#include <cstring>
#include <istream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace brimsel::cli {

// Lines of a stream read through a buffer of fixed size, so that memory stays
// bounded whatever the input; a line's bytes beyond kLongestBatchLine are
// dropped and the line marked as too long.
class LineReader {
  public:
    explicit LineReader(std::istream& in) : in_(in), buffer_(kChunk) {}

    // The next line without its line end; false at the end of the input or on
    // a read error (then Failed()).
    bool Next(std::string& line, bool& tooLong) {
        line.clear();
        tooLong = false;
        bool started = false;
        while (true) {
            if (begin_ == end_ && !Fill()) return started;
            started = true;
            const char* from = buffer_.data() + begin_;
            const std::size_t available = end_ - begin_;
            const void* newline = std::memchr(from, '\n', available);
            const std::size_t length =
                newline != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(newline) - from)
                    : available;
            if (line.size() + length > kLongestBatchLine) {
                tooLong = true;
            } else if (!tooLong) {
                line.append(from, length);
            }
            begin_ += length;
            if (newline != nullptr) {
                ++begin_;
                return true;
            }
        }
    }

    bool Failed() const { return failed_; }

  private:
    static constexpr std::size_t kChunk = 1 << 16;

    bool Fill() {
        begin_ = end_ = 0;
        if (!in_.good()) return false;
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        end_ = static_cast<std::size_t>(in_.gcount());
        if (in_.bad()) failed_ = true;
        return end_ > 0;
    }

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool failed_ = false;
};

}  // namespace brimsel::cli
