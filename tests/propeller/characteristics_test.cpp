// Open-water table and minimum-service propulsion table of the settled propeller.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "propeller/propeller_routines.hpp"
#include "report/console.hpp"
#include "report/propeller_report.hpp"
#include "run/dialogue.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::split_lines;

// A 5 m Wageningen B propeller at 120 rpm and five speeds around 14 knots.
struct Case {
  int SERIES = 1;
  float JD = 0.6f, PD = 1.0f, EAR = 0.55f, Z = 4.0f;
  float PDEL = 6000.0f, TH = 400.0f, N = 120.0f, VD = 14.0f, KTD = 0.2f, KQD = 0.03f;
  std::vector<float> VS{12.0f, 13.0f, 14.0f, 15.0f, 16.0f};
  std::vector<float> PE{2500.0f, 3200.0f, 4000.0f, 5000.0f, 6200.0f};
  std::vector<float> WFT{0.25f, 0.25f, 0.26f, 0.26f, 0.27f};
  std::vector<float> ThDF{0.18f, 0.18f, 0.19f, 0.19f, 0.2f};
  std::vector<float> ETAR{1.01f, 1.01f, 1.0f, 1.0f, 0.99f};
  float D = 5.0f, ETATR = 0.98f, RHO = 1025.0f, WD = 0.26f, TD = 0.19f;
  int NPROP = 1, IPOD = 0;
  std::string answers = "\n";
};

struct Result {
  std::string con, son;
  int status = -1;  // stop status, -1 when the routine returned
  float Z = 0;
};

// The computation and its two writers with the pause between them, as the
// power chain runs them.
Result run_case(Case c) {
  std::ostringstream con, son;
  std::istringstream in(c.answers);
  CharacteristicsInput ci;
  ci.set = SeriesSettings{c.SERIES, 0.0f};
  ci.JD = c.JD;
  ci.PD = c.PD;
  ci.EAR = c.EAR;
  ci.Z = c.Z;
  ci.PDEL = c.PDEL;
  ci.TH = c.TH;
  ci.N = c.N;
  ci.VD = c.VD;
  ci.KTD = c.KTD;
  ci.KQD = c.KQD;
  ci.D = c.D;
  ci.ETATR = c.ETATR;
  ci.RHO = c.RHO;
  ci.WD = c.WD;
  ci.TD = c.TD;
  ci.NPROP = c.NPROP;
  ci.IPOD = c.IPOD;
  ci.VS = c.VS;
  ci.PE = c.PE;
  ci.WFT = c.WFT;
  ci.ThDF = c.ThDF;
  ci.ETAR = c.ETAR;
  const CharacteristicsRecord rec = PROPULSION_CHARACTERISTICS(ci);
  WRITE_CHARACTERISTICS_BEFORE_PAUSE(con, rec);
  PAUSE(in, con, CHARACTERISTICS_PAUSE_PROMPT);
  WRITE_CHARACTERISTICS_AFTER_PAUSE(con, son, rec);
  Result r;
  if (rec.stop) r.status = rec.stop->status;
  r.con = con.str();
  r.son = son.str();
  r.Z = rec.Z;
  return r;
}

const std::string FRAME = "       |---------------------------------------------------------|";
const std::string SERVICE_TITLE = "     SEVK KARAKTERISTIKLERI - MINIMUM SERVIS";
const std::string RULE =
    " |--------|--------|------|------|------|------|------|------|--------|-------|";

// Rows of the open-water table (the lines between the second and third frame
// after the header).
std::vector<std::string> open_water_rows(const std::string& text) {
  std::vector<std::string> rows;
  for (const auto& l : split_lines(text)) {
    if (l.rfind("       | ", 0) == 0 && l.size() == 66 && l[10] != ' ' && l[10] != 'N' &&
        std::isdigit(static_cast<unsigned char>(l[10])))
      rows.push_back(l);
  }
  return rows;
}

std::vector<std::string> service_rows(const std::string& text) {
  std::vector<std::string> rows;
  const auto lines = split_lines(text);
  auto it = std::find(lines.begin(), lines.end(), SERVICE_TITLE);
  if (it == lines.end()) return rows;
  it += 4;  // rule, header, rule
  for (; it != lines.end() && *it != RULE; ++it) rows.push_back(*it);
  return rows;
}

std::vector<std::string> fields(const std::string& row) {
  std::vector<std::string> out;
  std::string cur;
  for (char ch : row) {
    if (ch == '|') {
      out.push_back(cur);
      cur.clear();
    } else {
      cur += ch;
    }
  }
  return out;  // out[1] = Vs, out[2] = PE, ..., out[9] = PB, out[10] = RPM
}

