// Information blocks of the other published methods: Andersen-Guldhammer,
// Guldhammer-Harvald and the collection of empirical formulas.
#include "propulsion/other_methods.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "report/propulsion_report.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::split_lines;

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

int index_of(const std::vector<std::string>& lines, const std::string& line) {
  auto it = std::find(lines.begin(), lines.end(), line);
  return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

// A speed in F8.3 (positive values that fit the field).
std::string f83(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%8.3f", static_cast<double>(v));
  return buf;
}

std::vector<std::string> ag_lines(const AndersenGuldhammer& r) {
  std::ostringstream out;
  WRITE_ANDERSEN_GULDHAMMER(out, r);
  return split_lines(out.str());
}

std::vector<std::string> gh_lines(const GuldhammerHarvald& r) {
  std::ostringstream out;
  WRITE_GULDHAMMER_HARVALD(out, r);
  return split_lines(out.str());
}

std::vector<std::string> summary_lines(const OtherMethodSummary& s) {
  std::ostringstream out;
  WRITE_OTHER_METHOD_SUMMARY(out, s);
  return split_lines(out.str());
}

const std::string kRule = "  " + std::string(54, '=');
const std::string kDash = "  " + std::string(54, '-');

// L = 100 m, B = 15 m, T = Taft = 6 m, V = 6300 m3 (Cb = 0.7), D0 = 4 m.
TEST(AndersenGuldhammer, WorkedExample) {
  const AndersenGuldhammer r = ANDERSEN_GULDHAMMER(6300.0f, 15.0f, 6.0f, 100.0f, 4.0f);
  const auto lines = ag_lines(r);

  ASSERT_GE(lines.size(), 7u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)], "");
  EXPECT_EQ(lines[6], kRule);
  EXPECT_EQ(lines[7], "  ANDERSENN&GULDHAMMER YONTEMI - SEVK KATSAYILARI    ");
  EXPECT_EQ(lines[9], "  (Bu formuller kullaniciyi bilgilendirmek amaci ile verilmistir.)");
  for (const char* expected : {
           "   B  =   15.00000 m",
           "   L  =  100.00000 m",
           "   T  =    6.00000 m",
           "   D0  =    4.00000 m",
           "   Cb = 0.700",
           "  B/L =    0.15000",
           "  D/L =    0.04000",
           "  a  = 0.10*B/L + 0.149 = 0.16400",
           "  b  = 0.05*B/L + 0.449 = 0.45650",
           "  c  = 585 - 5027*(B/L) + 11700*(B/L)**2 =   94.20000",
           "  w1 = a + b / (c*(0.98 - Cb)**3+1) = 0.3128",
           "  w2 = -0.18+0.00756/(D0/L+0.002)   = 0.0000",
           "  w  = w1 + w2 =  0.3128",
           "  e  = 0.165 - 0.25*B/L =  0.1275",
           "  f  = 825 - 8060*B/L + 20300*(B/L)**2 = 72.7500",
           "  t1 = d + e / (f*(0.98 - Cb)**3+1) =  0.2228",
           "  t2 = 2.*(D/L-0.04) =  0.0000",
           "  t  = t1 + t2 =  0.2228",
       }) {
    EXPECT_TRUE(has_line(lines, expected)) << expected;
  }
  // Closing: dash rule, blank + rule, then six empty lines.
  ASSERT_GE(lines.size(), 9u);
  const std::size_t n = lines.size();
  EXPECT_EQ(lines[n - 9], kDash);
  EXPECT_EQ(lines[n - 8], "");
  EXPECT_EQ(lines[n - 7], kRule);
  for (std::size_t i = n - 6; i < n; ++i) EXPECT_EQ(lines[i], "");
  EXPECT_NEAR(r.w, 0.3128f, 5e-5f);
  EXPECT_NEAR(r.t, 0.2228f, 5e-5f);
  EXPECT_EQ(r.w, static_cast<float>(r.wSum));
  EXPECT_EQ(r.t, static_cast<float>(r.tSum));
}

TEST(GuldhammerHarvald, WorkedExample) {
  const GuldhammerHarvald r = GULDHAMMER_HARVALD(6300.0f, 15.0f, 6.0f, 6.0f, 100.0f);
  const auto lines = gh_lines(r);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], kRule);
  EXPECT_EQ(lines[1], "  GULDHAMMER&HARWALD YONTEMI - SEVK KATSAYILARI      ");
  EXPECT_EQ(lines[2], "  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)");
  for (const char* expected : {
           "  Taft=    6.00000 m",
           "   Cb = 0.700",
           "   w1 = 0.3128",
           "   w2 = 0.1500",
           "   w3 = 0.0189",
           "    w = w1+w2+w3 = 0.4817",
           "   t1 = 0.2228",
           "   t2 = -.0600",
           "   t3 = -.0080",
           "    t = t1+t2+t3 = 0.1548",
       }) {
    EXPECT_TRUE(has_line(lines, expected)) << expected;
  }
  EXPECT_NEAR(r.w, 0.4817f, 5e-5f);
  EXPECT_NEAR(r.t, 0.1548f, 5e-5f);
}

