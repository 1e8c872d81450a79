#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

// Rows per INSERT: large enough to load fast, small enough for every database's limits.
constexpr std::uint64_t kRowsPerInsert = 500;

void AppendQuoted(std::string_view text, char quote, std::string& out) {
  out += quote;
  for (const char c : text) {
    if (c == quote) {
      out += quote;
    }
    out += c;
  }
  out += quote;
}

// A table created if it is missing, then the rows in multi-row INSERT statements, all in one
// transaction.
class SqlFormat : public RecordFormat {
public:
  explicit SqlFormat(const FormatOptions& options) : columns_(options.columns) {
    AppendQuoted(options.table, '"', table_);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      columnList_ += i == 0 ? "" : ", ";
      AppendQuoted(ColumnName(columns_[i]), '"', columnList_);
    }
  }

  void AppendHeader(std::string& out) override {
    out += "CREATE TABLE IF NOT EXISTS " + table_ + " (";
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      out += i == 0 ? "\n  " : ",\n  ";
      AppendQuoted(ColumnName(columns_[i]), '"', out);
      out += " TEXT";
    }
    out += "\n);\nBEGIN;\n";
  }

  void AppendRecord(std::uint64_t index, std::uint64_t count, const Record& record,
                    std::string& out) override {
    if (index % kRowsPerInsert == 0) {
      out += "INSERT INTO " + table_ + " (" + columnList_ + ") VALUES\n(";
    } else {
      out += ",\n(";
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) {
        out += ", ";
      }
      field_.clear();
      AppendColumnValue(columns_[i], record, field_);
      AppendQuoted(field_, '\'', out);
    }
    out += ')';
    if (index % kRowsPerInsert == kRowsPerInsert - 1 || index + 1 == count) {
      out += ";\n";
    }
  }

  void AppendFooter(std::uint64_t, std::string& out) override { out += "COMMIT;\n"; }

private:
  std::vector<Column> columns_;
  std::string table_;
  std::string columnList_;
  std::string field_;
};

} // namespace

std::unique_ptr<RecordFormat> MakeSqlFormat(const FormatOptions& options) {
  return std::make_unique<SqlFormat>(options);
}
