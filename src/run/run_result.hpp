// Everything one run computes, step by step, as values: the record the
// writers of the report and the result view read.
#pragma once

#include <optional>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_record.hpp"
#include "propeller/trial.hpp"
#include "propulsion/other_methods.hpp"
#include "propulsion/propulsion_factors.hpp"
#include "resistance/resistance_result.hpp"
#include "run/dialogue.hpp"
#include "run/run_options.hpp"
#include "run/warnings.hpp"
#include "water/water.hpp"

namespace vdk {

// The steps of a run in their order; a step is reached when its record is
// filled (the record may carry the stop that ended the run).
enum class RunStep {
  Banner,
  Resistance,      // input summary and the speed blocks
  OtherMethods,    // the other-method blocks (a propeller diameter given)
  Tables,          // summary table I, the characteristics and the wave correction
  ModelScale,      // the model table and the model-resistance file
  Prerequisites,   // speed count, sea margin, trial speed, first estimate of w, t, etaR
  TrialStart,      // effective power at the trial speed, before the etad question
  TrialThrust,     // thrust per propeller at the assumed etad
  TrialBlades,     // Keller's area ratio for the blade number
  TrialPropeller,  // the propeller, its cavitation checks and the etad test
  PowerChain,      // powers, selected propeller, other-method summary, factors per speed
  OpenWater,       // open-water block (before the pause of the characteristics)
  Service,         // open-water rows and the minimum-service table (after the pause)
  RunEnd,          // the console end of a complete run, before its pause
  Closing,         // the closing notice of the results file
};

struct RunResult {
  ShipRecord ship;  // the inputs as read and validated; never changed by the run
  Answers answers;  // the answers the run was given (etad, Z, EAR when changed)
  // How the run was asked for: the options (etad given or found by passes,
  // the consistent iteration) and the method.
  RunOptions options;

  ResistanceResult resistance;
  std::optional<OtherMethodSections> other_methods;
  ResistanceTables tables;
  ModelScaleResult model_scale;
  PropulsionPrerequisites prerequisites;

  std::optional<TrialStartRecord> trial_start;
  std::optional<TrialThrustRecord> trial_thrust;
  std::optional<TrialBladesRecord> trial_blades;
  std::optional<TrialPropellerRecord> trial;
  std::optional<PowerChainRecord> power_chain;
  std::optional<OtherMethodSummary> other_summary;

  RunStep reached = RunStep::Banner;  // the last step whose record is filled
  std::vector<RunStep> steps;         // every step whose record is filled, in order
  std::optional<Stop> stop;           // the stop that ended the run, if any
  std::vector<Warning> warnings;      // where a result may not be trusted
  int status() const { return stop ? stop->status : EXIT_RUN_END; }
};

}  // namespace vdk
