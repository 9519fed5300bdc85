// Model-resistance file: banner, per-speed model values, measurement values
// over the model resistance list, inputs and water properties.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "report/water_report.hpp"
#include "support/test_support.hpp"
#include "water/water.hpp"

namespace vdk {
namespace {

using test::split_lines;

struct ModelCase {
  std::vector<float> Vs, CR;
  float K1 = 1.2f, lambda = 25.0f, S = 2000.0f, Lwl = 100.0f, temp = 15.0f;
};

ModelResistanceFile model_values(const ModelCase& c) {
  return MODEL_RESISTANCE_VALUES(c.Vs, c.CR, c.K1, c.lambda, c.S, c.Lwl, c.temp);
}

// The lines of the model-resistance file.
std::vector<std::string> run_model(const ModelCase& c) {
  const ModelResistanceFile m = model_values(c);
  EXPECT_FALSE(m.stop);
  std::ostringstream file;
  WRITE_MODEL_RESISTANCE_FILE(file, m);
  return split_lines(file.str());
}

// Index of the line equal to `text`, or -1.
int find_line(const std::vector<std::string>& lines, const std::string& text) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == text) return static_cast<int>(i);
  }
  return -1;
}

// Rows of the measurement block (between its second rule and the closing rule).
std::vector<std::string> measurement_rows(const std::vector<std::string>& lines) {
  const int title = find_line(lines, "          OLCUM DEGERLERI ");
  EXPECT_GE(title, 0);
  std::vector<std::string> rows;
  const std::string rule = " " + std::string(43, '-');
  for (std::size_t i = static_cast<std::size_t>(title) + 5; i < lines.size(); ++i) {
    if (lines[i] == rule) break;
    rows.push_back(lines[i]);
  }
  return rows;
}

TEST(ModelResistanceValues, BannerAndBlockOneWorkedRow) {
  ModelCase c;
  c.Vs = {15.0f};
  c.CR = {0.001f};
  const auto lines = run_model(c);
  ASSERT_GE(lines.size(), 12u);
  EXPECT_EQ(lines[0], " " + std::string(72, '-'));
  EXPECT_EQ(lines[1].size(), 73u);
  EXPECT_EQ(lines[1].substr(0, 2), " !");
  EXPECT_EQ(lines[1].back(), '!');
  EXPECT_NE(lines[1].find("BORELI-VANSK"), std::string::npos);
  EXPECT_EQ(lines[2], " !" + std::string(70, ' ') + "!");
  EXPECT_EQ(lines[3].size(), 73u);
  EXPECT_EQ(lines[3].substr(0, 15), " !" + std::string(13, ' '));
  EXPECT_NE(lines[3][15], ' ');
  EXPECT_EQ(lines[3].back(), '!');
  EXPECT_EQ(lines[4], " " + std::string(72, '-'));

  EXPECT_EQ(lines[5], "");
  EXPECT_EQ(lines[6], "");
  EXPECT_EQ(lines[7], "                    MODELE AIT DEGERLER  ");
  EXPECT_EQ(lines[8], " " + std::string(70, '-'));
  EXPECT_EQ(lines[9], " No   Vs    Vm      Fn      Rn     Cfm     Cvm     Cwm     Ctm     Rtm  ");
  EXPECT_EQ(lines[11], " " + std::string(70, '-'));
  // Nine reals: the model resistance takes the last F7.3, not the F6.1.
  EXPECT_EQ(lines[12], "  1 15.00  1.54   0.246   0.542   3.347   4.016   1.000   5.016   1.947 ");
  EXPECT_EQ(lines[13], " " + std::string(70, '-'));

  // A single speed leaves no resistance strictly inside the range.
  EXPECT_TRUE(measurement_rows(lines).empty());

  // Inputs and water properties: ship salt water at 15, model fresh water.
  EXPECT_NE(find_line(lines, " Model Olcegi..................: 1/ 25.0"), -1);
  EXPECT_NE(find_line(lines, " Form Faktoru - (1 + k) .......:  1.200 (tahmin)"), -1);
  EXPECT_NE(find_line(lines, " Su Hatti Boylari - m .........: 100.00 /  4.000"), -1);
  EXPECT_NE(find_line(lines, " Islak Yuzey Alani - m2 .......: 2000.0 /  3.200"), -1);
  EXPECT_NE(find_line(lines, " Su Sicakliklari - der. .......:   15.0 /   15.0"), -1);
  EXPECT_NE(find_line(lines, " Su Yogunluklari - kg/m3 ......: 1025.9 /  999.0"), -1);
  EXPECT_NE(find_line(lines, " Su Viskoziteleri - m2/s*10^6..:  1.188 /  1.139"), -1);
  EXPECT_EQ(lines.back(), "");
}

