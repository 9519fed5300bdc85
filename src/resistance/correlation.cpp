// Model-ship correlation allowance, total resistance and effective power of
// one speed; the end of its speed block.
#include <cmath>

#include "core/constants.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {

// The roughness increment of Holtrop & Mennen (1982) for a hull rougher than
// the 150 micrometres their correlation allowance holds for (ks in m, L the
// waterline length); none for a smoother hull.
float ROUGHNESS_INCREMENT(float ks, float L) {
  if (!(ks > 150e-6f)) return 0.0f;
  return (0.105f * powf(ks, 1.0f / 3.0f) - 0.005579f) / powf(L, 1.0f / 3.0f);
}

}  // namespace

CorrelationAndTotals COMPUTE_CORRELATION(const ShipRecord& s, const HullFormAtSpeed& hf,
                                         const FrictionAppendageWind& fr, const WaveBulbTransom& wv,
                                         float S, Method method, float Sapptot) {
  CorrelationAndTotals r;
  const float v = KNOT * hf.VS;
  const float v2 = v * v;

  // Holtrop's estimate; the bulb term vanishes for deep bows
  const float TfL = s.Tf / s.Lwl;
  const float c4 = TfL <= 0.04f ? TfL : 0.04f;
  const float CBlwl = hf.hull.CBlwl;
  const float CB4 = CBlwl * CBlwl * CBlwl * CBlwl;
  r.CA_holtrop = 0.006f * powf(s.Lwl + 100.0f, -0.16f) - 0.00205f +
                 0.003f * sqrtf(s.Lwl / 7.5f) * CB4 * wv.C2 * (0.04f - c4);
  r.CA = r.CA_holtrop;
  // Below 1 the roughness field holds 1000*CA itself
  if (s.Roughness > 0.0f && s.Roughness < 1.0f) {
    r.CA = 0.001f * s.Roughness;
    r.CA_direct = r.CA;
  }
  // Otherwise the hull roughness in micrometres: the ITTC allowance in the
  // classic method, Holtrop's estimate and the roughness increment in the
  // published ones.
  if (s.Roughness > 0.999f && PUBLISHED(method)) {
    r.CA = r.CA_holtrop + ROUGHNESS_INCREMENT(1e-06f * s.Roughness, s.Lwl);
    r.CA_rough = r.CA;
  } else if (s.Roughness > 0.999f) {
    r.CA = 0.001f * (105.0f * powf(1e-06f * s.Roughness / s.Lwl, 0.3333333f) - 0.64f);
    r.CA_ittc = r.CA;
  }

  // The wind resistance is reported but not part of the total
  r.RV = hf.OnePlusK * fr.RF;
  if (PUBLISHED(method)) {
    // The correlation resistance on the hull and appendage surface, as both
    // papers' worked examples take it; the total in the papers' order, and
    // the bow-thruster openings, which they do not have, after it.
    r.RA = 0.5f * s.RHO * v2 * (S + Sapptot) * r.CA / 1000.0f;
    r.RT = fr.RF * hf.OnePlusK + fr.RAPP + wv.Rw + wv.Rbulb + wv.Rayna + r.RA + wv.Rbot;
  } else {
    r.RA = v2 * (s.RHO / 2.0f) * r.CA * S / 1000.0f;
    r.RT = hf.OnePlusK * fr.RF + wv.Rbot + wv.Rw + wv.Rayna + wv.Rbulb + r.RA + fr.RAPP;
  }
  r.CT = 1000.0f * r.RT / (0.5f * s.RHO * v2 * S);
  r.CR = r.CT - (r.CA + fr.CV);

  r.PE = v * r.RT;
  return r;
}

}  // namespace vdk
