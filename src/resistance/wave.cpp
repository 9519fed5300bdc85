// Wave resistance (Holtrop & Mennen) and the additional resistance of the
// bulbous bow, the immersed transom and bow-thruster tunnel openings.
#include <cmath>

#include "core/constants.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {

// Wave resistance per unit displacement weight by the low-speed formula
// (Fn <= 0.40): F is the Froude number, Fm09 = F^(-0.9), Fm2 = F^(-2).
float LOW_SPEED_RW(const WaveBulbTransom& r, float Fm09, float Fm2, float m2) {
  return r.C1 * r.C2 * r.C3 * expf(r.M1 * Fm09 + m2 * cosf(r.LAMDA * Fm2));
}

// The same by the high-speed formula (Fn > 0.55).
float HIGH_SPEED_RW(const WaveBulbTransom& r, float Fm09, float Fm2, float m4) {
  return r.C17 * r.C2 * r.C3 * expf(r.M3 * Fm09 + m4 * cosf(r.LAMDA * Fm2));
}

// The wave-resistance coefficients of the published methods, with Cp, CWP and
// lcb on the waterline length and T the mean draught; fills C4 (c7), C5
// (c16), M1, C6 and C15 (both c15), LAMDA, C1, C3 (c5), C2, c3, C17, M3, and
// IE_est with the 1982 regression of the half angle of entrance.
void PUBLISHED_WAVE_COEFFICIENTS(const ShipRecord& s, const HullFormAtSpeed& hf, float IE_in,
                                 WaveBulbTransom& r) {
  const HullCoefficients& h = hf.hull;
  const float L = s.Lwl, B = s.B, T = h.Tmean, Cp = h.CPlwl;
  const float L3 = (L * L) * L;
  const float cbrtV = powf(s.V, 1.0f / 3.0f);

  r.IE_est = 1.0f + 89.0f * expf(-(powf(L / B, 0.80856f) * powf(1.0f - h.CWPlwl, 0.30484f) *
                                   powf(1.0f - Cp - 0.0225f * h.lcb, 0.6367f) *
                                   powf(hf.LR / B, 0.34574f) * powf(100.0f * s.V / L3, 0.16302f)));
  r.IE_used = IE_in < 1.0f ? r.IE_est : IE_in;

  const float BL = B / L;
  if (BL < 0.11f) {
    r.C4 = 0.229577f * powf(BL, 0.33333f);
  } else if (BL < 0.25f) {
    r.C4 = BL;
  } else {
    r.C4 = 0.5f - 0.0625f * L / B;
  }
  r.C1 = 2223105.0f * powf(r.C4, 3.78613f) * powf(T / B, 1.07961f) *
         powf(90.0f - r.IE_used, -1.37565f);
  r.c3 = 0.56f * powf(s.ABT, 1.5f) / (B * T * (0.31f * sqrtf(s.ABT) + s.Tf - s.HB));
  r.C2 = expf(-1.89f * sqrtf(r.c3));
  r.C3 = 1.0f - 0.8f * s.AT / (B * T * s.Cm);
  if (L / B < 12.0f) {
    r.LAMDA = 1.446f * Cp - 0.03f * L / B;
  } else {
    r.LAMDA = 1.446f * Cp - 0.36f;
  }
  if (Cp < 0.8f) {
    r.C5 = 8.07981f * Cp - 13.8673f * (Cp * Cp) + 6.984388f * ((Cp * Cp) * Cp);
  } else {
    r.C5 = 1.73014f - 0.7067f * Cp;
  }
  r.M1 = 0.0140407f * L / T - 1.75254f * cbrtV / L - 4.79323f * B / L - r.C5;
  const float L3V = L3 / s.V;
  if (L3V < 512.0f) {
    r.C6 = -1.69385f;
  } else if (L3V < 1726.91f) {
    r.C6 = -1.69385f + (L / cbrtV - 8.0f) / 2.36f;
  } else {
    r.C6 = 0.0f;
  }
  r.C15 = r.C6;
  r.C17 = 6919.3f * powf(s.Cm, -1.3346f) * powf(s.V / L3, 2.00977f) * powf(L / B - 2.0f, 1.40692f);
  r.M3 = -7.2035f * powf(BL, 0.326869f) * powf(T / B, 0.605375f);
}