TEST(ModelResistanceValues, MeasurementRowsInsideTheRangeInListOrder) {
  ModelCase c;
  for (int v = 10; v <= 20; ++v) {
    c.Vs.push_back(static_cast<float>(v));
    c.CR.push_back(0.001f);
  }
  const auto lines = run_model(c);
  const auto rows = measurement_rows(lines);
  ASSERT_FALSE(rows.empty());
  // Model resistance at each speed from block 1 (last column).
  const int head = find_line(lines, "                    MODELE AIT DEGERLER  ");
  const float first = std::stof(lines[static_cast<std::size_t>(head) + 5].substr(63));
  const float last = std::stof(lines[static_cast<std::size_t>(head) + 15].substr(63));
  float previous = 0.0f;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EXPECT_EQ(std::stoi(rows[k].substr(1, 2)), static_cast<int>(k) + 1);
    const float rm = std::stof(rows[k].substr(12, 6));
    EXPECT_GT(rm, first);
    EXPECT_LT(rm, last);
    EXPECT_GT(rm, previous);
    previous = rm;
    // Ship speed of the measurement lies within the speed list.
    const float vs = std::stof(rows[k].substr(rows[k].size() - 6, 5));
    EXPECT_GT(vs, 10.0f);
    EXPECT_LT(vs, 20.0f);
  }
}

TEST(ModelResistanceValues, MeasurementRowReproducesItsSpeed) {
  // Model speeds read back at a listed resistance: the row's ship speed, Fn
  // and coefficient agree with the block-1 curve at that speed.
  ModelCase c;
  c.Vs = {14.0f, 15.0f, 16.0f};
  c.CR = {0.001f, 0.001f, 0.001f};
  const auto lines = run_model(c);
  const auto rows = measurement_rows(lines);
  // RtmKg runs from 1.713 to 2.194: list values 1.75, 1.8, 1.9, 2, 2.1.
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[0].substr(0, 3), "  1");
  EXPECT_EQ(rows[0].substr(12, 6), "  1.75");
  EXPECT_EQ(rows[4].substr(12, 6), "  2.10");
  // The row at 2.0 kg lies between 15 and 16 knots near 15.2.
  const std::string& r = rows[3];
  EXPECT_EQ(r.substr(12, 6), "  2.00");
  const float vs = std::stof(r.substr(r.size() - 6, 5));
  EXPECT_GT(vs, 15.0f);
  EXPECT_LT(vs, 15.5f);
  EXPECT_EQ(r, "  4  1.566    2.00    5.005    (0.250  15.22)");
}

