// Table interpolation: parabola and not-a-knot spline, extension, plateaus,
// degenerate tables.
#include "core/table_interpolation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "core/stop.hpp"

namespace vdk {
namespace {

float interp(const std::vector<float>& x, const std::vector<float>& y, float xx, int mode) {
  float yy = -999.0f;
  if (!TABLE_INTERPOLATION(static_cast<int>(x.size()), x.data(), y.data(), xx, yy,
                           static_cast<int>(x.size()), mode))
    throw SPLINE_CAPACITY_STOP();
  return yy;
}

TEST(TableInterpolation, SplineReproducesCubic) {
  const std::vector<float> x{0, 1, 2, 3};
  const std::vector<float> y{0, 1, 8, 27};
  EXPECT_FLOAT_EQ(interp(x, y, 1.5f, 3), 3.375f);
  EXPECT_NEAR(interp(x, y, 0.5f, 3), 0.125f, 1e-6f);
  EXPECT_NEAR(interp(x, y, 2.5f, 3), 15.625f, 1e-5f);
  // Five points of the same cubic: still exact.
  const std::vector<float> x5{0, 1, 2, 3, 4};
  const std::vector<float> y5{0, 1, 8, 27, 64};
  EXPECT_NEAR(interp(x5, y5, 3.5f, 3), 42.875f, 1e-4f);
  EXPECT_NEAR(interp(x5, y5, 0.25f, 3), 0.015625f, 1e-5f);
}

// Unevenly spaced points of no simple curve, 4, 5 and 7 of them: the slopes,
// the not-a-knot end equations and the cubic of each piece are formed in
// single precision in their own order, so the values come out to the bit.
// Expected values worked out independently, every operation rounded to float.
TEST(TableInterpolation, SplineOfUnevenTableToTheLastBit) {
  const std::vector<float> x{0.0f, 1.1f, 1.5f, 2.1f, 3.3f, 4.8f, 5.7f};
  const std::vector<float> y{2.13f, 2.69f, 1.94f, 2.76f, 3.85f, -1.11f, 1.39f};
  const std::vector<float> at{1.02f, 1.41f, 1.59f, 3.19f, 3.65f, 4.89f};
  const std::vector<std::vector<float>> expected{
      {2.86907339f, 2.06259465f, 1.86246693f},
      {2.9036293f, 2.02788949f, 1.92057478f, 4.17847776f},
      {2.90940404f, 2.02208781f, 1.93028891f, 4.00345373f, 2.90185785f, -1.21754539f},
  };
  for (const auto& e : expected) {
    const auto n = static_cast<std::ptrdiff_t>(e.size()) + 1;  // points 1..n
    const std::vector<float> xn(x.begin(), x.begin() + n);
    const std::vector<float> yn(y.begin(), y.begin() + n);
    for (std::size_t k = 0; k < e.size(); ++k) {
      EXPECT_EQ(interp(xn, yn, at[k], 3), e[k]) << n << " points at " << at[k];
    }
  }
}

TEST(TableInterpolation, StraightLineOutsideTableInEveryMode) {
  const std::vector<float> x{0, 1, 2, 3};
  const std::vector<float> y{0, 1, 8, 27};
  for (int mode : {2, 3}) {
    EXPECT_FLOAT_EQ(interp(x, y, 4.0f, mode), 46.0f) << mode;
    EXPECT_FLOAT_EQ(interp(x, y, -1.0f, mode), -1.0f) << mode;
  }
}

TEST(TableInterpolation, ParabolaThroughThreePoints) {
  const std::vector<float> x{1, 2, 3};
  const std::vector<float> y{1, 4, 9};
  EXPECT_FLOAT_EQ(interp(x, y, 2.5f, 2), 6.25f);
  EXPECT_FLOAT_EQ(interp(x, y, 1.5f, 2), 2.25f);
  // The spline through three points is the same parabola.
  EXPECT_FLOAT_EQ(interp(x, y, 2.5f, 3), 6.25f);
  EXPECT_FLOAT_EQ(interp(x, y, 1.5f, 3), 2.25f);
}

TEST(TableInterpolation, ParabolaStencilAtTheEnds) {
  // Points of x^2 except the last, which breaks the parabola: the first
  // interval uses points 1, 2, 3 and so stays on x^2; the last interval
  // uses points N-2, N-1, N.
  const std::vector<float> x{1, 2, 3, 4};
  const std::vector<float> y{1, 4, 9, 10};
  EXPECT_FLOAT_EQ(interp(x, y, 1.5f, 2), 2.25f);
  // Parabola through (2,4), (3,9), (4,10): y = -2x^2 + 15x - 18.
  EXPECT_FLOAT_EQ(interp(x, y, 3.5f, 2), 10.0f);
}

TEST(TableInterpolation, KnotsReturnTheirOrdinate) {
  const std::vector<float> x{0, 1, 2, 3, 4};
  const std::vector<float> y{2, 3, 7, 6, 11};
  for (int mode : {2, 3}) {
    for (std::size_t k = 0; k < x.size(); ++k) {
      EXPECT_FLOAT_EQ(interp(x, y, x[k], mode), y[k]) << mode << " " << k;
    }
  }
}

TEST(TableInterpolation, InteriorKnotUsesTheLaterInterval) {
  // At x = 2 the later interval [2,3] is flat, so the plateau rule answers
  // with Y(2) whatever the curve on the left does.
  const std::vector<float> x{0, 1, 2, 3, 4};
  const std::vector<float> y{0, 5, 3, 3, 9};
  EXPECT_FLOAT_EQ(interp(x, y, 2.0f, 3), 3.0f);
  EXPECT_FLOAT_EQ(interp(x, y, 2.0f, 2), 3.0f);
}

TEST(TableInterpolation, PlateauOfRepeatedOrdinates) {
  // A table that repeats a value, as a density table in steps of 0.1 does.
  const std::vector<float> x{10, 11, 12, 13, 14};
  const std::vector<float> y{999.7f, 999.6f, 999.5f, 999.5f, 999.3f};
  for (int mode : {2, 3}) {
    EXPECT_EQ(interp(x, y, 12.0f, mode), 999.5f) << mode;
    EXPECT_EQ(interp(x, y, 12.4f, mode), 999.5f) << mode;
    EXPECT_EQ(interp(x, y, 12.9f, mode), 999.5f) << mode;
  }
  // The tolerance is absolute: two ordinates 1.0E-5 apart are not flat.
  const std::vector<float> xs{0, 1, 2};
  const std::vector<float> ys{0.0f, 0.5e-5f, 1.0f};
  EXPECT_EQ(interp(xs, ys, 0.5f, 3), 0.0f);
  const std::vector<float> big{1000.0f, 1000.0f + 0.125f, 1001.0f};
  EXPECT_NE(interp(xs, big, 0.5f, 3), 1000.0f);
}

TEST(TableInterpolation, TwoPointsAreAStraightLine) {
  const std::vector<float> x{1, 3};
  const std::vector<float> y{2, 6};
  for (int mode : {2, 3}) {
    EXPECT_FLOAT_EQ(interp(x, y, 2.0f, mode), 4.0f) << mode;
    EXPECT_FLOAT_EQ(interp(x, y, 1.5f, mode), 3.0f) << mode;
    EXPECT_FLOAT_EQ(interp(x, y, 5.0f, mode), 10.0f) << mode;
    EXPECT_FLOAT_EQ(interp(x, y, 0.0f, mode), 0.0f) << mode;
  }
  const std::vector<float> flat{2, 2};
  EXPECT_EQ(interp(x, flat, 2.0f, 2), 2.0f);
}

TEST(TableInterpolation, SinglePointGivesItsOrdinate) {
  const std::vector<float> x{4};
  const std::vector<float> y{7.5f};
  for (int mode : {2, 3}) {
    EXPECT_EQ(interp(x, y, 4.0f, mode), 7.5f);
    EXPECT_EQ(interp(x, y, -3.0f, mode), 7.5f);
    EXPECT_EQ(interp(x, y, 30.0f, mode), 7.5f);
  }
}

TEST(TableInterpolation, RepeatedAbscissaIsDroppedKeepingTheFirst) {
  // y = x^3 with the point at x = 1 repeated (second ordinate is junk).
  const std::vector<float> x{0, 1, 1, 2, 3};
  const std::vector<float> y{0, 1, 50, 8, 27};
  EXPECT_FLOAT_EQ(interp(x, y, 1.5f, 3), 3.375f);
  EXPECT_FLOAT_EQ(interp(x, y, 1.0f, 3), 1.0f);
  EXPECT_FLOAT_EQ(interp(x, y, 1.0f, 2), 1.0f);
  // Repeats at both ends leave only the distinct points for the extension.
  const std::vector<float> xe{0, 0, 1, 2, 3, 3};
  const std::vector<float> ye{0, 9, 1, 8, 27, -4};
  for (int mode : {2, 3}) {
    EXPECT_FLOAT_EQ(interp(xe, ye, -1.0f, mode), -1.0f) << mode;
    EXPECT_FLOAT_EQ(interp(xe, ye, 4.0f, mode), 46.0f) << mode;
  }
  EXPECT_FLOAT_EQ(interp(xe, ye, 1.5f, 3), 3.375f);
  // All abscissae equal: one point remains.
  const std::vector<float> xs{2, 2, 2};
  const std::vector<float> ys{5, 6, 7};
  EXPECT_EQ(interp(xs, ys, 3.0f, 3), 5.0f);
  // Three points reduced to two in mode 2: the straight line.
  const std::vector<float> x3{1, 1, 3};
  const std::vector<float> y3{2, 0, 6};
  EXPECT_FLOAT_EQ(interp(x3, y3, 2.0f, 2), 4.0f);
}

TEST(TableInterpolation, SplineOfSmoothCurveIsClose) {
  // Speed against resistance-like table (y = 0.1 x^2.5): spline and
  // parabola both close to the curve between the points.
  std::vector<float> x, y;
  for (int i = 0; i < 7; ++i) {
    const float v = 10.0f + 2.0f * static_cast<float>(i);
    x.push_back(v);
    y.push_back(0.1f * std::pow(v, 2.5f));
  }
  const float exact = 0.1f * std::pow(17.0f, 2.5f);
  EXPECT_NEAR(interp(x, y, 17.0f, 3), exact, 1e-3f * exact);
  EXPECT_NEAR(interp(x, y, 17.0f, 2), exact, 1e-2f * exact);
}

TEST(TableInterpolation, TooManySplinePointsStopsTheRun) {
  std::vector<float> x(2001), y(2001);
  for (std::size_t i = 0; i < x.size(); ++i) {
    x[i] = static_cast<float>(i);
    y[i] = static_cast<float>(i * i);
  }
  try {
    interp(x, y, 10.5f, 3);
    FAIL() << "no stop";
  } catch (const Stop& s) {
    EXPECT_EQ(s.status, EXIT_CALC_STOP);
    EXPECT_TRUE(s.pause);
    EXPECT_EQ(s.prompt, "DIMENSION N > N1, TAU(N1),C(4,N1)");
  }
  // 2000 points are still within the capacity.
  x.pop_back();
  y.pop_back();
  EXPECT_NEAR(interp(x, y, 10.5f, 3), 110.25f, 1e-2f);
  // The repeat is dropped before the count: 2001 entries, 2000 points.
  x.insert(x.begin() + 5, 5.0f);
  y.insert(y.begin() + 5, 25.0f);
  EXPECT_NEAR(interp(x, y, 10.5f, 3), 110.25f, 1e-2f);
}

}  // namespace
}  // namespace vdk
