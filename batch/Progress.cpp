#include "batch/Progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kInterval = std::chrono::milliseconds(250);
constexpr auto kAutomaticDelay = std::chrono::seconds(1);

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

} // namespace

Progress::Progress(Mode mode, std::uint64_t total)
    : mode_(mode == Mode::Automatic && !isatty(2) ? Mode::Off : mode), total_(total),
      start_(Clock::now()), lastShown_(start_) {}

void Progress::Wrote(std::uint64_t rows) {
  rows_ = rows;
  if (mode_ == Mode::Off) {
    return;
  }
  const auto now = Clock::now();
  if (now - lastShown_ < kInterval ||
      (mode_ == Mode::Automatic && now - start_ < kAutomaticDelay)) {
    return;
  }
  lastShown_ = now;
  Show(rows, Seconds(now - start_));
}

void Progress::Finish() {
  if (mode_ == Mode::On || shown_) {
    Show(rows_, Seconds(Clock::now() - start_));
    std::fputc('\n', stderr);
  }
}

void Progress::Show(std::uint64_t rows, double seconds) {
  const double rate = seconds > 0 ? static_cast<double>(rows) / seconds : 0;
  const double left = rate > 0 ? static_cast<double>(total_ - rows) / rate : 0;
  const auto leftSeconds = static_cast<unsigned long long>(left + 0.5);
  std::fprintf(stderr, "\r%llu of %llu rows, %.0f rows/s, %llu:%02llu:%02llu left   ",
               static_cast<unsigned long long>(rows), static_cast<unsigned long long>(total_), rate,
               leftSeconds / 3600, leftSeconds / 60 % 60, leftSeconds % 60);
  std::fflush(stderr);
  shown_ = true;
}
