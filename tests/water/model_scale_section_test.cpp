// Model-scale section: model resistance table, BSRA form factor, legend,
// model-resistance file written or an old one removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "core/stop.hpp"
#include "support/test_support.hpp"
#include "water/water.hpp"

namespace vdk {
namespace {

using test::read_file;
using test::split_lines;
using test::TempDir;

// A ship with two speeds, as the resistance tables leave it.
struct Section : test::MemoryRun {
  TempDir dir;

  explicit Section(float ModelScale, float ModelWaterTemp = 20.0f) : MemoryRun("") {
    run.dir = dir.path;
    ShipRecord& s = run.ship;
    s.GRAV = 9.81f;
    s.Lwl = 120.0f;
    s.Lbp = 120.0f;
    s.B = 20.0f;
    s.S = 3000.0f;
    s.ModelScale = ModelScale;
    s.ModelWaterTemp = ModelWaterTemp;
    s.NSPEED = 2;
    s.Vs(1) = 13.0f;
    s.Vs(2) = 16.0f;
    run.res.Tmean = 7.0f;
    run.res.CB = 0.65f;
    run.res.OnePlusK = 1.2f;
    run.res.OnePlusKGrigson = 1.234f;
    run.sp.FnArr(1) = 0.20f;
    run.sp.FnArr(2) = 0.25f;
    run.sp.CRArr(1) = 0.0009f;
    run.sp.CRArr(2) = 0.0009f;
  }
  std::filesystem::path model_file() const { return dir.path / MODEL_RESISTANCE_FILE; }
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

TEST(ModelScaleSection, NoModelScaleWritesLegendOnlyAndRemovesOldFile) {
  Section s(0.0f);
  test::write_file(s.model_file(), "old\n");
  MODEL_SCALE_SECTION(s.run);
  // BSRA form factor of a 4 m model (scale 30) in fresh water at 15 degrees.
  EXPECT_EQ(s.son.str(), LEGEND + legend_end("1.220"));
  EXPECT_EQ(s.run.ship.ModelScale, 0.0f);
  EXPECT_FALSE(std::filesystem::exists(s.model_file()));
  EXPECT_EQ(s.con.str(), "");
}

TEST(ModelScaleSection, TinyModelScaleCountsAsNoneAndIsReset) {
  Section s(0.01f, 99.0f);  // temperature not used without a model
  MODEL_SCALE_SECTION(s.run);
  EXPECT_EQ(s.son.str(), LEGEND + legend_end("1.220"));
  EXPECT_EQ(s.run.ship.ModelScale, 0.0f);
  EXPECT_FALSE(std::filesystem::exists(s.model_file()));
}

TEST(ModelScaleSection, ScaleBelowOneWritesTableButNoFile) {
  Section s(0.5f);
  test::write_file(s.model_file(), "old\n");
  MODEL_SCALE_SECTION(s.run);
  const auto lines = split_lines(s.son.str());
  ASSERT_GE(lines.size(), 11u);
  EXPECT_EQ(lines[3], "              MODEL DIRENC KARAKTERISTIKLERI");
  // A ship-size "model": the Reynolds number and the resistance overflow.
  EXPECT_EQ(lines[9], "  2  12.13    0.250  *******    1.347    1.616    0.900    2.516  *******");
  EXPECT_EQ(lines[10], " " + std::string(72, '='));
  EXPECT_NE(s.son.str().find(legend_end("1.280")), std::string::npos);
  EXPECT_EQ(s.run.ship.ModelScale, 0.5f);
  EXPECT_FALSE(std::filesystem::exists(s.model_file()));
}

TEST(ModelScaleSection, ScaleTwentyFiveWritesTableAndFile) {
  Section s(25.0f);
  MODEL_SCALE_SECTION(s.run);
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
  EXPECT_EQ(s.son.str(), expected);
  EXPECT_EQ(s.con.str(), "");

  // The model file: model values at the ship speeds with this ship's data.
  const auto lines = split_lines(read_file(s.model_file()));
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

TEST(ModelScaleSection, ScaleJustAboveOneWritesTheFile) {
  Section s(1.001f);
  MODEL_SCALE_SECTION(s.run);
  EXPECT_TRUE(std::filesystem::exists(s.model_file()));
  Section t(1.0f);
  test::write_file(t.model_file(), "old\n");
  MODEL_SCALE_SECTION(t.run);
  EXPECT_FALSE(std::filesystem::exists(t.model_file()));
}

TEST(ModelScaleSection, ModelWaterOutsideTablesStopsBeforeTheTable) {
  Section s(25.0f, 31.0f);
  try {
    MODEL_SCALE_SECTION(s.run);
    FAIL() << "no stop";
  } catch (const StopRequest& r) {
    EXPECT_EQ(r.status, EXIT_CALC_STOP);
    EXPECT_TRUE(r.pause);
  }
  EXPECT_EQ(s.son.str(), "");
  EXPECT_NE(s.con.str().find(" MODEL DENEY SICAKLIGI TABLO DISI - STOP"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(s.model_file()));
}

}  // namespace
}  // namespace vdk
