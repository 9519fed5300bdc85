// Andersen & Guldhammer and Guldhammer & Harvald estimates of the wake and
// thrust deduction fractions, with every intermediate term kept for the
// user's information. The terms are evaluated in double precision from the
// single-precision particulars, so that exact cases such as Cb = 0.7 or
// D/L = 0.04 come out exactly (c = 94.2, w2 = 0); w and t are returned as
// float.
#include "propulsion/other_methods.hpp"

namespace vdk {

namespace {

// Wake and thrust deduction terms common to both methods.
struct CommonTerms {
  double Cb, BL;
  double a, b, c, w1;
  double d, e, f, t1;
};

CommonTerms COMMON_TERMS(float V, float B, float T, float L) {
  CommonTerms k{};
  const double dV = V, dB = B, dT = T, dL = L;
  k.Cb = dV / (dL * dT * dB);
  k.BL = dB / dL;
  const double x = 0.98 - k.Cb;
  const double x3 = x * x * x;
  k.a = 0.1 * k.BL + 0.149;
  k.b = 0.05 * k.BL + 0.449;
  k.c = 585.0 - 5027.0 * k.BL + 11700.0 * (k.BL * k.BL);
  k.w1 = k.a + k.b / (k.c * x3 + 1.0);
  k.d = 0.625 * k.BL + 0.08;
  k.e = 0.165 - 0.25 * k.BL;
  k.f = 825.0 - 8060.0 * k.BL + 20300.0 * (k.BL * k.BL);
  k.t1 = k.d + k.e / (k.f * x3 + 1.0);
  return k;
}

}  // namespace

AndersenGuldhammer ANDERSEN_GULDHAMMER(float V, float B, float T, float L, float D0) {
  const CommonTerms k = COMMON_TERMS(V, B, T, L);
  AndersenGuldhammer r;
  r.B = B;
  r.L = L;
  r.T = T;
  r.D0 = D0;
  r.Cb = k.Cb;
  r.BL = k.BL;
  r.a = k.a;
  r.b = k.b;
  r.c = k.c;
  r.w1 = k.w1;
  r.d = k.d;
  r.e = k.e;
  r.f = k.f;
  r.t1 = k.t1;
  r.DL = static_cast<double>(D0) / static_cast<double>(L);
  r.w2 = -0.18 + 0.00756 / (r.DL + 0.002);  // not limited
  r.wSum = k.w1 + r.w2;
  r.t2 = 2.0 * (r.DL - 0.04);
  r.tSum = k.t1 + r.t2;
  r.w = static_cast<float>(r.wSum);
  r.t = static_cast<float>(r.tSum);
  return r;
}

GuldhammerHarvald GULDHAMMER_HARVALD(float V, float B, float Taft, float T, float L) {
  const CommonTerms k = COMMON_TERMS(V, B, T, L);
  GuldhammerHarvald r;
  r.B = B;
  r.L = L;
  r.T = T;
  r.Taft = Taft;
  r.Cb = k.Cb;
  r.w1 = k.w1;
  r.t1 = k.t1;
  const double dTaft = Taft;
  const double DL = 0.6 * static_cast<double>(T) / static_cast<double>(L);  // assumed D = 0.6 T
  const double s = k.Cb - 0.7;
  r.w2 = 0.025 * dTaft / (100.0 * (s * s) + 1.0);
  r.w3 = -0.18 + 0.00756 / (DL + 0.002);
  if (r.w3 > 0.1) r.w3 = 0.1;
  r.wSum = k.w1 + r.w2 + r.w3;
  r.t2 = -0.01 * dTaft;
  r.t3 = 2.0 * (DL - 0.04);
  r.tSum = k.t1 + r.t2 + r.t3;
  r.w = static_cast<float>(r.wSum);
  r.t = static_cast<float>(r.tSum);
  return r;
}

}  // namespace vdk
