#include "batch/ByteScan.h"
#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

// CSV (RFC 4180, CR LF record ends) or TSV (LF record ends; fields never hold a tab).
class DelimitedFormat : public RecordFormat {
public:
  DelimitedFormat(char separator, const FormatOptions& options,
                  const std::vector<ColumnBytes>& columnBytes)
      : separator_(separator), lineEnd_(separator == ',' ? "\r\n" : "\n"),
        columns_(options.columns), header_(options.header),
        mayNeedQuotes_(ColumnsThatMayHold(options, columnBytes, ByteSet(",\""), true)) {}

  void AppendHeader(std::string& out) override {
    if (!header_) {
      return;
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) {
        out += separator_;
      }
      out += ColumnName(columns_[i]);
    }
    out += lineEnd_;
  }

  void AppendRecord(std::uint64_t, std::uint64_t, const Record& record,
                    RecordBuffer& out) override {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) {
        out += separator_;
      }
      if (separator_ == ',' && mayNeedQuotes_[i]) {
        AppendCsvField(columns_[i], record, out);
      } else {
        AppendColumnValue(columns_[i], record, out);
      }
    }
    out += lineEnd_;
  }

  void AppendFooter(std::uint64_t, std::string&) override {}

private:
  // A field is quoted only when it holds a comma or a double quote or starts or ends with a
  // blank. The opening quote goes in first and comes out again if the field does not need it:
  // a column that can need quotes mostly does (every "City, ST ZIP" line).
  void AppendCsvField(Column column, const Record& record, RecordBuffer& out) {
    out += '"';
    const std::size_t start = out.Size();
    AppendColumnValue(column, record, out);
    const std::string_view field = out.Tail(start);
    if (!HoldsAny<false, ',', '"'>(field) && !HasBlankAtEnds(field)) {
      out.Erase(start - 1);
      return;
    }
    if (!HoldsAny<false, '"'>(field)) {
      out += '"';
      return;
    }
    field_.assign(field);
    out.Truncate(start);
    for (const char c : field_) {
      if (c == '"') {
        out += '"';
      }
      out += c;
    }
    out += '"';
  }

  char separator_;
  std::string_view lineEnd_;
  std::vector<Column> columns_;
  bool header_;
  std::vector<bool> mayNeedQuotes_;
  std::string field_;
};

} // namespace

std::unique_ptr<RecordFormat> MakeDelimitedFormat(char separator, const FormatOptions& options,
                                                  const std::vector<ColumnBytes>& columnBytes) {
  return std::make_unique<DelimitedFormat>(separator, options, columnBytes);
}
