// A run held in memory for the resistance steps: console and results file
// are string streams, the ship is the worked-example hull.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "driver/run_state.hpp"
#include "driver/stop.hpp"

namespace vdk::test {

// Lwl = Lbp = 205 m, B = 32 m, T = 10 m, V = 37500 m3, bulb 20 m2 at 4 m,
// transom 16 m2, one appendage (rudder behind skeg) 50 m2 with (1+k2) 1.5,
// one speed of 25 knots.
inline ShipRecord worked_example_ship() {
  ShipRecord s;
  ASSIGN_APPENDAGE_NAMES(s);
  s.RHO = 1025.0f;
  s.GRAV = 9.81f;
  s.Lwl = 205.0f;
  s.Lbp = 205.0f;
  s.B = 32.0f;
  s.Tf = 10.0f;
  s.Ta = 10.0f;
  s.V = 37500.0f;
  s.LCB = -1.5375f;
  s.ABT = 20.0f;
  s.HB = 4.0f;
  s.AT = 16.0f;
  s.Cm = 0.98f;
  s.Cwp = 0.75f;
  s.Cstern = 10.0f;
  s.IE = 0.0f;
  s.S = 0.0f;
  s.NSPEED = 1;
  s.Vs(1) = 25.0f;
  s.Vtrial = 25.0f;
  s.Sapp(1) = 50.0f;
  s.OnePlusK2(1) = 1.5f;
  s.FFDF = 1.0f;
  s.Roughness = 0.0f;
  s.NBT = 0;
  s.DepthFP = 0.0f;
  return s;
}

struct MemoryRun {
  std::istringstream in;
  std::ostringstream con;
  std::ostringstream son;
  Run run{in, con, son, {}, {}, {}, {}, {}, {}, {}};

  explicit MemoryRun(const ShipRecord& ship, std::string answers = "\n\n\n") : in(answers) {
    run.ship = ship;
  }

  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream is(text);
    std::string l;
    while (std::getline(is, l)) out.push_back(l);
    return out;
  }
  std::vector<std::string> son_lines() const { return lines(son.str()); }
  std::vector<std::string> con_lines() const { return lines(con.str()); }
  // Results-file text written since the last call.
  std::string take_son() {
    std::string t = son.str();
    son.str("");
    return t;
  }
};

}  // namespace vdk::test
