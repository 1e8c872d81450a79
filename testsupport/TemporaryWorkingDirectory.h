#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

// A fresh empty directory made the current directory for the lifetime of the object;
// word lists are looked for by bare name, so tests lay their files out here.
class TemporaryWorkingDirectory {
public:
  TemporaryWorkingDirectory() : previous_(std::filesystem::current_path()) {
    std::random_device entropy;
    path_ = std::filesystem::temp_directory_path() /
            ("varnex-test-" + std::to_string(entropy()) + std::to_string(entropy()));
    std::filesystem::create_directory(path_);
    std::filesystem::current_path(path_);
  }
  TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
  TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;
  ~TemporaryWorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
  }

  const std::filesystem::path& Path() const { return path_; }

  // Writes bytes exactly as given, in binary mode.
  static void WriteFile(const std::string& name, std::string_view bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      throw std::runtime_error("cannot write test file " + name);
    }
  }

private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
