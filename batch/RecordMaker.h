#pragma once

#include "batch/BatchWordLists.h"
#include "batch/Record.h"

#include "classlib/core/Random.h"

#include <cstdint>

// Added to the run's seed once per identity: record i is made after reseeding with
// seed + i * kSeedStep (mod 2^64), so that it depends on (seed, i) alone.
inline constexpr std::uint64_t kSeedStep = 0x9E3779B97F4A7C15ULL;

// For a mixed run, whether the identity with this seed is male: the top bit of SplitMix64's
// output mix of the seed. The mix is a different function from the generator's, so the sex
// takes nothing from the twelve draws and comes out about half each.
bool MixedIdentityIsMale(std::uint64_t identitySeed);

// Makes the records of one run, any record in any order, with the generator the window uses.
class RecordMaker {
public:
  RecordMaker(const BatchWordLists& lists, std::uint64_t runSeed, Sex sex, bool utf8)
      : male_(lists.Male()), female_(lists.Female()), runSeed_(runSeed), sex_(sex), utf8_(utf8) {}

  void Make(std::uint64_t index, Record& record);

private:
  IdentityLists male_;
  IdentityLists female_;
  std::uint64_t runSeed_;
  Sex sex_;
  bool utf8_;
  Pcg32Random random_;
};
