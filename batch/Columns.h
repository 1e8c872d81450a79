#pragma once

#include <bitset>
#include <string_view>
#include <vector>

// The columns a record can have, in their default order.
enum class Column {
  Sex,
  FirstName,
  LastName,
  StreetAddress,
  City,
  AreaCode,
  Phone,
  Email,
  BirthDate,
  BirthDateUs,
};

std::string_view ColumnName(Column column);

// Whether text starts or ends with a blank (a space or a tab): such a CSV field is quoted.
inline bool HasBlankAtEnds(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return !text.empty() && (blank(text.front()) || blank(text.back()));
}

// What the values of a column can hold: every byte that occurs in the word-list entries behind
// it, and whether one of those entries starts or ends with a blank. The formats skip escaping
// for columns that cannot need it.
struct ColumnBytes {
  std::bitset<256> bytes;
  bool blankAtEnds = false;

  ColumnBytes& operator|=(const ColumnBytes& other) {
    bytes |= other.bytes;
    blankAtEnds = blankAtEnds || other.blankAtEnds;
    return *this;
  }
};

// Every column, in the default order.
const std::vector<Column>& AllColumns();

// The columns of a comma-separated list of names, in the order given. Raises
// EUsageError for an unknown name, a repeated one or an empty list.
std::vector<Column> ParseColumns(std::string_view names);