TEST(PropulsionCharacteristics, OpenWaterBlockLayout) {
  const Result r = run_case(Case{});
  EXPECT_EQ(r.status, -1);
  const std::vector<std::string> head{
      "",
      "",
      "          WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI",
      FRAME,
      "       | CAP - D (m)         =      5.00   |   J      =  0.6000  |",
      "       | ITME - TH   (kN)    =    400.00   |   KT     =  0.2000  |",
      "       | GUC - PD    (kW)    =   6000.00   |   10KQ   =  0.3000  |",
      "       | RPM                 =    120.00   |   T      =  0.1900  |",
      "       | GEMI HIZI-VS(KNOT)  =     14.00   |   WT     =  0.2600  |",
      "       | KANAT SAYISI (Z)    =      4.     |   Ae     =  0.5500  |",
      FRAME,
  };
  const auto con = split_lines(r.con);
  const auto son = split_lines(r.son);
  ASSERT_GE(con.size(), head.size() + 4);
  EXPECT_EQ(std::vector<std::string>(con.begin(), con.begin() + 11), head);
  EXPECT_EQ(std::vector<std::string>(son.begin(), son.begin() + 11), head);
  // The console pauses before the table; the results file runs straight on.
  EXPECT_EQ(con[11], "DEVAM ICIN 'ENTER' TUSUNA BASIN");
  const std::string header = "       |  No    J       KT     10KQ    ETA0        Bp      Delta |";
  EXPECT_EQ(con[12], FRAME);
  EXPECT_EQ(con[13], header);
  EXPECT_EQ(son[11], FRAME);
  EXPECT_EQ(son[12], header);
  EXPECT_EQ(son[13], FRAME);
}

TEST(PropulsionCharacteristics, JListIsSortedAndKeepsARepeatedDesignJ) {
  Case c;
  c.JD = 0.65f;  // a grid value
  const Result r = run_case(c);
  const auto rows = open_water_rows(r.son);
  ASSERT_GT(rows.size(), 10u);
  int n065 = 0;
  float previous = 0;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(std::stoi(rows[k].substr(9, 2)), static_cast<int>(k + 1));
    const float J = std::stof(rows[k].substr(14, 5));
    EXPECT_GE(J, previous);
    previous = J;
    if (rows[k].substr(14, 5) == "0.650") ++n065;
  }
  EXPECT_EQ(n065, 2);
  EXPECT_EQ(rows.front().substr(14, 5), "0.200");
  EXPECT_EQ(open_water_rows(r.con), rows);
  // The grid is cut at the first negative KT, so the last grid row has KT >= 0.
  EXPECT_NE(rows.back().substr(22, 5)[0], '-');
  // The service table is still computed (the repeat is harmless).
  EXPECT_EQ(service_rows(r.son).size(), 5u);
}

TEST(PropulsionCharacteristics, ServiceTableUsesTheFactorsOfEachSpeed) {
  Case c;
  const Result a = run_case(c);
  c.WD = 0.05f;  // design-point factors only appear in the framed block
  c.TD = 0.01f;
  const Result b = run_case(c);
  const auto rows = service_rows(a.son);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(service_rows(b.son), rows);
  EXPECT_EQ(service_rows(a.con), rows);  // both copies alike
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto f = fields(rows[i]);
    ASSERT_EQ(f.size(), 11u) << rows[i];
    EXPECT_FLOAT_EQ(std::stof(f[3]), c.ThDF[i]);
    EXPECT_FLOAT_EQ(std::stof(f[4]), c.WFT[i]);
    EXPECT_NEAR(std::stof(f[5]), (1.0f - c.ThDF[i]) / (1.0f - c.WFT[i]), 6e-4f);
    EXPECT_FLOAT_EQ(std::stof(f[6]), c.ETAR[i]);
  }
  // Faster means more rpm and more power.
  for (std::size_t i = 1; i < rows.size(); ++i) {
    EXPECT_GT(std::stof(fields(rows[i])[10]), std::stof(fields(rows[i - 1])[10]));
    EXPECT_GT(std::stol(fields(rows[i])[9]), std::stol(fields(rows[i - 1])[9]));
  }
  EXPECT_EQ(rows[2].rfind(" | 14.000 |   4000 |0.190 |0.260 |1.095 |1.000 |", 0), 0u) << rows[2];
}

