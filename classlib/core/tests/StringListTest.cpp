#include "classlib/core/StringList.h"
#include "classlib/core/Exception.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct CutCase {
  std::string bytes;
  std::vector<std::string> entries;
};

const std::vector<CutCase> kCutCases = {
    {"a\r\nb", {"a", "b"}},
    {"a\nb", {"a", "b"}},
    {"a\rb", {"a", "b"}},
    {"a\n\rb", {"a", "", "b"}},
    {"a\r\r\nb", {"a", "", "b"}},
    {"a\r\n", {"a"}},
    {"a\r\n\r\n", {"a", ""}},
    {"\r\n", {""}},
    {"", {}},
    {"a\0b\r\nc"s, {"a"}},
    {"\0a\r\nb"s, {}},
    {"one\ntwo\r\nthree\rfour", {"one", "two", "three", "four"}},
    {"  padded\t\r\n   \r\n", {"  padded\t", "   "}},
    {"\xEF\xBB\xBFname\r\n", {"\xEF\xBB\xBFname"}},
    {"dup\r\ndup\r\n\x80\xFF", {"dup", "dup", "\x80\xFF"}},
};

std::vector<std::string> Entries(const TStringList& list) {
  std::vector<std::string> entries;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    entries.emplace_back(list.Get(i));
  }
  return entries;
}

std::string Printable(const std::string& bytes) {
  std::string shown;
  for (const unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F) {
      shown += static_cast<char>(c);
    } else {
      shown.append("<").append(std::to_string(c)).append(">");
    }
  }
  return shown;
}

} // namespace

TEST(StringList, CutsTextIntoEntriesAsTheFileLoaderDoes) {
  for (const CutCase& c : kCutCases) {
    SCOPED_TRACE(Printable(c.bytes));
    TStringList list;
    list.SetText(c.bytes);
    EXPECT_EQ(Entries(list), c.entries);
  }
}

TEST(StringList, LoadsTheSameEntriesFromRealFiles) {
  const TemporaryWorkingDirectory directory;
  for (const CutCase& c : kCutCases) {
    SCOPED_TRACE(Printable(c.bytes));
    TemporaryWorkingDirectory::WriteFile("list.txt", c.bytes);
    TStringList list;
    list.LoadFromFile("list.txt");
    EXPECT_EQ(Entries(list), c.entries);
  }
}

TEST(StringList, LoadingReplacesWhatTheListHeld) {
  const TemporaryWorkingDirectory directory;
  TStringList list;
  list.SetText("old\r\nentries\r\nhere");
  TemporaryWorkingDirectory::WriteFile("new.txt", "fresh");
  list.LoadFromFile("new.txt");
  EXPECT_EQ(Entries(list), std::vector<std::string>{"fresh"});
}

TEST(StringList, AnIndexOutsideTheListRaisesTheBoundsFailure) {
  TStringList list;
  list.SetText("a\r\nb\r\nc");
  for (const std::int32_t index : {-1, 3, 2147483647}) {
    try {
      (void)list.Get(index);
      ADD_FAILURE() << "no failure for index " << index;
    } catch (const EStringListError& failure) {
      EXPECT_EQ(failure.Message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
  TStringList empty;
  EXPECT_THROW((void)empty.Get(0), EStringListError);
}
