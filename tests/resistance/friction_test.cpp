// Reynolds number, ITTC-1957 friction, appendage and wind resistance.
#include <gtest/gtest.h>

#include <string>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::worked_example_ship;

// The friction step of speed 1 and its lines.
struct Friction {
  FrictionAppendageWind r;
  float S = 0;  // wetted surface used
  std::vector<std::string> lines;
};
Friction friction_block(const ShipRecord& s) {
  const test::BlockRun run = test::speed_block(s);
  return {run.block().friction, run.block().hull_form.S_used,
          test::section(run.out.son, test::kFrictionStart, test::kWaveStart)};
}

TEST(Friction, WorkedExampleAt25Knots) {
  const test::BlockRun run = test::speed_block(worked_example_ship());
  const auto L = test::section(run.out.son, test::kFrictionStart, test::kWaveStart);
  const FrictionAppendageWind& r = run.block().friction;
  EXPECT_NEAR(r.Rn, 2.219e+09f, 0.0005e+09f);
  EXPECT_NEAR(1000.0f * r.CF, 1.390f, 0.0005f);
  EXPECT_NEAR(1000.0f * r.CV, 1.696f, 0.0005f);
  EXPECT_NEAR(r.RF, 875.4f, 0.05f);
  EXPECT_NEAR(r.RAPP, 8.835f, 0.0005f);
  EXPECT_EQ(r.RAIR, 0.0f);
  EXPECT_EQ(run.res.columns.Rn(1), r.Rn);
  EXPECT_EQ(run.res.columns.CF(1), r.CF);
  EXPECT_EQ(run.res.columns.CV(1), r.CV);
  const std::vector<std::string> want = {
      "  SURTUNME DIRENC KATSAYISI ----> CF*1000 =  1.390",
      "  FORM DIRENCI KATSAYISI  ------> CV*1000 =  1.696",
      "  SURTUNME DIRENCI ------------------> RF =   875.39 kN",
      "  TAKINTI TOPLAM DIRENCI ----------> RAPP =     8.83 kN",
      "  RUZGAR DIRENCI ------------------> RAIR =     0.00 kN",
  };
  EXPECT_EQ(L, want);
}

TEST(Friction, ReynoldsNumberAndFrictionAt10KnotsOn100Metres) {
  ShipRecord s = worked_example_ship();
  s.Lwl = s.Lbp = 100.0f;
  s.V = 37500.0f * 100.0f / 205.0f;
  s.Vs(1) = 10.0f;
  const Friction f = friction_block(s);
  EXPECT_NEAR(f.r.Rn, 4.3288e+08f, 0.00005e+08f);
  EXPECT_NEAR(1000.0f * f.r.CF, 1.703f, 0.0005f);
}

TEST(Friction, NoAppendageNoAppendageResistance) {
  ShipRecord s = worked_example_ship();
  s.Sapp(1) = 0.0f;
  const Friction f = friction_block(s);
  const auto& L = f.lines;
  EXPECT_EQ(f.r.RAPP, 0.0f);
  EXPECT_EQ(L[3], "  TAKINTI TOPLAM DIRENCI ----------> RAPP =     0.00 kN");
}

TEST(Wind, SwitchedOffByDepthOrFrontalAreaOfOneTenth) {
  for (auto [depth, onyuz] : {std::pair{0.1f, 200.0f}, std::pair{18.0f, 0.1f}}) {
    ShipRecord s = worked_example_ship();
    s.DepthFP = depth;
    s.ONYUZ = onyuz;
    const Friction f = friction_block(s);
    const auto& L = f.lines;
    EXPECT_EQ(f.r.wind, WindCase::Off);
    ASSERT_EQ(L.size(), 5u);
    EXPECT_EQ(L[4], "  RUZGAR DIRENCI ------------------> RAIR =     0.00 kN");
  }
}

TEST(Wind, DepthBelowBowDraughtIsReportedAndIgnored) {
  ShipRecord s = worked_example_ship();
  s.DepthFP = 9.0f;
  s.ONYUZ = 200.0f;
  const Friction f = friction_block(s);
  const auto& L = f.lines;
  EXPECT_EQ(f.r.wind, WindCase::DepthBelowDraught);
  ASSERT_EQ(L.size(), 7u);
  EXPECT_EQ(L[4], "   BAS DIKMEDEKI GEMI YUKSEKLIGI BAS DRAFTTAN KUCUK  GIRILDI.");
  EXPECT_EQ(L[5], "   BU DURUMDA RUZGAR DIRENCI HESAPLANMAZ.");
  EXPECT_EQ(L[6], "  RUZGAR DIRENCI ------------------> RAIR =     0.00 kN");
  EXPECT_EQ(f.r.RAIR, 0.0f);
}

TEST(Wind, ResistanceOfHullAndDeckhouseFrontalAreas) {
  ShipRecord s = worked_example_ship();
  s.DepthFP = 18.0f;
  s.ONYUZ = 300.0f;
  const Friction f = friction_block(s);
  const auto& L = f.lines;
  const FrictionAppendageWind& r = f.r;
  // 32 m * 8 m * 0.98 = 250.88 m2 of hull above the bow waterline
  EXPECT_FLOAT_EQ(r.AFRONT, 250.88f);
  const float v = 0.5144f * 25.0f;
  EXPECT_NEAR(r.RAIR, 0.0005f * 1025.0f * v * v * (250.88f + 300.0f) / 1000.0f, 1e-4f);
  ASSERT_EQ(L.size(), 8u);
  EXPECT_EQ(L[4], "  GEMI ON YUZEY ALANI -----------> D*B*CM = 250.88 m2");
  EXPECT_EQ(L[5], "  GUVERTE EVI/YUK ON YUZEY ALANI -> ONYUZ = 300.00 m2");
  EXPECT_EQ(L[6], "  RUZGAR DIRENCI KATSAYISI ----> CAA*1000 =  0.074");
  EXPECT_EQ(L[7], "  RUZGAR DIRENCI ------------------> RAIR =    46.69 kN");

  // Doubling the wetted surface halves CAA and leaves RAIR unchanged.
  s.S = 2.0f * f.S - 50.0f;  // given hull surface: appendages added once
  const Friction f2 = friction_block(s);
  EXPECT_FLOAT_EQ(f2.S, 2.0f * f.S);
  EXPECT_NEAR(f2.r.CAA, 0.5f * r.CAA, 1e-9f);
  EXPECT_NEAR(f2.r.RAIR, r.RAIR, 1e-3f);
}

TEST(Wind, DepthEqualToBowDraughtLeavesDeckhouseAlone) {
  ShipRecord s = worked_example_ship();
  s.DepthFP = 10.0f;
  s.ONYUZ = 300.0f;
  const Friction f = friction_block(s);
  const auto& L = f.lines;
  EXPECT_EQ(f.r.AFRONT, 0.0f);
  EXPECT_FLOAT_EQ(f.r.CAA, 0.001f * 300.0f / f.S);
  EXPECT_EQ(L[4], "  GEMI ON YUZEY ALANI -----------> D*B*CM =   0.00 m2");
}

}  // namespace
}  // namespace vdk
