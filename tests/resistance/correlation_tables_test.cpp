// Correlation allowance, totals and effective power; summary tables and the
// wave-resistance correction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "format/format.hpp"
#include "resistance/resistance.hpp"
#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::MemoryRun;
using test::worked_example_ship;

std::vector<std::string> correlation_block(MemoryRun& m) {
  INPUT_SUMMARY(m.run);
  HULL_FORM_AT_SPEED(m.run, 1);
  FRICTION_APPENDAGE_WIND(m.run, 1);
  WAVE_BULB_TRANSOM(m.run, 1);
  m.take_son();
  CORRELATION_AND_TOTALS(m.run, 1);
  return m.son_lines();
}

TEST(Correlation, WorkedExampleAt25Knots) {
  MemoryRun m(worked_example_ship());
  const auto L = correlation_block(m);
  const ResistanceState& r = m.run.res;
  const SpeedTable& sp = m.run.sp;
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

  // Everything of the speed goes into the speed table.
  EXPECT_EQ(sp.CAArr(1), r.CA);
  EXPECT_EQ(sp.RAArr(1), r.RA);
  EXPECT_EQ(sp.RTArr(1), r.RT);
  EXPECT_EQ(sp.CTArr(1), r.CT);
  EXPECT_EQ(sp.CRArr(1), r.CR);
  EXPECT_EQ(sp.PEArr(1), r.PE);
  EXPECT_EQ(sp.RWArr(1), r.Rw);
  EXPECT_EQ(sp.RFArr(1), r.RF);
  EXPECT_EQ(sp.RVArr(1), r.OnePlusK * r.RF);
  EXPECT_EQ(sp.RAPPArr(1), r.RAPP);
  EXPECT_EQ(sp.RBArr(1), r.Rbulb);
  EXPECT_EQ(sp.RTRArr(1), r.Rayna);
  EXPECT_EQ(sp.RBTArr(1), r.Rbot);
  EXPECT_EQ(sp.RAIRArr(1), r.RAIR);
}

TEST(Correlation, WindIsLeftOutOfTheTotal) {
  ShipRecord s = worked_example_ship();
  MemoryRun calm(s);
  correlation_block(calm);
  s.DepthFP = 18.0f;
  s.ONYUZ = 300.0f;
  MemoryRun windy(s);
  correlation_block(windy);
  EXPECT_GT(windy.run.res.RAIR, 40.0f);
  EXPECT_EQ(windy.run.res.RT, calm.run.res.RT);
}

