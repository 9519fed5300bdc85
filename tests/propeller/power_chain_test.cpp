// Power chain, selected propeller and the hand-over to the propulsion
// characteristics.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "propeller/open_water.hpp"
#include "trial_fixture.hpp"

namespace vdk {
namespace {

using test::run_chain;
using test::run_trial;
using test::split_lines;
using test::TrialCase;

// Lines of `text` starting with the line equal to `first`, `count` of them.
std::vector<std::string> lines_from(const std::string& text, const std::string& first,
                                    std::size_t count) {
  const auto lines = split_lines(text);
  auto it = std::find(lines.begin(), lines.end(), first);
  if (lines.end() - it < static_cast<long>(count)) return {};
  return {it, it + static_cast<long>(count)};
}

// A given propeller (PropCase 4) set by hand: P/D 0.8, D 5 m, 120 rpm.
PowerChainInput given_propeller(const TrialCase& c) {
  TrialPropellerRecord tr;
  tr.routine.routine = PropellerRoutine::Given;
  // 10 KQ as the routine leaves it
  tr.sel = SelectedPropeller{0.6f, 0.2f, 0.045f, 0.45f, 0.6f, 0.8f, 120.0f, 9000.0f, 5.0f};
  tr.w = 0.25f;
  tr.t = 0.2f;
  tr.etaR = 1.0f;
  tr.Z = 4.7f;  // computed with as typed, printed truncated
  tr.EAR = 0.6f;
  tr.ow.ReD = 5.0f;
  tr.ow.ReVa = 7.0f;
  tr.ow.ReN = 120.0f;
  PowerChainInput in = c.chain_input(tr, 10000.0f);
  in.D = 5.0f;
  return in;
}

TEST(PowerChain, PowersAndSelectedPropellerOfAGivenPropeller) {
  const TrialCase c(4);
  const auto t = run_chain(c, given_propeller(c));
  ASSERT_EQ(t.status, -1) << t.con;
  const std::string& son = t.son;
  const PowerChainRecord& r = *t.chain;

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
  EXPECT_FLOAT_EQ(r.etad, 0.64f);
  EXPECT_FLOAT_EQ(r.sel.KQ, 0.045f);  // KQ itself from here on

  // The design point handed to the characteristics: JTR = 0.75*25*0.5144/(2*5),
  // thrust n^2 KT D^4 RHO/1000 = 512.5 kN, absorbed power as given.
  const auto frame =
      lines_from(son, "          WAGENINGEN B SERISI PERVANE ACIK SU KARAKTERISTIKLERI", 8);
  ASSERT_EQ(frame.size(), 8u);
  EXPECT_EQ(frame[2], "       | CAP - D (m)         =      5.00   |   J      =  0.9645  |");
  EXPECT_EQ(frame[3], "       | ITME - TH   (kN)    =    512.50   |   KT     =  0.2000  |");
  EXPECT_EQ(frame[4], "       | GUC - PD    (kW)    =   9000.00   |   10KQ   =  0.4500  |");
  EXPECT_EQ(frame[7], "       | KANAT SAYISI (Z)    =      5.     |   Ae     =  0.6000  |");
  EXPECT_FLOAT_EQ(r.JTR, 0.75f * 25.0f * 0.5144f / (2.0f * 5.0f));

  // The factors at every speed, the trial speed's in the framed block.
  ASSERT_EQ(r.WFT.size(), static_cast<std::size_t>(c.ship.NSPEED));
  for (std::size_t i = 0; i < r.WFT.size(); ++i) {
    EXPECT_GT(r.WFT[i], 0.1f) << i;
    EXPECT_GT(r.ThDF[i], 0.1f) << i;
    EXPECT_GT(r.ETAR[i], 0.9f) << i;
  }
  char wt[16];
  std::snprintf(wt, sizeof wt, "%6.4f", static_cast<double>(r.WFT[4]));
  EXPECT_NE(frame[6].find(std::string("WT     =  ") + wt), std::string::npos) << frame[6];
  // The run ends with the legend of the service table.
  EXPECT_EQ(lines.back(),
            "    Not: Transmisyon verimi Etatr =  0.980; PB - Makina gucune dahildir");
}

TEST(PowerChain, OptimumSearchIsReadAtTheTrialAdvanceRatio) {
  const TrialCase c;
  const auto trial = run_trial(c, "0.604\n4\nH\n");
  ASSERT_EQ(trial.status, -1);
  const TrialPropellerRecord& tr = *trial.prop;
  const auto t = run_chain(c, c.chain_input(tr, trial.thrust->PEtrial));
  ASSERT_EQ(t.status, -1);
  const PowerChainRecord& r = *t.chain;
  EXPECT_FLOAT_EQ(r.sel.J, r.JTR);
  EXPECT_FLOAT_EQ(r.sel.PD, r.PDTR);
  EXPECT_NE(r.sel.PD, tr.sel.PD);  // the optimum line at JTR, not the candidate's P/D

  // KT, KQ and ETA0 belong to JTR and PDTR, in the drag-correction context
  // of the trial propeller.
  OpenWaterState ow = tr.ow;
  ow.J = r.JTR;
  float Z = r.characteristics.Z;
  SERIES_KTKQ(ow, c.series(), r.PDTR, tr.EAR, Z);
  EXPECT_FLOAT_EQ(r.sel.KT, ow.KT);
  EXPECT_FLOAT_EQ(r.sel.KQ, ow.KQ);
  EXPECT_FLOAT_EQ(r.sel.ETA0, ow.ETA0);

  const float n = r.sel.N / 60.0f;
  const float D = r.D;
  EXPECT_FLOAT_EQ(D, 6.5f);
  const float RHO = c.ship.RHO;
  EXPECT_NEAR(r.PABS, 6.28318f * ow.KQ * RHO * n * n * D * D * D * D * D * n / 1000.0f, 0.05f);
  EXPECT_NEAR(r.THR, n * n * ow.KT * D * D * D * D * RHO / 1000.0f, 0.01f);
}

TEST(PowerChain, PitchSearchKeepsItsOperatingPoint) {
  TrialCase c(2);
  c.ship.N = 140.0f;
  const auto trial = run_trial(c, "0.638\n4\nH\n");
  ASSERT_EQ(trial.status, -1) << trial.con;
  const SelectedPropeller& before = trial.prop->sel;
  const auto t = run_chain(c, c.chain_input(*trial.prop, trial.thrust->PEtrial));
  const PowerChainRecord& r = *t.chain;
  EXPECT_FLOAT_EQ(r.sel.J, before.J);
  EXPECT_FLOAT_EQ(r.sel.KQ, before.KQ10 / 10.0f);
  EXPECT_FLOAT_EQ(r.PDTR, before.PD);
  EXPECT_FLOAT_EQ(r.PABS, before.Pd);
  char line[64];
  std::snprintf(line, sizeof line, "  MOMENT SABITI    -  10Kq  = %5.3f",
                static_cast<double>(before.KQ10));
  const auto lines = split_lines(t.son);
  EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

}  // namespace
}  // namespace vdk
