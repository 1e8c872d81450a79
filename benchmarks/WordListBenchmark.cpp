// Loading and generation against a baseline that only opens, reads and counts the lines of
// the same files. scripts/bench prints the ratios.
#include "identity/IdentityGenerator.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kGenerationFiles = {"males.txt",   "last.txt",    "cities.txt",
                                                   "areas.txt",   "streets.txt", "domains.txt",
                                                   "dom_exts.txt"};
constexpr const char* kLargeFile = "large.txt";
constexpr std::size_t kLargeFileSize = 100'000'000;

// Word-list-like lines of 4 to 15 letters, capitalised, each ended by CR LF.
std::string Lines(std::size_t bytes, std::uint64_t seed) {
  Pcg32Random random;
  random.Seed(seed);
  std::string text;
  text.reserve(bytes + 20);
  while (text.size() < bytes) {
    const std::int32_t length = 4 + random.Draw(12);
    text += static_cast<char>('A' + random.Draw(26));
    for (std::int32_t i = 1; i < length; ++i) {
      text += static_cast<char>('a' + random.Draw(26));
    }
    text += "\r\n";
  }
  return text;
}

std::string ThousandLines(std::uint64_t seed) {
  std::string text;
  Pcg32Random random;
  random.Seed(seed);
  for (int line = 0; line < 1000; ++line) {
    text += Lines(1, seed * 1000 + static_cast<std::uint64_t>(line));
  }
  return text;
}

// The word lists live in one temporary directory for the whole run.
void LayOutFiles() {
  static const TemporaryWorkingDirectory directory;
  static const bool written = [] {
    std::uint64_t seed = 1;
    for (const std::string& name : kGenerationFiles) {
      TemporaryWorkingDirectory::WriteFile(name, ThousandLines(seed++));
    }
    TemporaryWorkingDirectory::WriteFile(kLargeFile, Lines(kLargeFileSize, 99));
    return true;
  }();
  (void)written;
}

// Open, read whole and count the lines, with nothing of ours in the way.
std::size_t ReadAndCountLines(const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fseek(file, 0, SEEK_SET);
  std::string content(static_cast<std::size_t>(size), '\0');
  const std::size_t got = std::fread(content.data(), 1, content.size(), file);
  std::fclose(file);
  return got == content.size()
             ? static_cast<std::size_t>(std::count(content.begin(), content.end(), '\n'))
             : 0;
}

void GenerationBaseline(benchmark::State& state) {
  LayOutFiles();
  for (auto _ : state) {
    for (const std::string& name : kGenerationFiles) {
      benchmark::DoNotOptimize(ReadAndCountLines(name.c_str()));
    }
  }
}
BENCHMARK(GenerationBaseline)->Unit(benchmark::kMicrosecond);

void Generation(benchmark::State& state) {
  LayOutFiles();
  Pcg32Random random;
  IdentityGenerator generator(random);
  StringOutputBox box;
  for (auto _ : state) {
    generator.CreateMale(box);
    benchmark::DoNotOptimize(box.GetText().size());
  }
}
BENCHMARK(Generation)->Unit(benchmark::kMicrosecond);

void LargeListBaseline(benchmark::State& state) {
  LayOutFiles();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadAndCountLines(kLargeFile));
  }
}
BENCHMARK(LargeListBaseline)->Unit(benchmark::kMillisecond);

void LargeListLoad(benchmark::State& state) {
  LayOutFiles();
  for (auto _ : state) {
    TStringList list;
    list.LoadFromFile(kLargeFile);
    benchmark::DoNotOptimize(list.Count());
  }
}
BENCHMARK(LargeListLoad)->Unit(benchmark::kMillisecond);

} // namespace