TEST(ModelResistanceValues, ListValueAtTheEndOfTheRangeIsNotTabulated) {
  // Find a wetted surface that makes the smallest model resistance exactly
  // 2 kg, computed as the file computes it.
  ModelCase c;
  c.Vs = {15.0f, 17.0f};
  c.CR = {0.001f, 0.001f};
  const float g = 9.80665f;
  auto rtm_kg_first = [&](float S) {
    const float Fn = c.Vs[0] * 0.5144f / sqrtf(c.Lwl * g);
    const float Vm = sqrtf(c.Lwl * g / c.lambda) * Fn;
    const float Rnm = Vm * c.Lwl / c.lambda / (1.13902f / 1.0E6f);
    const float lg = log10f(Rnm) - 2.0f;
    const float Ctm = c.CR[0] + 0.075f / (lg * lg) * c.K1;
    return Vm * Vm * Ctm * (S / (c.lambda * c.lambda)) * 999.0f * 0.5f / g;
  };
  float S = 2000.0f * 2.0f / rtm_kg_first(2000.0f);
  for (int step = 0; step < 1000 && rtm_kg_first(S) != 2.0f; ++step) {
    S = std::nextafter(S, rtm_kg_first(S) < 2.0f ? 1e9f : 0.0f);
  }
  ASSERT_EQ(rtm_kg_first(S), 2.0f);
  c.S = S;
  const auto rows = measurement_rows(run_model(c));
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0].substr(12, 6), "  2.10");

  // Speeds whose model resistance falls: the range has no inside, no rows.
  ModelCase d;
  d.Vs = {17.0f, 15.0f};
  d.CR = {0.001f, 0.001f};
  const auto lines = run_model(d);
  EXPECT_TRUE(measurement_rows(lines).empty());
  const int title = find_line(lines, "          OLCUM DEGERLERI ");
  ASSERT_GE(title, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(title) + 1], " " + std::string(43, '-'));
  EXPECT_EQ(lines[static_cast<std::size_t>(title) + 4], " " + std::string(43, '-'));
  EXPECT_EQ(lines[static_cast<std::size_t>(title) + 5], " " + std::string(43, '-'));
}

TEST(ModelResistanceValues, RecordHoldsWhatTheFileShows) {
  ModelCase c;
  c.Vs = {14.0f, 15.0f, 16.0f};
  c.CR = {0.001f, 0.001f, 0.001f};
  const ModelResistanceFile m = model_values(c);
  ASSERT_EQ(m.speeds.size(), 3u);
  EXPECT_EQ(m.speeds[1].Vs, 15.0f);
  EXPECT_EQ(m.speeds[1].CR, 0.001f);
  EXPECT_EQ(m.speeds[1].Ctm, m.speeds[1].CR + m.speeds[1].Cvm);
  EXPECT_EQ(m.Lwl_model, 4.0f);
  EXPECT_EQ(m.S_model, 3.2f);
  EXPECT_EQ(m.ship_water.RHOW, WATER_PROPERTIES(0, 15.0f).RHOW);
  EXPECT_EQ(m.model_water.NU, WATER_PROPERTIES(1, 15.0f).NU);
  ASSERT_EQ(m.measurements.size(), 5u);
  EXPECT_EQ(m.measurements[3].Rtm_kg, 2.0f);

  // The same inputs give the same record.
  const ModelResistanceFile again = model_values(c);
  EXPECT_EQ(again.measurements[3].Vm, m.measurements[3].Vm);
  EXPECT_EQ(again.speeds[2].Rtm_kg, m.speeds[2].Rtm_kg);
}

TEST(ModelResistanceValues, ModelWaterOutsideTablesGivesTheStopAndOnlyTheBanner) {
  ModelCase c;
  c.Vs = {15.0f, 16.0f};
  c.CR = {0.001f, 0.001f};
  c.temp = 31.0f;
  const ModelResistanceFile m = model_values(c);
  ASSERT_TRUE(m.stop);
  EXPECT_EQ(m.stop->status, EXIT_CALC_STOP);
  EXPECT_TRUE(m.speeds.empty());
  std::ostringstream file;
  WRITE_MODEL_RESISTANCE_FILE(file, m);
  EXPECT_EQ(split_lines(file.str()).size(), 5u);
  std::ostringstream con;
  WRITE_MODEL_FILE_STOP(con, m);
  EXPECT_EQ(con.str(), "\n\n\n MODEL DENEY SICAKLIGI TABLO DISI - STOP\n  T =   31.00 derece\n");
}

}  // namespace
}  // namespace vdk
