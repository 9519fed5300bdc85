// Everything the result files of one run (JSON, CSV, figures, HTML page) are
// made from: the data file as read, the run's records when the calculation
// ran, and how the run ended.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_record.hpp"
#include "run/run_options.hpp"
#include "run/run_result.hpp"

namespace vdk {

struct RunDocument {
  std::string version;    // the program version
  std::string data_name;  // the ship data file as named for the run
  std::string run_date;   // YYYY-MM-DD (SOURCE_DATE_EPOCH when set, for reproducible files)
  ShipRecord ship;        // the data file as read (defaults applied)
  std::string echo;       // the echo listing of the data file
  // The stop met while reading or checking the data file, with its console
  // lines; the calculation did not run then.
  std::optional<Stop> input_stop;
  std::vector<std::string> input_messages;
  std::string input_english;        // that stop in one English line
  RunOptions options;               // how the run was asked for (also when it did not run)
  std::optional<RunResult> result;  // the calculation's records, when it ran
  int status = EXIT_RUN_END;        // the run's exit status
  const std::optional<Stop>& stop() const { return result ? result->stop : input_stop; }
};

}  // namespace vdk
