// Writers of the propeller sections.
#include "report/propeller_report.hpp"

#include <cmath>
#include <string>
#include <string_view>

#include "format/format.hpp"
#include "report/method_report.hpp"
#include "report/stop_texts.hpp"

namespace vdk {

namespace {

// A report line to the console, then to the results file.
template <class... Args>
void BOTH(std::ostream& con, std::ostream& son, std::string_view fmt, const Args&... items) {
  WRITE_FORMATTED(con, fmt, items...);
  WRITE_FORMATTED(son, fmt, items...);
}

// The note that the controllable-pitch loss is in the figures.
void CP_LINES(std::ostream& con, std::ostream& son, const SeriesSettings& set) {
  if (!IS_CP_PROPELLER(set)) return;
  WRITE_FORMATTED(con, "(' HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR')");
  WRITE_FORMATTED(son, "(' (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    '/)");
}

// ---- propeller routines ----

constexpr std::string_view R1 =
    "---|-------|-------|--------|--------|--------|------------|----------|";
constexpr std::string_view R2 =
    "---|-------|-------|--------|--------|--------|------------|---------|";
constexpr std::string_view R3 =
    "---|-------|-------|--------|--------|--------|----- ------|-----------|";
constexpr std::string_view R4 =
    "---|-------|-------|--------|--------|--------|-----------|-----------|";
constexpr std::string_view H1 =
    " i    P/D      J       Kt      10Kq     eta0       Bp          delta";
constexpr std::string_view H2 =
    " i    P/D      J       Kt      10Kq     eta0       Bp         delta";

constexpr std::string_view CANDIDATE_ROW = "(1X,I2,2F8.3,3F9.4,1X,2(F10.4,3X))";

// Table head, the candidate rows and the closing rules of a search; the
// no-propeller message when it found none.
void SEARCH_TABLE(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r) {
  const bool ktj2 = r.routine == PropellerRoutine::OptimumForD;
  const std::string_view title = ktj2 ? "(//5X,'Pervane Karakteristikleri - Kt/J^2 = ',F6.3/)"
                                      : "(//5X,'Pervane Karakteristikleri - Kt/J^4 = ',F6.3/)";
  WRITE_FORMATTED(con, title, r.target);
  WRITE_LIST(con, R1);
  WRITE_LIST(con, H1);
  WRITE_LIST(con, R1);
  WRITE_FORMATTED(son, title, r.target);
  if (ktj2) {
    WRITE_LIST(son, H2);
    WRITE_LIST(son, R2);
  } else {
    WRITE_LIST(son, R1);
    WRITE_LIST(son, H2);
    WRITE_LIST(son, R1);
  }
  for (const CandidateRow& c : r.candidates)
    BOTH(con, son, CANDIDATE_ROW, c.i, c.PD, c.J, c.KT, c.KQ10, c.ETA0, c.Bp, c.delta);
  WRITE_LIST(con, R3);
  WRITE_LIST(son, ktj2 ? R4 : R3);
  if (r.candidates.empty()) {
    con << NO_PROPELLER_TEXT();
    son << NO_PROPELLER_TEXT();
  }
}

// The operating point of the propeller settled on: P/D, J and the open-water
// values, thrust and advance speed, revolutions, torque and power.
void OPERATING_POINT_LINES(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r) {
  const SelectedPropeller& s = r.sel;
  BOTH(con, son,
       "(' P/D=',F5.3,/,1X,'J=',F6.3,1X,'Kt=',F6.3,1X,'10Kq=',F6.3,1X,'eta=',F6.3,/,1X,"
       "'Bp=',F9.4,1X,'delta=',F9.4)",
       s.PD, s.J, s.KT, s.KQ10, s.ETA0, r.Bp, r.delta);
  BOTH(con, son,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m')",
       r.T_shown, r.Va, r.RHO, r.Z, r.EAR, s.D);
  BOTH(con, son,
       "(' RPS=',F7.3,' dev/san',1X,'RPM=',F7.2,1X,'TORK=',F8.3,' kNm',1X,'Pd=',F7.1,' kW')", r.n,
       s.N, r.Q / 1000.0f, s.Pd);
}

// Selected line, C.P. lines and the blocks P, T and R of the chosen propeller.
void RESULT_BLOCK(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r) {
  BOTH(con, son, "(/,' SECILEN PERVANE = ',I2,'. PERVANEDIR')", r.IBEST);
  CP_LINES(con, son, r.set);
  OPERATING_POINT_LINES(con, son, r);
}

void PITCH_REPORT(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r) {
  if (r.stop) {
    con << NO_PROPELLER_TEXT();
    son << NO_PROPELLER_TEXT();
    return;
  }
  BOTH(con, son,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m',' P/D = ',F6.3)",
       r.T_shown, r.Va, r.RHO, r.Z, r.EAR, r.sel.D, r.sel.PD);
  CP_LINES(con, son, r.set);
  WRITE_SERIES_MESSAGE(con, son, r.set);
  if (!r.reached) BOTH(con, son, "(' UYARI: GEREKEN ITME P/D=1.40 ILE SAGLANAMADI')");
}

void GIVEN_REPORT(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r) {
  BOTH(con, son, "(/,' BELIRLENEN PERVANE KULLANILMISTIR.')");
  CP_LINES(con, son, r.set);
  OPERATING_POINT_LINES(con, son, r);
  WRITE_SERIES_MESSAGE(con, son, r.set);
}

// ---- cavitation ----

void OUT_OF_RANGE_MESSAGE(std::ostream& con, std::ostream& son, float Sigma) {
  WRITE_FORMATTED(con,
                  "(3/1X'HATA - PERVANE KAVITASYON SAYISI - Sigma = ',    F6.3,"
                  "' LIMITLERIN DISINDA KALDI.')",
                  Sigma);
  WRITE_FORMATTED(con, "(1X,'LIMITLER  0.18<Sigma<1.5 dir.')");
  WRITE_FORMATTED(con, "(1X'BU DURUMDA BURRIL ANALIZI YAPILAMAZ.')");
  WRITE_FORMATTED(con, "(1X'LUTFEN SAFT DERINLIGINI VEYA PERVANE DEVRINI DEGISTIRIN.')");

  WRITE_FORMATTED(son,
                  "(3/1X'HATA - PERVANE KAVITASYON SAYISI - Sigma = ',   F6.3,"
                  "' LIMITLERIN DISINDA KALDI.')",
                  Sigma);
  WRITE_FORMATTED(son, "(1X,'LIMITLER  0.18<Sigma<1.5 dir.')");
  WRITE_FORMATTED(son, "(1X'BU DURUMDA BURRIL ANALIZI YAPILAMAZ.')");
  WRITE_FORMATTED(son, "(1X,'LUTFEN SAFT DERINLIGINI VEYA PERVANE DEVRINI DEGISTIRIN.')");
}

void BURRILL_BLOCK(std::ostream& unit, float EAR, const CavitationResult& r) {
  WRITE_FORMATTED(unit, "(//2X,54('='))");
  WRITE_FORMATTED(unit,
                  "(2X,                                                     "
                  "'BURRIL KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit,
                  "(2X,'Mevcut EAR = ',F6.3,' =>  ',' Sigma = ',         F5.3,' Tauc = ',F5.3)",
                  EAR, r.Sigma, r.Tauc);
  WRITE_FORMATTED(unit, "(2X,'%2.5 Sirt Kavitasyon Hattina Gore Min. EAR = ',   F6.3)", r.EARB25);
  WRITE_FORMATTED(unit, "(2X,'%5.0 Sirt Kavitasyon Hattina Gore Min. EAR = ',   F6.3)", r.EARB50);
  WRITE_FORMATTED(unit, "(2X,'Tavsiye edilen ust sinir icin Minimum  EAR = ',   F6.3)", r.EARBUP);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_LIST(unit);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit,
                  "(2X,                                                     "
                  "'UC HIZINA GORE KANAT UCU GIRDABI TEHLIKESI KONTROLU')");
  WRITE_FORMATTED(unit, "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip < 30 m/s olmali - Yaklasik)')",
                  r.Vtip);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_LIST(unit);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit,
                  "(2X,                                                     "
                  "'WAGENINGEN KAVITASYON KRIT. GORE ACINIM ALANI KONTROLU')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "(2X,'Min. EAR = ',F6.3)", r.EARW);
  WRITE_FORMATTED(unit, "(2X,54('='))");
}

void TIP_VORTEX_BLOCK(std::ostream& son, float Vtip) {
  WRITE_LIST(son);
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU')");
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, "(2X,'Vtip = ',F6.3,' m/s',2X,'(Vtip-Kanat ucu hizi<30 m/s olmali)')", Vtip);
  WRITE_FORMATTED(son, "(2X,54('='))");
}

