// Opening of a speed block: coefficients, length of run, wetted surface
// across speeds, form factors and the prismatic-coefficient stop.
#include <gtest/gtest.h>

#include <string>

#include "resistance/resistance.hpp"
#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::MemoryRun;
using test::worked_example_ship;

// Runs the input summary and the opening of speed block 1; returns the lines
// of the block.
std::vector<std::string> open_block(MemoryRun& m, int i = 1) {
  if (i == 1) INPUT_SUMMARY(m.run);
  m.take_son();
  HULL_FORM_AT_SPEED(m.run, i);
  return m.son_lines();
}

TEST(HullForm, WorkedExampleAt25Knots) {
  MemoryRun m(worked_example_ship());
  const auto L = open_block(m);
  const ResistanceState& r = m.run.res;
  EXPECT_NEAR(r.Fn, 0.2868f, 0.00005f);
  EXPECT_NEAR(r.lcb, -0.75f, 1e-5f);
  EXPECT_NEAR(r.LR, 81.38f, 0.005f);
  EXPECT_NEAR(r.C, 1.11f, 1e-6f);
  EXPECT_NEAR(m.run.ship.S, 7431.0f, 0.5f);
  EXPECT_NEAR(r.SE - r.Sapptot, 7381.0f, 0.5f);
  EXPECT_NEAR(r.S_Taylan, 7593.0f, 0.5f);
  EXPECT_NEAR(r.KHoltrop, 1.221f, 0.0005f);
  EXPECT_NEAR(r.OnePlusK, 1.221f, 0.0005f);
  EXPECT_NEAR(r.OnePlusKGrigson, 1.230f, 0.0005f);
  EXPECT_FLOAT_EQ(m.run.sp.FnArr(1), r.Fn);

  const std::vector<std::string> want = {
      "",
      "  HESAP HIZI NO =  1",
      "  GEMI HIZI -------------------------> VS = 25.00 knot",
      "  GEMI HIZI -------------------------> VS = 12.86 m/s",
      "  FROUDE SAYISI ---------------------> Fn = 0.287",
      "  BLOK KATSAYISI (Lpp YE GORE) ------> CB = 0.572   ",
      "  PRIZMATIK KATSAYI (Lpp YE GORE) ---> CP = 0.583   ",
      "  BLOK KATSAYISI (Lwl YE GORE) ---> CBlwl = 0.572   ",
      "  SU HATTI N.K. (Lwl YE GORE) ---> CWPlwl = 0.750   ",
      "  CIKIS BOYU ------------------------> LR = 81.385 m",
      "  C PARAMETRESI ----------------------> C = 1.110",
      "  TAHMINI ISLAK YUZEY(takinti dahil) -> S =  7431.45 m2",
      "  TAHMINI ISLAK YUZEY(takinti dahil) -> S =  7592.50 m2 (Metin Taylan Formulu)",
      "  CIPLAK TEKNE FORM FAKTORU ------> (1+k) =  1.221",
      "  FORM FAKTORU DUZELTME KATS.----->  FFDF =  1.000",
      "  NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) =  1.221",
      "  GRIGSON s FOR FAKTORU ----------> (1+k) =  1.230",
  };
  EXPECT_EQ(L, want);
}

TEST(HullForm, WettedSurfaceEstimatedAtFirstSpeedIsKept) {
  ShipRecord s = worked_example_ship();
  s.NSPEED = 2;
  s.Vs(1) = 20.0f;
  s.Vs(2) = 25.0f;
  MemoryRun m(s);
  auto L1 = open_block(m, 1);
  const float S1 = m.run.ship.S;
  EXPECT_FLOAT_EQ(S1, m.run.res.SE);
  EXPECT_EQ(m.son.str().find("GERCEK"), std::string::npos);

  m.take_son();
  HULL_FORM_AT_SPEED(m.run, 2);
  const auto L2 = m.son_lines();
  // From the second speed on the estimate counts as given: three lines, and
  // the appendage area is not added again.
  EXPECT_FLOAT_EQ(m.run.ship.S, S1);
  EXPECT_EQ(L2[11], "  TAHMINI ISLAK YUZEY (takinti dahil)-> S =  7431.45 m2");
  EXPECT_EQ(L2[12],
            "  TAHMINI ISLAK YUZEY(takinti dahil) -> S =  7592.50 m2 (Metin Taylan Formulu)");
  EXPECT_EQ(L2[13], "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7431.45 m2");
}

