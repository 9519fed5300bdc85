// Whole runs through the propulsion-factor stretch: too few speeds, a
// resistance-only run, and the other-method blocks of a propulsion run.
#include <gtest/gtest.h>

#include <string>

#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::RunOutcome;
using test::ShipFile;
using test::TempDir;

constexpr const char* kTooFew =
    "   HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ\n";
constexpr const char* kStopped = "        PROGRAM DURDURULDU\n";
constexpr const char* kSeaMargin = "   Deniz Marjini = % 15. alinmistir\n";
constexpr const char* kClosingTop = "     ------------------------------------------- \n";

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto p = text.find(part); p != std::string::npos; p = text.find(part, p + 1)) ++n;
  return n;
}

ShipFile with_speeds(ShipFile f, int n, float trial) {
  f.ship.NSPEED = n;
  for (int i = 1; i <= n; ++i) f.ship.Vs(i) = 20.0f + static_cast<float>(i);
  f.ship.Vtrial = trial;
  return f;
}

TEST(PropulsionFactorsRun, FourSpeedsWithDiameterEndNormallyWithMessage) {
  TempDir dir;
  const ShipFile f = with_speeds(test::worked_example(), 4, 23.0f);
  const RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  EXPECT_EQ(r.status, 0);
  // Results file: blank line, the two lines, then the closing notice.
  const auto at = r.results.find(std::string("\n") + kTooFew + kStopped);
  ASSERT_NE(at, std::string::npos);
  EXPECT_NE(r.results.find(kClosingTop, at), std::string::npos);
  // Console: the two lines, the run end and the stop line.
  EXPECT_NE(r.console.find(std::string(kTooFew) + kStopped), std::string::npos);
  EXPECT_NE(r.console.find("PROGRAM CALISMASI TAMAMLANDI."), std::string::npos);
  EXPECT_NE(r.console.find("Stop - Program terminated."), std::string::npos);
  // No propeller section follows (no dialogue prompt was needed).
  EXPECT_EQ(r.results.find("Deniz Marjini"), std::string::npos);
  // The other-method blocks were still written after the speed loop.
  EXPECT_EQ(count(r.results, "ANDERSENN&GULDHAMMER YONTEMI"), 1);
}

TEST(PropulsionFactorsRun, ResistanceOnlyRunWithThreeSpeedsEndsAfterSeaMargin) {
  TempDir dir;
  ShipFile f = with_speeds(test::worked_example(), 3, 22.0f);
  f.ship.D = 0;
  f.ship.N = 0;
  const RunOutcome r = test::run_in(dir, test::ship_file_text(f), "\n");
  EXPECT_EQ(r.status, 0);
  const auto sea = r.results.find(kSeaMargin);
  ASSERT_NE(sea, std::string::npos);
  EXPECT_EQ(r.results.find("HIZ SAYISI 4 den KUCUK"), std::string::npos);
  EXPECT_EQ(r.console.find("HIZ SAYISI 4 den KUCUK"), std::string::npos);
  // Nothing between the sea-margin line and the closing notice but its
  // leading empty lines.
  const std::string after = r.results.substr(sea + std::string(kSeaMargin).size());
  EXPECT_EQ(after.substr(0, 5 + std::string(kClosingTop).size()),
            std::string(5, '\n') + kClosingTop);
  // No propeller diameter: none of the other-method blocks.
  EXPECT_EQ(r.results.find("GULDHAMMER"), std::string::npos);
  EXPECT_EQ(r.results.find("Efektif Iz Katsayisi"), std::string::npos);
}

TEST(PropulsionFactorsRun, PropulsionRunWritesOtherMethodBlocksBeforeSummaryTables) {
  TempDir dir;
  const ShipFile f = test::worked_example();
  const RunOutcome r = test::run_in(dir, test::ship_file_text(f), "0.6\n4\nH\n\n\n\n");
  const std::string& s = r.results;
  const auto ag = s.find("  ANDERSENN&GULDHAMMER YONTEMI - SEVK KATSAYILARI    \n");
  const auto gh = s.find("  GULDHAMMER&HARWALD YONTEMI - SEVK KATSAYILARI      \n");
  const auto other = s.find("\n   Efektif Iz Katsayisi - w\n");
  const auto sea = s.find(kSeaMargin);
  ASSERT_NE(ag, std::string::npos);
  ASSERT_NE(gh, std::string::npos);
  ASSERT_NE(other, std::string::npos);
  ASSERT_NE(sea, std::string::npos);
  EXPECT_LT(ag, gh);
  EXPECT_LT(gh, other);
  const auto tables = s.find("HOLTROP - MENNEN GUC TAHMIN YONTEMI HESAP OZETI - I\n");
  ASSERT_NE(tables, std::string::npos);
  EXPECT_LT(other, tables);
  EXPECT_LT(tables, sea);
  // The block follows the last speed block (7 speeds) and shows the
  // ship's particulars: Lbp, Tmean, D, the volume for "Dep".
  const auto last_speed = s.find("  HESAP HIZI NO =  7\n");
  ASSERT_NE(last_speed, std::string::npos);
  EXPECT_LT(last_speed, ag);
  EXPECT_NE(s.find("   L  =  205.00000 m\n", ag), std::string::npos);
  EXPECT_NE(s.find("   D0  =    6.50000 m\n", ag), std::string::npos);
  const auto dep = s.find("  Dep = 37500. t\n", gh);
  EXPECT_LT(dep, other);
  EXPECT_EQ(count(s, "   0.165Cb(Dep^0.333/Dp)^0.5-0.1*(Fn-0.2) - Papmehl (HizaBagli)\n"),
            count(s, "DIGER YONTEMLERE AIT SEVK KATSAYILARI") + 1);
  EXPECT_EQ(s.find("HIZ SAYISI 4 den KUCUK"), std::string::npos);
}

}  // namespace
}  // namespace vdk
