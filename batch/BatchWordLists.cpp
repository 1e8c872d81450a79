#include "batch/BatchWordLists.h"

#include "classlib/core/Text.h"

#include <filesystem>
#include <string_view>

BatchWordLists::BatchWordLists(const std::string& folder, Sex sex, FormatKind format) {
  std::vector<const NamedList*> loaded;
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

  for (const NamedList* named : loaded) {
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

void BatchWordLists::Check(const NamedList& named, FormatKind format) const {
  if (named.list.Count() == 0) {
    throw EWordListError(named.fileName + " has no entries");
  }
  const auto where = [&](std::int32_t index) {
    return named.fileName + ", line " + IntToStr(std::int64_t{index} + 1);
  };
  for (std::int32_t i = 0; i < named.list.Count(); ++i) {
    const std::string_view entry = named.list.Get(i);
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
