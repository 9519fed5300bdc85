// Wake, thrust deduction and relative rotative efficiency by other published
// empirical formulas, printed for the user's comparison only.
#include <algorithm>
#include <cmath>
#include <vector>

#include "propulsion/propulsion.hpp"
#include "format/format.hpp"

namespace vdk {

void OTHER_METHOD_FACTORS(std::ostream& unit, float Cb, float Cp, float Cwp, float L, float B,
                          float T, float Dp, float Dep, const float* Vs, int n) {
  // Effective wake, single screw
  const float wTaylor1 = 0.5f * Cb - 0.05f;
  const float cb06 = Cb - 0.6f;
  const float wTroost = 0.25f + 2.5f * (cb06 * cb06);
  const float wKruger1 = 0.75f * Cb - 0.24f;
  const float wHeckCargo1 = 0.7f * Cp - 0.18f;
  const float wHeckTrawler = 0.77f * Cp - 0.28f;
  const float wSchneekluth = 0.5f * Cp * (1.6f / (1.0f + Dp / T)) * (16.0f / (10.0f + L / B));
  const float wCaldwell1 = Cb / 3.0f + 0.01f;

  // Speed-dependent wake (Papmehl)
  const int count = std::max(n, 0);
  std::vector<float> Fn(static_cast<std::size_t>(count));
  std::vector<float> wPapmehl(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    Fn[k] = Vs[i] * 0.5144f / sqrtf(9.81f * L);
    wPapmehl[k] = 0.165f * Cb * powf(Dep, 0.333f) / Dp - 0.1f * (Fn[k] - 0.2f);
  }

  // Effective wake, twin screw
  const float wTaylor2 = 0.55f * Cb - 0.2f;
  const float wKruger2 = 0.81f * Cb - 0.34f;
  const float wHeckCargo2 = 0.7f * Cp - 0.3f;
  const float wCaldwell2 = Cb / 3.0f + 0.03f;

  // Thrust deduction, single screw
  const float tTaylor1 = 0.6f * wTaylor1;
  const float tHeckCargo1 = 0.5f * Cp - 0.12f;
  const float tHeckTrawler = 0.77f * Cp - 0.3f;
  const float tDanckwardt1 = 0.5f * Cp - 0.15f;
  const float sspa1 = 1.57f - 2.3f * Cb / Cwp + 1.5f * Cb;

  // Thrust deduction, twin screw
  const float tTaylor2 = 1.25f * wTaylor2;
  const float tHeckCargo2 = 0.5f * Cp - 0.18f;
  const float tDanckwardt2 = 0.52f * Cp - 0.18f;
  const float sspa2 = 1.67f - 2.3f * Cb / Cwp + 1.5f * Cb;
  const float tHoltrop78 = 0.325f * Cb - 0.1885f * Dp / sqrtf(B * T);

  // Relative rotative efficiency (Helm)
  const float etaRHelm = 0.826f + 0.01f * L / powf(Dep, 0.333f) + 0.1f * Cb / Cp + 0.02f * B / T;

  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", Cb);
  WRITE_FORMATTED(unit, "('   Cp = ', F5.3)", Cp);
  WRITE_FORMATTED(unit, "('   Cm = ', F5.3)", Cb / Cp);
  WRITE_FORMATTED(unit, "('  Cwp = ', F5.3)", Cwp);
  WRITE_FORMATTED(unit, "('   L  = ', F6.1, ' m')", L);
  WRITE_FORMATTED(unit, "('   B  = ', F5.2, ' m')", B);
  WRITE_FORMATTED(unit, "('   T  = ', F5.2, ' m')", T);
  WRITE_FORMATTED(unit, "('   Dp = ', F5.2, ' m')", Dp);
  WRITE_FORMATTED(unit, "('  Dep = ', F6.0, ' t')", Dep);

  WRITE_FORMATTED(unit, "(/'   Efektif Iz Katsayisi - w')");
  WRITE_FORMATTED(unit, "(/'   Tek Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('   0.50Cb-0.05 = ', F5.3, ' (Taylor)' )", wTaylor1);
  WRITE_FORMATTED(unit, "('   0.25Cb+2.5(Cb-0.6)^2 = ', F5.3, ' (Troost-Kargo Gemileri)' )",
                  wTroost);
  WRITE_FORMATTED(unit, "('   0.75Cb-0.24 = ', F5.3, ' (Kr\xFCger (1976))' )", wKruger1);
  WRITE_FORMATTED(unit, "('   0.70Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )", wHeckCargo1);
  WRITE_FORMATTED(unit, "('   Cb/3+0.01   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",
                  wCaldwell1);
  WRITE_FORMATTED(unit, "('   0.77Cp-0.28 = ', F5.3, ' (Heckscher-Trawlers)' )", wHeckTrawler);
  WRITE_FORMATTED(unit,
                  "('   0.50Cp(1.6/(1+Dp/T))(16/10+L/B)) = ', F5.3,      ' (Schneekluth (1988) "
                  "- Kargo Gemileri)' )",
                  wSchneekluth);
  WRITE_FORMATTED(unit, "('   0.165Cb(Dep^0.333/Dp)-0.1*(Fn-0.2) - Papmehl (HizaBagli)')");
  WRITE_FORMATTED(unit, "('     Vs     Fn     w')");
  for (int i = 0; i < count; ++i) {
    const auto k = static_cast<std::size_t>(i);
    WRITE_FORMATTED(unit, "(3X,F5.2,2X,2(F5.3,2X))", Vs[i], Fn[k], wPapmehl[k]);
  }
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, "(/'   Cift Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('   0.55Cb-0.20 = ', F5.3, ' (Taylor)' )", wTaylor2);
  WRITE_FORMATTED(unit, "('   0.81Cb-0.34 = ', F5.3, ' (Kr\xFCger (1976))' )", wKruger2);
  WRITE_FORMATTED(unit, "('   0.70Cp-0.30 = ', F5.3, ' (Heckscher-Kargo Gemileri)' )", wHeckCargo2);
  WRITE_FORMATTED(unit, "('   Cb/3+0.03   = ',F5.3,' (Caldwell-Romorkor 0.47<Cb<0.56)')",
                  wCaldwell2);

