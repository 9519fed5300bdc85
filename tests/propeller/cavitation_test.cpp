// Keller, Burrill, Wageningen and tip-speed checks of the trial propeller.
#include "propeller/cavitation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "report/propeller_report.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

// A propeller of 5 m at 110 rpm with 800 kN thrust, 5 m below the surface;
// the expected figures are worked by hand (double precision, rounded as printed).
CavitationInput medium_propeller() {
  CavitationInput in;
  in.T = 800.0f;
  in.Va = 12.0f;
  in.EAR = 0.6f;
  in.RHO = 1025.0f;
  in.GRAV = 9.81f;
  in.Hsd = 5.0f;
  in.D = 5.0f;
  in.N = 110.0f;
  in.PD = 0.9f;
  return in;
}

struct Outputs {
  std::ostringstream con, son;
};

// The checks and their report, as the trial propeller makes them.
CavitationResult CHECK(Outputs& o, const CavitationInput& in) {
  const CavitationResult r = CAVITATION_CHECKS(in);
  WRITE_CAVITATION_CHECKS(o.con, o.son, r);
  return r;
}

TEST(Cavitation, WorkedFiguresInRange) {
  Outputs o;
  const CavitationResult r = CHECK(o, medium_propeller());
  ASSERT_TRUE(r.inRange);
  EXPECT_NEAR(r.Sigma, 0.65225, 2e-5);
  EXPECT_NEAR(r.Tauc, 0.34627, 2e-5);
  EXPECT_NEAR(r.EARB25, 1.10609, 5e-5);
  EXPECT_NEAR(r.EARB50, 0.89568, 5e-5);
  EXPECT_NEAR(r.EARBUP, 0.97053, 5e-5);
  EXPECT_NEAR(r.EARW, 0.77298, 5e-5);
  EXPECT_NEAR(r.Vtip, 28.7979, 1e-3);

  const std::string block =
      "  Mevcut EAR =  0.600 =>   Sigma = 0.652 Tauc = 0.346\n"
      "  %2.5 Sirt Kavitasyon Hattina Gore Min. EAR =  1.106\n"
      "  %5.0 Sirt Kavitasyon Hattina Gore Min. EAR =  0.896\n"
      "  Tavsiye edilen ust sinir icin Minimum  EAR =  0.971\n";
  EXPECT_NE(o.con.str().find(block), std::string::npos);
  EXPECT_NE(o.son.str().find(block), std::string::npos);
  EXPECT_NE(o.son.str().find("  Min. EAR =  0.773\n"), std::string::npos);
}

TEST(Cavitation, BlocksGoToTheirOutputsInOrder) {
  Outputs o;
  CHECK(o, medium_propeller());
  const std::string con = o.con.str();
  const std::string son = o.son.str();
  // Console: two empty lines, then the Burrill block opening with two more.
  EXPECT_EQ(con.rfind("\n\n\n\n  ======", 0), 0u);
  EXPECT_EQ(con.find("TIP VORTEX"), std::string::npos);
  const auto burrill = son.find("BURRIL KAVITASYON KRITERINE GORE");
  const auto tip = son.find("UC HIZINA GORE KANAT UCU GIRDABI");
  const auto wag = son.find("WAGENINGEN KAVITASYON KRIT.");
  const auto vortex = son.find("KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU");
  ASSERT_NE(vortex, std::string::npos);
  EXPECT_LT(burrill, tip);
  EXPECT_LT(tip, wag);
  EXPECT_LT(wag, vortex);
  // The results file ends with the second tip-speed block.
  const std::string tail =
      "\n"
      "  ======================================================\n"
      "  KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU\n"
      "  ======================================================\n"
      "  Vtip = 28.798 m/s  (Vtip-Kanat ucu hizi<30 m/s olmali)\n"
      "  ======================================================\n";
  ASSERT_GE(son.size(), tail.size());
  EXPECT_EQ(son.substr(son.size() - tail.size()), tail);
  EXPECT_NE(son.find("  Vtip = 28.798 m/s  (Vtip < 30 m/s olmali - Yaklasik)\n"),
            std::string::npos);
}

TEST(Cavitation, RangeBoundsAreInclusive) {
  EXPECT_TRUE(SIGMA_IN_BURRILL_RANGE(0.18f));
  EXPECT_TRUE(SIGMA_IN_BURRILL_RANGE(1.5f));
  EXPECT_FALSE(SIGMA_IN_BURRILL_RANGE(std::nextafter(0.18f, 0.0f)));
  EXPECT_FALSE(SIGMA_IN_BURRILL_RANGE(std::nextafter(1.5f, 2.0f)));
  EXPECT_NEAR(BURRILL_UPPER_LIMIT_TAUC(0.4f), 0.158f, 5e-4f);
}

