// A run state as the resistance and propulsion-factor steps leave it for the
// trial propeller: the worked-example hull at 21..27 knots, trial 25 knots,
// D = 6.5 m given, with scripted console answers.
#pragma once

#include <sstream>
#include <string>

#include "run/run_state.hpp"
#include "core/stop.hpp"
#include "propulsion/propulsion.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

struct TrialRun : MemoryRun {
  int status = -1;  // stop status; -1 while no stop happened
  bool paused = false;

  explicit TrialRun(const std::string& answers, int PropCase = 1) : MemoryRun(answers) {
    ShipRecord& s = run.ship;
    s = worked_example().ship;
    s.Hsd = 6.8f;    // 0.32 Ta above the base line
    s.S = 7431.45f;  // estimate including the rudder
    ResistanceState& r = run.res;
    r.PropCase = PropCase;
    r.Tmean = 10.0f;
    r.CBlwl = 37500.0f / (32.0f * 10.0f * 205.0f);
    r.CWPlwl = 0.75f;
    r.lcb = -0.75f;
    const float PE[7] = {12163.6f, 14437.2f, 17121.8f, 20278.0f, 23679.0f, 27279.0f, 31193.0f};
    for (int i = 1; i <= 7; ++i) {
      run.sp.PEArr(i) = PE[i - 1];
      run.sp.PEtrArr(i) = PE[i - 1];
      const float v = 0.5144f * s.Vs(i);
      run.sp.RVArr(i) = 0.5f * s.RHO * s.S * v * v * 0.0017f / 1000.0f;
    }
    finish_setup();
  }

  // The trial-speed lookup and first estimate, after any change of the ship.
  void finish_setup() {
    ShipRecord& s = run.ship;
    if (s.D < 0.05f) s.D = s.Ta / 2.0f;
    run.prop.ITR = 5;
    const float CV = VISCOUS_COEFFICIENT(run.sp.RVArr(5), s.RHO, s.S, s.Vtrial);
    const ShipFactors f = SHIP_PROPULSION_FACTORS(run, s.Ta / 2.0f, 0.85f, 0.65f, CV);
    run.prop.w = f.w;
    run.prop.t = f.t;
    run.prop.etaR = f.etaR;
  }

  // Runs a step, catching the stop as the run sequence would.
  template <class Step>
  void step(Step f) {
    try {
      f(run);
    } catch (const StopRequest& stop) {
      status = stop.status;
      paused = stop.pause;
    }
  }
};

}  // namespace vdk::test
