// Reading a value off a curve given by points: three-point parabola or
// not-a-knot cubic spline, straight-line extension outside the table.
#include "core/table_interpolation.hpp"

#include <array>
#include <cmath>
#include <limits>

namespace vdk {

namespace {

// Coefficient store of the spline, four per knot, column-major as C(4,N1):
// C(j,i) with j = 1..4 and i = 1..N1.
struct SplineWork {
  std::array<float, SPLINE_CAPACITY> tau;
  std::array<float, 4 * SPLINE_CAPACITY> c;

  float& TAU(int i) { return tau[static_cast<std::size_t>(i - 1)]; }
  float& C(int j, int i) { return c[static_cast<std::size_t>((j - 1) + 4 * (i - 1))]; }
};

// Builds the not-a-knot cubic spline through TAU(1..N), C(1,1..N) (N >= 2):
// afterwards C(1..4,i) hold value, slope, second and third derivative of
// piece i at TAU(i).
void BUILD_SPLINE(SplineWork& w, int N) {
  // Knot spacings and divided differences.
  for (int m = 2; m <= N; ++m) {
    w.C(3, m) = w.TAU(m) - w.TAU(m - 1);
    w.C(4, m) = (w.C(1, m) - w.C(1, m - 1)) / w.C(3, m);
  }

  // First equation (not-a-knot at the left end).
  float g = 0.0f;
  if (N == 2) {
    w.C(4, 1) = 1.0f;
    w.C(3, 1) = 1.0f;
    w.C(2, 1) = 2.0f * w.C(4, 2);
  } else {
    w.C(4, 1) = w.C(3, 3);
    w.C(3, 1) = w.C(3, 2) + w.C(3, 3);
    w.C(2, 1) = ((w.C(3, 2) + 2.0f * w.C(3, 1)) * w.C(4, 2) * w.C(3, 3) +
                 w.C(3, 2) * w.C(3, 2) * w.C(4, 3)) /
                w.C(3, 1);

    // Forward elimination over the interior knots.
    for (int m = 2; m <= N - 1; ++m) {
      g = -w.C(3, m + 1) / w.C(4, m - 1);
      w.C(2, m) =
          g * w.C(2, m - 1) + 3.0f * (w.C(3, m) * w.C(4, m + 1) + w.C(3, m + 1) * w.C(4, m));
      w.C(4, m) = g * w.C(3, m - 1) + 2.0f * (w.C(3, m) + w.C(3, m + 1));
    }
  }

  // Last equation (not-a-knot at the right end).
  if (N == 2) {
    w.C(2, 2) = w.C(4, 2);
  } else {
    if (N == 3) {
      w.C(2, 3) = 2.0f * w.C(4, 3);
      w.C(4, 3) = 1.0f;
      g = -1.0f / w.C(4, 2);
    } else {
      g = w.C(3, N - 1) + w.C(3, N);
      w.C(2, N) = ((w.C(3, N) + 2.0f * g) * w.C(4, N) * w.C(3, N - 1) +
                   w.C(3, N) * w.C(3, N) * (w.C(1, N - 1) - w.C(1, N - 2)) / w.C(3, N - 1)) /
                  g;
      g = -g / w.C(4, N - 1);
      w.C(4, N) = w.C(3, N - 1);
    }
    w.C(4, N) = g * w.C(3, N - 1) + w.C(4, N);
    w.C(2, N) = (g * w.C(2, N - 1) + w.C(2, N)) / w.C(4, N);
  }

  // Back substitution for the slopes, then the polynomial coefficients.
  for (int j = N - 1; j >= 1; --j) {
    w.C(2, j) = (w.C(2, j) - w.C(3, j) * w.C(2, j + 1)) / w.C(4, j);
  }
  for (int i = 2; i <= N; ++i) {
    const float dtau = w.C(3, i);
    const float divdf1 = (w.C(1, i) - w.C(1, i - 1)) / dtau;
    const float divdf3 = w.C(2, i - 1) + w.C(2, i) - 2.0f * divdf1;
    w.C(3, i - 1) = 2.0f * (divdf1 - w.C(2, i - 1) - divdf3) / dtau;
    w.C(4, i - 1) = (divdf3 / dtau) * (6.0f / dtau);
  }
}

}  // namespace

bool TABLE_INTERPOLATION(int N, const float* X, const float* Y, float XX, float& YY, int /*NDIM*/,
                         int MODE) {
  // Points are 1-based below: x(i) = X(i), y(i) = Y(i).
  auto x = [X](int i) { return X[i - 1]; };
  auto y = [Y](int i) { return Y[i - 1]; };

  // One pass over the table. A point whose abscissa repeats the previous one
  // is left out, so everything below works on the reduced list of NR points;
  // `orig` maps a reduced index to the caller's index. The pass also finds
  // the interval I of the reduced list holding XX (the later one wins at an
  // interior knot) and remembers the points the parabola may need.
  int NR = 0;
  int first[3] = {0, 0, 0};  // caller's indices of reduced points 1, 2, 3
  int prev2 = 0;             // caller's index of reduced point NR-1
  int prev1 = 0;             // caller's index of reduced point NR
  int I = 0;
  int atI[3] = {0, 0, 0};  // caller's indices of reduced points I-1, I, I+1
  for (int i = 1; i <= N; ++i) {
    if (i > 1 && x(i) == x(i - 1)) continue;
    ++NR;
    if (NR <= 3) first[NR - 1] = i;
    if (NR >= 2 && x(prev1) <= XX && XX <= x(i)) {
      I = NR - 1;
      atI[0] = prev2;
      atI[1] = prev1;
      atI[2] = i;
    }
    prev2 = prev1;
    prev1 = i;
  }

  if (NR == 0) {
    YY = std::numeric_limits<float>::quiet_NaN();
    return true;
  }
  if (NR == 1) {
    YY = y(1);
    return true;
  }

  // Straight-line extension below and above the table.
  if (XX < x(first[0])) {
    const int a = first[0];
    const int b = first[1];
    const float slope = (y(b) - y(a)) / (x(b) - x(a));
    YY = y(b) - (x(b) - XX) * slope;
    return true;
  }
  if (XX > x(prev1)) {
    const int a = prev2;  // reduced NR-1
    const int b = prev1;  // reduced NR
    const float slope = (y(a) - y(b)) / (x(a) - x(b));
    YY = y(a) - (x(a) - XX) * slope;
    return true;
  }
  if (I == 0) {
    // Only an argument that is not a number falls in no interval.
    YY = std::numeric_limits<float>::quiet_NaN();
    return true;
  }

  // Flat interval: ordinates closer than the absolute tolerance.
  if (std::fabs(y(atI[1]) - y(atI[2])) < 1.0E-5f) {
    YY = y(atI[1]);
    return true;
  }

  if (MODE != 3) {
    if (NR == 2) {
      // Two points: the straight line through them.
      const int a = first[0];
      const int b = first[1];
      YY = y(a) + (XX - x(a)) * (y(b) - y(a)) / (x(b) - x(a));
      return true;
    }
    // Parabola through the three stencil points, about the middle one.
    int km1 = atI[0];
    int k = atI[1];
    int kp1 = atI[2];
    if (I == 1) {
      km1 = first[0];
      k = first[1];
      kp1 = first[2];
    }
    const float x0 = x(k);
    const float y0 = y(k);
    const float d1 = x(km1) - x0;
    const float y1 = y(km1);
    const float d2 = x(kp1) - x0;
    const float y2 = y(kp1);
    const float num = d2 * d2 * (y1 - y0) - d1 * d1 * (y2 - y0);
    const float den = d2 * d2 * d1 - d1 * d1 * d2;
    const float b = std::fabs(den) < 1.0E-6f ? 0.0f : num / den;
    const float d1sq = d1 * d1;
    const float c = d1sq < 1.0E-6f ? 0.0f : ((y1 - y0) - b * d1) / d1sq;
    const float h = XX - x0;
    YY = c * (h * h) + b * h + y0;
    return true;
  }

  // Cubic spline through all points of the reduced list.
  if (NR > SPLINE_CAPACITY) return false;
  SplineWork w;
  {
    int r = 0;
    for (int i = 1; i <= N; ++i) {
      if (i > 1 && x(i) == x(i - 1)) continue;
      ++r;
      w.TAU(r) = x(i);
      w.C(1, r) = y(i);
    }
  }
  BUILD_SPLINE(w, NR);
  const float h = XX - w.TAU(I);
  YY = w.C(1, I) + h * (w.C(2, I) + h * (w.C(3, I) + h * w.C(4, I) / 3.0f) / 2.0f);
  return true;
}

}  // namespace vdk
