#include "report/resistance_report.hpp"

#include <cmath>
#include <span>
#include <string>
#include <string_view>

#include "format/format.hpp"
#include "report/method_report.hpp"
#include "report/stop_texts.hpp"
#include "report/texts.hpp"

namespace vdk {

namespace {

// A label held in an 80-character text (blank-padded), as the A40 fields of
// the report take it: their first 40 characters.
std::string LABEL80(std::string_view text) {
  std::string s(text.substr(0, 80));
  s.resize(80, ' ');
  return s;
}

// Integer part of the effective power for the Pe column (truncated toward
// zero). A value beyond the integer range still shows as an overflowed field.
int WHOLE_KW(float pe) {
  if (!(fabsf(pe) < 2.0e9f)) return pe < 0.0f ? -999999999 : 999999999;
  return static_cast<int>(pe);
}

void OUTPUT_HEADING(std::ostream& u, Lang l) {
  WRITE_LIST(u);
  WRITE_LIST(u);
  WRITE_LIST(u);
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, tx::OUTPUT_TITLE(l));
}

// Opening of the block up to the Froude number; false when the prismatic
// coefficient stopped the block there (the message is written).
bool WRITE_HULL_FORM(std::ostream& con, std::ostream& u, const ShipRecord& s, int i,
                     const HullFormAtSpeed& r, Method method, Lang l) {
  WRITE_FORMATTED(u, tx::SPEED_NO(l), i);
  WRITE_FORMATTED(u, tx::VS_KNOTS(l), r.VS);
  WRITE_FORMATTED(u, tx::VS_MS(l), r.v);
  WRITE_FORMATTED(u, tx::FROUDE(l), r.Fn);

  const HullCoefficients& h = r.hull;
  if (r.prismatic_stop) {
    const std::string text = PRISMATIC_STOP_TEXT(h, s.Cm, l);
    con << text;
    u << text;
    return false;
  }

  WRITE_FORMATTED(u, tx::CB(l), h.CB);
  WRITE_FORMATTED(u, tx::CP(l), h.CP);
  WRITE_FORMATTED(u, tx::CBLWL(l), h.CBlwl);
  WRITE_FORMATTED(u, tx::CWPLWL(l), h.CWPlwl);
  WRITE_FORMATTED(u, tx::LR(l), r.LR);
  WRITE_FORMATTED(u, tx::C_STERN(l), r.C);

  if (PUBLISHED(method)) {
    WRITE_BARE_HULL_SURFACE(u, r, l);
  } else if (r.S_estimated) {
    WRITE_FORMATTED(u, tx::S_ESTIMATED(l), r.S_used);
    WRITE_FORMATTED(u, tx::S_TAYLAN(l), r.S_Taylan);
  } else {
    WRITE_FORMATTED(u, tx::S_ESTIMATED_GIVEN(l), r.SE);
    WRITE_FORMATTED(u, tx::S_TAYLAN(l), r.S_Taylan);
    WRITE_FORMATTED(u, tx::S_USED(l), r.S_used);
  }

  WRITE_FORMATTED(u, tx::K_HOLTROP(l), r.KHoltrop);
  WRITE_FORMATTED(u, tx::FFDF(l), s.FFDF);
  WRITE_FORMATTED(u, tx::K_FINAL(l), r.OnePlusK);
  WRITE_FORMATTED(u, tx::K_GRIGSON(l), r.OnePlusKGrigson);
  return true;
}

void WRITE_FRICTION(std::ostream& u, const ShipRecord& s, const FrictionAppendageWind& r, Lang l) {
  WRITE_FORMATTED(u, tx::CF(l), 1000.0f * r.CF);
  WRITE_FORMATTED(u, tx::CV(l), 1000.0f * r.CV);
  WRITE_FORMATTED(u, tx::RF(l), r.RF);
  WRITE_FORMATTED(u, tx::RAPP(l), r.RAPP);
  if (r.wind == WindCase::DepthBelowDraught) {
    WRITE_FORMATTED(u, tx::WIND_DEPTH_1(l));
    WRITE_FORMATTED(u, tx::WIND_DEPTH_2(l));
  } else if (r.wind == WindCase::Computed) {
    WRITE_FORMATTED(u, tx::AFRONT(l), r.AFRONT);
    WRITE_FORMATTED(u, tx::ONYUZ(l), s.ONYUZ);
    WRITE_FORMATTED(u, tx::CAA(l), 1000.0f * r.CAA);
  }
  WRITE_FORMATTED(u, tx::RAIR(l), r.RAIR);
}

// The wave step; false when the emerged bulb stopped the block (the message
// is written on the console).
bool WRITE_WAVE(std::ostream& con, std::ostream& u, const ShipRecord& s, const WaveBulbTransom& r,
                Method method, Lang l) {
  WRITE_FORMATTED(u, tx::ENTRANCE_ANGLE(l), LABEL80(tx::IE_ESTIMATED_LABEL(l)), r.IE_est);
  WRITE_FORMATTED(u, tx::ENTRANCE_ANGLE(l), LABEL80(tx::IE_USED_LABEL(l)), r.IE_used);
  WRITE_FORMATTED(u, tx::WAVE_C4(l), r.C4);
  WRITE_FORMATTED(u, tx::WAVE_C5(l), r.C5);
  WRITE_FORMATTED(u, tx::WAVE_M1(l), r.M1);
  WRITE_FORMATTED(u, tx::WAVE_C6(l), r.C6);
  WRITE_FORMATTED(u, tx::WAVE_M2(l), r.M2);
  WRITE_FORMATTED(u, tx::WAVE_LAMDA(l), r.LAMDA);
  WRITE_FORMATTED(u, tx::WAVE_C1(l), r.C1);
  WRITE_FORMATTED(u, tx::WAVE_C3(l), r.C3);
  WRITE_FORMATTED(u, tx::WAVE_C2(l), r.C2);
  WRITE_FORMATTED(u, tx::WAVE_C17(l), r.C17);
  WRITE_FORMATTED(u, tx::WAVE_M3(l), r.M3);
  WRITE_FORMATTED(u, tx::WAVE_C15(l), r.C15);
  WRITE_FORMATTED(u, tx::WAVE_M4(l), r.M4);

  if (method == Method::HM1982) {
    WRITE_WAVE_1982(u, r, l);
  } else {
    switch (r.range) {
      case WaveRange::Low:
        WRITE_FORMATTED(u, tx::RANGE_LOW(l));
        WRITE_FORMATTED(u, tx::RW_RANGE(l), r.Rw);
        break;
      case WaveRange::High:
        WRITE_FORMATTED(u, tx::RANGE_HIGH(l));
        WRITE_FORMATTED(u, tx::RW_RANGE(l), r.Rw);
        break;
      case WaveRange::Transition:
        WRITE_FORMATTED(u, tx::RANGE_TRANSITION(l));
        break;
    }
  }

  if (r.bulb_emerged) {
    con << BULB_STOP_TEXT(s.HB, l);
    return false;
  }
  if (r.bulb_breaking) WRITE_FORMATTED(u, tx::BULB_BREAKING(l));
  WRITE_FORMATTED(u, tx::RBULB(l), r.Rbulb);
  WRITE_FORMATTED(u, tx::RTRANSOM(l), r.Rayna);
  WRITE_FORMATTED(u, tx::RTHRUSTER(l), r.Rbot);
  WRITE_FORMATTED(u, tx::RW(l), r.Rw);
  WRITE_FORMATTED(u, tx::CW(l), 1000.0f * r.CW);
  return true;
}

void WRITE_CORRELATION(std::ostream& u, const CorrelationAndTotals& r, Lang l) {
  WRITE_FORMATTED(u, tx::CA_HOLTROP(l), 1000.0f * r.CA_holtrop);
  if (r.CA_direct) WRITE_FORMATTED(u, tx::CA_DIRECT(l), 1000.0f * *r.CA_direct);
  if (r.CA_ittc) WRITE_FORMATTED(u, tx::CA_ITTC(l), 1000.0f * *r.CA_ittc);
  if (r.CA_rough) WRITE_ROUGHNESS_ALLOWANCE(u, *r.CA_rough, l);
  WRITE_FORMATTED(u, tx::CA_USED(l), 1000.0f * r.CA);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80(tx::RA_LABEL(l)), r.RA);
  WRITE_FORMATTED(u, "(2X,A40,'=',F8.2,' kN')", LABEL80(tx::RT_LABEL(l)), r.RT);
  WRITE_FORMATTED(u, "(2X,A40,'=',F10.3,' kW')", LABEL80(tx::PE_LABEL(l)), r.PE);
  WRITE_FORMATTED(u, "(60('='))");
}

}  // namespace