  WRITE_FORMATTED(unit, "(//)");
  WRITE_FORMATTED(unit, "('   Emme Katsayisi - t')");
  WRITE_FORMATTED(unit, "(/'   Tek Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('         0.60*w = ', F5.3, ' (Taylor)' )", tTaylor1);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.12 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )", tHeckCargo1);
  WRITE_FORMATTED(unit, "('   0.77*Cp-0.30 = ', F5.3, ' (Heckscher-Trawlers   )' )", tHeckTrawler);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.15 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )", tDanckwardt1);
  WRITE_FORMATTED(unit, "('   w*(1.57-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",
                  sspa1);

  WRITE_FORMATTED(unit, "(/'   Cift Pervaneli Gemiler   ')");
  WRITE_FORMATTED(unit, "('         1.25*w = ', F5.3, ' (Taylor)' )", tTaylor2);
  WRITE_FORMATTED(unit, "('   0.50*Cp-0.18 = ', F5.3, ' (Heckscher-Kargo Gemisi)' )", tHeckCargo2);
  WRITE_FORMATTED(unit, "('   0.52*Cp-0.18 = ', F5.3, ' (Dacknwardt-kargo Gemisi' )", tDanckwardt2);
  WRITE_FORMATTED(unit, "('   w*(1.67-2.3Cb/Cwp+1.5Cb) = ', 'w*',F5.3, ' (SSPA - Kargo Gemisi' )",
                  sspa2);
  WRITE_FORMATTED(unit, "('   0.325*Cb-0.1885*Dp/(B*T)^0.5 = ',F5.3, ' (Holtrop ve Mennen(1978)' )",
                  tHoltrop78);
  WRITE_LIST(unit);

  WRITE_FORMATTED(unit, "('   Rolatif Donme Verimi - eta_r')");
  WRITE_FORMATTED(unit, "('   eta_r = 0.95 - 1.05 - Tek Pervaneli Gemiler ')");
  WRITE_FORMATTED(unit,
                  "('   eta_r = 1.0 (Tek Pervane); 0.98 (Cift Pervane) - Alte and Baur (1986) ')");
  WRITE_FORMATTED(unit,
                  "('   0.826+0.01L/Dep^0.333+0.02B/T+0.1*Cm = ', F5.3,  ' (Helm(1980) Tek "
                  "Pervaneli Kucuk Gemiler)' )",
                  etaRHelm);
  WRITE_FORMATTED(unit, "('   eta_r = 1.02-1.06 (Tek Pervane) - Jensen(1994) ')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void OTHER_METHOD_SUMMARY(std::ostream& unit, float L, float B, float T, float Depl, float Cm,
                          float& Cwp, int n, const float* Vs, float Dp) {
  WRITE_FORMATTED(unit, "(//A)", " *** DIGER YONTEMLERE AIT SEVK KATSAYILARI  ****");
  WRITE_FORMATTED(unit,
                  "(1X,'L=',F6.2,' m. - B=',F6.3,' m. - T=',F6.3,    ' m. - Depl=',F8.2,' ton')", L,
                  B, T, Depl);
  WRITE_FORMATTED(unit, "(1X,'Cm=',F6.3,' - Cwp=',F6.3)", Cm, Cwp);

  // Speed list: up to 15 speeds on the first line, the rest in lines of up
  // to 15 below it.
  const int count = std::max(n, 0);
  const int first = std::min(count, 15);
  std::vector<Item> items{Item(n), Item("-")};
  for (int i = 0; i < first; ++i) items.emplace_back(Vs[i]);
  WRITE_FORMATTED(unit, "(I3,1X,A,1X,15F8.3)", items);
  for (int start = first; start < count; start += 15) {
    std::vector<Item> more;
    for (int i = start; i < std::min(count, start + 15); ++i) more.emplace_back(Vs[i]);
    WRITE_FORMATTED(unit, "(6X,15F8.3)", more);
  }

  WRITE_FORMATTED(unit, "(1X,'Dp=',F6.3,' m')", Dp);

  const float volume = Depl / 1.025f;
  const float Cb = volume / (T * B * L);
  const float Cp = Cb / Cm;
  if (Cwp < 0.1f) Cwp = 0.625f * Cb / Cm + 0.375f;
  OTHER_METHOD_FACTORS(unit, Cb, Cp, Cwp, L, B, T, Dp, Depl, Vs, n);
}

}  // namespace vdk
