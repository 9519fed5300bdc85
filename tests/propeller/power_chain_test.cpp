// Power chain, selected propeller and the hand-over to the propulsion
// characteristics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/legacy_propeller.hpp"
#include "propeller/open_water.hpp"
#include "trial_fixture.hpp"

namespace vdk {
namespace {

using test::split_lines;
using test::TrialRun;

// Lines of `text` starting with the line equal to `first`, `count` of them.
std::vector<std::string> lines_from(const std::string& text, const std::string& first,
                                    std::size_t count) {
  const auto lines = split_lines(text);
  auto it = std::find(lines.begin(), lines.end(), first);
  if (lines.end() - it < static_cast<long>(count)) return {};
  return {it, it + static_cast<long>(count)};
}

// A given propeller (PropCase 4) set by hand: P/D 0.8, D 5 m, 120 rpm.
void given_propeller_state(TrialRun& t) {
  vdk::Run& r = t.run;
  r.ship.D = 5.0f;
  r.pr.J = 0.6f;
  r.pr.KT = 0.2f;
  r.pr.KQ10 = 0.45f;  // 10 KQ as the routine leaves it
  r.pr.ETA0 = 0.6f;
  r.pr.PD = 0.8f;
  r.pr.N = 120.0f;
  r.pr.Pd = 9000.0f;
  r.pr.D = 5.0f;
  r.prop.PEtrial = 10000.0f;
  r.prop.w = 0.25f;
  r.prop.t = 0.2f;
  r.prop.etaR = 1.0f;
  r.prop.Z = 4.7f;  // computed with as typed, printed truncated
  r.prop.EAR = 0.6f;
  r.ow.ReD = 5.0f;
  r.ow.ReVa = 7.0f;
  r.ow.ReN = 120.0f;
}

TEST(PowerChain, PowersAndSelectedPropellerOfAGivenPropeller) {
  TrialRun t("\n", 4);
  given_propeller_state(t);
  t.step(POWER_CHAIN);
  ASSERT_EQ(t.status, -1) << t.con.str();
  const std::string son = t.son.str();

  // etad = (0.8/0.75) 0.6 1.0 = 0.64; Pb = 10000/(0.64 0.98).
  const std::vector<std::string> chain{
      "  ======================================================",
      "  SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb ",
      "  Pb = Pe(trial)/(etad*etas) = 10000.00/(0.640*0.980)=> ",
      "     = 15943.88 kW",
      "  HESAPLANAN GEREKLI MAKINA GUCU - Pbm",
      "  Pbm = Pb(trial)/(%MCR) = 15943.88/(0.85) = 18757.50 kW",
      "  PERVANEYE VERILEN GUC - Pbdeliv",
      "  Pbd = Pb(trial)*(etas) = 15943.88*(0.98) = 15625.00 kW",
      "  ......................................................",
      "        ACIKLAMALAR",
      "   etad : Genel Sevk Verimi = etah  * eta0  *  etarr ",
      "                            = 1.067 * 0.600 * 1.000",
      "   etas : transmisyon verimi (saft kayiplari)",
      "   %MCR : Maximum surekli devir (max. cont.rate",
      "  ======================================================",
      "",
      "",
      "  ======================================================",
      "          SECILEN PERVANE",
      "  ======================================================",
      "  DEVIR            -     N  =  120.000 RPM",
      "  KANAT SAYISI     -     Z  =    4",
      "  ILERLEME KATSAYISI   - J  = 0.600",
      "  ITME SABITI      -    Kt  = 0.200",
      "  MOMENT SABITI    -  10Kq  = 0.450",
      "  ACIK SU VERIMI   - ETA-0  = 0.600",
      "  PIC ORANI - P/D  - SABIT  = 0.800",
      "  ACINIM ALANI ORANI - EAR  = 0.600",
      "  PERVANE CAPI  - DIAM      =    5.000 m",
      "  HATVE MIKTARI  - P        =    4.000 m",
      "  ======================================================",
      "",
      "",
      " *** DIGER YONTEMLERE AIT SEVK KATSAYILARI  ****",
  };
  const auto lines = split_lines(son);
  ASSERT_GE(lines.size(), chain.size() + 3);
  EXPECT_EQ(lines[0], "");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.begin() + 3 + chain.size()), chain);
  EXPECT_FLOAT_EQ(t.run.prop.etad, 0.64f);
  EXPECT_FLOAT_EQ(t.run.pr.KQ10, 0.045f);  // KQ itself from here on

