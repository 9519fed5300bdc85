// Wave resistance: coefficients and their range breaks, the three Froude
// number ranges, bulb (with the immersion stop), transom and bow thruster.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::worked_example_ship;

bool has_line(const std::vector<std::string>& lines, const std::string& l) {
  return std::find(lines.begin(), lines.end(), l) != lines.end();
}

// The wave step of speed i (the earlier speeds run whole) and its lines.
struct Wave {
  WaveBulbTransom r;
  std::vector<std::string> lines;
};
Wave wave_block(const ShipRecord& s, int i = 1) {
  const test::BlockRun run = test::speed_block(s, i);
  return {run.block().wave, test::section(run.out.son, test::kWaveStart, test::kCorrelationStart)};
}

TEST(Wave, WorkedExampleAt25Knots) {
  const Wave w = wave_block(worked_example_ship());
  const auto& L = w.lines;
  const WaveBulbTransom& r = w.r;
  EXPECT_NEAR(r.IE_est, 10.85f, 0.005f);
  EXPECT_FLOAT_EQ(r.IE_used, r.IE_est);
  EXPECT_NEAR(r.C4, 0.1561f, 0.00005f);
  EXPECT_NEAR(r.C5, 1.381f, 0.0005f);
  EXPECT_NEAR(r.M1, -2.127f, 0.0005f);
  EXPECT_NEAR(r.C6, -1.694f, 0.0005f);
  EXPECT_NEAR(r.M2, -0.08540f, 0.000005f);
  EXPECT_NEAR(r.LAMDA, 0.6513f, 0.00005f);
  EXPECT_NEAR(r.C1, 1.368f, 0.0005f);
  EXPECT_NEAR(r.C3, 0.9592f, 0.00005f);
  EXPECT_NEAR(r.C2, 0.7595f, 0.00005f);
  EXPECT_NEAR(r.C17, 1.029f, 0.0005f);
  EXPECT_NEAR(r.M3, -1.941f, 0.0005f);
  EXPECT_NEAR(r.C15, -1.694f, 0.0005f);
  EXPECT_NEAR(r.Rw, 541.8f, 0.05f);
  EXPECT_NEAR(r.Rbulb, 0.04919f, 0.000005f);
  EXPECT_EQ(r.Rayna, 0.0f);  // transom Froude number 5.432: dry transom
  EXPECT_EQ(r.Rbot, 0.0f);
  EXPECT_NEAR(1000.0f * r.CW, 0.8603f, 0.00005f);

  const std::vector<std::string> want = {
      "  TAHMINI SU HATTI YARIM GIRIS ACISI > IE =   10.85 derece",
      "  SU HATTI YARIM GIRIS ACISI > IE(derece) =   10.85 derece",
      "  KATSAYI ---------------------------> C4 =   0.16",
      "  KATSAYI ---------------------------> C5 =   1.38",
      "  PARAMETRE -------------------------> M1 =     -2.13",
      "  KATSAYI ---------------------------> C6 =  -1.69",
      "  PARAMETRE -------------------------> M2 =     -0.09",
      "  PARAMETRE ----------------------> LAMDA =      0.65",
      "  KATSAYI ---------------------------> C1 =   1.37",
      "  KATSAYI ---------------------------> C3 =   0.96",
      "  KATSAYI ---------------------------> C2 =   0.76",
      "  KATSAYI --------------------------> C17 =   1.03",
      "  PARAMETRE -------------------------> M3 =  -1.94",
      "  KATSAYI --------------------------> C15 =  -1.69",
      "  PARAMETRE -------------------------> M4 =  -0.09",
      "  YAVAS HIZ BOLGESI LIMITLERI HESABI Fn<0.40",
      "  DALGA DIRENCI ---------------------> Rw =    541.85 kN",
      "  BALP DIRENCI -------------------> Rbulb =     0.05 kN",
      "  AYNA KIC DIRENCI ---------------> Rayna =     0.00 kN",
      "  BAS ITICI DIRENC ARTISI --------> Rbot  =   0.00 kN",
      "  DALGA DIRENCI ---------------------> RW =   541.85 kN",
      "  DALGA DIRENC KATSAYISI -------> CW*1000 =  0.860",
  };
  EXPECT_EQ(L, want);
}

