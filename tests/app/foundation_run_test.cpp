// Whole runs in a temporary folder: files, banner, run end, stops.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/run_sequence.hpp"
#include "core/stop.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::split_lines;

const char* const kBanner[5] = {
    " ------------------------------------------------------------------------",
    " !   VARDELONTEKSA 1.0  -  the VARDELONTEKSA developers                 !",
    " !                                                                      !",
    " !             GEMI GUC KARAKTERISTILERI HESAP PROGRAMI                 !",
    " ------------------------------------------------------------------------"};

test::ShipFile resistance_only() {
  test::ShipFile f = test::worked_example();
  f.ship.D = 0;
  f.ship.N = 0;
  f.ship.ModelScale = 0;
  return f;
}

TEST(WholeRun, BannerEchoRunEndAndClosingNotice) {
  test::TempDir dir;
  test::RunOutcome r = test::run_in(dir, test::ship_file_text(resistance_only()), "\n");
  ASSERT_EQ(r.status, EXIT_RUN_END) << r.console;

  auto con = split_lines(r.console);
  auto son = split_lines(r.results);
  ASSERT_GE(con.size(), 5u);
  ASSERT_GE(son.size(), 21u);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(con[k], kBanner[k]);
    EXPECT_EQ(son[k], kBanner[k]);
    EXPECT_EQ(con[k].size(), 73u);
  }

  // Console run end: author box, completion message, pause, stop.
  ASSERT_GE(con.size(), 16u);
  const std::size_t n = con.size();
  EXPECT_EQ(con[n - 1], "Stop - Program terminated.");
  EXPECT_EQ(con[n - 2], "Pause - Please enter a blank line (to continue) or a DOS command.");
  EXPECT_EQ(con[n - 3], "");
  EXPECT_EQ(con[n - 4], " PROGRAM CALISMASI TAMAMLANDI. BITIRMEK ICIN `ENTER` TUSUNA BASIN");
  EXPECT_EQ(con[n - 5], "");
  EXPECT_EQ(con[n - 6], "");
  EXPECT_EQ(con[n - 7], " " + std::string(53, '='));
  EXPECT_EQ(con[n - 13], " " + std::string(53, '='));
  for (std::size_t k = n - 12; k <= n - 8; ++k) {
    EXPECT_EQ(con[k].size(), 54u) << con[k];
    EXPECT_EQ(con[k].substr(0, 2), " |");
    EXPECT_EQ(con[k].back(), '|');
  }
  EXPECT_EQ(con[n - 14], "");
  EXPECT_EQ(con[n - 15], "");

  // Closing notice: five empty lines and the 16-line box, each 49 characters.
  const std::size_t m = son.size();
  EXPECT_EQ(son[m - 16], "     ------------------------------------------- ");
  EXPECT_EQ(son[m - 15], "    | BU PROGRAM TARAFIMDAN OGRENCILERE PROJE   |");
  EXPECT_EQ(son[m - 1], "    -------------------------------------------- ");
  for (std::size_t k = m - 16; k < m; ++k) EXPECT_EQ(son[k].size(), 49u) << son[k];
  for (std::size_t k = m - 21; k < m - 16; ++k) EXPECT_EQ(son[k], "");

  // The echo listing, and the spare echo file created empty.
  auto echo = split_lines(r.echo);
  EXPECT_EQ(echo.size(), 136u);
  ASSERT_TRUE(fs::exists(dir.path / "VARDELONTEKSB.CRL"));
  EXPECT_EQ(fs::file_size(dir.path / "VARDELONTEKSB.CRL"), 0u);
}

TEST(WholeRun, SecondRunReplacesResultsAndEcho) {
  test::TempDir dir;
  test::write_file(dir.path / "VARDELONTEKSA.SON", std::string(20000, '#') + "OLD-RESULTS");
  test::write_file(dir.path / "VARDELONTEKSA.CRL", std::string(20000, '#') + "OLD-ECHO");
  test::RunOutcome r = test::run_in(dir, test::ship_file_text(resistance_only()), "\n");
  EXPECT_EQ(r.status, EXIT_RUN_END);
  EXPECT_EQ(r.results.find("OLD-RESULTS"), std::string::npos);
  EXPECT_EQ(r.results.find("####"), std::string::npos);
  EXPECT_EQ(r.echo.find("OLD-ECHO"), std::string::npos);
  EXPECT_EQ(r.echo.find("####"), std::string::npos);
}

