#include "batch/RecordFormat.h"

std::unique_ptr<RecordFormat> MakeRecordFormat(const FormatOptions& options) {
  switch (options.kind) {
  case FormatKind::Text:
    return MakeTextFormat();
  case FormatKind::Csv:
    return MakeDelimitedFormat(',', options);
  case FormatKind::Tsv:
    return MakeDelimitedFormat('\t', options);
  case FormatKind::JsonLines:
    return MakeJsonFormat(false, options);
  case FormatKind::Json:
    return MakeJsonFormat(true, options);
  case FormatKind::Sql:
    return MakeSqlFormat(options);
  }
  return nullptr;
}

bool FormatNeedsUtf8(FormatKind kind) {
  return kind == FormatKind::JsonLines || kind == FormatKind::Json || kind == FormatKind::Sql;
}

bool FormatRefusesTabs(FormatKind kind) { return kind == FormatKind::Tsv; }
