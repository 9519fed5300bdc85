// Reading a value off a curve given by points.
#pragma once

namespace vdk {

constexpr int SPLINE_CAPACITY = 2000;

// YY = curve through (X(k), Y(k)), k = 1..N, at XX. X and Y point at the
// first point. MODE 2: three-point parabola; MODE 3: not-a-knot cubic
// spline. Outside the table: straight line through the two end points.
void TABLE_INTERPOLATION(int N, const float* X, const float* Y, float XX, float& YY, int NDIM,
                         int MODE);

}  // namespace vdk