TEST(WholeRun, PauseIgnoresACommandAndEndOfInput) {
  test::TempDir dir;
  const std::string data = test::ship_file_text(resistance_only());
  test::RunOutcome typed = test::run_in(dir, data, "rm -rf /tmp/should-not-run\n");
  EXPECT_EQ(typed.status, EXIT_RUN_END);
  test::RunOutcome eof = test::run_in(dir, data, "");
  EXPECT_EQ(eof.status, EXIT_RUN_END);
  EXPECT_EQ(typed.results, eof.results);
}

TEST(WholeRun, MissingDataFileKeepsEarlierResults) {
  test::TempDir dir;
  test::write_file(dir.path / "VARDELONTEKSA.SON", "earlier results\n");
  std::istringstream in;
  std::ostringstream out;
  int status = RUN_VARDELONTEKSA(dir.path, in, out);
  EXPECT_EQ(status, EXIT_BAD_INPUT);
  EXPECT_NE(out.str().find("VARDELONTEKSA.TSK"), std::string::npos);
  EXPECT_NE(out.str().find("Stop - Program terminated."), std::string::npos);
  EXPECT_EQ(test::read_file(dir.path / "VARDELONTEKSA.SON"), "earlier results\n");
  EXPECT_FALSE(fs::exists(dir.path / "VARDELONTEKSA.CRL"));
}

TEST(WholeRun, DataFileThatIsAFolderIsReportedLikeAMissingOne) {
  test::TempDir dir;
  fs::create_directory(dir.path / "VARDELONTEKSA.TSK");
  test::write_file(dir.path / "VARDELONTEKSA.SON", "earlier results\n");
  std::istringstream in;
  std::ostringstream out;
  EXPECT_EQ(RUN_VARDELONTEKSA(dir.path, in, out), EXIT_BAD_INPUT);
  EXPECT_NE(out.str().find("VERI DOSYASI ACILAMADI: VARDELONTEKSA.TSK"), std::string::npos);
  EXPECT_EQ(test::read_file(dir.path / "VARDELONTEKSA.SON"), "earlier results\n");
}

TEST(WholeRun, TrialSpeedOutsideTheListStopsBeforeTheBanner) {
  test::TempDir dir;
  test::ShipFile f = resistance_only();
  f.ship.Vtrial = 27.01f;
  test::RunOutcome r = test::run_in(dir, test::ship_file_text(f));
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  EXPECT_EQ(r.results, "");
  EXPECT_EQ(split_lines(r.echo).size(), 57u);
  EXPECT_NE(r.console.find(
                "GIRILEN HIZ ARALIGI DISINDA GIRILDI - STOP\n\n\nStop - Program terminated.\n"),
            std::string::npos)
      << r.console;
  EXPECT_EQ(r.console.find("GEMI GUC"), std::string::npos);
}

TEST(WholeRun, RefusedValuesStopBeforeAnyCalculation) {
  test::TempDir dir;
  test::ShipFile f = resistance_only();
  f.ship.Cm = 0;
  test::RunOutcome r = test::run_in(dir, test::ship_file_text(f));
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  EXPECT_EQ(r.results, "");
  EXPECT_NE(r.console.find("Cm = 0.0000"), std::string::npos);
  EXPECT_EQ(split_lines(r.echo).size(), 136u);  // the whole file was read
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

// A fault of the program itself (here a console that throws when it runs
// dry) ends the run with the internal-error status, a message on standard
// error and the stop line, instead of terminating the process.
TEST(WholeRun, InternalErrorEndsWithItsOwnStatusAndTheStopLine) {
  test::TempDir dir;
  test::write_file(dir.path / "VARDELONTEKSA.TSK", test::ship_file_text(test::worked_example()));
  std::istringstream in("");
  in.exceptions(std::ios::eofbit | std::ios::failbit);
  std::ostringstream out, err;
  EXPECT_EQ(RUN_VARDELONTEKSA(dir.path, in, out, err), EXIT_INTERNAL);
  EXPECT_NE(err.str().find("internal error"), std::string::npos);
  const std::string con = out.str();
  EXPECT_EQ(con.substr(con.size() - 27), "Stop - Program terminated.\n");
}

}  // namespace
}  // namespace vdk
