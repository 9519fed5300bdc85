// The propulsion-factor steps of the main run: the other-method information
// blocks after the speed loop, and the stretch from the prerequisite check to
// the first Holtrop estimate at the trial speed.
#include <cmath>

#include "core/stop.hpp"
#include "propulsion/propulsion.hpp"
#include "format/format.hpp"

namespace vdk {

void OTHER_METHOD_SECTIONS(Run& run) {
  ShipRecord& ship = run.ship;
  ResistanceState& res = run.res;
  // The Andersen-Guldhammer w and t are held as the trial factors until the
  // first Holtrop estimate replaces them.
  ANDERSEN_GULDHAMMER(run.son, ship.V, ship.B, res.Tmean, ship.Lbp, ship.D, run.prop.w, run.prop.t);
  float wGH = 0, tGH = 0;  // for information only
  GULDHAMMER_HARVALD(run.son, ship.V, ship.B, ship.Ta, res.Tmean, ship.Lbp, wGH, tGH);
  // The displacement line of this block shows the volume.
  OTHER_METHOD_FACTORS(run.son, res.CB, res.CP, res.CWPlwl, ship.Lbp, ship.B, res.Tmean, ship.D,
                       ship.V, ship.Vs.data1(), ship.NSPEED);
}

bool PROPULSION_PREREQUISITES(Run& run) {
  ShipRecord& ship = run.ship;
  ResistanceState& res = run.res;
  PropulsionState& prop = run.prop;

  // A propulsion analysis needs at least five speeds.
  if (ship.NoDN == 0 && ship.NSPEED <= 4) {
    constexpr const char* kTooFew =
        "(3X,'HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ')";
    constexpr const char* kStopped = "(3X,'     PROGRAM DURDURULDU')";
    WRITE_LIST(run.son);
    WRITE_FORMATTED(run.son, kTooFew);
    WRITE_FORMATTED(run.son, kStopped);
    WRITE_FORMATTED(run.con, kTooFew);
    WRITE_FORMATTED(run.con, kStopped);
    return false;
  }

  // The sea margin is reported only; no power of the run applies it.
  WRITE_FORMATTED(run.son, "(2X,' Deniz Marjini = %',F4.0,                         ' alinmistir')",
                  ship.SeaMargin * 100.0f);
  for (int i = 1; i <= ship.NSPEED; ++i) run.sp.PEtrArr(i) = run.sp.PEArr(i);

  if (ship.NoDN == 1) return false;  // resistance-only run

  // Without a diameter, half the aft draught: the starting diameter for
  // Keller's area ratio when the diameter is to be found.
  if (ship.D < 0.05f) ship.D = ship.Ta / 2.0f;

  // Position of the trial speed in the speed list (first match).
  prop.ITR = 0;
  for (int i = 1; i <= ship.NSPEED; ++i) {
    if (std::fabs(ship.Vs(i) - ship.Vtrial) < 0.001f) {
      prop.ITR = i;
      break;
    }
  }
  if (prop.ITR == 0) {
    WRITE_FORMATTED(run.con,
                    "(/// ' SEYIR TECRUBESI HIZI Vtrial = ',F6.3,           ' knot HIZLAR "
                    "LISTESINDE BULUNAMADI - STOP')",
                    ship.Vtrial);
    STOP(EXIT_BAD_INPUT);
  }

  res.CV = VISCOUS_COEFFICIENT(run.sp.RVArr(prop.ITR), ship.RHO, ship.S, ship.Vtrial);

  // First estimate with an assumed propeller: D = Ta/2, P/D 0.85, AE/A0 0.65.
  const ShipFactors f = SHIP_PROPULSION_FACTORS(run, ship.Ta / 2.0f, 0.85f, 0.65f, res.CV);
  prop.w = f.w;
  prop.t = f.t;
  prop.etaR = f.etaR;
  return true;
}

ShipFactors SHIP_PROPULSION_FACTORS(const Run& run, float DP, float PD, float EAR, float CV) {
  const ShipRecord& ship = run.ship;
  const ResistanceState& res = run.res;
  float t = 0, w = 0, etaR = 0;
  HOLTROP_PROPULSION_FACTORS(ship.Lwl, ship.B, ship.Ta, ship.Tf, res.CBlwl, ship.Cm, res.CWPlwl,
                             ship.S, res.lcb, ship.Cstern, DP, PD, EAR, ship.NPROP, CV, t, w, etaR,
                             ship.IPOD);
  ShipFactors f;
  f.w = w * ship.CFw;
  f.t = t * ship.CFt;
  f.etaR = ship.CFetaR * etaR;
  f.etaR_raw = etaR;
  return f;
}

}  // namespace vdk
