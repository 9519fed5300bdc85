#include "app/legacy_propulsion.hpp"

#include <cstddef>
#include <span>

#include "core/stop.hpp"
#include "report/propulsion_report.hpp"

namespace vdk {

FactorHull FACTOR_HULL(const Run& run) {
  const ShipRecord& ship = run.ship;
  FactorHull h;
  h.Lwl = ship.Lwl;
  h.B = ship.B;
  h.Ta = ship.Ta;
  h.Tf = ship.Tf;
  h.CBlwl = run.res.CBlwl;
  h.Cm = ship.Cm;
  h.CWPlwl = run.res.CWPlwl;
  h.S = ship.S;
  h.lcb = run.res.lcb;
  h.Cstern = ship.Cstern;
  h.NPROP = ship.NPROP;
  h.IPOD = ship.IPOD;
  h.CFw = ship.CFw;
  h.CFt = ship.CFt;
  h.CFetaR = ship.CFetaR;
  return h;
}

ShipFactors SHIP_PROPULSION_FACTORS(const Run& run, float DP, float PD, float EAR, float CV) {
  return SHIP_PROPULSION_FACTORS(FACTOR_HULL(run), DP, PD, EAR, CV);
}

void OTHER_METHOD_SUMMARY(std::ostream& unit, float L, float B, float T, float Depl, float Cm,
                          float& Cwp, int n, const float* Vs, float Dp) {
  const auto count = static_cast<std::size_t>(n > 0 ? n : 0);
  const OtherMethodSummary s =
      OTHER_METHOD_SUMMARY(L, B, T, Depl, Cm, Cwp, std::span<const float>(Vs, count), Dp);
  WRITE_OTHER_METHOD_SUMMARY(unit, s);
  Cwp = s.Cwp_used;
}

void OTHER_METHOD_SECTIONS(Run& run) {
  const ResistanceState& res = run.res;
  const OtherMethodSections s =
      OTHER_METHOD_SECTIONS(run.ship, res.Tmean, res.CB, res.CP, res.CWPlwl);
  WRITE_OTHER_METHOD_SECTIONS(run.son, s);
  // The Andersen-Guldhammer w and t are held as the trial factors until the
  // first Holtrop estimate replaces them.
  run.prop.w = s.ag.w;
  run.prop.t = s.ag.t;
}

bool PROPULSION_PREREQUISITES(Run& run) {
  const PropulsionPrerequisites p =
      PROPULSION_PREREQUISITES(run.ship, FACTOR_HULL(run), run.sp.PEArr, run.sp.RVArr);
  WRITE_PROPULSION_PREREQUISITES(run.con, run.son, p);
  if (p.too_few_speeds) return false;
  for (int i = 1; i <= run.ship.NSPEED; ++i) run.sp.PEtrArr(i) = p.PEtrArr(i);
  if (p.resistance_only) return false;
  run.ship.D = p.D_used;
  run.prop.ITR = p.ITR;
  if (p.stop) throw StopRequest{p.stop->status, p.stop->pause, p.stop->prompt};
  run.res.CV = p.CV;
  run.prop.w = p.first.w;
  run.prop.t = p.first.t;
  run.prop.etaR = p.first.etaR;
  return true;
}

}  // namespace vdk
