// A design sweep: many variants of one ship, each the base data file with
// some of its values replaced, calculated in parallel with the options of a
// run, one CSV row per variant in variant order.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "app/sweep_variants.hpp"

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

// One variant's row. A value the run did not reach is empty.
struct SweepRow {
  std::vector<float> values;  // the varied values (and V with hold_cb)
  int status = 0;             // the exit status the single run of this variant gives
  std::string message;        // why it stopped ("" at a normal run end)
  // At the trial speed: total resistance (kN), effective power (kW), wake
  // fraction, thrust deduction and relative rotative efficiency.
  std::optional<float> RT, PE, w, t, etaR;
  // The selected propeller.
  int SERIES = 0;
  std::optional<float> Z, D, PD, EAR, N, eta0;
  // The computed overall propulsive efficiency, the brake power at the trial
  // speed and the required engine power (kW).
  std::optional<float> etad, PB, PBm;
  // Cavitation number at 0.7 R, Burrill's 5 % back-cavitation area ratio,
  // blade-tip speed (m/s).
  std::optional<float> Sigma, EARB50, Vtip;
  std::vector<std::string> warnings;  // warning codes
  std::string errors;                 // what could not be written for this variant
};

struct SweepResult {
  std::vector<std::string> names;  // the varied names (and V with hold_cb)
  std::vector<SweepRow> rows;      // in variant order
};

// Calculates every variant of `o` from the base data file text `base`.
SweepResult RUN_SWEEP(const SweepOptions& o, const std::string& base, std::ostream& err);

// The sweep as CSV: a header with units, one row per variant.
std::string SWEEP_CSV(const SweepResult& r);

// The sweep command: reads the base data file, calculates every variant,
// writes the CSV (standard output without a file), the figures and the kept
// folders; returns the exit status. Standard input is never read.
int SWEEP_PROGRAM(const SweepOptions& o, std::ostream& out, std::ostream& err);

// The figures of a sweep, PB and eta0 against the first varied name, into
// `dir`; `subtitle` names the base data file and the date.
bool WRITE_SWEEP_PLOTS(const SweepResult& r, const std::filesystem::path& dir,
                       const std::string& subtitle, std::ostream& err);

}  // namespace vdk
