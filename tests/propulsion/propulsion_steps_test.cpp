// The stretch before the propeller dialogue: the prerequisite record and its
// lines and the other-method blocks.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/stop.hpp"
#include "propulsion/other_methods.hpp"
#include "propulsion/propulsion_factors.hpp"
#include "report/propulsion_report.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

// A propulsion run after the resistance loop: five speeds 21..25 knots,
// trial 23 knots, D = 6.5 m given.
struct Fixture {
  ShipRecord ship;
  SpeedTable sp;
  FactorHull hull;

  Fixture() {
    ShipRecord& s = ship;
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
      sp.PEArr(i) = 1000.0f * static_cast<float>(i);
      sp.RVArr(i) = 900.0f + 10.0f * static_cast<float>(i);
    }
    s.Vtrial = 23;
    s.D = 6.5f;
    s.NPROP = 1;
    s.SeaMargin = 0.15f;
    s.CFw = 1;
    s.CFt = 1;
    s.CFetaR = 1;
    s.NoDN = 0;
    hull = FactorHull{205, 32, 10, 9, 0.5828f, 0.98f, 0.75f, 7431, -0.75f, 10, 1, 0, 1, 1, 1};
  }
  PropulsionPrerequisites compute() const {
    return PROPULSION_PREREQUISITES(ship, hull, sp.PEArr, sp.RVArr);
  }
};

struct Lines {
  std::string con, son;
};
Lines written(const PropulsionPrerequisites& p) {
  std::ostringstream con, son;
  WRITE_PROPULSION_PREREQUISITES(con, son, p);
  return {con.str(), son.str()};
}

constexpr const char* kTooFew =
    "   HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ";
constexpr const char* kStopped = "        PROGRAM DURDURULDU";
constexpr const char* kSeaMargin = "   Deniz Marjini = % 15. alinmistir\n";

TEST(PropulsionPrerequisites, FourSpeedsEndTheRunWithMessageOnBothOutputs) {
  Fixture f;
  f.ship.NSPEED = 4;
  const PropulsionPrerequisites p = f.compute();
  EXPECT_TRUE(p.too_few_speeds);
  EXPECT_FALSE(p.goes_on);
  EXPECT_FALSE(p.stop);
  const Lines l = written(p);
  EXPECT_EQ(l.son, std::string("\n") + kTooFew + "\n" + kStopped + "\n");
  EXPECT_EQ(l.con, std::string(kTooFew) + "\n" + kStopped + "\n");
}

TEST(PropulsionPrerequisites, FiveSpeedsProceedToFirstEstimate) {
  const Fixture f;
  const PropulsionPrerequisites p = f.compute();
  EXPECT_TRUE(p.goes_on);
  EXPECT_FALSE(p.stop);
  const Lines l = written(p);
  EXPECT_EQ(l.con, "");
  EXPECT_EQ(l.son, kSeaMargin);
  EXPECT_EQ(p.ITR, 3);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(p.PEtrArr(i), f.sp.PEArr(i));

  // CV from RVArr(3) = 930 kN at the trial speed of 23 knots.
  const float cv = 0.0017445534467697144f;
  EXPECT_EQ(p.CV, cv);

  // Assumed propeller: D = Ta/2, P/D 0.85, EAR 0.65; the given D is kept.
  float t = 0, w = 0, etaR = 0;
  HOLTROP_PROPULSION_FACTORS(205, 32, 10, 9, 0.5828f, 0.98f, 0.75f, 7431, -0.75f, 10, 5.0f, 0.85f,
                             0.65f, 1, cv, t, w, etaR, 0);
  EXPECT_EQ(p.first.w, w);
  EXPECT_EQ(p.first.t, t);
  EXPECT_EQ(p.first.etaR, etaR);
  EXPECT_EQ(p.D_used, 6.5f);

  // The same inputs give the same record.
  const PropulsionPrerequisites again = f.compute();
  EXPECT_EQ(again.first.w, p.first.w);
  EXPECT_EQ(again.D_used, p.D_used);
}

TEST(PropulsionPrerequisites, CorrectionFactorsScaleTheEstimate) {
  const Fixture plain;
  const ShipFactors base = plain.compute().first;
  Fixture f;
  f.hull.CFw = 1.1f;
  f.hull.CFt = 0.9f;
  f.hull.CFetaR = 1.02f;
  const ShipFactors scaled = f.compute().first;
  EXPECT_EQ(scaled.w, base.w * 1.1f);
  EXPECT_EQ(scaled.t, base.t * 0.9f);
  EXPECT_EQ(scaled.etaR, 1.02f * base.etaR);
  EXPECT_EQ(scaled.etaR_raw, base.etaR);
}

