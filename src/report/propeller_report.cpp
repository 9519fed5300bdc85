// Writers of the propeller sections.
#include "report/propeller_report.hpp"

#include <cmath>
#include <string>
#include <string_view>

#include "format/format.hpp"
#include "report/method_report.hpp"
#include "report/stop_texts.hpp"
#include "report/texts.hpp"

namespace vdk {

namespace {

// A report line to the console, then to the results file.
template <class... Args>
void BOTH(std::ostream& con, std::ostream& son, std::string_view fmt, const Args&... items) {
  WRITE_FORMATTED(con, fmt, items...);
  WRITE_FORMATTED(son, fmt, items...);
}

// The note that the controllable-pitch loss is in the figures.
void CP_LINES(std::ostream& con, std::ostream& son, const SeriesSettings& set, Lang l) {
  if (!IS_CP_PROPELLER(set)) return;
  WRITE_FORMATTED(con, tx::CP_CORRECTION_CONSOLE(l));
  WRITE_FORMATTED(son, tx::CP_CORRECTION(l));
}

// ---- propeller routines ----

constexpr std::string_view R1 =
    "---|-------|-------|--------|--------|--------|------------|----------|";
constexpr std::string_view R2 =
    "---|-------|-------|--------|--------|--------|------------|---------|";
constexpr std::string_view R3 =
    "---|-------|-------|--------|--------|--------|----- ------|-----------|";
constexpr std::string_view R4 =
    "---|-------|-------|--------|--------|--------|-----------|-----------|";
constexpr std::string_view H1 =
    " i    P/D      J       Kt      10Kq     eta0       Bp          delta";
constexpr std::string_view H2 =
    " i    P/D      J       Kt      10Kq     eta0       Bp         delta";

constexpr std::string_view CANDIDATE_ROW = "(1X,I2,2F8.3,3F9.4,1X,2(F10.4,3X))";

// Table head, the candidate rows and the closing rules of a search; the
// no-propeller message when it found none.
void SEARCH_TABLE(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r, Lang l) {
  const bool ktj2 = r.routine == PropellerRoutine::OptimumForD;
  const std::string_view title = ktj2 ? tx::SEARCH_TITLE_J2(l) : tx::SEARCH_TITLE_J4(l);
  WRITE_FORMATTED(con, title, r.target);
  WRITE_LIST(con, R1);
  WRITE_LIST(con, H1);
  WRITE_LIST(con, R1);
  WRITE_FORMATTED(son, title, r.target);
  if (ktj2) {
    WRITE_LIST(son, H2);
    WRITE_LIST(son, R2);
  } else {
    WRITE_LIST(son, R1);
    WRITE_LIST(son, H2);
    WRITE_LIST(son, R1);
  }
  for (const CandidateRow& c : r.candidates)
    BOTH(con, son, CANDIDATE_ROW, c.i, c.PD, c.J, c.KT, c.KQ10, c.ETA0, c.Bp, c.delta);
  WRITE_LIST(con, R3);
  WRITE_LIST(son, ktj2 ? R4 : R3);
  if (r.candidates.empty()) {
    con << NO_PROPELLER_TEXT(l);
    son << NO_PROPELLER_TEXT(l);
  }
}

// The operating point of the propeller settled on: P/D, J and the open-water
// values, thrust and advance speed, revolutions, torque and power.
void OPERATING_POINT_LINES(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r,
                           Lang l) {
  const SelectedPropeller& s = r.sel;
  BOTH(con, son,
       "(' P/D=',F5.3,/,1X,'J=',F6.3,1X,'Kt=',F6.3,1X,'10Kq=',F6.3,1X,'eta=',F6.3,/,1X,"
       "'Bp=',F9.4,1X,'delta=',F9.4)",
       s.PD, s.J, s.KT, s.KQ10, s.ETA0, r.Bp, r.delta);
  BOTH(con, son,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m')",
       r.T_shown, r.Va, r.RHO, r.Z, r.EAR, s.D);
  BOTH(con, son, tx::OPERATING_REVOLUTIONS(l), r.n, s.N, r.Q / 1000.0f, s.Pd);
}

// Selected line, C.P. lines and the blocks P, T and R of the chosen propeller.
void RESULT_BLOCK(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r, Lang l) {
  BOTH(con, son, tx::SELECTED_CANDIDATE(l), r.IBEST);
  CP_LINES(con, son, r.set, l);
  OPERATING_POINT_LINES(con, son, r, l);
}

void PITCH_REPORT(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r, Lang l) {
  if (r.stop) {
    con << NO_PROPELLER_TEXT(l);
    son << NO_PROPELLER_TEXT(l);
    return;
  }
  BOTH(con, son,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m',' P/D = ',F6.3)",
       r.T_shown, r.Va, r.RHO, r.Z, r.EAR, r.sel.D, r.sel.PD);
  CP_LINES(con, son, r.set, l);
  WRITE_SERIES_MESSAGE(con, son, r.set, l);
  if (!r.reached) BOTH(con, son, tx::THRUST_NOT_REACHED(l));
}

void GIVEN_REPORT(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r, Lang l) {
  BOTH(con, son, tx::GIVEN_PROPELLER(l));
  CP_LINES(con, son, r.set, l);
  OPERATING_POINT_LINES(con, son, r, l);
  WRITE_SERIES_MESSAGE(con, son, r.set, l);
}

// ---- cavitation ----

void OUT_OF_RANGE_MESSAGE(std::ostream& con, std::ostream& son, float Sigma, Lang l) {
  for (std::ostream* unit : {&con, &son}) {
    WRITE_FORMATTED(*unit, tx::SIGMA_OUT_OF_RANGE(l), Sigma);
    WRITE_FORMATTED(*unit, tx::SIGMA_LIMITS(l));
    WRITE_FORMATTED(*unit, tx::NO_BURRILL(l));
    WRITE_FORMATTED(*unit, tx::CHANGE_IMMERSION(l));
  }
}

void BURRILL_BLOCK(std::ostream& unit, float EAR, const CavitationResult& r, Lang l) {
  WRITE_FORMATTED(unit, "(//2X,54('='))");
  WRITE_FORMATTED(unit, tx::BURRILL_TITLE(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::BURRILL_EAR(l), EAR, r.Sigma, r.Tauc);
  WRITE_FORMATTED(unit, tx::BURRILL_25(l), r.EARB25);
  WRITE_FORMATTED(unit, tx::BURRILL_50(l), r.EARB50);
  WRITE_FORMATTED(unit, tx::BURRILL_UPPER(l), r.EARBUP);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_LIST(unit);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::TIP_SPEED_TITLE(l));
  WRITE_FORMATTED(unit, tx::TIP_SPEED(l), r.Vtip);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_LIST(unit);
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::WAGENINGEN_TITLE(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "(2X,'Min. EAR = ',F6.3)", r.EARW);
  WRITE_FORMATTED(unit, "(2X,54('='))");
}

void TIP_VORTEX_BLOCK(std::ostream& son, float Vtip, Lang l) {
  WRITE_LIST(son);
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, tx::TIP_VORTEX_TITLE(l));
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, tx::TIP_VORTEX(l), Vtip);
  WRITE_FORMATTED(son, "(2X,54('='))");
}

