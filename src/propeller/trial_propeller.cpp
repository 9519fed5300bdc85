// The propeller that absorbs the trial power: console dialogue, thrust per
// propeller, the search or operating point chosen by the given propeller data,
// the cavitation checks, the factors of the chosen propeller and the test of
// the assumed overall propulsive efficiency.
#include <cmath>
#include <optional>
#include <string>

#include "core/stop.hpp"
#include "input/read_ship_data.hpp"
#include "propeller/cavitation.hpp"
#include "propeller/propeller_routines.hpp"
#include "propeller/trial.hpp"
#include "propulsion/propulsion.hpp"
#include "format/format.hpp"
#include "core/table_interpolation.hpp"

namespace vdk {

namespace {

// One real answer from the console; an answer that is no number, or no
// answer at all, ends the run: nothing sensible can be computed without it.
float READ_ANSWER(Run& run, const char* what) {
  const std::optional<float> value = READ_CONSOLE_REAL(run.in);
  if (!value) {
    WRITE_FORMATTED(run.con, "(/4X,'CEVAP OKUNAMADI - ',A,' ICIN BIR SAYI GEREKIR - STOP')", what);
    STOP(EXIT_BAD_INPUT);
  }
  return *value;
}

// The E/H answer: the first character typed on the next line, blanks before
// it skipped, so "  e" is a yes (a blank for an empty line).
char READ_YES_NO(Run& run) {
  std::string line;
  if (!std::getline(run.in, line)) {
    WRITE_FORMATTED(run.con, "(/4X,'CEVAP OKUNAMADI - (E / H) SECIMI BEKLENIYORDU - STOP')");
    STOP(EXIT_BAD_INPUT);
  }
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos ? ' ' : line[first];
}

void HEADING(std::ostream& son) {
  WRITE_FORMATTED(son, "(3/1X,64('='))");
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'SEYIR TECRUBESI SARTLARINI SAGLAYAN OPTIMUM PERVANENIN TESPITI')");
  WRITE_FORMATTED(son, "(1X,64('='))");
  WRITE_FORMATTED(son,
                  "(                                                       "
                  "2X,'(Pervane seyir tecrubesi sirasinda makinadan aldigi gucu'/  "
                  "2X,' absorbe etmelidir. Boylece optimum devir (RPM) maximum'/   "
                  "2x,' pervane verimine karsi gelir.)')");
  WRITE_FORMATTED(son, "(1X,64('='))");
}

// Keller's formula needs the diameter, which the rpm-given search has yet to find.
void DIAMETER_NOTE(std::ostream& con) {
  WRITE_FORMATTED(con,
                  "(/2X,                                                    "
                  "'  Onemli Not:Kullanilan optimizasyon secenegi geregi olarak'/        "
                  "4x,'pervane capi KELLER formulu nde belirli degildir.')");
  WRITE_FORMATTED(con,
                  "(4X,'Bu durumda duzlenmis acinim alani tahminini KELLER '/"
                  "4X,'bagintisina birakmak yanlis sonuc verir.'/"
                  "4X,'Bu zorluk, programin tekrarli calistirmalari ile'/"
                  "4X,'BURRIL bagintisi sonuclari kullanilarak asilmalidir.'/"
                  "4X,'Bu durumda sorulan secenege EVET cevabi ile birlikte'/"
                  "4X,'daha dusuk acinim alani orani girmek yerinde olur.'/"
                  "4X,'(VARDELONTEKSA gelistiricilerinin notu)')");
  WRITE_LIST(con);
}

void CALL_PROPELLER_ROUTINE(Run& run, float T, float VA) {
  PropellerContext ctx{run.con, run.son, run.series(), run.ow, run.pr};
  PropulsionState& p = run.prop;
  ShipRecord& ship = run.ship;
  switch (run.res.PropCase) {
    case 1:
      OPTIMUM_PROPELLER_KTJ2(ctx, T, ship.D, VA, ship.RHO, p.Z, p.EAR);
      break;
    case 2:
      PITCH_FOR_THRUST(ctx, T, ship.D, run.pr.N, VA, ship.RHO, p.Z, p.EAR);
      break;
    case 3:
      OPTIMUM_PROPELLER_KTJ4(ctx, T, run.pr.N, ship.D, VA, ship.RHO, p.Z, p.EAR);
      break;
    case 4:
      GIVEN_PROPELLER(ctx, ship.PD, run.pr.N, ship.D, VA, ship.RHO, p.Z, p.EAR);
      break;
    default:
      break;
  }
}

}  // namespace

