#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An ordered, unsorted list of 8-bit text entries, loaded whole from a word-list file.
// Entries keep duplicates and never hold CR, LF or NUL.
class TStringList {
public:
  // Empties the list and fills it with the entries of the file with this bare name.
  // Raises EFOpenError if the file cannot be opened, EStreamError if it cannot be read.
  void LoadFromFile(const std::string& fileName);

  // Empties the list and cuts text into entries: CR LF, CR or LF ends a line, a break
  // after the last line adds no entry, and the text ends at its first NUL byte.
  void SetText(std::string text);

  std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }

  // Raises EStringListError for an index outside 0 to Count() - 1. Inline: the bulk program
  // takes tens of millions of entries a second.
  std::string_view Get(std::int32_t index) const {
    if (index < 0 || index >= Count()) {
      ThrowIndexError(index);
    }
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    return std::string_view(text_).substr(entry.start, entry.length);
  }

private:
  [[noreturn]] static void ThrowIndexError(std::int32_t index);

  struct Entry {
    std::uint32_t start;
    std::uint32_t length;
  };

  // Entries point into the text rather than copying it: a 100 MB list loads in one pass.
  std::string text_;
  std::vector<Entry> entries_;
};
