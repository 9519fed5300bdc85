// The engine of a design sweep: variants of one ship calculated in parallel,
// one row per variant from its result view, in variant order. The library's
// sweep and the program's sweep command both run it.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "api/sweep_variants.hpp"
#include "input/read_ship_data.hpp"
#include "run/run_options.hpp"
#include "view/result_view.hpp"

namespace vdk {

// One variant's row. A value the run did not reach is empty.
struct SweepRow {
  std::vector<float> values;  // the varied values (and V with hold_cb)
  int status = 0;             // the exit status the single run of this variant gives
  std::string message;        // why it stopped ("" at a normal run end)
  // At the trial speed: total resistance (kN), effective power (kW), wake
  // fraction, thrust deduction and relative rotative efficiency.
  std::optional<float> RT, PE, w, t, etaR;
  // The propeller the brake power was computed with (the trial point's).
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
  std::vector<std::string> names;   // the varied names (and V with hold_cb)
  Method method = Method::Classic;  // a published method is recorded in a last column
  std::vector<SweepRow> rows;       // in variant order
  std::exception_ptr fault;         // the first internal error of a variant, if any
};

// What one variant gave: its ship, its checks and, when they passed, its run.
struct SweepVariant {
  std::size_t index = 0;
  const ShipRecord& ship;
  const ValidationResult& checked;
  const ResultView* view;  // null when the checks refused the ship
};

struct SweepPlan {
  ShipRecord base;
  VariantTable variants;
  bool hold_cb = false;
  RunOptions options;
  unsigned jobs = 1;
  std::string data_name;  // the base ship's data file, for the views
  std::string run_date;
  // Told of each variant on the thread that calculated it; may add to the
  // row's errors.
  std::function<void(const SweepVariant&, SweepRow&)> each;
  // Told on the calling thread about five times a second while the variants run.
  std::function<void(std::size_t done, std::size_t total, double seconds)> progress;
};

// Every variant of the plan; a variant that throws gets status 4 and the
// error's text in its row, and the first such error is kept in `fault`.
SweepResult RUN_SWEEP(const SweepPlan& plan);

// The row of one variant from its view (the varied values left to the caller).
void FILL_SWEEP_ROW(SweepRow& row, const ResultView& view);

// The columns of the sweep CSV and the cells of a row, as the CSV writes them.
std::vector<std::string> SWEEP_COLUMNS(const SweepResult& r);
std::vector<std::string> SWEEP_FIELDS(const SweepRow& row, std::size_t index,
                                      Method method = Method::Classic);

// The sweep as CSV: a header with units, one row per variant.
std::string SWEEP_CSV(const SweepResult& r);

}  // namespace vdk