// m2 of the 1982 paper and m4 of the 1984 one at the Froude number F.
float M2_1982(const WaveBulbTransom& r, float Cp, float F) {
  return r.C6 * (Cp * Cp) * expf(-0.1f * (1.0f / (F * F)));
}
float M4_1984(const WaveBulbTransom& r, float F) {
  return r.C15 * 0.4f * expf(-0.034f * powf(F, -3.29f));
}

// RW per unit displacement weight by the published low-speed formula (RWA)
// and the 1984 high-speed formula (RWB) at the Froude number F, with the
// cosine-term coefficient m.
float RWA(const WaveBulbTransom& r, float F, float m) {
  return r.C1 * r.C2 * r.C3 * expf(r.M1 * powf(F, -0.9f) + m * cosf(r.LAMDA * (1.0f / (F * F))));
}
float RWB(const WaveBulbTransom& r, float F, float m) {
  return r.C17 * r.C2 * r.C3 * expf(r.M3 * powf(F, -0.9f) + m * cosf(r.LAMDA * (1.0f / (F * F))));
}

// The published wave resistance per unit displacement weight: the 1982
// formula at every speed; the 1984 low-speed formula up to Fn 0.40, the
// high-speed one from 0.55, and between them the straight line from the one
// at 0.40 to the other at 0.55.
float PUBLISHED_RW(WaveBulbTransom& r, float Cp, float Fn, Method method) {
  if (method == Method::HM1982) {
    r.range = WaveRange::Low;
    r.M2 = M2_1982(r, Cp, Fn);
    r.M4 = M4_1984(r, Fn);
    return RWA(r, Fn, r.M2);
  }
  r.M4 = M4_1984(r, Fn);
  r.M2 = r.M4;
  if (Fn <= 0.40f) {
    r.range = WaveRange::Low;
    return RWA(r, Fn, r.M4);
  }
  if (Fn >= 0.55f) {
    r.range = WaveRange::High;
    return RWB(r, Fn, r.M4);
  }
  r.range = WaveRange::Transition;
  const float a = RWA(r, 0.40f, M4_1984(r, 0.40f));
  const float b = RWB(r, 0.55f, M4_1984(r, 0.55f));
  return a + (20.0f * Fn - 8.0f) / 3.0f * (b - a);
}

// The bulb and transom resistance as published (Holtrop & Mennen 1982), at
// the speed v (m/s); false when the bulb emerges (as in the classic method,
// the run cannot go on).
bool PUBLISHED_BULB_AND_TRANSOM(const ShipRecord& s, const HullCoefficients& h, float v,
                                WaveBulbTransom& r) {
  if (s.ABT > 0.0f) {
    const float sq = sqrtf(s.ABT);
    const float d = s.GRAV * (s.Tf - s.HB - 0.25f * sq) + 0.15f * (v * v);
    if (d < 0.0f) {
      r.bulb_emerged = true;
      return false;
    }
    r.PB = 0.56f * sq / (s.Tf - 1.5f * s.HB);
    r.FnI = v / sqrtf(d);
    r.bulb_breaking = r.PB < 0.0f;
    const float FnI3 = (r.FnI * r.FnI) * r.FnI;
    r.Rbulb = 0.11f * expf(-3.0f * (1.0f / (r.PB * r.PB))) * FnI3 * powf(s.ABT, 1.5f) * s.RHO *
              s.GRAV / (1.0f + r.FnI * r.FnI) / 1000.0f;
  }
  if (s.AT > 0.0f) {
    r.FnT = v / sqrtf(2.0f * s.GRAV * s.AT / (s.B + s.B * h.CWPlwl));
    r.c6 = r.FnT < 5.0f ? 0.2f * (1.0f - 0.2f * r.FnT) : 0.0f;
    r.Rayna = 0.5f * s.RHO * (v * v) * s.AT * r.c6 / 1000.0f;
  }
  return true;
}

}  // namespace