// ---- trial propeller ----

void HEADING(std::ostream& son) {
  WRITE_FORMATTED(son, "(3/1X,64('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'SEYIR TECRUBESI SARTLARINI SAGLAYAN OPTIMUM PERVANENIN TESPITI')");
  WRITE_FORMATTED(son, "(1X,64('='))");
  WRITE_FORMATTED(son,
                  "(                                                       "
                  "2X,'(Pervane seyir tecrubesi sirasinda makinadan aldigi gucu'/  "
                  "2X,' absorbe etmelidir. Boylece optimum devir (RPM) maximum'/   "
                  "2x,' pervane verimine karsi gelir.)')");
  WRITE_FORMATTED(son, "(1X,64('='))");
}

// Keller's formula needs the diameter, which the rpm-given search has yet to find.
void DIAMETER_NOTE(std::ostream& con) {
  WRITE_FORMATTED(con,
                  "(/2X,                                                    "
                  "'  Onemli Not:Kullanilan optimizasyon secenegi geregi olarak'/        "
                  "4x,'pervane capi KELLER formulu nde belirli degildir.')");
  WRITE_FORMATTED(con,
                  "(4X,'Bu durumda duzlenmis acinim alani tahminini KELLER '/"
                  "4X,'bagintisina birakmak yanlis sonuc verir.'/"
                  "4X,'Bu zorluk, programin tekrarli calistirmalari ile'/"
                  "4X,'BURRIL bagintisi sonuclari kullanilarak asilmalidir.'/"
                  "4X,'Bu durumda sorulan secenege EVET cevabi ile birlikte'/"
                  "4X,'daha dusuk acinim alani orani girmek yerinde olur.'/"
                  "4X,'(VARDELONTEKSA gelistiricilerinin notu)')");
  WRITE_LIST(con);
}

