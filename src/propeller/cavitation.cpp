#include "propeller/cavitation.hpp"

#include <cmath>

#include "core/constants.hpp"
#include "core/table_interpolation.hpp"

namespace vdk {

namespace {

// Burrill's back-cavitation lines: thrust loading coefficient against the
// cavitation number at 0.7 R.
constexpr float SIGMA25[8] = {0.18f, 0.29f, 0.4f, 0.5f, 0.6f, 0.8f, 1.0f, 1.5f};
constexpr float TAUC25[8] = {0.02f, 0.11f, 0.14f, 0.165f, 0.18f, 0.21f, 0.25f, 0.29f};
constexpr float SIGMA50[7] = {0.15f, 0.21f, 0.3f, 0.4f, 0.6f, 1.0f, 1.5f};
constexpr float TAUC50[7] = {0.03f, 0.1f, 0.135f, 0.17f, 0.22f, 0.3f, 0.33f};

// Minimum expanded area ratio that keeps the thrust loading at Tauc.
float BURRILL_AREA(float T, float RHO, float Tauc, float V07R2, float AFAC) {
  return (T * 1000.0f / (0.5f * RHO * Tauc * V07R2)) / AFAC;
}

}  // namespace

float SHAFT_PRESSURE(float RHO, float GRAV, float Hsd) {
  return RHO * GRAV * Hsd + 98300.0f;
}

float KELLER_AREA_RATIO(float Z, float T, float PSTAT, float D) {
  return (1.3f + 0.3f * Z) * T * 1000.0f / (PSTAT * (D * D)) + 0.2f;
}

bool SIGMA_IN_BURRILL_RANGE(float Sigma) {
  return 0.18f <= Sigma && Sigma <= 1.5f;
}

float BURRILL_UPPER_LIMIT_TAUC(float Sigma) {
  return 0.0331f + 0.382f * Sigma - 0.1968f * (Sigma * Sigma) + 0.056f * (Sigma * Sigma * Sigma);
}

bool BURRILL_LINE_TAUC(BurrillLine line, float Sigma, float& Tauc) {
  if (line == BurrillLine::Back25)
    return TABLE_INTERPOLATION(8, SIGMA25, TAUC25, Sigma, Tauc, 8, 2);
  return TABLE_INTERPOLATION(7, SIGMA50, TAUC50, Sigma, Tauc, 7, 2);
}

CavitationResult CAVITATION_CHECKS(const CavitationInput& in) {
  CavitationResult r;
  r.EAR = in.EAR;
  const float PSTAT = SHAFT_PRESSURE(in.RHO, in.GRAV, in.Hsd);
  // Expanded area of the disc per unit of projected area.
  const float AFAC = (PI * (in.D * in.D) / 4.0f) * (1.067f - 0.229f * in.PD);
  const float n = in.N / 60.0f;
  const float VA = KNOT * in.Va;

  const float u07 = 0.7f * PI * n * in.D;
  r.V07R2 = u07 * u07 + VA * VA;
  r.Sigma = PSTAT / (0.5f * in.RHO * r.V07R2);
  r.AP = AFAC * in.EAR;
  // Loading referred to sea water of 1025 kg/m3 whatever the density of the run.
  r.Tauc = in.T * 1000.0f / (r.AP * r.V07R2 * 512.5f);
  // Wageningen criterion: thrust in kgf over the pressure margin in kgf/m2.
  const float AREQ =
      (in.T * 1000.0f / G_ROUNDED) / (1.84f * powf(PSTAT / G_ROUNDED, 0.75f) * powf(VA, 0.5f));
  r.Vtip = PI * n * in.D;

  r.inRange = SIGMA_IN_BURRILL_RANGE(r.Sigma);
  if (r.inRange) {
    r.EARW = AREQ / AFAC;
    float Tauc25 = 0;
    if (!BURRILL_LINE_TAUC(BurrillLine::Back25, r.Sigma, Tauc25)) {
      r.stop = SPLINE_CAPACITY_STOP();
      return r;
    }
    r.EARB25 = BURRILL_AREA(in.T, in.RHO, Tauc25, r.V07R2, AFAC);
    float Tauc50 = 0;
    if (!BURRILL_LINE_TAUC(BurrillLine::Back50, r.Sigma, Tauc50)) {
      r.stop = SPLINE_CAPACITY_STOP();
      return r;
    }
    r.EARB50 = BURRILL_AREA(in.T, in.RHO, Tauc50, r.V07R2, AFAC);
    const float TaucUP = BURRILL_UPPER_LIMIT_TAUC(r.Sigma);
    r.EARBUP = BURRILL_AREA(in.T, in.RHO, TaucUP, r.V07R2, AFAC);
  }
  return r;
}

}  // namespace vdk
