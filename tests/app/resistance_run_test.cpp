// Whole resistance-only runs: the results file section by section, the
// wave-resistance correction, and the two calculation stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/stop.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::split_lines;

test::ShipFile resistance_only() {
  test::ShipFile f = test::worked_example();
  f.ship.D = 0;
  f.ship.N = 0;
  return f;
}

// Index of the first line equal to `text` at or after `from`, -1 when none.
int find_line(const std::vector<std::string>& lines, const std::string& text, int from = 0) {
  for (int i = from; i < static_cast<int>(lines.size()); ++i) {
    if (lines[static_cast<std::size_t>(i)] == text) return i;
  }
  return -1;
}

const std::string& at(const std::vector<std::string>& lines, int i) {
  static const std::string none = "<no line>";
  return i >= 0 && i < static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(i)] : none;
}

TEST(ResistanceRun, ResultsFileSectionBySection) {
  test::TempDir dir;
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(resistance_only()), "\n");
  ASSERT_EQ(r.status, EXIT_RUN_END) << r.console;
  const auto L = split_lines(r.results);

  // Banner, then the input summary.
  const int input = find_line(L, "                    GIRIS BILGILERI");
  ASSERT_EQ(input, 7);
  EXPECT_EQ(at(L, 4), " ------------------------------------------------------------------------");
  EXPECT_EQ(at(L, 5), std::string(60, '='));
  EXPECT_EQ(at(L, input + 4), "  SU HATTI BOYU     Lwl= 205.000 m");
  const int speeds = find_line(L, "          HIZ HESAPLAMA ARALIGI -(KNOTS) ", input);
  ASSERT_GT(speeds, input);
  EXPECT_EQ(at(L, speeds + 1), "                     1-  21.000");
  EXPECT_EQ(at(L, speeds + 7), "                     7-  27.000");
  EXPECT_EQ(at(L, speeds + 8), "          SEYIR TECRUBESI HIZI - Vseyir =   25.000 knots");
  const int apps = find_line(L, "     MEVCUT TAKINTILAR", speeds);
  ASSERT_GT(apps, speeds);
  EXPECT_EQ(at(L, apps + 3), "  1- TEK PERVANELI GEMI DUMENI         50.000         1.500");
  EXPECT_EQ(at(L, apps + 4), std::string(60, '-'));
  // No propeller given: no propeller block between the fluid and the heading.
  const int fluid = find_line(L, "  YERCEKIMI IVMESI - GRAV =   9.81000 m/sn2 ", apps);
  ASSERT_GT(fluid, apps);
  EXPECT_EQ(at(L, fluid + 1), std::string(60, '='));
  EXPECT_EQ(at(L, fluid + 2), std::string(60, '='));
  EXPECT_EQ(at(L, fluid + 3), "");

  // Output heading and the seven speed blocks in order.
  const int output = find_line(L, "                    CIKIS BILGILERI", fluid);
  ASSERT_EQ(output, fluid + 8);
  int block = output;
  for (int i = 1; i <= 7; ++i) {
    const int next = find_line(L, "  HESAP HIZI NO =  " + std::to_string(i), block);
    ASSERT_GT(next, block) << i;
    EXPECT_EQ(at(L, next - 1), "") << i;
    block = next;
  }
  // Speed 5 is the worked example at 25 knots; from speed 2 on the
  // estimated wetted surface counts as given.
  const int b5 = find_line(L, "  HESAP HIZI NO =  5", output);
  EXPECT_EQ(at(L, b5 + 1), "  GEMI HIZI -------------------------> VS = 25.00 knot");
  EXPECT_EQ(at(L, b5 + 12), "  GERCEK ISLAK YUZEY (Takinti Dahil) -> S =  7431.45 m2");
  const int rt5 = find_line(L, "  TOPLAM DIRENC - RTOTAL(kN)              = 1841.29 kN", b5);
  ASSERT_GT(rt5, b5);
  EXPECT_EQ(at(L, rt5 + 1), "  EFEKTIF GUC - PE(kW)                    = 23678.975 kW");
  EXPECT_EQ(at(L, rt5 + 2), std::string(60, '='));

  // Summary table I after the last block.
  const int summary =
      find_line(L, "          HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I", block);
  ASSERT_GT(summary, block);
  EXPECT_EQ(at(L, summary - 4), std::string(60, '='));  // end of block 7
  EXPECT_EQ(
      at(L, summary + 8),
      "  5 0.287 25.00  875.4 1068.5  541.8  222.0    8.8    0.0    0.0    0.0    0.0 1841.3 ");
  EXPECT_EQ(at(L, summary + 13), "        ACIKLAMALAR");

  // Uncorrected characteristics, then the note that no correction was made.
  const int orig =
      find_line(L, "              GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP", summary);
  ASSERT_GT(orig, summary);
  EXPECT_EQ(
      at(L, orig + 9),
      "  5  25.00    0.287    2.219    1.390    1.696    0.874    0.352    2.923  23678    0.48");
  EXPECT_EQ(at(L, orig + 12), " " + std::string(87, '='));
  EXPECT_EQ(at(L, orig + 14), " Dalga direnci duzeltmesi yapilmamistir.");
  EXPECT_EQ(find_line(L, "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP"), -1);

  // The model-scale section and the run end follow.
  const int model = find_line(L, "              MODEL DIRENC KARAKTERISTIKLERI", orig);
  EXPECT_GT(model, orig + 14);
  EXPECT_EQ(L.back(), "    -------------------------------------------- ");

  // Nothing of the resistance calculation goes to the console.
  EXPECT_EQ(r.console.find("HESAP HIZI"), std::string::npos);
}

