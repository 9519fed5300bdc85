// Wake, thrust deduction and relative rotative efficiency by other published
// methods, computed for the user's information only: the calculation uses
// Holtrop's factors.
#pragma once

#include <span>
#include <vector>

#include "input/ship_record.hpp"

namespace vdk {

// Andersen & Guldhammer (1986) with the actual propeller diameter D0. The
// terms are evaluated in double precision from the single-precision
// particulars, so that exact cases such as Cb = 0.7 or D/L = 0.04 come out
// exactly (c = 94.2, w2 = 0); w and t are rounded to float.
struct AndersenGuldhammer {
  float B = 0, L = 0, T = 0, D0 = 0;
  double Cb = 0, BL = 0, DL = 0;
  double a = 0, b = 0, c = 0, w1 = 0, w2 = 0, wSum = 0;
  double d = 0, e = 0, f = 0, t1 = 0, t2 = 0, tSum = 0;
  float w = 0, t = 0;
};
AndersenGuldhammer ANDERSEN_GULDHAMMER(float V, float B, float T, float L, float D0);

// Guldhammer & Harvald (assumed diameter 0.6 T, stern term from the aft
// draught Taft), in double precision as above.
struct GuldhammerHarvald {
  float B = 0, L = 0, T = 0, Taft = 0;
  double Cb = 0;
  double w1 = 0, w2 = 0, w3 = 0, wSum = 0;
  double t1 = 0, t2 = 0, t3 = 0, tSum = 0;
  float w = 0, t = 0;
};
GuldhammerHarvald GULDHAMMER_HARVALD(float V, float B, float Taft, float T, float L);

// Papmehl's speed-dependent wake at one speed.
struct PapmehlRow {
  float Vs = 0, Fn = 0, w = 0;
};

// The collection of empirical formulas.
struct OtherMethodFactors {
  float Cb = 0, Cp = 0, Cm = 0, Cwp = 0, L = 0, B = 0, T = 0, Dp = 0, Dep = 0;
  // Effective wake, single screw
  float wTaylor1 = 0, wTroost = 0, wKruger1 = 0, wHeckCargo1 = 0, wHeckTrawler = 0;
  float wSchneekluth = 0, wCaldwell1 = 0;
  std::vector<PapmehlRow> papmehl;  // one row per speed
  // Effective wake, twin screw
  float wTaylor2 = 0, wKruger2 = 0, wHeckCargo2 = 0, wCaldwell2 = 0;
  // Thrust deduction, single screw (SSPA: the factor on w)
  float tTaylor1 = 0, tHeckCargo1 = 0, tHeckTrawler = 0, tDanckwardt1 = 0, sspa1 = 0;
  // Thrust deduction, twin screw
  float tTaylor2 = 0, tHeckCargo2 = 0, tDanckwardt2 = 0, sspa2 = 0, tHoltrop78 = 0;
  // Relative rotative efficiency (Helm)
  float etaRHelm = 0;
};
// Vs: the speeds of the speed list, knots.
OtherMethodFactors OTHER_METHOD_FACTORS(float Cb, float Cp, float Cwp, float L, float B, float T,
                                        float Dp, float Dep, std::span<const float> Vs);

// The three information blocks after the speed loop.
struct OtherMethodSections {
  AndersenGuldhammer ag;  // its w and t stand as the trial factors until Holtrop's estimate
  GuldhammerHarvald gh;
  OtherMethodFactors other;  // the displacement shown is the volume
};
// ship: V, B, Ta, Lbp, D, NSPEED, Vs; Tmean, CB, CP and CWPlwl as the
// resistance calculation leaves them after the last speed.
OtherMethodSections OTHER_METHOD_SECTIONS(const ShipRecord& ship, float Tmean, float CB, float CP,
                                          float CWPlwl);

// The summary of the other methods near the end of the report, for the
// selected propeller of diameter Dp and the displacement Depl (tonnes).
struct OtherMethodSummary {
  float L = 0, B = 0, T = 0, Depl = 0, Cm = 0;
  float Cwp_given = 0;  // as given; shown on the heading line
  float Cwp_used = 0;   // a coefficient below 0.1 is replaced by 0.625 Cb/Cm + 0.375
  std::vector<float> Vs;
  float Dp = 0;
  OtherMethodFactors factors;
};
OtherMethodSummary OTHER_METHOD_SUMMARY(float L, float B, float T, float Depl, float Cm, float Cwp,
                                        std::span<const float> Vs, float Dp);

}  // namespace vdk
