#include "run/calculate.hpp"

#include <span>
#include <vector>

#include "propulsion/propulsion_factors.hpp"
#include "resistance/resistance.hpp"
#include "run/warnings.hpp"

namespace vdk {

namespace {

std::vector<float> FIRST(const SpeedColumn& a, int n) {
  return std::vector<float>(a.data1(), a.data1() + n);
}

PropellerRoutine ROUTINE_OF(int PropCase) {
  if (PropCase >= 1 && PropCase <= 4) return static_cast<PropellerRoutine>(PropCase);
  return PropellerRoutine::None;
}

// Holtrop's factors of this hull on the wetted surface the resistance
// calculation used.
FactorHull FACTOR_HULL(const ShipRecord& ship, const ResistanceResult& res) {
  FactorHull h;
  h.Lwl = ship.Lwl;
  h.B = ship.B;
  h.Ta = ship.Ta;
  h.Tf = ship.Tf;
  h.CBlwl = res.hull.CBlwl;
  h.Cm = ship.Cm;
  h.CWPlwl = res.hull.CWPlwl;
  h.S = res.S_used;
  h.lcb = res.hull.lcb;
  h.Cstern = ship.Cstern;
  h.NPROP = ship.NPROP;
  h.IPOD = ship.IPOD;
  h.CFw = ship.CFw;
  h.CFt = ship.CFt;
  h.CFetaR = ship.CFetaR;
  h.method = res.method;
  // The correlation allowance is the same at every speed.
  if (!res.blocks.empty() && res.blocks.front().end == BlockEnd::Complete)
    h.CA = res.blocks.front().totals.CA;
  return h;
}

// One run of the steps; `done` tells the observer and keeps the stop.
class Steps {
 public:
  Steps(const ShipRecord& ship, Dialogue& d, RunObserver* o, const RunSettings& settings)
      : d_(d), o_(o), settings_(settings) {
    r_.ship = ship;
    r_.options.method = settings.method;
  }

  RunResult run() {
    done(RunStep::Banner);
    if (calculation()) {
      done(RunStep::RunEnd);
      d_.pause({});
      done(RunStep::Closing);
    }
    r_.warnings = RUN_WARNINGS(r_);
    return std::move(r_);
  }

 private:
  // Tells the observer; with a stop, makes its pause and reports the end.
  bool done(RunStep s, const std::optional<Stop>& stop = std::nullopt) {
    r_.reached = s;
    r_.steps.push_back(s);
    if (stop) r_.stop = stop;
    if (o_) o_->step(r_, s);
    if (!stop) return true;
    if (stop->pause) d_.pause(stop->prompt);
    return false;
  }
  // A question without a usable answer: the dialogue has said why.
  bool refused(const char* code) {
    r_.stop = STOP_OF(code);
    return false;
  }

  bool calculation() {
    const ShipRecord& ship = r_.ship;
    r_.resistance = COMPUTE_RESISTANCE(ship, settings_.method);
    if (!done(RunStep::Resistance, r_.resistance.stop)) return false;
    if (ship.NPROP >= 1 && ship.D > 0.01f) {
      const HullCoefficients& h = r_.resistance.hull;
      r_.other_methods = OTHER_METHOD_SECTIONS(ship, h.Tmean, h.CB, h.CP, h.CWPlwl);
      done(RunStep::OtherMethods);
    }
    r_.tables = COMPUTE_RESISTANCE_TABLES(ship, r_.resistance);
    if (!done(RunStep::Tables, r_.tables.stop)) return false;

    ModelScaleHull mh;
    mh.S = r_.resistance.S_used;
    mh.CB = r_.resistance.hull.CB;
    mh.Tmean = r_.resistance.hull.Tmean;
    mh.OnePlusK = r_.resistance.OnePlusK;
    mh.OnePlusKGrigson = r_.resistance.OnePlusKGrigson;
    r_.model_scale =
        MODEL_SCALE_CALCULATION(ship, mh, r_.resistance.columns.Fn, r_.tables.CR_corrected);
    if (!done(RunStep::ModelScale, r_.model_scale.stop)) return false;

    const FactorHull hull = FACTOR_HULL(ship, r_.resistance);
    r_.prerequisites = PROPULSION_PREREQUISITES(ship, hull, r_.tables.PE_corrected,
                                                r_.resistance.columns.RV, settings_.first_estimate);
    if (!done(RunStep::Prerequisites, r_.prerequisites.stop)) return false;
    if (!r_.prerequisites.goes_on) return true;
    return propeller(hull);
  }

