// The inputs the resistance and propulsion-factor steps hand to the trial
// propeller: the worked-example hull at 21..27 knots, trial 25 knots,
// D = 6.5 m given; and the trial stages and the power chain driven through
// the console dialogue with scripted answers, their lines in memory.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "propeller/trial.hpp"
#include "propulsion/other_methods.hpp"
#include "propulsion/propulsion_factors.hpp"
#include "report/console.hpp"
#include "report/console_dialogue.hpp"
#include "report/propeller_report.hpp"
#include "report/propulsion_report.hpp"
#include "run/dialogue.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

struct TrialCase {
  ShipRecord ship;
  int PropCase = 1;
  float Tmean = 10.0f;
  float CBlwl = 37500.0f / (32.0f * 10.0f * 205.0f);
  float CWPlwl = 0.75f;
  float lcb = -0.75f;
  std::vector<float> PE, PEtr, RV;  // per speed: kW, kW, kN
  int ITR = 5;                      // the trial speed is the fifth
  // Set by finish_setup: the starting diameter and the first estimate.
  float D_used = 0;
  ShipFactors first;

  explicit TrialCase(int PropCase_ = 1) : PropCase(PropCase_) {
    ship = worked_example().ship;
    ship.Hsd = 6.8f;    // 0.32 Ta above the base line
    ship.S = 7431.45f;  // estimate including the rudder
    PE = {12163.6f, 14437.2f, 17121.8f, 20278.0f, 23679.0f, 27279.0f, 31193.0f};
    PEtr = PE;
    for (int i = 1; i <= 7; ++i) {
      const float v = 0.5144f * ship.Vs(i);
      RV.push_back(0.5f * ship.RHO * ship.S * v * v * 0.0017f / 1000.0f);
    }
    finish_setup();
  }

  // The starting diameter and the first estimate, after any change of the ship.
  void finish_setup() {
    D_used = ship.D < 0.05f ? ship.Ta / 2.0f : ship.D;
    const float CV = VISCOUS_COEFFICIENT(RV[4], ship.RHO, ship.S, ship.Vtrial);
    first = SHIP_PROPULSION_FACTORS(hull(), ship.Ta / 2.0f, 0.85f, 0.65f, CV);
  }

  FactorHull hull() const {
    const ShipRecord& s = ship;
    return FactorHull{s.Lwl, s.B,      s.Ta,    s.Tf,   CBlwl, s.Cm,  CWPlwl,  s.S,
                      lcb,   s.Cstern, s.NPROP, s.IPOD, s.CFw, s.CFt, s.CFetaR};
  }
  HullFactorsAt factors() const {
    return [h = hull(), RHO = ship.RHO, S = ship.S](float DP, float PD, float EAR, float RV_,
                                                    float V) {
      const ShipFactors f =
          SHIP_PROPULSION_FACTORS(h, DP, PD, EAR, VISCOUS_COEFFICIENT(RV_, RHO, S, V));
      return HullFactors{f.w, f.t, f.etaR, f.etaR_raw};
    };
  }
  PropellerRoutine routine() const { return static_cast<PropellerRoutine>(PropCase); }
  SeriesSettings series() const { return SeriesSettings{ship.SERIES, ship.CPPropeller}; }

  TrialPropellerInput propeller_input(const TrialThrustRecord& thrust,
                                      const TrialBladesRecord& blades) const {
    const HullFactors f{first.w, first.t, first.etaR, first.etaR_raw};
    return TRIAL_PROPELLER_INPUT(ship, routine(), D_used, RV[static_cast<std::size_t>(ITR - 1)], f,
                                 thrust, blades);
  }

  // The power chain after the trial propeller `tr` (PEtrial: stage 1's).
  PowerChainInput chain_input(const TrialPropellerRecord& tr, float PEtrial) const {
    return POWER_CHAIN_INPUT(ship, tr, PEtrial, D_used, ITR, PE, RV);
  }
};

