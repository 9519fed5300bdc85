// The sweep command: many variants of one ship, each the base ship with some
// of its values replaced, calculated in parallel by the library's sweep
// engine with the options of a run; the CSV, the figures and the kept folders.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "api/sweep_engine.hpp"
#include "api/sweep_variants.hpp"
#include "app/run_sequence.hpp"

namespace vdk {

// What the sweep command asks.
struct SweepOptions {
  ProgramOptions run;           // folder, data file and answers every variant is calculated with
  VariantTable variants;        // the varied names and one row per variant
  bool hold_cb = false;         // V follows Lwl*B*T (T the mean of Tf and Ta)
  unsigned jobs = 1;            // variants calculated at a time
  std::filesystem::path keep;   // each variant's report, echo (and JSON) under keep/variant-NNNN
  std::filesystem::path json;   // the JSON file name inside each kept folder ("" = none)
  bool progress = false;        // a progress line on `err` (a terminal)
  std::filesystem::path out;    // the CSV file ("" = standard output)
  std::filesystem::path plots;  // the figures' folder ("" = none)
};

// Calculates every variant of `o` from the base ship as read, with its comment lines.
SweepResult RUN_SWEEP(const SweepOptions& o, const ReadResult& base, std::ostream& err);

// The sweep command: reads the base data file, calculates every variant,
// writes the CSV (standard output without a file), the figures and the kept
// folders; returns the exit status. Standard input is never read.
int SWEEP_PROGRAM(const SweepOptions& o, std::ostream& out, std::ostream& err);

// The figures of a sweep, PB and eta0 against the first varied name, into
// `dir`; `subtitle` names the base data file and the date.
bool WRITE_SWEEP_PLOTS(const SweepResult& r, const std::filesystem::path& dir,
                       const std::string& subtitle, std::ostream& err);

}  // namespace vdk
