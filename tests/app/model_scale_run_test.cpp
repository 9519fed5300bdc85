// Resistance-only runs with a model scale: the model-scale section of the
// results file and the model-resistance file beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/stop.hpp"
#include "report/water_report.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::split_lines;

test::ShipFile resistance_only(float ModelScale) {
  test::ShipFile f = test::worked_example();
  f.ship.D = 0;
  f.ship.N = 0;
  f.ship.ModelScale = ModelScale;
  return f;
}

int find_line(const std::vector<std::string>& lines, const std::string& text) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == text) return static_cast<int>(i);
  }
  return -1;
}

TEST(ModelScaleRun, TableLegendAndModelFile) {
  test::TempDir dir;
  // A model file of an earlier run is overwritten, not appended to.
  test::write_file(dir.path / MODEL_RESISTANCE_FILE, "old content\nthat must go\n");
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(resistance_only(25.0f)), "\n");
  ASSERT_EQ(r.status, EXIT_RUN_END) << r.console;
  const auto son = split_lines(r.results);

  const int title = find_line(son, "              MODEL DIRENC KARAKTERISTIKLERI");
  ASSERT_GE(title, 3);
  EXPECT_EQ(son[static_cast<std::size_t>(title) - 1], "");
  const std::string rule = " " + std::string(72, '=');
  EXPECT_EQ(son[static_cast<std::size_t>(title) + 1], rule);
  EXPECT_EQ(son[static_cast<std::size_t>(title) + 4], rule);
  // Seven speeds, 21 to 27 knots; the fifth is the worked 25 knots
  // (Fn 0.2868, 1000 Cr 0.8744, 1+k 1.221).
  for (int i = 1; i <= 7; ++i) {
    const std::string& row = son[static_cast<std::size_t>(title + 4 + i)];
    EXPECT_EQ(std::stoi(row.substr(1, 2)), i) << row;
  }
  const std::string& row5 = son[static_cast<std::size_t>(title) + 9];
  EXPECT_EQ(row5, "  5   2.57    0.287   18.516    2.703    3.299    0.874    4.174    16.72");
  EXPECT_EQ(son[static_cast<std::size_t>(title) + 12], rule);

  // Legend with the three form factors, then the closing rule.
  const int legend = find_line(son, "     ACIKLAMALAR");
  ASSERT_EQ(legend, title + 14);
  const std::string& ff = son[static_cast<std::size_t>(legend) + 8];
  EXPECT_EQ(ff, "   1+k : 1.221 Form Faktoru ( 1+k = 1.230 - Grigson, 1.226 - BSRA )");
  EXPECT_EQ(son[static_cast<std::size_t>(legend) + 9], " " + std::string(77, '='));

  // The model-resistance file with one row per speed.
  const auto model = split_lines(test::read_file(dir.path / MODEL_RESISTANCE_FILE));
  ASSERT_GE(model.size(), 20u);
  EXPECT_NE(model[1].find("BORELI-VANSK"), std::string::npos);
  EXPECT_EQ(model[7], "                    MODELE AIT DEGERLER  ");
  EXPECT_EQ(model[16], "  5 25.00  2.57   0.287   1.852   2.703   3.299   0.874   4.174  16.721 ");
  EXPECT_EQ(model[19], " " + std::string(70, '-'));
  EXPECT_NE(find_line(model, " Model Olcegi..................: 1/ 25.0"), -1);
  EXPECT_NE(find_line(model, " Form Faktoru - (1 + k) .......:  1.221 (tahmin)"), -1);
}

TEST(ModelScaleRun, RunWithoutModelRemovesAnOldModelFile) {
  test::TempDir dir;
  test::write_file(dir.path / MODEL_RESISTANCE_FILE, "from an earlier run\n");
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(resistance_only(0.0f)), "\n");
  ASSERT_EQ(r.status, EXIT_RUN_END) << r.console;
  EXPECT_FALSE(fs::exists(dir.path / MODEL_RESISTANCE_FILE));
  EXPECT_EQ(r.results.find("MODEL DIRENC KARAKTERISTIKLERI"), std::string::npos);
  EXPECT_NE(r.results.find("   1+k : 1.221 Form Faktoru ( 1+k = 1.230 - Grigson, "),
            std::string::npos);
}

TEST(ModelScaleRun, ModelWaterOutsideTablesStopsTheRun) {
  test::TempDir dir;
  test::ShipFile f = resistance_only(25.0f);
  f.ship.ModelWaterTemp = 35.0f;
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  EXPECT_EQ(r.status, EXIT_CALC_STOP);
  EXPECT_NE(r.console.find(" MODEL DENEY SICAKLIGI TABLO DISI - STOP\n  T =   35.00 derece\n"),
            std::string::npos);
  EXPECT_EQ(r.results.find("MODEL DIRENC KARAKTERISTIKLERI"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path / MODEL_RESISTANCE_FILE));
}

}  // namespace
}  // namespace vdk
