// Physical constants and conversions that several calculations share, each
// defined once, with the value the method takes (in single precision).
#pragma once

#include <cmath>

namespace vdk {

// One knot in m/s, as every conversion of speed in the method takes it
// (the exact international knot is 0.514444 m/s).
inline constexpr float KNOT = 0.5144f;

// Kinematic viscosity of sea water at 15 deg C (ITTC 1963), m2/s: the fixed
// viscosity of the ship's Reynolds numbers in the resistance formulas.
inline constexpr float NU_SEA_15C = 1.18831e-06f;
// Kinematic viscosity of fresh water at 15 deg C (ITTC 1963), m2/s.
inline constexpr float NU_FRESH_15C = 1.13902e-6f;

// Standard gravity, m/s2 (the model-resistance file takes it instead of the ship's GRAV).
inline constexpr float G_STANDARD = 9.80665f;
// Gravity as the formulas that do not take the ship's GRAV write it, m/s2.
inline constexpr float G_ROUNDED = 9.81f;

// pi and 2 pi in single precision.
inline constexpr float PI = 3.1415927f;
inline constexpr float TWO_PI = 6.2831855f;
// 2 pi as the delivered-power formulas of the propeller routines write it,
// slightly below 2 pi; the open-water efficiency takes TWO_PI.
inline constexpr float TWO_PI_POWER = 6.28318f;

// The ITTC 1957 model-ship correlation line: CF = 0.075 / (log10 Rn - 2)^2.
inline float ITTC57_CF(float Rn) {
  const float lg = log10f(Rn) - 2.0f;
  return 0.075f / (lg * lg);
}

}  // namespace vdk
