#include "classlib/core/StringList.h"

#include "classlib/core/Exception.h"
#include "classlib/core/FileRead.h"

#include <algorithm>
#include <limits>
#include <utility>

void TStringList::LoadFromFile(const std::string& fileName) { SetText(ReadWholeFile(fileName)); }

void TStringList::SetText(std::string text) {
  entries_.clear();
  text_ = std::move(text);
  if (const auto nul = text_.find('\0'); nul != std::string::npos) {
    text_.resize(nul);
  }
  if (text_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    text_.clear();
    throw EStreamError("Text of 2 GiB or more does not fit in a string list");
  }

  const char* const begin = text_.data();
  const char* const end = begin + text_.size();
  // Most files end their lines with LF or CR LF: counting LFs first spares the regrowth.
  entries_.reserve(static_cast<std::size_t>(std::count(begin, end, '\n')) + 1);
  const char* p = begin;
  while (p < end) {
    const char* const start = p;
    while (p < end && *p != '\r' && *p != '\n') {
      ++p;
    }
    entries_.push_back(
        {static_cast<std::uint32_t>(start - begin), static_cast<std::uint32_t>(p - start)});
    if (p < end && *p == '\r') {
      ++p;
    }
    if (p < end && *p == '\n') {
      ++p;
    }
  }
}

void TStringList::ThrowIndexError(std::int32_t index) { throw EStringListError(index); }
