// Model-ship correlation allowance, total resistance and effective power of
// one speed; the end of its speed block.
#include <cmath>

#include "format/format.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

void CORRELATION_AND_TOTALS(Run& run, int i) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  ResistanceState& r = run.res;
  SpeedTable& sp = run.sp;
  const float v = 0.5144f * r.VS;
  const float v2 = v * v;

  // Holtrop's estimate; the bulb term vanishes for deep bows
  const float TfL = s.Tf / s.Lwl;
  const float c4 = TfL <= 0.04f ? TfL : 0.04f;
  const float CB4 = r.CBlwl * r.CBlwl * r.CBlwl * r.CBlwl;
  r.CA = 0.006f * powf(s.Lwl + 100.0f, -0.16f) - 0.00205f +
         0.003f * sqrtf(s.Lwl / 7.5f) * CB4 * r.C2 * (0.04f - c4);
  WRITE_FORMATTED(u,
                  "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (HOLTROP TAHMINI) ')",
                  1000.0f * r.CA);
  // Below 1 the roughness field holds 1000*CA itself
  if (s.Roughness > 0.0f && s.Roughness < 1.0f) {
    r.CA = 0.001f * s.Roughness;
    WRITE_FORMATTED(u,
                    "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (DOGRUDAN ATAMA) ')",
                    1000.0f * r.CA);
  }
  // Otherwise the hull roughness in micrometres (ITTC)
  if (s.Roughness > 0.999f) {
    r.CA = 0.001f * (105.0f * powf(1e-06f * s.Roughness / s.Lwl, 0.3333333f) - 0.64f);
    WRITE_FORMATTED(u, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (ITTC YONTEMI) ')",
                    1000.0f * r.CA);
  }
  sp.CAArr(i) = r.CA;
  WRITE_FORMATTED(u, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3)", 1000.0f * r.CA);

  r.RA = v2 * (s.RHO / 2.0f) * r.CA * s.S / 1000.0f;
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80("MODEL-GEMI KORELASYON DIRENCI - RA(kN)"),
                  r.RA);

  // The wind resistance is reported but not part of the total
  r.RT = r.OnePlusK * r.RF + r.Rbot + r.Rw + r.Rayna + r.Rbulb + r.RA + r.RAPP;
  sp.CTArr(i) = 1000.0f * r.RT / (0.5f * s.RHO * v2 * s.S);
  sp.CRArr(i) = sp.CTArr(i) - (sp.CAArr(i) + sp.CVArr(i));
  r.CT = sp.CTArr(i);
  r.CR = sp.CRArr(i);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80("TOPLAM DIRENC - RTOTAL(kN)"), r.RT);

  r.PE = v * r.RT;
  WRITE_FORMATTED(u, "(2X,A40,'=',F10.3,' kW')", LABEL80("EFEKTIF GUC - PE(kW)"), r.PE);
  WRITE_FORMATTED(u, "(60('='))");

  sp.RTArr(i) = r.RT;
  sp.RWArr(i) = r.Rw;
  sp.RVArr(i) = r.OnePlusK * r.RF;
  sp.RAPPArr(i) = r.RAPP;
  sp.RAArr(i) = r.RA;
  sp.PEArr(i) = r.PE;
  sp.RFArr(i) = r.RF;
  sp.RTRArr(i) = r.Rayna;
  sp.RBArr(i) = r.Rbulb;
  sp.RBTArr(i) = r.Rbot;
  sp.RAIRArr(i) = r.RAIR;
}

}  // namespace vdk
