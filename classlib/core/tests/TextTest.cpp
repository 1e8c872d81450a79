#include "classlib/core/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(Text, IntToStrWritesPlainDecimal) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(7), "7");
  EXPECT_EQ(IntToStr(65), "65");
  EXPECT_EQ(IntToStr(9999), "9999");
  EXPECT_EQ(IntToStr(1234567), "1234567");
  EXPECT_EQ(IntToStr(-12), "-12");
}

TEST(Text, LowerCaseAsciiChangesOnlyTheAsciiCapitals) {
  EXPECT_EQ(LowerCaseAscii("ABCXYZ abcxyz"), "abcxyz abcxyz");
  EXPECT_EQ(LowerCaseAscii("O'Brien-Smith 2nd @[`{"), "o'brien-smith 2nd @[`{");
  // Latin-1 "Ö" and UTF-8 "Ö" both pass through untouched.
  EXPECT_EQ(LowerCaseAscii("\xD6ZAL"), "\xD6zal");
  EXPECT_EQ(LowerCaseAscii("\xC3\x96ZAL"), "\xC3\x96zal");
  EXPECT_EQ(LowerCaseAscii(""), "");
}

TEST(Text, FirstCharacterTakesAWholeUtf8SequenceOnlyWhenItIsWellFormed) {
  struct Case {
    std::string text;
    std::string utf8;
    std::string singleByte;
  };
  const Case cases[] = {
      {"", "", ""},
      {"A", "A", "A"},
      {"Ann", "A", "A"},
      {"\xC3\x89lodie", "\xC3\x89", "\xC3"},             // É
      {"\xE2\x82\xACuro", "\xE2\x82\xAC", "\xE2"},       // €
      {"\xF0\x9F\x98\x80x", "\xF0\x9F\x98\x80", "\xF0"}, // U+1F600
      {"\xC9lodie", "\xC9", "\xC9"},                     // É in Windows-1252
      {"\xC3", "\xC3", "\xC3"},                          // truncated sequence
      {"\xC0\x80", "\xC0", "\xC0"},                      // overlong NUL
      {"\xE0\x80\x80", "\xE0", "\xE0"},                  // overlong
      {"\xED\xA0\x80", "\xED", "\xED"},                  // surrogate
      {"\xF4\x90\x80\x80", "\xF4", "\xF4"},              // above U+10FFFF
      {"\x80x", "\x80", "\x80"},                         // stray continuation byte
      {"\xE2\x82x", "\xE2", "\xE2"},                     // broken third byte
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FirstCharacter(c.text, true), c.utf8);
    EXPECT_EQ(FirstCharacter(c.text, false), c.singleByte);
  }
}

TEST(Text, FirstInvalidUtf8ByteFindsTheFirstByteOutsideAWellFormedSequence) {
  constexpr std::size_t kValid = std::string_view::npos;
  const std::pair<std::string, std::size_t> cases[] = {
      {"", kValid},
      {"Smith", kValid},
      {"Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x98\x80", kValid},
      {"M\xFCller", 1},         // Windows-1252 u-umlaut
      {"ab\xC3", 2},            // truncated at the end
      {"\xC3\xA9\xE2\x82x", 2}, // broken third byte after a good sequence
      {"x\xED\xA0\x80", 1},     // surrogate
      {"ok\x80", 2},            // stray continuation byte
  };
  for (const auto& [text, offset] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(FirstInvalidUtf8Byte(text), offset);
  }
}