// Rows worked out apart from this code: the drag-corrected open-water points,
// the rpm read off the thrust curve by the spline, KT and KQ read off at that
// J, the factors of the row's own speed, single screw and twin screw.
TEST(PropulsionCharacteristics, RowsOfAnIndependentCalculation) {
  Case c;
  const Result r = run_case(c);
  const auto ow = open_water_rows(r.son);
  ASSERT_EQ(ow.size(), 37u);  // 0.2 .. 1.075 and the design J 0.6
  EXPECT_EQ(ow[0], "       |  1   0.200   0.370   0.530   0.222     425.40    506.33 |");
  EXPECT_EQ(ow[16], "       | 17   0.600   0.222   0.348   0.610      22.11    168.78 |");
  EXPECT_EQ(ow[17], "       | 18   0.600   0.222   0.348   0.610      22.11    168.78 |");
  EXPECT_EQ(ow[36], "       | 37   1.075   0.003   0.037   0.142       1.67     94.20 |");
  EXPECT_EQ(service_rows(r.son),
            (std::vector<std::string>{
                " | 12.000 |   2500 |0.180 |0.250 |1.093 |1.010 |0.550 |0.607 |   4201 | 105.0 |",
                " | 13.000 |   3200 |0.180 |0.250 |1.093 |1.010 |0.549 |0.606 |   5388 | 114.1 |",
                " | 14.000 |   4000 |0.190 |0.260 |1.095 |1.000 |0.542 |0.594 |   6877 | 122.9 |",
                " | 15.000 |   5000 |0.190 |0.260 |1.095 |1.000 |0.540 |0.591 |   8638 | 132.5 |",
                " | 16.000 |   6200 |0.200 |0.270 |1.096 |0.990 |0.530 |0.575 |  11011 | 142.5 |",
            }));

  c.NPROP = 2;
  EXPECT_EQ(service_rows(run_case(c).son),
            (std::vector<std::string>{
                " | 12.000 |   2500 |0.180 |0.250 |1.093 |1.010 |0.657 |0.725 |   3518 |  84.1 |",
                " | 13.000 |   3200 |0.180 |0.250 |1.093 |1.010 |0.656 |0.724 |   4510 |  91.3 |",
                " | 14.000 |   4000 |0.190 |0.260 |1.095 |1.000 |0.650 |0.712 |   5736 |  98.2 |",
                " | 15.000 |   5000 |0.190 |0.260 |1.095 |1.000 |0.648 |0.709 |   7194 | 105.7 |",
                " | 16.000 |   6200 |0.200 |0.270 |1.096 |0.990 |0.639 |0.693 |   9126 | 113.2 |",
            }));
}

TEST(PropulsionCharacteristics, ServiceSectionLayoutAndLegend) {
  Case c;
  c.IPOD = 1;
  const Result r = run_case(c);
  const auto lines = split_lines(r.son);
  auto it = std::find(lines.begin(), lines.end(), SERVICE_TITLE);
  ASSERT_NE(it, lines.end());
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(*(it - k), "");
  EXPECT_EQ(*(it + 1), RULE);
  EXPECT_EQ(*(it + 2),
            " |  Vs    |   PE   | ThDF |  WFT | ETAH | ETAR | ETA0 | ETAD |   PB   |  RPM  |");
  EXPECT_EQ(*(it + 3), RULE);
  EXPECT_EQ(*(it + 9), RULE);
  const std::vector<std::string> legend{
      "",
      "        ACIKLAMALAR",
      "   Vs  : Gemi Hizi - knot",
      "   PE  : Efektif guc degeri - kW",
      "   ThDF: Itme azalmasi katsayisi",
      "   WFT : Efektif iz katsayisi",
      "   ETAR: Pervane rolatif donme verimi",
      "   ETA0: Pervane acik su verimi",
      "   ETAD: Genel sevk verimi - (1-ThDF)/(1-WFT)*ETA0*ETAR",
      "   PB  : Minimum makina gucu - kW",
      "   RPM : Pervane devir sayisi - devir/dakika",
      "    Not: Transmisyon verimi Etatr =  0.980; PB - Makina gucune dahildir",
      "    Not: Sevk Katsayilarinda POD lu pervane duzeltmes i yapilmistir.",
      "    Kaynak: A Parametric power prediction model for t ractor pods.",
  };
  ASSERT_GE(lines.end() - (it + 10), static_cast<long>(legend.size() + 3));
  EXPECT_EQ(std::vector<std::string>(it + 10, it + 10 + static_cast<long>(legend.size())), legend);
  EXPECT_EQ(lines[lines.size() - 2], "    Delft University of Technology");
  EXPECT_EQ(lines.back(), "    Ship Hydromechanics Lab. Report No: 1545-P, 2006 ");
  // The console copy carries no legend.
  EXPECT_EQ(r.con.find("ACIKLAMALAR"), std::string::npos);

  c.IPOD = 0;
  const Result plain = run_case(c);
  EXPECT_EQ(split_lines(plain.son).back(),
            "    Not: Transmisyon verimi Etatr =  0.980; PB - Makina gucune dahildir");
}

