#include "batch/Columns.h"

#include "batch/UsageError.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

constexpr std::array<std::string_view, 10> kNames = {
    "sex",       "first_name", "last_name", "street_address", "city",
    "area_code", "phone",      "email",     "birth_date",     "birth_date_us",
};

std::string NameList() {
  std::string list;
  for (const std::string_view name : kNames) {
    list += list.empty() ? "" : ", ";
    list += name;
  }
  return list;
}

} // namespace

std::string_view ColumnName(Column column) { return kNames[static_cast<std::size_t>(column)]; }

const std::vector<Column>& AllColumns() {
  static const std::vector<Column> all = [] {
    std::vector<Column> columns;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      columns.push_back(static_cast<Column>(i));
    }
    return columns;
  }();
  return all;
}

std::vector<Column> ParseColumns(std::string_view names) {
  std::vector<Column> columns;
  std::size_t start = 0;
  while (start <= names.size()) {
    const std::size_t comma = std::min(names.find(',', start), names.size());
    const std::string_view name = names.substr(start, comma - start);
    const auto found = std::find(kNames.begin(), kNames.end(), name);
    if (found == kNames.end()) {
      throw EUsageError("--fields: unknown field '" + std::string(name) + "'; the fields are " +
                        NameList());
    }
    const auto column = static_cast<Column>(found - kNames.begin());
    if (std::find(columns.begin(), columns.end(), column) != columns.end()) {
      throw EUsageError("--fields: '" + std::string(name) + "' is named twice");
    }
    columns.push_back(column);
    start = comma + 1;
  }
  return columns;
}