TEST(Wave, EntranceAngleEstimatedOnceOrTakenAsGiven) {
  ShipRecord s = worked_example_ship();
  s.IE = 0.5f;
  s.NSPEED = 2;
  s.Vs(1) = 20.0f;
  s.Vs(2) = 25.0f;
  const Wave w1 = wave_block(s, 1);
  const float est = w1.r.IE_est;
  EXPECT_FLOAT_EQ(w1.r.IE_used, est);
  const test::BlockRun run2 = test::speed_block(s, 2);
  EXPECT_FLOAT_EQ(run2.block().wave.IE_used, est);
  EXPECT_FLOAT_EQ(run2.res.IE_used, est);
  EXPECT_EQ(test::section(run2.out.son, test::kWaveStart)[1],
            "  SU HATTI YARIM GIRIS ACISI > IE(derece) =   10.85 derece");

  s.IE = 20.0f;
  s.NSPEED = 1;
  const Wave g = wave_block(s);
  const auto& L = g.lines;
  EXPECT_FLOAT_EQ(g.r.IE_used, 20.0f);
  EXPECT_EQ(L[0], "  TAHMINI SU HATTI YARIM GIRIS ACISI > IE =   10.85 derece");
  EXPECT_EQ(L[1], "  SU HATTI YARIM GIRIS ACISI > IE(derece) =   20.00 derece");
  EXPECT_GT(g.r.C1, w1.r.C1);  // a blunter entrance: larger c1
}

TEST(Wave, BowFormCoefficientBreaks) {
  auto C4_for = [](float B) {
    ShipRecord s = worked_example_ship();
    s.B = B;
    return wave_block(s).r.C4;
  };
  EXPECT_FLOAT_EQ(C4_for(51.25f), 0.25f);  // b = 0.25
  const float b = 51.27050f / 205.0f;      // b = 0.2501
  EXPECT_FLOAT_EQ(C4_for(51.27050f), 0.5f - 0.0625f / b);
  EXPECT_NEAR(C4_for(51.27050f), 0.2501f, 0.00001f);
  EXPECT_NEAR(C4_for(20.5f), 0.229577f * powf(0.1f, 0.3333f), 1e-6f);  // b = 0.1
}

// Slender-body coefficients on Lwl^3/V (C6) and Lwl/V^(1/3) (C15).
WaveBulbTransom slenderness(float Lwl, float V) {
  ShipRecord s = worked_example_ship();
  s.Lwl = s.Lbp = Lwl;
  s.B = Lwl / 7.0f;
  s.V = V;
  return wave_block(s).r;
}

TEST(Wave, SlendernessCoefficientBreaks) {
  // C6: below 512 the constant, up to 1727 the formula, above it 0
  EXPECT_FLOAT_EQ(slenderness(80.0f, 1000.01f).C6, -1.69385f);
  const float at512 = slenderness(80.0f, 1000.0f).C6;  // Lwl/V^0.3333 a little above 8
  EXPECT_GT(at512, -1.69385f);
  EXPECT_NEAR(at512, -1.69385f, 0.001f);
  const float below1727 = slenderness(100.0f, 1.0e6f / 1726.0f).C6;
  EXPECT_NE(below1727, 0.0f);  // the formula, already close to 0
  EXPECT_NEAR(below1727, 0.0f, 0.001f);
  EXPECT_EQ(slenderness(100.0f, 1.0e6f / 1728.0f).C6, 0.0f);

  // C15: below 8 the constant, from 12 on 0
  EXPECT_FLOAT_EQ(slenderness(79.9f, 1000.0f).C15, -1.69385f);
  EXPECT_NEAR(slenderness(100.0f, 1000.0f).C15, -1.69385f + 2.0f / 2.36f, 1e-5f);
  EXPECT_EQ(slenderness(48.0f, 64.0f).C15, 0.0f);  // L = 12 exactly
  // Just below 12 the formula gives slightly more than 0.
  EXPECT_NEAR(slenderness(47.99f, 64.0f).C15, -1.69385f + 3.9975f / 2.36f, 1e-4f);
  EXPECT_GT(slenderness(47.99f, 64.0f).C15, 0.0f);
}

