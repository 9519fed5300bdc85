// The main-run stretch before the propeller dialogue, on hand-built runs.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/stop.hpp"
#include "propulsion/propulsion.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::split_lines;

// A propulsion run after the resistance loop: five speeds 21..25 knots,
// trial 23 knots, D = 6.5 m given.
struct Fixture : test::MemoryRun {
  Fixture() : MemoryRun("") {
    ShipRecord& s = run.ship;
    s.RHO = 1025;
    s.Lwl = 205;
    s.Lbp = 205;
    s.B = 32;
    s.Ta = 10;
    s.Tf = 9;
    s.V = 37500;
    s.Cm = 0.98f;
    s.Cwp = 0.75f;
    s.Cstern = 10;
    s.S = 7431;
    s.NSPEED = 5;
    for (int i = 1; i <= 5; ++i) {
      s.Vs(i) = 20.0f + static_cast<float>(i);
      run.sp.PEArr(i) = 1000.0f * static_cast<float>(i);
      run.sp.RVArr(i) = 900.0f + 10.0f * static_cast<float>(i);
    }
    s.Vtrial = 23;
    s.D = 6.5f;
    s.NPROP = 1;
    s.SeaMargin = 0.15f;
    s.CFw = 1;
    s.CFt = 1;
    s.CFetaR = 1;
    s.NoDN = 0;
    run.res.CBlwl = 0.5828f;
    run.res.CWPlwl = 0.75f;
    run.res.lcb = -0.75f;
    run.res.Tmean = 9.5f;
  }
};

constexpr const char* kTooFew =
    "   HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ";
constexpr const char* kStopped = "        PROGRAM DURDURULDU";

TEST(PropulsionPrerequisites, FourSpeedsEndTheRunWithMessageOnBothOutputs) {
  Fixture f;
  f.run.ship.NSPEED = 4;
  EXPECT_FALSE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.son.str(), std::string("\n") + kTooFew + "\n" + kStopped + "\n");
  EXPECT_EQ(f.con.str(), std::string(kTooFew) + "\n" + kStopped + "\n");
  EXPECT_EQ(f.run.ship.D, 6.5f);
}

TEST(PropulsionPrerequisites, FiveSpeedsProceedToFirstEstimate) {
  Fixture f;
  EXPECT_TRUE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.con.str(), "");
  EXPECT_EQ(f.son.str(), "   Deniz Marjini = % 15. alinmistir\n");
  EXPECT_EQ(f.run.prop.ITR, 3);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(f.run.sp.PEtrArr(i), f.run.sp.PEArr(i));

  // CV from RVArr(3) = 930 kN at the trial speed of 23 knots.
  const float cv = 0.0017445534467697144f;
  EXPECT_EQ(f.run.res.CV, cv);

  // Assumed propeller: D = Ta/2, P/D 0.85, EAR 0.65; D itself unchanged.
  float t = 0, w = 0, etaR = 0;
  HOLTROP_PROPULSION_FACTORS(205, 32, 10, 9, 0.5828f, 0.98f, 0.75f, 7431, -0.75f, 10, 5.0f, 0.85f,
                             0.65f, 1, cv, t, w, etaR, 0);
  EXPECT_EQ(f.run.prop.w, w);
  EXPECT_EQ(f.run.prop.t, t);
  EXPECT_EQ(f.run.prop.etaR, etaR);
  EXPECT_EQ(f.run.ship.D, 6.5f);
}

TEST(PropulsionPrerequisites, CorrectionFactorsScaleTheEstimate) {
  Fixture plain;
  ASSERT_TRUE(PROPULSION_PREREQUISITES(plain.run));
  Fixture f;
  f.run.ship.CFw = 1.1f;
  f.run.ship.CFt = 0.9f;
  f.run.ship.CFetaR = 1.02f;
  ASSERT_TRUE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.run.prop.w, plain.run.prop.w * 1.1f);
  EXPECT_EQ(f.run.prop.t, plain.run.prop.t * 0.9f);
  EXPECT_EQ(f.run.prop.etaR, 1.02f * plain.run.prop.etaR);
}

