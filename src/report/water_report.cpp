#include "report/water_report.hpp"

#include <string_view>

#include "format/format.hpp"
#include "report/stop_texts.hpp"

namespace vdk {

namespace {

// Banner box: 72 columns framed by '!', after one blank.
constexpr std::string_view BANNER_NAME_LINE =
    "(1X,'!  BORELI-VANSK  Surum 12.2026  -  VARDELONTEKSA model direnc modulu   !')";
constexpr std::string_view BANNER_TITLE_LINE =
    "(' !',13X,'MODEL DIRENC DEGERLERI HESAP PROGRAMI',20X,'!')";

// Inputs and water properties, ship value first and model value second.
constexpr std::string_view BLOCK3 =
    "(' -----------------------------------------------',/,"
    "' Model Olcegi..................: 1/',F5.1,/,"
    "' Form Faktoru - (1 + k) .......: ',F6.3,' (tahmin)',/,"
    "' -----------------------------------------------',/,"
    "/,'                                   Gemi /  Model',/,"
    "' -----------------------------------------------',/,"
    "' Su Hatti Boylari - m .........: ',F6.2,' / ',F6.3,/,"
    "' Islak Yuzey Alani - m2 .......: ',F6.1,' / ',F6.3,/,"
    "' Su Sicakliklari - der. .......: ',F6.1,' / ',F6.1,/,"
    "' Su Yogunluklari - kg/m3 ......: ',F6.1,' / ',F6.1,/,"
    "' Su Viskoziteleri - m2/s*10^6..: ',F6.3,' / ',F6.3,/,"
    "' -----------------------------------------------',/)";

void WRITE_BANNER(std::ostream& unit) {
  WRITE_FORMATTED(unit, "(1X,72('-'))");
  WRITE_FORMATTED(unit, BANNER_NAME_LINE);
  WRITE_FORMATTED(unit, "(' !',70X,'!')");
  WRITE_FORMATTED(unit, BANNER_TITLE_LINE);
  WRITE_FORMATTED(unit, "(1X,72('-'))");
}

}  // namespace

void WRITE_WATER_TEMPERATURE_STOP(std::ostream& con, const WaterProperties& water) {
  con << WATER_TEMPERATURE_STOP_TEXT(water);
}

void WRITE_MODEL_SCALE_SECTION(std::ostream& con, std::ostream& son, const ModelScaleResult& r) {
  if (r.water.stop) {
    WRITE_WATER_TEMPERATURE_STOP(con, r.water);
    return;
  }
  if (r.model_given) {
    WRITE_FORMATTED(son,
                    "(/,/,/,14X,'MODEL DIRENC KARAKTERISTIKLERI',/,1X,72('='),/,7X,'Vm',7X,'Fn',"
                    "7X,'Rn',7X,'Cf',7X,'Cv',7X,'Cr',7X,'Ct',7X,'Rm',/,7X,'m/s',13X,'/10^6',4X,"
                    "'*1000',4X,'*1000',4X,'*1000',4X,'*1000',4X,'  Kg ',/,1X,72('='))");
    int i = 0;
    for (const ModelTableRow& row : r.rows) {
      WRITE_FORMATTED(son, "(1X,I2,2X,F5.2,2X,6(F7.3,2X),F7.2)", ++i, row.Vm, row.Fn,
                      row.Rnm * 1e-6f, row.Cfm * 1000.0f, row.Cvm * 1000.0f, row.CR * 1000.0f,
                      row.Ctm * 1000.0f, row.Rm_kg);
    }
    WRITE_FORMATTED(son, "(1X,72('=')))");
  }

  WRITE_FORMATTED(son, "(/5X,'ACIKLAMALAR')");
  WRITE_FORMATTED(son, "(3X,'Fn  : Froude sayisi')");
  WRITE_FORMATTED(son, "(3X,'Vs  : Gemi Hizi - knot')");
  WRITE_FORMATTED(son, "(3X,'Cf  : Surtunme direnc katasyisi')");
  WRITE_FORMATTED(son, "(3X,'Cv  : Form direnc katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Cr  : Artik (dalga) direnc katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Ca  : Model/Gemi korelasyon katsayisi')");
  WRITE_FORMATTED(son, "(3X,'Ct  : Toplam direnc katsayisi')");
  WRITE_FORMATTED(son,
                  "(3X,'1+k : ',F5.3,' Form Faktoru ( 1+k = '          F5.3,' - Grigson, ',F5.3,"
                  "' - BSRA )')",
                  r.OnePlusK, r.OnePlusKGrigson, r.OnePlusKBSRA);
  WRITE_FORMATTED(son, "(1X,77('='))");
}

void WRITE_MODEL_RESISTANCE_FILE(std::ostream& file, const ModelResistanceFile& m) {
  WRITE_BANNER(file);
  if (m.stop) return;

  // Block 1: model values at each speed.
  WRITE_FORMATTED(file, "(//20X,'MODELE AIT DEGERLER  ')");
  WRITE_FORMATTED(file, "(1X,70('-'))");
  WRITE_FORMATTED(file,
                  "(' No   Vs    Vm      Fn      Rn     Cfm     Cvm     Cwm     Ctm     Rtm  ' )");
  WRITE_FORMATTED(file,
                  "('     (kn) (m/s)          (*1E7)                                    (kg) ' )");
  WRITE_FORMATTED(file, "(1X,70('-'))");
  int i = 0;
  for (const ModelSpeedRow& r : m.speeds) {
    WRITE_FORMATTED(file, "(1X,I2,1X,F5.2,1X,F5.2,1X,5(F7.3,1X),2(F7.3,1X),F6.1)", ++i, r.Vs, r.Vm,
                    r.Fn, r.Rnm / 1.0E7f, r.Cfm * 1000.0f, r.Cvm * 1000.0f, r.CR * 1000.0f,
                    r.Ctm * 1000.0f, r.Rtm_kg);
  }
  WRITE_FORMATTED(file, "(1X,70('-'))");

  // Block 2: measurement values.
  WRITE_FORMATTED(file, "(//10X,'OLCUM DEGERLERI ')");
  WRITE_FORMATTED(file, "(1X,43('-'))");
  WRITE_FORMATTED(file, "(' No    Vm      Rtm     Ctm        Fn      Vs' )");
  WRITE_FORMATTED(file, "('     (m/s)    (kg)   *1000             (knot)' )");
  WRITE_FORMATTED(file, "(1X,43('-'))");
  int k = 0;
  for (const MeasurementRow& r : m.measurements) {
    WRITE_FORMATTED(file, "(1X,I2,2X,F5.3,2X,F6.2,2X,F7.3,4X,'(',F5.3,2X,F5.2,')')", ++k, r.Vm,
                    r.Rtm_kg, r.Ctm * 1000.0f, r.Fn, r.Vs);
  }
  WRITE_FORMATTED(file, "(1X,43('-'))");

  // Block 3: inputs and water properties, ship first, model second.
  WRITE_FORMATTED(file, "(//10X,'GIRIS ve HESAP BILGILERI  ')");
  WRITE_FORMATTED(file, BLOCK3, m.ModelScale, m.K1, m.Lwl, m.Lwl_model, m.S, m.S_model,
                  m.ship_temperature, m.ModelWaterTemp, m.ship_water.RHOW, m.model_water.RHOW,
                  m.ship_water.NU * 1.0E6f, m.model_water.NU * 1.0E6f);
}

void WRITE_MODEL_FILE_STOP(std::ostream& con, const ModelResistanceFile& m) {
  WRITE_WATER_TEMPERATURE_STOP(con, m.ship_water);
  WRITE_WATER_TEMPERATURE_STOP(con, m.model_water);
}

void WRITE_MODEL_FILE_NOT_OPENED(std::ostream& con) {
  WRITE_FORMATTED(con, "(/' BORELI_VANSK_DEGERI.SON DOSYASI ACILAMADI')");
}

}  // namespace vdk
