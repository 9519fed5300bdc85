// Reading a value off a curve given by points.
#pragma once

#include "core/stop.hpp"

namespace vdk {

constexpr int SPLINE_CAPACITY = 2000;

// YY = curve through (X(k), Y(k)), k = 1..N, at XX. X and Y point at the
// first point. MODE 2: three-point parabola; MODE 3: not-a-knot cubic
// spline. Outside the table: straight line through the two end points.
// Returns false, with YY untouched, when the reduced table holds more points
// than the spline can take: the calculation must stop (SPLINE_CAPACITY_STOP).
[[nodiscard]] bool TABLE_INTERPOLATION(int N, const float* X, const float* Y, float XX, float& YY,
                                       int NDIM, int MODE);

// The stop of a table too long for the spline: a pause with the dimension
// message as its prompt.
inline Stop SPLINE_CAPACITY_STOP() {
  return STOP_OF("E205", true, "DIMENSION N > N1, TAU(N1),C(4,N1)");
}

}  // namespace vdk
