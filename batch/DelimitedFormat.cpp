#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// CSV (RFC 4180, CR LF record ends) or TSV (LF record ends; fields never hold a tab).
class DelimitedFormat : public RecordFormat {
public:
  DelimitedFormat(char separator, const FormatOptions& options)
      : separator_(separator), lineEnd_(separator == ',' ? "\r\n" : "\n"),
        columns_(options.columns), header_(options.header) {}

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

  void AppendRecord(std::uint64_t, std::uint64_t, const Record& record, std::string& out) override {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      if (i > 0) {
        out += separator_;
      }
      if (separator_ == '\t') {
        AppendColumnValue(columns_[i], record, out);
      } else {
        field_.clear();
        AppendColumnValue(columns_[i], record, field_);
        AppendCsvField(out);
      }
    }
    out += lineEnd_;
  }

  void AppendFooter(std::uint64_t, std::string&) override {}

private:
  // Quoted only when it holds a comma or a double quote or starts or ends with a blank.
  void AppendCsvField(std::string& out) const {
    const bool quote = field_.find_first_of(",\"") != std::string::npos ||
                       (!field_.empty() && (IsBlank(field_.front()) || IsBlank(field_.back())));
    if (!quote) {
      out += field_;
      return;
    }
    out += '"';
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
  std::string field_;
};

} // namespace

std::unique_ptr<RecordFormat> MakeDelimitedFormat(char separator, const FormatOptions& options) {
  return std::make_unique<DelimitedFormat>(separator, options);
}
