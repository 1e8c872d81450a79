#include "classlib/core/FileRead.h"

#include "classlib/core/Exception.h"
#include "classlib/core/FileLimits.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Linux has no mandatory share modes: a lock taken here would bind only programs that ask
// for it, and the file is held for a single read anyway, so the file is opened unlocked.

namespace {

class FileDescriptor {
public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { ::close(fd_); }
  int Get() const { return fd_; }

private:
  int fd_;
};

} // namespace

std::string ReadWholeFile(const std::string& fileName) {
  // O_NONBLOCK: opening a FIFO or a device must not wait; such names fail just below.
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    throw EFOpenError(fileName);
  }
  const FileDescriptor file(fd);

  struct stat status {};
  if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
    throw EFOpenError(fileName);
  }
  if (status.st_size >= kMaxWordListSize) {
    throw EStreamError(FileTooLargeMessage(fileName));
  }

  std::string content(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t got = ::read(file.Get(), content.data() + done, content.size() - done);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      break;
    }
    done += static_cast<std::size_t>(got);
  }
  if (done < content.size()) {
    throw EStreamError(ReadFailedMessage(fileName));
  }
  return content;
}
