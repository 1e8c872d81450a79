#include "batch/ByteScan.h"
#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

// Appends text as the inside of a JSON string; the text is UTF-8, checked when it was loaded.
void AppendJsonEscaped(std::string_view text, RecordBuffer& out) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20) {
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
}

// The bytes a JSON string escapes: the quote, the backslash and the controls.
std::bitset<256> EscapedBytes() {
  std::bitset<256> bytes = ByteSet("\"\\");
  for (unsigned byte = 0; byte < 0x20; ++byte) {
    bytes.set(byte);
  }
  return bytes;
}

// JSON Lines (one object a line) or one JSON array of objects.
class JsonFormat : public RecordFormat {
public:
  JsonFormat(bool array, const FormatOptions& options, const std::vector<ColumnBytes>& columnBytes)
      : array_(array), columns_(options.columns),
        mayNeedEscapes_(ColumnsThatMayHold(options, columnBytes, EscapedBytes(), false)) {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      keys_.push_back((i == 0 ? "{\"" : ",\"") + std::string(ColumnName(columns_[i])) + "\":\"");
    }
  }

  void AppendHeader(std::string& out) override {
    if (array_) {
      out += '[';
    }
  }

  void AppendRecord(std::uint64_t index, std::uint64_t, const Record& record,
                    RecordBuffer& out) override {
    if (array_) {
      out += index == 0 ? "\n" : ",\n";
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
      out += keys_[i];
      const std::size_t start = out.Size();
      AppendColumnValue(columns_[i], record, out);
      if (mayNeedEscapes_[i] && HoldsAny<true, '"', '\\'>(out.Tail(start))) {
        field_.assign(out.Tail(start));
        out.Truncate(start);
        AppendJsonEscaped(field_, out);
      }
      out += '"';
    }
    out += '}';
    if (!array_) {
      out += '\n';
    }
  }

  void AppendFooter(std::uint64_t count, std::string& out) override {
    if (array_) {
      out += count == 0 ? "]\n" : "\n]\n";
    }
  }

private:
  bool array_;
  std::vector<Column> columns_;
  std::vector<bool> mayNeedEscapes_;
  std::vector<std::string> keys_; // what comes before each value: {"name":" or ,"name":"
  std::string field_;
};

} // namespace

std::unique_ptr<RecordFormat> MakeJsonFormat(bool array, const FormatOptions& options,
                                             const std::vector<ColumnBytes>& columnBytes) {
  return std::make_unique<JsonFormat>(array, options, columnBytes);
}
