// The propulsion factors as published, on the hull of Holtrop & Mennen's
// 1982 example with an 8 m propeller (CV = (1+k1) CF + CA = 1.156 * 0.001390
// + 0.000352), and the twin-screw set on the mean draught.
#include <gtest/gtest.h>

#include <cmath>

#include "propulsion/propulsion_factors.hpp"

namespace vdk {
namespace {

struct Factors {
  float t = 0, w = 0, etaR = 0;
};

// L 205 m, B 32 m, T 10 m, CB 37500/(205*32*10) on L, CM 0.98, S 7381.45 m2,
// lcb -0.75 % of L, Cstern 10.
Factors example(Method m, int NPROP, float TA = 10.0f, float TF = 10.0f, float EAR = 0.75f) {
  const float CB = 37500.0f / (205.0f * 32.0f * 10.0f);
  const float CV = 1.156f * 0.001390f + 0.000352f;
  Factors f;
  PUBLISHED_PROPULSION_FACTORS(m, 205.0f, 32.0f, TA, TF, CB, 0.98f, 7381.45f, -0.75f, 10.0f, 8.0f,
                               0.9f, EAR, NPROP, CV, 0.0f, f.t, f.w, f.etaR, 0);
  return f;
}

TEST(PublishedFactors, HM1982SingleScrewOnTheWorkedExample) {
  const Factors f = example(Method::HM1982, 1);
  EXPECT_NEAR(f.w, 0.258f, 0.0005f);
  EXPECT_NEAR(f.t, 0.1747f, 0.00005f);
  // 0.9922 - 0.05908 EAR + 0.07424 (Cp - 0.0225 lcb)
  EXPECT_NEAR(f.etaR, 0.9922f - 0.05908f * 0.75f + 0.07424f * (0.583312f + 0.016875f), 2e-6f);
}

TEST(PublishedFactors, HM1984SingleScrewAndTheTwinScrewSet) {
  const Factors f = example(Method::HM1984, 1);
  EXPECT_NEAR(f.w, 0.27403f, 0.00001f);  // worked out in double precision
  EXPECT_NEAR(f.t, 0.19838f, 0.00001f);
  EXPECT_EQ(f.etaR, example(Method::HM1982, 1).etaR);

  // Twin screw, the same in both, with the mean draught: trimmed 9 m / 11 m
  // gives the even-keel values.
  const Factors even = example(Method::HM1984, 2);
  const Factors trimmed = example(Method::HM1982, 2, 11.0f, 9.0f);
  EXPECT_FLOAT_EQ(trimmed.t, even.t);
  EXPECT_FLOAT_EQ(trimmed.w, even.w);
  const float CB = 37500.0f / (205.0f * 32.0f * 10.0f);
  EXPECT_NEAR(even.t, 0.325f * CB - 0.1885f * 8.0f / std::sqrt(320.0f), 1e-6f);
  EXPECT_NEAR(even.etaR, 0.9737f + 0.111f * (CB / 0.98f + 0.016875f) - 0.06325f * 0.9f, 1e-6f);
}

}  // namespace
}  // namespace vdk
