// varnex-batch makes the identities the window makes: record i of a run with seed S is what
// "Create Male Info" or "Create Female Info" shows when the clock reads S + i * kSeedStep.
#include "batch/BatchWordLists.h"
#include "batch/RecordFormat.h"
#include "batch/RecordMaker.h"
#include "identity/IdentityGenerator.h"
#include "testsupport/FixedSeedRandom.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

class WindowEqualityTest : public ::testing::Test {
protected:
  WindowEqualityTest() {
    // Lists of different lengths, so that each draw lands on its own entry; names with commas,
    // quotes, blanks at the ends and non-ASCII letters, as users' own lists have.
    Write("males.txt", "Adam\r\n\xC3\x89mile\r\nBo\r\n Carl\r\nDan\r\n");
    Write("females.txt", "Alice\r\nB\xC3\xA9\x61\r\nO'Hara\r\nZo\xC3\xAB\r\n");
    Write("last.txt", "Smith\r\nO'Neil\r\nM\xC3\xBCller\r\nvan Dyke \r\nSmith, Jr.\r\n\"Q\"");
    Write("cities.txt", "Springfield, IL 62701\nDayton, OH 45402\nAustin, TX 78701");
    Write("areas.txt", "(217)\n(937)\n(512)\n(999)");
    Write("streets.txt", "Maple Ave\r\nOak St\r\nElm Rd\r\n");
    Write("domains.txt", "mail.\r\npost.\r\nweb.\r\nnet.\r\nexample.");
    Write("dom_exts.txt", "com\r\nnet\r\norg\r\nus\r\nbiz\r\nio");
  }

  static void Write(const std::string& name, const std::string& content) {
    TemporaryWorkingDirectory::WriteFile(name, content);
  }

  static std::string WindowText(bool male, std::uint64_t clock) {
    FixedSeedRandom random(clock);
    IdentityGenerator generator(random);
    StringOutputBox box;
    male ? generator.CreateMale(box) : generator.CreateFemale(box);
    return box.GetText();
  }

  static std::string BatchText(Sex sex, std::uint64_t seed, std::uint64_t index) {
    const BatchWordLists lists(".", sex, FormatKind::Text);
    RecordMaker maker(lists, seed, sex, SystemCodePageIsUtf8());
    Record record;
    maker.Make(index, record);
    FormatOptions options;
    options.kind = FormatKind::Text;
    RecordBuffer out;
    out.Reserve(RecordRoom(options, lists.LongestEntry()));
    MakeRecordFormat(options, lists.Bytes())->AppendRecord(0, 1, record, out);
    return std::string(out.View());
  }

  TemporaryWorkingDirectory directory_;
};

} // namespace

TEST_F(WindowEqualityTest, RecordZeroIsTheWindowsIdentityForTheSameClock) {
  for (const std::uint64_t seed :
       {0ULL, 1ULL, 2ULL, 42ULL, 86'399'999ULL, 1ULL << 40u, 0xFFFFFFFFFFFFFFFFULL}) {
    SCOPED_TRACE(seed);
    EXPECT_EQ(BatchText(Sex::Male, seed, 0), WindowText(true, seed));
    EXPECT_EQ(BatchText(Sex::Female, seed, 0), WindowText(false, seed));
  }
}

TEST_F(WindowEqualityTest, RecordIIsTheWindowsIdentityForTheStepSeed) {
  for (const std::uint64_t index : {1ULL, 7ULL, 1'000'000ULL}) {
    SCOPED_TRACE(index);
    const std::uint64_t clock = 5 + index * kSeedStep;
    EXPECT_EQ(BatchText(Sex::Male, 5, index), WindowText(true, clock));
    EXPECT_EQ(BatchText(Sex::Female, 5, index), WindowText(false, clock));
  }
}

TEST_F(WindowEqualityTest, AMixedRunTakesEachSexWithoutChangingItsDraws) {
  const BatchWordLists lists(".", Sex::Mixed, FormatKind::Text);
  int males = 0;
  constexpr int kCount = 20'000;
  for (int i = 0; i < kCount; ++i) {
    const std::uint64_t seed = 3 + static_cast<std::uint64_t>(i) * kSeedStep;
    males += MixedIdentityIsMale(seed) ? 1 : 0;
    if (i < 50) {
      SCOPED_TRACE(i);
      const bool male = MixedIdentityIsMale(seed);
      EXPECT_EQ(BatchText(Sex::Mixed, 3, static_cast<std::uint64_t>(i)), WindowText(male, seed));
    }
  }
  EXPECT_NEAR(males, kCount / 2, kCount / 50); // within 2%: about 5 standard deviations
}