// ---- trial propeller ----

void HEADING(std::ostream& son, Lang l) {
  WRITE_FORMATTED(son, "(3/1X,64('='))");
  WRITE_FORMATTED(son, tx::TRIAL_TITLE(l));
  WRITE_FORMATTED(son, "(1X,64('='))");
  WRITE_FORMATTED(son, tx::TRIAL_EXPLANATION(l));
  WRITE_FORMATTED(son, "(1X,64('='))");
}

// Keller's formula needs the diameter, which the rpm-given search has yet to find.
void DIAMETER_NOTE(std::ostream& con, Lang l) {
  WRITE_FORMATTED(con, tx::DIAMETER_NOTE_1(l));
  WRITE_FORMATTED(con, tx::DIAMETER_NOTE_2(l));
  WRITE_LIST(con);
}

// ---- power chain ----

// Integer part of a blade number for the printed line; a value no integer
// field can hold prints as asterisks.
long long TRUNCATED(float x) {
  if (!std::isfinite(x) || std::fabs(x) >= 1.0e15f) return 1000000000000000LL;
  return static_cast<long long>(x);
}

void POWER_LINES(std::ostream& son, float PEtrial, float etad, float etas, float MCR, float Pb,
                 float Pbm, float Pbd, float ETAH, float ETA0, float etaR,
                 const PowerChainRecord& r, Lang l) {
  WRITE_FORMATTED(son, "(///2X,54('='))");
  WRITE_FORMATTED(son, tx::PB_TITLE(l));
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pb = Pe(trial)/(etad*etas) = ',F8.2,'/(',F5.3,               "
                  "'*',F5.3,')=> ')",
                  PEtrial, etad, etas);
  WRITE_FORMATTED(son, "(2X,'   = ',F8.2,' kW')", Pb);
  if (PUBLISHED(r.method)) WRITE_SERVICE_POWER(son, r, l);
  WRITE_FORMATTED(son, tx::PBM_TITLE(l));
  if (PUBLISHED(r.method)) {
    WRITE_ENGINE_POWER_FROM_SERVICE(son, r, l);
  } else {
    WRITE_FORMATTED(son,
                    "(2X,                                                    "
                    "'Pbm = Pb(trial)/(%MCR) = ',F8.2,'/(',F4.2,                   "
                    "') = ',F8.2,' kW')",
                    Pb, MCR, Pbm);
  }
  WRITE_FORMATTED(son, tx::PBD_TITLE(l));
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'Pbd = Pb(trial)*(etas) = ',F8.2,'*(',F4.2,                   "
                  "') = ',F8.2,' kW')",
                  Pb, etas, Pbd);
  WRITE_FORMATTED(son, "(2X,54('.'))");
  WRITE_FORMATTED(son, tx::LEGEND_POWER(l));
  WRITE_FORMATTED(son, tx::POWER_LEGEND_ETAD(l));
  WRITE_FORMATTED(son, tx::POWER_LEGEND_FACTORS(l), ETAH, ETA0, etaR);
  WRITE_FORMATTED(son, tx::POWER_LEGEND_ETAS(l));
  WRITE_FORMATTED(son, tx::POWER_LEGEND_MCR(l));
  WRITE_FORMATTED(son, "(2X,54('='))");
}

