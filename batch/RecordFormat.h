#pragma once

#include "batch/Columns.h"
#include "batch/Record.h"

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
  virtual void AppendRecord(std::uint64_t index, std::uint64_t count, const Record& record,
                            std::string& out) = 0;
  virtual void AppendFooter(std::uint64_t count, std::string& out) = 0;
};

std::unique_ptr<RecordFormat> MakeRecordFormat(const FormatOptions& options);

// The formats that carry only UTF-8 text (JSON, and SQL for the databases that read it).
bool FormatNeedsUtf8(FormatKind kind);

// The formats whose fields cannot hold a tab.
bool FormatRefusesTabs(FormatKind kind);

std::unique_ptr<RecordFormat> MakeTextFormat();
std::unique_ptr<RecordFormat> MakeDelimitedFormat(char separator, const FormatOptions& options);
std::unique_ptr<RecordFormat> MakeJsonFormat(bool array, const FormatOptions& options);
std::unique_ptr<RecordFormat> MakeSqlFormat(const FormatOptions& options);
