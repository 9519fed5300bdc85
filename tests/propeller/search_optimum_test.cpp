// Optimum propeller searches: candidate scan, choice of the most efficient
// candidate, report layout of both variants, record filled, empty search.
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

const std::string R1 = " ---|-------|-------|--------|--------|--------|------------|----------|";
const std::string R2 = " ---|-------|-------|--------|--------|--------|------------|---------|";
const std::string R3 = " ---|-------|-------|--------|--------|--------|----- ------|-----------|";
const std::string R4 = " ---|-------|-------|--------|--------|--------|-----------|-----------|";
const std::string H1 = "  i    P/D      J       Kt      10Kq     eta0       Bp          delta";
const std::string H2 = "  i    P/D      J       Kt      10Kq     eta0       Bp         delta";

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
  std::vector<std::string> conLines() const { return split_lines(con.str()); }
  std::vector<std::string> sonLines() const { return split_lines(son.str()); }
};

// Candidates of a KT/J^2 search worked out point by point with single
// evaluations: (P/D, J) of every bracketing pair, in order.
std::vector<std::pair<float, float>> reference_candidates(float target, float EAR, float Z) {
  std::vector<std::pair<float, float>> out;
  float PD = 0.5f;
  for (int ip = 0; ip < 90; ++ip, PD = PD + 0.01f) {
    std::vector<float> L, Js;
    float J = 0.1f;
    for (int k = 0; k < 1400; ++k, J = J + 0.001f) {
      OpenWaterState ow;
      ow.J = J;
      SERIES_KTKQ(ow, SeriesSettings{1, 0.0f}, PD, EAR, Z);
      if (ow.KT < 0.0f) break;
      L.push_back(ow.KT / (J * J));
      Js.push_back(J);
    }
    for (std::size_t i = 0; i + 1 < L.size(); ++i) {
      if (L[i] >= target && L[i + 1] <= target) {
        out.emplace_back(PD, Js[i] + ((target - L[i]) * (Js[i + 1] - Js[i])) / (L[i + 1] - L[i]));
      }
    }
  }
  return out;
}

// With RHO 1000, Va 1 and D 1 the KT/J^2 target is the thrust in kN.
void search_ktj2(Bench& b, float T, float Z = 4.0f, float EAR = 0.6f) {
  b.ktj2(T, 1.0f, 1.0f, 1000.0f, Z, EAR);
}

void expect_candidates(const Bench& b, const std::vector<std::pair<float, float>>& ref) {
  ASSERT_EQ(b.ncand(), static_cast<int>(ref.size()));
  for (int i = 1; i <= b.ncand(); ++i) {
    EXPECT_EQ(b.cand(i).PD, ref[static_cast<std::size_t>(i - 1)].first) << i;
    EXPECT_EQ(b.cand(i).J, ref[static_cast<std::size_t>(i - 1)].second) << i;
  }
}

TEST(BestEfficiency, ComparesTruncatedThousandths) {
  int IBEST = 0;
  const float a[] = {0.6519f, 0.6512f};
  BEST_EFFICIENCY(2, a, IBEST, 10000);
  EXPECT_EQ(IBEST, 1);
  const float b[] = {0.6519f, 0.6521f};
  BEST_EFFICIENCY(2, b, IBEST, 10000);
  EXPECT_EQ(IBEST, 2);
  const float c[] = {0.60f, 0.6519f, 0.6512f, 0.6515f, 0.64f};
  BEST_EFFICIENCY(5, c, IBEST, 10000);
  EXPECT_EQ(IBEST, 2);
  BEST_EFFICIENCY(1, c, IBEST, 10000);
  EXPECT_EQ(IBEST, 1);
}

TEST(OptimumSearch, CandidatesMatchPointByPointScan) {
  Bench b;
  search_ktj2(b, 0.19f);
  expect_candidates(b, reference_candidates(0.19f, 0.6f, 4.0f));
  EXPECT_EQ(b.ncand(), 90);
}

TEST(OptimumSearch, TargetAboveEveryLoadingOfLowPitch) {
  // The loading of the low pitch ratios is below 30 even at J = 0.1.
  Bench b;
  search_ktj2(b, 30.0f);
  const auto ref = reference_candidates(30.0f, 0.6f, 4.0f);
  ASSERT_FALSE(ref.empty());
  EXPECT_GT(ref.front().first, 0.6f);
  expect_candidates(b, ref);
}

