#include "propeller/trial.hpp"

namespace vdk {

TrialPropellerInput TRIAL_PROPELLER_INPUT(const ShipRecord& ship, PropellerRoutine routine, float D,
                                          float RVtrial, const HullFactors& first,
                                          const TrialThrustRecord& thrust,
                                          const TrialBladesRecord& blades) {
  TrialPropellerInput in;
  in.routine = routine;
  in.set = SeriesSettings{ship.SERIES, ship.CPPropeller};
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
                                  std::vector<float> RV) {
  const PropellerRoutine routine = tr.routine.routine;
  PowerChainInput pc;
  pc.routine = routine;
  pc.set = SeriesSettings{ship.SERIES, ship.CPPropeller};
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
