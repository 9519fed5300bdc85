// The propeller that absorbs the trial power: thrust per propeller, the
// search or operating point chosen by the given propeller data, the
// cavitation checks, the factors of the chosen propeller and the test of the
// assumed overall propulsive efficiency.
#include <cmath>

#include "core/constants.hpp"
#include "core/table_interpolation.hpp"
#include "input/ship_record.hpp"
#include "propeller/trial.hpp"

namespace vdk {

TrialStartRecord TRIAL_START(const TrialStartInput& in) {
  TrialStartRecord r;
  const int n = static_cast<int>(in.Vs.size());
  if (!TABLE_INTERPOLATION(n, in.Vs.data(), in.PEtr.data(), in.Vtrial, r.PEtrial, MAX_SPEEDS, 3))
    r.stop = SPLINE_CAPACITY_STOP();
  return r;
}

TrialThrustRecord TRIAL_THRUST(const TrialThrustInput& in, float etad_typed) {
  TrialThrustRecord r;
  r.etad_typed = etad_typed;
  r.PEtrial = in.PEtrial;
  r.Vtrial = in.Vtrial;
  r.w = in.w;
  r.t = in.t;
  r.NPROP = in.NPROP;
  if (!(etad_typed > 0.0f)) {
    r.stop = UNUSABLE_EFFICIENCY_STOP();
    return r;
  }
  r.Pd = in.PEtrial / etad_typed;
  r.Va = (1.0f - in.w) * in.Vtrial;
  r.Rt = in.PEtrial / (in.Vtrial * KNOT);
  r.T = (r.Rt / (1.0f - in.t)) / static_cast<float>(in.NPROP);
  return r;
}

TrialBladesRecord TRIAL_BLADES(const TrialBladesInput& in, float Z_typed) {
  TrialBladesRecord r;
  r.Z_typed = Z_typed;
  r.Z = Z_typed;
  if (in.SERIES == 2) {
    r.Z = 3.0f;  // the Gawn series is three-bladed
  } else if (!(Z_typed >= 2.0f && Z_typed <= 7.0f && Z_typed == std::floor(Z_typed))) {
    r.stop = UNUSABLE_BLADES_STOP();
    return r;
  }
  const float PSTAT = SHAFT_PRESSURE(in.RHO, in.GRAV, in.Hsd);
  r.EARK = KELLER_AREA_RATIO(r.Z, in.T, PSTAT, in.D);
  r.diameterNote = in.routine == PropellerRoutine::OptimumForN;
  return r;
}

TrialPropellerRecord TRIAL_PROPELLER_DETERMINATION(const TrialPropellerInput& in, float EAR,
                                                   const HullFactorsAt& factors) {
  TrialPropellerRecord r;
  r.EAR = EAR;
  r.EARK = in.blades.EARK;
  r.etad_typed = in.thrust.etad_typed;
  r.NPROP = in.NPROP;
  r.w = in.w;
  r.t = in.t;
  r.etaR = in.etaR;
  if (!(EAR > 0.0f)) {
    r.Z = in.blades.Z;
    r.stop = UNUSABLE_AREA_RATIO_STOP();
    return r;
  }

  const TrialThrustRecord& th = in.thrust;
  PropellerRoutineInput ri;
  ri.routine = in.routine;
  ri.set = in.set;
  ri.ow = in.ow;
  ri.T = th.T;
  ri.D = in.D;
  ri.N = in.N;
  ri.PD = in.PD;
  ri.Va = th.Va * KNOT;
  ri.RHO = in.RHO;
  ri.Z = in.blades.Z;
  ri.EAR = EAR;
  ri.method = in.method;
  if (PUBLISHED(in.method)) {
    // The series curves corrected to the full-scale propeller from the
    // start: a given diameter, or the one each advance ratio gives at the
    // given rpm.
    ri.ow.ReD = in.routine == PropellerRoutine::OptimumForN ? 0.0f : in.D;
    ri.ow.ReVa = ri.Va;
    ri.ow.ReN = in.N;
  }
  r.routine = PROPELLER_ROUTINE(ri);
  r.Z = r.routine.Z;
  r.ow = r.routine.ow;
  if (r.routine.stop) {
    r.stop = r.routine.stop;
    return r;
  }
  // Without a routine the propeller keeps the given rpm and diameter only.
  if (in.routine == PropellerRoutine::None) {
    r.sel = SelectedPropeller{};
    r.sel.N = in.N;
    r.sel.D = in.D;
  } else {
    r.sel = r.routine.sel;
  }
  const float D = r.sel.D;

  // From here on every series evaluation carries the blade-drag correction
  // of the propeller just determined.
  r.ow.ReD = D;
  r.ow.ReVa = th.Va * KNOT;
  r.ow.ReN = r.sel.N;

  r.cavIn.T = th.T;
  r.cavIn.Va = th.Va;
  r.cavIn.EAR = EAR;
  r.cavIn.RHO = in.RHO;
  r.cavIn.GRAV = in.GRAV;
  r.cavIn.Hsd = in.Hsd;
  r.cavIn.D = D;
  r.cavIn.N = r.sel.N;
  r.cavIn.PD = r.sel.PD;
  r.cav = CAVITATION_CHECKS(r.cavIn);
  if (r.cav.stop) {
    r.stop = r.cav.stop;
    return r;
  }

  if (r.sel.PD > 0.01f) {
    r.factorsRecomputed = true;
    const HullFactors f = factors(D, r.sel.PD, EAR, in.RVtrial, in.Vtrial);
    r.w = f.w;
    r.t = f.t;
    r.etaR = f.etaR;
  }

  r.etad_computed = ((1.0f - r.t) / (1.0f - r.w)) * r.sel.ETA0 * r.etaR;
  r.Pd = th.PEtrial / r.etad_computed;

  // The assumed efficiency must come out of the calculation again; the user
  // restarts with the computed value otherwise. An efficiency that is no
  // number at all cannot be confirmed either.
  if (!(std::fabs(r.etad_typed - r.etad_computed) <= 0.01f)) r.stop = EFFICIENCY_MISMATCH_STOP();
  return r;
}

}  // namespace vdk
