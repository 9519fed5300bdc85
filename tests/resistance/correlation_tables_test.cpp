// Correlation allowance, totals and effective power; summary tables and the
// wave-resistance correction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::worked_example_ship;

struct Totals {
  CorrelationAndTotals r;
  std::vector<std::string> lines;
};
Totals correlation_block(const ShipRecord& s) {
  const test::BlockRun run = test::speed_block(s);
  return {run.block().totals, test::section(run.out.son, test::kCorrelationStart)};
}

TEST(Correlation, WorkedExampleAt25Knots) {
  const test::BlockRun run = test::speed_block(worked_example_ship());
  const auto L = test::section(run.out.son, test::kCorrelationStart);
  const SpeedBlock& b = run.block();
  const CorrelationAndTotals& r = b.totals;
  const ResistanceColumns& c = run.res.columns;
  EXPECT_NEAR(1000.0f * r.CA, 0.3525f, 0.00005f);
  EXPECT_NEAR(r.RA, 222.0f, 0.05f);
  EXPECT_NEAR(r.RT, 1841.0f, 0.5f);
  EXPECT_NEAR(1000.0f * r.CT, 2.923f, 0.0005f);
  EXPECT_NEAR(1000.0f * r.CR, 0.8744f, 0.00005f);
  EXPECT_NEAR(r.PE, 2.368e+04f, 0.0005e+04f);
  const std::vector<std::string> want = {
      "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.352 (HOLTROP TAHMINI) ",
      "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.352",
      "  MODEL-GEMI KORELASYON DIRENCI - RA(kN)  =  222.03 kN",
      "  TOPLAM DIRENC - RTOTAL(kN)              = 1841.29 kN",
      "  EFEKTIF GUC - PE(kW)                    = 23678.975 kW",
      std::string(60, '='),
  };
  EXPECT_EQ(L, want);

  // Everything of the speed goes into the columns.
  EXPECT_EQ(c.CA(1), r.CA);
  EXPECT_EQ(c.RA(1), r.RA);
  EXPECT_EQ(c.RT(1), r.RT);
  EXPECT_EQ(c.CT(1), r.CT);
  EXPECT_EQ(c.CR(1), r.CR);
  EXPECT_EQ(c.PE(1), r.PE);
  EXPECT_EQ(c.RW(1), b.wave.Rw);
  EXPECT_EQ(c.RF(1), b.friction.RF);
  EXPECT_EQ(c.RV(1), b.hull_form.OnePlusK * b.friction.RF);
  EXPECT_EQ(c.RAPP(1), b.friction.RAPP);
  EXPECT_EQ(c.RB(1), b.wave.Rbulb);
  EXPECT_EQ(c.RTR(1), b.wave.Rayna);
  EXPECT_EQ(c.RBT(1), b.wave.Rbot);
  EXPECT_EQ(c.RAIR(1), b.friction.RAIR);
}

TEST(Correlation, WindIsLeftOutOfTheTotal) {
  ShipRecord s = worked_example_ship();
  const test::BlockRun calm = test::speed_block(s);
  s.DepthFP = 18.0f;
  s.ONYUZ = 300.0f;
  const test::BlockRun windy = test::speed_block(s);
  EXPECT_GT(windy.block().friction.RAIR, 40.0f);
  EXPECT_EQ(windy.block().totals.RT, calm.block().totals.RT);
}

