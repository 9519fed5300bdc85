#include "report/water_report.hpp"

#include "format/format.hpp"
#include "report/stop_texts.hpp"
#include "report/texts.hpp"

namespace vdk {

namespace {

// Banner box: 72 columns framed by '!', after one blank.
void WRITE_BANNER(std::ostream& unit, Lang l) {
  WRITE_FORMATTED(unit, "(1X,72('-'))");
  WRITE_FORMATTED(unit, tx::MODEL_FILE_NAME_LINE(l));
  WRITE_FORMATTED(unit, "(' !',70X,'!')");
  WRITE_FORMATTED(unit, tx::MODEL_FILE_TITLE(l));
  WRITE_FORMATTED(unit, "(1X,72('-'))");
}

}  // namespace

void WRITE_WATER_TEMPERATURE_STOP(std::ostream& con, const WaterProperties& water, Lang l) {
  con << WATER_TEMPERATURE_STOP_TEXT(water, l);
}

void WRITE_MODEL_SCALE_SECTION(std::ostream& con, std::ostream& son, const ModelScaleResult& r,
                               Lang l) {
  if (r.water.stop) {
    WRITE_WATER_TEMPERATURE_STOP(con, r.water, l);
    return;
  }
  if (r.model_given) {
    WRITE_FORMATTED(son, tx::MODEL_TABLE_HEAD(l));
    int i = 0;
    for (const ModelTableRow& row : r.rows) {
      WRITE_FORMATTED(son, "(1X,I2,2X,F5.2,2X,6(F7.3,2X),F7.2)", ++i, row.Vm, row.Fn,
                      row.Rnm * 1e-6f, row.Cfm * 1000.0f, row.Cvm * 1000.0f, row.CR * 1000.0f,
                      row.Ctm * 1000.0f, row.Rm_kg);
    }
    WRITE_FORMATTED(son, "(1X,72('=')))");
  }

  WRITE_FORMATTED(son, tx::LEGEND_5(l));
  WRITE_FORMATTED(son, tx::LEGEND_FN(l));
  WRITE_FORMATTED(son, tx::LEGEND_VS(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_CF(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_CV(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_CR(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_CA(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_CT(l));
  WRITE_FORMATTED(son, tx::MODEL_LEGEND_K(l), r.OnePlusK, r.OnePlusKGrigson, r.OnePlusKBSRA);
  WRITE_FORMATTED(son, "(1X,77('='))");
}

void WRITE_MODEL_RESISTANCE_FILE(std::ostream& file, const ModelResistanceFile& m, Lang l) {
  WRITE_BANNER(file, l);
  if (m.stop) return;

  // Block 1: model values at each speed.
  WRITE_FORMATTED(file, tx::MODEL_VALUES_TITLE(l));
  WRITE_FORMATTED(file, "(1X,70('-'))");
  WRITE_FORMATTED(file, tx::MODEL_VALUES_HEAD(l));
  WRITE_FORMATTED(file, tx::MODEL_VALUES_UNITS(l));
  WRITE_FORMATTED(file, "(1X,70('-'))");
  int i = 0;
  for (const ModelSpeedRow& r : m.speeds) {
    WRITE_FORMATTED(file, "(1X,I2,1X,F5.2,1X,F5.2,1X,5(F7.3,1X),2(F7.3,1X),F6.1)", ++i, r.Vs, r.Vm,
                    r.Fn, r.Rnm / 1.0E7f, r.Cfm * 1000.0f, r.Cvm * 1000.0f, r.CR * 1000.0f,
                    r.Ctm * 1000.0f, r.Rtm_kg);
  }
  WRITE_FORMATTED(file, "(1X,70('-'))");

  // Block 2: measurement values.
  WRITE_FORMATTED(file, tx::MEASUREMENT_TITLE(l));
  WRITE_FORMATTED(file, "(1X,43('-'))");
  WRITE_FORMATTED(file, tx::MEASUREMENT_HEAD(l));
  WRITE_FORMATTED(file, tx::MEASUREMENT_UNITS(l));
  WRITE_FORMATTED(file, "(1X,43('-'))");
  int k = 0;
  for (const MeasurementRow& r : m.measurements) {
    WRITE_FORMATTED(file, "(1X,I2,2X,F5.3,2X,F6.2,2X,F7.3,4X,'(',F5.3,2X,F5.2,')')", ++k, r.Vm,
                    r.Rtm_kg, r.Ctm * 1000.0f, r.Fn, r.Vs);
  }
  WRITE_FORMATTED(file, "(1X,43('-'))");

  // Block 3: inputs and water properties, ship first, model second.
  WRITE_FORMATTED(file, tx::MODEL_INPUTS_TITLE(l));
  WRITE_FORMATTED(file, tx::MODEL_INPUTS(l), m.ModelScale, m.K1, m.Lwl, m.Lwl_model, m.S, m.S_model,
                  m.ship_temperature, m.ModelWaterTemp, m.ship_water.RHOW, m.model_water.RHOW,
                  m.ship_water.NU * 1.0E6f, m.model_water.NU * 1.0E6f);
}

void WRITE_MODEL_FILE_STOP(std::ostream& con, const ModelResistanceFile& m, Lang l) {
  WRITE_WATER_TEMPERATURE_STOP(con, m.ship_water, l);
  WRITE_WATER_TEMPERATURE_STOP(con, m.model_water, l);
}

void WRITE_MODEL_FILE_NOT_OPENED(std::ostream& con, Lang l) {
  WRITE_FORMATTED(con, tx::MODEL_FILE_NOT_OPENED(l));
}

}  // namespace vdk
