// Opening of a speed block: coefficients, length of run, wetted surface
// across speeds, form factors and the prismatic-coefficient stop.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::speed_block;
using test::worked_example_ship;

HullFormAtSpeed hull_form(const ShipRecord& s) {
  return COMPUTE_HULL_FORM(s, COMPUTE_INPUT_SUMMARY(s), 1, s.S);
}

TEST(HullForm, WorkedExampleAt25Knots) {
  const test::BlockRun run = speed_block(worked_example_ship());
  const HullFormAtSpeed& r = run.block().hull_form;
  EXPECT_NEAR(r.Fn, 0.2868f, 0.00005f);
  EXPECT_NEAR(r.hull.lcb, -0.75f, 1e-5f);
  EXPECT_NEAR(r.LR, 81.38f, 0.005f);
  EXPECT_NEAR(r.C, 1.11f, 1e-6f);
  EXPECT_NEAR(r.S_used, 7431.0f, 0.5f);
  EXPECT_NEAR(r.SE - 50.0f, 7381.0f, 0.5f);
  EXPECT_NEAR(r.S_Taylan, 7593.0f, 0.5f);
  EXPECT_NEAR(r.KHoltrop, 1.221f, 0.0005f);
  EXPECT_NEAR(r.OnePlusK, 1.221f, 0.0005f);
  EXPECT_NEAR(r.OnePlusKGrigson, 1.230f, 0.0005f);
  EXPECT_FLOAT_EQ(run.res.columns.Fn(1), r.Fn);

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
  ASSERT_GE(run.out.son.size(), want.size());
  EXPECT_EQ(std::vector<std::string>(run.out.son.begin(), run.out.son.begin() + 17), want);
  EXPECT_TRUE(run.out.son[17].rfind(test::kFrictionStart, 0) == 0);
}

TEST(HullForm, WettedSurfaceEstimatedAtFirstSpeedIsKept) {
  ShipRecord s = worked_example_ship();
  s.NSPEED = 2;
  s.Vs(1) = 20.0f;
  s.Vs(2) = 25.0f;
  const test::BlockRun b1 = speed_block(s, 1);
  const float S1 = b1.block().hull_form.S_used;
  EXPECT_TRUE(b1.block().hull_form.S_estimated);
  EXPECT_FLOAT_EQ(S1, b1.block().hull_form.SE);
  EXPECT_EQ(b1.res.S_used, S1);
  EXPECT_EQ(s.S, 0.0f);  // the ship record keeps "not given"
  for (const auto& l : b1.out.son) EXPECT_EQ(l.find("GERCEK"), std::string::npos);

  // From the second speed on the estimate counts as given: three lines, and
  // the appendage area is not added again.
  const test::BlockRun b2 = speed_block(s, 2);
  EXPECT_FALSE(b2.block().hull_form.S_estimated);
  EXPECT_FLOAT_EQ(b2.block().hull_form.S_used, S1);
  const auto& L2 = b2.out.son;
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
  const test::BlockRun b1 = speed_block(s, 1);
  EXPECT_FLOAT_EQ(b1.block().hull_form.S_used, 7050.0f);
  EXPECT_EQ(b1.out.son[11], "  TAHMINI ISLAK YUZEY (takinti dahil)-> S =  7431.45 m2");
  EXPECT_EQ(b1.out.son[13], "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7050.00 m2");
  const test::BlockRun b2 = speed_block(s, 2);
  EXPECT_FLOAT_EQ(b2.block().hull_form.S_used, 7050.0f);
  EXPECT_EQ(b2.out.son[13], "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7050.00 m2");
  EXPECT_FLOAT_EQ(b2.res.S_used, 7050.0f);
}

