// Holtrop's regressions for the effective wake fraction, the thrust deduction
// fraction and the relative rotative efficiency.
#include <cmath>

#include "core/constants.hpp"
#include "propulsion/propulsion_factors.hpp"

namespace vdk {

void HOLTROP_PROPULSION_FACTORS(float L, float B, float TA, float TF, float CB, float CM, float CWP,
                                float S, float LCBP, float CSTERN, float DP, float PD, float EAR,
                                int NPROP, float CV, float& t, float& w, float& etaR, int IPOD) {
  const float TM = (TA + TF) / 2.0f;  // mean draught, pod formulas only
  const float CP = CB / CM;
  const float CP1 = 1.45f * CP - 0.315f - 0.0225f * LCBP;

  if (NPROP < 2) {
    // Single screw.
    const float dRatio = sqrtf(DP * DP / (B * TA));  // DP / sqrt(B TA)
    t = 0.25014f * powf(B / L, 0.28956f) * (1.0f / powf(dRatio, 0.2624f)) /
            powf(1.0f - CP + 0.0225f * LCBP, 0.01762f) +
        0.0015f * CSTERN;

    float C8;
    if (B / TA < 5.0f) {
      C8 = B * S / (L * DP * TA);
    } else {
      C8 = S * (7.0f * B / TA - 25.0f) / (L * DP * (B / TA - 3.0f));
    }
    float C9;
    if (C8 <= 28.0f) {
      C9 = C8;
    } else {
      C9 = 32.0f - 16.0f / (C8 - 24.0f);
    }
    float C11;
    if (TA / DP <= 2.0f) {
      C11 = TA / DP;
    } else {
      const float r = TA / DP;
      C11 = 0.0833333f * (r * r * r) + 1.333333f;
    }
    float C19;
    if (CP < 0.7f) {
      C19 = 0.12997f / (0.95f - CB) - 0.11056f / (0.95f - CP);
    } else {
      C19 = 0.18567f / (1.3571f - CM) - 0.71276f + 0.38648f * CP;
    }
    const float C20 = 1.0f + 0.015f * CSTERN;

    w = (C9 * CV * (L / TA) * (0.050776f + 0.93405f * C11 * CV / (1.0f - CP1)) +
         0.27915f * sqrtf(B / (L * (1.0f - CP1))) + C19) *
        C20;
    etaR = 0.9922f - 0.05908f * EAR + 0.07424f * (CP - 0.0225f * LCBP);
    // Mean of the regression value and the wake-based (SSPA-type) value.
    // (The published thrust deduction is the regression value alone; the
    // published wake has CV = (1+k) CF + CA, where CV here leaves CA out.)
    t = (t + w * (1.57f - 2.3f * CB / CWP + 1.5f * CB)) / 2.0f;
  } else {
    // Twin screw (on the aft draught; the published formulas take the mean
    // draught, and t alone, without the mean with a wake-based value).
    t = 0.325f * CB - 0.1885f * DP / sqrtf(B * TA);
    w = 0.3095f * CB + 10.0f * CV * CB - 0.23f * DP / sqrtf(B * TA);
    t = (t + w * (1.67f - 2.3f * CB / CWP + 1.5f * CB)) / 2.0f;
    etaR = 0.9737f + 0.111f * (CP - 0.0225f * LCBP) - 0.06325f * PD;
  }

  if (IPOD == 1) {
    // Tractor pod: t and w on the mean draught; etaR as above.
    t = 0.21593f + 0.099768f * CB - 0.56056f * DP / sqrtf(B * TM);
    w = 0.18566f * DP / sqrtf(B * TM) + 56.724f * CV * CB + 0.18053f * CB - 0.18265228f;
  }
}

void PUBLISHED_PROPULSION_FACTORS(Method method, float L, float B, float TA, float TF, float CB,
                                  float CM, float S, float LCBP, float CSTERN, float DP, float PD,
                                  float EAR, int NPROP, float CV, float CVpod, float& t, float& w,
                                  float& etaR, int IPOD) {
  const float T = (TA + TF) / 2.0f;
  const float CP = CB / CM;
  const float CP1 = 1.45f * CP - 0.315f - 0.0225f * LCBP;
  const float DsqrtBT = DP / sqrtf(B * T);

  if (NPROP < 2) {
    float c8;
    if (B / TA < 5.0f) {
      c8 = B * S / (L * DP * TA);
    } else {
      c8 = S * (7.0f * B / TA - 25.0f) / (L * DP * (B / TA - 3.0f));
    }
    const float c9 = c8 < 28.0f ? c8 : 32.0f - 16.0f / (c8 - 24.0f);
    const float TD = TA / DP;
    const float c11 = TD < 2.0f ? TD : 0.0833333f * ((TD * TD) * TD) + 1.33333f;
    if (method == Method::HM1982) {
      w = c9 * CV * (L / TA) * (0.0661875f + 1.21756f * c11 * CV / (1.0f - CP1)) +
          0.24558f * sqrtf(B / (L * (1.0f - CP1))) - 0.09726f / (0.95f - CP) +
          0.11434f / (0.95f - CB) + 0.75f * CSTERN * CV + 0.002f * CSTERN;
      const float c10 = L / B > 5.2f ? B / L : 0.25f - 0.003328402f / (B / L - 0.134615385f);
      t = 0.001979f * L / (B - B * CP1) + 1.0585f * c10 - 0.00524f - 0.1418f * (DP * DP) / (B * T) +
          0.0015f * CSTERN;
    } else {
      float c19;
      if (CP <= 0.7f) {
        c19 = 0.12997f / (0.95f - CB) - 0.11056f / (0.95f - CP);
      } else {
        c19 = 0.18567f / (1.3571f - CM) - 0.71276f + 0.38648f * CP;
      }
      const float c20 = 1.0f + 0.015f * CSTERN;
      w = c9 * c20 * CV * (L / TA) * (0.050776f + 0.93405f * c11 * CV / (1.0f - CP1)) +
          0.27915f * c20 * sqrtf(B / (L * (1.0f - CP1))) + c19 * c20;
      t = 0.25014f * powf(B / L, 0.28956f) * powf(sqrtf(B * T) / DP, 0.2624f) /
              powf(1.0f - CP + 0.0225f * LCBP, 0.01762f) +
          0.0015f * CSTERN;
    }
    etaR = 0.9922f - 0.05908f * EAR + 0.07424f * (CP - 0.0225f * LCBP);
  } else {
    w = 0.3095f * CB + 10.0f * CV * CB - 0.23f * DsqrtBT;
    t = 0.325f * CB - 0.1885f * DsqrtBT;
    etaR = 0.9737f + 0.111f * (CP - 0.0225f * LCBP) - 0.06325f * PD;
  }

  if (IPOD == 1) {
    // Tractor pod, as in the classic method: t and w on the mean draught.
    t = 0.21593f + 0.099768f * CB - 0.56056f * DsqrtBT;
    w = 0.18566f * DsqrtBT + 56.724f * CVpod * CB + 0.18053f * CB - 0.18265228f;
  }
}

float VISCOUS_COEFFICIENT(float RV, float RHO, float S, float V) {
  const float v = KNOT * V;  // m/s
  return RV * 1000.0f / (0.5f * RHO * S * (v * v));
}

}  // namespace vdk