TEST(Correlation, Methods) {
  auto lines_for = [](float roughness, float Lwl = 205.0f) {
    ShipRecord s = worked_example_ship();
    s.Roughness = roughness;
    s.Lwl = s.Lbp = Lwl;
    Totals t = correlation_block(s);
    t.lines.resize(t.lines.size() - 4);  // the correlation-allowance lines only
    return std::pair{t.lines, t.r.CA};
  };
  const std::string holtrop =
      "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.352 (HOLTROP TAHMINI) ";

  auto [L0, CA0] = lines_for(0.0f);
  EXPECT_EQ(
      L0, (std::vector<std::string>{holtrop, "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.352"}));
  auto [Ln, CAn] = lines_for(-5.0f);  // negative: the estimate stays
  EXPECT_EQ(CAn, CA0);

  auto [L1, CA1] = lines_for(0.35f);
  EXPECT_FLOAT_EQ(CA1, 0.00035f);
  EXPECT_EQ(L1, (std::vector<std::string>{
                    holtrop, "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.350 (DOGRUDAN ATAMA) ",
                    "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.350"}));

  auto [L2, CA2] = lines_for(150.0f, 150.0f);  // ks/L = 1e-6
  EXPECT_NEAR(1000.0f * CA2, 0.410f, 0.0005f);
  ASSERT_EQ(L2.size(), 3u);
  EXPECT_EQ(L2[1], "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.410 (ITTC YONTEMI) ");
  EXPECT_EQ(L2[2], "  MODEL-GEMI KORELASYON KATSAYISI-CA*1000 = 0.410");

  auto [L3, CA3] = lines_for(0.9995f);  // both tests pass: ITTC wins
  ASSERT_EQ(L3.size(), 4u);
  EXPECT_NE(L3[1].find("(DOGRUDAN ATAMA)"), std::string::npos);
  EXPECT_NE(L3[2].find("(ITTC YONTEMI)"), std::string::npos);
  EXPECT_FLOAT_EQ(CA3, 0.001f * (105.0f * powf(1e-06f * 0.9995f / 205.0f, 0.3333333f) - 0.64f));
}

TEST(Correlation, DeepBowRemovesTheBulbTerm) {
  ShipRecord s = worked_example_ship();
  s.Tf = 9.0f;
  s.Ta = 9.0f;
  s.Lwl = s.Lbp = 200.0f;  // Tf/Lwl = 0.045
  EXPECT_FLOAT_EQ(correlation_block(s).r.CA, 0.006f * powf(300.0f, -0.16f) - 0.00205f);
}

// The worked-example hull over 10..20 knots in steps of 2.5.
ShipRecord five_speeds(ShipRecord s) {
  s.NSPEED = 5;
  for (int i = 1; i <= 5; ++i) s.Vs(i) = 10.0f + 2.5f * static_cast<float>(i - 1);
  return s;
}

struct Tables {
  ResistanceResult res;
  ResistanceTables t;
  std::string text;  // the tables as written
  std::vector<std::string> lines;
};
Tables tables_of(const ShipRecord& s) {
  Tables r{COMPUTE_RESISTANCE(s), {}, {}, {}};
  r.t = COMPUTE_RESISTANCE_TABLES(s, r.res);
  std::ostringstream son;
  WRITE_RESISTANCE_TABLES(son, s, r.res, r.t);
  r.text = son.str();
  r.lines = test::split_lines(r.text);
  return r;
}

std::vector<std::string> rows_after(const std::vector<std::string>& L, const std::string& title,
                                    int skip, int n) {
  auto it = std::find(L.begin(), L.end(), title);
  if (it == L.end() || L.end() - it < skip + n) return {};
  return std::vector<std::string>(it + skip, it + skip + n);
}

