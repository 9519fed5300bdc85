// Input summary: appendage list and its sums, propeller block, propeller
// data case, output heading.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "resistance_fixture.hpp"

namespace vdk {
namespace {

using test::worked_example_ship;

bool has_line(const std::vector<std::string>& lines, const std::string& l) {
  return std::find(lines.begin(), lines.end(), l) != lines.end();
}

struct Written {
  InputSummary r;
  std::string text;
  std::vector<std::string> lines;
};

Written summary_of(const ShipRecord& s) {
  Written w{COMPUTE_INPUT_SUMMARY(s), {}, {}};
  std::ostringstream son;
  WRITE_INPUT_SUMMARY(son, s, w.r);
  w.text = son.str();
  w.lines = test::split_lines(w.text);
  return w;
}

TEST(InputSummary, WorkedExampleLinesAndSums) {
  const Written w = summary_of(worked_example_ship());
  const auto& L = w.lines;
  ASSERT_GE(L.size(), 10u);
  EXPECT_EQ(L[0], std::string(60, '='));
  EXPECT_EQ(L[1], "          HOLTROP & MENNEN GUC TAHMINI PROGRAMI");
  EXPECT_EQ(L[2], "                    GIRIS BILGILERI");
  EXPECT_EQ(L[3], std::string(60, '='));
  EXPECT_EQ(L[4], "");
  EXPECT_EQ(L[5], "");
  EXPECT_EQ(L[6], "  SU HATTI BOYU     Lwl= 205.000 m");
  EXPECT_TRUE(has_line(L, "  DEPLASMAN HACMI    V =37500.000 m3"));
  EXPECT_TRUE(has_line(L, "  LCB               LCB=  -1.538 m Lbp/2 den"));
  EXPECT_TRUE(has_line(L, "  ORTA KESIT N.K. - Cm =0.980"));
  EXPECT_TRUE(has_line(L, "                     1-  25.000"));
  EXPECT_TRUE(has_line(L, "          SEYIR TECRUBESI HIZI - Vseyir =   25.000 knots"));
  EXPECT_TRUE(has_line(L, "     -------------------------------   ALAN     FORM FAKTORU"));
  EXPECT_TRUE(has_line(L, "                                        m2            (1+k2)   "));
  EXPECT_TRUE(has_line(L, "  1- SKEG ARKASINDAKI DUMEN            50.000         1.500"));
  EXPECT_TRUE(has_line(L, "  TOPLAM TAKINTI ALANI - Stot =  50.00 m2"));
  EXPECT_TRUE(has_line(L, "  TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff= 1.500"));
  EXPECT_TRUE(has_line(L, "  AKISKAN YOGUNLUGU - RHO =   1025.00 kg/m3 "));
  EXPECT_TRUE(has_line(L, "  YERCEKIMI IVMESI - GRAV =   9.81000 m/sn2 "));
  EXPECT_FLOAT_EQ(w.r.Sapptot, 50.0f);
  EXPECT_FLOAT_EQ(w.r.OnePlusK2eff, 1.5f);
  EXPECT_FLOAT_EQ(w.r.DISPW, 9.81f * 1025.0f * 37500.0f);

  // The output heading closes the summary: three empty lines and the title.
  const size_t n = L.size();
  EXPECT_EQ(L[n - 8], std::string(60, '='));  // end of the summary
  EXPECT_EQ(L[n - 7], "");
  EXPECT_EQ(L[n - 6], "");
  EXPECT_EQ(L[n - 5], "");
  EXPECT_EQ(L[n - 4], std::string(60, '='));
  EXPECT_EQ(L[n - 3], "          HOLTROP & MENNEN GUC TAHMINI PROGRAMI");
  EXPECT_EQ(L[n - 2], "                    CIKIS BILGILERI");
  EXPECT_EQ(L[n - 1], std::string(60, '='));
}

TEST(InputSummary, AppendagesListedOnlyAboveOneTenthSquareMetre) {
  ShipRecord s = worked_example_ship();
  s.Sapp(1) = 0.1f;  // exactly 0.1: neither listed nor counted
  s.Sapp(3) = 10.0f;
  s.OnePlusK2(3) = 1.5f;
  s.Sapp(8) = 30.0f;
  s.OnePlusK2(8) = 2.0f;
  const Written w = summary_of(s);
  EXPECT_EQ(w.r.listed_appendages, (std::vector<int>{3, 8}));
  EXPECT_TRUE(has_line(w.lines, "  1- CIFT PERVANELI GEMI DUMENI        10.000         1.500"));
  EXPECT_TRUE(has_line(w.lines, "  2- SAFTLAR                           30.000         2.000"));
  EXPECT_EQ(w.text.find("SKEG ARKASINDAKI"), std::string::npos);
  EXPECT_FLOAT_EQ(w.r.Sapptot, 40.0f);
  EXPECT_FLOAT_EQ(w.r.OnePlusK2eff, 1.875f);
  EXPECT_TRUE(has_line(w.lines, "  TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff= 1.875"));
}

TEST(InputSummary, NoAppendageGivesZeroAreaAndFactor) {
  ShipRecord s = worked_example_ship();
  s.Sapp(1) = 0.0f;
  const Written w = summary_of(s);
  const auto& L = w.lines;
  EXPECT_FLOAT_EQ(w.r.Sapptot, 0.0f);
  EXPECT_FLOAT_EQ(w.r.OnePlusK2eff, 0.0f);
  // The dashed rule follows the column heading directly.
  auto it = std::find(L.begin(), L.end(),
                      "                                        m2            (1+k2)   ");
  ASSERT_NE(it, L.end());
  EXPECT_EQ(*(it + 1), std::string(60, '-'));
  EXPECT_TRUE(has_line(L, "  TOPLAM TAKINTI ALANI - Stot =   0.00 m2"));
  EXPECT_TRUE(has_line(L, "  TAKINTI EFEKTIF FORM FAKTORU (1+K2)eff= 0.000"));
}

TEST(InputSummary, PropellerBlockFromFiveHundredthsOfAMetre) {
  ShipRecord s = worked_example_ship();
  s.D = 6.5f;
  s.NPROP = 1;
  s.Hsd = 6.8f;
  s.MCR = 0.85f;
  {
    const Written w = summary_of(s);
    const auto& L = w.lines;
    auto it = std::find(L.begin(), L.end(), "  PERVANE BILGILERI" + std::string(23, ' '));
    ASSERT_NE(it, L.end());
    EXPECT_EQ(*(it - 1), std::string(60, '='));
    EXPECT_EQ(*(it + 1), "  PERVANE CAPI - D =  6.500 m");
    EXPECT_EQ(*(it + 2), "  PERVANE SAYISI - NPROP =   1");
    EXPECT_EQ(*(it + 3), "  PERVANE SAFT DERINLIGI - Hsd =  6.800 m");
    EXPECT_EQ(*(it + 4), "  MAX. SUREKLI MAKINA DEVRI - MCR =  0.850");
    EXPECT_EQ(*(it + 5), std::string(60, '='));
  }
  s.D = 0.05f;
  EXPECT_NE(summary_of(s).text.find("PERVANE BILGILERI"), std::string::npos);
  s.D = 0.04f;
  EXPECT_EQ(summary_of(s).text.find("PERVANE"), std::string::npos);
}

TEST(InputSummary, PropellerDataCase) {
  EXPECT_EQ(PROPELLER_DATA_CASE(5.0f, 0.0f, 0.0f), 1);
  EXPECT_EQ(PROPELLER_DATA_CASE(5.0f, 120.0f, 0.0f), 2);
  EXPECT_EQ(PROPELLER_DATA_CASE(5.0f, 120.0f, 0.9f), 4);
  EXPECT_EQ(PROPELLER_DATA_CASE(0.0f, 120.0f, 0.0f), 3);
  EXPECT_EQ(PROPELLER_DATA_CASE(0.0f, 0.0f, 0.0f), 0);
  EXPECT_EQ(PROPELLER_DATA_CASE(0.1f, 120.0f, 0.9f), 0);  // exactly 0.1 matches no rule
  EXPECT_EQ(PROPELLER_DATA_CASE(5.0f, 0.1f, 0.0f), 0);

  ShipRecord s = worked_example_ship();
  s.D = 5.0f;
  s.N = 120.0f;
  s.PD = 0.9f;
  DERIVE_SHIP(s);
  EXPECT_EQ(COMPUTE_INPUT_SUMMARY(s).PropCase, 4);
}

}  // namespace
}  // namespace vdk
