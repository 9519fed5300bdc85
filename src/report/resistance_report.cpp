#include "report/resistance_report.hpp"

#include <cmath>
#include <string>
#include <string_view>

#include "format/format.hpp"
#include "report/method_report.hpp"
#include "report/stop_texts.hpp"

namespace vdk {

namespace {

// A label held in an 80-character text (blank-padded), as the A40 fields of
// the report take it: their first 40 characters.
std::string LABEL80(std::string_view text) {
  std::string s(text.substr(0, 80));
  s.resize(80, ' ');
  return s;
}

// Integer part of the effective power for the Pe column (truncated toward
// zero). A value beyond the integer range still shows as an overflowed field.
int WHOLE_KW(float pe) {
  if (!(fabsf(pe) < 2.0e9f)) return pe < 0.0f ? -999999999 : 999999999;
  return static_cast<int>(pe);
}

void OUTPUT_HEADING(std::ostream& u) {
  WRITE_LIST(u);
  WRITE_LIST(u);
  WRITE_LIST(u);
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(
      u, "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'CIKIS BILGILERI',/,60('='))");
}

// Opening of the block up to the Froude number; false when the prismatic
// coefficient stopped the block there (the message is written).
bool WRITE_HULL_FORM(std::ostream& con, std::ostream& u, const ShipRecord& s, int i,
                     const HullFormAtSpeed& r, Method method) {
  WRITE_FORMATTED(u, "(/'  HESAP HIZI NO = ',I2)", i);
  WRITE_FORMATTED(u, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' knot')", r.VS);
  WRITE_FORMATTED(u, "('  GEMI HIZI -------------------------> VS = ',F5.2, ' m/s')", r.v);
  WRITE_FORMATTED(u, "(2X,'FROUDE SAYISI ---------------------> Fn =',F6.3)", r.Fn);

  const HullCoefficients& h = r.hull;
  if (r.prismatic_stop) {
    const std::string text = PRISMATIC_STOP_TEXT(h, s.Cm);
    con << text;
    u << text;
    return false;
  }

  WRITE_FORMATTED(u, "('  BLOK KATSAYISI (Lpp YE GORE) ------> CB = ',F5.3, '   ')", h.CB);
  WRITE_FORMATTED(u, "('  PRIZMATIK KATSAYI (Lpp YE GORE) ---> CP = ',      F5.3,'   ')", h.CP);
  WRITE_FORMATTED(u, "('  BLOK KATSAYISI (Lwl YE GORE) ---> CBlwl = ',F5.3, '   ')", h.CBlwl);
  WRITE_FORMATTED(u, "('  SU HATTI N.K. (Lwl YE GORE) ---> CWPlwl = ',F5.3, '   ')", h.CWPlwl);
  WRITE_FORMATTED(u, "(2X,'CIKIS BOYU ------------------------> LR = ',F6.3,' m')", r.LR);
  WRITE_FORMATTED(u, "(2X,'C PARAMETRESI ----------------------> C =',F6.3)", r.C);

  if (PUBLISHED(method)) {
    WRITE_BARE_HULL_SURFACE(u, r);
  } else if (r.S_estimated) {
    WRITE_FORMATTED(u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2')", r.S_used);
    WRITE_FORMATTED(
        u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",
        r.S_Taylan);
  } else {
    WRITE_FORMATTED(u, "(2X,'TAHMINI ISLAK YUZEY (takinti dahil)-> S =',F9.2, ' m2')", r.SE);
    WRITE_FORMATTED(
        u, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",
        r.S_Taylan);
    WRITE_FORMATTED(u, "(2X,'GERCEK ISLAK YUZEY (Takinti Dahil) -> S =',F9.2, ' m2')", r.S_used);
  }

  WRITE_FORMATTED(u, "(2X,'CIPLAK TEKNE FORM FAKTORU ------> (1+k) = ',F6.3 )", r.KHoltrop);
  WRITE_FORMATTED(u, "(2X,'FORM FAKTORU DUZELTME KATS.----->  FFDF = ',F6.3 )", s.FFDF);
  WRITE_FORMATTED(u, "(2X,'NIHAI CIP. TEKNE FORM FAKTORU --> (1+k) = ',F6.3 )", r.OnePlusK);
  WRITE_FORMATTED(u, "(2X,'GRIGSON s FOR FAKTORU ----------> (1+k) = ',F6.3 )", r.OnePlusKGrigson);
  return true;
}

void WRITE_FRICTION(std::ostream& u, const ShipRecord& s, const FrictionAppendageWind& r) {
  WRITE_FORMATTED(u, "(2X,'SURTUNME DIRENC KATSAYISI ----> CF*1000 = ',F6.3)", 1000.0f * r.CF);
  WRITE_FORMATTED(u, "(2X,'FORM DIRENCI KATSAYISI  ------> CV*1000 = ',F6.3)", 1000.0f * r.CV);
  WRITE_FORMATTED(u, "(2X,'SURTUNME DIRENCI ------------------> RF = ',F8.2,' kN')", r.RF);
  WRITE_FORMATTED(u, "(2X,'TAKINTI TOPLAM DIRENCI ----------> RAPP = ',F8.2,' kN')", r.RAPP);
  if (r.wind == WindCase::DepthBelowDraught) {
    WRITE_FORMATTED(u, "(2X,' BAS DIKMEDEKI GEMI YUKSEKLIGI BAS DRAFTTAN KUCUK  GIRILDI.')");
    WRITE_FORMATTED(u, "(2X,' BU DURUMDA RUZGAR DIRENCI HESAPLANMAZ.')");
  } else if (r.wind == WindCase::Computed) {
    WRITE_FORMATTED(u, "(2X,'GEMI ON YUZEY ALANI -----------> D*B*CM = ',F6.2,' m2')", r.AFRONT);
    WRITE_FORMATTED(u, "(2X,'GUVERTE EVI/YUK ON YUZEY ALANI -> ONYUZ = ',F6.2,' m2')", s.ONYUZ);
    WRITE_FORMATTED(u, "(2X,'RUZGAR DIRENCI KATSAYISI ----> CAA*1000 = ',F6.3)", 1000.0f * r.CAA);
  }
  WRITE_FORMATTED(u, "(2X,'RUZGAR DIRENCI ------------------> RAIR = ',F8.2,' kN')", r.RAIR);
}

// The wave step; false when the emerged bulb stopped the block (the message
// is written on the console).
bool WRITE_WAVE(std::ostream& con, std::ostream& u, const ShipRecord& s, const WaveBulbTransom& r,
                Method method) {
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' derece')",
                  LABEL80("TAHMINI SU HATTI YARIM GIRIS ACISI > IE"), r.IE_est);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' derece')",
                  LABEL80("SU HATTI YARIM GIRIS ACISI > IE(derece) - HESAPLANAN"), r.IE_used);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C4 = ',F6.2)", r.C4);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C5 = ',     F6.2)", r.C5);
  WRITE_FORMATTED(u, "(2X,'PARAMETRE -------------------------> M1 = ',     F9.2)", r.M1);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C6 = ',     F6.2)", r.C6);
  WRITE_FORMATTED(u, "(2X,'PARAMETRE -------------------------> M2 = '      ,F9.2)", r.M2);
  WRITE_FORMATTED(u, "(2X,'PARAMETRE ----------------------> LAMDA = '      ,F9.2)", r.LAMDA);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C1 = ',F6.2)", r.C1);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C3 = '      ,F6.2)", r.C3);
  WRITE_FORMATTED(u, "(2X,'KATSAYI ---------------------------> C2 = '      ,F6.2)", r.C2);
  WRITE_FORMATTED(u, "(2X,'KATSAYI --------------------------> C17 = '      ,F6.2)", r.C17);
  WRITE_FORMATTED(u, "(2X,'PARAMETRE -------------------------> M3 = '      ,F6.2)", r.M3);
  WRITE_FORMATTED(u, "(2X,'KATSAYI --------------------------> C15 = '      ,F6.2)", r.C15);
  WRITE_FORMATTED(u, "(2X,'PARAMETRE -------------------------> M4 = '      ,F6.2)", r.M4);

  if (method == Method::HM1982) {
    WRITE_WAVE_1982(u, r);
  } else {
    switch (r.range) {
      case WaveRange::Low:
        WRITE_FORMATTED(u, "(2X,'YAVAS HIZ BOLGESI LIMITLERI HESABI Fn<0.40')");
        WRITE_FORMATTED(u, "(2X,'DALGA DIRENCI ---------------------> Rw = ',     F9.2,' kN')",
                        r.Rw);
        break;
      case WaveRange::High:
        WRITE_FORMATTED(u, "(2X,'YUKSEK HIZ BOLGESI LIMITLERI HESABI Fn>0.55'     )");
        WRITE_FORMATTED(u, "(2X,'DALGA DIRENCI ---------------------> Rw = ',     F9.2,' kN')",
                        r.Rw);
        break;
      case WaveRange::Transition:
        WRITE_FORMATTED(u, "(2X,'GECIS HIZI BOLGESI LIMITLERI HESABI 0.40<Fn<0.55')");
        break;
    }
  }

  if (r.bulb_emerged) {
    con << BULB_STOP_TEXT(s.HB);
    return false;
  }
  if (r.bulb_breaking) {
    WRITE_FORMATTED(u, "(2X,'*** BALP BOLGESINDA ASIRI DALGA KIRILMASI VAR *** ')");
  }
  WRITE_FORMATTED(u, "(2X,'BALP DIRENCI -------------------> Rbulb = '      ,F8.2,' kN')", r.Rbulb);
  WRITE_FORMATTED(u, "(2X,'AYNA KIC DIRENCI ---------------> Rayna = '      ,F8.2,' kN')", r.Rayna);
  WRITE_FORMATTED(u, "(2X,'BAS ITICI DIRENC ARTISI --------> Rbot  = '      ,F6.2,' kN')", r.Rbot);
  WRITE_FORMATTED(u, "(2X,'DALGA DIRENCI ---------------------> RW = '      ,F8.2,' kN')", r.Rw);
  WRITE_FORMATTED(u, "(2X,'DALGA DIRENC KATSAYISI -------> CW*1000 = ',F6.3)", 1000.0f * r.CW);
  return true;
}

