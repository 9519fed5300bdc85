#include "app/legacy_propeller.hpp"

#include <optional>
#include <string>

#include "core/stop.hpp"
#include "format/format.hpp"
#include "input/read_ship_data.hpp"
#include "propeller/trial.hpp"
#include "propulsion/propulsion.hpp"
#include "report/dialogue_lines.hpp"
#include "report/propeller_report.hpp"

namespace vdk {

namespace {

[[noreturn]] void THROW_STOP(const Stop& s) {
  throw StopRequest{s.status, s.pause, s.prompt};
}

// One real answer from the console; an answer that is no number, or no
// answer at all, ends the run: nothing sensible can be computed without it.
float READ_ANSWER(Run& run, const char* what) {
  const std::optional<float> value = READ_CONSOLE_REAL(run.in);
  if (!value) {
    WRITE_FORMATTED(run.con, UNREADABLE_REAL_ANSWER, what);
    STOP(EXIT_BAD_INPUT);
  }
  return *value;
}

// The E/H answer: the first character typed on the next line, blanks before
// it skipped, so "  e" is a yes (a blank for an empty line).
char READ_YES_NO(Run& run) {
  std::string line;
  if (!std::getline(run.in, line)) {
    WRITE_FORMATTED(run.con, UNREADABLE_YES_NO_ANSWER);
    STOP(EXIT_BAD_INPUT);
  }
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos ? ' ' : line[first];
}

// Holtrop's factors of the run's hull through the propulsion step.
HullFactorsAt RUN_FACTORS(const Run& run) {
  return [&run](float DP, float PD, float EAR, float RV, float V) {
    const float CV = VISCOUS_COEFFICIENT(RV, run.ship.RHO, run.ship.S, V);
    const ShipFactors f = SHIP_PROPULSION_FACTORS(run, DP, PD, EAR, CV);
    return HullFactors{f.w, f.t, f.etaR, f.etaR_raw};
  };
}

PropellerRoutine ROUTINE_OF(int PropCase) {
  if (PropCase >= 1 && PropCase <= 4) return static_cast<PropellerRoutine>(PropCase);
  return PropellerRoutine::None;
}

std::vector<float> FIRST(const Arr1<float, MAX_SPEEDS>& a, int n) {
  return std::vector<float>(a.data1(), a.data1() + n);
}

// The propeller record as the routine leaves it.
void STORE_ROUTINE(Run& run, const TrialPropellerRecord& r) {
  const PropellerRoutineRecord& rr = r.routine;
  if (rr.routine == PropellerRoutine::None || rr.stop) return;
  PropellerResult& pr = run.pr;
  pr.J = rr.sel.J;
  pr.KT = rr.sel.KT;
  pr.KQ10 = rr.sel.KQ10;
  pr.ETA0 = rr.sel.ETA0;
  pr.PD = rr.sel.PD;
  pr.Pd = rr.sel.Pd;
  pr.N = rr.sel.N;
  pr.D = rr.sel.D;
  if (rr.routine == PropellerRoutine::OptimumForD || rr.routine == PropellerRoutine::OptimumForN) {
    std::vector<float> J, PD;
    OPTIMUM_LINE(rr, J, PD);
    pr.NCAND = static_cast<int>(J.size());
    for (int i = 1; i <= pr.NCAND; ++i) {
      pr.JCAND(i) = J[static_cast<std::size_t>(i - 1)];
      pr.PDCAND(i) = PD[static_cast<std::size_t>(i - 1)];
    }
  }
  if (rr.routine == PropellerRoutine::OptimumForN) run.ship.D = rr.sel.D;
}

}  // namespace

void TRIAL_PROPELLER(Run& run) {
  ShipRecord& ship = run.ship;
  PropulsionState& p = run.prop;

  // The propeller record starts from the given rpm and diameter.
  run.pr.N = ship.N;
  run.pr.D = ship.D;

  TrialStartInput si{FIRST(ship.Vs, ship.NSPEED), FIRST(run.sp.PEtrArr, ship.NSPEED), ship.Vtrial};
  const TrialStartRecord start = TRIAL_START(si);
  WRITE_TRIAL_START(run.son, start);
  if (start.stop) THROW_STOP(*start.stop);
  p.PEtrial = start.PEtrial;

  WRITE_FORMATTED(run.con, ETAD_QUESTION);
  const float etad = READ_ANSWER(run, "etad");
  p.etad = etad;
  const TrialThrustRecord thrust =
      TRIAL_THRUST(TrialThrustInput{p.PEtrial, ship.Vtrial, p.w, p.t, ship.NPROP}, etad);
  WRITE_TRIAL_THRUST(run.con, run.son, thrust);
  if (thrust.stop) THROW_STOP(*thrust.stop);
  p.Pd = thrust.Pd;
  p.Va = thrust.Va;
  p.Rt = thrust.Rt;
  p.T = thrust.T;

  const PropellerRoutine routine = ROUTINE_OF(run.res.PropCase);
  WRITE_FORMATTED(run.con, Z_QUESTION);
  const float Z = READ_ANSWER(run, "Z");
  const TrialBladesRecord blades = TRIAL_BLADES(
      TrialBladesInput{ship.SERIES, ship.RHO, ship.GRAV, ship.Hsd, ship.D, p.T, routine}, Z);
  p.Z = blades.Z;
  p.EARK = blades.EARK;
  p.EAR = blades.EARK;
  WRITE_TRIAL_BLADES(run.con, blades);

  WRITE_FORMATTED(run.con, CHANGE_AREA_QUESTION);
  const char ANS = READ_YES_NO(run);
  if (ANS == 'E' || ANS == 'e') {
    WRITE_FORMATTED(run.con, EAR_QUESTION);
    p.EAR = READ_ANSWER(run, "EAR");
  }

  TrialPropellerInput in;
  in.routine = routine;
  in.set = run.series();
  in.ow = run.ow;
  in.D = ship.D;
  in.N = run.pr.N;
  in.PD = ship.PD;
  in.RHO = ship.RHO;
  in.GRAV = ship.GRAV;
  in.Hsd = ship.Hsd;
  in.Vtrial = ship.Vtrial;
  in.RVtrial = p.ITR >= 1 ? run.sp.RVArr(p.ITR) : 0.0f;
  in.NPROP = ship.NPROP;
  in.w = p.w;
  in.t = p.t;
  in.etaR = p.etaR;
  in.thrust = thrust;
  in.blades = blades;
  const TrialPropellerRecord r = TRIAL_PROPELLER_DETERMINATION(in, p.EAR, RUN_FACTORS(run));
  WRITE_TRIAL_PROPELLER(run.con, run.son, r);

  run.ow = r.ow;
  p.Z = r.Z;
  STORE_ROUTINE(run, r);
  if (r.routine.stop || r.cav.stop) THROW_STOP(*r.stop);
  p.w = r.w;
  p.t = r.t;
  p.etaR = r.etaR;
  p.etadc = r.etad_computed;
  p.Pd = r.Pd;
  if (r.stop) THROW_STOP(*r.stop);
}

void POWER_CHAIN(Run& run) {
  ShipRecord& ship = run.ship;
  PropulsionState& p = run.prop;
  PropellerResult& pr = run.pr;

  PowerChainInput in;
  in.routine = ROUTINE_OF(run.res.PropCase);
  in.set = run.series();
  in.ow = run.ow;
  in.sel =
      SelectedPropeller{pr.J, pr.KT, pr.KQ10 / 10.0f, pr.KQ10, pr.ETA0, pr.PD, pr.N, pr.Pd, pr.D};
  in.JCAND.assign(pr.JCAND.data1(), pr.JCAND.data1() + pr.NCAND);
  in.PDCAND.assign(pr.PDCAND.data1(), pr.PDCAND.data1() + pr.NCAND);
  in.PEtrial = p.PEtrial;
  in.w = p.w;
  in.t = p.t;
  in.etaR = p.etaR;
  in.Z = p.Z;
  in.EAR = p.EAR;
  in.D = ship.D;
  in.etas = ship.etas;
  in.MCR = ship.MCR;
  in.RHO = ship.RHO;
  in.Vtrial = ship.Vtrial;
  in.ITR = p.ITR;
  in.NPROP = ship.NPROP;
  in.IPOD = ship.IPOD;
  in.Vs = FIRST(ship.Vs, ship.NSPEED);
  in.PE = FIRST(run.sp.PEArr, ship.NSPEED);
  in.RV = FIRST(run.sp.RVArr, ship.NSPEED);
  const PowerChainRecord r = POWER_CHAIN_COMPUTE(in, RUN_FACTORS(run));

  p.etad = r.etad;
  p.Pb = r.Pb;
  p.Pbm = r.Pbm;
  p.Pbd = r.Pbd;
  p.JTR = r.JTR;
  WRITE_POWER_CHAIN(run.son, r);
  if (!r.charComputed) THROW_STOP(*r.stop);

  p.PDTR = r.PDTR;
  p.PABS = r.PABS;
  p.THR = r.THR;
  pr.J = r.sel.J;
  pr.KT = r.sel.KT;
  pr.KQ10 = r.sel.KQ;  // the torque coefficient itself from here on
  pr.ETA0 = r.sel.ETA0;
  pr.PD = r.sel.PD;
  pr.Pd = r.sel.Pd;

  const float DISP = ship.RHO * ship.V * 0.001f;
  OTHER_METHOD_SUMMARY(run.son, ship.Lwl, ship.B, run.res.Tmean, DISP, ship.Cm, ship.Cwp,
                       ship.NSPEED, ship.Vs.data1(), ship.D);

  for (int i = 1; i <= ship.NSPEED; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    run.sp.WFT(i) = r.WFT[k];
    run.sp.ThDF(i) = r.ThDF[k];
    run.sp.ETAR(i) = r.ETAR[k];
  }
  if (ship.NSPEED >= 1) p.etaR = r.etaR_raw_last;

  const CharacteristicsRecord& c = r.characteristics;
  p.Z = c.Z;
  run.ow = c.ow;
  WRITE_CHARACTERISTICS_BEFORE_PAUSE(run.con, c);
  PAUSE(run.in, run.con, CHARACTERISTICS_PAUSE_PROMPT);
  WRITE_CHARACTERISTICS_AFTER_PAUSE(run.con, run.son, c);
  if (c.stop) THROW_STOP(*c.stop);
}

}  // namespace vdk
