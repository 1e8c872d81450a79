#include "identity/IdentityGenerator.h"
#include "classlib/core/Exception.h"
#include "testsupport/FixedSeedRandom.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Hands out scripted values and checks that each draw asks for the expected bound.
class ScriptedRandom : public RandomSource {
public:
  struct Step {
    std::int32_t bound;
    std::int32_t value;
  };
  explicit ScriptedRandom(std::vector<Step> script) : script_(std::move(script)) {}

  void Reseed() override { ++reseeds; }
  std::int32_t Draw(std::int32_t bound) override {
    EXPECT_EQ(reseeds, 1) << "draw " << next_ << " came before the one reseed";
    if (next_ >= script_.size()) {
      ADD_FAILURE() << "unexpected draw " << next_ << " with bound " << bound;
      return 0;
    }
    const Step& step = script_[next_++];
    EXPECT_EQ(bound, step.bound) << "bound of draw " << next_ - 1;
    return step.value;
  }
  bool Finished() const { return next_ == script_.size(); }

  int reseeds = 0;

private:
  std::vector<Step> script_;
  std::size_t next_ = 0;
};

// Draws 0 every time, whatever the bound.
class ZeroRandom : public RandomSource {
public:
  void Reseed() override { ++reseeds; }
  std::int32_t Draw(std::int32_t) override { return 0; }
  int reseeds = 0;
};

const std::vector<std::string> kLoadingOrder = {"males.txt",   "last.txt",    "cities.txt",
                                                "areas.txt",   "streets.txt", "domains.txt",
                                                "dom_exts.txt"};

const std::map<std::string, std::string> kLists = {
    {"males.txt", "Adam\r\nBrian\r\nCarl"},
    {"females.txt", "Alice\r\nBeth"},
    {"last.txt", "Smith\r\nO'Neil\r\nMcDonald\r\nvan Dyke"},
    {"cities.txt", "Springfield, IL 62701\r\nDayton, OH 45402\r\nAustin, TX 78701"},
    {"areas.txt", "(217)\r\n(937)\r\n(512)"},
    {"streets.txt", "Maple Ave\r\nOak St"},
    {"domains.txt", "mail.\r\npost.\r\nweb.\r\nnet."},
    {"dom_exts.txt", "com\r\nnet\r\norg\r\nus\r\nbiz"},
};

// What the lists above give when every draw is 0.
const std::string kAllZeroIdentity = "Adam Smith\r\n"
                                     "1000 Maple Ave\r\n"
                                     "Springfield, IL 62701\r\n"
                                     "\r\n"
                                     "Phone: (217) 100-1000\r\n"
                                     "E-Mail: asmith@mail.com\r\n"
                                     "D.0.B. 1/1/65";

class IdentityGeneratorTest : public ::testing::Test {
protected:
  IdentityGeneratorTest() {
    for (const auto& [name, content] : kLists) {
      TemporaryWorkingDirectory::WriteFile(name, content);
    }
  }

  static void Write(const std::string& name, const std::string& content) {
    TemporaryWorkingDirectory::WriteFile(name, content);
  }

  TemporaryWorkingDirectory directory_;
};

} // namespace

TEST_F(IdentityGeneratorTest, TwelveDrawsInOrderMakeTheSevenLines) {
  ScriptedRandom random({{3, 1},
                         {3, 2},
                         {4, 2},
                         {9000, 1234},
                         {2, 1},
                         {900, 56},
                         {9000, 7890},
                         {4, 3},
                         {5, 4},
                         {11, 2},
                         {28, 6},
                         {20, 4}});
  IdentityGenerator generator(random);
  StringOutputBox box;
  box.SetText("the previous identity");
  generator.CreateMale(box);
  EXPECT_EQ(box.GetText(), "Carl McDonald\r\n"
                           "2234 Oak St\r\n"
                           "Dayton, OH 45402\r\n"
                           "\r\n"
                           "Phone: (937) 156-8890\r\n"
                           "E-Mail: cmcdonald@net.biz\r\n"
                           "D.0.B. 3/7/69");
  EXPECT_TRUE(random.Finished());
}