TEST(PropulsionPrerequisites, ResistanceOnlyRunEndsAfterSeaMarginLine) {
  Fixture f;
  f.run.ship.NSPEED = 3;  // no minimum for a resistance-only run
  f.run.ship.NoDN = 1;
  f.run.ship.D = 0;
  f.run.ship.SeaMargin = 0;
  EXPECT_FALSE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.son.str(), "   Deniz Marjini = %  0. alinmistir\n");
  EXPECT_EQ(f.con.str(), "");
  EXPECT_EQ(f.run.sp.PEtrArr(3), 3000.0f);
  EXPECT_EQ(f.run.sp.PEtrArr(4), 0.0f);
  EXPECT_EQ(f.run.ship.D, 0.0f);  // no diameter default
  EXPECT_EQ(f.run.prop.ITR, 0);
}

TEST(PropulsionPrerequisites, DiameterDefaultIsHalfTheAftDraught) {
  Fixture f;
  f.run.ship.D = 0.049f;  // rpm given instead
  ASSERT_TRUE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.run.ship.D, 5.0f);

  Fixture g;
  g.run.ship.D = 0.05f;
  ASSERT_TRUE(PROPULSION_PREREQUISITES(g.run));
  EXPECT_EQ(g.run.ship.D, 0.05f);
}

TEST(PropulsionPrerequisites, TrialSpeedLookupToleranceAndFirstMatch) {
  Fixture f;
  f.run.ship.Vtrial = 23.0005f;  // half the tolerance off
  ASSERT_TRUE(PROPULSION_PREREQUISITES(f.run));
  EXPECT_EQ(f.run.prop.ITR, 3);

  Fixture g;
  g.run.ship.Vs(3) = 22.0004f;  // entries 2 and 3 both within 0.001 knot
  g.run.ship.Vtrial = 22.0002f;
  ASSERT_TRUE(PROPULSION_PREREQUISITES(g.run));
  EXPECT_EQ(g.run.prop.ITR, 2);
}

TEST(PropulsionPrerequisites, TrialSpeedNotInListStopsWithConsoleMessage) {
  Fixture f;
  f.run.ship.Vtrial = 23.002f;
  try {
    PROPULSION_PREREQUISITES(f.run);
    FAIL() << "no stop";
  } catch (const StopRequest& stop) {
    EXPECT_EQ(stop.status, EXIT_BAD_INPUT);
    EXPECT_FALSE(stop.pause);
  }
  EXPECT_EQ(f.con.str(),
            "\n\n\n SEYIR TECRUBESI HIZI Vtrial = 23.002 knot HIZLAR LISTESINDE BULUNAMADI - "
            "STOP\n");
  // The results file has only the sea-margin line.
  EXPECT_EQ(f.son.str(), "   Deniz Marjini = % 15. alinmistir\n");
}

TEST(OtherMethodSections, WritesTheThreeBlocksAndKeepsAndersenGuldhammerFactors) {
  Fixture f;
  f.run.res.CB = 0.5828f;
  f.run.res.CP = 0.5947f;
  OTHER_METHOD_SECTIONS(f.run);
  const std::string out = f.son.str();
  const auto ag = out.find("ANDERSENN&GULDHAMMER YONTEMI");
  const auto gh = out.find("GULDHAMMER&HARWALD YONTEMI");
  const auto other = out.find("Efektif Iz Katsayisi - w");
  ASSERT_NE(ag, std::string::npos);
  ASSERT_NE(gh, std::string::npos);
  ASSERT_NE(other, std::string::npos);
  EXPECT_LT(ag, gh);
  EXPECT_LT(gh, other);
  EXPECT_EQ(f.con.str(), "");

  // The same Andersen-Guldhammer factors as a direct call; the Dep line
  // shows the volume.
  std::ostringstream direct;
  float w = 0, t = 0;
  ANDERSEN_GULDHAMMER(direct, 37500, 32, 9.5f, 205, 6.5f, w, t);
  EXPECT_EQ(f.run.prop.w, w);
  EXPECT_EQ(f.run.prop.t, t);
  EXPECT_NE(out.find("  Dep = 37500. t\n"), std::string::npos);
  EXPECT_NE(out.find("   T  =    9.50000 m\n  Taft=   10.00000 m\n"), std::string::npos);
}

}  // namespace
}  // namespace vdk
