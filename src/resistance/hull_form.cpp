// Opening of a speed block: speed, Froude number, hull coefficients, length
// of run, wetted surface and the bare-hull form factors.
#include <cmath>

#include "core/stop.hpp"
#include "format/format.hpp"
#include "resistance/resistance.hpp"

namespace vdk {

namespace {

// An impossible prismatic coefficient usually means a wrong midship
// coefficient; the run cannot go on.
[[noreturn]] void PRISMATIC_STOP(Run& run) {
  const float CP = run.res.CP;
  const float CB = run.res.CB;
  const float Cm = run.ship.Cm;
  for (std::ostream* u : {&run.con, &run.son}) {
    WRITE_FORMATTED(
        *u, "('  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = ',F5.3', >1 OLDU. - STOP')", CP);
    WRITE_FORMATTED(*u, "('  CM DE YANLISLIK OLABILIR.- STOP')");
    WRITE_FORMATTED(*u, "('  CB = ',F5.3,'  CM = ',F5.3,' ')", CB, Cm);
  }
  PAUSE_THEN_STOP(EXIT_CALC_STOP, "  BITIRMEK ICIN `ENTER`TUSUNA BASIN ");
}

}  // namespace

void HULL_FORM_AT_SPEED(Run& run, int i) {
  std::ostream& u = run.son;
  ShipRecord& s = run.ship;
  ResistanceState& r = run.res;

  WRITE_FORMATTED(u, "(/'  HESAP HIZI NO = ',I2)", i);
  r.VS = s.Vs(i);
  const float v = 0.5144f * r.VS;
  WRITE_FORMATTED(u, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' knot')", r.VS);
  WRITE_FORMATTED(u, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' m/s')", v);

  r.Fn = v / sqrtf(s.GRAV * s.Lwl);
  WRITE_FORMATTED(u, "(2X,'FROUDE SAYISI ---------------------> Fn =',F6.3)", r.Fn);

  // Hull coefficients; the waterline ends at the forward perpendicular
  r.Tmean = (s.Ta + s.Tf) / 2.0f;
  r.CB = s.V / (s.B * s.Lbp * r.Tmean);
  r.CP = r.CB / s.Cm;
  r.CBlwl = s.V / (s.B * r.Tmean * s.Lwl);
  r.CWPlwl = s.Cwp * s.Lbp / s.Lwl;
  r.lcb = ((s.Lwl - s.Lbp + s.Lbp / 2.0f + s.LCB) / s.Lwl - 0.5f) * 100.0f;

  if (r.CP > 0.999f) PRISMATIC_STOP(run);

  WRITE_FORMATTED(u, "('  BLOK KATSAYISI (Lpp YE GORE) ------> CB = ',F5.3, '   ')", r.CB);
  WRITE_FORMATTED(u, "('  PRIZMATIK KATSAYI (Lpp YE GORE) ---> CP = ',      F5.3,'   ')", r.CP);
  WRITE_FORMATTED(u, "('  BLOK KATSAYISI (Lwl YE GORE) ---> CBlwl = ',F5.3, '   ')", r.CBlwl);
  WRITE_FORMATTED(u, "('  SU HATTI N.K. (Lwl YE GORE) ---> CWPlwl = ',F5.3, '   ')", r.CWPlwl);

  // Length of run
  r.CPlwl = r.CBlwl / s.Cm;
  r.LR = s.Lwl * (1.0f - r.CPlwl + 0.06f * r.CPlwl * r.lcb / (4.0f * r.CPlwl - 1.0f));
  if (r.LR < 0.0f) r.LR = s.Lwl / 2.0f;
  WRITE_FORMATTED(u, "(2X,'CIKIS BOYU ------------------------> LR = ',F6.3,' m')", r.LR);

  r.C = 1.0f + 0.011f * s.Cstern;
  WRITE_FORMATTED(u, "(2X,'C PARAMETRESI ----------------------> C =',F6.3)", r.C);

  // Wetted surface (appendages included). A given hull surface gets the
  // appendage area once, at the first speed; an estimate made at the first
  // speed is kept for the others.
  r.SE = s.Lwl * (2.0f * r.Tmean + s.B) * sqrtf(s.Cm) *
             (0.453f + 0.4425f * r.CBlwl - 0.2862f * s.Cm - 0.003467f * s.B / r.Tmean +
              0.3696f * r.CWPlwl) +
         2.38f * s.ABT / r.CBlwl + r.Sapptot;
  r.S_Taylan = 1.85f * r.Tmean * s.Lwl + s.V / r.Tmean + r.Sapptot;
  if (s.S < 1.0f) {
    s.S = r.SE;
    WRITE_FORMATTED(u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2')", s.S);
    WRITE_FORMATTED(
        u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",
        r.S_Taylan);
  } else {
    WRITE_FORMATTED(u, "(2X,'TAHMINI ISLAK YUZEY (takinti dahil)-> S =',F9.2, ' m2')", r.SE);
    WRITE_FORMATTED(
        u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",
        r.S_Taylan);
    if (i == 1) s.S = s.S + r.Sapptot;
    WRITE_FORMATTED(u, "(2X,'GERCEK ISLAK YUZEY (Takinti Dahil) -> S =',F9.2, ' m2')", s.S);
  }

  // Form factors: Holtrop (with the stern correction) and Grigson
  const float LV = s.Lwl / powf(s.V, 0.33333334f);
  const float LV3 = LV * LV * LV;
  float K = 0.93f + 0.487118f * r.C * powf(s.Lwl / r.LR, 0.121563f) * powf(s.B / s.Lwl, 1.06806f) *
                        powf(r.Tmean / s.Lwl, 0.46106f) * powf(1.0f - r.CPlwl, -0.604247f) *
                        powf(LV3, 0.36486f);
  K = K * (1.0f + 0.003f * s.Cstern);
  r.KHoltrop = K;
  const float Cstern3 = s.Cstern * s.Cstern * s.Cstern;
  r.OnePlusKGrigson = 1.01f + 0.257059f *
                                  expf(0.0190287f * s.Cstern - 2.24964e-05f * Cstern3 +
                                       0.468814f * (s.Ta - s.Tf) / r.Tmean) *
                                  powf(r.Tmean / s.B, 0.405704f) * powf(s.B / s.Lwl, 1.34654f) *
                                  powf(1.0f - r.CPlwl, -1.98695f) *
                                  powf(1.0f - r.CWPlwl, 0.475205f) * powf(r.CPlwl, -2.91432f);
  WRITE_FORMATTED(u, "(2X,'CIPLAK TEKNE FORM FAKTORU ------> (1+k) = ',F6.3 )", K);
  WRITE_FORMATTED(u, "(2X,'FORM FAKTORU DUZELTME KATS.----->  FFDF = ',F6.3 )", s.FFDF);
  r.OnePlusK = s.FFDF >= 0.05f ? K * s.FFDF : 1.0f;
  WRITE_FORMATTED(u, "(2X,'NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) = ',F6.3 )", r.OnePlusK);
  WRITE_FORMATTED(u, "(2X,'GRIGSON s FOR FAKTORU ----------> (1+k) = ',F6.3 )", r.OnePlusKGrigson);

  run.sp.FnArr(i) = r.Fn;
}

}  // namespace vdk
