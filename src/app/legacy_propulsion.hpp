// The propulsion-factor steps on the whole run, until the run floor calls
// the computations and the writers itself.
#pragma once

#include <ostream>

#include "propulsion/other_methods.hpp"
#include "propulsion/propulsion_factors.hpp"
#include "run/run_state.hpp"

namespace vdk {

// The hull of the run for Holtrop's factors (ship particulars, the
// resistance calculation's CBlwl, CWPlwl and lcb, and the wetted surface).
FactorHull FACTOR_HULL(const Run& run);

// Holtrop's factors of the run's hull for a propeller of diameter DP, pitch
// ratio PD and area ratio EAR at the viscous coefficient CV.
ShipFactors SHIP_PROPULSION_FACTORS(const Run& run, float DP, float PD, float EAR, float CV);

// The summary of the other methods written to `unit`; a waterplane
// coefficient below 0.1 in `Cwp` is replaced by the one used.
void OTHER_METHOD_SUMMARY(std::ostream& unit, float L, float B, float T, float Depl, float Cm,
                          float& Cwp, int n, const float* Vs, float Dp);

// The other-method information blocks after the speed loop (the caller
// checks NPROP >= 1 and D > 0.01); the Andersen-Guldhammer w and t become
// run.prop.w and run.prop.t.
void OTHER_METHOD_SECTIONS(Run& run);

// Prerequisite check, sea margin, trial-speed lookup, first Holtrop
// estimate. Returns false when the run goes straight to the run end; fills
// run.sp.PEtrArr, run.ship.D, run.prop.ITR, run.res.CV and run.prop.w, t,
// etaR as far as it gets.
bool PROPULSION_PREREQUISITES(Run& run);

}  // namespace vdk
