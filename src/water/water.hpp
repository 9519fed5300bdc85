// Water properties and model-scale values.
#pragma once

#include <ostream>

#include "driver/run_state.hpp"

namespace vdk {

// Vapour pressure PV (N/m2), kinematic viscosity NU (m2/s) and density RHOW
// (kg/m3) of fresh (IFRESH = 1) or salt water at TW degrees C. A temperature
// outside 0..30 writes its message to `con` and stops the run.
void WATER_PROPERTIES(std::ostream& con, int IFRESH, float TW, float& PV, float& NU, float& RHOW);

// Model resistance table, BSRA form factor and legend in the results file,
// then the model-resistance file written or an old one removed.
void MODEL_SCALE_SECTION(Run& run);

}  // namespace vdk
