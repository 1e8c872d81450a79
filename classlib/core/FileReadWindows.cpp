#include "classlib/core/FileRead.h"

#include "classlib/core/Exception.h"
#include "classlib/core/FileLimits.h"

#include <windows.h>

namespace {

class FileHandle {
public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { CloseHandle(handle_); }
  HANDLE Get() const { return handle_; }

private:
  HANDLE handle_;
};

} // namespace

std::string ReadWholeFile(const std::string& fileName) {
  // Share mode 0: while we hold the file nobody else may open it, and a file that is
  // already open elsewhere fails to open here.
  const HANDLE handle = CreateFileA(fileName.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw EFOpenError(fileName);
  }
  const FileHandle file(handle);

  // Console, printer and pipe names open as devices; only disk files are word lists.
  if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
    throw EFOpenError(fileName);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) {
    throw EStreamError(ReadFailedMessage(fileName));
  }
  if (size.QuadPart >= kMaxWordListSize) {
    throw EStreamError(FileTooLargeMessage(fileName));
  }

  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  const BOOL ok = content.empty() || ReadFile(file.Get(), content.data(),
                                              static_cast<DWORD>(content.size()), &got, nullptr);
  if (!ok || got != content.size()) {
    throw EStreamError(ReadFailedMessage(fileName));
  }
  return content;
}