// The trial stages in the order of the
// console dialogue, answered from `answers`, each record's lines written as
// the report writes them.
struct TrialOutcome {
  int status = -1;  // stop status; -1 while no stop happened
  bool paused = false;
  std::optional<TrialThrustRecord> thrust;
  std::optional<TrialBladesRecord> blades;
  std::optional<TrialPropellerRecord> prop;
  std::optional<PowerChainRecord> chain;
  std::string con, son;
};

inline TrialOutcome run_trial(const TrialCase& c, const std::string& answers) {
  std::istringstream in(answers);
  std::ostringstream con, son;
  ConsoleDialogue d(in, con);
  TrialOutcome o;
  auto finish = [&](const std::optional<Stop>& stop) {
    if (stop) {
      o.status = stop->status;
      o.paused = stop->pause;
    }
    o.con = con.str();
    o.son = son.str();
    return o;
  };
  const ShipRecord& s = c.ship;
  const TrialStartRecord start =
      TRIAL_START({std::vector<float>(s.Vs.data1(), s.Vs.data1() + s.NSPEED), c.PEtr, s.Vtrial});
  WRITE_TRIAL_START(son, start);
  if (start.stop) return finish(start.stop);
  const Stop refused = STOP_OF("E112");
  const std::optional<float> etad = d.etad();
  if (!etad) return finish(refused);
  o.thrust = TRIAL_THRUST({start.PEtrial, s.Vtrial, c.first.w, c.first.t, s.NPROP}, *etad);
  WRITE_TRIAL_THRUST(con, son, *o.thrust);
  if (o.thrust->stop) return finish(o.thrust->stop);
  const std::optional<float> Z = d.blades();
  if (!Z) return finish(refused);
  o.blades = TRIAL_BLADES({s.SERIES, s.RHO, s.GRAV, s.Hsd, c.D_used, o.thrust->T, c.routine()}, *Z);
  WRITE_TRIAL_BLADES(con, *o.blades);
  float EAR = o.blades->EARK;
  const std::optional<bool> change = d.change_ear();
  if (!change) return finish(refused);
  if (*change) {
    const std::optional<float> typed = d.ear();
    if (!typed) return finish(refused);
    EAR = *typed;
  }
  o.prop = TRIAL_PROPELLER_DETERMINATION(c.propeller_input(*o.thrust, *o.blades), EAR, c.factors());
  WRITE_TRIAL_PROPELLER(con, son, *o.prop);
  return finish(o.prop->stop);
}

// The power chain of `in` with its lines: the power lines and the selected
// propeller, the other-method summary, the characteristics around the pause.
inline TrialOutcome run_chain(const TrialCase& c, const PowerChainInput& in,
                              const std::string& answers = "\n") {
  std::istringstream is(answers);
  std::ostringstream con, son;
  TrialOutcome o;
  o.chain = POWER_CHAIN_COMPUTE(in, c.factors());
  const PowerChainRecord& r = *o.chain;
  WRITE_POWER_CHAIN(son, r);
  std::optional<Stop> stop;
  if (!r.charComputed) {
    stop = r.stop;
  } else {
    const ShipRecord& s = c.ship;
    WRITE_OTHER_METHOD_SUMMARY(son, OTHER_METHOD_SUMMARY(s.Lwl, s.B, c.Tmean, s.RHO * s.V * 0.001f,
                                                         s.Cm, s.Cwp, in.Vs, in.D));
    WRITE_CHARACTERISTICS_BEFORE_PAUSE(con, r.characteristics);
    ConsoleDialogue(is, con).pause(CHARACTERISTICS_PAUSE_PROMPT);
    WRITE_CHARACTERISTICS_AFTER_PAUSE(con, son, r.characteristics);
    stop = r.characteristics.stop;
  }
  if (stop) {
    o.status = stop->status;
    o.paused = stop->pause;
  }
  o.con = con.str();
  o.son = son.str();
  return o;
}

}  // namespace vdk::test
