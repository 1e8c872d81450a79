#pragma once

#include "classlib/core/Exception.h"

#include <string>
#include <string_view>

// Writing the output failed (full disk, no permission, ...): the run fails with exit code 1.
class EOutputError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EOutputError"; }
};

// The reader of standard output has gone (`| head -1`): the run ends quietly, exit code 0.
class EClosedPipe : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EClosedPipe"; }
};

// Where the records go. Standard output is written directly. A named regular file, or a new
// one, is written under a temporary name in its folder and only Commit() renames it over the
// old file, so that a failed or interrupted run leaves the old file as it was. Any other name
// (a device such as /dev/null, a FIFO) is written directly and never replaced.
class Output {
public:
  Output(); // standard output
  explicit Output(const std::string& fileName);
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;
  ~Output(); // removes the temporary file of an output that was not committed

  // Raises EClosedPipe when the reader has gone, EOutputError for any other failure.
  void Write(std::string_view bytes);
  void Commit();

private:
  [[noreturn]] void Fail(const char* doing, int error) const;

  int fd_ = 1;
  bool ownsFd_ = false;
  std::string name_;          // for messages
  std::string finalPath_;     // the file the temporary one replaces; empty when written directly
  std::string temporaryPath_; // empty once committed
};
