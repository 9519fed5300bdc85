// Pitch ratio for the required thrust at given diameter and rpm, and the
// operating point of a fully given propeller.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "format/format.hpp"
#include "propeller/propeller_routines.hpp"
#include "report/propeller_report.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::split_lines;

// A routine run on its own: the record and its report.
struct Bench {
  std::ostringstream con, son;
  SeriesSettings set{1, 0.0f};
  OpenWaterState ow;  // evaluation record on entry, then as the routine leaves it
  PropellerRoutineRecord rec;
  const SelectedPropeller& pr() const { return rec.sel; }
  int ncand() const { return static_cast<int>(rec.candidates.size()); }
  const CandidateRow& cand(int i) const { return rec.candidates[static_cast<std::size_t>(i - 1)]; }

  void run(PropellerRoutine routine, float T, float D, float N, float PD, float Va, float RHO,
           float& Z, float EAR) {
    PropellerRoutineInput in;
    in.routine = routine;
    in.set = set;
    in.ow = ow;
    in.T = T;
    in.D = D;
    in.N = N;
    in.PD = PD;
    in.Va = Va;
    in.RHO = RHO;
    in.Z = Z;
    in.EAR = EAR;
    rec = PROPELLER_ROUTINE(in);
    WRITE_PROPELLER_ROUTINE(con, son, rec);
    Z = rec.Z;
    ow = rec.ow;
  }
  void ktj2(float T, float D, float Va, float RHO, float& Z, float EAR) {
    run(PropellerRoutine::OptimumForD, T, D, 0.0f, 0.0f, Va, RHO, Z, EAR);
  }
  void ktj4(float T, float N, float& D, float Va, float RHO, float& Z, float EAR) {
    run(PropellerRoutine::OptimumForN, T, D, N, 0.0f, Va, RHO, Z, EAR);
    D = rec.sel.D;
  }
  void pitch(float T, float D, float N, float Va, float RHO, float& Z, float EAR) {
    run(PropellerRoutine::PitchForThrust, T, D, N, 0.0f, Va, RHO, Z, EAR);
  }
  void given(float PD, float N, float D, float Va, float RHO, float& Z, float EAR) {
    run(PropellerRoutine::Given, 0.0f, D, N, PD, Va, RHO, Z, EAR);
  }
};

float thrust_kN(float D, float KT, float n, float RHO) {
  return (((((D * D) * D) * D) * KT) * (n * n)) * RHO / 1000.0f;
}

constexpr float D = 6.0f, N = 100.0f, Va = 8.0f, RHO = 1025.0f, EAR = 0.6f;
// J = 0.4: a low pitch ratio still gives thrust.
constexpr float Vlow = 4.0f;

TEST(PitchForThrust, StopsAtFirstGridValue) {
  Bench b;
  float Z = 4.0f;
  b.pitch(1.0f, D, N, Vlow, RHO, Z, EAR);
  EXPECT_EQ(b.pr().PD, 0.5f);
  EXPECT_EQ(b.ow.ReN, N);
  EXPECT_EQ(b.ow.ReVa, Vlow);
  EXPECT_EQ(b.pr().J, Vlow / ((N / 60.0f) * D));
  EXPECT_EQ(b.pr().D, D);
  EXPECT_EQ(b.pr().KQ10, 10.0f * b.ow.KQ);

  const auto con = split_lines(b.con.str());
  ASSERT_EQ(con.size(), 3u);
  const float Tp = thrust_kN(D, b.pr().KT, N / 60.0f, RHO);
  EXPECT_EQ(con[0] + "\n", FORMAT_TO_STRING("(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,"
                                            "' kg/m3')",
                                            Tp, Vlow, RHO));
  EXPECT_EQ(con[1], " Z = 4. EAR = 0.600 D =  6.000 m P/D =  0.500");
  EXPECT_EQ(con[2], " HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR");
  EXPECT_EQ(b.son.str(), b.con.str());
}

