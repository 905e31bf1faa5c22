// The 64-bit FNV-1a hash of the bench signature.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace morvik {

struct FnvHash {
  uint64_t hash = 0xCBF29CE484222325ULL;

  void AddByte(unsigned char byte) {
    hash ^= byte;
    hash *= 0x100000001B3ULL;
  }
  // The eight bytes of a value, lowest first.
  void Add(uint64_t v) {
    for (int i = 0; i < 8; ++i) AddByte(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
  }
  void AddFloat(float f) {
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    Add(bits);
  }
  // A line of text and its line feed.
  void AddLine(std::string_view line) {
    for (char c : line) AddByte(static_cast<unsigned char>(c));
    AddByte('\n');
  }
};

}  // namespace morvik
