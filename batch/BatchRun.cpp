#include "batch/BatchRun.h"

#include "batch/RecordMaker.h"

#include "classlib/core/Text.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Records a thread makes before it writes: large writes, and little memory whatever the count.
constexpr std::uint64_t kStretch = 4096;

class OrderedRun {
public:
  OrderedRun(const BatchWordLists& lists, const RunSettings& settings, Output& output,
             Progress& progress)
      : lists_(lists), settings_(settings), output_(output), progress_(progress),
        stretches_((settings.count + kStretch - 1) / kStretch) {}

  void Run() {
    const auto threads = static_cast<unsigned>(
        std::clamp<std::uint64_t>(stretches_, 1, std::max(1u, settings_.threads)));
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads; ++i) {
      helpers.emplace_back([this] { Work(); });
    }
    Work();
    for (std::thread& helper : helpers) {
      helper.join();
    }
    if (failure_) {
      std::rethrow_exception(failure_);
    }
  }

private:
  void Work() {
    try {
      // The initial is a whole UTF-8 character where the text is UTF-8: always in the formats
      // that carry only UTF-8, otherwise where the system's code page is.
      const bool utf8 = SystemCodePageIsUtf8() || FormatNeedsUtf8(settings_.format.kind);
      RecordMaker maker(lists_, settings_.seed, settings_.sex, utf8);
      const auto format = MakeRecordFormat(settings_.format);
      Record record;
      std::string buffer;
      for (std::uint64_t stretch = next_++; stretch < stretches_; stretch = next_++) {
        const std::uint64_t begin = stretch * kStretch;
        const std::uint64_t end = std::min(settings_.count, begin + kStretch);
        buffer.clear();
        for (std::uint64_t i = begin; i < end; ++i) {
          maker.Make(i, record);
          format->AppendRecord(i, settings_.count, record, buffer);
        }
        std::unique_lock lock(mutex_);
        turn_.wait(lock, [&] { return written_ == stretch || failure_; });
        if (failure_) {
          return;
        }
        output_.Write(buffer);
        ++written_;
        progress_.Wrote(end);
        turn_.notify_all();
      }
    } catch (...) {
      const std::lock_guard lock(mutex_);
      if (!failure_) {
        failure_ = std::current_exception();
      }
      next_ = stretches_;
      turn_.notify_all();
    }
  }

  const BatchWordLists& lists_;
  const RunSettings& settings_;
  Output& output_;
  Progress& progress_;
  const std::uint64_t stretches_;

  std::atomic<std::uint64_t> next_{0};
  std::mutex mutex_;
  std::condition_variable turn_;
  std::uint64_t written_ = 0; // stretches written so far
  std::exception_ptr failure_;
};

} // namespace

void RunBatch(const BatchWordLists& lists, const RunSettings& settings, Output& output,
              Progress& progress) {
  std::string text;
  MakeRecordFormat(settings.format)->AppendHeader(text);
  output.Write(text);
  OrderedRun(lists, settings, output, progress).Run();
  text.clear();
  MakeRecordFormat(settings.format)->AppendFooter(settings.count, text);
  output.Write(text);
  progress.Finish();
}
