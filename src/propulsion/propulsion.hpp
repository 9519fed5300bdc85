// Propulsion factors: Holtrop's regressions used by the calculation and the
// other published formulas printed for comparison.
#pragma once

#include <ostream>

#include "run/run_state.hpp"

namespace vdk {

// Holtrop's effective wake w, thrust deduction t and relative rotative
// efficiency etaR (single screw, twin screw, tractor pod). Raw values: the
// caller applies CFw, CFt and CFetaR.
void HOLTROP_PROPULSION_FACTORS(float L, float B, float TA, float TF, float CB, float CM, float CWP,
                                float S, float LCBP, float CSTERN, float DP, float PD, float EAR,
                                int NPROP, float CV, float& t, float& w, float& etaR, int IPOD);

// Holtrop's factors of the run's hull for a propeller of diameter DP, pitch
// ratio PD and area ratio EAR at the viscous coefficient CV: the raw values
// and the values after the input correction factors CFw, CFt and CFetaR.
struct ShipFactors {
  float w = 0, t = 0, etaR = 0;  // corrected
  float etaR_raw = 0;            // before CFetaR
};
ShipFactors SHIP_PROPULSION_FACTORS(const Run& run, float DP, float PD, float EAR, float CV);

// Viscous resistance coefficient at speed V (knots) from the viscous
// resistance RV (kN): RV*1000 / (0.5*RHO*S*(0.5144 V)^2).
float VISCOUS_COEFFICIENT(float RV, float RHO, float S, float V);

// Andersen & Guldhammer (1986) wake and thrust deduction with the actual
// propeller diameter D0; writes its information block to `unit`. The terms
// are evaluated in double precision; w and t come back rounded to float.
void ANDERSEN_GULDHAMMER(std::ostream& unit, float V, float B, float T, float L, float D0, float& w,
                         float& t);

// Guldhammer & Harvald wake and thrust deduction (assumed diameter 0.6 T,
// stern term from the aft draught Taft); writes its information block.
void GULDHAMMER_HARVALD(std::ostream& unit, float V, float B, float Taft, float T, float L,
                        float& w, float& t);

// Wake, thrust deduction and eta_r by the other published formulas, printed
// for information only. Vs holds the n speeds of the speed list (knots).
void OTHER_METHOD_FACTORS(std::ostream& unit, float Cb, float Cp, float Cwp, float L, float B,
                          float T, float Dp, float Dep, const float* Vs, int n);

// Summary of the other published formulas near the end of the report; may
// replace a waterplane coefficient below 0.1 in `Cwp`.
void OTHER_METHOD_SUMMARY(std::ostream& unit, float L, float B, float T, float Depl, float Cm,
                          float& Cwp, int n, const float* Vs, float Dp);

// The other-method information blocks after the speed loop (the caller
// checks NPROP >= 1 and D > 0.01).
void OTHER_METHOD_SECTIONS(Run& run);

// Prerequisite check, sea margin, trial-speed lookup, first Holtrop
// estimate. Returns false when the run goes straight to the run end.
bool PROPULSION_PREREQUISITES(Run& run);

}  // namespace vdk
