#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Whether text holds any of the given bytes (or, with controls, a byte below 0x20). Looks at
// eight bytes at a time: most fields need no escaping and are only a few words long.
template <bool controls, unsigned char... bytes> bool HoldsAny(std::string_view text) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const auto word = [&](std::uint64_t w) {
    bool found = false;
    if constexpr (controls) {
      found = ((w - kOnes * 0x20) & ~w & kHighs) != 0;
    }
    return found || (... || [&](std::uint64_t x) {
             return ((x - kOnes) & ~x & kHighs) != 0;
           }(w ^ (kOnes * bytes)));
  };
  const auto byte = [](unsigned char c) { return (controls && c < 0x20) || (... || (c == bytes)); };
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, text.data() + i, 8);
    if (word(w)) {
      return true;
    }
  }
  for (; i < text.size(); ++i) {
    if (byte(static_cast<unsigned char>(text[i]))) {
      return true;
    }
  }
  return false;
}