// ---- power chain ----

// Integer part of a blade number for the printed line; a value no integer
// field can hold prints as asterisks.
long long TRUNCATED(float x) {
  if (!std::isfinite(x) || std::fabs(x) >= 1.0e15f) return 1000000000000000LL;
  return static_cast<long long>(x);
}

void POWER_LINES(std::ostream& son, float PEtrial, float etad, float etas, float MCR, float Pb,
                 float Pbm, float Pbd, float ETAH, float ETA0, float etaR,
                 const PowerChainRecord& r) {
  WRITE_FORMATTED(son, "(///2X,54('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb ')");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pb = Pe(trial)/(etad*etas) = ',F8.2,'/(',F5.3,               "
                  "'*',F5.3,')=> ')",
                  PEtrial, etad, etas);
  WRITE_FORMATTED(son, "(2X,'   = ',F8.2,' kW')", Pb);
  if (PUBLISHED(r.method)) WRITE_SERVICE_POWER(son, r);
  WRITE_FORMATTED(son, "(2X,'HESAPLANAN GEREKLI MAKINA GUCU - Pbm')");
  if (PUBLISHED(r.method)) {
    WRITE_ENGINE_POWER_FROM_SERVICE(son, r);
  } else {
    WRITE_FORMATTED(son,
                    "(2X,                                                    "
                    "'Pbm = Pb(trial)/(%MCR) = ',F8.2,'/(',F4.2,                   "
                    "') = ',F8.2,' kW')",
                    Pb, MCR, Pbm);
  }
  WRITE_FORMATTED(son, "(2X,'PERVANEYE VERILEN GUC - Pbdeliv')");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pbd = Pb(trial)*(etas) = ',F8.2,'*(',F4.2,                   "
                  "') = ',F8.2,' kW')",
                  Pb, etas, Pbd);
  WRITE_FORMATTED(son, "(2X,54('.'))");
  WRITE_FORMATTED(son, "(8X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'etad : Genel Sevk Verimi = etah  * eta0  *  etarr ')");
  WRITE_FORMATTED(son, "(28X,'=',1X,F5.3,' * ',F5.3,' * ',F5.3))", ETAH, ETA0, etaR);
  WRITE_FORMATTED(son, "(3X,'etas : transmisyon verimi (saft kayiplari)')");
  WRITE_FORMATTED(son, "(3X,'%MCR : Maximum surekli devir (max. cont.rate')");
  WRITE_FORMATTED(son, "(2X,54('='))");
}