TEST(GuldhammerMethods, DiameterTermCappedOnlyByGuldhammerHarvald) {
  // D0/L = 0.01: -0.18 + 0.00756/0.012 = 0.45, not limited.
  EXPECT_TRUE(has_line(ag_lines(ANDERSEN_GULDHAMMER(6300.0f, 15.0f, 6.0f, 100.0f, 1.0f)),
                       "  w2 = -0.18+0.00756/(D0/L+0.002)   = 0.4500"));

  // 0.6 T / L = 0.01 with T = 1 m, L = 60 m: capped at 0.1.
  const GuldhammerHarvald gh = GULDHAMMER_HARVALD(1000.0f, 10.0f, 1.0f, 1.0f, 60.0f);
  EXPECT_EQ(gh.w3, 0.1);
  EXPECT_TRUE(has_line(gh_lines(gh), "   w3 = 0.1000"));
}

TEST(GuldhammerMethods, FullBlockMakesCubicTermsVanish) {
  // Cb = 0.98: w1 = a + b, t1 = d + e.
  const auto lines = ag_lines(ANDERSEN_GULDHAMMER(8820.0f, 15.0f, 6.0f, 100.0f, 4.0f));
  EXPECT_TRUE(has_line(lines, "   Cb = 0.980"));
  EXPECT_TRUE(has_line(lines, "  w1 = a + b / (c*(0.98 - Cb)**3+1) = 0.6205"));  // 0.164 + 0.4565
  EXPECT_TRUE(
      has_line(lines, "  t1 = d + e / (f*(0.98 - Cb)**3+1) =  0.3013"));  // 0.17375 + 0.1275
}

// The block of the empirical formulas.
std::vector<std::string> factors_block(float Cb, float Cp, float Cwp, const std::vector<float>& vs,
                                       float L = 100, float B = 15, float T = 6, float Dp = 4,
                                       float Dep = 6457.5f) {
  std::ostringstream out;
  WRITE_OTHER_METHOD_FACTORS(out, OTHER_METHOD_FACTORS(Cb, Cp, Cwp, L, B, T, Dp, Dep, vs));
  return split_lines(out.str());
}

TEST(OtherMethodFactors, TaylorAndSspaEdgeValues) {
  const auto lines = factors_block(0.6f, 0.6f, 0.75f, {15.0f});
  EXPECT_TRUE(has_line(lines, "   0.50Cb-0.05 = 0.250 (Taylor)"));
  EXPECT_TRUE(has_line(lines, "         0.60*w = 0.150 (Taylor)"));
  EXPECT_TRUE(has_line(lines, "   w*(1.57-2.3Cb/Cwp+1.5Cb) = w*0.630 (SSPA - Kargo Gemisi"));
  EXPECT_TRUE(has_line(lines, "   w*(1.67-2.3Cb/Cwp+1.5Cb) = w*0.730 (SSPA - Kargo Gemisi"));
  EXPECT_TRUE(has_line(lines, "   0.25Cb+2.5(Cb-0.6)^2 = 0.250 (Troost-Kargo Gemileri)"));
}

TEST(OtherMethodFactors, TroostKrugerAndPrintingOrder) {
  const auto lines = factors_block(0.7f, 0.7142857f, 0.8f, {15.0f, 16.0f});
  // 0.25 + 2.5 (0.7 - 0.6)^2
  EXPECT_TRUE(has_line(lines, "   0.25Cb+2.5(Cb-0.6)^2 = 0.275 (Troost-Kargo Gemileri)"));
  // The two Kruger labels carry the Latin-1 u-umlaut as a single byte.
  EXPECT_TRUE(has_line(lines,
                       "   0.75Cb-0.24 = 0.285 (Kr\xFC"
                       "ger (1976))"));
  EXPECT_TRUE(has_line(lines,
                       "   0.81Cb-0.34 = 0.227 (Kr\xFC"
                       "ger (1976))"));

  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[0], kRule);
  EXPECT_EQ(lines[1], "  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)");
  EXPECT_EQ(lines[3], kRule);
  // Papmehl table: one row per speed, in list order, then the blank record
  // and the twin-screw heading after an empty line.
  const int head = index_of(lines, "     Vs     Fn     w");
  ASSERT_GT(head, 0);
  const auto h = static_cast<std::size_t>(head);
  // Papmehl's wake takes the square root of Dep^0.333/Dp: 0.244, not 0.531.
  EXPECT_EQ(lines[h - 1], "   0.165Cb(Dep^0.333/Dp)^0.5-0.1*(Fn-0.2) - Papmehl (HizaBagli)");
  EXPECT_EQ(lines[h + 1], "   15.00  0.246  0.244  ");
  EXPECT_EQ(lines[h + 2], "   16.00  0.263  0.243  ");
  EXPECT_EQ(lines[h + 3], "");
  EXPECT_EQ(lines[h + 4], "");
  EXPECT_EQ(lines[h + 5], "   Cift Pervaneli Gemiler   ");
  // (//) gives three empty lines before the thrust deduction heading.
  const int th = index_of(lines, "   Emme Katsayisi - t");
  ASSERT_GT(th, 3);
  EXPECT_EQ(lines[static_cast<std::size_t>(th) - 1], "");
  EXPECT_EQ(lines[static_cast<std::size_t>(th) - 3], "");
  EXPECT_EQ(lines[static_cast<std::size_t>(th) - 4],
            "   Cb/3+0.03   = 0.263 (Caldwell-Romorkor 0.47<Cb<0.56)");
  // Ends with the rule and six empty lines.
  const std::size_t n = lines.size();
  EXPECT_EQ(lines[n - 7], kRule);
  for (std::size_t i = n - 6; i < n; ++i) EXPECT_EQ(lines[i], "");
}

