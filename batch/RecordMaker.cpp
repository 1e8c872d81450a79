#include "batch/RecordMaker.h"

bool MixedIdentityIsMale(std::uint64_t identitySeed) {
  std::uint64_t z = identitySeed;
  z = (z ^ (z >> 30u)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27u)) * 0x94D049BB133111EBULL;
  z ^= z >> 31u;
  return (z >> 63u) == 0;
}

void RecordMaker::Make(std::uint64_t index, Record& record) {
  const std::uint64_t seed = runSeed_ + index * kSeedStep;
  record.male = sex_ == Sex::Male || (sex_ == Sex::Mixed && MixedIdentityIsMale(seed));
  random_.Seed(seed);
  ComposeIdentity(record.male ? male_ : female_, random_, utf8_, record);
}
