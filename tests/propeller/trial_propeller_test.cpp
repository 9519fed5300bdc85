// The trial-condition dialogue, the propeller routine of the PropCase and
// the efficiency test.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "app/legacy_propeller.hpp"
#include "trial_fixture.hpp"

namespace vdk {
namespace {

using test::split_lines;
using test::TrialRun;

bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

bool has_line(const std::string& text, const std::string& line) {
  const auto lines = split_lines(text);
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string shortest(float v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

// The computed efficiency of the example with four blades and Keller's area.
float computed_efficiency() {
  TrialRun t("0.6\n4\nH\n");
  t.step(TRIAL_PROPELLER);
  return t.run.prop.etadc;
}

const char* const ETAD_PROMPT = "    BASLANGIC ICIN GENEL VERIMI GIRIN - etad ==> (0.50-0.70)";
const char* const Z_PROMPT = "    PERVANE KANAT SAYISINI (Z) GIRIN";
const char* const EH_QUESTION = "    DUZLENMIS ACINIM ALANINI DEGISTIRMEK ISTER MISINIZ (E / H)";
const char* const EAR_PROMPT = "  PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN";

TEST(TrialPropeller, ConvergedDialogueAndReport) {
  TrialRun t("0.604\n4\nH\n");
  t.step(TRIAL_PROPELLER);
  ASSERT_EQ(t.status, -1) << t.con.str();
  const std::string con = t.con.str();
  const std::string son = t.son.str();

  // Dialogue order on the console.
  const std::vector<std::string> order{ETAD_PROMPT,
                                       Z_PROMPT,
                                       "    KELLER FORMULUNE GORE GEREKLI ACINIM ALANI ORANI - Ear "
                                       "= 1.027",
                                       EH_QUESTION,
                                       "   ========= GEREKEN PERVANE HESABI ======== ",
                                       " SECILEN PERVANE = 55. PERVANEDIR",
                                       "  BURRIL KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU",
                                       "  PERVANEYE CAPI = 6.500 m dir",
                                       "  VARSAYILAN VERIM = 0.604",
                                       "  HESAPLANAN VERIM = 0.604"};
  std::size_t pos = 0;
  for (const auto& line : order) {
    const auto at = con.find("\n" + line + "\n", pos);
    ASSERT_NE(at, std::string::npos) << line;
    pos = at + 1;
  }
  EXPECT_FALSE(contains(con, EAR_PROMPT));
  EXPECT_FALSE(contains(con, "Onemli Not"));

  // The results file: heading, the derivation of the thrust, Keller, search.
  const std::vector<std::string> head{
      "",
      "",
      "",
      " ================================================================",
      "  SEYIR TECRUBESI SARTLARINI SAGLAYAN OPTIMUM PERVANENIN TESPITI",
      " ================================================================",
      "  (Pervane seyir tecrubesi sirasinda makinadan aldigi gucu",
      "   absorbe etmelidir. Boylece optimum devir (RPM) maximum",
      "   pervane verimine karsi gelir.)",
      " ================================================================",
      "    BASLANGIC ICIN VARSAYILAN etaD = 0.604  OLARAK ALINMISTIR",
      "    Pd = Pe/etad = 23679.00/0.604 = 39203.64 kW",
      "    Va = Vs(trial)*(1-w) = 25.000*(1 -0.291) = 17.734 knots",
      "    Pervane Sayisi - NPROP =  1",
      "    Rt = Pe/(0.5144*Vs) = 23679.00/(0.5144*25.000) =  1841.29 kN",
      "    T  = ( Rt/(1-t) ) / Nprop = ( 1841.29/(1-0.209) ) /  1 =  2328.47 kN",
      "",
      "",
      "",
      "",
      "",
      "",
      "  ======================================================",
      "  KELLER KAVITASYON KRITERINE GORE ACINIM ALANI KONTROLU",
      "  ======================================================",
      "  Mevcut EAR =  1.027 /         Keller EAR =  1.027",
      "  ======================================================",
      "",
      "",
      "   ========= GEREKEN PERVANE HESABI ======== ",
  };
  const auto lines = split_lines(son);
  ASSERT_GE(lines.size(), head.size());
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + head.size()), head);
  EXPECT_TRUE(has_line(son, " T=   2328.47 kN  Va=   9.122 m/s  RHO = 1025.0 kg/m3"));
  // The results file ends with the tip-vortex block.
  EXPECT_EQ(lines.back(), "  ======================================================");
  EXPECT_EQ(lines[lines.size() - 2].rfind("  Vtip = ", 0), 0u);

  // The propeller found, its drag-correction context and the new factors.
  const vdk::Run& r = t.run;
  EXPECT_FLOAT_EQ(r.pr.D, 6.5f);
  EXPECT_GT(r.pr.N, 130.0f);
  EXPECT_FLOAT_EQ(r.ow.ReD, 6.5f);
  EXPECT_FLOAT_EQ(r.ow.ReN, r.pr.N);
  EXPECT_FLOAT_EQ(r.ow.ReVa, r.prop.Va * 0.5144f);
  EXPECT_NEAR(r.prop.etadc, (1 - r.prop.t) / (1 - r.prop.w) * r.pr.ETA0 * r.prop.etaR, 1e-6f);
  EXPECT_NE(r.prop.w, 0.29f);  // recomputed for the chosen propeller
}

TEST(TrialPropeller, EfficiencyTestStopsWithStatus3) {
  const float etadc = computed_efficiency();
  // Within 0.01 either way the run goes on; beyond it stops.
  for (float d : {-0.009f, 0.009f}) {
    TrialRun t(shortest(etadc + d) + "\n4\nH\n");
    t.step(TRIAL_PROPELLER);
    EXPECT_EQ(t.status, -1) << d;
  }
  for (float d : {-0.011f, 0.011f}) {
    TrialRun t(shortest(etadc + d) + "\n4\nH\n");
    t.step(TRIAL_PROPELLER);
    EXPECT_EQ(t.status, EXIT_EFFICIENCY) << d;
  }

  TrialRun t("0.75\n4\nH\n");
  t.step(TRIAL_PROPELLER);
  EXPECT_EQ(t.status, EXIT_EFFICIENCY);
  EXPECT_TRUE(t.paused);
  const std::string tail =
      "  HESAPLANAN VERIM = 0.604\n"
      "\n"
      "\n"
      "  VARSAYILAN VERIM = 0.750 ILE HESAPLANAN VERIM 0.604\n"
      "  BIRBIRLERINDEN FARKLI CIKTIGI ICIN PROGRAMI \n"
      "  ETAD = 0.604 YE YAKIN BIR DEGER ILE YENIDEN BASLATMAK GEREKIR - STOP\n"
      "\n"
      "\n";
  const std::string con = t.con.str();
  ASSERT_GE(con.size(), tail.size());
  EXPECT_EQ(con.substr(con.size() - tail.size()), tail);
  const auto son = split_lines(t.son.str());
  EXPECT_EQ(son[son.size() - 4], "  KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU");
}

TEST(TrialPropeller, AnswerEReplacesTheAreaRatioAndHKeepsKellers) {
  for (const char* yes : {"e", "E"}) {
    TrialRun t(std::string("0.6\n4\n") + yes + "\n0.9\n");
    t.step(TRIAL_PROPELLER);
    EXPECT_NE(t.status, EXIT_BAD_INPUT);
    EXPECT_TRUE(has_line(t.con.str(), EAR_PROMPT));
    EXPECT_TRUE(has_line(t.son.str(), "  Mevcut EAR =  0.900 /         Keller EAR =  1.027"));
    EXPECT_TRUE(has_line(t.son.str(), " Z = 4. EAR = 0.900 D =  6.500 m"));
    EXPECT_FLOAT_EQ(t.run.prop.EAR, 0.9f);
    EXPECT_NEAR(t.run.prop.EARK, 1.027f, 5e-4f);
  }
  for (const char* no : {"h", "H", "", "X"}) {
    TrialRun t(std::string("0.6\n4\n") + no + "\n");
    t.step(TRIAL_PROPELLER);
    EXPECT_EQ(t.status, -1) << no;
    EXPECT_FALSE(has_line(t.con.str(), EAR_PROMPT)) << no;
    EXPECT_TRUE(has_line(t.son.str(), "  Mevcut EAR =  1.027 /         Keller EAR =  1.027"));
    EXPECT_EQ(t.run.prop.EAR, t.run.prop.EARK);
  }
}

TEST(TrialPropeller, UnusableAnswersStopWithStatus1) {
  struct Case {
    const char* answers;
    const char* message;
  };
  const Case cases[] = {
      {"abc\n4\nH\n", "    CEVAP OKUNAMADI - etad ICIN BIR SAYI GEREKIR - STOP"},
      {"", "    CEVAP OKUNAMADI - etad ICIN BIR SAYI GEREKIR - STOP"},
      {"0\n4\nH\n",
       "    etad =    0.000 KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK OLMALIDIR - STOP"},
      {"-0.6\n4\nH\n",
       "    etad =   -0.600 KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK OLMALIDIR - STOP"},
      {"0.6\n", "    CEVAP OKUNAMADI - Z ICIN BIR SAYI GEREKIR - STOP"},
      {"0.6\nfour\n", "    CEVAP OKUNAMADI - Z ICIN BIR SAYI GEREKIR - STOP"},
      {"0.6\n4\n", "    CEVAP OKUNAMADI - (E / H) SECIMI BEKLENIYORDU - STOP"},
      {"0.6\n4\nE\n", "    CEVAP OKUNAMADI - EAR ICIN BIR SAYI GEREKIR - STOP"},
  };
  for (const Case& c : cases) {
    TrialRun t(c.answers);
    t.step(TRIAL_PROPELLER);
    EXPECT_EQ(t.status, EXIT_BAD_INPUT) << c.answers;
    EXPECT_FALSE(t.paused);
    const auto con = split_lines(t.con.str());
    ASSERT_FALSE(con.empty());
    EXPECT_EQ(con.back(), c.message) << c.answers;
    // No propeller was computed.
    EXPECT_FALSE(contains(t.son.str(), "GEREKEN PERVANE HESABI"));
  }
}

TEST(TrialPropeller, GawnSeriesComputesWithThreeBlades) {
  TrialRun t("0.6\n4\nH\n");
  t.run.ship.SERIES = 2;
  t.step(TRIAL_PROPELLER);
  EXPECT_FLOAT_EQ(t.run.prop.Z, 3.0f);
  EXPECT_TRUE(contains(t.son.str(), "\n Z = 3. EAR = "));
  EXPECT_TRUE(contains(t.son.str(), "HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR"));
}

TEST(TrialPropeller, RpmGivenSearchShowsTheDiameterNote) {
  TrialRun t("0.64\n4\nH\n", 3);
  t.run.ship.D = 0.0f;
  t.run.ship.N = 90.0f;
  t.finish_setup();  // starting diameter Ta/2
  t.step(TRIAL_PROPELLER);
  EXPECT_EQ(t.status, -1);
  const std::string con = t.con.str();
  const std::string note =
      "\n"
      "    Onemli Not:Kullanilan optimizasyon secenegi geregi olarak\n"
      "    pervane capi KELLER formulu nde belirli degildir.\n"
      "    Bu durumda duzlenmis acinim alani tahminini KELLER \n"
      "    bagintisina birakmak yanlis sonuc verir.\n"
      "    Bu zorluk, programin tekrarli calistirmalari ile\n"
      "    BURRIL bagintisi sonuclari kullanilarak asilmalidir.\n"
      "    Bu durumda sorulan secenege EVET cevabi ile birlikte\n"
      "    daha dusuk acinim alani orani girmek yerinde olur.\n";
  const auto at = con.find(note);
  ASSERT_NE(at, std::string::npos);
  EXPECT_LT(con.find("OLARAK BULUNMUSTUR"), at);
  EXPECT_LT(at, con.find(EH_QUESTION));
  // Keller's area was worked out for the starting diameter of 5 m; the search
  // then writes the optimum diameter into the ship record.
  EXPECT_TRUE(contains(con, "ORANI - Ear = 1.597"));
  EXPECT_NE(t.run.ship.D, 5.0f);
  EXPECT_FLOAT_EQ(t.run.pr.D, t.run.ship.D);
  EXPECT_FLOAT_EQ(t.run.ow.ReD, t.run.ship.D);
  EXPECT_FLOAT_EQ(t.run.pr.N, 90.0f);
}

TEST(TrialPropeller, TwinScrewHalvesThrustAndPowerPerPropeller) {
  TrialRun one("0.6\n4\nH\n");
  one.step(TRIAL_PROPELLER);
  TrialRun two("0.6\n4\nH\n");
  two.run.ship.NPROP = 2;
  two.finish_setup();
  const float t_first = two.run.prop.t;  // the thrust deduction of the first estimate
  two.step(TRIAL_PROPELLER);
  const PropulsionState& p = two.run.prop;
  EXPECT_FLOAT_EQ(p.T, p.Rt / (1.0f - t_first) / 2.0f);
  EXPECT_FLOAT_EQ(p.Rt, one.run.prop.Rt);
  EXPECT_TRUE(contains(two.son.str(), "    Pervane Sayisi - NPROP =  2\n"));
  EXPECT_TRUE(contains(two.son.str(), ") /  2 = "));
  char line[80];
  std::snprintf(line, sizeof line, "  PERVANENE VERILMESI GEREKEN GUC    = %8.2f kW \n",
                static_cast<double>(p.Pd / 2.0f));
  EXPECT_TRUE(contains(two.con.str(), line)) << line;
}

}  // namespace
}  // namespace vdk
