// A whole run as values: the steps in their fixed order, the questions asked
// through a dialogue, and an observer told after each step (the report
// writes that step's lines there, so the console reads as a session).
#pragma once

#include "run/dialogue.hpp"
#include "run/run_options.hpp"
#include "run/run_result.hpp"

namespace vdk {

// Told after each step whose record is filled, before the next question or
// pause. A step that stopped the run is the last one told.
class RunObserver {
 public:
  virtual ~RunObserver() = default;
  virtual void step(const RunResult& r, RunStep s) = 0;
};

// Runs the calculation of a validated ship record. Questions and pauses go
// to `dialogue`; `observer` (may be null) is told after every step. The pause
// of a stop that asks for one is made through the dialogue, after the
// observer has been told; the stop line is the caller's.
// How the run departs from the classic method; by default it does not.
struct RunSettings {
  // The propeller of the first estimate of w, t and etaR (none: D = Ta/2,
  // P/D 0.85, EAR 0.65).
  std::optional<ProvisionalPropeller> first_estimate;
  Method method = Method::Classic;
};

RunResult RUN_STEPS(const ShipRecord& ship, Dialogue& dialogue, RunObserver* observer,
                    const RunSettings& settings = {});

// The library entry point: the whole calculation of a validated ship record
// with the given answers, no file, no report, no pause. Safe to call from
// several threads at once.
RunResult CALCULATE(const ShipRecord& ship, const Answers& answers,
                    const RunSettings& settings = {});

// The whole calculation of a validated ship record as `options` ask, with no
// question and no pause: with etad to be found, the passes first, then the
// final run with the efficiency they found (the last pass itself when it ran
// with the same answers). A question no option answers gets no answer, and
// the run stops there. The result records the options. Safe to call from
// several threads at once.
RunResult CALCULATE_RUN(const ShipRecord& ship, const RunOptions& options);

}  // namespace vdk