TEST(Tables, SummaryAndUncorrectedTables) {
  const Tables tb = tables_of(worked_example_ship());
  const auto& L = tb.lines;
  const std::vector<std::string> summary = {
      "",
      "",
      "",
      "          HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I",
      " " + std::string(84, '='),
      "      Fn   Vs      Rs     Rv     Rw     Ra     Rapp   Rbl    Rtr    Rbt    Raa     Rt",
      " " + std::string(84, '='),
      "  1 0.287 25.00  875.4 1068.5  541.8  222.0    8.8    0.0    0.0    0.0    0.0 1841.3 ",
      " " + std::string(84, '='),
      "",
      "        ACIKLAMALAR",
  };
  ASSERT_GE(L.size(), summary.size());
  EXPECT_EQ(std::vector<std::string>(L.begin(), L.begin() + 11), summary);
  EXPECT_EQ(L[20], "   Rbt : Bas itici acikligi direnci - kN -  0 adet");
  EXPECT_EQ(L[22], "   Rt  : Toplam direnc (Rv+Rw+Ra+Rapp+Rbl+Rtr+Rbt+Raa)- kN");
  EXPECT_EQ(L[23], " " + std::string(77, '='));
  const std::vector<std::string> uncorrected = {
      "",
      "",
      "",
      "              GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP",
      " " + std::string(87, '='),
      "        Vs     Fn        Rn       Cf       Cv       Cr       Ca       Ct      Pe    Rapp",
      "       kts             /10^9    *1000    *1000    *1000    *1000   *1000      KW     %Rt",
      " " + std::string(87, '='),
      "  1  25.00    0.287    2.219    1.390    1.696    0.874    0.352    2.923  23678    0.48",
      " " + std::string(87, '='),
      "",
      " Dalga direnci duzeltmesi yapilmamistir.",
      "",
  };
  EXPECT_EQ(std::vector<std::string>(L.begin() + 24, L.end()), uncorrected);
}

TEST(Tables, EffectivePowerColumnTruncates) {
  const ShipRecord s = worked_example_ship();
  ResistanceColumns c = COMPUTE_RESISTANCE(s).columns;
  c.PE(1) = 1234.9f;
  std::ostringstream son;
  WRITE_CHARACTERISTICS_TABLE(son, s, c, false);
  const auto L = test::split_lines(son.str());
  ASSERT_EQ(L.size(), 10u);
  EXPECT_EQ(L[8].substr(75, 5), " 1234");
}

TEST(WaveCorrection, ThreeFactorsOverTenToTwentyKnots) {
  ShipRecord s = five_speeds(worked_example_ship());
  s.NCORR = 3;
  s.Fcorr(1) = 1.0f;
  s.Fcorr(2) = 1.1f;
  s.Fcorr(3) = 1.2f;
  const Tables tb = tables_of(s);
  const ResistanceColumns& before = tb.res.columns;
  const ResistanceTables& t = tb.t;
  EXPECT_EQ(t.CorrFlag, 1);
  EXPECT_FALSE(t.stop.has_value());
  EXPECT_FLOAT_EQ(t.Vc(1), 10.0f);
  EXPECT_FLOAT_EQ(t.Vc(2), 15.0f);
  EXPECT_FLOAT_EQ(t.Vc(3), 20.0f);
  const float fac[] = {1.0f, 1.05f, 1.1f, 1.15f, 1.2f};
  const float S = tb.res.S_used;
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(t.Fac(i), fac[i - 1], 1e-5f);
    EXPECT_NEAR(t.CR_corrected(i), fac[i - 1] * before.CR(i), 1e-5f * fabsf(before.CR(i)));
    EXPECT_FLOAT_EQ(t.CT_corrected(i), before.CA(i) + before.CV(i) + t.CR_corrected(i));
    const float vi = 0.5144f * s.Vs(i);
    EXPECT_FLOAT_EQ(t.RT_corrected(i), vi * vi * t.CT_corrected(i) * 1025.0f * S / 2.0f * 0.001f);
    EXPECT_FLOAT_EQ(t.PE_corrected(i), t.RT_corrected(i) * vi);
  }
  // A factor of 1 at the first speed leaves its total as it was.
  EXPECT_NEAR(t.RT_corrected(1), before.RT(1), 1e-4f * before.RT(1));
  EXPECT_GT(t.RT_corrected(5), before.RT(5));

  const auto corr = rows_after(
      tb.lines, "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP", -2, 13);
  ASSERT_EQ(corr.size(), 13u);
  EXPECT_EQ(corr[0], "");
  EXPECT_EQ(corr[1], "");
  EXPECT_EQ(corr[12], " " + std::string(87, '='));
  EXPECT_EQ(corr, std::vector<std::string>(tb.lines.end() - 13, tb.lines.end()));
}

