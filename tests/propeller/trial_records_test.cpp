// The trial-propeller stages and the power chain as computations on records:
// the same inputs give the same records, inputs stay inputs, and the typed and
// computed values keep their own fields.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "propeller/trial.hpp"
#include "report/propeller_report.hpp"
#include "trial_fixture.hpp"

namespace vdk {
namespace {

using test::TrialRun;

// Every record of one trial-propeller determination and power chain, and
// everything their writers print.
struct TrialRecords {
  TrialStartRecord start;
  TrialThrustRecord thrust;
  TrialBladesRecord blades;
  TrialPropellerRecord prop;
  PowerChainRecord chain;
  std::string con, son;
  bool operator==(const TrialRecords&) const = default;
};

HullFactorsAt factors_of(const Run& run) {
  return [&run](float DP, float PD, float EAR, float RV, float V) {
    const float CV = VISCOUS_COEFFICIENT(RV, run.ship.RHO, run.ship.S, V);
    const ShipFactors f = SHIP_PROPULSION_FACTORS(run, DP, PD, EAR, CV);
    return HullFactors{f.w, f.t, f.etaR, f.etaR_raw};
  };
}

std::vector<float> first(const Arr1<float, MAX_SPEEDS>& a, int n) {
  return {a.data1(), a.data1() + n};
}

// The stages in the order of the dialogue with the answers etad, Z and EAR
// (EAR <= 0: Keller's), then the power chain; `run` is only read.
TrialRecords determine(const Run& run, float etad, float Z, float EAR) {
  const ShipRecord& s = run.ship;
  const PropulsionState& p = run.prop;
  const auto routine = static_cast<PropellerRoutine>(run.res.PropCase);
  std::ostringstream con, son;
  TrialRecords t;
  t.start = TRIAL_START({first(s.Vs, s.NSPEED), first(run.sp.PEtrArr, s.NSPEED), s.Vtrial});
  WRITE_TRIAL_START(son, t.start);
  t.thrust = TRIAL_THRUST({t.start.PEtrial, s.Vtrial, p.w, p.t, s.NPROP}, etad);
  WRITE_TRIAL_THRUST(con, son, t.thrust);
  t.blades = TRIAL_BLADES({s.SERIES, s.RHO, s.GRAV, s.Hsd, s.D, t.thrust.T, routine}, Z);
  WRITE_TRIAL_BLADES(con, t.blades);

  TrialPropellerInput in;
  in.routine = routine;
  in.set = run.series();
  in.D = s.D;
  in.N = s.N;
  in.PD = s.PD;
  in.RHO = s.RHO;
  in.GRAV = s.GRAV;
  in.Hsd = s.Hsd;
  in.Vtrial = s.Vtrial;
  in.RVtrial = run.sp.RVArr(p.ITR);
  in.NPROP = s.NPROP;
  in.w = p.w;
  in.t = p.t;
  in.etaR = p.etaR;
  in.thrust = t.thrust;
  in.blades = t.blades;
  t.prop = TRIAL_PROPELLER_DETERMINATION(in, EAR > 0.0f ? EAR : t.blades.EARK, factors_of(run));
  WRITE_TRIAL_PROPELLER(con, son, t.prop);

  PowerChainInput pc;
  pc.routine = routine;
  pc.set = run.series();
  pc.ow = t.prop.ow;
  pc.sel = t.prop.sel;
  OPTIMUM_LINE(t.prop.routine, pc.JCAND, pc.PDCAND);
  pc.PEtrial = t.start.PEtrial;
  pc.w = t.prop.w;
  pc.t = t.prop.t;
  pc.etaR = t.prop.etaR;
  pc.Z = t.prop.Z;
  pc.EAR = t.prop.EAR;
  pc.D = t.prop.sel.D;
  pc.etas = s.etas;
  pc.MCR = s.MCR;
  pc.RHO = s.RHO;
  pc.Vtrial = s.Vtrial;
  pc.ITR = p.ITR;
  pc.NPROP = s.NPROP;
  pc.IPOD = s.IPOD;
  pc.Vs = first(s.Vs, s.NSPEED);
  pc.PE = first(run.sp.PEArr, s.NSPEED);
  pc.RV = first(run.sp.RVArr, s.NSPEED);
  t.chain = POWER_CHAIN_COMPUTE(pc, factors_of(run));
  WRITE_POWER_CHAIN(son, t.chain);
  WRITE_CHARACTERISTICS_BEFORE_PAUSE(con, t.chain.characteristics);
  WRITE_CHARACTERISTICS_AFTER_PAUSE(con, son, t.chain.characteristics);
  t.con = con.str();
  t.son = son.str();
  return t;
}

TEST(TrialRecords, SameInputsGiveTheSameRecordsForEveryRoutine) {
  for (int PropCase : {1, 2, 3, 4}) {
    TrialRun t("", PropCase);
    if (PropCase >= 2) t.run.ship.N = 120.0f;
    if (PropCase == 3) t.run.ship.D = 0.0f;
    if (PropCase == 4) t.run.ship.PD = 1.0f;
    t.finish_setup();
    const float D_given = t.run.ship.D;
    const TrialRecords a = determine(t.run, 0.6f, 4.0f, 0.0f);
    const TrialRecords b = determine(t.run, 0.6f, 4.0f, 0.0f);
    EXPECT_TRUE(a == b) << PropCase;
    EXPECT_FALSE(a.prop.routine.stop) << PropCase;
    EXPECT_TRUE(a.chain.charComputed) << PropCase;
    // The ship record is an input: the rpm-given search's diameter is a field.
    EXPECT_EQ(t.run.ship.D, D_given) << PropCase;
    if (PropCase == 3) {
      EXPECT_NE(a.prop.sel.D, D_given);
    }
  }
}

TEST(TrialRecords, TypedAndComputedValuesKeepTheirOwnFields) {
  TrialRun t("");
  t.run.ship.SERIES = 2;
  const TrialRecords r = determine(t.run, 0.75f, 4.0f, 0.9f);
  // Gawn: four blades typed, three used, in every later record.
  EXPECT_EQ(r.blades.Z_typed, 4.0f);
  EXPECT_EQ(r.blades.Z, 3.0f);
  EXPECT_EQ(r.prop.Z, 3.0f);
  EXPECT_EQ(r.prop.EAR, 0.9f);
  EXPECT_NE(r.prop.EARK, 0.9f);
  // The efficiency test stops with a pause; the typed value stays beside the computed one.
  ASSERT_TRUE(r.prop.stop);
  EXPECT_EQ(r.prop.stop->status, EXIT_EFFICIENCY);
  EXPECT_TRUE(r.prop.stop->pause);
  EXPECT_EQ(r.prop.etad_typed, 0.75f);
  EXPECT_EQ(r.prop.etad_computed,
            (1.0f - r.prop.t) / (1.0f - r.prop.w) * r.prop.sel.ETA0 * r.prop.etaR);
  // The power chain keeps 10 KQ of the trial propeller apart from its own KQ.
  EXPECT_EQ(r.chain.sel.KQ10, 10.0f * r.chain.sel.KQ);
  EXPECT_EQ(r.chain.etad, r.chain.ETAH * r.prop.sel.ETA0 * r.prop.etaR);
}

TEST(TrialRecords, EfficiencyNotAboveZeroStopsTheThrustStage) {
  const TrialThrustRecord r = TRIAL_THRUST({20000.0f, 25.0f, 0.3f, 0.2f, 1}, 0.0f);
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->status, EXIT_BAD_INPUT);
  EXPECT_FALSE(r.stop->pause);
  EXPECT_EQ(r.T, 0.0f);
  std::ostringstream con, son;
  WRITE_TRIAL_THRUST(con, son, r);
  EXPECT_EQ(con.str(),
            "\n    etad =    0.000 KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK OLMALIDIR - STOP\n");
  EXPECT_EQ(son.str(), "");
}

}  // namespace
}  // namespace vdk