void WRITE_CORRELATION(std::ostream& u, const CorrelationAndTotals& r) {
  WRITE_FORMATTED(u,
                  "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (HOLTROP TAHMINI) ')",
                  1000.0f * r.CA_holtrop);
  if (r.CA_direct) {
    WRITE_FORMATTED(u,
                    "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (DOGRUDAN ATAMA) ')",
                    1000.0f * *r.CA_direct);
  }
  if (r.CA_ittc) {
    WRITE_FORMATTED(u, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (ITTC YONTEMI) ')",
                    1000.0f * *r.CA_ittc);
  }
  if (r.CA_rough) WRITE_ROUGHNESS_ALLOWANCE(u, *r.CA_rough);
  WRITE_FORMATTED(u, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3)", 1000.0f * r.CA);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80("MODEL-GEMI KORELASYON DIRENCI - RA(kN)"),
                  r.RA);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80("TOPLAM DIRENC - RTOTAL(kN)"), r.RT);
  WRITE_FORMATTED(u, "(2X,A40,'=',F10.3,' kW')", LABEL80("EFEKTIF GUC - PE(kW)"), r.PE);
  WRITE_FORMATTED(u, "(60('='))");
}

}  // namespace

void WRITE_INPUT_SUMMARY(std::ostream& u, const ShipRecord& s, const InputSummary& r,
                         Method method) {
  // Main particulars
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(
      u, "(10X,'HOLTROP & MENNEN GUC TAHMINI PROGRAMI',/,20X,'GIRIS BILGILERI',/,60('='))");
  if (PUBLISHED(method)) WRITE_METHOD_LINE(u, method);
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

  // Appendages with a real area, numbered as listed
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, "(2X, '   MEVCUT TAKINTILAR')");
  WRITE_FORMATTED(u,
                  "(2X,                                                      "
                  "3X,31('-'),3X,'ALAN',5X,'FORM FAKTORU')");
  WRITE_FORMATTED(u,
                  "(2X,                                                      "
                  "3X,'           ',23X,' m2 ',8X,'   (1+k2)   ')");
  int j = 0;
  for (int k : r.listed_appendages) {
    j = j + 1;
    WRITE_FORMATTED(u, "(1X,I2,'-',1X,A30,2X,F8.3,9X,F5.3)", j, s.AppendageName(k), s.Sapp(k),
                    s.OnePlusK2(k));
  }
  WRITE_FORMATTED(u, "(60('-'))");
  WRITE_FORMATTED(u, "(2X,'TOPLAM TAKINTI ALANI - Stot = ',F6.2,' m2')", r.Sapptot);
  WRITE_FORMATTED(u, "(2X,'TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff=',F6.3)", r.OnePlusK2eff);
  WRITE_FORMATTED(u, "(60('='))");

  // Fluid
  WRITE_FORMATTED(u, "(2X,'AKISKAN YOGUNLUGU - RHO = ',F9.2,' kg/m3 ')", s.RHO);
  WRITE_FORMATTED(u, "(2X,'YERCEKIMI IVMESI - GRAV = ',F9.5,' m/sn2 ')", s.GRAV);
  WRITE_FORMATTED(u, "(60('='))");

  // Propeller
  if (r.propeller_block) {
    std::string title = "PERVANE BILGILERI";
    title.resize(40, ' ');
    WRITE_FORMATTED(u, "(2X,A40)", title);
    WRITE_FORMATTED(u, "(2X,'PERVANE CAPI - D = ',F6.3,' m')", s.D);
    WRITE_FORMATTED(u, "(2X,'PERVANE SAYISI - NPROP = ',I3)", s.NPROP);
    WRITE_FORMATTED(u, "(2X,'PERVANE SAFT DERINLIGI - Hsd = ',F6.3,' m')", s.Hsd);
    WRITE_FORMATTED(u, "(2X,'MAX. SUREKLI MAKINA DEVRI - MCR = ',F6.3)", s.MCR);
  }
  WRITE_FORMATTED(u, "(60('='))");

  OUTPUT_HEADING(u);
}