// Wave resistance of the worked-example hull at an imposed Froude number.
struct RangeResult {
  std::vector<std::string> lines;
  WaveBulbTransom r;
  float DISPW = 0;
};
RangeResult at_froude(float Fn) {
  const ShipRecord s = worked_example_ship();
  const InputSummary summary = COMPUTE_INPUT_SUMMARY(s);
  SpeedBlock b = COMPUTE_SPEED_BLOCK(s, summary, 1, {s.S, s.IE});
  b.hull_form.Fn = Fn;
  b.wave = COMPUTE_WAVE(s, summary, b.hull_form, b.hull_form.S_used, s.IE);
  const auto L = test::write_block(s, b).son;
  return {test::section(L, test::kWaveStart, test::kCorrelationStart), b.wave, summary.DISPW};
}

// The published formulas, evaluated independently in double precision.
double low_formula(const WaveBulbTransom& r, double F) {
  const double C1 = r.C1, C2 = r.C2, C3 = r.C3, C6 = r.C6, M1 = r.M1, LAMDA = r.LAMDA;
  const double m2 = 0.4 * C6 * std::exp(-0.034 * std::pow(F, -3.29));
  return C1 * C2 * C3 * std::exp(M1 * std::pow(F, -0.9) + m2 * std::cos(LAMDA / (F * F)));
}
double high_formula(const WaveBulbTransom& r, double F) {
  const double C17 = r.C17, C2 = r.C2, C3 = r.C3, C15 = r.C15, M3 = r.M3, LAMDA = r.LAMDA;
  const double m4 = 0.4 * C15 * std::exp(-0.034 * std::pow(F, -3.29));
  return C17 * C2 * C3 * std::exp(M3 * std::pow(F, -0.9) + m4 * std::cos(LAMDA / (F * F)));
}

TEST(Wave, FroudeNumberRanges) {
  const std::string low_line = "  YAVAS HIZ BOLGESI LIMITLERI HESABI Fn<0.40";
  const std::string mid_line = "  GECIS HIZI BOLGESI LIMITLERI HESABI 0.40<Fn<0.55";
  const std::string high_line = "  YUKSEK HIZ BOLGESI LIMITLERI HESABI Fn>0.55";
  auto count_rw = [](const std::vector<std::string>& L) {
    return std::count_if(L.begin(), L.end(), [](const std::string& l) {
      return l.rfind("  DALGA DIRENCI ---------------------> R", 0) == 0;
    });
  };

  const RangeResult a = at_froude(0.40f);  // still the low-speed formula
  EXPECT_TRUE(has_line(a.lines, low_line));
  EXPECT_EQ(count_rw(a.lines), 2);  // "Rw" and "RW"
  const double dispw = static_cast<double>(a.DISPW) / 1000.0;
  EXPECT_NEAR(a.r.Rw, low_formula(a.r, 0.40) * dispw, 1e-4 * static_cast<double>(a.r.Rw));

  const RangeResult b = at_froude(0.4001f);  // transition, from the mean at 0.40
  EXPECT_TRUE(has_line(b.lines, mid_line));
  EXPECT_EQ(count_rw(b.lines), 1);  // no "Rw" line
  const double mean040 = 0.5 * (low_formula(b.r, 0.40) + high_formula(b.r, 0.40)) * dispw;
  const double at055 = high_formula(b.r, 0.55) * dispw;
  EXPECT_NEAR(b.r.Rw, mean040 + 0.001 * (at055 - mean040) / 1.5, 1e-4 * mean040);
  EXPECT_NE(std::round(a.r.Rw), std::round(b.r.Rw));  // the jump at 0.40

  const RangeResult c = at_froude(0.55f);  // transition end: the high-speed value
  EXPECT_TRUE(has_line(c.lines, mid_line));
  EXPECT_NEAR(c.r.Rw, at055, 1e-4 * at055);

  const RangeResult d = at_froude(0.5501f);
  EXPECT_TRUE(has_line(d.lines, high_line));
  EXPECT_EQ(count_rw(d.lines), 2);
  EXPECT_NEAR(d.r.Rw, high_formula(d.r, 0.5501) * dispw, 1e-4 * static_cast<double>(d.r.Rw));
  EXPECT_NEAR(d.r.Rw, c.r.Rw, 0.01 * static_cast<double>(c.r.Rw));  // continuous at 0.55
}

