#pragma once

#include <cstdint>
#include <string>

// Sizes are taken as 32-bit signed numbers, so a word list must stay below 2 GiB.
inline constexpr std::int64_t kMaxWordListSize = std::int64_t{1} << 31;

inline std::string FileTooLargeMessage(const std::string& fileName) {
  return "Cannot load file " + fileName + ": it is 2 GiB or larger";
}

inline std::string ReadFailedMessage(const std::string& fileName) {
  return "Cannot read file " + fileName;
}
