// Temporary entry points of the propeller steps on the shared run state:
// each builds the inputs from the run, calls the computations and writers,
// answers the console questions and pauses, and leaves the run state as the
// later steps read it.
#pragma once

#include "run/run_state.hpp"

namespace vdk {

// Dialogue, thrust per propeller, propeller routine of the PropCase,
// cavitation and tip-vortex checks, recomputed factors and the efficiency test.
void TRIAL_PROPELLER(Run& run);

// Power chain, selected propeller, other-method summary, per-speed factors and
// propulsion characteristics over the speed range.
void POWER_CHAIN(Run& run);

}  // namespace vdk