void SELECTED_PROPELLER(std::ostream& son, const SelectedPropeller& pr, float Z, float EAR,
                        float D) {
  WRITE_FORMATTED(son, "(//2X,54('='))");
  WRITE_FORMATTED(son, "(10X,'SECILEN PERVANE')");
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, "(2X,'DEVIR            -     N  = ',F8.3,' RPM')", pr.N);
  WRITE_FORMATTED(son, "(2X,'KANAT SAYISI     -     Z  = ',I4  )", TRUNCATED(Z));
  WRITE_FORMATTED(son, "(2X,'ILERLEME KATSAYISI   - J  = ',F5.3)", pr.J);
  WRITE_FORMATTED(son, "(2X,'ITME SABITI      -    Kt  = ',F5.3)", pr.KT);
  WRITE_FORMATTED(son, "(2X,'MOMENT SABITI    -  10Kq  = ',F5.3)", pr.KQ10);
  WRITE_FORMATTED(son, "(2X,'ACIK SU VERIMI   - ETA-0  = ',F5.3)", pr.ETA0);
  WRITE_FORMATTED(son, "(2X,'PIC ORANI - P/D  - SABIT  = ',F5.3)", pr.PD);
  WRITE_FORMATTED(son, "(2X,'ACINIM ALANI ORANI - EAR  = ',F5.3)", EAR);
  WRITE_FORMATTED(son, "(2X,'PERVANE CAPI  - DIAM      = ',F8.3, ' m')", D);
  WRITE_FORMATTED(son, "(2X,'HATVE MIKTARI  - P        = ',F8.3, ' m')", pr.PD * D);
  WRITE_FORMATTED(son, "(2X,54('='))");
}

// ---- propulsion characteristics ----

constexpr const char* FRAME = "(7X,'|',57('-'),'|')";
constexpr const char* RULE_LEFT = "|--------|--------|";
constexpr const char* RULE_RIGHT = "------|------|------|------|------|------|--------|-------|";
constexpr const char* HEAD_LEFT = "|  Vs    |   PE   |";
constexpr const char* HEAD_RIGHT = " ThDF |  WFT | ETAH | ETAR | ETA0 | ETAD |   PB   |  RPM  |";

void OPEN_WATER_PASS(std::ostream& unit, int SERIES, float JD, float Z, float EAR, float PDEL,
                     float TH, float N, float VD, float KTD, float KQD, float D, float WD,
                     float TD) {
  if (SERIES == 1) {
    WRITE_FORMATTED(unit,
                    "(                                                       "
                    "2/10X,'WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI')");
  }
  if (SERIES == 2) {
    WRITE_FORMATTED(unit,
                    "(                                                       "
                    "2/14X,'GAWN SERISI PERVANE ACIK SU KARAKTERISTIKLERI')");
  }
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, "(7X,'| CAP - D (m)         =  ',F8.2,3X,'|',3X,'J      =  ',F6.4,'  |')",
                  D, JD);
  WRITE_FORMATTED(unit, "(7X,'| ITME - TH   (kN)    =  ',F8.2,3X,'|',3X,'KT     =  ',F6.4,'  |')",
                  TH, KTD);
  WRITE_FORMATTED(unit, "(7X,'| GUC - PD    (kW)    =  ',F8.2,3X,'|',3X,'10KQ   =  ',F6.4,'  |')",
                  PDEL, 10.0f * KQD);
  WRITE_FORMATTED(unit, "(7X,'| RPM                 =  ',F8.2,3X,'|',3X,'T      =  ',F6.4,'  |')",
                  N, TD);
  WRITE_FORMATTED(unit, "(7X,'| GEMI HIZI-VS(KNOT)  =  ',F8.2,3X,'|',3X,'WT     =  ',F6.4,'  |')",
                  VD, WD);
  WRITE_FORMATTED(unit, "(7X,'| KANAT SAYISI (Z)    =  ',F6.0,5X,'|',3X,'Ae     =  ',F6.4,'  |')",
                  Z, EAR);
  WRITE_FORMATTED(unit, FRAME);
}

