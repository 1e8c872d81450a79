#include "classlib/core/Text.h"

#include <charconv>

#ifdef _WIN32
#include <windows.h>
#endif

std::string IntToStr(std::int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return std::string(digits, result.ptr);
}

std::string LowerCaseAscii(std::string_view text) {
  std::string lower(text);
  LowerCaseAsciiInPlace(lower.data(), lower.size());
  return lower;
}

void LowerCaseAsciiInPlace(char* text, std::size_t size) {
  for (char* c = text; c != text + size; ++c) {
    if (*c >= 'A' && *c <= 'Z') {
      *c = static_cast<char>(*c - 'A' + 'a');
    }
  }
}

namespace {

// Length of the well-formed UTF-8 sequence at the start of text, or 0 if there is none.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char secondMin = 0x80;
  unsigned char secondMax = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0)
      secondMin = 0xA0; // no overlong forms
    if (lead == 0xED)
      secondMax = 0x9F; // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0)
      secondMin = 0x90; // no overlong forms
    if (lead == 0xF4)
      secondMax = 0x8F; // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < secondMin || byte(1) > secondMax) {
    return 0;
  }
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) {
      return 0;
    }
  }
  return length;
}

} // namespace

std::string_view FirstCharacter(std::string_view text, bool utf8) {
  if (text.empty()) {
    return text;
  }
  const std::size_t sequence = utf8 ? Utf8SequenceLength(text) : 0;
  return text.substr(0, sequence == 0 ? 1 : sequence);
}

std::size_t FirstInvalidUtf8Byte(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t sequence = Utf8SequenceLength(text.substr(i));
    if (sequence == 0) {
      return i;
    }
    i += sequence;
  }
  return std::string_view::npos;
}

bool SystemCodePageIsUtf8() {
#ifdef _WIN32
  return GetACP() == CP_UTF8;
#else
  return true;
#endif
}