TEST(OptimumSearch, NegativeThrustEndsThePointsOfAPitch) {
  // At P/D 0.5 the thrust turns negative near J = 0.56 while the loading is
  // still above the target: the pair across the sign change would bracket it.
  const float target = 0.0005f;
  float lastL = 0.0f, negL = 0.0f;
  float J = 0.1f;
  for (int k = 0; k < 1400; ++k, J = J + 0.001f) {
    OpenWaterState ow;
    ow.J = J;
    float Z = 4.0f;
    SERIES_KTKQ(ow, SeriesSettings{1, 0.0f}, 0.5f, 0.6f, Z);
    if (ow.KT < 0.0f) {
      negL = ow.KT / (J * J);
      break;
    }
    lastL = ow.KT / (J * J);
  }
  ASSERT_LT(J, 1.0f);
  ASSERT_GT(lastL, target);
  ASSERT_LT(negL, target);

  Bench b;
  search_ktj2(b, target);
  const auto ref = reference_candidates(target, 0.6f, 4.0f);
  expect_candidates(b, ref);
  ASSERT_GT(b.ncand(), 0);
  EXPECT_GT(b.cand(1).PD, 0.5f);
}

TEST(OptimumSearch, Ktj2ReportAndRecord) {
  Bench b;
  float Z = 4.0f;
  b.ktj2(900.0f, 6.5f, 10.5f, 1025.0f, Z, 0.6f);

  const auto con = b.conLines();
  ASSERT_EQ(con.size(), 7u + 90u + 1u + 9u);
  EXPECT_EQ(con[0], "");
  EXPECT_EQ(con[1], "");
  EXPECT_EQ(con[2], "     Pervane Karakteristikleri - Kt/J^2 =  0.189");
  EXPECT_EQ(con[3], "");
  EXPECT_EQ(con[4], R1);
  EXPECT_EQ(con[5], H1);
  EXPECT_EQ(con[6], R1);
  EXPECT_EQ(con[7], "  1   0.500   0.466   0.0410   0.0714   0.4255    18.8356     217.2448   ");
  EXPECT_EQ(con[7 + 89],
            " 90   1.390   1.048   0.2071   0.4806   0.7190     6.4439      96.6063   ");
  EXPECT_EQ(con[97], R3);
  EXPECT_EQ(con[98], "");
  EXPECT_EQ(con[99], " SECILEN PERVANE = 88. PERVANEDIR");
  EXPECT_EQ(con[100], " P/D=1.370");
  EXPECT_EQ(con[101], " J= 1.037 Kt= 0.203 10Kq= 0.466 eta= 0.718");
  EXPECT_EQ(con[102], " Bp=   6.5180 delta=  97.6508");
  EXPECT_EQ(con[103], " T=    900.00 kN  Va=  10.500 m/s  RHO = 1025.0 kg/m3");
  EXPECT_EQ(con[104], " Z = 4. EAR = 0.600 D =  6.500 m");
  EXPECT_EQ(con[105], " RPS=  1.558 dev/san RPM=  93.46 TORK=1344.725 kNm Pd=13161.4 kW");
  EXPECT_EQ(con[106], " HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR");

  const auto son = b.sonLines();
  ASSERT_EQ(son.size(), 6u + 90u + 1u + 9u);
  EXPECT_EQ(son[2], con[2]);
  EXPECT_EQ(son[4], H2);
  EXPECT_EQ(son[5], R2);
  for (int i = 0; i < 90; ++i) EXPECT_EQ(son[6 + i], con[7 + i]);
  EXPECT_EQ(son[96], R4);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(son[97 + i], con[98 + i]);

  // The record holds the selected candidate; the diameter stays the given one.
  EXPECT_EQ(b.ncand(), 90);
  EXPECT_EQ(b.pr().D, 6.5f);
  EXPECT_EQ(b.pr().PD, b.cand(88).PD);
  EXPECT_EQ(b.pr().J, b.cand(88).J);
  EXPECT_EQ(b.pr().N, 60.0f * (10.5f / (b.pr().J * 6.5f)));
  EXPECT_EQ(b.pr().KQ10, 10.0f * b.ow.KQ);
  EXPECT_EQ(b.pr().KT, b.ow.KT);
  EXPECT_EQ(b.pr().ETA0, b.ow.ETA0);
  EXPECT_EQ(b.ow.J, b.pr().J);
}