TEST(PropulsionCharacteristics, DesignSpeedTolerance) {
  Case c;
  c.VD = 14.005f;
  EXPECT_EQ(run_case(c).status, -1);

  c.VD = 14.02f;
  const Result r = run_case(c);
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  const auto con = split_lines(r.con);
  ASSERT_GE(con.size(), 2u);
  EXPECT_EQ(con[con.size() - 2], " SUB PROPULSION_CHARACTERISTICS_II 'DE");
  EXPECT_EQ(con.back(), "  DIZAYN HIZI BULUNAMADI - STOP");
  // The open-water table is complete in both outputs, the service table absent.
  EXPECT_EQ(split_lines(r.son).back(), FRAME);
  EXPECT_EQ(r.son.find("SEVK KARAKTERISTIKLERI"), std::string::npos);
  EXPECT_FALSE(open_water_rows(r.son).empty());
}

TEST(PropulsionCharacteristics, SinglePointJListSkipsTheServiceRows) {
  Case c;
  c.PD = 0.1f;  // KT is negative already at J = 0.2
  c.JD = 0.15f;
  const Result r = run_case(c);
  EXPECT_EQ(r.status, -1);
  EXPECT_EQ(open_water_rows(r.son).size(), 1u);
  for (const std::string& text : {r.con, r.son}) {
    const auto lines = split_lines(text);
    auto it = std::find(lines.begin(), lines.end(), SERVICE_TITLE);
    ASSERT_NE(it, lines.end());
    ASSERT_GE(lines.end() - it, 6);
    EXPECT_EQ(*(it + 4), " ACIK SU TABLOSU YETERSIZ - SERVIS TABLOSU HESAPLANAMADI");
    EXPECT_EQ(*(it + 5), RULE);
  }
  EXPECT_NE(r.son.find("ACIKLAMALAR"), std::string::npos);
}

TEST(PropulsionCharacteristics, PowerColumnsRoundHalvesAwayFromZero) {
  EXPECT_EQ(NEAREST_INTEGER(0.5f), 1);
  EXPECT_EQ(NEAREST_INTEGER(-0.5f), -1);
  EXPECT_EQ(NEAREST_INTEGER(2.5f), 3);
  EXPECT_EQ(NEAREST_INTEGER(1234.5f), 1235);
  EXPECT_EQ(2 * NEAREST_INTEGER(1234.5f), 2470);
  EXPECT_GT(NEAREST_INTEGER(std::nanf("")), 9999999);

  Case c;
  c.PE = {0.5f, -0.5f, 2.5f, 4000.0f, 5000.0f};
  const auto rows = service_rows(run_case(c).son);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(fields(rows[0])[2], "      1 ");
  EXPECT_EQ(fields(rows[1])[2], "     -1 ");
  EXPECT_EQ(fields(rows[2])[2], "      3 ");

  // Twin screw: the engine power is twice the rounded power of one propeller.
  Case twin;
  twin.NPROP = 2;
  for (const auto& row : service_rows(run_case(twin).son)) {
    EXPECT_EQ(std::stol(fields(row)[9]) % 2, 0) << row;
  }
}

// A transmission efficiency of zero makes every engine power infinite; with
// many propellers the product with the propeller count must not overflow.
TEST(PropulsionCharacteristics, EnginePowerBeyondAnyFieldPrintsAsterisks) {
  Case c;
  c.ETATR = 0.0f;
  c.NPROP = 10000;
  const auto rows = service_rows(run_case(c).son);
  ASSERT_EQ(rows.size(), 5u);
  for (const auto& row : rows) EXPECT_EQ(fields(row)[9], "******* ") << row;
}

TEST(PropulsionCharacteristics, GawnSeriesTitleAndThreeBlades) {
  Case c;
  c.SERIES = 2;
  const Result r = run_case(c);
  EXPECT_EQ(split_lines(r.son)[2], "              GAWN SERISI PERVANE ACIK SU KARAKTERISTIKLERI");
  EXPECT_EQ(split_lines(r.son)[9],
            "       | KANAT SAYISI (Z)    =      3.     |   Ae     =  0.5500  |");
  EXPECT_FLOAT_EQ(r.Z, 3.0f);
}

TEST(SortAscending, SelectionKeepsTheFirstOfEqualElements) {
  float a[] = {0.5f, 0.2f, 0.9f, 0.2f, 0.1f};
  SORT_ASCENDING(5, a);
  EXPECT_EQ(std::vector<float>(a, a + 5), (std::vector<float>{0.1f, 0.2f, 0.2f, 0.5f, 0.9f}));

  // +0 and -0 compare equal: only a strictly smaller element replaces the
  // current smallest, so the -0 found first ends up ahead of the +0.
  float z[] = {1.0f, -0.0f, 0.0f};
  SORT_ASCENDING(3, z);
  EXPECT_TRUE(std::signbit(z[0]));
  EXPECT_FALSE(std::signbit(z[1]));
  EXPECT_FLOAT_EQ(z[2], 1.0f);

  float one[] = {3.0f};
  SORT_ASCENDING(1, one);
  EXPECT_EQ(one[0], 3.0f);
}

}  // namespace
}  // namespace vdk
