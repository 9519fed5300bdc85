// Pieces shared by the propeller routines' reports.
#pragma once

#include <cmath>
#include <string_view>

#include "propeller/propeller_routines.hpp"
#include "format/format.hpp"

namespace vdk {

// A report line to the console, then to the results file.
template <class... Args>
void BOTH(PropellerContext& ctx, std::string_view fmt, const Args&... items) {
  WRITE_FORMATTED(ctx.con, fmt, items...);
  WRITE_FORMATTED(ctx.son, fmt, items...);
}

// The note that the controllable-pitch loss is in the figures.
inline void CP_LINES(PropellerContext& ctx) {
  if (!IS_CP_PROPELLER(ctx.set)) return;
  WRITE_FORMATTED(ctx.con, "(' HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR')");
  WRITE_FORMATTED(ctx.son, "(' (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    '/)");
}

// Power and advance coefficients of the Bp-delta design charts.
inline float BP_OF(float KQ, float J) {
  return 33.06746f * powf(KQ / ((((J * J) * J) * J) * J), 0.5f);
}
inline float DELTA_OF(float J) {
  return 101.2658f / J;
}

}  // namespace vdk
