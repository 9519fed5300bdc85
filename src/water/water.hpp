// Water properties and model-scale values.
#pragma once

#include <filesystem>
#include <ostream>

#include "run/run_state.hpp"

namespace vdk {

// Vapour pressure PV (N/m2), kinematic viscosity NU (m2/s) and density RHOW
// (kg/m3) of fresh (IFRESH = 1) or salt water at TW degrees C. A temperature
// outside 0..30 writes its message to `con` and stops the run.
void WATER_PROPERTIES(std::ostream& con, int IFRESH, float TW, float& PV, float& NU, float& RHOW);

// Name of the model-resistance file, in the run's folder.
inline constexpr const char* MODEL_RESISTANCE_FILE = "BORELI_VANSK_DEGERI.SON";

// Writes the model-resistance file in `dir`: model values at each of the
// NSPEED speeds Vs (knots) with the ship's residuary coefficients CRArr and
// form factor K1, the model speeds at a fixed list of model resistances, and
// the inputs with the ship and model water properties. CRArr and Vs point at
// the first speed. `con` receives the messages of a stop.
void MODEL_RESISTANCE_VALUES(std::ostream& con, const std::filesystem::path& dir, int NSPEED,
                             const float* CRArr, const float* Vs, float K1, float ModelScale,
                             float S, float Lwl, float ModelWaterTemp);

// Model resistance table, BSRA form factor and legend in the results file,
// then the model-resistance file written or an old one removed.
void MODEL_SCALE_SECTION(Run& run);

}  // namespace vdk