TEST(HullForm, GivenWettedSurfaceGetsAppendagesOnce) {
  ShipRecord s = worked_example_ship();
  s.S = 7000.0f;
  s.NSPEED = 2;
  s.Vs(1) = 20.0f;
  s.Vs(2) = 25.0f;
  MemoryRun m(s);
  auto L1 = open_block(m, 1);
  EXPECT_FLOAT_EQ(m.run.ship.S, 7050.0f);
  EXPECT_EQ(L1[11], "  TAHMINI ISLAK YUZEY (takinti dahil)-> S =  7431.45 m2");
  EXPECT_EQ(L1[13], "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7050.00 m2");
  m.take_son();
  HULL_FORM_AT_SPEED(m.run, 2);
  EXPECT_FLOAT_EQ(m.run.ship.S, 7050.0f);
  EXPECT_EQ(m.son_lines()[13], "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7050.00 m2");
}

TEST(HullForm, FormFactorCorrection) {
  ShipRecord s = worked_example_ship();
  s.FFDF = 0.0f;
  MemoryRun m0(s);
  auto L = open_block(m0);
  EXPECT_FLOAT_EQ(m0.run.res.OnePlusK, 1.0f);
  EXPECT_EQ(L[13], "  CIPLAK TEKNE FORM FAKTORU ------> (1+k) =  1.221");
  EXPECT_EQ(L[14], "  FORM FAKTORU DUZELTME KATS.----->  FFDF =  0.000");
  EXPECT_EQ(L[15], "  NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) =  1.000");

  s.FFDF = 1.1f;
  MemoryRun m1(s);
  open_block(m1);
  EXPECT_FLOAT_EQ(m1.run.res.OnePlusK, m1.run.res.KHoltrop * 1.1f);
}

TEST(HullForm, NegativeLengthOfRunBecomesHalfTheWaterline) {
  ShipRecord s = worked_example_ship();
  s.LCB = -40.0f;  // lcb about -19.5 %: the formula goes negative
  MemoryRun m(s);
  open_block(m);
  EXPECT_FLOAT_EQ(m.run.res.LR, 102.5f);
}

ShipRecord box_ship(float V) {
  ShipRecord s = worked_example_ship();
  s.Lwl = s.Lbp = 1.0f;
  s.B = 1.0f;
  s.Ta = s.Tf = 1.0f;
  s.Cm = 1.0f;
  s.V = V;
  return s;
}

TEST(HullForm, PrismaticCoefficientAboveLimitStopsTheRun) {
  MemoryRun m(box_ship(0.9991f));
  INPUT_SUMMARY(m.run);
  m.take_son();
  try {
    HULL_FORM_AT_SPEED(m.run, 1);
    FAIL() << "no stop";
  } catch (const StopRequest& stop) {
    EXPECT_EQ(stop.status, EXIT_CALC_STOP);
    EXPECT_TRUE(stop.pause);
    EXPECT_EQ(stop.prompt, "  BITIRMEK ICIN `ENTER`TUSUNA BASIN ");
  }
  const std::string msg =
      "  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = 0.999, >1 OLDU. - STOP\n"
      "  CM DE YANLISLIK OLABILIR.- STOP\n"
      "  CB = 0.999  CM = 1.000 \n";
  EXPECT_EQ(m.con.str(), msg);
  // The results file has the block up to the Froude number, then the message.
  const auto L = m.son_lines();
  ASSERT_EQ(L.size(), 8u);
  EXPECT_EQ(L[4], "  FROUDE SAYISI ---------------------> Fn = 4.106");
  EXPECT_EQ(L[5] + "\n" + L[6] + "\n" + L[7] + "\n", msg);
}

TEST(HullForm, PrismaticCoefficientAtLimitPasses) {
  MemoryRun m(box_ship(0.999f));
  INPUT_SUMMARY(m.run);
  EXPECT_NO_THROW(HULL_FORM_AT_SPEED(m.run, 1));
  EXPECT_EQ(m.con.str(), "");
}

}  // namespace
}  // namespace vdk