void OPEN_WATER_ROWS(std::ostream& unit, const CharacteristicsRecord& r) {
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, "(7X,'|  No',4X,'J',7X,'KT',5X,'10KQ',4X,'ETA0',8X,'Bp',6X,'Delta |')");
  WRITE_FORMATTED(unit, FRAME);
  int k = 0;
  for (const OpenWaterRow& row : r.openWater) {
    ++k;
    WRITE_FORMATTED(unit, "(7X,'| ',I2,3X,4(F5.3,3X),F8.2,2X,F8.2,' |')", k, row.J, row.KT,
                    10.0f * row.KQ, row.ETA0, row.Bp, row.delta);
  }
  WRITE_FORMATTED(unit, FRAME);
}

void WRITE_OPEN_WATER_PASS(std::ostream& unit, const CharacteristicsRecord& r) {
  OPEN_WATER_PASS(unit, r.SERIES, r.JD, r.Z, r.EAR, r.PDEL, r.TH, r.N, r.VD, r.KTD, r.KQD, r.D,
                  r.WD, r.TD);
}

void SERVICE_PASS(std::ostream& unit, const CharacteristicsRecord& r) {
  const std::string rule = std::string(RULE_LEFT) + RULE_RIGHT;
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit, "    SEVK KARAKTERISTIKLERI - MINIMUM SERVIS");
  WRITE_LIST(unit, rule);
  WRITE_LIST(unit, std::string(HEAD_LEFT) + HEAD_RIGHT);
  WRITE_LIST(unit, rule);

  if (!r.serviceComputable) {
    WRITE_FORMATTED(unit, "(' ACIK SU TABLOSU YETERSIZ - SERVIS TABLOSU HESAPLANAMADI')");
    WRITE_LIST(unit, rule);
    return;
  }
  for (const ServiceRow& s : r.service) {
    WRITE_FORMATTED(unit,
                    "(' |',F7.3,' |',I7,' |',F5.3,' |',F5.3,' |',F5.3,' |',F5.3,"
                    "' |',F5.3,' |',F5.3,' |',I7,' |',F6.1,' |')",
                    s.VS, s.PE, s.t, s.w, s.ETAH, s.ETAR, s.ETA0, s.ETAD, s.PB, s.RPM);
  }
  // A spline stop ends the table after the rows before it.
  if (r.stop) return;
  WRITE_LIST(unit, rule);
}

void LEGEND(std::ostream& son, float ETATR, int IPOD) {
  WRITE_FORMATTED(son, "(/8X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'Vs  : Gemi Hizi - knot')");
  WRITE_FORMATTED(son, "(3X,'PE  : Efektif guc degeri - kW')");
  WRITE_FORMATTED(son, "(3X,'ThDF: Itme azalmasi katsayisi')");
  WRITE_FORMATTED(son, "(3X,'WFT : Efektif iz katsayisi')");
  WRITE_FORMATTED(son, "(3X,'ETAR: Pervane rolatif donme verimi')");
  WRITE_FORMATTED(son, "(3X,'ETA0: Pervane acik su verimi')");
  WRITE_FORMATTED(son, "(3X,'ETAD: Genel sevk verimi - (1-ThDF)/(1-WFT)*ETA0*ETAR')");
  WRITE_FORMATTED(son, "(3X,'PB  : Minimum makina gucu - kW')");
  WRITE_FORMATTED(son, "(3X,'RPM : Pervane devir sayisi - devir/dakika')");
  WRITE_FORMATTED(
      son, "(3X,' Not: Transmisyon verimi Etatr = ',F6.3,'; PB - Makina gucune dahildir')", ETATR);
  if (IPOD == 1) {
    WRITE_FORMATTED(son,
                    "(3X,' Not: Sevk Katsayilarinda POD lu pervane duzeltmes i yapilmistir.')");
    WRITE_FORMATTED(son, "(3X,' Kaynak: A Parametric power prediction model for t ractor pods.')");
    WRITE_FORMATTED(son, "(3X,' Yazarlar: kaynak raporun yazarlari (uc yazarli calisma)')");
    WRITE_FORMATTED(son, "(3X,' Delft University of Technology')");
    WRITE_FORMATTED(son, "(3X,' Ship Hydromechanics Lab. Report No: 1545-P, 2006 ')");
  }
}

}  // namespace