  // The design point handed to the characteristics: JTR = 0.75*25*0.5144/(2*5),
  // thrust n^2 KT D^4 RHO/1000 = 512.5 kN, absorbed power as given.
  const auto frame =
      lines_from(son, "          WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI", 8);
  ASSERT_EQ(frame.size(), 8u);
  EXPECT_EQ(frame[2], "       | CAP - D (m)         =      5.00   |   J      =  0.9645  |");
  EXPECT_EQ(frame[3], "       | ITME - TH   (kN)    =    512.50   |   KT     =  0.2000  |");
  EXPECT_EQ(frame[4], "       | GUC - PD    (kW)    =   9000.00   |   10KQ   =  0.4500  |");
  EXPECT_EQ(frame[7], "       | KANAT SAYISI (Z)    =      5.     |   Ae     =  0.6000  |");
  EXPECT_FLOAT_EQ(t.run.prop.JTR, 0.75f * 25.0f * 0.5144f / (2.0f * 5.0f));

  // The factors at every speed, the trial speed's in the framed block.
  for (int i = 1; i <= t.run.ship.NSPEED; ++i) {
    EXPECT_GT(t.run.sp.WFT(i), 0.1f) << i;
    EXPECT_GT(t.run.sp.ThDF(i), 0.1f) << i;
    EXPECT_GT(t.run.sp.ETAR(i), 0.9f) << i;
  }
  char wt[16];
  std::snprintf(wt, sizeof wt, "%6.4f", static_cast<double>(t.run.sp.WFT(5)));
  EXPECT_NE(frame[6].find(std::string("WT     =  ") + wt), std::string::npos) << frame[6];
  // The run ends with the legend of the service table.
  EXPECT_EQ(lines.back(),
            "    Not: Transmisyon verimi Etatr =  0.980; PB - Makina gucune dahildir");
}

TEST(PowerChain, OptimumSearchIsReadAtTheTrialAdvanceRatio) {
  TrialRun t("0.604\n4\nH\n");
  t.step(TRIAL_PROPELLER);
  ASSERT_EQ(t.status, -1);
  const float searchPD = t.run.pr.PD;
  const OpenWaterState context = t.run.ow;  // drag-correction context of the trial propeller
  t.step(POWER_CHAIN);
  ASSERT_EQ(t.status, -1);
  const vdk::Run& r = t.run;
  EXPECT_FLOAT_EQ(r.pr.J, r.prop.JTR);
  EXPECT_FLOAT_EQ(r.pr.PD, r.prop.PDTR);
  EXPECT_NE(r.pr.PD, searchPD);  // the optimum line at JTR, not the candidate's P/D

  // KT, KQ and ETA0 belong to JTR and PDTR.
  OpenWaterState ow = context;
  ow.J = r.prop.JTR;
  float Z = r.prop.Z;
  SERIES_KTKQ(ow, r.series(), r.prop.PDTR, r.prop.EAR, Z);
  EXPECT_FLOAT_EQ(r.pr.KT, ow.KT);
  EXPECT_FLOAT_EQ(r.pr.KQ10, ow.KQ);
  EXPECT_FLOAT_EQ(r.pr.ETA0, ow.ETA0);

  const float n = r.pr.N / 60.0f;
  const float D = r.ship.D;
  EXPECT_NEAR(r.prop.PABS, 6.28318f * ow.KQ * r.ship.RHO * n * n * D * D * D * D * D * n / 1000.0f,
              0.05f);
  EXPECT_NEAR(r.prop.THR, n * n * ow.KT * D * D * D * D * r.ship.RHO / 1000.0f, 0.01f);
}

TEST(PowerChain, PitchSearchKeepsItsOperatingPoint) {
  TrialRun t("0.638\n4\nH\n", 2);
  t.run.ship.N = 140.0f;
  t.step(TRIAL_PROPELLER);
  ASSERT_EQ(t.status, -1) << t.con.str();
  const PropellerResult before = t.run.pr;
  t.step(POWER_CHAIN);
  const vdk::Run& r = t.run;
  EXPECT_FLOAT_EQ(r.pr.J, before.J);
  EXPECT_FLOAT_EQ(r.pr.KQ10, before.KQ10 / 10.0f);
  EXPECT_FLOAT_EQ(r.prop.PDTR, before.PD);
  EXPECT_FLOAT_EQ(r.prop.PABS, before.Pd);
  char line[64];
  std::snprintf(line, sizeof line, "  MOMENT SABITI    -  10Kq  = %5.3f",
                static_cast<double>(before.KQ10));
  const auto lines = split_lines(t.son.str());
  EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

}  // namespace
}  // namespace vdk
