#pragma once

#include "batch/RecordFormat.h"
#include "identity/ComposeIdentity.h"

#include "classlib/core/Exception.h"
#include "classlib/core/StringList.h"

#include <string>

enum class Sex { Male, Female, Mixed };

// A set of word lists that a run cannot use: empty, out of step, or not fit for the format.
class EWordListError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EWordListError"; }
};

// The word lists of a run, loaded once from one folder with the window's loader and in the
// window's order (first names, then last.txt, cities.txt, areas.txt, streets.txt,
// domains.txt, dom_exts.txt), and checked up front for what would otherwise fail part way.
class BatchWordLists {
public:
  // Raises EFOpenError or EStreamError for a file that cannot be loaded, EWordListError for
  // lists the run cannot use. An empty folder name is the current directory.
  BatchWordLists(const std::string& folder, Sex sex, FormatKind format);

  IdentityLists Male() const { return Lists(males_); }
  IdentityLists Female() const { return Lists(females_); }
  std::size_t LongestEntry() const { return longestEntry_; }
  // What each column (indexed by Column) can hold.
  std::vector<ColumnBytes> Bytes() const;

private:
  struct NamedList {
    std::string fileName; // as passed to the loader, so as the messages name it
    TStringList list;
    ColumnBytes bytes; // of all its entries
  };

  void Load(NamedList& named, const std::string& folder, const char* bareName);
  void Check(NamedList& named, FormatKind format);
  IdentityLists Lists(const NamedList& firstNames) const;

  std::size_t longestEntry_ = 0;
  NamedList males_, females_, lastNames_, cities_, areaCodes_, streets_, domains_, extensions_;
};
