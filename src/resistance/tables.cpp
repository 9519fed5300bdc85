// The wave-resistance correction behind the summary tables.
#include "core/constants.hpp"
#include "core/table_interpolation.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

ResistanceTables COMPUTE_RESISTANCE_TABLES(const ShipRecord& s, const ResistanceResult& res) {
  ResistanceTables t;
  const ResistanceColumns& c = res.columns;
  t.CR_corrected = c.CR;
  t.CT_corrected = c.CT;
  t.RT_corrected = c.RT;
  t.PE_corrected = c.PE;

  t.CorrFlag = s.NCORR >= 1 ? 1 : 0;
  if (t.CorrFlag == 0) return t;

  // The factors belong to NCORR equally spaced speeds from the first to the
  // last speed of the list. (A single factor applies at every speed.)
  const int n = s.NCORR;
  const int divisor = n > 1 ? n - 1 : 1;
  const float dv = (s.Vs(s.NSPEED) - s.Vs(1)) / static_cast<float>(divisor);
  for (int j = 1; j <= n; ++j) t.Vc(j) = s.Vs(1) + static_cast<float>(j - 1) * dv;
  t.Vc(1) = s.Vs(1);
  t.Vc(n) = s.Vs(s.NSPEED);

  // Parabola through three neighbouring factors; with two factors the
  // interpolation gives the straight line between them.
  for (int i = 1; i <= s.NSPEED; ++i) {
    float fac = 0.0f;
    if (!TABLE_INTERPOLATION(n, t.Vc.data1(), s.Fcorr.data1(), s.Vs(i), fac, MAX_CORR, 2)) {
      t.stop = SPLINE_CAPACITY_STOP();
      return t;
    }
    t.Fac(i) = fac;
  }

  for (int i = 1; i <= s.NSPEED; ++i) {
    const float vi = KNOT * s.Vs(i);
    t.CR_corrected(i) = t.Fac(i) * c.CR(i);
    t.CT_corrected(i) = c.CA(i) + c.CV(i) + t.CR_corrected(i);
    t.RT_corrected(i) = vi * vi * t.CT_corrected(i) * s.RHO * res.S_used / 2.0f * 0.001f;
    t.PE_corrected(i) = t.RT_corrected(i) * vi;
  }
  return t;
}

}  // namespace vdk
