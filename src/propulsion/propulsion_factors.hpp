// Holtrop's propulsion factors used by the calculation, and the stretch of
// the run from the prerequisite check to the first estimate at the trial
// speed.
#pragma once

#include <optional>

#include "core/method.hpp"
#include "core/stop.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// Holtrop's effective wake w, thrust deduction t and relative rotative
// efficiency etaR (single screw, twin screw, tractor pod). Raw values: the
// caller applies CFw, CFt and CFetaR.
void HOLTROP_PROPULSION_FACTORS(float L, float B, float TA, float TF, float CB, float CM, float CWP,
                                float S, float LCBP, float CSTERN, float DP, float PD, float EAR,
                                int NPROP, float CV, float& t, float& w, float& etaR, int IPOD);

// The factors of Holtrop & Mennen (1982) or, for the single-screw wake and
// thrust deduction, Holtrop (1984), as published: CV = (1+k1) CF + CA, T the
// mean draught, Cp and lcb on the waterline length; the twin-screw set of
// 1982 in both. A tractor pod (IPOD 1), which the papers do not have, takes
// the classic pod formulas for t and w with CVpod = (1+k) CF. Raw values.
void PUBLISHED_PROPULSION_FACTORS(Method method, float L, float B, float TA, float TF, float CB,
                                  float CM, float S, float LCBP, float CSTERN, float DP, float PD,
                                  float EAR, int NPROP, float CV, float CVpod, float& t, float& w,
                                  float& etaR, int IPOD);

// Viscous resistance coefficient at speed V (knots) from the viscous
// resistance RV (kN): RV*1000 / (0.5*RHO*S*(0.5144 V)^2).
float VISCOUS_COEFFICIENT(float RV, float RHO, float S, float V);

// The hull as Holtrop's factor regressions see it, with the input
// correction factors of w, t and etaR.
struct FactorHull {
  float Lwl = 0, B = 0, Ta = 0, Tf = 0;
  float CBlwl = 0, Cm = 0, CWPlwl = 0;
  float S = 0;    // wetted surface used by the resistance calculation, m2
  float lcb = 0;  // longitudinal centre of buoyancy, % of Lwl forward of midship
  float Cstern = 0;
  int NPROP = 0, IPOD = 0;
  float CFw = 0, CFt = 0, CFetaR = 0;
  // The method of the factors; the published ones add the correlation
  // allowance CA to the viscous coefficient of the wake.
  Method method = Method::Classic;
  float CA = 0;
};

// Holtrop's factors (by hull.method) for a propeller of diameter DP, pitch
// ratio PD and area ratio EAR at the viscous coefficient CV = (1+k) CF: the
// values after the correction factors, and etaR before its factor.
struct ShipFactors {
  float w = 0, t = 0, etaR = 0;  // corrected
  float etaR_raw = 0;            // before CFetaR
};
ShipFactors SHIP_PROPULSION_FACTORS(const FactorHull& hull, float DP, float PD, float EAR,
                                    float CV);

// The check before the propeller determination, the sea margin, the trial
// speed in the speed list and Holtrop's first estimate with an assumed
// propeller (D = Ta/2, P/D 0.85, AE/A0 0.65).
struct PropulsionPrerequisites {
  bool too_few_speeds = false;      // a propulsion analysis with fewer than five speeds: run end
  bool resistance_only = false;     // neither diameter nor rpm: run end after the sea margin
  bool goes_on = false;             // the trial propeller determination follows
  float SeaMargin = 0;              // as given (fraction); reported only
  Arr1<float, MAX_SPEEDS> PEtrArr;  // trial-condition effective power per speed, kW
  float D_used = 0;   // the diameter the propeller steps start from: given, or Ta/2 below 0.05
  int ITR = 0;        // position of the trial speed in the speed list (0: not found)
  float Vtrial = 0;   // trial speed, knots, for the stop message
  float CV = 0;       // viscous coefficient at the trial speed
  ShipFactors first;  // first estimate at the trial speed
  std::optional<Stop> stop;  // the trial speed is not in the speed list
};

// The propeller of the first estimate of w, t and etaR. The classic method
// assumes D = Ta/2, P/D 0.85, EAR 0.65; a converged run takes the propeller
// selected by the previous pass instead.
struct ProvisionalPropeller {
  float D = 0, PD = 0, EAR = 0;
  friend bool operator==(const ProvisionalPropeller&, const ProvisionalPropeller&) = default;
};

// ship: NoDN, NSPEED, SeaMargin, D, Ta, Vs, Vtrial, RHO; PEArr and RVArr per
// speed; hull.S is the wetted surface of the viscous coefficient. Without
// `provisional`, the classic assumed propeller.
PropulsionPrerequisites PROPULSION_PREREQUISITES(
    const ShipRecord& ship, const FactorHull& hull, const SpeedTable::Col& PEArr,
    const SpeedTable::Col& RVArr, const std::optional<ProvisionalPropeller>& provisional = {});

}  // namespace vdk