TEST(PropulsionPrerequisites, ResistanceOnlyRunEndsAfterSeaMarginLine) {
  Fixture f;
  f.ship.NSPEED = 3;  // no minimum for a resistance-only run
  f.ship.NoDN = 1;
  f.ship.D = 0;
  f.ship.SeaMargin = 0;
  const PropulsionPrerequisites p = f.compute();
  EXPECT_TRUE(p.resistance_only);
  EXPECT_FALSE(p.goes_on);
  const Lines l = written(p);
  EXPECT_EQ(l.son, "   Deniz Marjini = %  0. alinmistir\n");
  EXPECT_EQ(l.con, "");
  EXPECT_EQ(p.PEtrArr(3), 3000.0f);
  EXPECT_EQ(p.PEtrArr(4), 0.0f);
  EXPECT_EQ(p.D_used, 0.0f);  // no diameter default
  EXPECT_EQ(p.ITR, 0);
}

TEST(PropulsionPrerequisites, DiameterDefaultIsHalfTheAftDraught) {
  Fixture f;
  f.ship.D = 0.049f;  // rpm given instead
  EXPECT_EQ(f.compute().D_used, 5.0f);
  f.ship.D = 0.05f;
  EXPECT_EQ(f.compute().D_used, 0.05f);
}

TEST(PropulsionPrerequisites, TrialSpeedLookupToleranceAndFirstMatch) {
  Fixture f;
  f.ship.Vtrial = 23.0005f;  // half the tolerance off
  EXPECT_EQ(f.compute().ITR, 3);

  Fixture g;
  g.ship.Vs(3) = 22.0004f;  // entries 2 and 3 both within 0.001 knot
  g.ship.Vtrial = 22.0002f;
  EXPECT_EQ(g.compute().ITR, 2);
}

TEST(PropulsionPrerequisites, TrialSpeedNotInListStopsWithConsoleMessage) {
  Fixture f;
  f.ship.Vtrial = 23.002f;
  const PropulsionPrerequisites p = f.compute();
  ASSERT_TRUE(p.stop);
  EXPECT_EQ(p.stop->status, EXIT_BAD_INPUT);
  EXPECT_FALSE(p.stop->pause);
  EXPECT_FALSE(p.goes_on);
  const Lines l = written(p);
  EXPECT_EQ(l.con,
            "\n\n\n SEYIR TECRUBESI HIZI Vtrial = 23.002 knot HIZLAR LISTESINDE BULUNAMADI - "
            "STOP\n");
  // The results file has only the sea-margin line.
  EXPECT_EQ(l.son, kSeaMargin);
}

TEST(OtherMethodSections, ThreeBlocksInOrderWithTheShipsParticulars) {
  Fixture f;
  const OtherMethodSections s = OTHER_METHOD_SECTIONS(f.ship, 9.5f, 0.5828f, 0.5947f, 0.75f);
  std::ostringstream son;
  WRITE_OTHER_METHOD_SECTIONS(son, s);
  const std::string out = son.str();
  const auto ag = out.find("ANDERSENN&GULDHAMMER YONTEMI");
  const auto gh = out.find("GULDHAMMER&HARWALD YONTEMI");
  const auto other = out.find("Efektif Iz Katsayisi - w");
  ASSERT_NE(ag, std::string::npos);
  ASSERT_NE(gh, std::string::npos);
  ASSERT_NE(other, std::string::npos);
  EXPECT_LT(ag, gh);
  EXPECT_LT(gh, other);

  // The same Andersen-Guldhammer factors as a direct evaluation; the Dep
  // line shows the volume.
  const AndersenGuldhammer direct = ANDERSEN_GULDHAMMER(37500, 32, 9.5f, 205, 6.5f);
  EXPECT_EQ(s.ag.w, direct.w);
  EXPECT_EQ(s.ag.t, direct.t);
  EXPECT_EQ(s.other.papmehl.size(), 5u);
  EXPECT_NE(out.find("  Dep = 37500. t\n"), std::string::npos);
  EXPECT_NE(out.find("   T  =    9.50000 m\n  Taft=   10.00000 m\n"), std::string::npos);
}

}  // namespace
}  // namespace vdk
