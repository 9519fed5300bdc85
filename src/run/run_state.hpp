// Everything one run of the program holds, handed to the steps of the run.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>

#include "input/ship_record.hpp"
#include "propeller/open_water.hpp"
#include "propeller/propeller_result.hpp"
#include "propulsion/propulsion_state.hpp"
#include "resistance/resistance_state.hpp"

namespace vdk {

struct Run {
  std::istream& in;           // console input (unit 5)
  std::ostream& con;          // console output (unit 6)
  std::ostream& son;          // results file VARDELONTEKSA.SON (unit 66)
  std::filesystem::path dir;  // working directory: every file of the run lives here

  ShipRecord ship;
  SpeedTable sp;
  ResistanceState res;
  PropulsionState prop;
  OpenWaterState ow;
  PropellerResult pr;

  SeriesSettings series() const { return SeriesSettings{ship.SERIES, ship.CPPropeller}; }
};

}  // namespace vdk
