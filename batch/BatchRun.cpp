#include "batch/BatchRun.h"

#include "batch/RecordMaker.h"

#include "classlib/core/Text.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Records a thread makes before it hands them on: large writes, little memory whatever the count.
constexpr std::uint64_t kStretch = 1024;

// The threads take stretches of records in turn and make them side by side; whichever finishes
// the next stretch due writes it, and any that follow it ready, so no thread waits for another
// to finish. A thread that gets too far ahead of the writing waits, which bounds the memory.
class OrderedRun {
public:
  OrderedRun(const BatchWordLists& lists, const RunSettings& settings,
             const std::vector<ColumnBytes>& columnBytes, Output& output, Progress& progress)
      : lists_(lists), settings_(settings), columnBytes_(columnBytes), output_(output),
        progress_(progress), stretches_((settings.count + kStretch - 1) / kStretch),
        threads_(static_cast<unsigned>(
            std::clamp<std::uint64_t>(stretches_, 1, std::max(1u, settings.threads)))),
        room_(RecordRoom(settings.format, lists.LongestEntry())) {}

  void Run() {
    std::vector<std::thread> helpers;
    for (unsigned i = 1; i < threads_; ++i) {
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
      const auto format = MakeRecordFormat(settings_.format, columnBytes_);
      Record record;
      RecordBuffer buffer;
      std::uint64_t stretch = 0;
      while (TakeStretch(stretch, buffer)) {
        const std::uint64_t begin = stretch * kStretch;
        const std::uint64_t end = std::min(settings_.count, begin + kStretch);
        buffer.Clear();
        for (std::uint64_t i = begin; i < end; ++i) {
          buffer.Reserve(room_);
          maker.Make(i, record);
          format->AppendRecord(i, settings_.count, record, buffer);
        }
        HandOn(stretch, buffer);
      }
    } catch (...) {
      const std::lock_guard lock(mutex_);
      if (!failure_) {
        failure_ = std::current_exception();
      }
      changed_.notify_all();
    }
  }

  // The next stretch to make, and a spare buffer for it; false when there is none to make.
  bool TakeStretch(std::uint64_t& stretch, RecordBuffer& buffer) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return failure_ || next_ < written_ + 2 * threads_; });
    if (failure_ || next_ == stretches_) {
      return false;
    }
    stretch = next_++;
    if (!spares_.empty()) {
      buffer = std::move(spares_.back());
      spares_.pop_back();
    }
    return true;
  }

  void HandOn(std::uint64_t stretch, RecordBuffer& buffer) {
    std::unique_lock lock(mutex_);
    ready_.emplace(stretch, std::move(buffer));
    while (!writing_ && !failure_) {
      const auto due = ready_.find(written_);
      if (due == ready_.end()) {
        break;
      }
      RecordBuffer bytes = std::move(due->second);
      ready_.erase(due);
      writing_ = true;
      lock.unlock();
      output_.Write(bytes.View());
      lock.lock();
      writing_ = false;
      ++written_;
      progress_.Wrote(std::min(settings_.count, written_ * kStretch));
      spares_.push_back(std::move(bytes));
      changed_.notify_all();
    }
  }

  const BatchWordLists& lists_;
  const RunSettings& settings_;
  const std::vector<ColumnBytes>& columnBytes_;
  Output& output_;
  Progress& progress_;
  const std::uint64_t stretches_;
  const unsigned threads_;
  const std::size_t room_;

  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t next_ = 0;    // stretches taken
  std::uint64_t written_ = 0; // stretches written
  bool writing_ = false;
  std::map<std::uint64_t, RecordBuffer> ready_;
  std::vector<RecordBuffer> spares_;
  std::exception_ptr failure_;
};

} // namespace

void RunBatch(const BatchWordLists& lists, const RunSettings& settings, Output& output,
              Progress& progress) {
  const std::vector<ColumnBytes> columnBytes = lists.Bytes();
  const auto format = MakeRecordFormat(settings.format, columnBytes);
  std::string text;
  format->AppendHeader(text);
  output.Write(text);
  OrderedRun(lists, settings, columnBytes, output, progress).Run();
  text.clear();
  format->AppendFooter(settings.count, text);
  output.Write(text);
  progress.Finish();
}
