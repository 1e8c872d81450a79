// The word lists Varnex ships: sizes, formats, and identities made from them.
#include "classlib/core/StringList.h"
#include "identity/IdentityGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

namespace {

const std::filesystem::path kFolder = VARNEX_SOURCE_DIR "/wordlists";

std::string Bytes(const std::string& name) {
  std::ifstream in(kFolder / name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Entries(const std::string& name) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(kFolder);
  TStringList list;
  list.LoadFromFile(name);
  std::filesystem::current_path(previous);
  std::vector<std::string> entries;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    entries.emplace_back(list.Get(i));
  }
  return entries;
}

struct ListRule {
  const char* file;
  std::size_t atLeast;
  const char* pattern;
};

const ListRule kRules[] = {
    {"males.txt", 1000, "[A-Z][a-z]+"},
    {"females.txt", 1000, "[A-Z][a-z]+"},
    {"last.txt", 2000, "(Mc|O')?[A-Z][a-z]+"},
    {"cities.txt", 250, "[A-Z][A-Za-z.' -]*[a-z], [A-Z]{2} [0-9]{5}"},
    {"areas.txt", 250, "\\([2-9][0-9]{2}\\)"},
    {"streets.txt", 300,
     "[A-Z][A-Za-z]+( [A-Z][a-z]+)* (St|Ave|Rd|Dr|Ln|Blvd|Way|Ct|Pl|Cir|Ter|Pkwy)"},
    {"domains.txt", 20, "[a-z]+\\."},
    {"dom_exts.txt", 5, "[a-z]{2,}"},
};

// Reseeded to a new fixed value for every generation.
class CountingSeed : public Pcg32Random {
public:
  void Reseed() override { Seed(next_++); }

private:
  std::uint64_t next_ = 1;
};

} // namespace

TEST(WordLists, EachFileHasEnoughDistinctWellFormedEntries) {
  for (const ListRule& rule : kRules) {
    SCOPED_TRACE(rule.file);
    const std::vector<std::string> entries = Entries(rule.file);
    EXPECT_GE(entries.size(), rule.atLeast);
    const std::regex pattern(rule.pattern);
    std::set<std::string> seen;
    for (const std::string& entry : entries) {
      EXPECT_TRUE(std::regex_match(entry, pattern)) << '"' << entry << '"';
      EXPECT_TRUE(seen.insert(entry).second) << "repeated: " << entry;
    }
  }
  EXPECT_EQ(Entries("cities.txt").size(), Entries("areas.txt").size());
}

TEST(WordLists, LinesEndInCrLfAndTheLastLineHasNoBreak) {
  for (const ListRule& rule : kRules) {
    SCOPED_TRACE(rule.file);
    const std::string bytes = Bytes(rule.file);
    ASSERT_FALSE(bytes.empty());
    EXPECT_NE(bytes.back(), '\n');
    EXPECT_NE(bytes.back(), '\r');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\r') {
        ASSERT_EQ(bytes.at(i + 1), '\n') << "a lone CR at byte " << i;
      } else if (bytes[i] == '\n') {
        ASSERT_EQ(bytes.at(i - 1), '\r') << "a lone LF at byte " << i;
      }
    }
  }
}

TEST(WordLists, IdentitiesMadeFromThemAreWellFormedAndTheirPlacesAgree) {
  const std::vector<std::string> cities = Entries("cities.txt");
  const std::vector<std::string> areas = Entries("areas.txt");
  const std::regex identity(
      "([A-Z][a-z]+) ((Mc|O')?[A-Z][a-z]+)\r\n[1-9][0-9]{3} [A-Z][A-Za-z ]+\r\n"
      "([^\r\n]+, [A-Z]{2} [0-9]{5})\r\n\r\nPhone: (\\([2-9][0-9]{2}\\)) "
      "[1-9][0-9]{2}-[1-9][0-9]{3}"
      "\r\nE-Mail: [a-z](mc|o')?[a-z]+@[a-z]+\\.[a-z]{2,}\r\nD\\.0\\.B\\. ([1-9]|1[01])/"
      "([1-9]|1[0-9]|2[0-8])/(6[5-9]|7[0-9]|8[0-4])");
  CountingSeed random;
  IdentityGenerator generator(random);
  StringOutputBox box;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(kFolder);
  for (int i = 0; i < 400; ++i) {
    i % 2 == 0 ? generator.CreateMale(box) : generator.CreateFemale(box);
    const std::string text = box.GetText();
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(text, parts, identity)) << text;
    const auto city = std::find(cities.begin(), cities.end(), parts[4].str());
    ASSERT_NE(city, cities.end());
    EXPECT_EQ(areas[static_cast<std::size_t>(city - cities.begin())], parts[5].str()) << text;
  }
  std::filesystem::current_path(previous);
}