void WRITE_SPEED_BLOCK(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                       const SpeedBlock& b, Method method) {
  if (!WRITE_HULL_FORM(con, son, ship, b.i, b.hull_form, method)) return;
  WRITE_FRICTION(son, ship, b.friction);
  if (!WRITE_WAVE(con, son, ship, b.wave, method)) return;
  WRITE_CORRELATION(son, b.totals);
}

void WRITE_RESISTANCE_CALCULATION(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                                  const ResistanceResult& res) {
  WRITE_INPUT_SUMMARY(son, ship, res.summary, res.method);
  for (const SpeedBlock& b : res.blocks) WRITE_SPEED_BLOCK(con, son, ship, b, res.method);
}

void WRITE_SUMMARY_TABLE_I(std::ostream& u, const ShipRecord& s, const ResistanceColumns& c) {
  WRITE_FORMATTED(u,
                  "(/,/,/,10X,'HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I',/,1X,84('='),/,"
                  "6X,'Fn','   Vs',6X,'Rs',5X,'Rv',5X,'Rw',5X,'Ra',5X,'Rapp',3X,'Rbl',4X,'Rtr',4X,"
                  "'Rbt',4X,'Raa',5X,'Rt',/,1X,84('='))");
  for (int i = 1; i <= s.NSPEED; ++i) {
    WRITE_FORMATTED(u, "(1X,I2,1X,F5.3,1X,F5.2,1X,10(F6.1,1X))", i, c.Fn(i), s.Vs(i), c.RF(i),
                    c.RV(i), c.RW(i), c.RA(i), c.RAPP(i), c.RB(i), c.RTR(i), c.RBT(i), c.RAIR(i),
                    c.RT(i));
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

void WRITE_CHARACTERISTICS_TABLE(std::ostream& u, const ShipRecord& s, const ResistanceColumns& c,
                                 bool corrected) {
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
    WRITE_FORMATTED(u, "(1X,I2,2X,F5.2,2X,7(F7.3,2X),I5,2X,F6.2)", i, s.Vs(i), c.Fn(i),
                    1e-09f * c.Rn(i), 1000.0f * c.CF(i), 1000.0f * c.CV(i), 1000.0f * c.CR(i),
                    1000.0f * c.CA(i), 1000.0f * c.CT(i), WHOLE_KW(c.PE(i)),
                    100.0f * c.RAPP(i) / c.RT(i));
  }
  WRITE_FORMATTED(u, "(1X,87('=')))");
}

void WRITE_RESISTANCE_TABLES(std::ostream& son, const ShipRecord& ship, const ResistanceResult& res,
                             const ResistanceTables& t) {
  WRITE_SUMMARY_TABLE_I(son, ship, res.columns);
  WRITE_CHARACTERISTICS_TABLE(son, ship, res.columns, false);
  if (t.stop) return;
  if (t.CorrFlag == 0) {
    WRITE_FORMATTED(son, "(/A/)", " Dalga direnci duzeltmesi yapilmamistir.");
    return;
  }
  ResistanceColumns corrected = res.columns;
  corrected.CR = t.CR_corrected;
  corrected.CT = t.CT_corrected;
  corrected.RT = t.RT_corrected;
  corrected.PE = t.PE_corrected;
  WRITE_CHARACTERISTICS_TABLE(son, ship, corrected, true);
}

}  // namespace vdk
