#include "batch/ByteScan.h"
#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

// Rows per INSERT: large enough to load fast, small enough for every database's limits.
constexpr std::uint64_t kRowsPerInsert = 500;

template <class Out> void AppendQuoted(std::string_view text, char quote, Out& out) {
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
  SqlFormat(const FormatOptions& options, const std::vector<ColumnBytes>& columnBytes)
      : columns_(options.columns),
        mayHoldQuotes_(ColumnsThatMayHold(options, columnBytes, ByteSet("'"), false)) {
    AppendQuoted(options.table, '"', table_);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      columnList_ += i == 0 ? "" : ", ";
      AppendQuoted(ColumnName(columns_[i]), '"', columnList_);
    }
    insert_ = "INSERT INTO " + table_ + " (" + columnList_ + ") VALUES\n(";
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
                    RecordBuffer& out) override {
    if (index % kRowsPerInsert == 0) {
      out += insert_;
    } else {
      out += ",\n(";
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) {
        out += ", ";
      }
      out += '\'';
      const std::size_t start = out.Size();
      AppendColumnValue(columns_[i], record, out);
      if (mayHoldQuotes_[i] && HoldsAny<false, '\''>(out.Tail(start))) {
        field_.assign(out.Tail(start));
        out.Truncate(start - 1);
        AppendQuoted(field_, '\'', out);
      } else {
        out += '\'';
      }
    }
    out += ')';
    if (index % kRowsPerInsert == kRowsPerInsert - 1 || index + 1 == count) {
      out += ";\n";
    }
  }

  void AppendFooter(std::uint64_t, std::string& out) override { out += "COMMIT;\n"; }

private:
  std::vector<Column> columns_;
  std::vector<bool> mayHoldQuotes_;
  std::string table_;
  std::string columnList_;
  std::string insert_;
  std::string field_;
};

} // namespace

std::unique_ptr<RecordFormat> MakeSqlFormat(const FormatOptions& options,
                                            const std::vector<ColumnBytes>& columnBytes) {
  return std::make_unique<SqlFormat>(options, columnBytes);
}