WaveBulbTransom COMPUTE_WAVE(const ShipRecord& s, const InputSummary& summary,
                             const HullFormAtSpeed& hf, float S, float IE_in, Method method) {
  WaveBulbTransom r;
  const HullCoefficients& h = hf.hull;
  const float Fn = hf.Fn;
  const float v = KNOT * hf.VS;
  const float v2 = v * v;

  r.CPlwl = h.CBlwl / s.Cm;
  if (PUBLISHED(method)) {
    PUBLISHED_WAVE_COEFFICIENTS(s, hf, IE_in, r);
    r.Rw = PUBLISHED_RW(r, r.CPlwl, Fn, method) * summary.DISPW / 1000.0f;
  } else {
    // Half angle of entrance; an estimate replaces a value not given. (The
    // estimate is an older regression than the one the 1982 paper gives.)
    const float CP2 = r.CPlwl * r.CPlwl;
    const float CP3 = CP2 * r.CPlwl;
    const float lt = h.lcb + 6.8f * (s.Ta - s.Tf) / h.Tmean;
    r.IE_est = 125.67f * s.B / s.Lwl - 162.25f * CP2 + 234.32f * CP3 + 0.1551f * (lt * lt * lt);
    r.IE_used = IE_in < 1.0f ? r.IE_est : IE_in;

    // (c7 of the papers has the exponent 0.33333, and c15 below reaches
    // zero at L^3/V = 1726.91.)
    const float b = s.B / s.Lwl;
    if (b < 0.11f) {
      r.C4 = 0.229577f * powf(b, 0.3333f);
    } else if (b <= 0.25f) {
      r.C4 = b;
    } else {
      r.C4 = 0.5f - 0.0625f / b;
    }

    // The test is on CP (Lbp), the formulas on CPlwl
    if (h.CP > 0.8f) {
      r.C5 = 1.73014f - 0.7067f * r.CPlwl;
    } else {
      r.C5 = 8.0798f * r.CPlwl - 13.8673f * CP2 + 6.9844f * CP3;
    }

    r.M1 = 0.0140407f * s.Lwl / h.Tmean - 1.75254f * powf(s.V, 0.33333334f) / s.Lwl -
           4.79323f * s.B / s.Lwl - r.C5;

    const float x = s.Lwl * s.Lwl * s.Lwl / s.V;
    if (x > 1727.0f) {
      r.C6 = 0.0f;
    } else if (x < 512.0f) {
      r.C6 = -1.69385f;
    } else {
      r.C6 = -1.69385f + (s.Lwl / powf(s.V, 0.3333f) - 8.0f) / 2.36f;
    }

    const float decay = expf(-0.034f * powf(Fn, -3.29f));
    r.M2 = 0.4f * r.C6 * decay;

    if (s.Lwl / s.B > 12.0f) {
      r.LAMDA = 1.446f * r.CPlwl - 0.36f;
    } else {
      r.LAMDA = 1.446f * r.CPlwl - 0.03f * s.Lwl / s.B;
    }

    // (The published exponents of c1 are 3.78613 and 1.07961; those of c16
    // above 8.07981 and 6.984388, with its branch chosen on Cp of the
    // waterline length.)
    r.C1 = 2223105.0f * powf(r.C4, 3.7861f) * powf(h.Tmean / s.B, 1.0796f) /
           powf(90.0f - r.IE_used, 1.37565f);

    r.C3 = 1.0f - 0.8f * s.AT / (s.B * h.Tmean * s.Cm);

    const float cb =
        0.56f * powf(s.ABT, 1.5f) / (s.B * h.Tmean * (0.31f * sqrtf(s.ABT) + s.Tf - s.HB));
    r.C2 = expf(-1.89f * sqrtf(cb));
    r.c3 = cb;

    const float L3 = s.Lwl * s.Lwl * s.Lwl;
    r.C17 = 6919.3f / powf(s.Cm, 1.3346f) * powf(s.V / L3, 2.00977f) *
            powf(s.Lwl / s.B - 2.0f, 1.40692f);

    r.M3 = -7.2035f * powf(s.B / s.Lwl, 0.326869f) * powf(h.Tmean / s.B, 0.605375f);

    const float L = s.Lwl / powf(s.V, 0.33333334f);
    if (L < 8.0f) {
      r.C15 = -1.69385f;
    } else if (L >= 12.0f) {
      r.C15 = 0.0f;
    } else {
      r.C15 = -1.69385f + (L - 8.0f) / 2.36f;
    }

    r.M4 = 0.4f * r.C15 * decay;

    // Wave resistance by the Froude-number range
    float rw = 0.0f;
    if (Fn <= 0.40f) {
      r.range = WaveRange::Low;
      rw = LOW_SPEED_RW(r, powf(Fn, -0.9f), 1.0f / (Fn * Fn), r.M2);
    } else if (Fn > 0.55f) {
      r.range = WaveRange::High;
      rw = HIGH_SPEED_RW(r, powf(Fn, -0.9f), 1.0f / (Fn * Fn), r.M4);
    } else {
      r.range = WaveRange::Transition;
      // Between the ranges: from the mean of both formulas at 0.40 to the
      // high-speed formula at 0.55, each end with its own m2 and m4. (The
      // published interpolation, Holtrop 1984, starts from the low-speed value
      // at 0.40, so that RW is continuous there; this one steps by half the
      // difference of the two formulas.)
      const float m2_040 = 0.4f * r.C6 * expf(-0.6929494f);
      const float m4_040 = 0.4f * r.C15 * expf(-0.6929494f);
      const float m4_055 = 0.4f * r.C15 * expf(-0.24304442f);
      const float r0 = 0.5f * HIGH_SPEED_RW(r, 2.2811089f, 6.2499995f, m4_040) +
                       0.5f * LOW_SPEED_RW(r, 2.2811089f, 6.2499995f, m2_040);
      const float r1 =
          r.C17 * r.C2 * r.C3 * expf(r.M3 * 1.7126695f + m4_055 * cosf(r.LAMDA / 0.55f / 0.55f));
      rw = r0 + (10.0f * Fn - 4.0f) * (r1 - r0) / 1.5f;
      r.Rw_step_040 =
          (r0 - LOW_SPEED_RW(r, 2.2811089f, 6.2499995f, m2_040)) * summary.DISPW / 1000.0f;
    }
    r.Rw = rw * summary.DISPW / 1000.0f;
  }

  if (PUBLISHED(method)) {
    if (!PUBLISHED_BULB_AND_TRANSOM(s, h, v, r)) return r;
  } else {
    // Bulbous bow
    r.Rbulb = 0.0f;
    if (s.ABT > 0.0f) {
      const float sq = sqrtf(s.ABT);
      const float p = (s.Tf - 1.5f * s.HB) / (0.56f * sq);
      const float d = s.GRAV * (s.Tf - s.HB - 0.25f * sq) + 0.15f * v2;
      if (d < 0.0f) {
        // A bulb centroid too high for the bow draught: the bulb breaks the
        // surface and the run cannot go on.
        r.bulb_emerged = true;
        return r;
      }
      const float Fni = v / powf(d, 0.5f);
      // The same exponent holds for a centroid above two thirds of the bow
      // draught (p < 0); such a bulb is flagged for heavy wave breaking.
      const float e = -3.0f * (p * p);
      if (p < 0.0f) r.bulb_breaking = true;
      r.FnI = Fni;
      r.Rbulb = 0.11f * expf(e) * (Fni * Fni * Fni) * powf(s.ABT, 1.5f) * s.GRAV * s.RHO /
                (1.0f + Fni * Fni) / 1000.0f;
    }

    // Immersed transom
    r.Rayna = 0.0f;
    if (s.AT > 0.0f) {
      const float FnT = v / powf(2.0f * s.GRAV * s.AT / (s.B * (1.0f + h.CWPlwl)), 0.5f);
      const float c = FnT < 5.0f ? 0.2f * (1.0f - 0.2f * FnT) : 0.0f;
      r.FnT = FnT;
      r.c6 = c;
      r.Rayna = 0.5f * v2 * s.AT * s.RHO * c / 1000.0f;
      if (r.Rayna < 0.0f) r.Rayna = 0.0f;
    }
  }

  // Bow-thruster tunnel openings (pi/4 times 0.03)
  r.Rbot = 0.0f;
  if (s.NBT > 0) {
    r.Rbot = static_cast<float>(s.NBT) * 0.023561945f * s.RHO * v2 * (s.DBT * s.DBT) / 1000.0f;
  }

  r.CW = 1000.0f * r.Rw / (v2 * (s.RHO / 2.0f) * S);
  return r;
}

}  // namespace vdk
