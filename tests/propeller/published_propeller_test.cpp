// The propeller by the published practice: the B-series check points, the
// ITTC-78 blade-roughness correction, the optimum compared at full
// precision and a given propeller at the rpm of the required thrust.
#include <gtest/gtest.h>

#include <cmath>

#include "propeller/open_water.hpp"
#include "propeller/propeller_routines.hpp"

namespace vdk {
namespace {

OpenWaterState at(float J) {
  OpenWaterState ow;
  ow.J = J;
  return ow;
}

TEST(PublishedPropeller, WageningenBCheckPoints) {
  struct Point {
    float EAR, PD, J, KT, KQ10, ETA0;
  };
  // Two independent coefficient tables agree on these.
  for (const Point& p : {Point{0.70f, 1.0f, 0.5f, 0.27103f, 0.43433f, 0.4967f},
                         Point{0.70f, 1.0f, 0.7f, 0.17829f, 0.30768f, 0.646f},
                         Point{0.55f, 0.8f, 0.5f, 0.17127f, 0.23735f, 0.574f}}) {
    OpenWaterState ow = at(p.J);
    WAGENINGEN_B_KTKQ(ow, SeriesSettings{1, 0.0f}, p.PD, p.EAR, 4.0f);
    EXPECT_NEAR(ow.KT, p.KT, 0.000005f);
    EXPECT_NEAR(10.0f * ow.KQ, p.KQ10, 0.000005f);
    // The tables' efficiencies are rounded to three or four digits.
    EXPECT_NEAR(ow.ETA0, p.ETA0, 0.0005f);
  }
}

TEST(PublishedPropeller, Ittc78CorrectionFromTheSeriesReynoldsNumber) {
  // An 8 m B4-70 of P/D 1.0: chord 2.073 EAR D/Z = 2.9022 m, t/c from
  // (0.0185 - 0.00125 Z) D = 0.108 m.
  const float D = 8.0f, Z = 4.0f, PD = 1.0f, c = 2.073f * 0.7f * D / Z;
  const float TC = (0.0185f - 0.00125f * Z) * D / c;
  float DKT = 0, DKQ = 0;
  ITTC78_CORRECTION(D, PD, Z, c, TC, DKT, DKQ);
  const double thick = 2.0 * (1.0 + 2.0 * TC);
  const double CDM = thick * 0.0036050;  // the bracket at Rn 2e6
  const double CDS = thick * std::pow(1.89 + 1.62 * std::log10(c / 30e-6), -2.5);
  const double dCD = CDM - CDS;
  ASSERT_GT(dCD, 0.0);
  EXPECT_NEAR(DKT, -dCD * 0.3 * PD * c * Z / D, 2e-7);
  EXPECT_NEAR(DKQ, dCD * 0.25 * c * Z / D, 2e-7);

  // In the series: more thrust and less torque at full scale, a higher
  // efficiency; the classic correction lowers the thrust instead.
  OpenWaterState plain = at(0.6f), ittc = at(0.6f), classic = at(0.6f);
  for (OpenWaterState* ow : {&ittc, &classic}) {
    ow->ReD = D;
    ow->ReVa = 6.0f;
    ow->ReN = 90.0f;
  }
  SeriesSettings set{1, 0.0f};
  WAGENINGEN_B_KTKQ(plain, set, PD, 0.7f, Z);
  WAGENINGEN_B_KTKQ(classic, set, PD, 0.7f, Z);
  set.drag = BladeDrag::ITTC78;
  WAGENINGEN_B_KTKQ(ittc, set, PD, 0.7f, Z);
  EXPECT_FLOAT_EQ(ittc.KT, plain.KT - DKT);
  EXPECT_FLOAT_EQ(ittc.KQ, plain.KQ - DKQ);
  EXPECT_GT(ittc.ETA0, plain.ETA0);
  EXPECT_LT(classic.KT, plain.KT);
  // Without a correction context, no correction in either.
  OpenWaterState off = at(0.6f);
  WAGENINGEN_B_KTKQ(off, set, PD, 0.7f, Z);
  EXPECT_EQ(off.KT, plain.KT);
}

TEST(PublishedPropeller, OptimumComparedAtFullPrecision) {
  const float a[] = {0.6512f, 0.6519f, 0.6519f, 0.64f};
  int classic = 0;
  BEST_EFFICIENCY(4, a, classic, 10000);
  EXPECT_EQ(classic, 1);  // equal at three decimals: the first stays
  EXPECT_EQ(MOST_EFFICIENT(4, a), 2);
  EXPECT_EQ(MOST_EFFICIENT(1, a), 1);
}

TEST(PublishedPropeller, GivenPropellerTurnsAtTheRpmOfTheRequiredThrust) {
  PropellerRoutineInput in;
  in.routine = PropellerRoutine::Given;
  in.set = SeriesSettings{1, 0.0f, BladeDrag::ITTC78};
  in.method = Method::HM1984;
  in.T = 900.0f;
  in.D = in.ow.ReD = 6.0f;
  in.N = 100.0f;  // gives another thrust
  in.PD = 1.0f;
  in.Va = in.ow.ReVa = 8.0f;
  in.RHO = 1025.0f;
  in.Z = 4.0f;
  in.EAR = 0.6f;
  const PropellerRoutineRecord r = GIVEN_PROPELLER(in);
  ASSERT_FALSE(r.stop);
  EXPECT_NEAR(r.T_shown, in.T, 0.001f * in.T);
  EXPECT_NEAR(r.sel.N, 60.0f * in.Va / (r.sel.J * in.D), 0.001f);
  EXPECT_GT(std::fabs(r.sel.N - in.N), 5.0f);
  in.T = 1.0e6f;  // no advance ratio of the grid gives it: no propeller
  EXPECT_TRUE(GIVEN_PROPELLER(in).stop.has_value());
}

}  // namespace
}  // namespace vdk