void WRITE_INPUT_SUMMARY(std::ostream& u, const ShipRecord& s, const InputSummary& r, Method method,
                         Lang l) {
  // Main particulars
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, tx::INPUT_TITLE(l));
  if (PUBLISHED(method)) WRITE_METHOD_LINE(u, method, l);
  WRITE_FORMATTED(u, "(/)");
  WRITE_FORMATTED(u, tx::IN_LWL(l), s.Lwl);
  WRITE_FORMATTED(u, tx::IN_LBP(l), s.Lbp);
  WRITE_FORMATTED(u, tx::IN_B(l), s.B);
  WRITE_FORMATTED(u, tx::IN_TF(l), s.Tf);
  WRITE_FORMATTED(u, tx::IN_TA(l), s.Ta);
  WRITE_FORMATTED(u, tx::IN_V(l), s.V);
  WRITE_FORMATTED(u, tx::IN_LCB(l), s.LCB);
  WRITE_FORMATTED(u, tx::IN_ABT(l), s.ABT);
  WRITE_FORMATTED(u, tx::IN_HB(l), s.HB);
  WRITE_FORMATTED(u, tx::IN_AT(l), s.AT);
  WRITE_FORMATTED(u, tx::IN_CM(l), s.Cm);
  WRITE_FORMATTED(u, tx::IN_CWP(l), s.Cwp);
  WRITE_FORMATTED(u, tx::IN_CSTERN(l), s.Cstern);

  // Speed range and trial speed
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, tx::IN_SPEEDS_TITLE(l));
  for (int i = 1; i <= s.NSPEED; ++i) WRITE_FORMATTED(u, "(20X,I2,'-',F8.3)", i, s.Vs(i));
  WRITE_FORMATTED(u, tx::IN_TRIAL_SPEED(l), tx::IN_TRIAL_SPEED_LABEL(l), s.Vtrial);

  // Appendages with a real area, numbered as listed
  WRITE_FORMATTED(u, "(60('='))");
  WRITE_FORMATTED(u, tx::IN_APPENDAGES_TITLE(l));
  WRITE_FORMATTED(u, tx::IN_APPENDAGES_HEAD(l));
  WRITE_FORMATTED(u,
                  "(2X,                                                      "
                  "3X,'           ',23X,' m2 ',8X,'   (1+k2)   ')");
  const std::span<const Text* const> names = APPENDAGE_NAMES();
  int j = 0;
  for (int k : r.listed_appendages) {
    j = j + 1;
    std::string name((*names[static_cast<std::size_t>(k - 1)])(l));
    name.resize(30, ' ');
    WRITE_FORMATTED(u, "(1X,I2,'-',1X,A30,2X,F8.3,9X,F5.3)", j, name, s.Sapp(k), s.OnePlusK2(k));
  }
  WRITE_FORMATTED(u, "(60('-'))");
  WRITE_FORMATTED(u, tx::IN_APPENDAGE_AREA(l), r.Sapptot);
  WRITE_FORMATTED(u, tx::IN_APPENDAGE_K2(l), r.OnePlusK2eff);
  WRITE_FORMATTED(u, "(60('='))");

  // Fluid
  WRITE_FORMATTED(u, tx::IN_RHO(l), s.RHO);
  WRITE_FORMATTED(u, tx::IN_GRAV(l), s.GRAV);
  WRITE_FORMATTED(u, "(60('='))");

  // Propeller
  if (r.propeller_block) {
    std::string title(tx::IN_PROPELLER_TITLE(l));
    title.resize(40, ' ');
    WRITE_FORMATTED(u, "(2X,A40)", title);
    WRITE_FORMATTED(u, tx::IN_D(l), s.D);
    WRITE_FORMATTED(u, tx::IN_NPROP(l), s.NPROP);
    WRITE_FORMATTED(u, tx::IN_HSD(l), s.Hsd);
    WRITE_FORMATTED(u, tx::IN_MCR(l), s.MCR);
  }
  WRITE_FORMATTED(u, "(60('='))");

  OUTPUT_HEADING(u, l);
}

