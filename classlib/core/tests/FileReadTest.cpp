#include "classlib/core/FileRead.h"
#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The message of the EFOpenError that loading this name raises, or "" if none.
std::string OpenFailureOf(const std::string& name) {
  try {
    TStringList list;
    list.LoadFromFile(name);
  } catch (const EFOpenError& failure) {
    return failure.Message();
  }
  return "";
}

} // namespace

TEST(FileRead, ReadsTheWholeFileByteForByte) {
  const TemporaryWorkingDirectory directory;
  std::string bytes;
  for (int i = 0; i < 70000; ++i) {
    bytes += static_cast<char>(i % 256);
  }
  TemporaryWorkingDirectory::WriteFile("all-bytes.txt", bytes);
  EXPECT_EQ(ReadWholeFile("all-bytes.txt"), bytes);
}

TEST(FileRead, NamesThatAreNotReadableRegularFilesFailWithTheOpenFailure) {
  const TemporaryWorkingDirectory directory;
  std::filesystem::create_directory("cities.txt");
  EXPECT_EQ(OpenFailureOf("last.txt"), "Cannot open file last.txt");
  EXPECT_EQ(OpenFailureOf("cities.txt"), "Cannot open file cities.txt");
#ifndef _WIN32
  // None of these may block: a FIFO without a writer, a device, a link to nowhere.
  ASSERT_EQ(::mkfifo("areas.txt", 0600), 0);
  std::filesystem::create_symlink("/dev/zero", "streets.txt");
  std::filesystem::create_symlink("/dev/tty", "domains.txt");
  std::filesystem::create_symlink("missing.txt", "dom_exts.txt");
  EXPECT_EQ(OpenFailureOf("areas.txt"), "Cannot open file areas.txt");
  EXPECT_EQ(OpenFailureOf("streets.txt"), "Cannot open file streets.txt");
  EXPECT_EQ(OpenFailureOf("domains.txt"), "Cannot open file domains.txt");
  EXPECT_EQ(OpenFailureOf("dom_exts.txt"), "Cannot open file dom_exts.txt");
#else
  EXPECT_EQ(OpenFailureOf("CON"), "Cannot open file CON");
#endif
}

TEST(FileRead, AFileReachedThroughALinkLoads) {
#ifdef _WIN32
  GTEST_SKIP() << "symbolic links need privileges on Windows";
#else
  const TemporaryWorkingDirectory directory;
  TemporaryWorkingDirectory::WriteFile("real.txt", "Ann\r\nBea");
  std::filesystem::create_symlink("real.txt", "females.txt");
  EXPECT_EQ(ReadWholeFile("females.txt"), "Ann\r\nBea");
#endif
}

#ifndef _WIN32
TEST(FileRead, AFileOfTwoGibibytesFailsWithAMessageNamingIt) {
  const TemporaryWorkingDirectory directory;
  const int fd = ::open("last.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(fd, 0);
  // Sparse: no disk space is used.
  ASSERT_EQ(::ftruncate(fd, off_t{1} << 31), 0);
  ::close(fd);
  try {
    (void)ReadWholeFile("last.txt");
    FAIL() << "a 2 GiB file loaded";
  } catch (const EFOpenError&) {
    FAIL() << "a 2 GiB file is not an open failure";
  } catch (const EStreamError& failure) {
    EXPECT_EQ(failure.Message(), "Cannot load file last.txt: it is 2 GiB or larger");
  }
}
#endif

#ifdef _WIN32
TEST(FileRead, AFileHeldOpenByAnotherProgramFailsToOpen) {
  const TemporaryWorkingDirectory directory;
  TemporaryWorkingDirectory::WriteFile("males.txt", "Adam");
  // Even a holder that shares everything shuts out an opener that shares nothing.
  const HANDLE holder =
      CreateFileA("males.txt", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  EXPECT_EQ(OpenFailureOf("males.txt"), "Cannot open file males.txt");
  CloseHandle(holder);
  EXPECT_EQ(ReadWholeFile("males.txt"), "Adam");
}
#endif
