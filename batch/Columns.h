#pragma once

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

// Every column, in the default order.
const std::vector<Column>& AllColumns();

// The columns of a comma-separated list of names, in the order given. Raises
// EUsageError for an unknown name, a repeated one or an empty list.
std::vector<Column> ParseColumns(std::string_view names);
