// Finding the overall propulsive efficiency etad within one run: the
// calculation repeated with the computed efficiency, as a user would retype
// it, until the assumed and computed values agree; optionally also with the
// first estimate of w, t and etaR taken from the propeller of the pass before.
#pragma once

#include <optional>
#include <vector>

#include "run/calculate.hpp"

namespace vdk {

struct EtadPass {
  float assumed = 0;              // etad the pass was run with
  std::optional<float> computed;  // etad the pass computed (none: the run stopped before)
  std::optional<ProvisionalPropeller> propeller;  // the propeller the pass selected
  float N = 0;                                    // its rpm
  int status = 0;                                 // exit status of the pass
};

struct EtadConvergence {
  Answers answers;       // the answers of the final run: etad is the last assumed value
  RunSettings settings;  // the first estimate of the final run
  std::vector<EtadPass> passes;
  bool converged = false;
  // The last pass: it ran with `answers` and `settings`, so it is the final
  // run of a caller that needs no report of it.
  std::optional<RunResult> last;
};

// The computed efficiency as the report prints it (F5.3) and a user types it
// back: rounded to three decimals. None for a value that is no number.
std::optional<float> ETAD_AS_TYPED(float etad);

// Runs passes of the calculation from `start`. The blade number and the area
// ratio are asked from `questions` the first time a pass needs them and kept
// for the others; no pass pauses or reports. `consistent`: each pass takes its
// first estimate from the propeller selected in the previous one, and the
// passes go on until D, P/D and N change by less than 0.1 % and etad by less
// than 0.0005 (at most 20 passes); otherwise until the efficiency test of the
// run passes (at most 10).
// `known` holds the answers given beforehand (Z, EAR); with `ear_known` an
// empty known EAR keeps Keller's ratio without asking.
// `method`: the method of every pass; the published ones always iterate as
// `consistent` does.
EtadConvergence CONVERGE_ETAD(const ShipRecord& ship, Dialogue& questions, float start,
                              bool consistent, const Answers& known = {}, bool ear_known = false,
                              Method method = Method::Classic);

}  // namespace vdk
