// Blade-area and cavitation checks of the trial propeller: Keller's area
// ratio, the cavitation number at 0.7 R, Burrill's back-cavitation lines, the
// Wageningen criterion and the blade-tip speed.
#pragma once

#include <optional>

#include "core/stop.hpp"

namespace vdk {

// Pressure term of the cavitation number at the shaft centre, N/m2.
float SHAFT_PRESSURE(float RHO, float GRAV, float Hsd);

// Keller's expanded area ratio for thrust T (kN) per propeller, diameter D (m).
float KELLER_AREA_RATIO(float Z, float T, float PSTAT, float D);

// Burrill's chart is read only for cavitation numbers 0.18 to 1.5 (inclusive).
bool SIGMA_IN_BURRILL_RANGE(float Sigma);

// Thrust loading coefficient of the recommended upper limit.
float BURRILL_UPPER_LIMIT_TAUC(float Sigma);

// Burrill's back-cavitation lines as the checks read them: the thrust loading
// coefficient of the 2.5 % or the 5 % line at the cavitation number Sigma.
// Returns false, with Tauc untouched, when the line cannot be read.
enum class BurrillLine { Back25, Back50 };
[[nodiscard]] bool BURRILL_LINE_TAUC(BurrillLine line, float Sigma, float& Tauc);

struct CavitationInput {
  float T = 0;     // thrust per propeller, kN
  float Va = 0;    // advance speed, knots
  float EAR = 0;   // area ratio in use
  float RHO = 0;   // water density, kg/m3
  float GRAV = 0;  // gravity, m/s2
  float Hsd = 0;   // shaft-centre immersion, m
  float D = 0;     // propeller diameter, m
  float N = 0;     // propeller rpm
  float PD = 0;    // pitch ratio
  friend bool operator==(const CavitationInput&, const CavitationInput&) = default;
};

struct CavitationResult {
  float V07R2 = 0;                           // square of the inflow speed at 0.7 R, (m/s)^2
  float Sigma = 0;                           // cavitation number at 0.7 R
  float AP = 0;                              // projected blade area, m2
  float Tauc = 0;                            // present thrust loading coefficient
  float EARB25 = 0, EARB50 = 0, EARBUP = 0;  // Burrill minimum area ratios
  float EARW = 0;                            // Wageningen minimum area ratio
  float Vtip = 0;                            // tip speed, m/s
  bool inRange = false;                      // Burrill and Wageningen figures computed
  float EAR = 0;                             // area ratio checked
  std::optional<Stop> stop;                  // a Burrill line could not be read
  friend bool operator==(const CavitationResult&, const CavitationResult&) = default;
};

// The checks after the propeller is fixed: cavitation number, Burrill's
// minimum area ratios and Wageningen's (inside the chart range only) and the
// blade-tip speed.
CavitationResult CAVITATION_CHECKS(const CavitationInput& in);

}  // namespace vdk
