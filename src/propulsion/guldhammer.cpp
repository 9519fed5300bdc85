// Andersen & Guldhammer and Guldhammer & Harvald estimates of the wake and
// thrust deduction fractions, printed with every intermediate term for the
// user's information. The terms are evaluated in double precision from the
// single-precision particulars, so that exact cases such as Cb = 0.7 or
// D/L = 0.04 come out exactly (c = 94.2, w2 = 0); w and t are returned as
// float.
#include "propulsion/propulsion.hpp"
#include "format/format.hpp"

namespace vdk {

namespace {

// Wake and thrust deduction terms common to both methods.
struct CommonTerms {
  double Cb, BL;
  double a, b, c, w1;
  double d, e, f, t1;
};

CommonTerms COMMON_TERMS(float V, float B, float T, float L) {
  CommonTerms k{};
  const double dV = V, dB = B, dT = T, dL = L;
  k.Cb = dV / (dL * dT * dB);
  k.BL = dB / dL;
  const double x = 0.98 - k.Cb;
  const double x3 = x * x * x;
  k.a = 0.1 * k.BL + 0.149;
  k.b = 0.05 * k.BL + 0.449;
  k.c = 585.0 - 5027.0 * k.BL + 11700.0 * (k.BL * k.BL);
  k.w1 = k.a + k.b / (k.c * x3 + 1.0);
  k.d = 0.625 * k.BL + 0.08;
  k.e = 0.165 - 0.25 * k.BL;
  k.f = 825.0 - 8060.0 * k.BL + 20300.0 * (k.BL * k.BL);
  k.t1 = k.d + k.e / (k.f * x3 + 1.0);
  return k;
}

}  // namespace

void ANDERSEN_GULDHAMMER(std::ostream& unit, float V, float B, float T, float L, float D0, float& w,
                         float& t) {
  const CommonTerms k = COMMON_TERMS(V, B, T, L);
  const double DL = static_cast<double>(D0) / static_cast<double>(L);
  const double w2 = -0.18 + 0.00756 / (DL + 0.002);  // not limited
  const double wSum = k.w1 + w2;
  const double t2 = 2.0 * (DL - 0.04);
  const double tSum = k.t1 + t2;
  w = static_cast<float>(wSum);
  t = static_cast<float>(tSum);

  WRITE_FORMATTED(unit, "(5/)");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  ANDERSENN&GULDHAMMER YONTEMI - SEVK KATSAYILARI    ')");
  WRITE_FORMATTED(unit, "('  Andersenn&Guldhammer (CADMO,1986 procs`) paper     ')");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   B  = ', F10.5, ' m' )", B);
  WRITE_FORMATTED(unit, "('   L  = ', F10.5, ' m' )", L);
  WRITE_FORMATTED(unit, "('   T  = ', F10.5, ' m' )", T);
  WRITE_FORMATTED(unit, "('   D0  = ', F10.5, ' m' )", D0);
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", k.Cb);
  WRITE_FORMATTED(unit, "('  B/L = ', F10.5 )", k.BL);
  WRITE_FORMATTED(unit, "('  D/L = ', F10.5 )", DL);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('  a  = 0.10*B/L + 0.149 = ', F7.5)", k.a);
  WRITE_FORMATTED(unit, "('  b  = 0.05*B/L + 0.449 = ', F7.5)", k.b);
  WRITE_FORMATTED(unit, "('  c  = 585 - 5027*(B/L) + 11700*(B/L)**2 = ', F10.5)", k.c);
  WRITE_FORMATTED(unit, "('  w1 = a + b / (c*(0.98 - Cb)**3+1) = ', F6.4)", k.w1);
  WRITE_FORMATTED(unit, "('  w2 = -0.18+0.00756/(D0/L+0.002)   = ', F6.4)", w2);
  WRITE_FORMATTED(unit, "('  w  = w1 + w2 = ', F7.4)", wSum);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('  d  = 0.625*B/L + 0.08 = ', F7.4)", k.d);
  WRITE_FORMATTED(unit, "('  e  = 0.165 - 0.25*B/L = ', F7.4)", k.e);
  WRITE_FORMATTED(unit, "('  f  = 825 - 8060*B/L + 20300*(B/L)**2 = ', F7.4)", k.f);
  WRITE_FORMATTED(unit, "('  t1 = d + e / (f*(0.98 - Cb)**3+1) = ', F7.4)", k.t1);
  WRITE_FORMATTED(unit, "('  t2 = 2.*(D/L-0.04) = ', F7.4)", t2);
  WRITE_FORMATTED(unit, "('  t  = t1 + t2 = ', F7.4)", tSum);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "(/2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

void GULDHAMMER_HARVALD(std::ostream& unit, float V, float B, float Taft, float T, float L,
                        float& w, float& t) {
  const CommonTerms k = COMMON_TERMS(V, B, T, L);
  const double dTaft = Taft;
  const double DL = 0.6 * static_cast<double>(T) / static_cast<double>(L);  // assumed D = 0.6 T
  const double s = k.Cb - 0.7;
  const double w2 = 0.025 * dTaft / (100.0 * (s * s) + 1.0);
  double w3 = -0.18 + 0.00756 / (DL + 0.002);
  if (w3 > 0.1) w3 = 0.1;
  const double wSum = k.w1 + w2 + w3;
  const double t2 = -0.01 * dTaft;
  const double t3 = 2.0 * (DL - 0.04);
  const double tSum = k.t1 + t2 + t3;
  w = static_cast<float>(wSum);
  t = static_cast<float>(tSum);

  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('  GULDHAMMER&HARWALD YONTEMI - SEVK KATSAYILARI      ')");
  WRITE_FORMATTED(unit, "('  (Bu formuller kullaniciyi bilgilendirmek amaci ile  verilmistir.)')");
  WRITE_FORMATTED(unit, "('  (Program Holtrop `un sevk katsayilarini kullanir)  ')");
  WRITE_FORMATTED(unit, "(2X,54('='))");
  WRITE_FORMATTED(unit, "('   B  = ', F10.5, ' m' )", B);
  WRITE_FORMATTED(unit, "('   L  = ', F10.5, ' m' )", L);
  WRITE_FORMATTED(unit, "('   T  = ', F10.5, ' m' )", T);
  WRITE_FORMATTED(unit, "('  Taft= ', F10.5, ' m' )", Taft);
  WRITE_FORMATTED(unit, "('   Cb = ', F5.3)", k.Cb);
  WRITE_FORMATTED(unit, "(2X,54('-'))");
  WRITE_FORMATTED(unit, "('   w1 = ', F6.4)", k.w1);
  WRITE_FORMATTED(unit, "('   w2 = ', F6.4)", w2);
  WRITE_FORMATTED(unit, "('   w3 = ', F6.4)", w3);
  WRITE_FORMATTED(unit, "('    w = w1+w2+w3 = ', F6.4)", wSum);
  WRITE_FORMATTED(unit, "('   t1 = ', F6.4)", k.t1);
  WRITE_FORMATTED(unit, "('   t2 = ', F6.4)", t2);
  WRITE_FORMATTED(unit, "('   t3 = ', F6.4)", t3);
  WRITE_FORMATTED(unit, "('    t = t1+t2+t3 = ', F6.4)", tSum);
  WRITE_FORMATTED(unit, "(/2X,54('='))");
  WRITE_FORMATTED(unit, "(5/)");
}

}  // namespace vdk