TEST(Bulb, NoBulb) {
  ShipRecord s = worked_example_ship();
  s.ABT = 0.0f;
  const Wave w = wave_block(s);
  const auto& L = w.lines;
  EXPECT_EQ(w.r.C2, 1.0f);
  EXPECT_EQ(w.r.Rbulb, 0.0f);
  EXPECT_TRUE(has_line(L, "  BALP DIRENCI -------------------> Rbulb =     0.00 kN"));
  EXPECT_FALSE(has_line(L, "  *** BALP BOLGESINDA ASIRI DALGA KIRILMASI VAR *** "));
}

TEST(Bulb, HighCentroidBreaksTheSurface) {
  // Centroid above two thirds of the bow draught (p < 0): the warning line
  // stands before the bulb line and the exponent stays -3 p^2, so a centroid
  // near the draught (9.5 m of 10 m) gives a small finite resistance, not Inf.
  for (const float HB : {7.0f, 9.5f}) {
    SCOPED_TRACE(HB);
    ShipRecord s = worked_example_ship();
    s.HB = HB;
    const Wave w = wave_block(s);
    const auto& L = w.lines;
    EXPECT_TRUE(w.r.bulb_breaking);
    auto it = std::find(L.begin(), L.end(), "  *** BALP BOLGESINDA ASIRI DALGA KIRILMASI VAR *** ");
    ASSERT_NE(it, L.end());
    EXPECT_EQ((it + 1)->substr(0, 45), "  BALP DIRENCI -------------------> Rbulb =  ");
    const double v = static_cast<double>(0.5144f * 25.0f);
    const double p = (10.0 - 1.5 * HB) / (0.56 * std::sqrt(20.0));
    const double d = 9.81 * (10.0 - HB - 0.25 * std::sqrt(20.0)) + 0.15 * v * v;
    const double Fni = v / std::sqrt(d);
    const double want = 0.11 * std::exp(-3.0 * p * p) * Fni * Fni * Fni * std::pow(20.0, 1.5) *
                        9.81 * 1025.0 / (1.0 + Fni * Fni) / 1000.0;
    EXPECT_NEAR(w.r.Rbulb, want, 1e-4 * want);
  }
}

