// Resistance summary tables and the wave-resistance correction.
#include <cmath>

#include "format/format.hpp"
#include "resistance/resistance.hpp"
#include "core/table_interpolation.hpp"

namespace vdk {

namespace {

// Integer part of the effective power for the Pe column (truncated toward
// zero). A value beyond the integer range still shows as an overflowed field.
int WHOLE_KW(float pe) {
  if (!(fabsf(pe) < 2.0e9f)) return pe < 0.0f ? -999999999 : 999999999;
  return static_cast<int>(pe);
}

}  // namespace

void SUMMARY_TABLE_I(Run& run) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  const SpeedTable& sp = run.sp;
  WRITE_FORMATTED(u,
                  "(/,/,/,10X,'HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I',/,1X,84('='),/,"
                  "6X,'Fn','   Vs',6X,'Rs',5X,'Rv',5X,'Rw',5X,'Ra',5X,'Rapp',3X,'Rbl',4X,'Rtr',4X,"
                  "'Rbt',4X,'Raa',5X,'Rt',/,1X,84('='))");
  for (int i = 1; i <= s.NSPEED; ++i) {
    WRITE_FORMATTED(u, "(1X,I2,1X,F5.3,1X,F5.2,1X,10(F6.1,1X))", i, sp.FnArr(i), s.Vs(i),
                    sp.RFArr(i), sp.RVArr(i), sp.RWArr(i), sp.RAArr(i), sp.RAPPArr(i), sp.RBArr(i),
                    sp.RTRArr(i), sp.RBTArr(i), sp.RAIRArr(i), sp.RTArr(i));
  }
  WRITE_FORMATTED(u, "(1X,84('='))");
  WRITE_FORMATTED(u, "(/8X,'ACIKLAMALAR')");
  WRITE_FORMATTED(u, "(3X,'Fn  : Froude sayisi')");
  WRITE_FORMATTED(u, "(3X,'Vs  : Gemi Hizi - knot')");
  WRITE_FORMATTED(u, "(3X,'Rs  : Surtunme direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rv  : Viskoz direnc - kN')");
  WRITE_FORMATTED(u, "(3X,'Rw  : Dalga direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Ra  : Model-Gemi Korelasyon direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rapp: Takinti direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rbl : Balbli bas direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rtr : Ayna kic direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rbt : Bas itici acikligi direnci - kN - ',I2,    ' adet')", s.NBT);
  WRITE_FORMATTED(u, "(3X,'Raa : Ruzgar direnci - kN')");
  WRITE_FORMATTED(u, "(3X,'Rt  : Toplam direnc (Rv+Rw+Ra+Rapp+Rbl+Rtr+Rbt+Raa)- kN')");
  WRITE_FORMATTED(u, "(1X,77('='))");
}

void CHARACTERISTICS_TABLE(Run& run, bool corrected) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  const SpeedTable& sp = run.sp;
  if (corrected) {
    WRITE_FORMATTED(
        u,
        "(/,/,14X,'GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP',/,1X,87('='),/,8X,'Vs',5X,"
        "'Fn',8X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ca',7X,'Ct',6X,'Pe',4X,'Rapp',/,7X,'kts',13X,"
        "'/10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'KW',5X,'%Rt',/,1X,"
        "87('='))");
  } else {
    WRITE_FORMATTED(
        u,
        "(/,/,/,14X,'GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP',/,1X,87('='),/,8X,'Vs',5X,"
        "'Fn',8X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ca',7X,'Ct',6X,'Pe',4X,'Rapp',/,7X,'kts',13X,"
        "'/10^9',4X,'*1000',4X,'*1000',4X,'*1000',4X,'*1000',3X,'*1000',6X,'KW',5X,'%Rt',/,1X,"
        "87('='))");
  }
  for (int i = 1; i <= s.NSPEED; ++i) {
    WRITE_FORMATTED(u, "(1X,I2,2X,F5.2,2X,7(F7.3,2X),I5,2X,F6.2)", i, s.Vs(i), sp.FnArr(i),
                    1e-09f * sp.RnArr(i), 1000.0f * sp.CFArr(i), 1000.0f * sp.CVArr(i),
                    1000.0f * sp.CRArr(i), 1000.0f * sp.CAArr(i), 1000.0f * sp.CTArr(i),
                    WHOLE_KW(sp.PEArr(i)), 100.0f * sp.RAPPArr(i) / sp.RTArr(i));
  }
  WRITE_FORMATTED(u, "(1X,87('=')))");
}

void WAVE_RESISTANCE_CORRECTION(Run& run) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  ResistanceState& r = run.res;
  SpeedTable& sp = run.sp;

  r.CorrFlag = s.NCORR >= 1 ? 1 : 0;
  if (r.CorrFlag == 0) {
    WRITE_FORMATTED(u, "(/A/)", " Dalga direnci duzeltmesi yapilmamistir.");
    return;
  }

  // The factors belong to NCORR equally spaced speeds from the first to the
  // last speed of the list. (A single factor applies at every speed.)
  const int n = s.NCORR;
  const int divisor = n > 1 ? n - 1 : 1;
  const float dv = (s.Vs(s.NSPEED) - s.Vs(1)) / static_cast<float>(divisor);
  for (int j = 1; j <= n; ++j) r.Vc(j) = s.Vs(1) + static_cast<float>(j - 1) * dv;
  r.Vc(1) = s.Vs(1);
  r.Vc(n) = s.Vs(s.NSPEED);

  // Parabola through three neighbouring factors; with two factors the
  // interpolation gives the straight line between them.
  for (int i = 1; i <= s.NSPEED; ++i) {
    float fac = 0.0f;
    TABLE_INTERPOLATION_OR_STOP(n, r.Vc.data1(), s.Fcorr.data1(), s.Vs(i), fac, MAX_CORR, 2);
    sp.FacArr(i) = fac;
  }

  for (int i = 1; i <= s.NSPEED; ++i) {
    const float vi = 0.5144f * s.Vs(i);
    sp.CRArr(i) = sp.FacArr(i) * sp.CRArr(i);
    sp.CTArr(i) = sp.CAArr(i) + sp.CVArr(i) + sp.CRArr(i);
    sp.RTArr(i) = vi * vi * sp.CTArr(i) * s.RHO * s.S / 2.0f * 0.001f;
    sp.PEArr(i) = sp.RTArr(i) * vi;
  }
  CHARACTERISTICS_TABLE(run, true);
}

}  // namespace vdk
