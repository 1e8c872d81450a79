#pragma once

#include "batch/Columns.h"
#include "batch/Record.h"
#include "batch/RecordBuffer.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class FormatKind { Text, Csv, Tsv, JsonLines, Json, Sql };

struct FormatOptions {
  FormatKind kind = FormatKind::Csv;
  std::vector<Column> columns = AllColumns();
  bool header = true;
  std::string table = "identities";
};

// Turns records into the bytes of one output format. What a record looks like may depend on
// its place in the run (separators, statement breaks) but on nothing else, so that any thread
// can format any stretch of records. One object per thread: it may keep scratch space.
class RecordFormat {
public:
  virtual ~RecordFormat() = default;

  virtual void AppendHeader(std::string& out) = 0;
  // Record number index (from 0) of a run of count records.
  // The buffer has room for RecordRoom() bytes.
  virtual void AppendRecord(std::uint64_t index, std::uint64_t count, const Record& record,
                            RecordBuffer& out) = 0;
  virtual void AppendFooter(std::uint64_t count, std::string& out) = 0;
};

// columnBytes: what each column (indexed by Column) can hold.
std::unique_ptr<RecordFormat> MakeRecordFormat(const FormatOptions& options,
                                               const std::vector<ColumnBytes>& columnBytes);

// The most bytes one record can take, when no word-list entry is longer than longestEntry:
// every column at most thrice the longest entry, escaped at worst sixfold.
std::size_t RecordRoom(const FormatOptions& options, std::size_t longestEntry);

// The formats that carry only UTF-8 text (JSON, and SQL for the databases that read it).
bool FormatNeedsUtf8(FormatKind kind);

// The formats whose fields cannot hold a tab.
bool FormatRefusesTabs(FormatKind kind);

// For each chosen column, whether one of these bytes (or a blank at the ends) can occur in it.
std::vector<bool> ColumnsThatMayHold(const FormatOptions& options,
                                     const std::vector<ColumnBytes>& columnBytes,
                                     const std::bitset<256>& bytes, bool blankAtEnds);

std::bitset<256> ByteSet(std::string_view bytes);

std::unique_ptr<RecordFormat> MakeTextFormat();
std::unique_ptr<RecordFormat> MakeDelimitedFormat(char separator, const FormatOptions& options,
                                                  const std::vector<ColumnBytes>& columnBytes);
std::unique_ptr<RecordFormat> MakeJsonFormat(bool array, const FormatOptions& options,
                                             const std::vector<ColumnBytes>& columnBytes);
std::unique_ptr<RecordFormat> MakeSqlFormat(const FormatOptions& options,
                                            const std::vector<ColumnBytes>& columnBytes);
