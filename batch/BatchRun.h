#pragma once

#include "batch/BatchWordLists.h"
#include "batch/Output.h"
#include "batch/Progress.h"
#include "batch/RecordFormat.h"

#include <cstdint>

struct RunSettings {
  std::uint64_t count = 10;
  std::uint64_t seed = 0;
  Sex sex = Sex::Mixed;
  FormatOptions format;
  unsigned threads = 1;
};

// Writes the header, count records and the footer to the output. The threads format stretches
// of records side by side and write them in order, so the bytes do not depend on how many
// there are. Raises what Output::Write raises.
void RunBatch(const BatchWordLists& lists, const RunSettings& settings, Output& output,
              Progress& progress);
