// A run held in memory for the resistance steps: console and results file
// are string streams, the ship is the worked-example hull.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "run/run_state.hpp"
#include "core/stop.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

// Lwl = Lbp = 205 m, B = 32 m, T = 10 m, V = 37500 m3, bulb 20 m2 at 4 m,
// transom 16 m2, one appendage (rudder behind skeg) 50 m2 with (1+k2) 1.5,
// one speed of 25 knots.
inline ShipRecord worked_example_ship() {
  ShipRecord s = worked_example().ship;
  ASSIGN_APPENDAGE_NAMES(s);
  s.Sapp(2) = 0.0f;
  s.Sapp(1) = 50.0f;
  s.OnePlusK2(1) = 1.5f;
  s.NSPEED = 1;
  s.Vs(1) = 25.0f;
  // Resistance only: no propeller, no model.
  s.D = 0.0f;
  s.NPROP = 0;
  s.ModelScale = 0.0f;
  return s;
}

}  // namespace vdk::test
