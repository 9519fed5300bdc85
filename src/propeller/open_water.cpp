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
#include <limits>

#include "propeller/series_tables.hpp"

namespace vdk {

namespace {

constexpr float TWO_PI = 6.2831855f;

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

// One polynomial for L advance ratios: sum[l] = sum over the table, in order,
// of (((C * J^s) * PD^t) * EAR^u) * Z^v.
template <int L, std::size_t N>
inline void POLYNOMIAL(const std::array<SeriesTerm, N>& table, const float (&pj)[4][L],
                       const Powers<6>& pp, const Powers<2>& pe, const Powers<2>& pz,
                       float (&sum)[L]) {
  for (int l = 0; l < L; ++l) sum[l] = 0.0f;
  for (const SeriesTerm& term : table) {
    const float c = term.C;
    const float* js = pj[term.s];
    const float p = pp.p[term.t];
    const float e = pe.p[term.u];
    const float z = pz.p[term.v];
    if (term.s == 0) {
      // J^0 = 1: the term is the same in every lane.
      const float k = (((c * 1.0f) * p) * e) * z;
      for (int l = 0; l < L; ++l) sum[l] = sum[l] + k;
      continue;
    }
    for (int l = 0; l < L; ++l) sum[l] = sum[l] + (((c * js[l]) * p) * e) * z;
  }
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

// Blade-section drag correction of one evaluation (KT, KQ, ETA0 at J updated).
void DRAG_CORRECTION(Series series, const OpenWaterState& ow, float PD, float EAR, float Z, float J,
                     float& KT, float& KQ, float& ETA0) {
  float Dc = ow.ReD;
  if (ow.ReD < 0.001f) Dc = ow.ReVa / ((ow.ReN / 60.0f) * J);

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
  float S = 0.24f / Dc;

  float DKT = 0.0f;
  float DKQ = 0.0f;
  KTKQ_REYNOLDS_CORRECTION(Dc, PD, Zi, TC, CD, S, 10.0f, 1.13902e-6f, 1.18831e-6f, DKT, DKQ);
  KT = KT - DKT;
  KQ = KQ - DKQ;
  ETA0 = ((KT / KQ) * J) / TWO_PI;
}

// Steps of one evaluation for L lanes: polynomials, efficiency,
// controllable-pitch loss, drag correction.
template <int L>
void EVALUATE(Series series, const OpenWaterState& ow, const SeriesSettings& set, float PD,
              float EAR, float Z, const float* J, float* KT, float* KQ, float* ETA0) {
  float pj[4][L];
  for (int l = 0; l < L; ++l) {
    pj[0][l] = 1.0f;
    pj[1][l] = pj[0][l] * J[l];
    pj[2][l] = pj[1][l] * J[l];
    pj[3][l] = pj[2][l] * J[l];
  }
  const Powers<6> pp(PD);
  const Powers<2> pe(EAR);
  const Powers<2> pz(Z);

  float kt[L];
  float kq[L];
  if (series == Series::WageningenB) {
    POLYNOMIAL(WAGENINGEN_B_THRUST, pj, pp, pe, pz, kt);
    POLYNOMIAL(WAGENINGEN_B_TORQUE, pj, pp, pe, pz, kq);
  } else {
    POLYNOMIAL(GAWN_THRUST, pj, pp, pe, pz, kt);
    POLYNOMIAL(GAWN_TORQUE, pj, pp, pe, pz, kq);
  }

  float eta[L];
  for (int l = 0; l < L; ++l) eta[l] = ((kt[l] / kq[l]) * J[l]) / TWO_PI;

  if (IS_CP_PROPELLER(set)) {
    // The 2 % loss of a controllable-pitch propeller is taken on the thrust.
    for (int l = 0; l < L; ++l) {
      eta[l] = 0.98f * eta[l];
      kt[l] = ((eta[l] * kq[l]) * TWO_PI) / J[l];
    }
  }

  if (!(ow.ReVa < 0.001f && ow.ReN < 0.001f)) {
    for (int l = 0; l < L; ++l) DRAG_CORRECTION(series, ow, PD, EAR, Z, J[l], kt[l], kq[l], eta[l]);
  }

  for (int l = 0; l < L; ++l) {
    KT[l] = kt[l];
    KQ[l] = kq[l];
    ETA0[l] = eta[l];
  }
}

void EVALUATE_ONE(Series series, OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                  float Z) {
  float J[1] = {ow.J};
  float KT[1];
  float KQ[1];
  float ETA0[1];
  EVALUATE<1>(series, ow, set, PD, EAR, Z, J, KT, KQ, ETA0);
  ow.KT = KT[0];
  ow.KQ = KQ[0];
  ow.ETA0 = ETA0[0];
}

// The Gawn series is evaluated for three blades only.
void GAWN_BLADES(float& Z) {
  if (fabsf(Z - 3.0f) > 0.01f) Z = 3.0f;
}

}  // namespace

void WAGENINGEN_B_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                       float Z) {
  EVALUATE_ONE(Series::WageningenB, ow, set, PD, EAR, Z);
}

void GAWN_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z) {
  GAWN_BLADES(Z);
  EVALUATE_ONE(Series::Gawn, ow, set, PD, EAR, Z);
}

void SERIES_KTKQ(OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR, float& Z) {
  if (set.SERIES == 1) WAGENINGEN_B_KTKQ(ow, set, PD, EAR, Z);
  if (set.SERIES == 2) GAWN_KTKQ(ow, set, PD, EAR, Z);
}

void SERIES_KTKQ_LANES(const OpenWaterState& ow, const SeriesSettings& set, float PD, float EAR,
                       float& Z, const float* J, float* KT, float* KQ, float* ETA0) {
  if (set.SERIES == 1) {
    EVALUATE<SERIES_LANES>(Series::WageningenB, ow, set, PD, EAR, Z, J, KT, KQ, ETA0);
  } else if (set.SERIES == 2) {
    GAWN_BLADES(Z);
    EVALUATE<SERIES_LANES>(Series::Gawn, ow, set, PD, EAR, Z, J, KT, KQ, ETA0);
  } else {
    // Nothing evaluated: the values of the previous evaluation stand.
    for (int l = 0; l < SERIES_LANES; ++l) {
      KT[l] = ow.KT;
      KQ[l] = ow.KQ;
      ETA0[l] = ow.ETA0;
    }
  }
}

void KTKQ_REYNOLDS_CORRECTION(float D, float PD, int Z, float TC, float CD, float S, float NREF,
                              float NUF, float /*NUS*/, float& DKT, float& DKQ) {
  // Chord at 0.75 R of the propeller and of the reference-scale propeller.
  float cf = CD * D;
  float cx = cf / S;
  float Dx = D / S;
  // Section drag at the reference Reynolds number ...
  float Rn = ((((NREF * 3.1415927f) * Dx) * cx) * 0.75f) / NUF;
  float CDM = (2.0f * (1.0f + 2.0f * TC)) * (0.044f / powf(Rn, 0.1667f) - 5.0f / powf(Rn, 0.6667f));
  // ... and of the rough full-scale blade (roughness height 30 micron).
  float CF = 1.0f / powf(1.89f + 1.62f * log10f(cf / 0.00003f), 2.5f);
  float CDS = (2.0f * (1.0f + 2.0f * TC)) * CF;
  float DELTACD = CDS - CDM;
  const float z = static_cast<float>(Z);
  DKT = (((0.28f * z) * CD) * PD) * DELTACD;
  DKQ = ((0.248f * z) * CD) * DELTACD;
}

}  // namespace vdk
