#pragma once

#include <string>

// The whole content of the regular file with this name, relative to the current directory.
// Opens read-only and never creates the file; a name that is not a regular file, or cannot
// be opened for any reason, raises EFOpenError. On Windows the file is opened with no
// sharing, so a file another program holds open fails too. A file of 2 GiB or more, or a
// read that delivers fewer bytes than the file's size, raises EStreamError naming the file.
std::string ReadWholeFile(const std::string& fileName);