// Shaft immersion that puts Sigma just on the wanted side of a bound of the
// range: the nearest immersion (float steps) with Sigma inside or outside.
float immersion_for_sigma(CavitationInput in, float bound, bool lower_bound, bool inside) {
  // Sigma grows with the immersion; bisect on it. Below `lo` lies the
  // side of the bound that excludes it for the lower bound and includes it
  // for the upper one.
  float lo = -9.0f, hi = 60.0f;
  for (int k = 0; k < 200; ++k) {
    const float mid = 0.5f * (lo + hi);
    in.Hsd = mid;
    const float sigma = CAVITATION_CHECKS(in).Sigma;
    const bool below = lower_bound ? sigma < bound : sigma <= bound;
    (below ? lo : hi) = mid;
  }
  return (lower_bound == inside) ? hi : lo;
}

TEST(Cavitation, SigmaJustInsideAndOutsideTheChart) {
  struct Case {
    float bound;
    bool lower;
  };
  for (const Case c : {Case{0.18f, true}, Case{1.5f, false}}) {
    CavitationInput in = medium_propeller();
    const float inside = immersion_for_sigma(in, c.bound, c.lower, true);
    const float outside = immersion_for_sigma(in, c.bound, c.lower, false);
    {
      in.Hsd = inside;
      Outputs o;
      const CavitationResult r = CHECK(o, in);
      EXPECT_TRUE(r.inRange) << c.bound << " " << r.Sigma;
      EXPECT_NE(o.son.str().find("BURRIL KAVITASYON"), std::string::npos);
      EXPECT_EQ(o.son.str().find("HATA"), std::string::npos);
    }
    {
      in.Hsd = outside;
      Outputs o;
      const CavitationResult r = CHECK(o, in);
      EXPECT_FALSE(r.inRange) << c.bound << " " << r.Sigma;
      EXPECT_NEAR(r.Sigma, c.bound, 1e-5f);
      const std::string sig = c.bound < 1.0f ? " 0.180" : " 1.500";
      const std::string msg = "\n\n\n HATA - PERVANE KAVITASYON SAYISI - Sigma = " + sig +
                              " LIMITLERIN DISINDA KALDI.\n"
                              " LIMITLER  0.18<Sigma<1.5 dir.\n"
                              " BU DURUMDA BURRIL ANALIZI YAPILAMAZ.\n"
                              " LUTFEN SAFT DERINLIGINI VEYA PERVANE DEVRINI DEGISTIRIN.\n";
      EXPECT_EQ(o.con.str(), msg);
      EXPECT_EQ(o.son.str().rfind(msg, 0), 0u);
      EXPECT_EQ(o.son.str().find("BURRIL KAVITASYON"), std::string::npos);
      EXPECT_EQ(o.son.str().find("WAGENINGEN"), std::string::npos);
      EXPECT_NE(o.son.str().find("TIP VORTEX"), std::string::npos);
    }
  }
}

TEST(Cavitation, DensityMovesSigmaButNotThePresentLoading) {
  CavitationInput fresh = medium_propeller();
  fresh.RHO = 1000.0f;
  Outputs a, b;
  const CavitationResult sea = CHECK(a, medium_propeller());
  const CavitationResult fw = CHECK(b, fresh);
  EXPECT_NEAR(fw.Sigma, 0.66304, 2e-5);
  EXPECT_NEAR(fw.EARB25, 1.12405, 5e-5);
  EXPECT_FLOAT_EQ(fw.Tauc, sea.Tauc);
}

TEST(Cavitation, KellerAreaRatio) {
  const float PSTAT = SHAFT_PRESSURE(1025.0f, 9.81f, 5.0f);
  EXPECT_FLOAT_EQ(PSTAT, 148576.25f);
  EXPECT_NEAR(KELLER_AREA_RATIO(4.0f, 800.0f, PSTAT, 5.0f), 0.73844, 2e-5);
  // Each further blade adds 0.3 T 1000 / (PSTAT D^2).
  const float step =
      KELLER_AREA_RATIO(5.0f, 800.0f, PSTAT, 5.0f) - KELLER_AREA_RATIO(4.0f, 800.0f, PSTAT, 5.0f);
  EXPECT_NEAR(step, 0.3f * 800.0f * 1000.0f / (PSTAT * 25.0f), 1e-6f);

  std::ostringstream son;
  WRITE_KELLER_BLOCK(son, 0.8f, 0.73844f);
  EXPECT_EQ(son.str(),
            "\n\n  ======================================================\n"
            "  KELLER KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU\n"
            "  ======================================================\n"
            "  Mevcut EAR =  0.800 /         Keller EAR =  0.738\n"
            "  ======================================================\n\n\n");
}

}  // namespace
}  // namespace vdk
