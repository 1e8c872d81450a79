#pragma once

#include <chrono>
#include <cstdint>

// One line on standard error, rewritten in place while a run goes on: rows written, rate and
// time left. Shown always, or (automatically) only on a terminal once the run has taken a
// second, so that short runs and redirected runs stay quiet.
class Progress {
public:
  enum class Mode { Off, Automatic, On };

  Progress(Mode mode, std::uint64_t total);

  void Wrote(std::uint64_t rows);
  // Ends the line, if one was shown.
  void Finish();

private:
  void Show(std::uint64_t rows, double seconds);

  Mode mode_;
  std::uint64_t total_;
  std::uint64_t rows_ = 0;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastShown_;
  bool shown_ = false;
};
