// Whole speed blocks reproduced to the last bit: the expected values were
// computed independently with every operation rounded to single precision,
// in the order of the formulas (integer powers as products, real powers,
// exponentials and logarithms correctly rounded). They cover the branches
// that the worked example does not reach: the transition and high-speed
// ranges, the slenderness formulas, a narrow and a full hull, trim, wind,
// ITTC roughness, a high bulb, a wet transom and bow thrusters.
#include <gtest/gtest.h>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::worked_example_ship;

SpeedBlock whole_speed(const ShipRecord& s) {
  const ResistanceResult res = COMPUTE_RESISTANCE(s);
  EXPECT_EQ(res.blocks.size(), 1u);
  EXPECT_EQ(res.blocks.at(0).end, BlockEnd::Complete);
  return res.blocks.at(0);
}

TEST(SinglePrecision, TransitionRange) {
  ShipRecord s = worked_example_ship();
  s.Vs(1) = 40.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.hull_form.Fn, 0x1.d5d6e4p-2f);  // 0.4588276
  EXPECT_EQ(r.wave.M2, -0x1.be4a2ap-2f);      // -0.4358298
  EXPECT_EQ(r.wave.M4, -0x1.be4a2ap-2f);      // -0.4358298
  EXPECT_EQ(r.wave.Rw, 0x1.e09c2ep+12f);      // 7689.761
  EXPECT_EQ(r.wave.CW, 0x1.3889dap-8f);       // 0.004768959
  EXPECT_EQ(r.totals.RT, 0x1.53a94ep+13f);    // 10869.16
  EXPECT_EQ(r.totals.PE, 0x1.b4cdf4p+17f);    // 223643.9
}

TEST(SinglePrecision, HighSpeedRange) {
  ShipRecord s = worked_example_ship();
  s.Vs(1) = 50.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.hull_form.Fn, 0x1.25a65p-1f);  // 0.5735345
  EXPECT_EQ(r.wave.M2, -0x1.18b37ep-1f);     // -0.5482444
  EXPECT_EQ(r.wave.M4, -0x1.18b37ep-1f);     // -0.5482444
  EXPECT_EQ(r.wave.Rw, 0x1.bf04p+13f);       // 14304.5
  EXPECT_EQ(r.wave.CW, 0x1.741604p-8f);      // 0.005677582
  EXPECT_EQ(r.totals.RT, 0x1.2b8628p+14f);   // 19169.54
  EXPECT_EQ(r.totals.PE, 0x1.e17c24p+18f);   // 493040.6
}

TEST(SinglePrecision, SlenderHull) {
  ShipRecord s = worked_example_ship();
  s.V = 15000.0f;
  s.Vs(1) = 25.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.wave.C6, -0x1.8f749p+0f);     // -1.560372
  EXPECT_EQ(r.wave.C15, -0x1.8fbe96p+0f);   // -1.561502
  EXPECT_EQ(r.wave.M1, -0x1.e3e49ep+0f);    // -1.890207
  EXPECT_EQ(r.wave.C5, 0x1.381p+0f);        // 1.218994
  EXPECT_EQ(r.wave.LAMDA, 0x1.295ee2p-3f);  // 0.1452005
  EXPECT_EQ(r.wave.C1, 0x1.70510cp+0f);     // 1.438737
  EXPECT_EQ(r.wave.C17, 0x1.4e29a8p-3f);    // 0.1631654
  EXPECT_EQ(r.wave.Rw, 0x1.dd89d2p+8f);     // 477.5384
}

TEST(SinglePrecision, FullHull) {
  ShipRecord s = worked_example_ship();
  s.V = 60000.0f;
  s.Cm = 0.99f;
  s.Vs(1) = 15.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.hull_form.hull.CP, 0x1.d905dep-1f);          // 0.9238729
  EXPECT_EQ(r.wave.C5, 0x1.13c5fp+0f);                     // 1.077239
  EXPECT_EQ(r.hull_form.LR, 0x1.8e3704p+3f);               // 12.44422
  EXPECT_EQ(r.hull_form.KHoltrop, 0x1.bc121p+0f);          // 1.734651
  EXPECT_EQ(r.hull_form.OnePlusKGrigson, 0x1.59cb8ap+1f);  // 2.701524
  EXPECT_EQ(r.wave.IE_est, 0x1.075cacp+6f);                // 65.8405
  EXPECT_EQ(r.wave.Rw, 0x1.4ef94cp+8f);                    // 334.9738
}

TEST(SinglePrecision, NarrowHull) {
  ShipRecord s = worked_example_ship();
  s.B = 16.0f;
  s.V = 19000.0f;
  s.Vs(1) = 25.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.wave.C4, 0x1.91e572p-4f);     // 0.09811921
  EXPECT_EQ(r.wave.LAMDA, 0x1.fa96e4p-2f);  // 0.4947162
  EXPECT_EQ(r.wave.C1, 0x1.b56b6ep-2f);     // 0.4271676
  EXPECT_EQ(r.wave.M3, -0x1.2d649cp+1f);    // -2.354633
  EXPECT_EQ(r.wave.Rw, 0x1.039664p+8f);     // 259.5875
}

TEST(SinglePrecision, TrimmedHull) {
  ShipRecord s = worked_example_ship();
  s.Ta = 11.0f;
  s.Tf = 9.0f;
  s.LCB = 3.0f;
  s.Vs(1) = 20.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.hull_form.LR, 0x1.752f3ap+6f);               // 93.29612
  EXPECT_EQ(r.hull_form.KHoltrop, 0x1.375fep+0f);          // 1.216307
  EXPECT_EQ(r.hull_form.OnePlusKGrigson, 0x1.408decp+0f);  // 1.252166
  EXPECT_EQ(r.wave.IE_est, 0x1.cd0e4ep+3f);                // 14.408
  EXPECT_EQ(r.wave.C2, 0x1.7cdcaep-1f);                    // 0.7438712
  EXPECT_EQ(r.wave.Rbulb, 0x1.3d3c42p+0f);                 // 1.239201
  EXPECT_EQ(r.totals.CA, 0x1.719f5p-12f);                  // 0.0003524993
  EXPECT_EQ(r.totals.RT, 0x1.f4c58ap+9f);                  // 1001.543
}

TEST(SinglePrecision, WindBulbTransomThrusters) {
  ShipRecord s = worked_example_ship();
  s.DepthFP = 18.0f;
  s.ONYUZ = 300.0f;
  s.Roughness = 150.0f;
  s.NBT = 2;
  s.DBT = 2.0f;
  s.HB = 7.0f;
  s.AT = 60.0f;
  s.Vs(1) = 8.0f;
  const SpeedBlock r = whole_speed(s);
  EXPECT_EQ(r.friction.RAIR, 0x1.31fe7p+2f);  // 4.781155
  EXPECT_EQ(r.friction.CAA, 0x1.36ea9p-14f);  // 7.412821e-05
  EXPECT_EQ(r.wave.Rbulb, 0x1.197d4ap+5f);    // 35.18618, exp(-3 p^2) above 2/3 Tf too
  EXPECT_EQ(r.wave.Rayna, 0x1.55d06cp+6f);    // 85.45354
  EXPECT_EQ(r.wave.Rbot, 0x1.a2cf52p+1f);     // 3.271952
  EXPECT_EQ(r.totals.CA, 0x1.410a88p-12f);    // 0.0003061687
  EXPECT_EQ(r.totals.RT, 0x1.0e7f36p+8f);     // 270.4969
}

}  // namespace
}  // namespace vdk
