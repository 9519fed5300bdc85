#include "propeller/trial.hpp"

namespace vdk {

namespace {

// The series of the ship, with the blade-drag correction of the method.
SeriesSettings SERIES_SETTINGS(const ShipRecord& ship, Method method) {
  SeriesSettings set{ship.SERIES, ship.CPPropeller};
  if (PUBLISHED(method)) set.drag = BladeDrag::ITTC78;
  return set;
}

}  // namespace

TrialPropellerInput TRIAL_PROPELLER_INPUT(const ShipRecord& ship, PropellerRoutine routine, float D,
                                          float RVtrial, const HullFactors& first,
                                          const TrialThrustRecord& thrust,
                                          const TrialBladesRecord& blades, Method method) {
  TrialPropellerInput in;
  in.routine = routine;
  in.method = method;
  in.set = SERIES_SETTINGS(ship, method);
  in.D = D;
  in.N = ship.N;
  in.PD = ship.PD;
  in.RHO = ship.RHO;
  in.GRAV = ship.GRAV;
  in.Hsd = ship.Hsd;
  in.Vtrial = ship.Vtrial;
  in.RVtrial = RVtrial;
  in.NPROP = ship.NPROP;
  in.w = first.w;
  in.t = first.t;
  in.etaR = first.etaR;
  in.thrust = thrust;
  in.blades = blades;
  return in;
}

PowerChainInput POWER_CHAIN_INPUT(const ShipRecord& ship, const TrialPropellerRecord& tr,
                                  float PEtrial, float D, int ITR, std::vector<float> PE,
                                  std::vector<float> RV, Method method) {
  const PropellerRoutine routine = tr.routine.routine;
  PowerChainInput pc;
  pc.routine = routine;
  pc.method = method;
  pc.SeaMargin = ship.SeaMargin;
  pc.set = SERIES_SETTINGS(ship, method);
  pc.ow = tr.ow;
  pc.sel = tr.sel;
  if (routine == PropellerRoutine::OptimumForD || routine == PropellerRoutine::OptimumForN)
    OPTIMUM_LINE(tr.routine, pc.JCAND, pc.PDCAND);
  pc.PEtrial = PEtrial;
  pc.w = tr.w;
  pc.t = tr.t;
  pc.etaR = tr.etaR;
  pc.Z = tr.Z;
  pc.EAR = tr.EAR;
  pc.D = routine == PropellerRoutine::OptimumForN ? tr.routine.sel.D : D;
  pc.etas = ship.etas;
  pc.MCR = ship.MCR;
  pc.RHO = ship.RHO;
  pc.Vtrial = ship.Vtrial;
  pc.ITR = ITR;
  pc.NPROP = ship.NPROP;
  pc.IPOD = ship.IPOD;
  pc.Vs.assign(ship.Vs.data1(), ship.Vs.data1() + ship.NSPEED);
  pc.PE = std::move(PE);
  pc.RV = std::move(RV);
  return pc;
}

}  // namespace vdk