TEST(PitchForThrust, EqualThrustDoesNotStop) {
  Bench first;
  float Z = 4.0f;
  first.pitch(1.0f, D, N, Vlow, RHO, Z, EAR);
  const float T = thrust_kN(D, first.pr().KT, N / 60.0f, RHO);

  Bench b;
  b.pitch(T, D, N, Vlow, RHO, Z, EAR);
  EXPECT_EQ(b.pr().PD, 0.5f + 0.0001f);
}

TEST(PitchForThrust, NegativeTorqueIsSkipped) {
  // A 5 cm propeller: the blade-drag correction drives KQ below zero at the
  // low pitch ratios while the thrust is already far above the requirement.
  const float d = 0.05f, rpm = 1200.0f, va = 0.5f, T = 1.0e-6f;
  OpenWaterState probe;
  probe.ReN = rpm;
  probe.ReVa = va;
  probe.J = va / ((rpm / 60.0f) * d);
  float Z = 4.0f;
  SERIES_KTKQ(probe, SeriesSettings{1, 0.0f}, 0.5f, EAR, Z);
  ASSERT_LT(probe.KQ, 0.0f);
  ASSERT_GT(thrust_kN(d, probe.KT, rpm / 60.0f, RHO), T);

  Bench b;
  b.pitch(T, d, rpm, va, RHO, Z, EAR);
  EXPECT_GT(b.pr().PD, 0.9f);
  EXPECT_GE(b.pr().KQ10, 0.0f);
  // The grid value before the answer still has a negative torque.
  OpenWaterState before = b.ow;
  SERIES_KTKQ(before, SeriesSettings{1, 0.0f}, b.pr().PD - 0.0001f, EAR, Z);
  EXPECT_LT(before.KQ, 0.0f);
}

TEST(PitchForThrust, GawnShowsThreeBlades) {
  Bench b;
  b.set = SeriesSettings{2, 1.0f};
  float Z = 4.0f;
  b.pitch(400.0f, D, N, Va, RHO, Z, EAR);
  EXPECT_EQ(Z, 3.0f);
  const auto con = split_lines(b.con.str());
  ASSERT_EQ(con.size(), 4u);
  EXPECT_EQ(con[1].substr(0, 19), " Z = 3. EAR = 0.600");
  EXPECT_EQ(con[2], " HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR");
  EXPECT_EQ(con[3], " HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR");
  const auto son = split_lines(b.son.str());
  ASSERT_EQ(son.size(), 5u);
  EXPECT_EQ(son[2], " (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    ");
  EXPECT_EQ(son[3], "");
  EXPECT_GT(thrust_kN(D, b.pr().KT, N / 60.0f, RHO), 400.0f);
}

// A pitch found inside the grid, worked out apart from this code: every
// evaluation carries the blade-drag correction of the given rpm and advance
// speed (the diameter derived from them), and the loop stops at the first
// pitch ratio whose thrust exceeds the required one.
TEST(PitchForThrust, PitchOfAnIndependentCalculation) {
  Bench b;
  float Z = 4.0f;
  b.pitch(1500.0f, 6.5f, 120.0f, 9.0f, 1025.0f, Z, 0.7f);
  EXPECT_EQ(b.pr().PD, 1.05019128f);
  EXPECT_EQ(b.pr().J, 0.692307711f);
  EXPECT_NEAR(b.pr().KT, 0.204955623f, 2e-7f);
  EXPECT_NEAR(b.pr().KQ10, 0.344384879f, 1e-6f);
  EXPECT_NEAR(b.pr().ETA0, 0.655745089f, 2e-6f);
  EXPECT_NEAR(b.pr().Pd, 20587.53f, 0.05f);
  EXPECT_EQ(b.ow.ReN, 120.0f);
  EXPECT_EQ(b.ow.ReVa, 9.0f);
  EXPECT_EQ(b.ow.ReD, 0.0f);
  const auto con = split_lines(b.con.str());
  ASSERT_EQ(con.size(), 3u);
  EXPECT_EQ(con[0], " T=   1500.02 kN  Va=   9.000 m/s  RHO = 1025.0 kg/m3");
  EXPECT_EQ(con[1], " Z = 4. EAR = 0.700 D =  6.500 m P/D =  1.050");
  EXPECT_EQ(b.son.str(), b.con.str());
}

