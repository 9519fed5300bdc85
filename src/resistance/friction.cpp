// Frictional, appendage and wind resistance of one speed.
#include <cmath>

#include "format/format.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {
// Kinematic viscosity of the sea water used for the ship, m2/s.
constexpr float kNu = 1.18831e-06f;
}  // namespace

void FRICTION_APPENDAGE_WIND(Run& run, int i) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  ResistanceState& r = run.res;
  SpeedTable& sp = run.sp;
  const float v = 0.5144f * r.VS;
  const float v2 = v * v;

  // ITTC-1957 friction line
  r.Rn = v * s.Lwl / kNu;
  const float lg = log10f(r.Rn) - 2.0f;
  r.CF = 0.075f / (lg * lg);
  r.CV = r.CF * r.OnePlusK;
  sp.RnArr(i) = r.Rn;
  sp.CFArr(i) = r.CF;
  sp.CVArr(i) = r.CV;
  WRITE_FORMATTED(u, "(2X,'SURTUNME DIRENC KATSAYISI ----> CF*1000 = ',F6.3)", 1000.0f * r.CF);
  WRITE_FORMATTED(u, "(2X,'FORM DIRENCI KATSAYISI  ------> CV*1000 = ',F6.3)", 1000.0f * r.CV);

  r.RF = v2 * (s.RHO / 2.0f) * r.CF * s.S / 1000.0f;
  WRITE_FORMATTED(u, "(2X,'SURTUNME DIRENCI ------------------> RF = ',F8.2,' kN')", r.RF);

  r.RAPP = v2 * (s.RHO / 2.0f) * r.OnePlusK2eff * r.CF * r.Sapptot / 1000.0f;
  WRITE_FORMATTED(u, "(2X,'TAKINTI TOPLAM DIRENCI ----------> RAPP = ',F8.2,' kN')", r.RAPP);

  // Wind on the hull above the bow waterline and on the deckhouses/cargo
  r.RAIR = 0.0f;
  if (s.DepthFP > 0.1f && s.ONYUZ > 0.1f) {
    const float h = s.DepthFP - s.Tf;  // freeboard at the forward perpendicular
    if (h < 0.0f) {
      WRITE_FORMATTED(u, "(2X,' BAS DIKMEDEKI GEMI YUKSEKLIGI BAS DRAFTTAN KUCUK  GIRILDI.')");
      WRITE_FORMATTED(u, "(2X,' BU DURUMDA RUZGAR DIRENCI HESAPLANMAZ.')");
    } else {
      r.AFRONT = s.B * h * s.Cm;
      r.CAA = 0.001f * (r.AFRONT + s.ONYUZ) / s.S;
      r.RAIR = r.CAA * (s.RHO / 2.0f) * v2 * s.S / 1000.0f;
      WRITE_FORMATTED(u, "(2X,'GEMI ON YUZEY ALANI -----------> D*B*CM = ',F6.2,' m2')", r.AFRONT);
      WRITE_FORMATTED(u, "(2X,'GUVERTE EVI/YUK ON YUZEY ALANI -> ONYUZ = ',F6.2,' m2')", s.ONYUZ);
      WRITE_FORMATTED(u, "(2X,'RUZGAR DIRENCI KATSAYISI ----> CAA*1000 = ',F6.3)", 1000.0f * r.CAA);
    }
  }
  WRITE_FORMATTED(u, "(2X,'RUZGAR DIRENCI ------------------> RAIR = ',F8.2,' kN')", r.RAIR);
}

}  // namespace vdk
