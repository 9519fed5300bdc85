// Complete propulsion runs: resistance, trial propeller with its dialogue,
// cavitation checks, power chain and propulsion characteristics, run end.
// Each run types an efficiency that the run confirms (found by a first run).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::RunOutcome;
using test::ShipFile;
using test::split_lines;
using test::TempDir;

struct Scenario {
  const char* name;
  std::function<void(ShipFile&)> change;
  const char* answers;                // etad, Z, E/H (and pauses)
  const char* routine_marker;         // a line of the propeller routine's report
  std::vector<std::string> selected;  // the SECILEN PERVANE lines after the title rule
  std::string trial_row;              // the 25-knot row of the service table
};

RunOutcome run_scenario(const Scenario& s) {
  ShipFile f = test::worked_example();
  if (s.change) s.change(f);
  TempDir dir;
  return test::run_in(dir, test::ship_file_text(f), s.answers);
}

// Index of the first line at or after `from` that contains `part`.
std::size_t find_line(const std::vector<std::string>& lines, const std::string& part,
                      std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i].find(part) != std::string::npos) return i;
  }
  return lines.size();
}

bool has_line(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The sections of a complete propulsion run, in the order they must appear.
void expect_section_order(const std::vector<std::string>& son, const std::string& routine) {
  const std::vector<std::string> markers{
      "GEMI GUC KARAKTERISTILERI HESAP PROGRAMI",
      "GIRIS BILGILERI",
      "CIKIS BILGILERI",
      "SEYIR TECRUBESI SARTLARINI SAGLAYAN OPTIMUM PERVANENIN TESPITI",
      "BASLANGIC ICIN VARSAYILAN etaD = ",
      "KELLER KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU",
      "========= GEREKEN PERVANE HESABI ========",
      routine,
      "HESAPLARDA ",  // the series message after the routine's report
      "BURRIL KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU",
      "WAGENINGEN KAVITASYON KRIT. GORE ACINIM ALANI KONTROLU",
      "KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU",
      "SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb",
      "          SECILEN PERVANE",
      "*** DIGER YONTEMLERE AIT SEVK KATSAYILARI",
      "SERISI PERVANE ACIK SU KARAKTERISTIKLERI",
      "SEVK KARAKTERISTIKLERI - MINIMUM SERVIS",
      "   RPM : Pervane devir sayisi - devir/dakika",
      "BU PROGRAM TARAFIMDAN OGRENCILERE PROJE",
  };
  std::size_t at = 0;
  for (const auto& m : markers) {
    const std::size_t found = find_line(son, m, at);
    ASSERT_LT(found, son.size()) << "missing or out of order: " << m;
    at = found + 1;
  }
  EXPECT_EQ(son.back(), "    -------------------------------------------- ");
}

void check_complete_run(const Scenario& s) {
  SCOPED_TRACE(s.name);
  const RunOutcome r = run_scenario(s);
  ASSERT_EQ(r.status, 0) << r.console.substr(r.console.size() > 3000 ? r.console.size() - 3000 : 0);
  const auto son = split_lines(r.results);
  const auto con = split_lines(r.console);
  expect_section_order(son, s.routine_marker);

  const std::size_t sel = find_line(son, "          SECILEN PERVANE");
  ASSERT_LT(sel + 1 + s.selected.size(), son.size());
  EXPECT_EQ(std::vector<std::string>(son.begin() + static_cast<long>(sel) + 2,
                                     son.begin() + static_cast<long>(sel + 2 + s.selected.size())),
            s.selected);
  // The service table in both copies holds the trial-speed row.
  EXPECT_TRUE(has_line(son, s.trial_row));
  EXPECT_TRUE(has_line(con, s.trial_row));

  // Console: the assumed and computed efficiencies agree to the printed digits,
  // then the run end.
  const std::size_t assumed = find_line(con, "  VARSAYILAN VERIM = ");
  ASSERT_LT(assumed + 1, con.size());
  EXPECT_EQ(con[assumed].substr(21), con[assumed + 1].substr(21));
  EXPECT_LT(find_line(con, "DEVAM ICIN 'ENTER' TUSUNA BASIN"),
            find_line(con, "PROGRAM CALISMASI TAMAMLANDI"));
  EXPECT_EQ(con.back(), "Stop - Program terminated.");
}

TEST(PropulsionRun, DiameterGivenSearchesTheOptimumRpm) {
  check_complete_run(
      {"PropCase 1",
       nullptr,
       "0.604\n4\nH\n\n\n",
       "Pervane Karakteristikleri - Kt/J^2 =  0.646",
       {"  DEVIR            -     N  =  137.585 RPM", "  KANAT SAYISI     -     Z  =    4",
        "  ILERLEME KATSAYISI   - J  = 0.624", "  ITME SABITI      -    Kt  = 0.248",
        "  MOMENT SABITI    -  10Kq  = 0.418", "  ACIK SU VERIMI   - ETA-0  = 0.588",
        "  PIC ORANI - P/D  - SABIT  = 1.067", "  ACINIM ALANI ORANI - EAR  = 1.027",
        "  PERVANE CAPI  - DIAM      =    6.500 m", "  HATVE MIKTARI  - P        =    6.935 m",
        "  ======================================================"},
       " | 25.000 |  23679 |0.198 |0.277 |1.110 |0.976 |0.594 |0.643 |  37562 | "
       "136.0 |"});
}

TEST(PropulsionRun, DiameterAndRpmGivenFindThePitch) {
  check_complete_run(
      {"PropCase 2",
       [](ShipFile& f) { f.ship.N = 140.0f; },
       "0.638\n4\nH\n\n\n",
       " Z = 4. EAR = 1.027 D =  6.500 m P/D =  1.022",
       {"  DEVIR            -     N  =  140.000 RPM", "  KANAT SAYISI     -     Z  =    4",
        "  ILERLEME KATSAYISI   - J  = 0.602", "  ITME SABITI      -    Kt  = 0.234",
        "  MOMENT SABITI    -  10Kq  = 0.380", "  ACIK SU VERIMI   - ETA-0  = 0.589",
        "  PIC ORANI - P/D  - SABIT  = 1.022", "  ACINIM ALANI ORANI - EAR  = 1.027",
        "  PERVANE CAPI  - DIAM      =    6.500 m", "  HATVE MIKTARI  - P        =    6.641 m"},
       " | 25.000 |  23679 |0.198 |0.277 |1.110 |0.976 |0.597 |0.646 |  37393 | "
       "140.5 |"});
}

TEST(PropulsionRun, RpmGivenSearchesTheOptimumDiameter) {
  const Scenario s{
      "PropCase 3",
      [](ShipFile& f) {
        f.ship.D = 0.0f;
        f.ship.N = 90.0f;
      },
      "0.640\n4\nH\n\n\n",
      "Pervane Karakteristikleri - Kt/J^4 = ",
      {"  DEVIR            -     N  =   90.000 RPM", "  KANAT SAYISI     -     Z  =    4",
       "  ILERLEME KATSAYISI   - J  = 0.830", "  ITME SABITI      -    Kt  = 0.344",
       "  MOMENT SABITI    -  10Kq  = 0.718", "  ACIK SU VERIMI   - ETA-0  = 0.633",
       "  PIC ORANI - P/D  - SABIT  = 1.408", "  ACINIM ALANI ORANI - EAR  = 1.597",
       "  PERVANE CAPI  - DIAM      =    7.527 m", "  HATVE MIKTARI  - P        =   10.595 m"},
      " | 25.000 |  23679 |0.192 |0.271 |1.108 |0.942 |0.643 |0.672 |  35952 |  "
      "87.4 |"};
  check_complete_run(s);
  // The diameter note is shown for this case only.
  const RunOutcome r = run_scenario(s);
  EXPECT_NE(r.console.find("    Onemli Not:Kullanilan optimizasyon secenegi geregi olarak\n"),
            std::string::npos);
  EXPECT_NE(r.results.find("       | CAP - D (m)         =      7.53   |   J      =  0.8303  |\n"),
            std::string::npos);
}

TEST(PropulsionRun, FullyGivenPropellerOperatingPoint) {
  check_complete_run(
      {"PropCase 4",
       [](ShipFile& f) {
         f.ship.N = 140.0f;
         f.ship.PD = 1.0f;
       },
       "0.608\n4\nH\n\n\n",
       " BELIRLENEN PERVANE KULLANILMISTIR.",
       {"  DEVIR            -     N  =  140.000 RPM", "  KANAT SAYISI     -     Z  =    4",
        "  ILERLEME KATSAYISI   - J  = 0.602", "  ITME SABITI      -    Kt  = 0.224",
        "  MOMENT SABITI    -  10Kq  = 0.383", "  ACIK SU VERIMI   - ETA-0  = 0.562",
        "  PIC ORANI - P/D  - SABIT  = 1.000", "  ACINIM ALANI ORANI - EAR  = 1.027",
        "  PERVANE CAPI  - DIAM      =    6.500 m", "  HATVE MIKTARI  - P        =    6.500 m"},
       " | 25.000 |  23679 |0.198 |0.277 |1.110 |0.976 |0.598 |0.647 |  37328 | "
       "142.8 |"});
}

TEST(PropulsionRun, GawnSeriesRunsThreeBladed) {
  const Scenario s{
      "SERIES 2",
      [](ShipFile& f) { f.ship.SERIES = 2; },
      "0.619\n4\nH\n\n\n",
      "Pervane Karakteristikleri - Kt/J^2 = ",
      {"  DEVIR            -     N  =  150.923 RPM", "  KANAT SAYISI     -     Z  =    3",
       "  ILERLEME KATSAYISI   - J  = 0.569", "  ITME SABITI      -    Kt  = 0.206",
       "  MOMENT SABITI    -  10Kq  = 0.306", "  ACIK SU VERIMI   - ETA-0  = 0.610",
       "  PIC ORANI - P/D  - SABIT  = 0.893", "  ACINIM ALANI ORANI - EAR  = 0.927"},
      " | 25.000 |  23679 |0.198 |0.277 |1.110 |0.982 |0.616 |0.671 |  36006 | "
      "149.3 |"};
  check_complete_run(s);
  const RunOutcome r = run_scenario(s);
  EXPECT_NE(r.results.find("\n              GAWN SERISI PERVANE ACIK SU KARAKTERISTIKLERI\n"),
            std::string::npos);
  EXPECT_NE(r.results.find("\n HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR\n"),
            std::string::npos);
}

TEST(PropulsionRun, TwinScrewSharesThrustAndPower) {
  const Scenario s{
      "NPROP 2",
      [](ShipFile& f) { f.ship.NPROP = 2; },
      "0.690\n4\nH\n\n\n",
      "Pervane Karakteristikleri - Kt/J^2 = ",
      {"  DEVIR            -     N  =   99.839 RPM", "  KANAT SAYISI     -     Z  =    4",
       "  ILERLEME KATSAYISI   - J  = 1.066", "  ITME SABITI      -    Kt  = 0.211",
       "  MOMENT SABITI    -  10Kq  = 0.485", "  ACIK SU VERIMI   - ETA-0  = 0.740",
       "  PIC ORANI - P/D  - SABIT  = 1.421", "  ACINIM ALANI ORANI - EAR  = 0.569"},
      " | 25.000 |  23679 |0.099 |0.103 |1.005 |0.950 |0.745 |0.711 |  33976 |  "
      "98.8 |"};
  check_complete_run(s);
  const RunOutcome r = run_scenario(s);
  const auto son = split_lines(r.results);
  EXPECT_TRUE(has_line(son, "    Pervane Sayisi - NPROP =  2"));
  // Engine power of two propellers: an even number in every service row.
  const std::size_t title = find_line(son, "SEVK KARAKTERISTIKLERI - MINIMUM SERVIS");
  for (std::size_t i = title + 4; i < title + 11; ++i) {
    ASSERT_LT(i, son.size());
    EXPECT_EQ(std::stol(son[i].substr(62, 7)) % 2, 0) << son[i];
  }
}

TEST(PropulsionRun, PoddedDriveNotesTheCorrection) {
  const Scenario s{"IPOD 1",
                   [](ShipFile& f) { f.ship.IPOD = 1; },
                   "0.619\n4\nH\n\n\n",
                   "Pervane Karakteristikleri - Kt/J^2 = ",
                   {"  DEVIR            -     N  =  138.685 RPM",
                    "  KANAT SAYISI     -     Z  =    4", "  ILERLEME KATSAYISI   - J  = 0.819"},
                   " | 25.000 |  23679 |0.069 |0.043 |0.973 |0.981 |0.681 |0.650 |  37154 | "
                   "138.6 |"};
  check_complete_run(s);
  const RunOutcome r = run_scenario(s);
  const auto son = split_lines(r.results);
  const std::size_t note = find_line(son, " Not: Sevk Katsayilarinda POD lu pervane duzeltmes i");
  ASSERT_LT(note + 4, son.size());
  EXPECT_EQ(son[note + 1], "    Kaynak: A Parametric power prediction model for t ractor pods.");
  EXPECT_EQ(son[note + 3], "    Delft University of Technology");
  EXPECT_EQ(son[note + 4], "    Ship Hydromechanics Lab. Report No: 1545-P, 2006 ");
}

TEST(PropulsionRun, ControllablePitchPropeller) {
  const Scenario s{"C.P. propeller",
                   [](ShipFile& f) {
                     f.ship.CPPropeller = 1.0f;
                     f.ship.N = 140.0f;
                   },
                   "0.622\n4\nH\n\n\n",
                   " Z = 4. EAR = 1.027 D =  6.500 m P/D =  1.030",
                   {"  DEVIR            -     N  =  140.000 RPM",
                    "  KANAT SAYISI     -     Z  =    4", "  ILERLEME KATSAYISI   - J  = 0.602",
                    "  ITME SABITI      -    Kt  = 0.234", "  MOMENT SABITI    -  10Kq  = 0.390",
                    "  ACIK SU VERIMI   - ETA-0  = 0.574", "  PIC ORANI - P/D  - SABIT  = 1.030"},
                   " | 25.000 |  23679 |0.198 |0.277 |1.110 |0.976 |0.581 |0.630 |  38383 | "
                   "140.5 |"};
  check_complete_run(s);
  const RunOutcome r = run_scenario(s);
  EXPECT_NE(r.results.find("\n (HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR)    \n"),
            std::string::npos);
  EXPECT_NE(r.console.find("\n HESAPLARDA C.P. PERVANE DUZELTMESI YAPILMISTIR\n"),
            std::string::npos);
}

TEST(PropulsionRun, EfficiencyMismatchStopsAfterTheTipVortexBlock) {
  const RunOutcome r = run_scenario({"mismatch", nullptr, "0.75\n4\nH\n\n", "", {}, ""});
  EXPECT_EQ(r.status, 3);
  const auto son = split_lines(r.results);
  ASSERT_GE(son.size(), 6u);
  EXPECT_EQ(son[son.size() - 4], "  KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU");
  EXPECT_EQ(son[son.size() - 2], "  Vtip = 46.825 m/s  (Vtip-Kanat ucu hizi<30 m/s olmali)");
  EXPECT_EQ(son.back(), "  ======================================================");
  const std::string tail =
      "  ETAD = 0.604 YE YAKIN BIR DEGER ILE YENIDEN BASLATMAK GEREKIR - STOP\n"
      "\n"
      "\n"
      "Pause - Please enter a blank line (to continue) or a DOS command.\n"
      "Stop - Program terminated.\n";
  ASSERT_GE(r.console.size(), tail.size());
  EXPECT_EQ(r.console.substr(r.console.size() - tail.size()), tail);
}

TEST(PropulsionRun, UnreadableAnswerEndsWithStatus1) {
  const RunOutcome r = run_scenario({"bad answer", nullptr, "0.6\nvier\n", "", {}, ""});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.console.find("\n    CEVAP OKUNAMADI - Z ICIN BIR SAYI GEREKIR - STOP\n"
                           "Stop - Program terminated.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace vdk
