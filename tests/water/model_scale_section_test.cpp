// Model-scale section: model resistance table, BSRA form factor, legend,
// and whether the model-resistance file is due.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "core/stop.hpp"
#include "report/water_report.hpp"
#include "support/test_support.hpp"
#include "water/water.hpp"

namespace vdk {
namespace {

using test::split_lines;

// A ship with two speeds, as the resistance tables leave it.
struct Section {
  ShipRecord ship;
  ModelScaleHull hull;
  SpeedTable sp;

  explicit Section(float ModelScale, float ModelWaterTemp = 20.0f) {
    ShipRecord& s = ship;
    s.GRAV = 9.81f;
    s.Lwl = 120.0f;
    s.Lbp = 120.0f;
    s.B = 20.0f;
    s.ModelScale = ModelScale;
    s.ModelWaterTemp = ModelWaterTemp;
    s.NSPEED = 2;
    s.Vs(1) = 13.0f;
    s.Vs(2) = 16.0f;
    hull.S = 3000.0f;
    hull.Tmean = 7.0f;
    hull.CB = 0.65f;
    hull.OnePlusK = 1.2f;
    hull.OnePlusKGrigson = 1.234f;
    sp.FnArr(1) = 0.20f;
    sp.FnArr(2) = 0.25f;
    sp.CRArr(1) = 0.0009f;
    sp.CRArr(2) = 0.0009f;
  }
  ModelScaleResult compute() const {
    return MODEL_SCALE_CALCULATION(ship, hull, sp.FnArr, sp.CRArr);
  }
  // Results-file text of the section; `con` gets the console lines.
  std::string son(std::string* con = nullptr) const {
    std::ostringstream c, s;
    WRITE_MODEL_SCALE_SECTION(c, s, compute());
    if (con) *con = c.str();
    return s.str();
  }
};

const std::string LEGEND =
    "\n"
    "     ACIKLAMALAR\n"
    "   Fn  : Froude sayisi\n"
    "   Vs  : Gemi Hizi - knot\n"
    "   Cf  : Surtunme direnc katasyisi\n"
    "   Cv  : Form direnc katsayisi\n"
    "   Cr  : Artik (dalga) direnc katsayisi\n"
    "   Ca  : Model/Gemi korelasyon katsayisi\n"
    "   Ct  : Toplam direnc katsayisi\n";

std::string legend_end(const std::string& bsra) {
  return "   1+k : 1.200 Form Faktoru ( 1+k = 1.234 - Grigson, " + bsra + " - BSRA )\n " +
         std::string(77, '=') + "\n";
}

TEST(ModelScaleSection, NoModelScaleWritesLegendOnlyWithFourMetreModel) {
  const Section s(0.0f);
  const ModelScaleResult r = s.compute();
  EXPECT_FALSE(r.model_given);
  EXPECT_EQ(r.ModelScale_used, 0.0f);
  EXPECT_EQ(r.ModelScale_BSRA, 30.0f);
  EXPECT_FALSE(r.model_file);
  EXPECT_FALSE(r.stop);
  // BSRA form factor of a 4 m model (scale 30) in fresh water at 15 degrees.
  std::string con;
  EXPECT_EQ(s.son(&con), LEGEND + legend_end("1.220"));
  EXPECT_EQ(con, "");
}

TEST(ModelScaleSection, TinyModelScaleCountsAsNone) {
  const Section s(0.01f, 99.0f);  // temperature not used without a model
  const ModelScaleResult r = s.compute();
  EXPECT_FALSE(r.stop);
  EXPECT_EQ(r.ModelScale_used, 0.0f);
  EXPECT_EQ(s.son(), LEGEND + legend_end("1.220"));
}

TEST(ModelScaleSection, ScaleBelowOneWritesTableButNoFile) {
  const Section s(0.5f);
  const ModelScaleResult r = s.compute();
  EXPECT_EQ(r.ModelScale_used, 0.5f);
  EXPECT_FALSE(r.model_file);
  const auto lines = split_lines(s.son());
  ASSERT_GE(lines.size(), 11u);
  EXPECT_EQ(lines[3], "              MODEL DIRENC KARAKTERISTIKLERI");
  // A ship-size "model": the Reynolds number and the resistance overflow.
  EXPECT_EQ(lines[9], "  2  12.13    0.250  *******    1.347    1.616    0.900    2.516  *******");
  EXPECT_EQ(lines[10], " " + std::string(72, '='));
  EXPECT_NE(s.son().find(legend_end("1.280")), std::string::npos);
}

TEST(ModelScaleSection, ScaleTwentyFiveWritesTableAndModelFileValues) {
  const Section s(25.0f);
  std::string con;
  const std::string rule = " " + std::string(72, '=');
  const std::string expected =
      "\n\n\n"
      "              MODEL DIRENC KARAKTERISTIKLERI\n" +
      rule +
      "\n"
      "       Vm       Fn       Rn       Cf       Cv       Cr       Ct       Rm\n"
      "       m/s             /10^6    *1000    *1000    *1000    *1000      Kg \n" +
      rule +
      "\n"
      "  1   1.37    0.200    6.563    3.232    3.879    0.900    4.779     2.20\n"
      "  2   1.72    0.250    8.204    3.106    3.727    0.900    4.627     3.33\n" +
      rule + "\n" + LEGEND + legend_end("1.227");
  EXPECT_EQ(s.son(&con), expected);
  EXPECT_EQ(con, "");

  // The model file: model values at the ship speeds with this ship's data.
  const ModelScaleResult r = s.compute();
  ASSERT_TRUE(r.model_file);
  std::ostringstream file;
  WRITE_MODEL_RESISTANCE_FILE(file, *r.model_file);
  const auto lines = split_lines(file.str());
  ASSERT_GE(lines.size(), 15u);
  EXPECT_NE(lines[1].find("BORELI-VANSK"), std::string::npos);
  EXPECT_EQ(lines[12].substr(0, 9), "  1 13.00");
  EXPECT_EQ(lines[13].substr(0, 9), "  2 16.00");
  bool found = false;
  for (const auto& l : lines) {
    if (l == " Su Hatti Boylari - m .........: 120.00 /  4.800") found = true;
  }
  EXPECT_TRUE(found);
}

TEST(ModelScaleSection, ModelWaterOutsideTablesStopsBeforeTheTable) {
  const Section s(25.0f, 31.0f);
  const ModelScaleResult r = s.compute();
  ASSERT_TRUE(r.stop);
  EXPECT_EQ(r.stop->status, EXIT_CALC_STOP);
  EXPECT_TRUE(r.stop->pause);
  EXPECT_TRUE(r.rows.empty());
  EXPECT_FALSE(r.model_file);
  std::string con;
  EXPECT_EQ(s.son(&con), "");
  EXPECT_EQ(con, "\n\n\n MODEL DENEY SICAKLIGI TABLO DISI - STOP\n  T =   31.00 derece\n");
}

// A model-resistance file only for a model scale above one.
TEST(ModelScaleSection, ModelFileOnlyAboveScaleOne) {
  EXPECT_TRUE(Section(1.001f).compute().model_file);
  EXPECT_FALSE(Section(1.0f).compute().model_file);
  const ModelScaleResult tiny = Section(0.005f).compute();
  EXPECT_EQ(tiny.ModelScale_used, 0.0f);
  EXPECT_FALSE(tiny.model_file);
}

}  // namespace
}  // namespace vdk
