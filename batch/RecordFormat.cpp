#include "batch/RecordFormat.h"

std::unique_ptr<RecordFormat> MakeRecordFormat(const FormatOptions& options,
                                               const std::vector<ColumnBytes>& columnBytes) {
  switch (options.kind) {
  case FormatKind::Text:
    return MakeTextFormat();
  case FormatKind::Csv:
    return MakeDelimitedFormat(',', options, columnBytes);
  case FormatKind::Tsv:
    return MakeDelimitedFormat('\t', options, columnBytes);
  case FormatKind::JsonLines:
    return MakeJsonFormat(false, options, columnBytes);
  case FormatKind::Json:
    return MakeJsonFormat(true, options, columnBytes);
  case FormatKind::Sql:
    return MakeSqlFormat(options, columnBytes);
  }
  return nullptr;
}

std::size_t RecordRoom(const FormatOptions& options, std::size_t longestEntry) {
  const std::size_t column = 6 * (3 * longestEntry + 40) + 64;  // value, escapes, name, separator
  const std::size_t statement = 2 * options.table.size() + 256; // an INSERT's start
  return (AllColumns().size() + 1) * column + statement;
}

bool FormatNeedsUtf8(FormatKind kind) {
  return kind == FormatKind::JsonLines || kind == FormatKind::Json || kind == FormatKind::Sql;
}

bool FormatRefusesTabs(FormatKind kind) { return kind == FormatKind::Tsv; }

std::bitset<256> ByteSet(std::string_view bytes) {
  std::bitset<256> set;
  for (const char byte : bytes) {
    set.set(static_cast<unsigned char>(byte));
  }
  return set;
}

std::vector<bool> ColumnsThatMayHold(const FormatOptions& options,
                                     const std::vector<ColumnBytes>& columnBytes,
                                     const std::bitset<256>& bytes, bool blankAtEnds) {
  std::vector<bool> may;
  for (const Column column : options.columns) {
    const ColumnBytes& held = columnBytes[static_cast<std::size_t>(column)];
    may.push_back((blankAtEnds && held.blankAtEnds) || (held.bytes & bytes).any());
  }
  return may;
}
