#include "batch/CommandLine.h"

#include "batch/UsageError.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <iostream>
#include <limits>
#include <map>
#include <random>
#include <thread>

namespace {

constexpr const char* kDescription =
    "Makes up fictitious people in bulk, for sample databases and load tests, from the same\n"
    "word lists and with the same generator as the Varnex window. A seed repeats a run\n"
    "exactly, whatever the number of threads.";

constexpr const char* kFooter = R"(Fields (columns of csv, tsv, jsonl, json and sql):
  sex, first_name, last_name, street_address, city, area_code, phone, email,
  birth_date (1969-03-07), birth_date_us (3/7/69)

Word lists: males.txt, females.txt, last.txt, cities.txt, areas.txt, streets.txt,
domains.txt and dom_exts.txt, one entry per line, read once from the --lists folder.

Exit status: 0 done (also when the reader of the output goes away), 1 a word list or the
output failed, 2 the command line is wrong.

Examples:
  varnex-batch -n 1000000 -o people.csv
  varnex-batch -n 5 -f jsonl --fields first_name,last_name,email --seed 42
  varnex-batch -n 100000 -f sql --table customers -d ~/my-lists | sqlite3 test.db)";

template <class Number> Number ParseNumber(const std::string& text, const char* option) {
  Number value{};
  const char* const end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || ptr != end) {
    throw EUsageError(std::string(option) + ": '" + text + "' is not a whole number from 0 to " +
                      std::to_string(std::numeric_limits<Number>::max()));
  }
  return value;
}

FormatKind ParseFormat(const std::string& name) {
  static const std::map<std::string, FormatKind> kinds = {
      {"text", FormatKind::Text},       {"csv", FormatKind::Csv},   {"tsv", FormatKind::Tsv},
      {"jsonl", FormatKind::JsonLines}, {"json", FormatKind::Json}, {"sql", FormatKind::Sql}};
  return kinds.at(name);
}

Sex ParseSex(const std::string& name) {
  return name == "male" ? Sex::Male : name == "female" ? Sex::Female : Sex::Mixed;
}

std::uint64_t FreshSeed() {
  std::random_device entropy;
  return (std::uint64_t{entropy()} << 32u) | entropy();
}

} // namespace

std::optional<BatchCommand> ParseCommandLine(int argc, const char* const* argv) {
  CLI::App app(kDescription, "varnex-batch");
  app.footer(kFooter);
  app.set_version_flag("--version", "varnex-batch " VARNEX_VERSION);
  app.get_formatter()->column_width(24);

  std::string count = "10";
  std::string sex = "mixed";
  std::string seed;
  std::string format = "csv";
  std::string fields;
  bool noHeader = false;
  std::string table = "identities";
  std::string lists = ".";
  std::string output;
  std::string threads;
  bool showProgress = false;
  bool progressOff = false;

  app.add_option("-n,--count", count, "People to make (default 10)")->type_name("N");
  app.add_option("--sex", sex, "male, female, or mixed (default): about half each")
      ->type_name("SEX")
      ->check(CLI::IsMember({"male", "female", "mixed"}).description(""));
  app.add_option("--seed", seed,
                 "Repeat a run exactly: any number from 0 to 2^64-1\n"
                 "(default: a fresh seed, printed on standard error)")
      ->type_name("S");
  app.add_option("-f,--format", format, "text, csv (default), tsv, jsonl, json or sql")
      ->type_name("FORMAT")
      ->check(CLI::IsMember({"text", "csv", "tsv", "jsonl", "json", "sql"}).description(""));
  app.add_option("--fields", fields, "Columns to write, in this order: a,b,c")->type_name("LIST");
  app.add_flag("--no-header", noHeader, "csv and tsv: no row of column names");
  app.add_option("--table", table, "sql: the table to fill (default identities)")
      ->type_name("NAME");
  app.add_option("-d,--lists", lists, "Folder of the word lists (default: this one)")
      ->type_name("DIR");
  app.add_option("-o,--output", output, "Write to FILE, replaced only if the run succeeds")
      ->type_name("FILE");
  app.add_option("-j,--threads", threads, "Threads to use (default: one per core)")->type_name("N");
  app.add_flag("--progress", showProgress, "Show rows, rate and time left on standard error");
  app.add_flag("--no-progress", progressOff,
               "Never show it (default: shown on a terminal\n"
               "when a run takes more than a second)");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    app.exit(e, std::cout, std::cerr);
    return std::nullopt;
  } catch (const CLI::CallForVersion& e) {
    app.exit(e, std::cout, std::cerr);
    return std::nullopt;
  } catch (const CLI::ParseError& e) {
    throw EUsageError(e.what());
  }

  BatchCommand command;
  RunSettings& settings = command.settings;
  settings.count = ParseNumber<std::uint64_t>(count, "--count");
  settings.sex = ParseSex(sex);
  command.seedGiven = !seed.empty();
  settings.seed = command.seedGiven ? ParseNumber<std::uint64_t>(seed, "--seed") : FreshSeed();
  settings.format.kind = ParseFormat(format);
  settings.threads = threads.empty() ? std::max(1u, std::thread::hardware_concurrency())
                                     : ParseNumber<unsigned>(threads, "--threads");
  if (settings.threads == 0 || settings.threads > 1024) {
    throw EUsageError("--threads: give 1 to 1024 threads");
  }

  const FormatKind kind = settings.format.kind;
  if (app.count("--fields") > 0) {
    if (kind == FormatKind::Text) {
      throw EUsageError("--fields: the text format always has the window's seven lines");
    }
    settings.format.columns = ParseColumns(fields);
  }
  if (noHeader && kind != FormatKind::Csv && kind != FormatKind::Tsv) {
    throw EUsageError("--no-header: only csv and tsv have a header row");
  }
  if (app.count("--table") > 0 && kind != FormatKind::Sql) {
    throw EUsageError("--table: only the sql format has a table");
  }
  if (table.empty()) {
    throw EUsageError("--table: the name is empty");
  }
  settings.format.header = !noHeader;
  settings.format.table = table;

  if (showProgress && progressOff) {
    throw EUsageError("--progress and --no-progress: choose one");
  }
  command.listFolder = lists;
  if (app.count("--output") > 0) {
    command.outputFile = output;
  }
  command.progress = showProgress  ? Progress::Mode::On
                     : progressOff ? Progress::Mode::Off
                                   : Progress::Mode::Automatic;
  return command;
}
