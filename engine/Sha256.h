// SHA-256 (FIPS 180-4) of a byte string, for checking that the data file is
// the one the program was built with.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace brimsel {

class Sha256 {
  public:
    Sha256();
    void Add(std::string_view bytes);
    // The digest of everything added; the object is spent afterwards.
    std::array<std::uint8_t, 32> Finish();

  private:
    void Compress(const std::uint8_t* block);

    std::array<std::uint32_t, 8> state_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingSize_ = 0;
    std::uint64_t length_ = 0;
};

// A digest as 64 lower-case hexadecimal digits.
std::string DigestHex(const std::array<std::uint8_t, 32>& digest);
// The digest of `bytes` in hexadecimal.
std::string Sha256Hex(std::string_view bytes);

}  // namespace brimsel
