// Open-water KT, KQ and efficiency of the Wageningen B and Gawn series, with
// the controllable-pitch loss and the blade-section drag (Reynolds) correction.
//
// The polynomials are summed term by term in table order in single precision,
// each term multiplied left to right, C * J^s * (P/D)^t * EAR^u * Z^v, from
// powers built by repeated multiplication. The same code evaluates one advance
// ratio or a group of lanes, so a search sweeping J in groups gets exactly the
// values a single evaluation gives.
#include "propeller/open_water.hpp"

#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>

#include "core/constants.hpp"
#include "propeller/series_tables.hpp"

// x86 processors get a second build of the lane kernel for AVX2.
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
#define VDK_X86_LANES 1
#else
#define VDK_X86_LANES 0
#endif

namespace vdk {

namespace {

enum class Series { WageningenB, Gawn };

// x^0 .. x^K, each power the previous one times x.
template <int K>
struct Powers {
  float p[K + 1];
  explicit Powers(float x) {
    p[0] = 1.0f;
    for (int k = 1; k <= K; ++k) p[k] = p[k - 1] * x;
  }
};

// Eight advance ratios in one value: GCC/Clang vector arithmetic is the
// element-wise IEEE single-precision arithmetic of the scalar code, one
// instruction for all eight where the target has registers that wide.
using Vec8 = float __attribute__((vector_size(8 * sizeof(float))));

// The SERIES_LANES advance ratios of one call, as two groups of eight: the
// sums of the polynomials are chains of dependent additions, and two
// independent chains keep the processor's adders busy. Every operation acts
// on each lane alone, exactly as on a float.
struct Lanes {
  Vec8 h[2];
};
static_assert(SERIES_LANES == 16 && sizeof(Lanes) == SERIES_LANES * sizeof(float));

#define VDK_LANE_OPERATOR(op)                                                                     \
  [[gnu::always_inline, maybe_unused]] inline Lanes operator op(const Lanes& a, const Lanes& b) { \
    return Lanes{{a.h[0] op b.h[0], a.h[1] op b.h[1]}};                                           \
  }                                                                                               \
  [[gnu::always_inline, maybe_unused]] inline Lanes operator op(const Lanes& a, float b) {        \
    return Lanes{{a.h[0] op b, a.h[1] op b}};                                                     \
  }                                                                                               \
  [[gnu::always_inline, maybe_unused]] inline Lanes operator op(float a, const Lanes& b) {        \
    return Lanes{{a op b.h[0], a op b.h[1]}};                                                     \
  }
VDK_LANE_OPERATOR(+)
VDK_LANE_OPERATOR(-)
VDK_LANE_OPERATOR(*)
VDK_LANE_OPERATOR(/)
#undef VDK_LANE_OPERATOR

// One term for the advance ratios V (a float or Lanes): (((C * J^s) * PD^t)
// * EAR^u) * Z^v. The exponents are constants of the table, so a factor
// x^0 = 1 is left out: multiplying by exactly 1 changes no float.
template <const auto& TABLE, std::size_t I, class V>
[[gnu::always_inline]] inline void ADD_TERM(V& sum, const V (&pj)[3], const Powers<6>& pp,
                                            const Powers<2>& pe, const Powers<2>& pz) {
  constexpr SeriesTerm T = TABLE[I];
  if constexpr (T.s == 0) {
    // J^0 = 1: the term is the same in every lane.
    float k = T.C;
    if constexpr (T.t != 0) k = k * pp.p[T.t];
    if constexpr (T.u != 0) k = k * pe.p[T.u];
    if constexpr (T.v != 0) k = k * pz.p[T.v];
    sum = sum + k;
  } else {
    V k = T.C * pj[T.s - 1];
    if constexpr (T.t != 0) k = k * pp.p[T.t];
    if constexpr (T.u != 0) k = k * pe.p[T.u];
    if constexpr (T.v != 0) k = k * pz.p[T.v];
    sum = sum + k;
  }
}

// One polynomial: the sum over the table, in table order, from zero.
// (Results go through references: a wide vector is never passed by value
// between code built for different instruction sets.)
template <const auto& TABLE, class V, std::size_t... I>
[[gnu::always_inline]] inline void POLYNOMIAL(std::index_sequence<I...>, const V (&pj)[3],
                                              const Powers<6>& pp, const Powers<2>& pe,
                                              const Powers<2>& pz, V& sum) {
  sum = V{};  // +0 in every lane
  (ADD_TERM<TABLE, I>(sum, pj, pp, pe, pz), ...);
}

template <const auto& TABLE, class V>
[[gnu::always_inline]] inline void POLYNOMIAL(const V (&pj)[3], const Powers<6>& pp,
                                              const Powers<2>& pe, const Powers<2>& pz, V& sum) {
  POLYNOMIAL<TABLE>(
      std::make_index_sequence<std::tuple_size_v<std::remove_cvref_t<decltype(TABLE)>>>{}, pj, pp,
      pe, pz, sum);
}

// Integer part of a blade number (truncation). A typed blade number beyond
// the integer range is held at the end of the range rather than converted
// out of range.
int BLADE_INTEGER(float Z) {
  if (Z >= 2147483648.0f) return std::numeric_limits<int>::max();
  if (Z < -2147483648.0f) return std::numeric_limits<int>::min();
  if (std::isnan(Z)) return 0;
  return static_cast<int>(Z);
}

// Blade-section drag corrections DKT, DKQ of one evaluation at J.
void DRAG_DELTAS(Series series, const OpenWaterState& ow, const SeriesSettings& set, float PD,
                 float EAR, float Z, float J, float& DKT, float& DKQ) {
  float Dc = ow.ReD;
  if (ow.ReD < 0.001f) Dc = ow.ReVa / ((ow.ReN / 60.0f) * J);

  if (set.drag == BladeDrag::ITTC78) {
    // The series' blade geometry at 0.75 R: the Wageningen B chord
    // 2.073 (AE/A0) D/Z and thickness (0.0185 - 0.00125 Z) D, the Gawn
    // series' chord 0.7 D and thickness-chord ratio 0.0225 as the classic
    // correction takes them.
    float c = 0.7f * Dc;
    float TC = 0.0225f;
    if (series == Series::WageningenB) {
      c = ((2.073f * EAR) * Dc) / Z;
      TC = ((0.0185f - 0.00125f * Z) * Dc) / c;
    }
    ITTC78_CORRECTION(Dc, PD, Z, c, TC, DKT, DKQ);
    return;
  }

  int Zi = 3;
  float TC = 0.0225f;
  float CD = 0.7f;
  if (series == Series::WageningenB) {
    Zi = BLADE_INTEGER(Z);
    const float k = (Zi == 3) ? 2.1475f : 2.073f;
    const float c = ((EAR * Dc) * k) / Z;
    const float t = (0.0185f - 0.00125f * Z) * Dc;
    TC = t / c;
    CD = c / Dc;
  }
  // The reference propeller of the correction: the diameter scaled by
  // S = 0.24/Dc, i.e. Dc^2/0.24 m in size. (The ITTC-78 correction takes the
  // series' own section Reynolds number, 2e6, instead.)
  float S = 0.24f / Dc;

  DKT = 0.0f;
  DKQ = 0.0f;
  KTKQ_REYNOLDS_CORRECTION(Dc, PD, Zi, TC, CD, S, 10.0f, NU_FRESH_15C, NU_SEA_15C, DKT, DKQ);
}

// Steps of one evaluation for the advance ratios J (a float, or Lanes for
// SERIES_LANES at once): polynomials, efficiency, controllable-pitch loss, drag
// correction (lane by lane). With `torque` false only KT is wanted: the
// torque polynomial and the efficiency are then left out where the thrust
// does not depend on them (fixed pitch), and KQ, ETA0 are not written.
template <Series series, bool torque = true, class V>
[[gnu::always_inline]] inline void EVALUATE(const OpenWaterState& ow, const SeriesSettings& set,
                                            float PD, float EAR, float Z, const V& J, V& KT, V& KQ,
                                            V& ETA0) {
  // J^1 .. J^3 (J^1 = 1 * J = J).
  V pj[3];
  pj[0] = J;
  pj[1] = pj[0] * J;
  pj[2] = pj[1] * J;
  const Powers<6> pp(PD);
  const Powers<2> pe(EAR);
  const Powers<2> pz(Z);
  const bool cp = IS_CP_PROPELLER(set);

  V kt;
  V kq{};
  V eta{};
  if constexpr (series == Series::WageningenB) {
    POLYNOMIAL<WAGENINGEN_B_THRUST>(pj, pp, pe, pz, kt);
    if (torque || cp) POLYNOMIAL<WAGENINGEN_B_TORQUE>(pj, pp, pe, pz, kq);
  } else {
    POLYNOMIAL<GAWN_THRUST>(pj, pp, pe, pz, kt);
    if (torque || cp) POLYNOMIAL<GAWN_TORQUE>(pj, pp, pe, pz, kq);
  }

  if (torque || cp) eta = ((kt / kq) * J) / TWO_PI;

  if (cp) {
    // The 2 % loss of a controllable-pitch propeller is taken on the thrust.
    eta = 0.98f * eta;
    kt = ((eta * kq) * TWO_PI) / J;
  }

  if (!(ow.ReVa < 0.001f && ow.ReN < 0.001f)) {
    // Thrust and torque less the drag corrections; the efficiency anew.
    auto correct = [&](float j, float& a, float& q, float& e) {
      float DKT, DKQ;
      DRAG_DELTAS(series, ow, set, PD, EAR, Z, j, DKT, DKQ);
      a = a - DKT;
      if constexpr (torque) {
        q = q - DKQ;
        e = ((a / q) * j) / TWO_PI;
      }
    };
    if constexpr (std::is_same_v<V, float>) {
      correct(J, kt, kq, eta);
    } else if (ow.ReD >= 0.001f) {
      // A given diameter: the same corrections at every advance ratio.
      float DKT, DKQ;
      DRAG_DELTAS(series, ow, set, PD, EAR, Z, 0.0f, DKT, DKQ);
      kt = kt - DKT;
      if constexpr (torque) {
        kq = kq - DKQ;
        eta = ((kt / kq) * J) / TWO_PI;
      }
    } else {
      for (int l = 0; l < SERIES_LANES; ++l) {
        const int g = l / 8, i = l % 8;
        float a = kt.h[g][i], q = kq.h[g][i], e = eta.h[g][i];
        correct(J.h[g][i], a, q, e);
        kt.h[g][i] = a;
        kq.h[g][i] = q;
        eta.h[g][i] = e;
      }
    }
  }

  KT = kt;
  if constexpr (torque) {
    KQ = kq;
    ETA0 = eta;
  }
}

template <Series series>
void EVALUATE_ONE(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float Z) {
  EVALUATE<series>(ow, set, PD, EAR, Z, ow.J, ow.KT, ow.KQ, ow.ETA0);
}

// The lane kernel: J[0..n) group after group of SERIES_LANES, up to and
// including the first group with a negative thrust; returns the number of
// values evaluated. (A loop over the groups lets the compiler keep what
// depends on the geometry alone out of it.)
template <Series series, bool torque>
[[gnu::always_inline]] inline int SWEEP(const OpenWaterState& ow, const SeriesSettings& set,
                                        float PD, float EAR, float Z, const float* J, int n,
                                        float* KT, float* KQ, float* ETA0) {
  int k = 0;
  while (k < n) {
    Lanes j, kt, kq, eta;
    std::memcpy(&j, J + k, sizeof j);
    EVALUATE<series, torque>(ow, set, PD, EAR, Z, j, kt, kq, eta);
    std::memcpy(KT + k, &kt, sizeof kt);
    if constexpr (torque) {
      std::memcpy(KQ + k, &kq, sizeof kq);
      std::memcpy(ETA0 + k, &eta, sizeof eta);
    }
    bool negative = false;
    for (int l = 0; l < SERIES_LANES; ++l) negative = negative || KT[k + l] < 0.0f;
    k += SERIES_LANES;
    if (negative) break;
  }
  return k;
}

[[gnu::always_inline]] inline int SWEEP(Series series, const OpenWaterState& ow,
                                        const SeriesSettings& set, float PD, float EAR, float Z,
                                        const float* J, int n, float* KT, float* KQ, float* ETA0) {
  const bool torque = KQ != nullptr;
  if (series == Series::WageningenB) {
    if (torque) return SWEEP<Series::WageningenB, true>(ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
    return SWEEP<Series::WageningenB, false>(ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
  }
  if (torque) return SWEEP<Series::Gawn, true>(ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
  return SWEEP<Series::Gawn, false>(ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
}

// The same kernel compiled for each instruction set it runs on: only the
// instructions differ. No fused multiply-add in either: the flags forbid
// contraction, and the AVX2 target alone does not enable FMA.
int SWEEP_BASELINE(Series series, const OpenWaterState& ow, const SeriesSettings& set, float PD,
                   float EAR, float Z, const float* J, int n, float* KT, float* KQ, float* ETA0) {
  return SWEEP(series, ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
}

#if VDK_X86_LANES
__attribute__((target("avx2"))) int SWEEP_AVX2(Series series, const OpenWaterState& ow,
                                               const SeriesSettings& set, float PD, float EAR,
                                               float Z, const float* J, int n, float* KT, float* KQ,
                                               float* ETA0) {
  return SWEEP(series, ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
}
#endif

using LaneKernel = int (*)(Series, const OpenWaterState&, const SeriesSettings&, float, float,
                           float, const float*, int, float*, float*, float*);

LaneKernel LANE_KERNEL(LaneCode code) {
#if VDK_X86_LANES
  if (code == LaneCode::Avx2) return SWEEP_AVX2;
#endif
  (void)code;
  return SWEEP_BASELINE;
}

// The Gawn series is evaluated for three blades only.
void GAWN_BLADES(float& Z) {
  if (fabsf(Z - 3.0f) > 0.01f) Z = 3.0f;
}

}  // namespace

void WAGENINGEN_B_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                       float Z) {
  EVALUATE_ONE<Series::WageningenB>(ow, set, PD, EAR, Z);
}

void GAWN_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z) {
  GAWN_BLADES(Z);
  EVALUATE_ONE<Series::Gawn>(ow, set, PD, EAR, Z);
}

void SERIES_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z) {
  if (set.SERIES == 1) WAGENINGEN_B_KTKQ(ow, set, PD, EAR, Z);
  if (set.SERIES == 2) GAWN_KTKQ(ow, set, PD, EAR, Z);
}

bool LANE_CODE_AVAILABLE(LaneCode code) {
  if (code == LaneCode::Baseline) return true;
#if VDK_X86_LANES
  return __builtin_cpu_supports("avx2");
#else
  return false;
#endif
}

int SERIES_KTKQ_SWEEP_WITH(LaneCode code, const OpenWaterState& ow, const SeriesSettings& set,
                           float PD, float EAR, float& Z, const float* J, int n, float* KT,
                           float* KQ, float* ETA0) {
  const LaneKernel kernel = LANE_KERNEL(code);
  if (set.SERIES == 1) return kernel(Series::WageningenB, ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
  if (set.SERIES == 2) {
    GAWN_BLADES(Z);
    return kernel(Series::Gawn, ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
  }
  // Nothing evaluated: the values of the previous evaluation stand.
  for (int k = 0; k < n; ++k) {
    KT[k] = ow.KT;
    if (KQ == nullptr) continue;
    KQ[k] = ow.KQ;
    ETA0[k] = ow.ETA0;
  }
  return n;
}

bool THRUST_POLYNOMIAL(const OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                       float& Z, ThrustPolynomial& p) {
  if (set.SERIES != 1 && set.SERIES != 2) return false;
  if (IS_CP_PROPELLER(set)) return false;  // the thrust follows from the torque
  const bool corrected = !(ow.ReVa < 0.001f && ow.ReN < 0.001f);
  if (corrected && !(ow.ReD >= 0.001f)) return false;  // a correction that varies with J
  if (set.SERIES == 2) GAWN_BLADES(Z);
  const ThrustTable& table = set.SERIES == 1 ? WAGENINGEN_B_THRUST : GAWN_THRUST;
  p = ThrustPolynomial{};
  auto power = [](double x, int k) {
    double r = 1.0;
    for (int i = 0; i < k; ++i) r *= x;
    return r;
  };
  for (const SeriesTerm& T : table) {
    const double c = static_cast<double>(T.C) * power(PD, T.t) * power(EAR, T.u) * power(Z, T.v);
    p.a[T.s] += c;
    p.b[T.s] += std::fabs(c);
  }
  p.terms = THRUST_TERMS;
  if (corrected) {
    float DKT = 0, DKQ = 0;
    DRAG_DELTAS(set.SERIES == 1 ? Series::WageningenB : Series::Gawn, ow, set, PD, EAR, Z, 0.0f,
                DKT, DKQ);
    p.DKT = DKT;
  }
  return true;
}

int SERIES_KTKQ_SWEEP(const OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                      float& Z, const float* J, int n, float* KT, float* KQ, float* ETA0) {
  // The processor does not change while the program runs: chosen once.
  static const LaneCode code =
      LANE_CODE_AVAILABLE(LaneCode::Avx2) ? LaneCode::Avx2 : LaneCode::Baseline;
  return SERIES_KTKQ_SWEEP_WITH(code, ow, set, PD, EAR, Z, J, n, KT, KQ, ETA0);
}

void KTKQ_REYNOLDS_CORRECTION(float D, float PD, int Z, float TC, float CD, float S, float NREF,
                              float NUF, float /*NUS*/, float& DKT, float& DKQ) {
  // Chord at 0.75 R of the propeller and of the reference-scale propeller.
  float cf = CD * D;
  float cx = cf / S;
  float Dx = D / S;
  // Section drag at the reference Reynolds number ...
  float Rn = ((((NREF * PI) * Dx) * cx) * 0.75f) / NUF;
  float CDM = (2.0f * (1.0f + 2.0f * TC)) * (0.044f / powf(Rn, 0.1667f) - 5.0f / powf(Rn, 0.6667f));
  // ... and of the rough full-scale blade (roughness height 30 micron).
  float CF = 1.0f / powf(1.89f + 1.62f * log10f(cf / 0.00003f), 2.5f);
  float CDS = (2.0f * (1.0f + 2.0f * TC)) * CF;
  float DELTACD = CDS - CDM;
  const float z = static_cast<float>(Z);
  // (ITTC-78 has the factors 0.3 and 0.25 and the torque correction of the
  // opposite sign, DKQ = +0.25 Z CD (CDM - CDS), with CDM at the series'
  // Rn 2e6: the full-scale propeller gives a little more thrust and a little
  // less torque. Here, with CDM at the reference scale, both fall.)
  DKT = (((0.28f * z) * CD) * PD) * DELTACD;
  DKQ = ((0.248f * z) * CD) * DELTACD;
}

void ITTC78_CORRECTION(float D, float PD, float Z, float c, float TC, float& DKT, float& DKQ) {
  // Section drag at the series' Reynolds number 2e6 and of the blade with
  // the roughness kp = 30 micrometres.
  constexpr float Rnco = 2.0e6f;
  constexpr float kp = 30.0e-6f;
  const float thick = 2.0f * (1.0f + 2.0f * TC);
  const float CDM = thick * (0.044f / powf(Rnco, 1.0f / 6.0f) - 5.0f / powf(Rnco, 2.0f / 3.0f));
  const float CDS = thick * powf(1.89f + 1.62f * log10f(c / kp), -2.5f);
  const float dCD = CDM - CDS;
  const float cZD = c * Z / D;
  DKT = -dCD * 0.3f * PD * cZD;
  DKQ = dCD * 0.25f * cZD;
}

}  // namespace vdk
