// The model-scale step on the whole run, until the run floor calls the
// computation and the writers itself.
#pragma once

#include "run/run_state.hpp"

namespace vdk {

// Model resistance table, BSRA form factor and legend in the results file,
// then the model-resistance file written or an old one removed. Leaves
// run.ship.ModelScale as the scale used (0 without a model).
void MODEL_SCALE_SECTION(Run& run);

}  // namespace vdk
