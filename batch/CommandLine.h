#pragma once

#include "batch/BatchRun.h"
#include "batch/Progress.h"

#include <optional>
#include <string>

struct BatchCommand {
  RunSettings settings;
  bool seedGiven = false;
  std::string listFolder = ".";
  std::optional<std::string> outputFile;
  Progress::Mode progress = Progress::Mode::Automatic;
};

// The command of this command line, or nothing when it asked for --help or --version (which
// are then printed). Raises EUsageError for a command line that cannot be run.
std::optional<BatchCommand> ParseCommandLine(int argc, const char* const* argv);