TEST(PitchForThrust, UnreachableThrustWarnsAndGoesOn) {
  Bench b;
  float Z = 4.0f;
  b.pitch(1.0e6f, D, N, Va, RHO, Z, EAR);
  float last = 0.5f;
  for (int i = 0; i < 9000; ++i) last = last + 0.0001f;
  EXPECT_EQ(b.pr().PD, last);
  EXPECT_NEAR(b.pr().PD, 1.4001f, 0.0001f);
  EXPECT_EQ(b.pr().N, N);  // the given rpm
  const auto con = split_lines(b.con.str());
  ASSERT_EQ(con.size(), 4u);
  EXPECT_EQ(con[1].substr(con[1].size() - 13), " P/D =  1.400");
  EXPECT_EQ(con[3], " UYARI: GEREKEN ITME P/D=1.40 ILE SAGLANAMADI");
  EXPECT_EQ(b.son.str(), b.con.str());
}

TEST(PitchForThrust, NoUsablePitchStops) {
  // With a series selector that evaluates nothing the coefficients stay
  // those of the previous evaluation: a negative torque at every pitch.
  Bench b;
  b.set = SeriesSettings{3, 0.0f};
  b.ow.KT = 0.5f;
  b.ow.KQ = -0.01f;
  float Z = 4.0f;
  b.pitch(1.0f, D, N, Va, RHO, Z, EAR);
  ASSERT_TRUE(b.rec.stop);
  EXPECT_EQ(b.rec.stop->status, EXIT_CALC_STOP);
  EXPECT_FALSE(b.rec.stop->pause);
  EXPECT_EQ(b.con.str(), " UYGUN PERVANE BULUNAMADI - STOP\n");
  EXPECT_EQ(b.son.str(), b.con.str());
  EXPECT_EQ(b.pr().PD, 0.0f);  // no pitch ratio found
}

TEST(GivenPropeller, OperatingPointReportAndRecord) {
  Bench b;
  float Z = 4.0f;
  b.given(1.0f, N, D, Va, RHO, Z, EAR);
  const float n = N / 60.0f;
  const float J = Va / (n * D);
  EXPECT_EQ(b.pr().J, J);
  EXPECT_EQ(b.pr().PD, 1.0f);
  EXPECT_EQ(b.pr().N, N);
  EXPECT_EQ(b.pr().D, D);
  EXPECT_EQ(b.ncand(), 0);
  // No drag correction while the context is zero.
  OpenWaterState plain;
  plain.J = J;
  WAGENINGEN_B_KTKQ(plain, SeriesSettings{1, 0.0f}, 1.0f, EAR, 4.0f);
  EXPECT_EQ(b.pr().KT, plain.KT);
  EXPECT_EQ(b.pr().KQ10, 10.0f * plain.KQ);
  EXPECT_EQ(b.pr().ETA0, plain.ETA0);

  const auto con = split_lines(b.con.str());
  ASSERT_EQ(con.size(), 9u);
  EXPECT_EQ(con[0], "");
  EXPECT_EQ(con[1], " BELIRLENEN PERVANE KULLANILMISTIR.");
  EXPECT_EQ(con[2], " P/D=1.000");
  EXPECT_EQ(con[3].substr(0, 9), " J= 0.800");
  EXPECT_EQ(con[5].substr(0, 5), " T=  ");
  EXPECT_EQ(con[6], " Z = 4. EAR = 0.600 D =  6.000 m");
  EXPECT_EQ(con[7].substr(0, 37), " RPS=  1.667 dev/san RPM= 100.00 TORK");
  EXPECT_EQ(con[8], " HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR");
  EXPECT_EQ(b.son.str(), b.con.str());
}

}  // namespace
}  // namespace vdk
