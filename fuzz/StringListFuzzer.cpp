// Cuts arbitrary bytes, directly and through a real file, and checks both against a
// reference cutter written another way.
#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// CR LF becomes LF, a lone CR becomes LF, then split at LF; a final break adds no entry.
std::vector<std::string> ReferenceCut(std::string text) {
  text = text.substr(0, text.find('\0'));
  std::string unified;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      unified += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
    } else {
      unified += text[i];
    }
  }
  std::vector<std::string> entries;
  if (unified.empty()) {
    return entries;
  }
  std::size_t start = 0;
  for (std::size_t at = unified.find('\n'); at != std::string::npos;
       at = unified.find('\n', start)) {
    entries.push_back(unified.substr(start, at - start));
    start = at + 1;
  }
  if (start < unified.size()) {
    entries.push_back(unified.substr(start));
  }
  return entries;
}

void Check(const TStringList& list, const std::vector<std::string>& expected) {
  if (list.Count() != static_cast<std::int32_t>(expected.size())) {
    std::abort();
  }
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    if (list.Get(i) != expected[static_cast<std::size_t>(i)]) {
      std::abort();
    }
  }
  try {
    (void)list.Get(list.Count());
    std::abort();
  } catch (const EStringListError&) {
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const TemporaryWorkingDirectory directory;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> expected = ReferenceCut(bytes);

  TStringList cut;
  cut.SetText(bytes);
  Check(cut, expected);

  TemporaryWorkingDirectory::WriteFile("fuzz.txt", bytes);
  TStringList loaded;
  loaded.LoadFromFile("fuzz.txt");
  Check(loaded, expected);
  return 0;
}
