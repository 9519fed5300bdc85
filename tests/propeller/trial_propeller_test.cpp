// The trial-condition dialogue, the propeller routine of the PropCase and
// the efficiency test.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

#include "trial_fixture.hpp"

namespace vdk {
namespace {

using test::run_trial;
using test::split_lines;
using test::TrialCase;

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
  return run_trial(TrialCase(), "0.6\n4\nH\n").prop->etad_computed;
}

const char* const ETAD_PROMPT = "    BASLANGIC ICIN GENEL VERIMI GIRIN - etad ==> (0.50-0.70)";
const char* const Z_PROMPT = "    PERVANE KANAT SAYISINI (Z) GIRIN";
const char* const EH_QUESTION = "    DUZLENMIS ACINIM ALANINI DEGISTIRMEK ISTER MISINIZ (E / H)";
const char* const EAR_PROMPT = "  PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN";

TEST(TrialPropeller, ConvergedDialogueAndReport) {
  const auto t = run_trial(TrialCase(), "0.604\n4\nH\n");
  ASSERT_EQ(t.status, -1) << t.con;
  const std::string& con = t.con;
  const std::string& son = t.son;

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
  const TrialPropellerRecord& r = *t.prop;
  EXPECT_FLOAT_EQ(r.sel.D, 6.5f);
  EXPECT_GT(r.sel.N, 130.0f);
  EXPECT_FLOAT_EQ(r.ow.ReD, 6.5f);
  EXPECT_FLOAT_EQ(r.ow.ReN, r.sel.N);
  EXPECT_FLOAT_EQ(r.ow.ReVa, t.thrust->Va * 0.5144f);
  EXPECT_NEAR(r.etad_computed, (1 - r.t) / (1 - r.w) * r.sel.ETA0 * r.etaR, 1e-6f);
  EXPECT_NE(r.w, 0.29f);  // recomputed for the chosen propeller
}

TEST(TrialPropeller, EfficiencyTestStopsWithStatus3) {
  const float etadc = computed_efficiency();
  // Within 0.01 either way the run goes on; beyond it stops.
  for (float d : {-0.009f, 0.009f}) {
    const auto t = run_trial(TrialCase(), shortest(etadc + d) + "\n4\nH\n");
    EXPECT_EQ(t.status, -1) << d;
  }
  for (float d : {-0.011f, 0.011f}) {
    const auto t = run_trial(TrialCase(), shortest(etadc + d) + "\n4\nH\n");
    EXPECT_EQ(t.status, EXIT_EFFICIENCY) << d;
  }

  const auto t = run_trial(TrialCase(), "0.75\n4\nH\n");
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
  const std::string& con = t.con;
  ASSERT_GE(con.size(), tail.size());
  EXPECT_EQ(con.substr(con.size() - tail.size()), tail);
  const auto son = split_lines(t.son);
  EXPECT_EQ(son[son.size() - 4], "  KANAT UCU GIRDABI (TIP VORTEX) TEHLIKESI KONTROLU");
}

TEST(TrialPropeller, AnswerEReplacesTheAreaRatioAndHKeepsKellers) {
  for (const char* yes : {"e", "E"}) {
    const auto t = run_trial(TrialCase(), std::string("0.6\n4\n") + yes + "\n0.9\n");
    EXPECT_NE(t.status, EXIT_BAD_INPUT);
    EXPECT_TRUE(has_line(t.con, EAR_PROMPT));
    EXPECT_TRUE(has_line(t.son, "  Mevcut EAR =  0.900 /         Keller EAR =  1.027"));
    EXPECT_TRUE(has_line(t.son, " Z = 4. EAR = 0.900 D =  6.500 m"));
    EXPECT_FLOAT_EQ(t.prop->EAR, 0.9f);
    EXPECT_NEAR(t.prop->EARK, 1.027f, 5e-4f);
  }
  for (const char* no : {"h", "H", "", "X"}) {
    const auto t = run_trial(TrialCase(), std::string("0.6\n4\n") + no + "\n");
    EXPECT_EQ(t.status, -1) << no;
    EXPECT_FALSE(has_line(t.con, EAR_PROMPT)) << no;
    EXPECT_TRUE(has_line(t.son, "  Mevcut EAR =  1.027 /         Keller EAR =  1.027"));
    EXPECT_EQ(t.prop->EAR, t.prop->EARK);
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
    const auto t = run_trial(TrialCase(), c.answers);
    EXPECT_EQ(t.status, EXIT_BAD_INPUT) << c.answers;
    EXPECT_FALSE(t.paused);
    const auto con = split_lines(t.con);
    ASSERT_FALSE(con.empty());
    EXPECT_EQ(con.back(), c.message) << c.answers;
    // No propeller was computed.
    EXPECT_FALSE(contains(t.son, "GEREKEN PERVANE HESABI"));
  }
}

TEST(TrialPropeller, GawnSeriesComputesWithThreeBlades) {
  TrialCase c;
  c.ship.SERIES = 2;
  const auto t = run_trial(c, "0.6\n9\nH\n");  // any typed number: the series has three
  EXPECT_FLOAT_EQ(t.prop->Z, 3.0f);
  EXPECT_TRUE(contains(t.son, "\n Z = 3. EAR = "));
  EXPECT_TRUE(contains(t.son, "HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR"));
}

TEST(TrialPropeller, RpmGivenSearchShowsTheDiameterNote) {
  TrialCase c(3);
  c.ship.D = 0.0f;
  c.ship.N = 90.0f;
  c.finish_setup();  // starting diameter Ta/2
  const auto t = run_trial(c, "0.64\n4\nH\n");
  EXPECT_EQ(t.status, -1);
  const std::string& con = t.con;
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
  // then finds the optimum diameter, and the drag correction uses it.
  EXPECT_TRUE(contains(con, "ORANI - Ear = 1.597"));
  const TrialPropellerRecord& r = *t.prop;
  EXPECT_NE(r.routine.sel.D, 5.0f);
  EXPECT_FLOAT_EQ(r.sel.D, r.routine.sel.D);
  EXPECT_FLOAT_EQ(r.ow.ReD, r.routine.sel.D);
  EXPECT_FLOAT_EQ(r.sel.N, 90.0f);
}

TEST(TrialPropeller, TwinScrewHalvesThrustAndPowerPerPropeller) {
  const auto one = run_trial(TrialCase(), "0.6\n4\nH\n");
  TrialCase c;
  c.ship.NPROP = 2;
  c.finish_setup();
  const float t_first = c.first.t;  // the thrust deduction of the first estimate
  const auto two = run_trial(c, "0.6\n4\nH\n");
  const TrialThrustRecord& p = *two.thrust;
  EXPECT_FLOAT_EQ(p.T, p.Rt / (1.0f - t_first) / 2.0f);
  EXPECT_FLOAT_EQ(p.Rt, one.thrust->Rt);
  EXPECT_TRUE(contains(two.son, "    Pervane Sayisi - NPROP =  2\n"));
  EXPECT_TRUE(contains(two.son, ") /  2 = "));
  char line[80];
  std::snprintf(line, sizeof line, "  PERVANENE VERILMESI GEREKEN GUC    = %8.2f kW \n",
                static_cast<double>(two.prop->Pd / 2.0f));
  EXPECT_TRUE(contains(two.con, line)) << line;
}

}  // namespace
}  // namespace vdk
