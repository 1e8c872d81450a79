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

// Milliseconds since midnight UTC.
std::uint32_t MillisecondsOfDayUtc();
