#pragma once

#include <cstdint>
#include <string>

// Appends numbers as Windows file formats store them: least significant byte first.
inline void Put16(std::string& out, unsigned value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

inline void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}
