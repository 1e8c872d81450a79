#include "batch/BatchWordLists.h"

#include "classlib/core/Text.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

BatchWordLists::BatchWordLists(const std::string& folder, Sex sex, FormatKind format) {
  std::vector<NamedList*> loaded;
  if (sex != Sex::Female) {
    Load(males_, folder, "males.txt");
    loaded.push_back(&males_);
  }
  if (sex != Sex::Male) {
    Load(females_, folder, "females.txt");
    loaded.push_back(&females_);
  }
  for (auto [named, bareName] : {std::pair{&lastNames_, "last.txt"},
                                 {&cities_, "cities.txt"},
                                 {&areaCodes_, "areas.txt"},
                                 {&streets_, "streets.txt"},
                                 {&domains_, "domains.txt"},
                                 {&extensions_, "dom_exts.txt"}}) {
    Load(*named, folder, bareName);
    loaded.push_back(named);
  }

  for (NamedList* named : loaded) {
    Check(*named, format);
  }
  if (areaCodes_.list.Count() < cities_.list.Count()) {
    throw EWordListError(areaCodes_.fileName + " has " + IntToStr(areaCodes_.list.Count()) +
                         " area codes but " + cities_.fileName + " has " +
                         IntToStr(cities_.list.Count()) +
                         " cities: line N of the one is the area code of line N of the other");
  }
}

void BatchWordLists::Load(NamedList& named, const std::string& folder, const char* bareName) {
  named.fileName = folder.empty() || folder == "."
                       ? std::string(bareName)
                       : (std::filesystem::path(folder) / bareName).string();
  named.list.LoadFromFile(named.fileName);
}

void BatchWordLists::Check(NamedList& named, FormatKind format) {
  if (named.list.Count() == 0) {
    throw EWordListError(named.fileName + " has no entries");
  }
  const auto where = [&](std::int32_t index) {
    return named.fileName + ", line " + IntToStr(std::int64_t{index} + 1);
  };
  for (std::int32_t i = 0; i < named.list.Count(); ++i) {
    const std::string_view entry = named.list.Get(i);
    longestEntry_ = std::max(longestEntry_, entry.size());
    for (const char byte : entry) {
      named.bytes.bytes.set(static_cast<unsigned char>(byte));
    }
    named.bytes.blankAtEnds = named.bytes.blankAtEnds || HasBlankAtEnds(entry);
    if (FormatNeedsUtf8(format)) {
      if (const std::size_t bad = FirstInvalidUtf8Byte(entry); bad != std::string_view::npos) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        const auto byte = static_cast<unsigned char>(entry[bad]);
        throw EWordListError(where(i) + ", byte " + IntToStr(static_cast<std::int64_t>(bad) + 1) +
                             " (0x" + kHex[byte >> 4] + kHex[byte & 15] +
                             "): not UTF-8, which this format needs; save the list as UTF-8");
      }
    }
    if (FormatRefusesTabs(format) && entry.find('\t') != std::string_view::npos) {
      throw EWordListError(where(i) + ": holds a tab, which a TSV field cannot carry");
    }
  }
}

IdentityLists BatchWordLists::Lists(const NamedList& firstNames) const {
  return IdentityLists{firstNames.list, lastNames_.list, cities_.list,    areaCodes_.list,
                       streets_.list,   domains_.list,   extensions_.list};
}

std::vector<ColumnBytes> BatchWordLists::Bytes() const {
  ColumnBytes firstNames = males_.bytes; // the initial of the e-mail too
  firstNames |= females_.bytes;
  const auto digits = [] {
    ColumnBytes fixed;
    for (const char byte : std::string_view("0123456789 -/@")) {
      fixed.bytes.set(static_cast<unsigned char>(byte));
    }
    return fixed;
  }();
  std::vector<ColumnBytes> columns(AllColumns().size(), digits);
  const auto add = [&](Column column, const ColumnBytes& bytes) {
    columns[static_cast<std::size_t>(column)] |= bytes;
  };
  add(Column::FirstName, firstNames);
  add(Column::LastName, lastNames_.bytes);
  add(Column::StreetAddress, streets_.bytes);
  add(Column::City, cities_.bytes);
  add(Column::AreaCode, areaCodes_.bytes);
  add(Column::Phone, areaCodes_.bytes);
  for (const ColumnBytes* part : {static_cast<const ColumnBytes*>(&firstNames), &lastNames_.bytes,
                                  &domains_.bytes, &extensions_.bytes}) {
    add(Column::Email, *part);
  }
  return columns;
}