void SELECTED_PROPELLER(std::ostream& son, const SelectedPropeller& pr, float Z, float EAR, float D,
                        Lang l) {
  WRITE_FORMATTED(son, "(//2X,54('='))");
  WRITE_FORMATTED(son, tx::SELECTED_TITLE(l));
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, tx::SELECTED_N(l), pr.N);
  WRITE_FORMATTED(son, tx::SELECTED_Z(l), TRUNCATED(Z));
  WRITE_FORMATTED(son, tx::SELECTED_J(l), pr.J);
  WRITE_FORMATTED(son, tx::SELECTED_KT(l), pr.KT);
  WRITE_FORMATTED(son, tx::SELECTED_KQ(l), pr.KQ10);
  WRITE_FORMATTED(son, tx::SELECTED_ETA0(l), pr.ETA0);
  WRITE_FORMATTED(son, tx::SELECTED_PD(l), pr.PD);
  WRITE_FORMATTED(son, tx::SELECTED_EAR(l), EAR);
  WRITE_FORMATTED(son, tx::SELECTED_D(l), D);
  WRITE_FORMATTED(son, tx::SELECTED_P(l), pr.PD * D);
  WRITE_FORMATTED(son, "(2X,54('='))");
}

// ---- propulsion characteristics ----

constexpr const char* FRAME = "(7X,'|',57('-'),'|')";
constexpr const char* RULE =
    "|--------|--------|------|------|------|------|------|------|--------|-------|";

