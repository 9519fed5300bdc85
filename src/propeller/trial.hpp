// Trial-condition propeller determination with its console dialogue, the
// cavitation checks, and the power chain with the selected-propeller report.
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
