// Open-water characteristics of the settled propeller and its propulsion
// characteristics at every speed of the speed list (minimum service).
#include <cmath>
#include <cstdlib>

#include "core/constants.hpp"
#include "core/table_interpolation.hpp"
#include "propeller/propeller_routines.hpp"

namespace vdk {

namespace {

constexpr int NGRID = 41;
constexpr int NLIST = 50;  // capacity of the J list and the per-speed lists

// Advance-ratio grid of the open-water table, 0.2 to 1.2 in steps of 0.025.
constexpr float JGRID[NGRID] = {
    0.2f,   0.225f, 0.25f,  0.275f, 0.3f,   0.325f, 0.35f,  0.375f, 0.4f,   0.425f, 0.45f,
    0.475f, 0.5f,   0.525f, 0.55f,  0.575f, 0.6f,   0.625f, 0.65f,  0.675f, 0.7f,   0.725f,
    0.75f,  0.775f, 0.8f,   0.825f, 0.85f,  0.875f, 0.9f,   0.925f, 0.95f,  0.975f, 1.0f,
    1.025f, 1.05f,  1.075f, 1.1f,   1.125f, 1.15f,  1.175f, 1.2f};

// The open-water points of the table.
struct OpenWaterTable {
  int NJ = 0;
  float J[NLIST + 1] = {};
  float KT[NLIST + 1] = {};
  float KQ[NLIST + 1] = {};
  float ETA0[NLIST + 1] = {};
};

// Number of different advance ratios in the sorted J list.
int DISTINCT_POINTS(const OpenWaterTable& tab) {
  int count = tab.NJ > 0 ? 1 : 0;
  for (int k = 2; k <= tab.NJ; ++k) {
    if (tab.J[k] != tab.J[k - 1]) ++count;
  }
  return count;
}

// NPROP times the rounded power of one propeller; a product no integer field
// could hold comes back as the too-large value of NEAREST_INTEGER.
long long TIMES_PROPELLERS(int NPROP, long long one) {
  constexpr long long TOO_LARGE = 1000000000000000LL;
  if (one >= TOO_LARGE || one <= -TOO_LARGE) return TOO_LARGE;
  const long long n = NPROP;
  if (n != 0 && std::llabs(one) > TOO_LARGE / std::llabs(n)) return TOO_LARGE;
  return n * one;
}

// The service rows, each read off the open-water curves at the rpm where the
// propeller gives the thrust of its speed. A spline stop ends the rows.
void SERVICE_ROWS(const OpenWaterTable& tab, const CharacteristicsInput& s,
                  CharacteristicsRecord& r) {
  const int NJ = tab.NJ;
  float rpm[NLIST + 1] = {};
  float thrust[NLIST + 1] = {};
  const int NV = static_cast<int>(s.VS.size());
  for (int i = 0; i < NV; ++i) {
    const auto k = static_cast<std::size_t>(i);
    // The wake, thrust deduction and rotative efficiency of this speed.
    const float w = s.WFT[k];
    const float t = s.ThDF[k];
    const float ETARi = s.ETAR[k];

    const float V = s.VS[k] * KNOT;
    const float D4 = s.D * s.D * s.D * s.D;
    // Rpm rising: the J list from its last point to its first.
    for (int m = 1; m <= NJ; ++m) {
      const float J = tab.J[NJ + 1 - m];
      rpm[m] = (1.0f - w) * V / (J * s.D) * 60.0f;
      const float rps = rpm[m] / 60.0f;
      thrust[m] = tab.KT[NJ + 1 - m] * s.RHO / 1000.0f * (rps * rps) * D4;
    }
    const float Treq = s.PE[k] / static_cast<float>(s.NPROP) / V / (1.0f - t);
    float RPMi = 0;
    float KTi = 0;
    float KQi = 0;
    bool read = TABLE_INTERPOLATION(NJ, thrust + 1, rpm + 1, Treq, RPMi, NLIST, 3);
    const float Ji = (1.0f - w) * V / ((RPMi / 60.0f) * s.D);
    read = read && TABLE_INTERPOLATION(NJ, tab.J + 1, tab.KT + 1, Ji, KTi, NLIST, 3);
    read = read && TABLE_INTERPOLATION(NJ, tab.J + 1, tab.KQ + 1, Ji, KQi, NLIST, 3);
    if (!read) {
      r.stop = SPLINE_CAPACITY_STOP();
      return;
    }
    const float ETA0i = (KTi / KQi) * Ji / TWO_PI;

    ServiceRow row;
    row.VS = s.VS[k];
    row.PE = NEAREST_INTEGER(s.PE[k]);
    row.t = t;
    row.w = w;
    row.ETAH = (1.0f - t) / (1.0f - w);
    row.ETAR = ETARi;
    row.ETA0 = ETA0i;
    row.ETAD = row.ETAH * ETARi * ETA0i;
    const float P = s.PE[k] / static_cast<float>(s.NPROP) / row.ETAD;
    row.PB = TIMES_PROPELLERS(s.NPROP, NEAREST_INTEGER(P / s.ETATR));
    row.RPM = RPMi;
    r.service.push_back(row);
  }
}

}  // namespace

// A value no integer field can hold (overflow, infinity, NaN) comes back
// larger than any field, so the report shows asterisks in its place.
long long NEAREST_INTEGER(float x) {
  if (!std::isfinite(x) || std::fabs(x) >= 1.0e15f) return 1000000000000000LL;
  return std::llround(x);
}

void SORT_ASCENDING(int N, float* A) {
  for (int p = 0; p < N - 1; ++p) {
    int smallest = p;
    for (int q = p + 1; q < N; ++q) {
      if (A[q] < A[smallest]) smallest = q;
    }
    if (smallest != p) {
      const float keep = A[p];
      A[p] = A[smallest];
      A[smallest] = keep;
    }
  }
}

CharacteristicsRecord PROPULSION_CHARACTERISTICS(const CharacteristicsInput& in) {
  CharacteristicsRecord r;
  r.ow = in.ow;
  r.Z = in.Z;
  OpenWaterState& ow = r.ow;
  OpenWaterTable tab;

  // J list: the grid up to the first negative thrust coefficient, then the design J.
  for (int k = 0; k < NGRID; ++k) {
    ow.J = JGRID[k];
    SERIES_KTKQ(ow, in.set, in.PD, in.EAR, r.Z);
    if (ow.KT < 0.0f) break;
    tab.J[++tab.NJ] = JGRID[k];
  }
  tab.J[++tab.NJ] = in.JD;
  SORT_ASCENDING(tab.NJ, tab.J + 1);

  // Every point with the blade-drag correction of this propeller at this rpm.
  for (int k = 1; k <= tab.NJ; ++k) {
    ow.ReVa = tab.J[k] * (in.N / 60.0f) * in.D;
    ow.ReN = in.N;
    ow.ReD = in.D;
    ow.J = tab.J[k];
    SERIES_KTKQ(ow, in.set, in.PD, in.EAR, r.Z);
    tab.KT[k] = ow.KT;
    tab.KQ[k] = ow.KQ;
    tab.ETA0[k] = ow.ETA0;
    OpenWaterRow row;
    row.J = tab.J[k];
    row.KT = ow.KT;
    row.KQ = ow.KQ;
    row.ETA0 = ow.ETA0;
    const float J = row.J;
    const float J5 = J * J * J * J * J;
    row.Bp = 33.06746f * powf(row.KQ / J5, 0.5f);
    row.delta = 101.2658f / J;
    r.openWater.push_back(row);
  }

  r.SERIES = in.set.SERIES;
  r.JD = in.JD;
  r.EAR = in.EAR;
  r.PDEL = in.PDEL;
  r.TH = in.TH;
  r.N = in.N;
  r.VD = in.VD;
  r.KTD = in.KTD;
  r.KQD = in.KQD;
  r.D = in.D;
  r.WD = in.WD;
  r.TD = in.TD;
  r.ETATR = in.ETATR;
  r.IPOD = in.IPOD;

  // The service table is built around the design speed.
  for (std::size_t i = 0; i < in.VS.size() && !r.designSpeedFound; ++i)
    r.designSpeedFound = std::fabs(in.VS[i] - in.VD) < 0.01f;
  if (!r.designSpeedFound) {
    r.stop = DESIGN_SPEED_STOP();
    return r;
  }

  // One open-water point defines no curve to read the service points from.
  r.serviceComputable = DISTINCT_POINTS(tab) >= 2;
  if (r.serviceComputable) SERVICE_ROWS(tab, in, r);
  return r;
}

}  // namespace vdk
