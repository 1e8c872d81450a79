#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Decimal digits with a '-' for negatives; no grouping, no leading zeros, whatever the locale.
std::string IntToStr(std::int64_t value);

// Turns A-Z into a-z; every other byte, including letters above ASCII, stays as it is.
std::string LowerCaseAscii(std::string_view text);
void LowerCaseAsciiInPlace(char* text, std::size_t size);

// The first character of text. In a single-byte code page that is the first byte; with
// utf8 set it is the whole first UTF-8 sequence when that is well formed, otherwise one byte.
std::string_view FirstCharacter(std::string_view text, bool utf8);

// The offset of the first byte of text that does not belong to a well-formed UTF-8
// sequence, or std::string_view::npos when the whole text is UTF-8.
std::size_t FirstInvalidUtf8Byte(std::string_view text);

// Whether 8-bit text on this system is UTF-8: always on Linux, on Windows when the ANSI
// code page is 65001.
bool SystemCodePageIsUtf8();