  bool propeller(const FactorHull& hull) {
    const ShipRecord& ship = r_.ship;
    const PropulsionPrerequisites& pre = r_.prerequisites;
    const ResistanceResult& res = r_.resistance;
    const int n = ship.NSPEED;
    const float RHO = ship.RHO;
    const float S = res.S_used;
    const HullFactorsAt factors = [hull, RHO, S](float DP, float PD, float EAR, float RV, float V) {
      const float CV = VISCOUS_COEFFICIENT(RV, RHO, S, V);
      const ShipFactors f = SHIP_PROPULSION_FACTORS(hull, DP, PD, EAR, CV);
      return HullFactors{f.w, f.t, f.etaR, f.etaR_raw};
    };
    const PropellerRoutine routine = ROUTINE_OF(res.summary.PropCase);
    float D = pre.D_used;  // the diameter of the run: given, Ta/2, or found by the search

    r_.trial_start =
        TRIAL_START(TrialStartInput{FIRST(ship.Vs, n), FIRST(pre.PEtrArr, n), ship.Vtrial});
    if (!done(RunStep::TrialStart, r_.trial_start->stop)) return false;

    const std::optional<float> etad = d_.etad();
    if (!etad) return refused("E111");
    r_.answers.etad = *etad;
    r_.trial_thrust = TRIAL_THRUST(TrialThrustInput{r_.trial_start->PEtrial, ship.Vtrial,
                                                    pre.first.w, pre.first.t, ship.NPROP},
                                   *etad);
    if (!done(RunStep::TrialThrust, r_.trial_thrust->stop)) return false;

    const std::optional<float> Z = d_.blades();
    if (!Z) return refused("E112");
    r_.answers.Z = *Z;
    r_.trial_blades = TRIAL_BLADES(TrialBladesInput{ship.SERIES, ship.RHO, ship.GRAV, ship.Hsd, D,
                                                    r_.trial_thrust->T, routine},
                                   *Z);
    if (!done(RunStep::TrialBlades, r_.trial_blades->stop)) return false;

    float EAR = r_.trial_blades->EARK;
    const std::optional<bool> change = d_.change_ear();
    if (!change) return refused("E113");
    if (*change) {
      const std::optional<float> typed = d_.ear();
      if (!typed) return refused("E114");
      EAR = *typed;
      r_.answers.EAR = EAR;
    }

    const HullFactors first{pre.first.w, pre.first.t, pre.first.etaR, pre.first.etaR_raw};
    const TrialPropellerInput in =
        TRIAL_PROPELLER_INPUT(ship, routine, D, pre.ITR >= 1 ? res.columns.RV(pre.ITR) : 0.0f,
                              first, *r_.trial_thrust, *r_.trial_blades, settings_.method);
    r_.trial = TRIAL_PROPELLER_DETERMINATION(in, EAR, factors);
    if (!done(RunStep::TrialPropeller, r_.trial->stop)) return false;
    const PowerChainInput pc = POWER_CHAIN_INPUT(ship, *r_.trial, r_.trial_start->PEtrial, D,
                                                 pre.ITR, FIRST(r_.tables.PE_corrected, n),
                                                 FIRST(res.columns.RV, n), settings_.method);
    D = pc.D;  // the diameter of the run: given, Ta/2, or found by the rpm-given search
    r_.power_chain = POWER_CHAIN_COMPUTE(pc, factors);
    const PowerChainRecord& p = *r_.power_chain;
    if (p.charComputed) {
      const float DISP = ship.RHO * ship.V * 0.001f;
      r_.other_summary = OTHER_METHOD_SUMMARY(
          ship.Lwl, ship.B, res.hull.Tmean, DISP, ship.Cm, ship.Cwp,
          std::span<const float>(ship.Vs.data1(), static_cast<std::size_t>(n)), D);
    }
    if (!done(RunStep::PowerChain, p.charComputed ? std::nullopt : p.stop)) return false;

    done(RunStep::OpenWater);
    d_.pause(CHARACTERISTICS_PAUSE_PROMPT);
    return done(RunStep::Service, p.characteristics.stop);
  }

  RunResult r_;
  Dialogue& d_;
  RunObserver* o_;
  RunSettings settings_;
};

}  // namespace

RunResult RUN_STEPS(const ShipRecord& ship, Dialogue& dialogue, RunObserver* observer,
                    const RunSettings& settings) {
  return Steps(ship, dialogue, observer, settings).run();
}

RunResult CALCULATE(const ShipRecord& ship, const Answers& answers, const RunSettings& settings) {
  ScriptedDialogue script(answers);
  return RUN_STEPS(ship, script, nullptr, settings);
}

}  // namespace vdk
