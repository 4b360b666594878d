// Output gathered in large pieces for the command's forms.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace brimsel::cli {

// Output gathered in large pieces: one write for many rows, never a flush per row.
class OutputBuffer {
  public:
    explicit OutputBuffer(std::ostream& out) : out_(out) { data_.reserve(kChunk + 4096); }
    ~OutputBuffer() { Flush(); }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    std::string& Data() { return data_; }
    void MaybeFlush() {
        if (data_.size() >= kChunk) Flush();
    }
    void Flush() {
        if (data_.empty()) return;
        out_.write(data_.data(), static_cast<std::streamsize>(data_.size()));
        data_.clear();
    }

  private:
    static constexpr std::size_t kChunk = 1 << 16;
    std::ostream& out_;
    std::string data_;
};

}  // namespace brimsel::cli
