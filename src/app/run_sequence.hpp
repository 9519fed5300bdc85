// One run of the program: options, files, the calculation steps in their
// fixed order with the dialogue, and the run end.
#pragma once

#include <filesystem>
#include <iostream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "report/console_dialogue.hpp"
#include "results/result_files.hpp"
#include "run/calculate.hpp"

namespace vdk {

// What the command line asks of a run. The defaults are the plain run: the
// data file of the current folder and every answer from the console.
struct ProgramOptions {
  std::filesystem::path dir = ".";                   // the run folder (-C)
  std::filesystem::path data = "VARDELONTEKSA.TSK";  // the data file, relative to the folder
  OptionDialogue::Given given;                       // answers given as options
  bool batch = false;                                // standard input never read, no pause
  bool etad_auto = false;                            // etad found by repeating the calculation
  float etad_start = 0.60f;
  bool consistent = false;  // first estimate from the propeller of the pass before
  Method method = Method::Classic;
  bool any_answer = false;  // an answer option or --batch was given
  bool warnings = true;     // range warnings on standard error
  Lang lang = Lang::Tr;     // the language of the report, the console and the model file
  ResultFiles files;        // result files asked for (relative paths: in the run folder)
  bool plain() const { return !any_answer && !etad_auto; }
};

// The console of a run with options: the questions no option answers are
// asked there (unless batch), the passes of etad auto are shown there, and
// `report` is told after every step of the final pass.
struct RunConsole {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  RunObserver* report = nullptr;
};

// The options of the calculation alone, as the library takes them.
RunOptions RUN_OPTIONS_OF(const ProgramOptions& options);

// One ship calculated as the options ask, on the console: with etad auto
// the passes first (one console line each), then the final pass with the
// answers they found, with `report` told after every step of it. The
// questions no option answers are asked on the console, unless batch.
RunResult CALCULATE_WITH_OPTIONS(const ShipRecord& ship, const ProgramOptions& options,
                                 RunConsole& console);

// The date of a run for its result files, YYYY-MM-DD: SOURCE_DATE_EPOCH
// (seconds since 1970, UTC) when set, so that files made again are the same.
std::string RUN_DATE();

// Runs the program with `options`; returns the exit status.
int RUN_WITH_OPTIONS(const ProgramOptions& options, std::istream& in, std::ostream& out,
                     std::ostream& err);

// Runs the program in `dir` with the console streams `in` and `out`, as a
// plain run; returns the exit status. An internal error is reported on `err`
// (status 4).
int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out,
                      std::ostream& err = std::cerr);

// The whole program: `args` are the command-line words after the program
// name. A usage error gives its message and a pointer to --help on `err`,
// status 1, before any file is touched.
int RUN_PROGRAM(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err);

}  // namespace vdk