void OPEN_WATER_PASS(std::ostream& unit, int SERIES, float JD, float Z, float EAR, float PDEL,
                     float TH, float N, float VD, float KTD, float KQD, float D, float WD, float TD,
                     Lang l) {
  if (SERIES == 1) WRITE_FORMATTED(unit, tx::OPEN_WATER_WAGENINGEN(l));
  if (SERIES == 2) WRITE_FORMATTED(unit, tx::OPEN_WATER_GAWN(l));
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, tx::OW_D(l), D, JD);
  WRITE_FORMATTED(unit, tx::OW_TH(l), TH, KTD);
  WRITE_FORMATTED(unit, tx::OW_PD(l), PDEL, 10.0f * KQD);
  WRITE_FORMATTED(unit, tx::OW_N(l), N, TD);
  WRITE_FORMATTED(unit, tx::OW_VS(l), VD, WD);
  WRITE_FORMATTED(unit, tx::OW_Z(l), Z, EAR);
  WRITE_FORMATTED(unit, FRAME);
}

void OPEN_WATER_ROWS(std::ostream& unit, const CharacteristicsRecord& r, Lang l) {
  WRITE_FORMATTED(unit, FRAME);
  WRITE_FORMATTED(unit, tx::OW_ROWS_HEAD(l));
  WRITE_FORMATTED(unit, FRAME);
  int k = 0;
  for (const OpenWaterRow& row : r.openWater) {
    ++k;
    WRITE_FORMATTED(unit, "(7X,'| ',I2,3X,4(F5.3,3X),F8.2,2X,F8.2,' |')", k, row.J, row.KT,
                    10.0f * row.KQ, row.ETA0, row.Bp, row.delta);
  }
  WRITE_FORMATTED(unit, FRAME);
}

void WRITE_OPEN_WATER_PASS(std::ostream& unit, const CharacteristicsRecord& r, Lang l) {
  OPEN_WATER_PASS(unit, r.SERIES, r.JD, r.Z, r.EAR, r.PDEL, r.TH, r.N, r.VD, r.KTD, r.KQD, r.D,
                  r.WD, r.TD, l);
}

void SERVICE_PASS(std::ostream& unit, const CharacteristicsRecord& r, Lang l) {
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit);
  WRITE_LIST(unit, tx::SERVICE_TITLE(l));
  WRITE_LIST(unit, RULE);
  WRITE_LIST(unit, tx::SERVICE_HEAD(l));
  WRITE_LIST(unit, RULE);

  if (!r.serviceComputable) {
    WRITE_FORMATTED(unit, tx::SERVICE_NOT_COMPUTABLE(l));
    WRITE_LIST(unit, RULE);
    return;
  }
  for (const ServiceRow& s : r.service) {
    WRITE_FORMATTED(unit,
                    "(' |',F7.3,' |',I7,' |',F5.3,' |',F5.3,' |',F5.3,' |',F5.3,"
                    "' |',F5.3,' |',F5.3,' |',I7,' |',F6.1,' |')",
                    s.VS, s.PE, s.t, s.w, s.ETAH, s.ETAR, s.ETA0, s.ETAD, s.PB, s.RPM);
  }
  // A spline stop ends the table after the rows before it.
  if (r.stop) return;
  WRITE_LIST(unit, RULE);
}