TEST(OtherMethodFactors, ValuesOfTheRemainingFormulas) {
  // Cb 0.7, Cp 0.7142857, L 100, B 15, T 6, Dp 4, Dep 6457.5
  const auto lines = factors_block(0.7f, 0.71428567f, 0.8214285f, {15.0f});
  EXPECT_TRUE(has_line(lines, "   Cm = 0.980"));
  EXPECT_TRUE(has_line(lines, "  Dep =  6458. t"));
  EXPECT_TRUE(has_line(lines,
                       "   0.50Cp(1.6/(1+Dp/T))(16/10+L/B)) = 0.329 (Schneekluth (1988) - Kargo "
                       "Gemileri)"));
  EXPECT_TRUE(has_line(lines, "   0.325*Cb-0.1885*Dp/(B*T)^0.5 = 0.148 (Holtrop ve Mennen(1978)"));
  EXPECT_TRUE(has_line(lines,
                       "   0.826+0.01L/Dep^0.333+0.02B/T+0.1*Cm = 1.028 (Helm(1980) Tek Pervaneli "
                       "Kucuk Gemiler)"));
}

TEST(OtherMethodSummary, ReplacesSmallWaterplaneCoefficient) {
  const std::vector<float> vs{15.0f, 16.0f};
  // Depl 6457.5 t -> volume 6300 m3, Cb = 0.7 on 100 x 15 x 6.
  const OtherMethodSummary s =
      OTHER_METHOD_SUMMARY(100.0f, 15.0f, 6.0f, 6457.5f, 0.98f, 0.05f, vs, 4.0f);
  EXPECT_EQ(s.Cwp_given, 0.05f);
  EXPECT_FLOAT_EQ(s.Cwp_used, 0.8214285373687744f);  // 0.625 Cb/Cm + 0.375
  EXPECT_EQ(s.factors.Cwp, s.Cwp_used);
  const auto lines = summary_lines(s);
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], " *** DIGER YONTEMLERE AIT SEVK KATSAYILARI  ****");
  EXPECT_EQ(lines[3], " L=100.00 m. - B=15.000 m. - T= 6.000 m. - Depl= 6457.50 ton");
  EXPECT_EQ(lines[4], " Cm= 0.980 - Cwp= 0.050");  // as given
  EXPECT_EQ(lines[5], "  2 -   15.000  16.000");
  EXPECT_EQ(lines[6], " Dp= 4.000 m");
  EXPECT_EQ(lines[7], kRule);
  EXPECT_TRUE(has_line(lines, "  Cwp = 0.821"));  // replaced value in the block
  EXPECT_TRUE(has_line(lines, "   w*(1.57-2.3Cb/Cwp+1.5Cb) = w*0.660 (SSPA - Kargo Gemisi"));
  EXPECT_TRUE(has_line(lines, "   w*(1.67-2.3Cb/Cwp+1.5Cb) = w*0.760 (SSPA - Kargo Gemisi"));
  EXPECT_TRUE(has_line(lines, "  Dep =  6458. t"));

  // A coefficient of 0.1 or more is kept.
  EXPECT_EQ(OTHER_METHOD_SUMMARY(100.0f, 15.0f, 6.0f, 6457.5f, 0.98f, 0.1f, vs, 4.0f).Cwp_used,
            0.1f);
}

TEST(OtherMethodSummary, SpeedListBeyondFifteenContinuesOnFurtherLines) {
  std::vector<float> vs;
  for (int i = 0; i < 32; ++i) vs.push_back(10.0f + static_cast<float>(i));
  const auto lines =
      summary_lines(OTHER_METHOD_SUMMARY(100.0f, 15.0f, 6.0f, 6457.5f, 0.98f, 0.8f, vs, 4.0f));
  ASSERT_GE(lines.size(), 9u);
  std::string first = " 32 - ";
  for (int i = 0; i < 15; ++i) first += f83(10.0f + static_cast<float>(i));
  EXPECT_EQ(lines[5], first);
  std::string second = "      ";
  for (int i = 15; i < 30; ++i) second += f83(10.0f + static_cast<float>(i));
  EXPECT_EQ(lines[6], second);
  EXPECT_EQ(lines[7], "        40.000  41.000");
  EXPECT_EQ(lines[8], " Dp= 4.000 m");
  // Papmehl table has all 32 rows.
  const int head = index_of(lines, "     Vs     Fn     w");
  ASSERT_GT(head, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(head) + 32].substr(0, 8), "   41.00");
}

}  // namespace
}  // namespace vdk
