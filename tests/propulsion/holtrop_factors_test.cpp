// Holtrop's w, t, etaR at the branch boundaries of the regressions. The
// expected values were worked out independently in single precision (every
// operation rounded to float); results that involve no real power are
// compared exactly, the others within 4 ulp.
#include <gtest/gtest.h>

#include "propulsion/propulsion_factors.hpp"

namespace vdk {
namespace {

struct Hull {
  float L = 100, B = 14, TA = 4, TF = 4, CB = 0.6f, CM = 0.98f, CWP = 0.75f, S = 1600;
  float LCBP = -1, CSTERN = 0, DP = 2, PD = 0.85f, EAR = 0.65f;
  int NPROP = 1;
  float CV = 0.008f;
  int IPOD = 0;
};

struct Factors {
  float t = 0, w = 0, etaR = 0;
};

Factors holtrop(const Hull& h) {
  Factors f;
  HOLTROP_PROPULSION_FACTORS(h.L, h.B, h.TA, h.TF, h.CB, h.CM, h.CWP, h.S, h.LCBP, h.CSTERN, h.DP,
                             h.PD, h.EAR, h.NPROP, h.CV, f.t, f.w, f.etaR, h.IPOD);
  return f;
}

// B S/(L DP TA) = 14*1600/(100*2*4) = 28 exactly and TA/DP = 2 exactly:
// both boundaries keep the plain value (C9 = C8, C11 = TA/DP = 2).
TEST(HoltropFactors, SingleScrewAtC8And_TaOverDpBoundaries) {
  Factors f = holtrop(Hull{});
  EXPECT_EQ(f.w, 0.6993017196655273f);  // the cubic C11 branch would give 0.69930160
  EXPECT_FLOAT_EQ(f.t, 0.32213568687438965f);
  EXPECT_EQ(f.etaR, 1.0009214878082275f);
}

TEST(HoltropFactors, SingleScrewBeyondC8AndTaOverDpLimits) {
  Hull h;
  h.S = 1601;  // C8 = 28.0175 > 28: C9 = 32 - 16/(C8 - 24)
  Factors f = holtrop(h);
  EXPECT_EQ(f.w, 0.699607253074646f);
  EXPECT_FLOAT_EQ(f.t, 0.3222319483757019f);

  h = Hull{};
  h.DP = 1.99f;  // TA/DP > 2: C11 = 0.0833333 (TA/DP)^3 + 1.333333
  f = holtrop(h);
  EXPECT_EQ(f.w, 0.7027350664138794f);
  EXPECT_FLOAT_EQ(f.t, 0.32335126399993896f);
}

TEST(HoltropFactors, PrismaticCoefficientSevenTenthsTakesMidshipBranchOfC19) {
  Hull h;
  h.CB = 0.7f;
  h.CM = 1.0f;  // CP = 0.7 exactly
  Factors f = holtrop(h);
  EXPECT_EQ(f.w, 0.8619248270988464f);
  EXPECT_FLOAT_EQ(f.t, 0.306338906288147f);
  EXPECT_EQ(f.etaR, 1.0074363946914673f);

  h.CB = 0.699f;  // just below: the block-coefficient branch
  f = holtrop(h);
  EXPECT_EQ(f.w, 0.8594574928283691f);
  EXPECT_FLOAT_EQ(f.t, 0.3064217269420624f);
  EXPECT_EQ(f.etaR, 1.0073621273040771f);
}

// At B/TA = 5 both C8 formulas agree in exact arithmetic; this hull is one
// where their single-precision results differ by one ulp, so only the second
// formula gives this w.
TEST(HoltropFactors, BreadthDraughtRatioFiveTakesSecondC8Formula) {
  Hull h;
  h.TA = 3.3f;
  h.TF = 3.3f;
  h.B = 16.5f;
  h.S = 1777.7f;
  h.DP = 3.3f;
  Factors f = holtrop(h);
  EXPECT_EQ(f.w, 0.6743391752243042f);  // first formula: 0.67433906
  EXPECT_FLOAT_EQ(f.t, 0.3057379424571991f);
}

TEST(HoltropFactors, TwinScrewSetIncludesPitchRatioInEtaR) {
  Hull h;
  h.NPROP = 2;
  Factors f = holtrop(h);
  EXPECT_EQ(f.t, 0.13517455756664276f);
  EXPECT_EQ(f.w, 0.17222994565963745f);
  EXPECT_EQ(f.etaR, 0.9903941750526428f);

  h.PD = 1.0f;
  Factors g = holtrop(h);
  EXPECT_EQ(g.t, f.t);
  EXPECT_EQ(g.w, f.w);
  EXPECT_EQ(g.etaR, 0.9809066653251648f);

  h.NPROP = 3;  // more than two screws: the same set
  EXPECT_EQ(holtrop(h).etaR, g.etaR);
}

TEST(HoltropFactors, TractorPodReplacesOnlyTAndWOnMeanDraught) {
  Hull h;
  h.TF = 3;  // TM = 3.5, differs from TA
  h.IPOD = 1;
  Factors single = holtrop(h);
  EXPECT_EQ(single.t, 0.11563082039356232f);
  EXPECT_EQ(single.w, 0.25098663568496704f);
  EXPECT_EQ(single.etaR, 1.0009214878082275f);  // single-screw etaR kept

  h.NPROP = 2;
  Factors twin = holtrop(h);
  EXPECT_EQ(twin.t, single.t);
  EXPECT_EQ(twin.w, single.w);
  EXPECT_EQ(twin.etaR, 0.9903941750526428f);  // twin-screw etaR kept

  h.IPOD = 2;  // only 1 selects the pod formulas
  EXPECT_EQ(holtrop(h).t, 0.13517455756664276f);
}

TEST(HoltropFactors, SternShapeAndAreaRatioTerms) {
  Hull h;
  h.CSTERN = 10;
  h.EAR = 0.5f;
  Factors f = holtrop(h);
  EXPECT_EQ(f.w, 0.8041969537734985f);
  EXPECT_FLOAT_EQ(f.t, 0.3626776933670044f);
  EXPECT_EQ(f.etaR, 1.0097835063934326f);
}

TEST(ViscousCoefficient, FromViscousResistanceInKiloNewton) {
  // 1000 kN at 25 knots, RHO 1025, S 7431 m2.
  EXPECT_EQ(VISCOUS_COEFFICIENT(1000.0f, 1025.0f, 7431.0f, 25.0f), 0.0015877309488132596f);
}

}  // namespace
}  // namespace vdk
