// The stretch of the main run from the prerequisite check to the first
// Holtrop estimate at the trial speed, and Holtrop's factors of the hull.
#include <cmath>

#include "propulsion/propulsion_factors.hpp"

namespace vdk {

PropulsionPrerequisites PROPULSION_PREREQUISITES(
    const ShipRecord& ship, const FactorHull& hull, const SpeedTable::Col& PEArr,
    const SpeedTable::Col& RVArr, const std::optional<ProvisionalPropeller>& provisional) {
  PropulsionPrerequisites p;
  // Reported only in the classic method: no power of its run applies it (the
  // published practice gives the service power with it).
  p.SeaMargin = ship.SeaMargin;
  p.D_used = ship.D;
  p.Vtrial = ship.Vtrial;

  // A propulsion analysis needs at least five speeds.
  if (ship.NoDN == 0 && ship.NSPEED <= 4) {
    p.too_few_speeds = true;
    return p;
  }

  // Trial-condition effective power: the effective power of each speed.
  for (int i = 1; i <= ship.NSPEED; ++i) p.PEtrArr(i) = PEArr(i);

  if (ship.NoDN == 1) {
    p.resistance_only = true;
    return p;
  }

  // Without a diameter, half the aft draught: the starting diameter for
  // Keller's area ratio when the diameter is to be found.
  if (ship.D < 0.05f) p.D_used = ship.Ta / 2.0f;

  // Position of the trial speed in the speed list (first match).
  for (int i = 1; i <= ship.NSPEED; ++i) {
    if (std::fabs(ship.Vs(i) - ship.Vtrial) < 0.001f) {
      p.ITR = i;
      break;
    }
  }
  if (p.ITR == 0) {
    p.stop = STOP_OF("E131");
    return p;
  }

  p.CV = VISCOUS_COEFFICIENT(RVArr(p.ITR), ship.RHO, hull.S, ship.Vtrial);

  // First estimate with an assumed propeller: D = Ta/2, P/D 0.85, AE/A0 0.65.
  // (The published practice takes the factors of the propeller in use,
  // found again until it settles: the provisional propeller of a pass.)
  if (provisional)
    p.first =
        SHIP_PROPULSION_FACTORS(hull, provisional->D, provisional->PD, provisional->EAR, p.CV);
  else
    p.first = SHIP_PROPULSION_FACTORS(hull, ship.Ta / 2.0f, 0.85f, 0.65f, p.CV);
  p.goes_on = true;
  return p;
}

ShipFactors SHIP_PROPULSION_FACTORS(const FactorHull& hull, float DP, float PD, float EAR,
                                    float CV) {
  float t = 0, w = 0, etaR = 0;
  if (PUBLISHED(hull.method)) {
    PUBLISHED_PROPULSION_FACTORS(hull.method, hull.Lwl, hull.B, hull.Ta, hull.Tf, hull.CBlwl,
                                 hull.Cm, hull.S, hull.lcb, hull.Cstern, DP, PD, EAR, hull.NPROP,
                                 CV + hull.CA, CV, t, w, etaR, hull.IPOD);
  } else {
    HOLTROP_PROPULSION_FACTORS(hull.Lwl, hull.B, hull.Ta, hull.Tf, hull.CBlwl, hull.Cm, hull.CWPlwl,
                               hull.S, hull.lcb, hull.Cstern, DP, PD, EAR, hull.NPROP, CV, t, w,
                               etaR, hull.IPOD);
  }
  ShipFactors f;
  f.w = w * hull.CFw;
  f.t = t * hull.CFt;
  f.etaR = hull.CFetaR * etaR;
  f.etaR_raw = etaR;
  return f;
}

}  // namespace vdk
