#include "report/method_report.hpp"

#include <string>

#include "format/format.hpp"

namespace vdk {

namespace {

// The method as the report names it.
std::string METHOD_TITLE(Method method) {
  switch (method) {
    case Method::HM1982:
      return "HOLTROP & MENNEN (1982) YAYINLANDIGI GIBI - hm1982";
    case Method::HM1984:
      return "HOLTROP (1984) YAYINLANDIGI GIBI - hm1984";
    case Method::Classic:
      break;
  }
  return "KLASIK";
}

}  // namespace

void WRITE_METHOD_BANNER(std::ostream& con, std::ostream& son, Method method) {
  std::string text = "   YONTEM: " + METHOD_TITLE(method);
  text.resize(70, ' ');
  for (std::ostream* unit : {&con, &son}) {
    WRITE_FORMATTED(*unit, "(' !',A70,'!')", text);
    WRITE_FORMATTED(*unit, "(1X,72('-'))");
  }
}

void WRITE_METHOD_LINE(std::ostream& son, Method method) {
  WRITE_FORMATTED(son, "(2X,'HESAP YONTEMI: ',A)", METHOD_TITLE(method));
}

void WRITE_BARE_HULL_SURFACE(std::ostream& son, const HullFormAtSpeed& r) {
  WRITE_FORMATTED(son, "(2X,'TAHMINI ISLAK YUZEY (ciplak tekne)--> S =',F9.2, ' m2')", r.SE);
  WRITE_FORMATTED(
      son, "(2X,'TAHMINI ISLAK YUZEY(takinti dahil) -> S =',F9.2, ' m2 (Metin Taylan Formulu)')",
      r.S_Taylan);
  if (!r.S_estimated)
    WRITE_FORMATTED(son, "(2X,'GERCEK ISLAK YUZEY (ciplak tekne) --> S =',F9.2, ' m2')", r.S_used);
}

void WRITE_WAVE_1982(std::ostream& son, const WaveBulbTransom& r) {
  WRITE_FORMATTED(son, "(2X,'1982 DALGA DIRENCI FORMULU (TUM HIZLAR)')");
  WRITE_FORMATTED(son, "(2X,'DALGA DIRENCI ---------------------> Rw = ',F9.2,' kN')", r.Rw);
}

void WRITE_ROUGHNESS_ALLOWANCE(std::ostream& son, float CA) {
  WRITE_FORMATTED(
      son, "(2X,'MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = ',F5.3 ,' (HOLTROP+PURUZLULUK) ')",
      1000.0f * CA);
}

void WRITE_SERVICE_POWER(std::ostream& son, const PowerChainRecord& r) {
  WRITE_FORMATTED(son, "(2X,'SERVIS GUCU - Ps (DM: DENIZ MARJINI)')");
  WRITE_FORMATTED(son, "(2X,'Ps = Pb(trial)*(1+DM) = ',F8.2,'*(1+',F4.2,') = ',F8.2,' kW')", r.Pb,
                  r.SeaMargin, r.Ps);
}

void WRITE_ENGINE_POWER_FROM_SERVICE(std::ostream& son, const PowerChainRecord& r) {
  WRITE_FORMATTED(son, "(2X,'Pbm = Ps/(%MCR) = ',F8.2,'/(',F4.2,') = ',F8.2,' kW')", r.Ps, r.MCR,
                  r.Pbm);
}

}  // namespace vdk