TEST(Bulb, EmergedBulbStopsTheRun) {
  ShipRecord s = worked_example_ship();
  s.HB = 12.0f;
  s.Vs(1) = 5.0f;
  const test::BlockRun run = test::speed_block(s);
  const SpeedBlock& b = run.block();
  EXPECT_EQ(b.end, BlockEnd::BulbStop);
  ASSERT_TRUE(b.stop.has_value());
  EXPECT_EQ(b.stop->status, EXIT_CALC_STOP);
  EXPECT_TRUE(b.stop->pause);
  EXPECT_EQ(b.stop->prompt, "");  // the standard prompt
  EXPECT_EQ(run.out.con, (std::vector<std::string>{
                             "",
                             "",
                             "",
                             "  *** BALP ALAN MERK. YUKSEKLIGI ASIRI OLABILIR ***  ",
                             "  HB= 12.000 m",
                             "  *** PROGRAM BURADA DURACAK ***",
                         }));
  // The results file ends with the wave resistance, without a bulb line.
  const auto& L = run.out.son;
  ASSERT_GE(L.size(), 2u);
  EXPECT_EQ(L.back().substr(0, 44), "  DALGA DIRENCI ---------------------> Rw = ");
  EXPECT_EQ(L[L.size() - 2], "  YAVAS HIZ BOLGESI LIMITLERI HESABI Fn<0.40");
  for (const auto& l : L) EXPECT_EQ(l.find("Rbulb"), std::string::npos);
  EXPECT_EQ(run.res.columns.RT(1), 0.0f);  // the totals were not reached
  EXPECT_EQ(run.res.columns.CF(1), b.friction.CF);
}

// A bulb that breaks the surface only at the slower second speed: the first
// block is complete, the list ends in the second.
TEST(Bulb, EmergedBulbStopsInTheMiddleOfTheList) {
  ShipRecord s = worked_example_ship();
  s.HB = 9.2f;
  s.NSPEED = 3;
  s.Vs(1) = 30.0f;
  s.Vs(2) = 5.0f;
  s.Vs(3) = 30.0f;
  const ResistanceResult res = COMPUTE_RESISTANCE(s);
  ASSERT_EQ(res.blocks.size(), 2u);
  EXPECT_EQ(res.blocks[0].end, BlockEnd::Complete);
  EXPECT_EQ(res.blocks[1].end, BlockEnd::BulbStop);
  ASSERT_TRUE(res.stop.has_value());
  EXPECT_TRUE(std::isfinite(res.columns.RT(1)));
  EXPECT_GT(res.columns.RT(1), 0.0f);
  EXPECT_EQ(res.columns.RT(2), 0.0f);
  EXPECT_EQ(res.columns.Fn(3), 0.0f);
  std::ostringstream con, son;
  WRITE_RESISTANCE_CALCULATION(con, son, s, res);
  EXPECT_NE(son.str().find("HESAP HIZI NO =  2"), std::string::npos);
  EXPECT_EQ(son.str().find("HESAP HIZI NO =  3"), std::string::npos);
  EXPECT_NE(con.str().find("HB=  9.200 m"), std::string::npos);
}

TEST(Transom, ImmersedTransomBelowTransomFroudeNumberFive) {
  ShipRecord s = worked_example_ship();
  s.Vs(1) = 15.0f;
  const Wave w = wave_block(s);
  const auto& L = w.lines;
  const double v = 0.5144 * 15.0;
  const double FnT = v / std::sqrt(2.0 * 9.81 * 16.0 / (32.0 * 1.75));
  const double want = 0.5 * v * v * 16.0 * 1025.0 * 0.2 * (1.0 - 0.2 * FnT) / 1000.0;
  EXPECT_NEAR(w.r.Rayna, want, 1e-4 * want);
  EXPECT_TRUE(has_line(L, "  AYNA KIC DIRENCI ---------------> Rayna =    34.00 kN"));

  s.AT = 0.0f;
  const Wave n = wave_block(s);
  EXPECT_EQ(n.r.Rayna, 0.0f);
  EXPECT_EQ(n.r.C3, 1.0f);
}

TEST(BowThruster, TwoTunnelsOfTwoMetresAt10Knots) {
  ShipRecord s = worked_example_ship();
  s.NBT = 2;
  s.DBT = 2.0f;
  s.Vs(1) = 10.0f;
  const Wave w = wave_block(s);
  const auto& L = w.lines;
  EXPECT_NEAR(w.r.Rbot, 5.11f, 0.005f);
  EXPECT_TRUE(has_line(L, "  BAS ITICI DIRENC ARTISI --------> Rbot  =   5.11 kN"));
}

}  // namespace
}  // namespace vdk