TEST(OptimumSearch, Ktj4WritesDiameterBackAndReportsOnItsOwnOrder) {
  Bench b;
  b.set = SeriesSettings{2, 1.0f};  // Gawn, controllable pitch
  float Z = 4.0f;
  float D = 0.0f;
  b.ktj4(900.0f, 95.0f, D, 10.5f, 1025.0f, Z, 0.6f);

  EXPECT_EQ(Z, 3.0f);
  const float n = 95.0f / 60.0f;
  EXPECT_EQ(D, 10.5f / (b.pr().J * n));
  EXPECT_EQ(b.pr().D, D);
  EXPECT_EQ(b.pr().N, 95.0f);

  const auto con = b.conLines();
  EXPECT_EQ(con[2].substr(0, 40), "     Pervane Karakteristikleri - Kt/J^4 ");
  EXPECT_EQ(con[4], R1);
  EXPECT_EQ(con[5], H1);
  EXPECT_EQ(con[6], R1);
  const std::size_t nc = static_cast<std::size_t>(b.ncand());
  ASSERT_GT(nc, 0u);
  EXPECT_EQ(con[7 + nc], R3);
  EXPECT_EQ(con[8 + nc], " HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR");
  EXPECT_EQ(con[9 + nc], "");
  EXPECT_EQ(con[10 + nc].substr(0, 18), " SECILEN PERVANE =");
  EXPECT_EQ(con[11 + nc], " HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR");
  EXPECT_EQ(con[12 + nc].substr(0, 5), " P/D=");
  EXPECT_EQ(con[16 + nc],
            " Z = 3. EAR = 0.600 D = " + FORMAT_TO_STRING("(F6.3)", D).substr(0, 6) + " m");
  EXPECT_EQ(con.size(), 18 + nc);
  // Selected propeller and diameter as worked out independently (90 candidates,
  // the efficiency compared at 0.001 after truncation).
  EXPECT_EQ(nc, 90u);
  EXPECT_EQ(con[10 + nc], " SECILEN PERVANE = 69. PERVANEDIR");
  EXPECT_EQ(con[12 + nc], " P/D=1.180");
  EXPECT_EQ(con[13 + nc], " J= 0.950 Kt= 0.147 10Kq= 0.325 eta= 0.685");
  EXPECT_EQ(con[14 + nc], " Bp=   6.7822 delta= 106.6070");
  EXPECT_EQ(con[17 + nc], " RPS=  1.583 dev/san RPM=  95.00 TORK=1386.424 kNm Pd=13792.7 kW");
  EXPECT_EQ(D, 6.98135567f);

  const auto son = b.sonLines();
  EXPECT_EQ(son[4], R1);
  EXPECT_EQ(son[5], H2);
  EXPECT_EQ(son[6], R1);
  EXPECT_EQ(son[7 + nc], R3);
  EXPECT_EQ(son[11 + nc], " (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    ");
  EXPECT_EQ(son[12 + nc], "");
  EXPECT_EQ(son.size(), 19 + nc);
}

TEST(OptimumSearch, NoCandidateStopsAfterTheClosingRules) {
  Bench b;
  search_ktj2(b, 1.0e6f);
  ASSERT_TRUE(b.rec.stop);
  EXPECT_EQ(b.rec.stop->status, EXIT_CALC_STOP);
  EXPECT_FALSE(b.rec.stop->pause);
  const auto con = b.conLines();
  ASSERT_EQ(con.size(), 9u);
  EXPECT_EQ(con[7], R3);
  EXPECT_EQ(con[8], " UYGUN PERVANE BULUNAMADI - STOP");
  const auto son = b.sonLines();
  ASSERT_EQ(son.size(), 8u);
  EXPECT_EQ(son[6], R4);
  EXPECT_EQ(son[7], " UYGUN PERVANE BULUNAMADI - STOP");
  // No propeller is selected.
  EXPECT_EQ(b.ncand(), 0);
  EXPECT_EQ(b.pr().PD, 0.0f);
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

// The searches evaluate only the part of the J grid that decides the
// candidates: over a spread of thrusts, diameters, rpms, speeds, blade
// numbers, area ratios and both series, with and without a drag correction
// of a given diameter, they give the record of the whole grid float for float.
TEST(OptimumSearch, ScreenedGridGivesTheCandidatesOfTheWholeGrid) {
  std::uint32_t seed = 12345;
  auto uniform = [&seed](float lo, float hi) {
    seed = seed * 1664525u + 1013904223u;
    return lo + (hi - lo) * static_cast<float>(seed >> 8) / 16777216.0f;
  };
  int compared = 0, candidates = 0;
  for (int k = 0; k < 400; ++k) {
    PropellerRoutineInput in;
    in.routine = k % 2 ? PropellerRoutine::OptimumForD : PropellerRoutine::OptimumForN;
    in.set = SeriesSettings{k % 5 == 4 ? 2 : 1, 0.0f};
    in.T = uniform(50.0f, 3000.0f);
    in.D = uniform(1.5f, 9.0f);
    in.N = uniform(60.0f, 400.0f);
    in.Va = uniform(2.0f, 14.0f);
    in.RHO = 1025.0f;
    in.Z = static_cast<float>(2 + k % 6);
    in.EAR = uniform(0.3f, 1.1f);
    if (k % 7 == 3) {  // the correction of a given diameter, the same at every J
      in.ow.ReVa = in.Va;
      in.ow.ReN = in.N;
      in.ow.ReD = in.D;
    }
    PropellerRoutineInput whole = in;
    whole.whole_grid = true;
    const PropellerRoutineRecord a = PROPELLER_ROUTINE(in);
    const PropellerRoutineRecord b = PROPELLER_ROUTINE(whole);
    ASSERT_TRUE(a == b) << "case " << k << ": " << a.candidates.size() << " against "
                        << b.candidates.size() << " candidates";
    ++compared;
    candidates += static_cast<int>(a.candidates.size());
  }
  EXPECT_EQ(compared, 400);
  EXPECT_GT(candidates, 4000);  // the cases find candidates, most of them many
}

}  // namespace
}  // namespace vdk
