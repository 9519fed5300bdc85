// The published methods' one propeller, over every regression ship that has
// a propeller: the brake power is the effective power over the efficiencies
// of the reported propeller, and the minimum-service table gives that brake
// power again at the trial speed.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "input/read_ship_data.hpp"
#include "run/calculate.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

TEST(PublishedMethodPower, OnePropellerGivesPbAndTheServiceTableOnEveryRegressionShip) {
  int checked = 0;
  for (const std::string& name : test::regression_cases()) {
    std::ifstream data(test::regression_root() / name / test::case_data_file(name),
                       std::ios::binary);
    const ReadResult read = READ_SHIP_DATA(data);
    if (read.stop || VALIDATE_SHIP_DATA(read.ship).stop) continue;
    const ShipRecord& ship = read.ship;
    if (ship.NoDN == 1 || ship.NSPEED <= 4) continue;
    for (Method m : {Method::HM1982, Method::HM1984}) {
      SCOPED_TRACE(name + (m == Method::HM1982 ? " hm1982" : " hm1984"));
      RunOptions o;
      o.Z = 4.0f;
      o.method = m;
      const RunResult r = CALCULATE_RUN(ship, o);
      // Ships that stop before the propeller (bulb, model water, trial speed
      // not listed) stop so in any method.
      if (r.resistance.stop || r.model_scale.stop || r.prerequisites.stop) continue;
      ASSERT_EQ(r.status(), 0);
      ASSERT_TRUE(r.trial && r.power_chain);
      const TrialPropellerRecord& t = *r.trial;
      const PowerChainRecord& p = *r.power_chain;
      // The selected propeller is the one the search or operating point found.
      EXPECT_EQ(p.sel.PD, t.sel.PD);
      EXPECT_EQ(p.sel.N, t.sel.N);
      EXPECT_EQ(p.sel.D, t.sel.D);
      EXPECT_EQ(p.sel.ETA0, t.sel.ETA0);
      const float etaH = (1.0f - t.t) / (1.0f - t.w);
      const float Pb = p.PEtrial / (etaH * p.sel.ETA0 * t.etaR * ship.etas);
      EXPECT_NEAR(p.Pb, Pb, 0.001f * Pb);
      EXPECT_NEAR(p.Ps, p.Pb * (1.0f + ship.SeaMargin), 0.0001f * p.Ps);
      EXPECT_NEAR(p.Pbm, p.Ps / ship.MCR, 0.0001f * p.Pbm);
      bool found = false;
      for (const ServiceRow& row : p.characteristics.service) {
        if (std::fabs(row.VS - ship.Vtrial) > 0.001f) continue;
        found = true;
        EXPECT_NEAR(static_cast<float>(row.PB), p.Pb, 0.005f * p.Pb);
      }
      EXPECT_TRUE(found);
      ++checked;
    }
  }
  EXPECT_GE(checked, 20);
}

}  // namespace
}  // namespace vdk
