#include "batch/BatchRun.h"
#include "batch/CommandLine.h"
#include "batch/UsageError.h"

#include <csignal>
#include <cstdio>
#include <memory>
#include <new>

int main(int argc, char** argv) {
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN); // a closed pipe shows up as EPIPE, and ends the run quietly
#endif
  try {
    const std::optional<BatchCommand> command = ParseCommandLine(argc, argv);
    if (!command) {
      return 0;
    }
    const RunSettings& settings = command->settings;
    const BatchWordLists lists(command->listFolder, settings.sex, settings.format.kind);
    if (!command->seedGiven) {
      std::fprintf(stderr, "varnex-batch: seed %llu (--seed repeats this run)\n",
                   static_cast<unsigned long long>(settings.seed));
    }
    const auto output = command->outputFile ? std::make_unique<Output>(*command->outputFile)
                                            : std::make_unique<Output>();
    Progress progress(command->progress, settings.count);
    RunBatch(lists, settings, *output, progress);
    output->Commit();
    return 0;
  } catch (const EUsageError& e) {
    std::fprintf(stderr, "varnex-batch: %s\nRun 'varnex-batch --help' for more information.\n",
                 e.what());
    return 2;
  } catch (const EClosedPipe&) {
    return 0;
  } catch (const Exception& e) {
    std::fprintf(stderr, "varnex-batch: %s\n", e.what());
    return 1;
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "varnex-batch: out of memory\n");
    return 1;
  }
}