TEST(Correlation, Methods) {
  auto lines_for = [](float roughness, float Lwl = 205.0f) {
    ShipRecord s = worked_example_ship();
    s.Roughness = roughness;
    s.Lwl = s.Lbp = Lwl;
    MemoryRun m(s);
    auto L = correlation_block(m);
    L.resize(L.size() - 4);  // the correlation-allowance lines only
    return std::pair{L, m.run.res.CA};
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
  MemoryRun m(s);
  correlation_block(m);
  EXPECT_FLOAT_EQ(m.run.res.CA, 0.006f * powf(300.0f, -0.16f) - 0.00205f);
}

// A run of the worked-example hull over 10..20 knots in steps of 2.5.
MemoryRun& five_speed_run(MemoryRun& m) {
  m.run.ship.NSPEED = 5;
  for (int i = 1; i <= 5; ++i) m.run.ship.Vs(i) = 10.0f + 2.5f * static_cast<float>(i - 1);
  RESISTANCE_CALCULATION(m.run);
  m.take_son();
  return m;
}

std::vector<std::string> rows_after(const std::vector<std::string>& L, const std::string& title,
                                    int skip, int n) {
  auto it = std::find(L.begin(), L.end(), title);
  if (it == L.end() || L.end() - it < skip + n) return {};
  return std::vector<std::string>(it + skip, it + skip + n);
}

TEST(Tables, SummaryAndUncorrectedTables) {
  MemoryRun m(worked_example_ship());
  RESISTANCE_CALCULATION(m.run);
  m.take_son();
  RESISTANCE_TABLES(m.run);
  const auto L = m.son_lines();
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
  MemoryRun m(worked_example_ship());
  RESISTANCE_CALCULATION(m.run);
  m.run.sp.PEArr(1) = 1234.9f;
  m.take_son();
  CHARACTERISTICS_TABLE(m.run, false);
  const auto L = m.son_lines();
  ASSERT_EQ(L.size(), 10u);
  EXPECT_EQ(L[8].substr(75, 5), " 1234");
}

TEST(WaveCorrection, ThreeFactorsOverTenToTwentyKnots) {
  ShipRecord s = worked_example_ship();
  s.NCORR = 3;
  s.Fcorr(1) = 1.0f;
  s.Fcorr(2) = 1.1f;
  s.Fcorr(3) = 1.2f;
  MemoryRun m(s);
  five_speed_run(m);
  const SpeedTable before = m.run.sp;
  WAVE_RESISTANCE_CORRECTION(m.run);
  const SpeedTable& sp = m.run.sp;
  EXPECT_EQ(m.run.res.CorrFlag, 1);
  EXPECT_FLOAT_EQ(m.run.res.Vc(1), 10.0f);
  EXPECT_FLOAT_EQ(m.run.res.Vc(2), 15.0f);
  EXPECT_FLOAT_EQ(m.run.res.Vc(3), 20.0f);
  const float fac[] = {1.0f, 1.05f, 1.1f, 1.15f, 1.2f};
  const float S = m.run.ship.S;
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(sp.FacArr(i), fac[i - 1], 1e-5f);
    EXPECT_NEAR(sp.CRArr(i), fac[i - 1] * before.CRArr(i), 1e-5f * fabsf(before.CRArr(i)));
    EXPECT_FLOAT_EQ(sp.CTArr(i), sp.CAArr(i) + sp.CVArr(i) + sp.CRArr(i));
    const float vi = 0.5144f * m.run.ship.Vs(i);
    EXPECT_FLOAT_EQ(sp.RTArr(i), vi * vi * sp.CTArr(i) * 1025.0f * S / 2.0f * 0.001f);
    EXPECT_FLOAT_EQ(sp.PEArr(i), sp.RTArr(i) * vi);
    // The components are not corrected.
    EXPECT_EQ(sp.RWArr(i), before.RWArr(i));
    EXPECT_EQ(sp.RFArr(i), before.RFArr(i));
  }
  // A factor of 1 at the first speed leaves its total as it was.
  EXPECT_NEAR(sp.RTArr(1), before.RTArr(1), 1e-4f * before.RTArr(1));
  EXPECT_GT(sp.RTArr(5), before.RTArr(5));

  const auto L = m.son_lines();
  ASSERT_EQ(L.size(), 13u);
  EXPECT_EQ(L[0], "");
  EXPECT_EQ(L[1], "");
  EXPECT_EQ(L[2], "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP");
  EXPECT_EQ(L[12], " " + std::string(87, '='));
}

TEST(WaveCorrection, TwoFactorsInterpolateLinearly) {
  ShipRecord s = worked_example_ship();
  s.NCORR = 2;
  s.Fcorr(1) = 1.0f;
  s.Fcorr(2) = 0.8f;
  MemoryRun m(s);
  five_speed_run(m);
  WAVE_RESISTANCE_CORRECTION(m.run);
  const float fac[] = {1.0f, 0.95f, 0.9f, 0.85f, 0.8f};
  for (int i = 1; i <= 5; ++i) EXPECT_NEAR(m.run.sp.FacArr(i), fac[i - 1], 1e-6f) << i;
}

TEST(WaveCorrection, NoFactorsNoCorrection) {
  MemoryRun m(worked_example_ship());
  five_speed_run(m);
  const SpeedTable before = m.run.sp;
  WAVE_RESISTANCE_CORRECTION(m.run);
  EXPECT_EQ(m.run.res.CorrFlag, 0);
  EXPECT_EQ(m.son.str(), "\n Dalga direnci duzeltmesi yapilmamistir.\n\n");
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(m.run.sp.RTArr(i), before.RTArr(i));
    EXPECT_EQ(m.run.sp.PEArr(i), before.PEArr(i));
  }
}

TEST(WaveCorrection, FactorsOfOneRepeatTheUncorrectedTable) {
  ShipRecord s = worked_example_ship();
  s.NCORR = 3;
  s.Fcorr(1) = s.Fcorr(2) = s.Fcorr(3) = 1.0f;
  MemoryRun m(s);
  five_speed_run(m);
  RESISTANCE_TABLES(m.run);
  const auto L = m.son_lines();
  const auto orig =
      rows_after(L, "              GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP", 5, 5);
  const auto corr =
      rows_after(L, "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP", 5, 5);
  ASSERT_EQ(orig.size(), 5u);
  EXPECT_EQ(orig, corr);
  EXPECT_EQ(m.son.str().find("yapilmamistir"), std::string::npos);
}

}  // namespace
}  // namespace vdk
