#include "batch/RecordFormat.h"
#include "batch/RecordText.h"

namespace {

// The window's seven lines per identity, one empty line between identities.
class TextFormat : public RecordFormat {
public:
  void AppendHeader(std::string&) override {}
  void AppendRecord(std::uint64_t index, std::uint64_t, const Record& record,
                    RecordBuffer& out) override {
    if (index > 0) {
      out += "\r\n\r\n";
    }
    AppendWindowText(record, out);
  }
  void AppendFooter(std::uint64_t, std::string&) override {}
};

} // namespace

std::unique_ptr<RecordFormat> MakeTextFormat() { return std::make_unique<TextFormat>(); }
