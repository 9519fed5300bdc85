#include "report/propulsion_report.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "format/format.hpp"
#include "report/stop_texts.hpp"

namespace vdk {

void WRITE_ANDERSEN_GULDHAMMER(std::ostream& unit, const AndersenGuldhammer& r) {
  WRITE_FORMATTED(unit, "(5/)");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  ANDERSENN&GULDHAMMER YONTEMI - SEVK KATSAYILARI    ')");
  WRITE_FORMATTED(unit, "('  Andersenn&Guldhammer (CADMO,1986 procs`) paper     ')");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
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

void WRITE_GULDHAMMER_HARVALD(std::ostream& unit, const GuldhammerHarvald& r) {
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  GULDHAMMER&HARWALD YONTEMI - SEVK KATSAYILARI      ')");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
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

void WRITE_OTHER_METHOD_FACTORS(std::ostream& unit, const OtherMethodFactors& r) {
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
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

  WRITE_FORMATTED(unit, "(/'   Efektif Iz Katsayisi - w')");
  WRITE_FORMATTED(unit, "(/'   Tek Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('   0.50Cb-0.05 = ', F5.3, ' (Taylor)' )", r.wTaylor1);
  WRITE_FORMATTED(unit, "('   0.25Cb+2.5(Cb-0.6)^2 = ', F5.3, ' (Troost-Kargo Gemileri)' )",
                  r.wTroost);
  WRITE_FORMATTED(unit, "('   0.75Cb-0.24 = ', F5.3, ' (Kr\xFCger (1976))' )", r.wKruger1);
  WRITE_FORMATTED(unit, "('   0.70Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )",
                  r.wHeckCargo1);
  WRITE_FORMATTED(unit, "('   Cb/3+0.01   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",
                  r.wCaldwell1);
  WRITE_FORMATTED(unit, "('   0.77Cp-0.28 = ', F5.3, ' (Heckscher-Trawlers)' )", r.wHeckTrawler);
  WRITE_FORMATTED(unit,
                  "('   0.50Cp(1.6/(1+Dp/T))(16/10+L/B)) = ', F5.3,      ' (Schneekluth (1988) "
                  "- Kargo Gemileri)' )",
                  r.wSchneekluth);
  WRITE_FORMATTED(unit, "('   0.165Cb(Dep^0.333/Dp)^0.5-0.1*(Fn-0.2) - Papmehl (HizaBagli)')");
  WRITE_FORMATTED(unit, "('     Vs     Fn     w')");
  for (const PapmehlRow& row : r.papmehl) {
    WRITE_FORMATTED(unit, "(3X,F5.2,2X,2(F5.3,2X))", row.Vs, row.Fn, row.w);
  }
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, "(/'   Cift Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('   0.55Cb-0.20 = ', F5.3, ' (Taylor)' )", r.wTaylor2);
  WRITE_FORMATTED(unit, "('   0.81Cb-0.34 = ', F5.3, ' (Kr\xFCger (1976))' )", r.wKruger2);
  WRITE_FORMATTED(unit, "('   0.70Cp-0.30 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )",
                  r.wHeckCargo2);
  WRITE_FORMATTED(unit, "('   Cb/3+0.03   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",
                  r.wCaldwell2);

  WRITE_FORMATTED(unit, "(//)");
  WRITE_FORMATTED(unit, "('   Emme Katsayisi - t')");
  WRITE_FORMATTED(unit, "(/'   Tek Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('         0.60*w = ', F5.3, ' (Taylor)' )", r.tTaylor1);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.12 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )",
                  r.tHeckCargo1);
  WRITE_FORMATTED(unit, "('   0.77*Cp-0.30 = ', F5.3, ' (Heckscher-Trawlers   )' )",
                  r.tHeckTrawler);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.15 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )",
                  r.tDanckwardt1);
  WRITE_FORMATTED(unit, "('   w*(1.57-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",
                  r.sspa1);

  WRITE_FORMATTED(unit, "(/'   Cift Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('         1.25*w = ', F5.3, ' (Taylor)' )", r.tTaylor2);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )",
                  r.tHeckCargo2);
  WRITE_FORMATTED(unit, "('   0.52*Cp-0.18 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )",
                  r.tDanckwardt2);
  WRITE_FORMATTED(unit, "('   w*(1.67-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",
                  r.sspa2);
  WRITE_FORMATTED(unit, "('   0.325*Cb-0.1885*Dp/(B*T)^0.5 = ',F5.3, ' (Holtrop ve Mennen(1978)' )",
                  r.tHoltrop78);
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, "('   Rolatif Donme Verimi - eta_r')");
  WRITE_FORMATTED(unit, "('   eta_r = 0.95 - 1.05 - Tek Pervaneli Gemiler ')");
  WRITE_FORMATTED(unit,
                  "('   eta_r = 1.0 (Tek Pervane); 0.98 (Cift Pervane) - Alte and Baur (1986) ')");
  WRITE_FORMATTED(unit,
                  "('   0.826+0.01L/Dep^0.333+0.02B/T+0.1*Cm = ', F5.3,  ' (Helm(1980) Tek "
                  "Pervaneli Kucuk Gemiler)' )",
                  r.etaRHelm);
  WRITE_FORMATTED(unit, "('   eta_r = 1.02-1.06 (Tek Pervane) - Jensen(1994) ')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void WRITE_OTHER_METHOD_SECTIONS(std::ostream& son, const OtherMethodSections& s) {
  WRITE_ANDERSEN_GULDHAMMER(son, s.ag);
  WRITE_GULDHAMMER_HARVALD(son, s.gh);
  WRITE_OTHER_METHOD_FACTORS(son, s.other);
}

void WRITE_OTHER_METHOD_SUMMARY(std::ostream& unit, const OtherMethodSummary& s) {
  WRITE_FORMATTED(unit, "(//A)", " *** DIGER YONTEMLERE AIT SEVK KATSAYILARI  ****");
  WRITE_FORMATTED(unit,
                  "(1X,'L=',F6.2,' m. - B=',F6.3,' m. - T=',F6.3,    ' m. - Depl=',F8.2,' ton')",
                  s.L, s.B, s.T, s.Depl);
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

  WRITE_OTHER_METHOD_FACTORS(unit, s.factors);
}

void WRITE_PROPULSION_PREREQUISITES(std::ostream& con, std::ostream& son,
                                    const PropulsionPrerequisites& p) {
  if (p.too_few_speeds) {
    constexpr const char* kTooFew =
        "(3X,'HIZ SAYISI 4 den KUCUK GIRILDI BU DURUMDA SEVK ANALIZI YAPILAMAZ')";
    constexpr const char* kStopped = "(3X,'     PROGRAM DURDURULDU')";
    WRITE_LIST(son);
    WRITE_FORMATTED(son, kTooFew);
    WRITE_FORMATTED(son, kStopped);
    WRITE_FORMATTED(con, kTooFew);
    WRITE_FORMATTED(con, kStopped);
    return;
  }
  WRITE_FORMATTED(son, "(2X,' Deniz Marjini = %',F4.0,                         ' alinmistir')",
                  p.SeaMargin * 100.0f);
  if (p.stop) {
    con << TRIAL_SPEED_NOT_LISTED_TEXT(p.Vtrial);
  }
}

}  // namespace vdk
