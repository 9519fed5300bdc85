// Frictional, appendage and wind resistance of one speed.
#include <cmath>

#include "core/constants.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {
// Kinematic viscosity of the sea water used for the ship, m2/s.
constexpr float kNu = NU_SEA_15C;
}  // namespace

FrictionAppendageWind COMPUTE_FRICTION(const ShipRecord& s, const InputSummary& summary,
                                       const HullFormAtSpeed& hf, float S) {
  FrictionAppendageWind r;
  const float v = KNOT * hf.VS;
  const float v2 = v * v;

  // ITTC-1957 friction line
  r.Rn = v * s.Lwl / kNu;
  r.CF = ITTC57_CF(r.Rn);
  r.CV = r.CF * hf.OnePlusK;

  r.RF = v2 * (s.RHO / 2.0f) * r.CF * S / 1000.0f;
  r.RAPP = v2 * (s.RHO / 2.0f) * summary.OnePlusK2eff * r.CF * summary.Sapptot / 1000.0f;

  // Wind on the hull above the bow waterline and on the deckhouses/cargo
  r.RAIR = 0.0f;
  if (s.DepthFP > 0.1f && s.ONYUZ > 0.1f) {
    const float h = s.DepthFP - s.Tf;  // freeboard at the forward perpendicular
    if (h < 0.0f) {
      r.wind = WindCase::DepthBelowDraught;
    } else {
      r.wind = WindCase::Computed;
      r.AFRONT = s.B * h * s.Cm;
      r.CAA = 0.001f * (r.AFRONT + s.ONYUZ) / S;
      r.RAIR = r.CAA * (s.RHO / 2.0f) * v2 * S / 1000.0f;
    }
  }
  return r;
}

}  // namespace vdk
