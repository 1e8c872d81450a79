#include "classlib/core/Random.h"

#include <chrono>

void Pcg32Random::Seed(std::uint64_t state, std::uint64_t stream) {
  state_ = 0;
  increment_ = (stream << 1u) | 1u;
  Next();
  state_ += state;
  Next();
}

void Pcg32Random::Reseed() { Seed(MillisecondsOfDayUtc()); }

std::uint32_t MillisecondsOfDayUtc() {
  using namespace std::chrono;
  // system_clock counts Unix time, which is UTC without leap seconds.
  const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(sinceEpoch.count() % 86'400'000);
}