void WRITE_SERIES_MESSAGE(std::ostream& con, std::ostream& son, const SeriesSettings& set) {
  if (set.SERIES == 1) {
    WRITE_FORMATTED(con, "(' HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR')");
    WRITE_FORMATTED(son, "(' HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR')");
  }
  if (set.SERIES == 2) {
    WRITE_FORMATTED(con, "(' HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR')");
    WRITE_FORMATTED(son, "(' HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR')");
  }
}

void WRITE_PROPELLER_ROUTINE(std::ostream& con, std::ostream& son,
                             const PropellerRoutineRecord& r) {
  switch (r.routine) {
    case PropellerRoutine::OptimumForD:
      SEARCH_TABLE(con, son, r);
      if (r.stop) return;
      RESULT_BLOCK(con, son, r);
      WRITE_SERIES_MESSAGE(con, son, r.set);
      break;
    case PropellerRoutine::OptimumForN:
      SEARCH_TABLE(con, son, r);
      if (r.stop) return;
      WRITE_SERIES_MESSAGE(con, son, r.set);
      RESULT_BLOCK(con, son, r);
      break;
    case PropellerRoutine::PitchForThrust:
      PITCH_REPORT(con, son, r);
      break;
    case PropellerRoutine::Given:
      GIVEN_REPORT(con, son, r);
      break;
    case PropellerRoutine::None:
      break;
  }
}

void WRITE_KELLER_BLOCK(std::ostream& son, float EAR, float EARK) {
  WRITE_FORMATTED(son, "(//2X,54('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'KELLER KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU')");
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, "(2X,'Mevcut EAR = ',F6.3,' /         Keller EAR = ' ,F6.3)", EAR, EARK);
  WRITE_FORMATTED(son, "(2X,54('=')//)");
}

void WRITE_CAVITATION_CHECKS(std::ostream& con, std::ostream& son, const CavitationResult& r) {
  if (r.stop) return;
  if (!r.inRange) {
    OUT_OF_RANGE_MESSAGE(con, son, r.Sigma);
  } else {
    WRITE_LIST(con);
    WRITE_LIST(con);
    BURRILL_BLOCK(con, r.EAR, r);
    BURRILL_BLOCK(son, r.EAR, r);
  }
  TIP_VORTEX_BLOCK(son, r.Vtip);
}

void WRITE_TRIAL_START(std::ostream& son, const TrialStartRecord& /*r*/) {
  HEADING(son);
}

void WRITE_TRIAL_THRUST(std::ostream& con, std::ostream& son, const TrialThrustRecord& r) {
  if (r.stop) {
    con << UNUSABLE_ETAD_TEXT(r.etad_typed);
    return;
  }
  WRITE_FORMATTED(son,
                  "(4X,'BASLANGIC ICIN VARSAYILAN etaD = ',F5.3,         2X,'OLARAK ALINMISTIR')",
                  r.etad_typed);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Pd = Pe/etad = ',F8.2,'/',F5.3,' = ',F8.2,' kW' )",
                  r.PEtrial, r.etad_typed, r.Pd);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Va = Vs(trial)*(1-w) = ',F6.3,'*(1 -',F5.3,') = ',F6.3,  ' knots' )",
                  r.Vtrial, r.w, r.Va);
  WRITE_FORMATTED(son, "(2X,'  Pervane Sayisi - NPROP = ',I2)", r.NPROP);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Rt = Pe/(0.5144*Vs) = ',F8.2,'/(0.5144*',F6.3,') = ',F8.2' kN' )",
                  r.PEtrial, r.Vtrial, r.Rt);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  T  = ( Rt/(1-t) ) / Nprop = (',F8.2,'/(1-',F5.3,') ) / ',  I2,' = ',F8.2,"
                  "' kN' )",
                  r.Rt, r.t, r.NPROP, r.T);
  WRITE_FORMATTED(son, "(///)");
}

