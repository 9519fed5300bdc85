// Open-water polynomials of the B and Gawn series, the controllable-pitch loss,
// the blade-drag correction and its context, the series dispatch and message.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>

#include "propeller/open_water.hpp"
#include "propeller/series_tables.hpp"
#include "report/propeller_report.hpp"

namespace vdk {
namespace {

SeriesSettings B() {
  return SeriesSettings{1, 0.0f};
}
SeriesSettings Gawn() {
  return SeriesSettings{2, 0.0f};
}

OpenWaterState at(float J) {
  OpenWaterState ow;
  ow.J = J;
  return ow;
}

TEST(SeriesTables, GawnDiffersFromBOnlyInItsRows) {
  int thrust = 0;
  for (int i = 0; i < THRUST_TERMS; ++i) {
    const SeriesTerm& b = WAGENINGEN_B_THRUST[i];
    const SeriesTerm& g = GAWN_THRUST[i];
    EXPECT_EQ(b.s, g.s);
    EXPECT_EQ(b.t, g.t);
    EXPECT_EQ(b.u, g.u);
    EXPECT_EQ(b.v, g.v);
    if (b.C != g.C) ++thrust;
  }
  int torque = 0;
  for (int i = 0; i < TORQUE_TERMS; ++i) {
    if (WAGENINGEN_B_TORQUE[i].C != GAWN_TORQUE[i].C) ++torque;
  }
  EXPECT_EQ(thrust, 11);
  EXPECT_EQ(torque, 14);
  EXPECT_EQ(GAWN_THRUST[30].C, 0.0025963f);  // row 31
  EXPECT_EQ(GAWN_TORQUE[29].C, 0.0035895f);  // row 30
  EXPECT_EQ(WAGENINGEN_B_THRUST[37].C, 5.65229e-05f);
  EXPECT_EQ(WAGENINGEN_B_TORQUE[46].C, 5.54194e-05f);
}

TEST(OpenWater, PlainPolynomialValues) {
  OpenWaterState ow = at(0.6f);
  WAGENINGEN_B_KTKQ(ow, B(), 1.0f, 0.55f, 4.0f);
  EXPECT_NEAR(ow.KT, 0.2241f, 0.00005f);
  EXPECT_NEAR(10.0f * ow.KQ, 0.3657f, 0.00005f);
  EXPECT_NEAR(ow.ETA0, 0.5852f, 0.00005f);
  EXPECT_EQ(ow.ETA0, ((ow.KT / ow.KQ) * 0.6f) / 6.2831855f);

  OpenWaterState og = at(0.6f);
  float Z = 3.0f;
  GAWN_KTKQ(og, Gawn(), 1.0f, 0.55f, Z);
  EXPECT_NEAR(og.KT, 0.2248f, 0.00005f);
  EXPECT_NEAR(10.0f * og.KQ, 0.3629f, 0.00005f);
  EXPECT_NEAR(og.ETA0, 0.5915f, 0.00005f);
}

// The sum runs in table order, each term multiplied left to right.
TEST(OpenWater, SumInTableOrder) {
  const float J = 0.437f, PD = 1.13f, EAR = 0.71f, Z = 5.0f;
  auto pw = [](float x, int k) {
    float p = 1.0f;
    for (int i = 0; i < k; ++i) p = p * x;
    return p;
  };
  float kt = 0.0f;
  for (const SeriesTerm& t : WAGENINGEN_B_THRUST)
    kt = kt + (((t.C * pw(J, t.s)) * pw(PD, t.t)) * pw(EAR, t.u)) * pw(Z, t.v);
  float kq = 0.0f;
  for (const SeriesTerm& t : WAGENINGEN_B_TORQUE)
    kq = kq + (((t.C * pw(J, t.s)) * pw(PD, t.t)) * pw(EAR, t.u)) * pw(Z, t.v);
  OpenWaterState ow = at(J);
  WAGENINGEN_B_KTKQ(ow, B(), PD, EAR, Z);
  EXPECT_EQ(ow.KT, kt);
  EXPECT_EQ(ow.KQ, kq);
}

// KT, KQ and ETA0 worked out apart from this code (term by term from the
// published coefficients in single precision) at four geometries that leave
// no term zero: any changed coefficient, exponent or term order shows here.
TEST(OpenWater, ValuesOfAnIndependentEvaluation) {
  struct Point {
    float J, PD, EAR, Z;
    float KT, KQ, ETA0;
  };
  const Point b[] = {
      {0.25f, 0.62f, 0.41f, 3.0f, 0.168779895f, 0.0174700581f, 0.384402782f},
      {0.713f, 1.27f, 0.98f, 5.0f, 0.330099523f, 0.0668329448f, 0.560484946f},
      {1.05f, 1.38f, 0.86f, 7.0f, 0.234528556f, 0.055339627f, 0.708221257f},
      {0.48f, 0.83f, 0.57f, 4.0f, 0.193777874f, 0.0270516127f, 0.547233105f},
  };
  // Gawn: the same geometries, evaluated with three blades.
  const Point g[] = {
      {0.25f, 0.62f, 0.41f, 3.0f, 0.165782198f, 0.0188011676f, 0.35084331f},
      {0.713f, 1.27f, 0.98f, 5.0f, 0.346859396f, 0.0736309811f, 0.534567475f},
      {1.05f, 1.38f, 0.86f, 7.0f, 0.199795842f, 0.0506198406f, 0.659591496f},
      {0.48f, 0.83f, 0.57f, 4.0f, 0.193332806f, 0.0272819288f, 0.541367054f},
  };
  for (const Point& p : b) {
    OpenWaterState ow = at(p.J);
    float Z = p.Z;
    SERIES_KTKQ(ow, B(), p.PD, p.EAR, Z);
    EXPECT_EQ(ow.KT, p.KT) << p.J;
    EXPECT_EQ(ow.KQ, p.KQ) << p.J;
    EXPECT_EQ(ow.ETA0, p.ETA0) << p.J;
  }
  for (const Point& p : g) {
    OpenWaterState ow = at(p.J);
    float Z = p.Z;
    SERIES_KTKQ(ow, Gawn(), p.PD, p.EAR, Z);
    EXPECT_EQ(ow.KT, p.KT) << p.J;
    EXPECT_EQ(ow.KQ, p.KQ) << p.J;
    EXPECT_EQ(ow.ETA0, p.ETA0) << p.J;
  }

  // With the drag correction of a 7.5 m/s, 110 rpm context (diameter from J);
  // the powers and the logarithm allow a last-digit difference.
  const Point bd[] = {
      {0.25f, 0.62f, 0.41f, 3.0f, 0.167902395f, 0.0162164811f, 0.411965102f},
      {0.713f, 1.27f, 0.98f, 5.0f, 0.32593596f, 0.0639292225f, 0.578552127f},
      {1.05f, 1.38f, 0.86f, 7.0f, 0.230009064f, 0.0524389185f, 0.732994318f},
      {0.48f, 0.83f, 0.57f, 4.0f, 0.192107901f, 0.0252695419f, 0.580776691f},
  };
  const Point gd[] = {
      {0.25f, 0.62f, 0.41f, 3.0f, 0.164061025f, 0.0163423531f, 0.399439484f},
      {0.713f, 1.27f, 0.98f, 5.0f, 0.343008846f, 0.0709455535f, 0.548642874f},
      {1.05f, 1.38f, 0.86f, 7.0f, 0.195526242f, 0.0478795208f, 0.682440281f},
      {0.48f, 0.83f, 0.57f, 4.0f, 0.190887392f, 0.0246723704f, 0.591054738f},
  };
  for (const SeriesSettings set : {B(), Gawn()}) {
    for (int i = 0; i < 4; ++i) {
      const Point& p = (set.SERIES == 1 ? bd : gd)[i];
      OpenWaterState ow = at(p.J);
      ow.ReVa = 7.5f;
      ow.ReN = 110.0f;
      float Z = p.Z;
      SERIES_KTKQ(ow, set, p.PD, p.EAR, Z);
      EXPECT_NEAR(ow.KT, p.KT, 2e-7f) << set.SERIES << ' ' << p.J;
      EXPECT_NEAR(ow.KQ, p.KQ, 2e-8f) << set.SERIES << ' ' << p.J;
      EXPECT_NEAR(ow.ETA0, p.ETA0, 2e-6f) << set.SERIES << ' ' << p.J;
    }
  }
}

TEST(OpenWater, ControllablePitchLossOnThrust) {
  OpenWaterState plain = at(0.6f);
  WAGENINGEN_B_KTKQ(plain, B(), 1.0f, 0.55f, 4.0f);

  OpenWaterState cp = at(0.6f);
  WAGENINGEN_B_KTKQ(cp, SeriesSettings{1, 1.0005f}, 1.0f, 0.55f, 4.0f);
  EXPECT_EQ(cp.KQ, plain.KQ);
  EXPECT_EQ(cp.ETA0, 0.98f * plain.ETA0);
  EXPECT_LT(cp.KT, plain.KT);
  EXPECT_NEAR(cp.KT * 0.6f / (cp.KQ * 6.2831855f), 0.98f * plain.ETA0, 1e-6f);

  OpenWaterState fp = at(0.6f);
  WAGENINGEN_B_KTKQ(fp, SeriesSettings{1, 1.002f}, 1.0f, 0.55f, 4.0f);
  EXPECT_EQ(fp.KT, plain.KT);
  EXPECT_EQ(fp.ETA0, plain.ETA0);
}

TEST(OpenWater, GawnOverwritesBladeNumber) {
  OpenWaterState a = at(0.6f);
  float Z = 4.0f;
  GAWN_KTKQ(a, Gawn(), 1.0f, 0.55f, Z);
  EXPECT_EQ(Z, 3.0f);
  OpenWaterState b = at(0.6f);
  float Z3 = 3.0f;
  GAWN_KTKQ(b, Gawn(), 1.0f, 0.55f, Z3);
  EXPECT_EQ(a.KT, b.KT);
  EXPECT_EQ(a.KQ, b.KQ);

  // Within 0.01 of three the blade number stays; the correction still uses 3.
  float Zc = 3.005f;
  OpenWaterState c = at(0.6f);
  c.ReD = 5.0f;
  c.ReN = 120.0f;
  GAWN_KTKQ(c, Gawn(), 1.0f, 0.55f, Zc);
  EXPECT_EQ(Zc, 3.005f);
  OpenWaterState plain = at(0.6f);
  GAWN_KTKQ(plain, Gawn(), 1.0f, 0.55f, Zc);
  float DKT = 0, DKQ = 0;
  KTKQ_REYNOLDS_CORRECTION(5.0f, 1.0f, 3, 0.0225f, 0.7f, 0.24f / 5.0f, 10.0f, 1.13902e-6f,
                           1.18831e-6f, DKT, DKQ);
  EXPECT_EQ(c.KT, plain.KT - DKT);
  EXPECT_EQ(c.KQ, plain.KQ - DKQ);
}

// Expected drag correction of a B-series propeller: the chord constant and
// the integer blade number used for the section.
void expect_b_correction(float Z, int Zi, float k, float D = 6.0f, float EAR = 0.6f) {
  const float PD = 0.9f, J = 0.55f;
  OpenWaterState ow = at(J);
  ow.ReD = D;
  ow.ReVa = 7.0f;
  ow.ReN = 100.0f;
  WAGENINGEN_B_KTKQ(ow, B(), PD, EAR, Z);
  OpenWaterState plain = at(J);
  WAGENINGEN_B_KTKQ(plain, B(), PD, EAR, Z);

  const float c = ((EAR * D) * k) / Z;
  const float t = (0.0185f - 0.00125f * Z) * D;
  float DKT = 0, DKQ = 0;
  KTKQ_REYNOLDS_CORRECTION(D, PD, Zi, t / c, c / D, 0.24f / D, 10.0f, 1.13902e-6f, 1.18831e-6f, DKT,
                           DKQ);
  EXPECT_NE(DKT, 0.0f);
  EXPECT_TRUE(std::isfinite(ow.KT));
  EXPECT_EQ(ow.KT, plain.KT - DKT);
  EXPECT_EQ(ow.KQ, plain.KQ - DKQ);
  EXPECT_EQ(ow.ETA0, ((ow.KT / ow.KQ) * J) / 6.2831855f);
}

TEST(DragCorrection, ChordConstantByTruncatedBladeNumber) {
  expect_b_correction(3.0f, 3, 2.1475f);
  expect_b_correction(2.99f, 2, 2.073f);
  expect_b_correction(4.0f, 4, 2.073f);
}

// A blade number typed far beyond the integer range (the dialogue reads it as
// a real): the section's integer blade number is held at the end of the range
// instead of an out-of-range conversion. (A huge disc keeps the numbers finite.)
TEST(DragCorrection, BladeNumberBeyondTheIntegerRange) {
  expect_b_correction(3.0e9f, std::numeric_limits<int>::max(), 2.073f, 5000.0f, 1.0f);
  OpenWaterState ow = at(0.6f);
  ow.ReVa = 7.5f;
  ow.ReN = 110.0f;
  float Z = -3.0e9f;
  SERIES_KTKQ(ow, B(), 1.0f, 0.55f, Z);  // completes; the values are of no use
  EXPECT_EQ(Z, -3.0e9f);
}

TEST(DragCorrection, ContextSwitch) {
  OpenWaterState plain = at(0.6f);
  WAGENINGEN_B_KTKQ(plain, B(), 1.0f, 0.55f, 4.0f);

  // No correction while advance speed and rpm are zero, whatever the diameter.
  OpenWaterState off = at(0.6f);
  off.ReD = 5.0f;
  WAGENINGEN_B_KTKQ(off, B(), 1.0f, 0.55f, 4.0f);
  EXPECT_EQ(off.KT, plain.KT);
  EXPECT_EQ(off.KQ, plain.KQ);

  // The rpm alone enables it.
  OpenWaterState on = at(0.6f);
  on.ReD = 5.0f;
  on.ReN = 120.0f;
  WAGENINGEN_B_KTKQ(on, B(), 1.0f, 0.55f, 4.0f);
  EXPECT_NE(on.KT, plain.KT);
  EXPECT_NE(on.KQ, plain.KQ);

  // Diameter derived from advance speed, rpm and J when none is set.
  OpenWaterState derived = at(0.6f);
  derived.ReVa = 6.0f;
  derived.ReN = 120.0f;
  WAGENINGEN_B_KTKQ(derived, B(), 1.0f, 0.55f, 4.0f);
  OpenWaterState explicitD = at(0.6f);
  explicitD.ReD = 6.0f / ((120.0f / 60.0f) * 0.6f);
  explicitD.ReVa = 6.0f;
  WAGENINGEN_B_KTKQ(explicitD, B(), 1.0f, 0.55f, 4.0f);
  EXPECT_EQ(derived.KT, explicitD.KT);
  EXPECT_EQ(derived.KQ, explicitD.KQ);
}

TEST(DragCorrection, CorrectionKeepsControllablePitchLoss) {
  OpenWaterState ow = at(0.6f);
  ow.ReD = 5.0f;
  ow.ReN = 120.0f;
  WAGENINGEN_B_KTKQ(ow, SeriesSettings{1, 1.0f}, 1.0f, 0.55f, 4.0f);
  OpenWaterState cp = at(0.6f);
  WAGENINGEN_B_KTKQ(cp, SeriesSettings{1, 1.0f}, 1.0f, 0.55f, 4.0f);
  float DKT = 0, DKQ = 0;
  const float c = ((0.55f * 5.0f) * 2.073f) / 4.0f;
  const float t = (0.0185f - 0.00125f * 4.0f) * 5.0f;
  KTKQ_REYNOLDS_CORRECTION(5.0f, 1.0f, 4, t / c, c / 5.0f, 0.24f / 5.0f, 10.0f, 1.13902e-6f,
                           1.18831e-6f, DKT, DKQ);
  EXPECT_EQ(ow.KT, cp.KT - DKT);
}

TEST(ReynoldsCorrection, Formula) {
  // D 5 m, chord/diameter 0.3, thickness/chord 0.04: the model-size section
  // (S scales to a 0.24 m propeller) has the higher drag, so DKT < 0.
  float DKT = 0, DKQ = 0;
  KTKQ_REYNOLDS_CORRECTION(5.0f, 1.0f, 4, 0.04f, 0.3f, 0.048f, 10.0f, 1.13902e-6f, 1.18831e-6f, DKT,
                           DKQ);
  const float cf = 0.3f * 5.0f;
  const float Rn =
      ((((10.0f * 3.1415927f) * (5.0f / 0.048f)) * (cf / 0.048f)) * 0.75f) / 1.13902e-6f;
  const float CDM =
      (2.0f * (1.0f + 2.0f * 0.04f)) * (0.044f / powf(Rn, 0.1667f) - 5.0f / powf(Rn, 0.6667f));
  const float CF = 1.0f / powf(1.89f + 1.62f * log10f(cf / 0.00003f), 2.5f);
  const float dcd = (2.0f * (1.0f + 2.0f * 0.04f)) * CF - CDM;
  EXPECT_EQ(DKT, (((0.28f * 4.0f) * 0.3f) * 1.0f) * dcd);
  EXPECT_EQ(DKQ, ((0.248f * 4.0f) * 0.3f) * dcd);
  // The sea-water viscosity takes no part.
  float DKT2 = 0, DKQ2 = 0;
  KTKQ_REYNOLDS_CORRECTION(5.0f, 1.0f, 4, 0.04f, 0.3f, 0.048f, 10.0f, 1.13902e-6f, 9.0f, DKT2,
                           DKQ2);
  EXPECT_EQ(DKT2, DKT);
}

TEST(SeriesDispatch, OtherSeriesKeepsPreviousValues) {
  OpenWaterState ow = at(0.6f);
  float Z = 4.0f;
  SERIES_KTKQ(ow, B(), 1.0f, 0.55f, Z);
  const OpenWaterState before = ow;
  ow.J = 0.9f;
  SERIES_KTKQ(ow, SeriesSettings{3, 0.0f}, 1.2f, 0.7f, Z);
  EXPECT_EQ(ow.KT, before.KT);
  EXPECT_EQ(ow.KQ, before.KQ);
  EXPECT_EQ(ow.ETA0, before.ETA0);

  SERIES_KTKQ(ow, Gawn(), 1.0f, 0.55f, Z);
  EXPECT_EQ(Z, 3.0f);
}

std::uint32_t bits(float x) {
  return std::bit_cast<std::uint32_t>(x);
}

// Every lane of the lane kernel, on each build of it the processor can run
// (baseline and AVX2), equals the single evaluation bit for bit (a NaN or a
// signed zero too) over the search's J grid, for both series, fixed and
// controllable pitch, with and without the drag correction, at the ends and
// the middle of the P/D grid. A sweep of the whole grid gives the same values
// (and the same KT when only the thrust is asked for) and stops after the
// first group holding a negative thrust.
TEST(SeriesDispatch, LanesMatchSingleEvaluation) {
  constexpr int N = 1408;  // J 0.100 .. 1.507, whole lane groups
  static_assert(N % SERIES_LANES == 0);
  float J[N];
  float j = 0.1f;
  for (float& x : J) x = j, j = j + 0.001f;
  int codes = 0;
  for (const LaneCode code : {LaneCode::Baseline, LaneCode::Avx2}) {
    if (!LANE_CODE_AVAILABLE(code)) continue;
    ++codes;
    for (const SeriesSettings set : {SeriesSettings{1, 0.0f}, SeriesSettings{2, 1.0f},
                                     SeriesSettings{1, 1.0f}, SeriesSettings{2, 0.0f}}) {
      for (const bool corrected : {false, true}) {
        OpenWaterState ctx;
        if (corrected) {
          ctx.ReVa = 7.5f;
          ctx.ReN = 110.0f;
        }
        for (const float PD : {0.5f, 0.87f, 1.39f}) {
          float KT[N], KQ[N], ETA0[N];
          int first_negative = N;
          for (int k = 0; k < N; k += SERIES_LANES) {
            float Z = 4.0f;
            ASSERT_EQ(SERIES_KTKQ_SWEEP_WITH(code, ctx, set, PD, 0.62f, Z, J + k, SERIES_LANES,
                                             KT + k, KQ + k, ETA0 + k),
                      SERIES_LANES);
            for (int l = k; l < k + SERIES_LANES; ++l) {
              OpenWaterState one = ctx;
              one.J = J[l];
              float Z1 = 4.0f;
              SERIES_KTKQ(one, set, PD, 0.62f, Z1);
              ASSERT_EQ(bits(KT[l]), bits(one.KT))
                  << static_cast<int>(code) << ' ' << set.SERIES << ' ' << PD << ' ' << J[l];
              ASSERT_EQ(bits(KQ[l]), bits(one.KQ));
              ASSERT_EQ(bits(ETA0[l]), bits(one.ETA0));
              ASSERT_EQ(Z, Z1);
              if (one.KT < 0.0f && first_negative == N) first_negative = l;
            }
          }
          float KTs[N], KQs[N], ETA0s[N];
          float Z = 4.0f;
          const int swept =
              SERIES_KTKQ_SWEEP_WITH(code, ctx, set, PD, 0.62f, Z, J, N, KTs, KQs, ETA0s);
          const int group_end = (first_negative / SERIES_LANES + 1) * SERIES_LANES;
          ASSERT_EQ(swept, first_negative == N ? N : group_end) << PD;
          // Thrust only: the same KT.
          float KTt[N];
          ASSERT_EQ(
              SERIES_KTKQ_SWEEP_WITH(code, ctx, set, PD, 0.62f, Z, J, N, KTt, nullptr, nullptr),
              swept);
          for (int l = 0; l < swept; ++l) {
            ASSERT_EQ(bits(KTs[l]), bits(KT[l]));
            ASSERT_EQ(bits(KQs[l]), bits(KQ[l]));
            ASSERT_EQ(bits(ETA0s[l]), bits(ETA0[l]));
            ASSERT_EQ(bits(KTt[l]), bits(KT[l]));
          }
        }
      }
    }
  }
  EXPECT_GE(codes, 1);
  if (!LANE_CODE_AVAILABLE(LaneCode::Avx2)) GTEST_SKIP() << "no AVX2 here: baseline build only";
}

TEST(SeriesMessage, NamesSeriesOnBothUnits) {
  std::ostringstream con, son;
  WRITE_SERIES_MESSAGE(con, son, B());
  EXPECT_EQ(con.str(), " HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR\n");
  EXPECT_EQ(son.str(), con.str());
  std::ostringstream con2, son2;
  WRITE_SERIES_MESSAGE(con2, son2, Gawn());
  EXPECT_EQ(son2.str(), " HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR\n");
  std::ostringstream con3, son3;
  WRITE_SERIES_MESSAGE(con3, son3, SeriesSettings{3, 0.0f});
  EXPECT_EQ(con3.str(), "");
  EXPECT_EQ(son3.str(), "");
}

}  // namespace
}  // namespace vdk
