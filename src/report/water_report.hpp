// Writers of the water-property stop, the model-scale section of the results
// file and the text of the model-resistance file.
#pragma once

#include <ostream>

#include "report/lang.hpp"
#include "water/water.hpp"

namespace vdk {

// Name of the model-resistance file, in the run's folder.
inline constexpr const char* MODEL_RESISTANCE_FILE = "BORELI_VANSK_DEGERI.SON";

// Console lines of the temperature stop (nothing for values without that stop).
void WRITE_WATER_TEMPERATURE_STOP(std::ostream& con, const WaterProperties& water,
                                  Lang l = Lang::Tr);

// The model-scale section: with a model the model resistance table to `son`,
// then the legend with the three form factors. With the water stop only its
// console lines (the table is never started).
void WRITE_MODEL_SCALE_SECTION(std::ostream& con, std::ostream& son, const ModelScaleResult& r,
                               Lang l = Lang::Tr);

// The whole text of the model-resistance file: the banner, the model values
// per speed, the measurement values and the inputs with the water properties.
// After a stop only the banner (the stop's console lines are written by
// WRITE_MODEL_FILE_STOP).
void WRITE_MODEL_RESISTANCE_FILE(std::ostream& file, const ModelResistanceFile& m,
                                 Lang l = Lang::Tr);

// Console lines of a stop met while computing the model-resistance file.
void WRITE_MODEL_FILE_STOP(std::ostream& con, const ModelResistanceFile& m, Lang l = Lang::Tr);

// Console line when the model-resistance file cannot be opened; the report
// goes on without it.
void WRITE_MODEL_FILE_NOT_OPENED(std::ostream& con, Lang l = Lang::Tr);

}  // namespace vdk
