// The propulsion factors as published, on the hull of Holtrop & Mennen's
// 1982 example with an 8 m propeller (CV = (1+k1) CF + CA = 1.156 * 0.001390
// + 0.000352); the 1984 values worked out in double precision.
#include <gtest/gtest.h>

#include <cmath>

#include "propulsion/propulsion_factors.hpp"

namespace vdk {
namespace {

struct Factors {
  float t = 0, w = 0, etaR = 0;
};

// L 205 m, B 32 m, CB 37500/(205*32*10) on L, CM 0.98, S 7381.45 m2, lcb
// -0.75 % of L, Cstern 10, P/D 0.9, EAR 0.75.
Factors example(Method m, int NPROP, float TA = 10.0f, float TF = 10.0f) {
  Factors f;
  PUBLISHED_PROPULSION_FACTORS(m, 205.0f, 32.0f, TA, TF, 37500.0f / 65600.0f, 0.98f, 7381.45f,
                               -0.75f, 10.0f, 8.0f, 0.9f, 0.75f, NPROP,
                               1.156f * 0.001390f + 0.000352f, 0.0f, f.t, f.w, f.etaR, 0);
  return f;
}

TEST(PublishedFactors, SingleAndTwinScrewOnTheWorkedExample) {
  const float CB = 37500.0f / 65600.0f, lcbTerm = 0.0225f * 0.75f;
  const Factors f82 = example(Method::HM1982, 1);
  EXPECT_NEAR(f82.w, 0.258f, 0.0005f);  // the values attributed to the paper
  EXPECT_NEAR(f82.t, 0.1747f, 0.00005f);
  EXPECT_NEAR(f82.etaR, 0.9922f - 0.05908f * 0.75f + 0.07424f * (CB / 0.98f + lcbTerm), 2e-6f);
  const Factors f84 = example(Method::HM1984, 1);
  EXPECT_NEAR(f84.w, 0.27403f, 0.00001f);
  EXPECT_NEAR(f84.t, 0.19838f, 0.00001f);
  EXPECT_EQ(f84.etaR, f82.etaR);

  // Twin screw, the same in both, on the mean draught: trimmed 9 m / 11 m
  // gives the even-keel values.
  const Factors even = example(Method::HM1984, 2), trimmed = example(Method::HM1982, 2, 11, 9);
  EXPECT_FLOAT_EQ(trimmed.t, even.t);
  EXPECT_FLOAT_EQ(trimmed.w, even.w);
  EXPECT_NEAR(even.t, 0.325f * CB - 0.1885f * 8.0f / std::sqrt(320.0f), 1e-6f);
  EXPECT_NEAR(even.etaR, 0.9737f + 0.111f * (CB / 0.98f + lcbTerm) - 0.06325f * 0.9f, 1e-6f);
}

}  // namespace
}  // namespace vdk