TEST(HullForm, FormFactorCorrection) {
  ShipRecord s = worked_example_ship();
  s.FFDF = 0.0f;
  const test::BlockRun r0 = speed_block(s);
  EXPECT_FLOAT_EQ(r0.block().hull_form.OnePlusK, 1.0f);
  const auto& L = r0.out.son;
  EXPECT_EQ(L[13], "  CIPLAK TEKNE FORM FAKTORU ------> (1+k) =  1.221");
  EXPECT_EQ(L[14], "  FORM FAKTORU DUZELTME KATS.----->  FFDF =  0.000");
  EXPECT_EQ(L[15], "  NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) =  1.000");

  s.FFDF = 1.1f;
  const HullFormAtSpeed r1 = hull_form(s);
  EXPECT_FLOAT_EQ(r1.OnePlusK, r1.KHoltrop * 1.1f);
}

TEST(HullForm, NegativeLengthOfRunBecomesHalfTheWaterline) {
  ShipRecord s = worked_example_ship();
  s.LCB = -40.0f;  // lcb about -19.5 %: the formula goes negative
  EXPECT_FLOAT_EQ(hull_form(s).LR, 102.5f);
}

TEST(HullForm, LengthOfRunExactlyZeroBecomesHalfTheWaterline) {
  // These particulars make the length-of-run formula come out exactly 0,
  // which once gave an infinite form factor and total resistance.
  ShipRecord s = worked_example_ship();
  s.Lwl = s.Lbp = 100.0f;
  s.B = 20.0f;
  s.Ta = s.Tf = 8.0f;
  s.V = 10002.437f;
  s.LCB = -14.679f;
  s.Cm = 0.98f;
  const HullFormAtSpeed r = hull_form(s);
  const HullCoefficients& h = r.hull;
  EXPECT_EQ(s.Lwl * (1.0f - h.CPlwl + 0.06f * h.CPlwl * h.lcb / (4.0f * h.CPlwl - 1.0f)), 0.0f);
  EXPECT_FLOAT_EQ(r.LR, 50.0f);
  EXPECT_TRUE(std::isfinite(r.KHoltrop));
  EXPECT_TRUE(std::isfinite(r.OnePlusK));
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
  const ShipRecord s = box_ship(0.9991f);
  const test::BlockRun run = speed_block(s);
  const SpeedBlock& b = run.block();
  EXPECT_EQ(b.end, BlockEnd::PrismaticStop);
  ASSERT_TRUE(b.stop.has_value());
  EXPECT_EQ(b.stop->status, EXIT_CALC_STOP);
  EXPECT_TRUE(b.stop->pause);
  EXPECT_EQ(b.stop->prompt, "  BITIRMEK ICIN `ENTER`TUSUNA BASIN ");
  ASSERT_TRUE(run.res.stop.has_value());
  EXPECT_EQ(run.res.S_used, s.S);  // the surface was not reached
  EXPECT_EQ(run.res.columns.Fn(1), 0.0f);

  const std::vector<std::string> msg = {
      "  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = 0.999, >1 OLDU. - STOP",
      "  CM DE YANLISLIK OLABILIR.- STOP",
      "  CB = 0.999  CM = 1.000 ",
  };
  EXPECT_EQ(run.out.con, msg);
  // The results file has the block up to the Froude number, then the message.
  const auto& L = run.out.son;
  ASSERT_EQ(L.size(), 8u);
  EXPECT_EQ(L[4], "  FROUDE SAYISI ---------------------> Fn = 4.106");
  EXPECT_EQ(std::vector<std::string>(L.begin() + 5, L.end()), msg);
}

TEST(HullForm, PrismaticCoefficientAtLimitPasses) {
  EXPECT_FALSE(hull_form(box_ship(0.999f)).prismatic_stop);
  const test::BlockRun run = speed_block(box_ship(0.999f));
  EXPECT_NE(run.block().end, BlockEnd::PrismaticStop);
  EXPECT_NE(run.out.son.at(5).substr(0, 21), "  PRIZMATIK KATSAYI(L");
}

}  // namespace
}  // namespace vdk