void WRITE_SPEED_BLOCK(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                       const SpeedBlock& b, Method method, Lang l) {
  if (!WRITE_HULL_FORM(con, son, ship, b.i, b.hull_form, method, l)) return;
  WRITE_FRICTION(son, ship, b.friction, l);
  if (!WRITE_WAVE(con, son, ship, b.wave, method, l)) return;
  WRITE_CORRELATION(son, b.totals, l);
}

void WRITE_RESISTANCE_CALCULATION(std::ostream& con, std::ostream& son, const ShipRecord& ship,
                                  const ResistanceResult& res, Lang l) {
  WRITE_INPUT_SUMMARY(son, ship, res.summary, res.method, l);
  for (const SpeedBlock& b : res.blocks) WRITE_SPEED_BLOCK(con, son, ship, b, res.method, l);
}

void WRITE_SUMMARY_TABLE_I(std::ostream& u, const ShipRecord& s, const ResistanceColumns& c,
                           Lang l) {
  WRITE_FORMATTED(u, tx::SUMMARY_I_HEAD(l));
  for (int i = 1; i <= s.NSPEED; ++i) {
    WRITE_FORMATTED(u, "(1X,I2,1X,F5.3,1X,F5.2,1X,10(F6.1,1X))", i, c.Fn(i), s.Vs(i), c.RF(i),
                    c.RV(i), c.RW(i), c.RA(i), c.RAPP(i), c.RB(i), c.RTR(i), c.RBT(i), c.RAIR(i),
                    c.RT(i));
  }
  WRITE_FORMATTED(u, "(1X,84('='))");
  WRITE_FORMATTED(u, tx::LEGEND_8(l));
  WRITE_FORMATTED(u, tx::LEGEND_FN(l));
  WRITE_FORMATTED(u, tx::LEGEND_VS(l));
  WRITE_FORMATTED(u, tx::LEGEND_RS(l));
  WRITE_FORMATTED(u, tx::LEGEND_RV(l));
  WRITE_FORMATTED(u, tx::LEGEND_RW(l));
  WRITE_FORMATTED(u, tx::LEGEND_RA(l));
  WRITE_FORMATTED(u, tx::LEGEND_RAPP(l));
  WRITE_FORMATTED(u, tx::LEGEND_RBL(l));
  WRITE_FORMATTED(u, tx::LEGEND_RTR(l));
  WRITE_FORMATTED(u, tx::LEGEND_RBT(l), s.NBT);
  WRITE_FORMATTED(u, tx::LEGEND_RAA(l));
  WRITE_FORMATTED(u, tx::LEGEND_RT(l));
  WRITE_FORMATTED(u, "(1X,77('='))");
}