TEST_F(IdentityGeneratorTest, TheLowestAndHighestDrawsGiveTheNumberRanges) {
  ScriptedRandom lowest({{3, 0},
                         {2, 0},
                         {4, 0},
                         {9000, 0},
                         {2, 0},
                         {900, 0},
                         {9000, 0},
                         {4, 0},
                         {5, 0},
                         {11, 0},
                         {28, 0},
                         {20, 0}});
  ScriptedRandom highest({{3, 2},
                          {2, 1},
                          {4, 3},
                          {9000, 8999},
                          {2, 1},
                          {900, 899},
                          {9000, 8999},
                          {4, 3},
                          {5, 4},
                          {11, 10},
                          {28, 27},
                          {20, 19}});
  StringOutputBox box;
  IdentityGenerator(lowest).CreateFemale(box);
  EXPECT_EQ(box.GetText(), "Alice Smith\r\n1000 Maple Ave\r\nSpringfield, IL 62701\r\n\r\n"
                           "Phone: (217) 100-1000\r\nE-Mail: asmith@mail.com\r\nD.0.B. 1/1/65");
  IdentityGenerator(highest).CreateFemale(box);
  EXPECT_EQ(box.GetText(), "Beth van Dyke\r\n9999 Oak St\r\nAustin, TX 78701\r\n\r\n"
                           "Phone: (512) 999-9999\r\nE-Mail: bvan dyke@net.biz\r\nD.0.B. 11/28/84");
}

TEST_F(IdentityGeneratorTest, TheSameSeedGivesTheSameIdentityOnEveryPlatform) {
  FixedSeedRandom random(45'296'789);
  IdentityGenerator generator(random);
  StringOutputBox first;
  StringOutputBox second;
  generator.CreateMale(first);
  generator.CreateMale(second);
  EXPECT_EQ(first.GetText(), second.GetText());
  EXPECT_EQ(first.GetText(), "Carl McDonald\r\n"
                             "1842 Oak St\r\n"
                             "Springfield, IL 62701\r\n"
                             "\r\n"
                             "Phone: (217) 644-4971\r\n"
                             "E-Mail: cmcdonald@mail.com\r\n"
                             "D.0.B. 9/8/76");
}

TEST_F(IdentityGeneratorTest, TheFirstFileInLoadingOrderThatCannotBeOpenedIsReported) {
  // With file k and every later one missing, file k is reported and the box is untouched.
  for (std::size_t k = kLoadingOrder.size(); k-- > 0;) {
    std::filesystem::remove(kLoadingOrder[k]);
    SCOPED_TRACE(kLoadingOrder[k]);
    ZeroRandom random;
    StringOutputBox box;
    box.SetText("the previous identity");
    try {
      IdentityGenerator(random).CreateMale(box);
      FAIL() << "the generation completed";
    } catch (const EFOpenError& failure) {
      EXPECT_EQ(failure.Message(), "Cannot open file " + kLoadingOrder[k]);
    }
    EXPECT_EQ(box.GetText(), "the previous identity");
    EXPECT_EQ(random.reseeds, 0);
  }
}

TEST_F(IdentityGeneratorTest, EachCommandNeedsOnlyItsOwnFirstNameFile) {
  ZeroRandom random;
  IdentityGenerator generator(random);
  StringOutputBox box;
  std::filesystem::remove("males.txt");
  generator.CreateFemale(box);
  EXPECT_EQ(box.GetText().substr(0, 12), "Alice Smith\r");
  EXPECT_THROW(generator.CreateMale(box), EFOpenError);

  Write("males.txt", kLists.at("males.txt"));
  std::filesystem::remove("females.txt");
  generator.CreateMale(box);
  EXPECT_EQ(box.GetText(), kAllZeroIdentity);
  EXPECT_THROW(generator.CreateFemale(box), EFOpenError);
}

