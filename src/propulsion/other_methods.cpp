// Wake, thrust deduction and relative rotative efficiency by other published
// empirical formulas, for the user's comparison only.
#include "propulsion/other_methods.hpp"

#include <cmath>

#include "core/constants.hpp"

namespace vdk {

OtherMethodFactors OTHER_METHOD_FACTORS(float Cb, float Cp, float Cwp, float L, float B, float T,
                                        float Dp, float Dep, std::span<const float> Vs) {
  OtherMethodFactors r;
  r.Cb = Cb;
  r.Cp = Cp;
  r.Cm = Cb / Cp;
  r.Cwp = Cwp;
  r.L = L;
  r.B = B;
  r.T = T;
  r.Dp = Dp;
  r.Dep = Dep;

  // Effective wake, single screw
  r.wTaylor1 = 0.5f * Cb - 0.05f;
  const float cb06 = Cb - 0.6f;
  r.wTroost = 0.25f + 2.5f * (cb06 * cb06);
  r.wKruger1 = 0.75f * Cb - 0.24f;
  r.wHeckCargo1 = 0.7f * Cp - 0.18f;
  r.wHeckTrawler = 0.77f * Cp - 0.28f;
  r.wSchneekluth = 0.5f * Cp * (1.6f / (1.0f + Dp / T)) * (16.0f / (10.0f + L / B));
  r.wCaldwell1 = Cb / 3.0f + 0.01f;

  // Speed-dependent wake (Papmehl): the displacement term enters under a square
  // root; without it an ordinary full hull would get a wake near 0.9.
  for (float v : Vs) {
    PapmehlRow row;
    row.Vs = v;
    row.Fn = v * KNOT / sqrtf(G_ROUNDED * L);
    row.w = 0.165f * Cb * sqrtf(powf(Dep, 0.333f) / Dp) - 0.1f * (row.Fn - 0.2f);
    r.papmehl.push_back(row);
  }

  // Effective wake, twin screw
  r.wTaylor2 = 0.55f * Cb - 0.2f;
  r.wKruger2 = 0.81f * Cb - 0.34f;
  r.wHeckCargo2 = 0.7f * Cp - 0.3f;
  r.wCaldwell2 = Cb / 3.0f + 0.03f;

  // Thrust deduction, single screw
  r.tTaylor1 = 0.6f * r.wTaylor1;
  r.tHeckCargo1 = 0.5f * Cp - 0.12f;
  r.tHeckTrawler = 0.77f * Cp - 0.3f;
  r.tDanckwardt1 = 0.5f * Cp - 0.15f;
  r.sspa1 = 1.57f - 2.3f * Cb / Cwp + 1.5f * Cb;

  // Thrust deduction, twin screw
  r.tTaylor2 = 1.25f * r.wTaylor2;
  r.tHeckCargo2 = 0.5f * Cp - 0.18f;
  r.tDanckwardt2 = 0.52f * Cp - 0.18f;
  r.sspa2 = 1.67f - 2.3f * Cb / Cwp + 1.5f * Cb;
  r.tHoltrop78 = 0.325f * Cb - 0.1885f * Dp / sqrtf(B * T);

  // Relative rotative efficiency (Helm)
  r.etaRHelm = 0.826f + 0.01f * L / powf(Dep, 0.333f) + 0.1f * Cb / Cp + 0.02f * B / T;
  return r;
}

OtherMethodSections OTHER_METHOD_SECTIONS(const ShipRecord& ship, float Tmean, float CB, float CP,
                                          float CWPlwl) {
  OtherMethodSections s;
  s.ag = ANDERSEN_GULDHAMMER(ship.V, ship.B, Tmean, ship.Lbp, ship.D);
  s.gh = GULDHAMMER_HARVALD(ship.V, ship.B, ship.Ta, Tmean, ship.Lbp);
  const auto n = static_cast<std::size_t>(ship.NSPEED > 0 ? ship.NSPEED : 0);
  s.other = OTHER_METHOD_FACTORS(CB, CP, CWPlwl, ship.Lbp, ship.B, Tmean, ship.D, ship.V,
                                 std::span<const float>(ship.Vs.data1(), n));
  return s;
}

OtherMethodSummary OTHER_METHOD_SUMMARY(float L, float B, float T, float Depl, float Cm, float Cwp,
                                        std::span<const float> Vs, float Dp) {
  OtherMethodSummary s;
  s.L = L;
  s.B = B;
  s.T = T;
  s.Depl = Depl;
  s.Cm = Cm;
  s.Cwp_given = Cwp;
  s.Vs.assign(Vs.begin(), Vs.end());
  s.Dp = Dp;

  const float volume = Depl / 1.025f;
  const float Cb = volume / (T * B * L);
  const float Cp = Cb / Cm;
  s.Cwp_used = Cwp < 0.1f ? 0.625f * Cb / Cm + 0.375f : Cwp;
  s.factors = OTHER_METHOD_FACTORS(Cb, Cp, s.Cwp_used, L, B, T, Dp, Depl, Vs);
  return s;
}

}  // namespace vdk