void WRITE_CHARACTERISTICS_TABLE(std::ostream& u, const ShipRecord& s, const ResistanceColumns& c,
                                 bool corrected, Lang l) {
  WRITE_FORMATTED(u,
                  corrected ? tx::CHARACTERISTICS_CORRECTED_HEAD(l) : tx::CHARACTERISTICS_HEAD(l));
  for (int i = 1; i <= s.NSPEED; ++i) {
    WRITE_FORMATTED(u, "(1X,I2,2X,F5.2,2X,7(F7.3,2X),I5,2X,F6.2)", i, s.Vs(i), c.Fn(i),
                    1e-09f * c.Rn(i), 1000.0f * c.CF(i), 1000.0f * c.CV(i), 1000.0f * c.CR(i),
                    1000.0f * c.CA(i), 1000.0f * c.CT(i), WHOLE_KW(c.PE(i)),
                    100.0f * c.RAPP(i) / c.RT(i));
  }
  WRITE_FORMATTED(u, "(1X,87('=')))");
}

void WRITE_RESISTANCE_TABLES(std::ostream& son, const ShipRecord& ship, const ResistanceResult& res,
                             const ResistanceTables& t, Lang l) {
  WRITE_SUMMARY_TABLE_I(son, ship, res.columns, l);
  WRITE_CHARACTERISTICS_TABLE(son, ship, res.columns, false, l);
  if (t.stop) return;
  if (t.CorrFlag == 0) {
    WRITE_FORMATTED(son, "(/A/)", tx::NO_WAVE_CORRECTION(l));
    return;
  }
  ResistanceColumns corrected = res.columns;
  corrected.CR = t.CR_corrected;
  corrected.CT = t.CT_corrected;
  corrected.RT = t.RT_corrected;
  corrected.PE = t.PE_corrected;
  WRITE_CHARACTERISTICS_TABLE(son, ship, corrected, true, l);
}

}  // namespace vdk
