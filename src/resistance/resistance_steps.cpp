#include "resistance/resistance.hpp"

namespace vdk {

void RESISTANCE_CALCULATION(Run& run) {
  INPUT_SUMMARY(run);
  for (int i = 1; i <= run.ship.NSPEED; ++i) {
    HULL_FORM_AT_SPEED(run, i);
    FRICTION_APPENDAGE_WIND(run, i);
    WAVE_BULB_TRANSOM(run, i);
    CORRELATION_AND_TOTALS(run, i);
  }
}

void RESISTANCE_TABLES(Run& run) {
  SUMMARY_TABLE_I(run);
  CHARACTERISTICS_TABLE(run, false);
  WAVE_RESISTANCE_CORRECTION(run);
}

}  // namespace vdk