TEST(ResistanceRun, CorrectedTableFollowsTheOriginal) {
  test::ShipFile f = resistance_only();
  f.ship.NCORR = 3;  // at 21, 24 and 27 knots
  f.ship.Fcorr(1) = 1.0f;
  f.ship.Fcorr(2) = 1.1f;
  f.ship.Fcorr(3) = 1.2f;
  test::TempDir dir;
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  ASSERT_EQ(r.status, EXIT_RUN_END) << r.console;
  const auto L = split_lines(r.results);
  const int orig = find_line(L, "              GEMI DIRENC KARAKTERISTIKLERI - ORJINAL HESAP");
  const int corr = find_line(L, "              GEMI DIRENC KARAKTERISTIKLERI - DUZENLENMIS HESAP");
  ASSERT_GT(orig, 0);
  ASSERT_EQ(corr, orig + 15);
  EXPECT_EQ(at(L, corr - 1), "");
  EXPECT_EQ(at(L, corr - 2), "");
  EXPECT_EQ(at(L, corr + 1), " " + std::string(87, '='));
  // Speed 1 keeps its values (factor 1); speed 4 has 1.1 * Cr.
  EXPECT_EQ(at(L, corr + 5), at(L, orig + 5));
  EXPECT_EQ(at(L, corr + 8).substr(0, 48), at(L, orig + 8).substr(0, 48));
  EXPECT_EQ(at(L, corr + 8).substr(48, 7), "  0.850");  // 1.1 * 0.7724
  EXPECT_EQ(at(L, corr + 12), " " + std::string(87, '='));
  EXPECT_EQ(r.results.find("yapilmamistir"), std::string::npos);
  // The model table takes the corrected residual resistance.
  const int model = find_line(L, "              MODEL DIRENC KARAKTERISTIKLERI", corr);
  ASSERT_GT(model, corr);
  EXPECT_EQ(at(L, model + 8).substr(48, 7), "  0.850");
}

TEST(ResistanceRun, PrismaticCoefficientStop) {
  test::ShipFile f = resistance_only();
  f.ship.Cm = 0.5f;  // CP = 0.572 / 0.5 > 1
  test::TempDir dir;
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  EXPECT_EQ(r.status, EXIT_CALC_STOP);
  const std::string msg =
      "  PRIZMATIK KATSAYI(Lpp YE GORE) ------> CP = 1.143, >1 OLDU. - STOP\n"
      "  CM DE YANLISLIK OLABILIR.- STOP\n"
      "  CB = 0.572  CM = 0.500 \n";
  EXPECT_NE(
      r.console.find(msg + "  BITIRMEK ICIN `ENTER`TUSUNA BASIN \nStop - Program terminated.\n"),
      std::string::npos)
      << r.console;
  // The results file ends with the message after the Froude number of speed 1.
  ASSERT_GE(r.results.size(), msg.size());
  EXPECT_EQ(r.results.substr(r.results.size() - msg.size()), msg);
  const auto L = split_lines(r.results);
  EXPECT_EQ(at(L, static_cast<int>(L.size()) - 4),
            "  FROUDE SAYISI ---------------------> Fn = 0.241");
  EXPECT_EQ(r.results.find("OZETI"), std::string::npos);
}

TEST(ResistanceRun, EmergedBulbStop) {
  test::ShipFile f = resistance_only();
  f.ship.HB = 11.0f;  // bulb centroid above the bow waterline
  test::TempDir dir;
  const test::RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  EXPECT_EQ(r.status, EXIT_CALC_STOP);
  EXPECT_NE(r.console.find("\n\n\n"
                           "  *** BALP ALAN MERK. YUKSEKLIGI ASIRI OLABILIR ***  \n"
                           "  HB= 11.000 m\n"
                           "  *** PROGRAM BURADA DURACAK ***\n"
                           "Pause - Please enter a blank line (to continue) or a DOS command.\n"
                           "Stop - Program terminated.\n"),
            std::string::npos)
      << r.console;
  // The results file stops inside speed block 1, after the wave
  // resistance, before the bulb line.
  const auto L = split_lines(r.results);
  EXPECT_EQ(L.back().substr(0, 44), "  DALGA DIRENCI ---------------------> Rw = ");
  EXPECT_EQ(r.results.find("Rbulb"), std::string::npos);
  EXPECT_EQ(r.results.find("HESAP HIZI NO =  2"), std::string::npos);
}

}  // namespace
}  // namespace vdk
