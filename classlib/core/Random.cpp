#include "classlib/core/Random.h"

#include <chrono>

void Pcg32Random::Seed(std::uint64_t state, std::uint64_t stream) {
  state_ = 0;
  increment_ = (stream << 1u) | 1u;
  Next();
  state_ += state;
  Next();
}

std::uint32_t Pcg32Random::Next() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + increment_;
  const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<std::uint32_t>(old >> 59u);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

void Pcg32Random::Reseed() { Seed(MillisecondsOfDayUtc()); }

std::int32_t Pcg32Random::Draw(std::int32_t bound) {
  std::uint32_t x = Next();
  if (bound <= 0) {
    return 0;
  }
  // Lemire: multiply into 64 bits, take the high half, reject the few low halves that bias it.
  const auto n = static_cast<std::uint32_t>(bound);
  std::uint64_t product = std::uint64_t{x} * n;
  auto low = static_cast<std::uint32_t>(product);
  if (low < n) {
    const std::uint32_t threshold = (0u - n) % n;
    while (low < threshold) {
      x = Next();
      product = std::uint64_t{x} * n;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<std::int32_t>(product >> 32u);
}

std::uint32_t MillisecondsOfDayUtc() {
  using namespace std::chrono;
  // system_clock counts Unix time, which is UTC without leap seconds.
  const auto sinceEpoch = duration_cast<milliseconds>(system_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(sinceEpoch.count() % 86'400'000);
}
