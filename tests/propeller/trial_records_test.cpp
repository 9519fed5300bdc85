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

using test::TrialCase;

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

// The stages in the order of the dialogue with the answers etad, Z and EAR
// (EAR <= 0: Keller's), then the power chain; `c` is only read.
TrialRecords determine(const TrialCase& c, float etad, float Z, float EAR) {
  const ShipRecord& s = c.ship;
  std::ostringstream con, son;
  TrialRecords t;
  t.start =
      TRIAL_START({std::vector<float>(s.Vs.data1(), s.Vs.data1() + s.NSPEED), c.PEtr, s.Vtrial});
  WRITE_TRIAL_START(son, t.start);
  t.thrust = TRIAL_THRUST({t.start.PEtrial, s.Vtrial, c.first.w, c.first.t, s.NPROP}, etad);
  WRITE_TRIAL_THRUST(con, son, t.thrust);
  t.blades = TRIAL_BLADES({s.SERIES, s.RHO, s.GRAV, s.Hsd, c.D_used, t.thrust.T, c.routine()}, Z);
  WRITE_TRIAL_BLADES(con, t.blades);
  t.prop = TRIAL_PROPELLER_DETERMINATION(c.propeller_input(t.thrust, t.blades),
                                         EAR > 0.0f ? EAR : t.blades.EARK, c.factors());
  WRITE_TRIAL_PROPELLER(con, son, t.prop);

  PowerChainInput pc = c.chain_input(t.prop, t.start.PEtrial);
  OPTIMUM_LINE(t.prop.routine, pc.JCAND, pc.PDCAND);
  t.chain = POWER_CHAIN_COMPUTE(pc, c.factors());
  WRITE_POWER_CHAIN(son, t.chain);
  WRITE_CHARACTERISTICS_BEFORE_PAUSE(con, t.chain.characteristics);
  WRITE_CHARACTERISTICS_AFTER_PAUSE(con, son, t.chain.characteristics);
  t.con = con.str();
  t.son = son.str();
  return t;
}

TEST(TrialRecords, SameInputsGiveTheSameRecordsForEveryRoutine) {
  for (int PropCase : {1, 2, 3, 4}) {
    TrialCase c(PropCase);
    if (PropCase >= 2) c.ship.N = 120.0f;
    if (PropCase == 3) c.ship.D = 0.0f;
    if (PropCase == 4) c.ship.PD = 1.0f;
    c.finish_setup();
    const float D_given = c.D_used;
    const TrialRecords a = determine(c, 0.6f, 4.0f, 0.0f);
    const TrialRecords b = determine(c, 0.6f, 4.0f, 0.0f);
    EXPECT_TRUE(a == b) << PropCase;
    EXPECT_FALSE(a.prop.routine.stop) << PropCase;
    EXPECT_TRUE(a.chain.charComputed) << PropCase;
    // The rpm-given search's diameter is a field of its own.
    if (PropCase == 3) {
      EXPECT_NE(a.prop.sel.D, D_given);
    }
  }
}

TEST(TrialRecords, TypedAndComputedValuesKeepTheirOwnFields) {
  TrialCase c;
  c.ship.SERIES = 2;
  const TrialRecords r = determine(c, 0.75f, 4.0f, 0.9f);
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
