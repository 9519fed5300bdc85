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

namespace {

// c12 of the 1982 form factor, by the draught-length ratio.
float C12_OF(float TL) {
  if (TL > 0.05f) return powf(TL, 0.2228446f);
  if (TL > 0.02f) return 48.20f * powf(TL - 0.02f, 2.078f) + 0.479948f;
  return 0.479948f;
}

// The bare-hull form factor 1+k1 as Holtrop & Mennen (1982) and Holtrop
// (1984) publish it, each alone (no second stern factor), with Cp and lcb on
// the waterline length.
float PUBLISHED_FORM_FACTOR(const ShipRecord& s, const HullCoefficients& h, HullFormAtSpeed& r,
                            Method method) {
  const float Cp = h.CPlwl;
  if (method == Method::HM1982) {
    r.C = 1.0f + 0.003f * s.Cstern;  // c13
    r.c12 = C12_OF(h.Tmean / s.Lwl);
    return r.C * (0.93f + r.c12 * powf(s.B / r.LR, 0.92497f) * powf(0.95f - Cp, -0.521448f) *
                              powf(1.0f - Cp + 0.0225f * h.lcb, 0.6906f));
  }
  r.C = 1.0f + 0.011f * s.Cstern;  // c14
  const float L3V = ((s.Lwl * s.Lwl) * s.Lwl) / s.V;
  return 0.93f + 0.487118f * r.C * powf(s.B / s.Lwl, 1.06806f) * powf(h.Tmean / s.Lwl, 0.46106f) *
                     powf(s.Lwl / r.LR, 0.121563f) * powf(L3V, 0.36486f) *
                     powf(1.0f - Cp, -0.604247f);
}

}  // namespace

HullFormAtSpeed COMPUTE_HULL_FORM(const ShipRecord& s, const InputSummary& summary, int i,
                                  float S_in, Method method) {
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

  // Wetted surface estimate of the bare hull (Holtrop & Mennen 1982).
  const float S_hull = s.Lwl * (2.0f * h.Tmean + s.B) * sqrtf(s.Cm) *
                           (0.453f + 0.4425f * h.CBlwl - 0.2862f * s.Cm -
                            0.003467f * s.B / h.Tmean + 0.3696f * h.CWPlwl) +
                       2.38f * s.ABT / h.CBlwl;
  r.S_Taylan = 1.85f * h.Tmean * s.Lwl + s.V / h.Tmean + summary.Sapptot;
  if (PUBLISHED(method)) {
    // The published methods: S is the bare hull, given or estimated; the
    // appendages enter through RAPP (and the correlation resistance) only.
    r.SE = S_hull;
    if (S_in < 1.0f) {
      r.S_estimated = true;
      r.S_used = r.SE;
    }
    r.KHoltrop = PUBLISHED_FORM_FACTOR(s, h, r, method);
  } else {
    // Wetted surface (appendages included). A given hull surface gets the
    // appendage area once, at the first speed; an estimate made at the first
    // speed is kept for the others. (The published method takes S as the
    // bare hull and applies the hull friction to it alone.)
    r.SE = S_hull + summary.Sapptot;
    if (S_in < 1.0f) {
      r.S_estimated = true;
      r.S_used = r.SE;
    } else if (i == 1) {
      r.S_used = S_in + summary.Sapptot;
    }

    // Form factor: Holtrop (with the stern correction)
    const float LV = s.Lwl / powf(s.V, 0.33333334f);
    const float LV3 = LV * LV * LV;
    float K = 0.93f + 0.487118f * r.C * powf(s.Lwl / r.LR, 0.121563f) *
                          powf(s.B / s.Lwl, 1.06806f) * powf(h.Tmean / s.Lwl, 0.46106f) *
                          powf(1.0f - h.CPlwl, -0.604247f) * powf(LV3, 0.36486f);
    // A second stern factor, that of the 1982 form factor (c13), on top of
    // the 1984 form factor, which has its stern term (c14 = C) already; the
    // published 1+k1 is either formula alone.
    K = K * (1.0f + 0.003f * s.Cstern);
    r.KHoltrop = K;
  }

  // Grigson's form factor, reported beside Holtrop's
  const float Cstern3 = s.Cstern * s.Cstern * s.Cstern;
  r.OnePlusKGrigson = 1.01f + 0.257059f *
                                  expf(0.0190287f * s.Cstern - 2.24964e-05f * Cstern3 +
                                       0.468814f * (s.Ta - s.Tf) / h.Tmean) *
                                  powf(h.Tmean / s.B, 0.405704f) * powf(s.B / s.Lwl, 1.34654f) *
                                  powf(1.0f - h.CPlwl, -1.98695f) *
                                  powf(1.0f - h.CWPlwl, 0.475205f) * powf(h.CPlwl, -2.91432f);
  r.OnePlusK = s.FFDF >= 0.05f ? r.KHoltrop * s.FFDF : 1.0f;
  return r;
}

}  // namespace vdk
