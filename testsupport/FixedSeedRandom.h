#pragma once

#include "classlib/core/Random.h"

#include <cstdint>

// The real random source with its clock stopped: every reseed takes the same value.
class FixedSeedRandom : public Pcg32Random {
public:
  explicit FixedSeedRandom(std::uint64_t seed) : seed_(seed) {}
  void Reseed() override { Seed(seed_); }

private:
  std::uint64_t seed_;
};
