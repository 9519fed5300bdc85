// Opening of a speed block: speed, Froude number, hull coefficients, length
// of run, wetted surface and the bare-hull form factors.
#include <cmath>

#include "core/constants.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

HullCoefficients HULL_COEFFICIENTS(const ShipRecord& s) {
  // The waterline ends at the forward perpendicular
  HullCoefficients h;
  h.Tmean = (s.Ta + s.Tf) / 2.0f;
  h.CB = s.V / (s.B * s.Lbp * h.Tmean);
  h.CP = h.CB / s.Cm;
  h.CBlwl = s.V / (s.B * h.Tmean * s.Lwl);
  h.CWPlwl = s.Cwp * s.Lbp / s.Lwl;
  h.lcb = ((s.Lwl - s.Lbp + s.Lbp / 2.0f + s.LCB) / s.Lwl - 0.5f) * 100.0f;
  h.CPlwl = h.CBlwl / s.Cm;
  return h;
}

HullFormAtSpeed COMPUTE_HULL_FORM(const ShipRecord& s, const InputSummary& summary, int i,
                                  float S_in) {
  HullFormAtSpeed r;
  r.VS = s.Vs(i);
  r.v = KNOT * r.VS;
  r.Fn = r.v / sqrtf(s.GRAV * s.Lwl);
  r.hull = HULL_COEFFICIENTS(s);
  r.S_used = S_in;

  // An impossible prismatic coefficient usually means a wrong midship
  // coefficient; the run cannot go on.
  if (r.hull.CP > 0.999f) {
    r.prismatic_stop = true;
    return r;
  }
  const HullCoefficients& h = r.hull;

  // Length of run
  r.LR = s.Lwl * (1.0f - h.CPlwl + 0.06f * h.CPlwl * h.lcb / (4.0f * h.CPlwl - 1.0f));
  // A length of run of zero or below (a centre of buoyancy far aft for the
  // fullness) would make the form factor infinite: half the waterline stands in.
  if (r.LR <= 0.0f) r.LR = s.Lwl / 2.0f;

  r.C = 1.0f + 0.011f * s.Cstern;

  // Wetted surface (appendages included). A given hull surface gets the
  // appendage area once, at the first speed; an estimate made at the first
  // speed is kept for the others.
  r.SE = s.Lwl * (2.0f * h.Tmean + s.B) * sqrtf(s.Cm) *
             (0.453f + 0.4425f * h.CBlwl - 0.2862f * s.Cm - 0.003467f * s.B / h.Tmean +
              0.3696f * h.CWPlwl) +
         2.38f * s.ABT / h.CBlwl + summary.Sapptot;
  r.S_Taylan = 1.85f * h.Tmean * s.Lwl + s.V / h.Tmean + summary.Sapptot;
  if (S_in < 1.0f) {
    r.S_estimated = true;
    r.S_used = r.SE;
  } else if (i == 1) {
    r.S_used = S_in + summary.Sapptot;
  }

  // Form factors: Holtrop (with the stern correction) and Grigson
  const float LV = s.Lwl / powf(s.V, 0.33333334f);
  const float LV3 = LV * LV * LV;
  float K = 0.93f + 0.487118f * r.C * powf(s.Lwl / r.LR, 0.121563f) * powf(s.B / s.Lwl, 1.06806f) *
                        powf(h.Tmean / s.Lwl, 0.46106f) * powf(1.0f - h.CPlwl, -0.604247f) *
                        powf(LV3, 0.36486f);
  K = K * (1.0f + 0.003f * s.Cstern);
  r.KHoltrop = K;
  const float Cstern3 = s.Cstern * s.Cstern * s.Cstern;
  r.OnePlusKGrigson = 1.01f + 0.257059f *
                                  expf(0.0190287f * s.Cstern - 2.24964e-05f * Cstern3 +
                                       0.468814f * (s.Ta - s.Tf) / h.Tmean) *
                                  powf(h.Tmean / s.B, 0.405704f) * powf(s.B / s.Lwl, 1.34654f) *
                                  powf(1.0f - h.CPlwl, -1.98695f) *
                                  powf(1.0f - h.CWPlwl, 0.475205f) * powf(h.CPlwl, -2.91432f);
  r.OnePlusK = s.FFDF >= 0.05f ? K * s.FFDF : 1.0f;
  return r;
}

}  // namespace vdk