void LEGEND(std::ostream& son, float ETATR, int IPOD, Lang l) {
  WRITE_FORMATTED(son, tx::LEGEND_8(l));
  WRITE_FORMATTED(son, tx::LEGEND_VS(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_PE(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_T(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_W(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_ETAR(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_ETA0(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_ETAD(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_PB(l));
  WRITE_FORMATTED(son, tx::SERVICE_LEGEND_RPM(l));
  WRITE_FORMATTED(son, tx::SERVICE_TRANSMISSION(l), ETATR);
  if (IPOD == 1) {
    WRITE_FORMATTED(son, tx::POD_NOTE(l));
    WRITE_FORMATTED(son, tx::POD_SOURCE(l));
    WRITE_FORMATTED(son, tx::POD_AUTHORS(l));
    WRITE_FORMATTED(son, "(3X,' Delft University of Technology')");
    WRITE_FORMATTED(son, "(3X,' Ship Hydromechanics Lab. Report No: 1545-P, 2006 ')");
  }
}

}  // namespace

void WRITE_SERIES_MESSAGE(std::ostream& con, std::ostream& son, const SeriesSettings& set, Lang l) {
  if (set.SERIES == 1) BOTH(con, son, tx::SERIES_WAGENINGEN(l));
  if (set.SERIES == 2) BOTH(con, son, tx::SERIES_GAWN(l));
}

void WRITE_PROPELLER_ROUTINE(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r,
                             Lang l) {
  switch (r.routine) {
    case PropellerRoutine::OptimumForD:
      SEARCH_TABLE(con, son, r, l);
      if (r.stop) return;
      RESULT_BLOCK(con, son, r, l);
      WRITE_SERIES_MESSAGE(con, son, r.set, l);
      break;
    case PropellerRoutine::OptimumForN:
      SEARCH_TABLE(con, son, r, l);
      if (r.stop) return;
      WRITE_SERIES_MESSAGE(con, son, r.set, l);
      RESULT_BLOCK(con, son, r, l);
      break;
    case PropellerRoutine::PitchForThrust:
      PITCH_REPORT(con, son, r, l);
      break;
    case PropellerRoutine::Given:
      GIVEN_REPORT(con, son, r, l);
      break;
    case PropellerRoutine::None:
      break;
  }
}

void WRITE_KELLER_BLOCK(std::ostream& son, float EAR, float EARK, Lang l) {
  WRITE_FORMATTED(son, "(//2X,54('='))");
  WRITE_FORMATTED(son, tx::KELLER_TITLE(l));
  WRITE_FORMATTED(son, "(2X,54('='))");
  WRITE_FORMATTED(son, tx::KELLER_EAR(l), EAR, EARK);
  WRITE_FORMATTED(son, "(2X,54('=')//)");
}

void WRITE_CAVITATION_CHECKS(std::ostream& con, std::ostream& son, const CavitationResult& r,
                             Lang l) {
  if (r.stop) return;
  if (!r.inRange) {
    OUT_OF_RANGE_MESSAGE(con, son, r.Sigma, l);
  } else {
    WRITE_LIST(con);
    WRITE_LIST(con);
    BURRILL_BLOCK(con, r.EAR, r, l);
    BURRILL_BLOCK(son, r.EAR, r, l);
  }
  TIP_VORTEX_BLOCK(son, r.Vtip, l);
}

void WRITE_TRIAL_START(std::ostream& son, const TrialStartRecord& /*r*/, Lang l) {
  HEADING(son, l);
}

void WRITE_TRIAL_THRUST(std::ostream& con, std::ostream& son, const TrialThrustRecord& r, Lang l) {
  if (r.stop) {
    con << UNUSABLE_ETAD_TEXT(r.etad_typed, l);
    return;
  }
  WRITE_FORMATTED(son, tx::TRIAL_ETAD(l), r.etad_typed);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Pd = Pe/etad = ',F8.2,'/',F5.3,' = ',F8.2,' kW' )",
                  r.PEtrial, r.etad_typed, r.Pd);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Va = Vs(trial)*(1-w) = ',F6.3,'*(1 -',F5.3,') = ',F6.3,  ' knots' )",
                  r.Vtrial, r.w, r.Va);
  WRITE_FORMATTED(son, tx::TRIAL_NPROP(l), r.NPROP);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  Rt = Pe/(0.5144*Vs) = ',F8.2,'/(0.5144*',F6.3,') = ',F8.2' kN' )",
                  r.PEtrial, r.Vtrial, r.Rt);
  WRITE_FORMATTED(son,
                  "(2X,                                                    "
                  "'  T  = ( Rt/(1-t) ) / Nprop = (',F8.2,'/(1-',F5.3,') ) / ',  I2,' = ',F8.2,"
                  "' kN' )",
                  r.Rt, r.t, r.NPROP, r.T);
  WRITE_FORMATTED(son, "(///)");
}

void WRITE_TRIAL_BLADES(std::ostream& con, const TrialBladesRecord& r, Lang l) {
  if (r.stop) {
    con << UNUSABLE_BLADES_TEXT(r.Z_typed, l);
    return;
  }
  WRITE_FORMATTED(con, tx::KELLER_RATIO(l), r.EARK);
  if (r.diameterNote) DIAMETER_NOTE(con, l);
}

void WRITE_TRIAL_PROPELLER(std::ostream& con, std::ostream& son, const TrialPropellerRecord& r,
                           Lang l) {
  if (!(r.EAR > 0.0f)) {
    con << UNUSABLE_AREA_RATIO_TEXT(r.EAR, l);
    return;
  }
  WRITE_FORMATTED(con, "(4/)");
  WRITE_KELLER_BLOCK(son, r.EAR, r.EARK, l);
  BOTH(con, son, tx::REQUIRED_PROPELLER(l));
  WRITE_PROPELLER_ROUTINE(con, son, r.routine, l);
  if (r.routine.stop) return;
  WRITE_CAVITATION_CHECKS(con, son, r.cav, l);
  if (r.cav.stop) return;

  WRITE_FORMATTED(con, "(///)");
  WRITE_FORMATTED(con, tx::PROPELLER_DIAMETER(l), r.sel.D);
  WRITE_FORMATTED(con, tx::POWER_NEEDED(l), r.Pd / static_cast<float>(r.NPROP));
  WRITE_FORMATTED(con, tx::POWER_ABSORBED(l), r.sel.Pd);
  WRITE_FORMATTED(con, tx::ETAD_ASSUMED(l), r.etad_typed);
  WRITE_FORMATTED(con, tx::ETAD_COMPUTED(l), r.etad_computed);
  if (r.stop) {
    WRITE_LIST(con);
    WRITE_LIST(con);
    con << EFFICIENCY_MISMATCH_TEXT(r.etad_typed, r.etad_computed, l);
  }
}

void WRITE_POWER_CHAIN(std::ostream& son, const PowerChainRecord& r, Lang l) {
  POWER_LINES(son, r.PEtrial, r.etad, r.etas, r.MCR, r.Pb, r.Pbm, r.Pbd, r.ETAH, r.ETA0_trial,
              r.etaR_trial, r, l);
  if (r.stop && !r.charComputed) return;
  SELECTED_PROPELLER(son, r.sel, r.Z, r.EAR, r.D, l);
}

void WRITE_CHARACTERISTICS_BEFORE_PAUSE(std::ostream& con, const CharacteristicsRecord& r, Lang l) {
  WRITE_OPEN_WATER_PASS(con, r, l);
}

void WRITE_CHARACTERISTICS_AFTER_PAUSE(std::ostream& con, std::ostream& son,
                                       const CharacteristicsRecord& r, Lang l) {
  OPEN_WATER_ROWS(con, r, l);
  WRITE_OPEN_WATER_PASS(son, r, l);
  OPEN_WATER_ROWS(son, r, l);
  if (!r.designSpeedFound) {
    con << DESIGN_SPEED_NOT_FOUND_TEXT(l);
    return;
  }
  SERVICE_PASS(con, r, l);
  if (r.stop) return;
  SERVICE_PASS(son, r, l);
  LEGEND(son, r.ETATR, r.IPOD, l);
}

}  // namespace vdk