TEST_F(IdentityGeneratorTest, AnEmptyListStopsTheGenerationAtItsFirstUse) {
  struct Case {
    std::string file;
    std::size_t linesLeft;
  };
  const Case cases[] = {{"males.txt", 0}, {"last.txt", 0},    {"streets.txt", 1}, {"cities.txt", 2},
                        {"areas.txt", 4}, {"domains.txt", 5}, {"dom_exts.txt", 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Write(c.file, "");
    ZeroRandom random;
    StringOutputBox box;
    box.SetText("the previous identity");
    try {
      IdentityGenerator(random).CreateMale(box);
      FAIL() << "the generation completed";
    } catch (const EStringListError& failure) {
      EXPECT_EQ(failure.Message(), "List index out of bounds (0)");
    }
    std::string expected;
    std::size_t from = 0;
    for (std::size_t line = 0; line < c.linesLeft; ++line) {
      from = kAllZeroIdentity.find("\r\n", from) + 2;
    }
    expected = kAllZeroIdentity.substr(0, from);
    EXPECT_EQ(box.GetText(), expected);
    Write(c.file, kLists.at(c.file));
  }
}

TEST_F(IdentityGeneratorTest, CityAndAreaCodeShareOneIndexAndTooFewAreaCodesFailSometimes) {
  Write("areas.txt", "(217)\r\n(937)");
  const auto script = [](std::int32_t city) {
    return std::vector<ScriptedRandom::Step>{{3, city}, {3, 0},   {4, 0},    {9000, 0},
                                             {2, 0},    {900, 0}, {9000, 0}, {4, 0},
                                             {5, 0},    {11, 0},  {28, 0},   {20, 0}};
  };
  StringOutputBox box;
  ScriptedRandom inRange(script(1));
  IdentityGenerator(inRange).CreateMale(box);
  EXPECT_NE(box.GetText().find("Dayton, OH 45402\r\n\r\nPhone: (937) "), std::string::npos);

  ScriptedRandom beyond(script(2));
  try {
    IdentityGenerator(beyond).CreateMale(box);
    FAIL() << "the generation completed";
  } catch (const EStringListError& failure) {
    EXPECT_EQ(failure.Message(), "List index out of bounds (2)");
  }
  EXPECT_EQ(box.GetText(), "Adam Smith\r\n1000 Maple Ave\r\nAustin, TX 78701\r\n\r\n");
}

TEST_F(IdentityGeneratorTest, EntriesPassThroughAndOnlyAsciiCapitalsAreLowered) {
  ZeroRandom random;
  IdentityGenerator generator(random);
  StringOutputBox box;

  Write("males.txt", "\r\n");
  Write("last.txt", " D'Arcy-\xC9TIENNE 2");
  generator.CreateMale(box);
  EXPECT_EQ(box.GetText().substr(0, box.GetText().find("\r\n")), "  D'Arcy-\xC9TIENNE 2");
  EXPECT_NE(box.GetText().find("E-Mail:  d'arcy-\xC9tienne 2@mail.com\r\n"), std::string::npos);

  Write("males.txt", "Q");
  Write("last.txt", "Lee");
  generator.CreateMale(box);
  EXPECT_NE(box.GetText().find("E-Mail: qlee@mail.com\r\n"), std::string::npos);
}

TEST_F(IdentityGeneratorTest, TheInitialIsAWholeCharacterOfTheSystemCodePage) {
  ZeroRandom random;
  StringOutputBox box;
  Write("males.txt", "\xC3\x89lodie"); // "Élodie" in UTF-8
  IdentityGenerator(random).CreateMale(box);
#ifdef _WIN32
  const bool utf8 = GetACP() == CP_UTF8;
#else
  const bool utf8 = true;
#endif
  const std::string initial = utf8 ? "\xC3\x89" : "\xC3";
  EXPECT_NE(box.GetText().find("E-Mail: " + initial + "smith@mail.com\r\n"), std::string::npos);
}