TEST(WaveCorrection, TwoFactorsInterpolateLinearly) {
  ShipRecord s = five_speeds(worked_example_ship());
  s.NCORR = 2;
  s.Fcorr(1) = 1.0f;
  s.Fcorr(2) = 0.8f;
  const Tables tb = tables_of(s);
  const float fac[] = {1.0f, 0.95f, 0.9f, 0.85f, 0.8f};
  for (int i = 1; i <= 5; ++i) EXPECT_NEAR(tb.t.Fac(i), fac[i - 1], 1e-6f) << i;
}

TEST(WaveCorrection, NoFactorsNoCorrection) {
  const Tables tb = tables_of(five_speeds(worked_example_ship()));
  EXPECT_EQ(tb.t.CorrFlag, 0);
  const std::string note = "\n Dalga direnci duzeltmesi yapilmamistir.\n\n";
  ASSERT_GT(tb.text.size(), note.size());
  EXPECT_EQ(tb.text.substr(tb.text.size() - note.size()), note);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(tb.t.RT_corrected(i), tb.res.columns.RT(i));
    EXPECT_EQ(tb.t.PE_corrected(i), tb.res.columns.PE(i));
    EXPECT_EQ(tb.t.CR_corrected(i), tb.res.columns.CR(i));
  }
}

TEST(WaveCorrection, FactorsOfOneRepeatTheUncorrectedTable) {
  ShipRecord s = five_speeds(worked_example_ship());
  s.NCORR = 3;
  s.Fcorr(1) = s.Fcorr(2) = s.Fcorr(3) = 1.0f;
  const Tables tb = tables_of(s);
  const auto orig =
      rows_after(tb.lines, "              GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP", 5, 5);
  const auto corr =
      rows_after(tb.lines, "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP", 5, 5);
  ASSERT_EQ(orig.size(), 5u);
  EXPECT_EQ(orig, corr);
  EXPECT_EQ(tb.text.find("yapilmamistir"), std::string::npos);
}

// The ship record is an input only: a given wetted surface gets the
// appendage area once however often the calculation runs, and two runs on
// the same ship give the same report.
TEST(Calculation, RunningTwiceGivesTheSameResult) {
  ShipRecord s = five_speeds(worked_example_ship());
  s.S = 7000.0f;
  s.IE = 0.0f;
  s.NCORR = 2;
  s.Fcorr(1) = 1.0f;
  s.Fcorr(2) = 1.2f;
  const ShipRecord given = s;
  const Tables a = tables_of(s);
  const Tables b = tables_of(s);
  EXPECT_EQ(s.S, given.S);
  EXPECT_EQ(s.IE, given.IE);
  EXPECT_FLOAT_EQ(a.res.S_used, 7050.0f);
  EXPECT_EQ(b.res.S_used, a.res.S_used);
  EXPECT_EQ(b.res.IE_used, a.res.IE_used);
  EXPECT_EQ(a.res.IE_used, a.res.blocks[0].wave.IE_est);
  std::ostringstream con_a, son_a, con_b, son_b;
  WRITE_RESISTANCE_CALCULATION(con_a, son_a, s, a.res);
  WRITE_RESISTANCE_CALCULATION(con_b, son_b, s, b.res);
  EXPECT_EQ(son_a.str() + a.text, son_b.str() + b.text);
  // The corrected table rests on the wetted surface the calculation used.
  const float v5 = 0.5144f * s.Vs(5);
  EXPECT_EQ(a.t.RT_corrected(5), v5 * v5 * a.t.CT_corrected(5) * s.RHO * 7050.0f / 2.0f * 0.001f);
}

}  // namespace
}  // namespace vdk
