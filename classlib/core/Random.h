#pragma once

#include <cstdint>

// The pseudo-random source a generation draws from.
class RandomSource {
public:
  virtual ~RandomSource() = default;

  // Sets the state from the UTC time of day in milliseconds (0 to 86,399,999).
  virtual void Reseed() = 0;

  // An integer from 0 to bound - 1, spread evenly; 0 for a bound of 0 or less.
  virtual std::int32_t Draw(std::int32_t bound) = 0;
};

// PCG32 (XSH RR, 64-bit state) with Lemire's unbiased bounded draw: the same seed and
// bounds give the same values with every compiler and standard library.
class Pcg32Random : public RandomSource {
public:
  static constexpr std::uint64_t kDefaultStream = 0xda3e39cb94b95bdbULL;

  void Seed(std::uint64_t state, std::uint64_t stream = kDefaultStream);
  std::uint32_t Next();

  void Reseed() override;
  std::int32_t Draw(std::int32_t bound) override;

private:
  std::uint64_t state_ = 0x853c49e6748fea9bULL;
  std::uint64_t increment_ = kDefaultStream;
};

// Inline: the bulk program draws tens of millions of times a second.
inline std::uint32_t Pcg32Random::Next() {
  const std::uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + increment_;
  const auto xorShifted = static_cast<std::uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rotation = static_cast<std::uint32_t>(old >> 59u);
  return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

inline std::int32_t Pcg32Random::Draw(std::int32_t bound) {
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

// Milliseconds since midnight UTC.
std::uint32_t MillisecondsOfDayUtc();
