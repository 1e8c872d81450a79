#include "batch/Output.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifndef O_BINARY
#define O_BINARY 0
#endif
#ifndef O_CLOEXEC
#define O_CLOEXEC 0
#endif

namespace fs = std::filesystem;

namespace {

// The temporary file to remove when the run is interrupted; a plain array, for the handler.
char interruptedFile[4096];

extern "C" void RemoveTemporaryAndStop(int signal) {
  ::unlink(interruptedFile);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Whether the name stands for something other than a file on disk: a device or a FIFO.
bool IsSpecialFile([[maybe_unused]] const fs::file_status& status,
                   [[maybe_unused]] const fs::path& target) {
#ifdef _WIN32
  // Devices such as NUL have no file status; the handle says what they are.
  const HANDLE handle =
      CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    return false;
  }
  const bool special = GetFileType(handle) != FILE_TYPE_DISK;
  CloseHandle(handle);
  return special;
#else
  return fs::exists(status) && !fs::is_regular_file(status);
#endif
}

std::string TemporaryName(const fs::path& target) {
  std::random_device entropy;
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(entropy()));
  return (target.parent_path() / ("." + target.filename().string() + suffix)).string();
}

} // namespace

Output::Output() : name_("standard output") {
#ifdef _WIN32
  _setmode(1, _O_BINARY); // CR LF is written as it stands, never doubled
#endif
}

Output::Output(const std::string& fileName) : fd_(-1), ownsFd_(true), name_(fileName) {
  std::error_code error;
  fs::path target = fs::path(fileName);
  if (fs::is_symlink(fs::symlink_status(target, error))) {
    target = fs::weakly_canonical(target, error); // replace the file the link names, keep the link
  }
  const fs::file_status status = fs::status(target, error);
  if (fs::is_directory(status)) {
    throw EOutputError("cannot write to " + name_ + ": it is a folder");
  }
  if (IsSpecialFile(status, target)) {
    fd_ = ::open(target.string().c_str(), O_WRONLY | O_BINARY | O_CLOEXEC);
    if (fd_ < 0) {
      Fail("open", errno);
    }
    return;
  }

  finalPath_ = target.string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporaryPath_ = TemporaryName(target);
    fd_ = ::open(temporaryPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY | O_CLOEXEC, 0666);
    if (fd_ >= 0 || errno != EEXIST) {
      break;
    }
  }
  if (fd_ < 0) {
    const int openError = errno;
    temporaryPath_.clear();
    Fail("create a file beside", openError);
  }
#ifndef _WIN32
  struct stat old {};
  if (::stat(finalPath_.c_str(), &old) == 0) {
    ::fchmod(fd_, old.st_mode & 07777); // the new file keeps the old one's permissions
  }
#endif
  std::strncpy(interruptedFile, temporaryPath_.c_str(), sizeof interruptedFile - 1);
  std::signal(SIGINT, RemoveTemporaryAndStop);
  std::signal(SIGTERM, RemoveTemporaryAndStop);
}

Output::~Output() {
  if (ownsFd_ && fd_ >= 0) {
    ::close(fd_);
  }
  if (!temporaryPath_.empty()) {
    ::unlink(temporaryPath_.c_str());
  }
}

void Output::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const auto chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 30));
    const auto written = ::write(fd_, bytes.data(), chunk);
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      if (errno == EPIPE) {
        throw EClosedPipe("the reader of " + name_ + " has gone");
      }
      Fail("write to", errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void Output::Commit() {
  if (temporaryPath_.empty()) {
    return;
  }
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) {
    Fail("write to", errno);
  }
  std::error_code error;
  fs::rename(temporaryPath_, finalPath_, error);
  if (error) {
    Fail("replace", error.value());
  }
  temporaryPath_.clear();
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

void Output::Fail(const char* doing, int error) const {
  throw EOutputError(std::string("cannot ") + doing + " " + name_ + ": " + std::strerror(error));
}