void WRITE_TRIAL_BLADES(std::ostream& con, const TrialBladesRecord& r) {
  if (r.stop) {
    con << UNUSABLE_BLADES_TEXT(r.Z_typed);
    return;
  }
  WRITE_FORMATTED(con,
                  "(//4X,'KELLER FORMULUNE GORE GEREKLI ACINIM ALANI ORANI - Ear = ', F5.3,"
                  "/'    OLARAK BULUNMUSTUR')",
                  r.EARK);
  if (r.diameterNote) DIAMETER_NOTE(con);
}

void WRITE_TRIAL_PROPELLER(std::ostream& con, std::ostream& son, const TrialPropellerRecord& r) {
  if (!(r.EAR > 0.0f)) {
    con << UNUSABLE_AREA_RATIO_TEXT(r.EAR);
    return;
  }
  WRITE_FORMATTED(con, "(4/)");
  WRITE_KELLER_BLOCK(son, r.EAR, r.EARK);
  WRITE_FORMATTED(con, "(3X,'========= GEREKEN PERVANE HESABI ======== ')");
  WRITE_FORMATTED(son, "(3X,'========= GEREKEN PERVANE HESABI ======== ')");
  WRITE_PROPELLER_ROUTINE(con, son, r.routine);
  if (r.routine.stop) return;
  WRITE_CAVITATION_CHECKS(con, son, r.cav);
  if (r.cav.stop) return;

  WRITE_FORMATTED(con, "(///)");
  WRITE_FORMATTED(con, "(2X,'PERVANEYE CAPI = ',F5.3,' m dir')", r.sel.D);
  WRITE_FORMATTED(con, "(2X,'PERVANENE VERILMESI GEREKEN GUC    = ',F8.2,' kW ')",
                  r.Pd / static_cast<float>(r.NPROP));
  WRITE_FORMATTED(con, "(2X,'PERVANENIN ABSORBE EDEBILECEGI GUC = ',F8.2,' kW ')", r.sel.Pd);
  WRITE_FORMATTED(con, "(2X,'VARSAYILAN VERIM = ',F5.3)", r.etad_typed);
  WRITE_FORMATTED(con, "(2X,'HESAPLANAN VERIM = ',F5.3)", r.etad_computed);
  if (r.stop) {
    WRITE_LIST(con);
    WRITE_LIST(con);
    con << EFFICIENCY_MISMATCH_TEXT(r.etad_typed, r.etad_computed);
  }
}

void WRITE_POWER_CHAIN(std::ostream& son, const PowerChainRecord& r) {
  POWER_LINES(son, r.PEtrial, r.etad, r.etas, r.MCR, r.Pb, r.Pbm, r.Pbd, r.ETAH, r.ETA0_trial,
              r.etaR_trial, r);
  if (r.stop && !r.charComputed) return;
  SELECTED_PROPELLER(son, r.sel, r.Z, r.EAR, r.D);
}

void WRITE_CHARACTERISTICS_BEFORE_PAUSE(std::ostream& con, const CharacteristicsRecord& r) {
  WRITE_OPEN_WATER_PASS(con, r);
}

void WRITE_CHARACTERISTICS_AFTER_PAUSE(std::ostream& con, std::ostream& son,
                                       const CharacteristicsRecord& r) {
  OPEN_WATER_ROWS(con, r);
  WRITE_OPEN_WATER_PASS(son, r);
  OPEN_WATER_ROWS(son, r);
  if (!r.designSpeedFound) {
    con << DESIGN_SPEED_NOT_FOUND_TEXT();
    return;
  }
  SERVICE_PASS(con, r);
  if (r.stop) return;
  SERVICE_PASS(son, r);
  LEGEND(son, r.ETATR, r.IPOD);
}

}  // namespace vdk