void TRIAL_PROPELLER(Run& run) {
  ShipRecord& ship = run.ship;
  PropulsionState& p = run.prop;
  std::ostream& con = run.con;
  std::ostream& son = run.son;

  // The propeller record starts from the given rpm and diameter.
  run.pr.N = ship.N;
  run.pr.D = ship.D;

  HEADING(son);
  TABLE_INTERPOLATION_OR_STOP(ship.NSPEED, ship.Vs.data1(), run.sp.PEtrArr.data1(), ship.Vtrial, p.PEtrial,
                      MAX_SPEEDS, 3);

  WRITE_FORMATTED(con,
                  "(/4X,                                                    "
                  "'BASLANGIC ICIN GENEL VERIMI GIRIN - etad ==> (0.50-0.70)')");
  p.etad = READ_ANSWER(run, "etad");
  if (!(p.etad > 0.0f)) {
    WRITE_FORMATTED(con,
                    "(/4X,'etad = ',F8.3,' KULLANILAMAZ - GENEL VERIM SIFIRDAN BUYUK "
                    "OLMALIDIR - STOP')",
                    p.etad);
    STOP(EXIT_BAD_INPUT);
  }
  WRITE_FORMATTED(
      son, "(4X,'BASLANGIC ICIN VARSAYILAN etaD = ',F5.3,         2X,'OLARAK ALINMISTIR')", p.etad);

  p.Pd = p.PEtrial / p.etad;
  p.Va = (1.0f - p.w) * ship.Vtrial;
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Pd = Pe/etad = ',F8.2,'/',F5.3,' = ',F8.2,' kW' )",
                  p.PEtrial, p.etad, p.Pd);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Va = Vs(trial)*(1-w) = ',F6.3,'*(1 -',F5.3,') = ',F6.3,  ' knots' )",
                  ship.Vtrial, p.w, p.Va);
  WRITE_FORMATTED(son, "(2X,'  Pervane Sayisi - NPROP = ',I2)", ship.NPROP);

  p.Rt = p.PEtrial / (ship.Vtrial * 0.5144f);
  p.T = (p.Rt / (1.0f - p.t)) / static_cast<float>(ship.NPROP);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Rt = Pe/(0.5144*Vs) = ',F8.2,'/(0.5144*',F6.3,') = ',F8.2' kN' )",
                  p.PEtrial, ship.Vtrial, p.Rt);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  T  = ( Rt/(1-t) ) / Nprop = (',F8.2,'/(1-',F5.3,') ) / ',  I2,' = ',F8.2,"
                  "' kN' )",
                  p.Rt, p.t, ship.NPROP, p.T);
  WRITE_FORMATTED(son, "(///)");

  WRITE_FORMATTED(con, "(//4X,'PERVANE KANAT SAYISINI (Z) GIRIN')");
  p.Z = READ_ANSWER(run, "Z");
  if (ship.SERIES == 2) p.Z = 3.0f;  // the Gawn series is three-bladed

  const float PSTAT = SHAFT_PRESSURE(ship.RHO, ship.GRAV, ship.Hsd);
  p.EARK = KELLER_AREA_RATIO(p.Z, p.T, PSTAT, ship.D);
  p.EAR = p.EARK;
  WRITE_FORMATTED(con,
                  "(//4X,'KELLER FORMULUNE GORE GEREKLI ACINIM ALANI ORANI - Ear = ', F5.3,"
                  "/'    OLARAK BULUNMUSTUR')",
                  p.EAR);
  if (run.res.PropCase == 3) DIAMETER_NOTE(con);

  WRITE_FORMATTED(con,
                  "(4X,                                                     "
                  "'DUZLENMIS ACINIM ALANINI DEGISTIRMEK ISTER MISINIZ (E / H)' )");
  const char ANS = READ_YES_NO(run);
  if (ANS == 'E' || ANS == 'e') {
    WRITE_FORMATTED(con, "(//2X,'PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN')");
    p.EAR = READ_ANSWER(run, "EAR");
  }

  WRITE_FORMATTED(con, "(4/)");
  KELLER_BLOCK(son, p.EAR, p.EARK);
  WRITE_FORMATTED(con, "(3X,'========= GEREKEN PERVANE HESABI ======== ')");
  WRITE_FORMATTED(son, "(3X,'========= GEREKEN PERVANE HESABI ======== ')");

  const float VA = p.Va * 0.5144f;
  CALL_PROPELLER_ROUTINE(run, p.T, VA);

  // From here on every series evaluation carries the blade-drag correction
  // of the propeller just determined.
  run.ow.ReD = ship.D;
  run.ow.ReVa = p.Va * 0.5144f;
  run.ow.ReN = run.pr.N;

  CavitationInput cav;
  cav.T = p.T;
  cav.Va = p.Va;
  cav.EAR = p.EAR;
  cav.RHO = ship.RHO;
  cav.GRAV = ship.GRAV;
  cav.Hsd = ship.Hsd;
  cav.D = ship.D;
  cav.N = run.pr.N;
  cav.PD = run.pr.PD;
  CAVITATION_CHECKS(con, son, cav);

  if (run.pr.PD > 0.01f) {
    const float CV = VISCOUS_COEFFICIENT(run.sp.RVArr(p.ITR), ship.RHO, ship.S, ship.Vtrial);
    const ShipFactors f = SHIP_PROPULSION_FACTORS(run, ship.D, run.pr.PD, p.EAR, CV);
    p.w = f.w;
    p.t = f.t;
    p.etaR = f.etaR;
  }

  p.etadc = ((1.0f - p.t) / (1.0f - p.w)) * run.pr.ETA0 * p.etaR;
  p.Pd = p.PEtrial / p.etadc;

  WRITE_FORMATTED(con, "(///)");
  WRITE_FORMATTED(con, "(2X,'PERVANEYE CAPI = ',F5.3,' m dir')", ship.D);
  WRITE_FORMATTED(con, "(2X,'PERVANENE VERILMESI GEREKEN GUC    = ',F8.2,' kW ')",
                  p.Pd / static_cast<float>(ship.NPROP));
  WRITE_FORMATTED(con, "(2X,'PERVANENIN ABSORBE EDEBILECEGI GUC = ',F8.2,' kW ')", run.pr.Pd);
  WRITE_FORMATTED(con, "(2X,'VARSAYILAN VERIM = ',F5.3)", p.etad);
  WRITE_FORMATTED(con, "(2X,'HESAPLANAN VERIM = ',F5.3)", p.etadc);

  // The assumed efficiency must come out of the calculation again; the user
  // restarts with the computed value otherwise. An efficiency that is no
  // number at all cannot be confirmed either.
  if (!(std::fabs(p.etad - p.etadc) <= 0.01f)) {
    WRITE_LIST(con);
    WRITE_LIST(con);
    WRITE_FORMATTED(con,
                    "(2X,'VARSAYILAN VERIM = ',F5.3,                        "
                    "' ILE HESAPLANAN VERIM ', F5.3/'  BIRBIRLERINDEN',            "
                    "' FARKLI CIKTIGI ICIN PROGRAMI '/'  ETAD = ',F5.3,            "
                    "' YE YAKIN BIR DEGER ILE YENIDEN BASLATMAK GEREKIR - STOP'//)",
                    p.etad, p.etadc, p.etadc);
    PAUSE_THEN_STOP(EXIT_EFFICIENCY);
  }
}

}  // namespace vdk
