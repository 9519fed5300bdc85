// Input summary of the resistance calculation and the output heading.
#include <cmath>

#include "format/format.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

std::string LABEL80(std::string_view text) {
  std::string s(text.substr(0, 80));
  s.resize(80, ' ');
  return s;
}

int PROPELLER_DATA_CASE(float D, float N, float PD) {
  // Later rules override earlier ones; an exact 0.1 counts as neither given
  // nor missing.
  int PropCase = 0;
  if (D > 0.1f && N < 0.1f) PropCase = 1;
  if (D > 0.1f && N > 0.1f) PropCase = 2;
  if (D < 0.1f && N > 0.1f) PropCase = 3;
  if (D > 0.1f && N > 0.1f && PD > 0.1f) PropCase = 4;
  return PropCase;
}

namespace {

void OUTPUT_HEADING(Run& run) {
  std::ostream& u = run.son;
  const ShipRecord& s = run.ship;
  WRITE_LIST(u);
  WRITE_LIST(u);
  WRITE_LIST(u);
  run.res.DISPW = s.GRAV * s.RHO * s.V;
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(
      u, "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'CIKIS BILGILERI',/,60('='))");
}

}  // namespace

void INPUT_SUMMARY(Run& run) {
  std::ostream& u = run.son;
  ShipRecord& s = run.ship;
  ResistanceState& r = run.res;

  // Main particulars
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(
      u, "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'GIRIS BILGILERI',/,60('='))");
  WRITE_FORMATTED(u, "(/)");
  WRITE_FORMATTED(u, "(2X,'SU HATTI BOYU     Lwl=',F8.3,' m')", s.Lwl);
  WRITE_FORMATTED(u, "(2X,'KAIMELERARASI BOY Lbp=',F8.3,' m')", s.Lbp);
  WRITE_FORMATTED(u, "(2X,'KALIP GENISLIGI     B=',F8.3,' m')", s.B);
  WRITE_FORMATTED(u, "(2X,'BAS DRAFT          Tf=',F8.3,' m')", s.Tf);
  WRITE_FORMATTED(u, "(2X,'KIC DRAFT          Ta=',F8.3,' m')", s.Ta);
  WRITE_FORMATTED(u, "(2X,'DEPLASMAN HACMI    V =',F9.3,' m3')", s.V);
  WRITE_FORMATTED(u, "(2X,'LCB               LCB=',F8.3,' m Lbp/2 den')", s.LCB);
  WRITE_FORMATTED(u, "(2X,'BALP KESIT ALANI  ABT=',F8.3,' m')", s.ABT);
  WRITE_FORMATTED(u, "(2X,'B.K.A. AGIR. MERK BL DEN YUKS. HB=',F8.3,' m')", s.HB);
  WRITE_FORMATTED(u, "(2X,'BATIK AYNA KIC ALANI AT=',F8.3,' m2')", s.AT);
  WRITE_FORMATTED(u, "(2X,'ORTA KESIT N.K. - Cm =',F5.3)", s.Cm);
  WRITE_FORMATTED(u, "(2X,'YUKLU SU HATTI N.K - Cwp =',F5.3)", s.Cwp);
  WRITE_FORMATTED(u, "(2X,'KIC FORM PARAMETRESI Cstern=',F8.3)", s.Cstern);

  // Speed range and trial speed
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, "(10X,'HIZ HESAPLAMA ARALIGI -(KNOTS) ')");
  for (int i = 1; i <= s.NSPEED; ++i) WRITE_FORMATTED(u, "(20X,I2,'-',F8.3)", i, s.Vs(i));
  WRITE_FORMATTED(u, "(2X,A40,F8.3,' knots')", "SEYIR TECRUBESI HIZI - Vseyir = ", s.Vtrial);

  // Appendages: only kinds with a real area are listed and counted
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, "(2X, '   MEVCUT TAKINTILAR')");
  WRITE_FORMATTED(u,
                  "(2X,                                                      "
                  "3X,31('-'),3X,'ALAN',5X,'FORM FAKTORU')");
  WRITE_FORMATTED(u,
                  "(2X,                                                      "
                  "3X,'           ',23X,' m2 ',8X,'   (1+k2)   ')");
  int j = 0;
  float sum_k2 = 0;
  float sum_area = 0;
  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    if (s.Sapp(i) > 0.1f) {
      j = j + 1;
      sum_k2 = sum_k2 + s.Sapp(i) * s.OnePlusK2(i);
      sum_area = sum_area + s.Sapp(i);
      WRITE_FORMATTED(u, "(1X,I2,'-',1X,A30,2X,F8.3,9X,F5.3)", j, s.AppendageName(i), s.Sapp(i),
                      s.OnePlusK2(i));
    }
  }
  WRITE_FORMATTED(u, "(60('-'))");
  r.OnePlusK2eff = sum_area > 0.1f ? sum_k2 / sum_area : 0.0f;
  r.Sapptot = sum_area;
  WRITE_FORMATTED(u, "(2X,'TOPLAM TAKINTI ALANI - Stot = ',F6.2,' m2')", r.Sapptot);
  WRITE_FORMATTED(u, "(2X,'TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff=',F6.3)", r.OnePlusK2eff);
  WRITE_FORMATTED(u, "(60('='))");

  // Fluid
  WRITE_FORMATTED(u, "(2X,'AKISKAN YOGUNLUGU - RHO = ',F9.2,' kg/m3 ')", s.RHO);
  WRITE_FORMATTED(u, "(2X,'YERCEKIMI IVMESI - GRAV = ',F9.5,' m/sn2 ')", s.GRAV);
  WRITE_FORMATTED(u, "(60('='))");

  // Propeller
  if (fabsf(s.D) >= 0.05f) {
    std::string title = "PERVANE BILGILERI";
    title.resize(40, ' ');
    WRITE_FORMATTED(u, "(2X,A40)", title);
    WRITE_FORMATTED(u, "(2X,'PERVANE CAPI - D = ',F6.3,' m')", s.D);
    WRITE_FORMATTED(u, "(2X,'PERVANE SAYISI - NPROP = ',I3)", s.NPROP);
    WRITE_FORMATTED(u, "(2X,'PERVANE SAFT DERINLIGI - Hsd = ',F6.3,' m')", s.Hsd);
    WRITE_FORMATTED(u, "(2X,'MAX. SUREKLI MAKINA DEVRI - MCR = ',F6.3)", s.MCR);
  }
  WRITE_FORMATTED(u, "(60('='))");

  r.PropCase = PROPELLER_DATA_CASE(s.D, s.N, s.PD);

  OUTPUT_HEADING(run);
}

}  // namespace vdk
