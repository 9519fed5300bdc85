#include "report/propulsion_report.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "format/format.hpp"
#include "report/stop_texts.hpp"
#include "report/texts.hpp"

namespace vdk {

void WRITE_ANDERSEN_GULDHAMMER(std::ostream& unit, const AndersenGuldhammer& r, Lang l) {
  WRITE_FORMATTED(unit, "(5/)");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::AG_TITLE(l));
  WRITE_FORMATTED(unit, tx::AG_SOURCE(l));
  WRITE_FORMATTED(unit, tx::FOR_INFORMATION(l));
  WRITE_FORMATTED(unit, tx::HOLTROP_USED(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   B  = ', F10.5, ' m' )", r.B);
  WRITE_FORMATTED(unit, "('   L  = ', F10.5, ' m' )", r.L);
  WRITE_FORMATTED(unit, "('   T  = ', F10.5, ' m' )", r.T);
  WRITE_FORMATTED(unit, "('   D0  = ', F10.5, ' m' )", r.D0);
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", r.Cb);
  WRITE_FORMATTED(unit, "('  B/L = ', F10.5 )", r.BL);
  WRITE_FORMATTED(unit, "('  D/L = ', F10.5 )", r.DL);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('  a  = 0.10*B/L + 0.149 = ', F7.5)", r.a);
  WRITE_FORMATTED(unit, "('  b  = 0.05*B/L + 0.449 = ', F7.5)", r.b);
  WRITE_FORMATTED(unit, "('  c  = 585 - 5027*(B/L) + 11700*(B/L)**2 = ', F10.5)", r.c);
  WRITE_FORMATTED(unit, "('  w1 = a + b / (c*(0.98 - Cb)**3+1) = ', F6.4)", r.w1);
  WRITE_FORMATTED(unit, "('  w2 = -0.18+0.00756/(D0/L+0.002)   = ', F6.4)", r.w2);
  WRITE_FORMATTED(unit, "('  w  = w1 + w2 = ', F7.4)", r.wSum);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('  d  = 0.625*B/L + 0.08 = ', F7.4)", r.d);
  WRITE_FORMATTED(unit, "('  e  = 0.165 - 0.25*B/L = ', F7.4)", r.e);
  WRITE_FORMATTED(unit, "('  f  = 825 - 8060*B/L + 20300*(B/L)**2 = ', F7.4)", r.f);
  WRITE_FORMATTED(unit, "('  t1 = d + e / (f*(0.98 - Cb)**3+1) = ', F7.4)", r.t1);
  WRITE_FORMATTED(unit, "('  t2 = 2.*(D/L-0.04) = ', F7.4)", r.t2);
  WRITE_FORMATTED(unit, "('  t  = t1 + t2 = ', F7.4)", r.tSum);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "(/2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void WRITE_GULDHAMMER_HARVALD(std::ostream& unit, const GuldhammerHarvald& r, Lang l) {
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::GH_TITLE(l));
  WRITE_FORMATTED(unit, tx::FOR_INFORMATION_2(l));
  WRITE_FORMATTED(unit, tx::HOLTROP_USED(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   B  = ', F10.5, ' m' )", r.B);
  WRITE_FORMATTED(unit, "('   L  = ', F10.5, ' m' )", r.L);
  WRITE_FORMATTED(unit, "('   T  = ', F10.5, ' m' )", r.T);
  WRITE_FORMATTED(unit, "('  Taft= ', F10.5, ' m' )", r.Taft);
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", r.Cb);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('   w1 = ', F6.4)", r.w1);
  WRITE_FORMATTED(unit, "('   w2 = ', F6.4)", r.w2);
  WRITE_FORMATTED(unit, "('   w3 = ', F6.4)", r.w3);
  WRITE_FORMATTED(unit, "('    w = w1+w2+w3 = ', F6.4)", r.wSum);
  WRITE_FORMATTED(unit, "('   t1 = ', F6.4)", r.t1);
  WRITE_FORMATTED(unit, "('   t2 = ', F6.4)", r.t2);
  WRITE_FORMATTED(unit, "('   t3 = ', F6.4)", r.t3);
  WRITE_FORMATTED(unit, "('    t = t1+t2+t3 = ', F6.4)", r.tSum);
  WRITE_FORMATTED(unit, "(/2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void WRITE_OTHER_METHOD_FACTORS(std::ostream& unit, const OtherMethodFactors& r, Lang l) {
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, tx::FOR_INFORMATION_2(l));
  WRITE_FORMATTED(unit, tx::HOLTROP_USED(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", r.Cb);
  WRITE_FORMATTED(unit, "('   Cp = ', F5.3)", r.Cp);
  WRITE_FORMATTED(unit, "('   Cm = ', F5.3)", r.Cm);
  WRITE_FORMATTED(unit, "('  Cwp = ', F5.3)", r.Cwp);
  WRITE_FORMATTED(unit, "('   L  = ', F6.1, ' m')", r.L);
  WRITE_FORMATTED(unit, "('   B  = ', F5.2, ' m')", r.B);
  WRITE_FORMATTED(unit, "('   T  = ', F5.2, ' m')", r.T);
  WRITE_FORMATTED(unit, "('   Dp = ', F5.2, ' m')", r.Dp);
  WRITE_FORMATTED(unit, "('  Dep = ', F6.0, ' t')", r.Dep);

  WRITE_FORMATTED(unit, tx::OM_WAKE_TITLE(l));
  WRITE_FORMATTED(unit, tx::OM_SINGLE_SCREW(l));
  WRITE_FORMATTED(unit, "('   0.50Cb-0.05 = ', F5.3, ' (Taylor)' )", r.wTaylor1);
  WRITE_FORMATTED(unit, tx::OM_TROOST(l), r.wTroost);
  WRITE_FORMATTED(unit, tx::OM_KRUGER_1(l), r.wKruger1);
  WRITE_FORMATTED(unit, tx::OM_HECK_CARGO_W1(l), r.wHeckCargo1);
  WRITE_FORMATTED(unit, tx::OM_CALDWELL_1(l), r.wCaldwell1);
  WRITE_FORMATTED(unit, tx::OM_HECK_TRAWLER_W(l), r.wHeckTrawler);
  WRITE_FORMATTED(unit, tx::OM_SCHNEEKLUTH(l), r.wSchneekluth);
  WRITE_FORMATTED(unit, tx::OM_PAPMEHL(l));
  WRITE_FORMATTED(unit, "('     Vs     Fn     w')");
  for (const PapmehlRow& row : r.papmehl) {
    WRITE_FORMATTED(unit, "(3X,F5.2,2X,2(F5.3,2X))", row.Vs, row.Fn, row.w);
  }
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, tx::OM_TWIN_SCREW(l));
  WRITE_FORMATTED(unit, "('   0.55Cb-0.20 = ', F5.3, ' (Taylor)' )", r.wTaylor2);
  WRITE_FORMATTED(unit, tx::OM_KRUGER_2(l), r.wKruger2);
  WRITE_FORMATTED(unit, tx::OM_HECK_CARGO_W2(l), r.wHeckCargo2);
  WRITE_FORMATTED(unit, tx::OM_CALDWELL_2(l), r.wCaldwell2);

  WRITE_FORMATTED(unit, "(//)");
  WRITE_FORMATTED(unit, tx::OM_THRUST_TITLE(l));
  WRITE_FORMATTED(unit, tx::OM_SINGLE_SCREW(l));
  WRITE_FORMATTED(unit, "('         0.60*w = ', F5.3, ' (Taylor)' )", r.tTaylor1);
  WRITE_FORMATTED(unit, tx::OM_HECK_CARGO_T1(l), r.tHeckCargo1);
  WRITE_FORMATTED(unit, tx::OM_HECK_TRAWLER_T(l), r.tHeckTrawler);
  WRITE_FORMATTED(unit, tx::OM_DANCKWARDT_1(l), r.tDanckwardt1);
  WRITE_FORMATTED(unit, tx::OM_SSPA_1(l), r.sspa1);

  WRITE_FORMATTED(unit, tx::OM_TWIN_SCREW(l));
  WRITE_FORMATTED(unit, "('         1.25*w = ', F5.3, ' (Taylor)' )", r.tTaylor2);
  WRITE_FORMATTED(unit, tx::OM_HECK_CARGO_T2(l), r.tHeckCargo2);
  WRITE_FORMATTED(unit, tx::OM_DANCKWARDT_2(l), r.tDanckwardt2);
  WRITE_FORMATTED(unit, tx::OM_SSPA_2(l), r.sspa2);
  WRITE_FORMATTED(unit, tx::OM_HOLTROP_78(l), r.tHoltrop78);
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, tx::OM_ETAR_TITLE(l));
  WRITE_FORMATTED(unit, tx::OM_ETAR_RANGE(l));
  WRITE_FORMATTED(unit, tx::OM_ETAR_ALTE(l));
  WRITE_FORMATTED(unit, tx::OM_ETAR_HELM(l), r.etaRHelm);
  WRITE_FORMATTED(unit, tx::OM_ETAR_JENSEN(l));
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void WRITE_OTHER_METHOD_SECTIONS(std::ostream& son, const OtherMethodSections& s, Lang l) {
  WRITE_ANDERSEN_GULDHAMMER(son, s.ag, l);
  WRITE_GULDHAMMER_HARVALD(son, s.gh, l);
  WRITE_OTHER_METHOD_FACTORS(son, s.other, l);
}

void WRITE_OTHER_METHOD_SUMMARY(std::ostream& unit, const OtherMethodSummary& s, Lang l) {
  WRITE_FORMATTED(unit, "(//A)", tx::OM_SUMMARY_TITLE(l));
  WRITE_FORMATTED(unit, tx::OM_SUMMARY_SHIP(l), s.L, s.B, s.T, s.Depl);
  WRITE_FORMATTED(unit, "(1X,'Cm=',F6.3,' - Cwp=',F6.3)", s.Cm, s.Cwp_given);

  // Speed list: up to 15 speeds on the first line, the rest in lines of up
  // to 15 below it.
  const int count = static_cast<int>(s.Vs.size());
  const int first = std::min(count, 15);
  std::vector<Item> items{Item(count), Item("-")};
  for (int i = 0; i < first; ++i) items.emplace_back(s.Vs[static_cast<std::size_t>(i)]);
  WRITE_FORMATTED(unit, "(I3,1X,A,1X,15F8.3)", items);
  for (int start = first; start < count; start += 15) {
    std::vector<Item> more;
    for (int i = start; i < std::min(count, start + 15); ++i)
      more.emplace_back(s.Vs[static_cast<std::size_t>(i)]);
    WRITE_FORMATTED(unit, "(6X,15F8.3)", more);
  }

  WRITE_FORMATTED(unit, "(1X,'Dp=',F6.3,' m')", s.Dp);

  WRITE_OTHER_METHOD_FACTORS(unit, s.factors, l);
}

void WRITE_PROPULSION_PREREQUISITES(std::ostream& con, std::ostream& son,
                                    const PropulsionPrerequisites& p, Lang l) {
  if (p.too_few_speeds) {
    const std::string_view kTooFew = tx::TOO_FEW_SPEEDS(l);
    const std::string_view kStopped = tx::PROGRAM_HALTED(l);
    WRITE_LIST(son);
    WRITE_FORMATTED(son, kTooFew);
    WRITE_FORMATTED(son, kStopped);
    WRITE_FORMATTED(con, kTooFew);
    WRITE_FORMATTED(con, kStopped);
    return;
  }
  WRITE_FORMATTED(son, tx::SEA_MARGIN(l), p.SeaMargin * 100.0f);
  if (p.stop) con << TRIAL_SPEED_NOT_LISTED_TEXT(p.Vtrial, l);
}

}  // namespace vdk
