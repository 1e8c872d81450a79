#include "classlib/core/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

TEST(Pcg32Random, MatchesThePublishedReferenceSequence) {
  // pcg32_srandom_r(&rng, 42, 54), from the PCG reference implementation's demo.
  Pcg32Random random;
  random.Seed(42, 54);
  const std::array<std::uint32_t, 6> expected = {0xa15c02b7, 0x7b47f409, 0xba1d3330,
                                                 0x83d2f293, 0xbfa4784b, 0xcbed606e};
  for (const std::uint32_t value : expected) {
    EXPECT_EQ(random.Next(), value);
  }
}

TEST(Pcg32Random, BoundedDrawsArePinnedForAFixedSeed) {
  // The twelve bounds of one generation over full-size word lists; pinned so that every
  // compiler and platform yields the same identity for the same seed.
  Pcg32Random random;
  random.Seed(43'210'987);
  const std::vector<std::int32_t> bounds = {250,  1000, 2000, 9000, 300, 900,
                                            9000, 20,   5,    11,   28,  20};
  std::vector<std::int32_t> drawn;
  for (const std::int32_t bound : bounds) {
    drawn.push_back(random.Draw(bound));
  }
  EXPECT_EQ(drawn,
            (std::vector<std::int32_t>{11, 996, 832, 6783, 165, 58, 4596, 16, 3, 7, 23, 19}));
}

TEST(Pcg32Random, DrawsStayBelowTheBoundAndABoundOfZeroGivesZero) {
  Pcg32Random random;
  random.Seed(7);
  for (const std::int32_t bound : {1, 2, 3, 11, 28, 9000, 2147483647}) {
    for (int i = 0; i < 2000; ++i) {
      const std::int32_t value = random.Draw(bound);
      ASSERT_GE(value, 0);
      ASSERT_LT(value, bound);
    }
  }
  EXPECT_EQ(random.Draw(0), 0);
  EXPECT_EQ(random.Draw(-5), 0);
}

TEST(Pcg32Random, ADrawWithBoundZeroStillAdvancesTheState) {
  Pcg32Random a;
  Pcg32Random b;
  a.Seed(99);
  b.Seed(99);
  (void)a.Draw(0);
  (void)b.Next();
  EXPECT_EQ(a.Next(), b.Next());
}

TEST(Pcg32Random, DrawsAreSpreadEvenly) {
  Pcg32Random random;
  random.Seed(2024);
  std::array<int, 6> counts{};
  for (int i = 0; i < 60000; ++i) {
    ++counts[static_cast<std::size_t>(random.Draw(6))];
  }
  for (const int count : counts) {
    EXPECT_NEAR(count, 10000, 400);
  }
}

TEST(Pcg32Random, TheSameSeedGivesTheSameValues) {
  Pcg32Random a;
  Pcg32Random b;
  const std::uint32_t now = MillisecondsOfDayUtc();
  EXPECT_LT(now, 86'400'000u);
  a.Seed(now);
  b.Seed(now);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(a.Draw(1000), b.Draw(1000));
  }
}
