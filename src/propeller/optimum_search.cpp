// Optimum propeller of the series for a required thrust: for a given diameter
// the thrust loading KT/J^2 is matched, for a given rpm KT/J^4. For every
// pitch ratio of a fixed grid the advance ratio meeting the loading is found
// on a fixed J grid; every such candidate is listed, and the one with the
// highest open-water efficiency is selected.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/constants.hpp"
#include "propeller/propeller_routines.hpp"

namespace vdk {

namespace {

constexpr int PD_VALUES = 90;     // P/D 0.50, 0.51, ... 1.39
constexpr int J_VALUES = 1400;    // J 0.100, 0.101, ... 1.499
constexpr int WORK_SIZE = 10000;  // room of the candidate list before it grows
constexpr int J_SWEPT = (J_VALUES + SERIES_LANES - 1) / SERIES_LANES * SERIES_LANES;
static_assert(J_SWEPT % 4 == 0, "the loadings are divided four at a time");

// Four floats, the width of the baseline instruction set's registers; the
// arithmetic and the comparisons are element-wise, exactly those of a float
// (a comparison gives -1 or 0 in each lane).
using Vec4 = float __attribute__((vector_size(4 * sizeof(float))));
using Mask4 = int __attribute__((vector_size(4 * sizeof(int))));

// (Taken by pointer, and inline: a wide vector is never passed by value.)
[[gnu::always_inline]] inline void LOAD4(Vec4& v, const float* x) {
  std::memcpy(&v, x, sizeof v);
}
[[gnu::always_inline]] inline bool ANY4(const Mask4& m) {
  std::uint64_t w[2];
  std::memcpy(w, &m, sizeof w);
  return (w[0] | w[1]) != 0;
}

enum class Loading { KTJ2, KTJ4 };

// The power of J dividing KT in the loading: J^2, or J^4 built left to right.
float LOADING_POWER(Loading kind, float J) {
  if (kind == Loading::KTJ2) return J * J;
  return ((J * J) * J) * J;
}

using Grid = std::array<float, J_SWEPT>;

// The points of one P/D by evaluating the whole J grid: the thrust of every
// point up to the first negative one, and their loadings KT / J^n. Returns
// the number of points before the first negative thrust.
int SWEPT_POINTS(const PropellerRoutineInput& in, PropellerRoutineRecord& r, float PD,
                 const Grid& jgrid, const Grid& jpower, Grid& KT, Grid& load) {
  const int swept = SERIES_KTKQ_SWEEP(r.ow, in.set, PD, in.EAR, r.Z, jgrid.data(), J_SWEPT,
                                      KT.data(), nullptr, nullptr);
  const int last = swept < J_VALUES ? swept : J_VALUES;
  // (Four at a time up to the group holding it, then one by one.)
  int np = 0;
  const Vec4 zero{};
  Vec4 a, b;
  for (; np + 4 <= last; np += 4) {
    LOAD4(a, &KT[np]);
    if (ANY4(a < zero)) break;
  }
  while (np < last && !(KT[np] < 0.0f)) ++np;
  // KT / J^n, four points per division instruction.
  for (int i = 0; i < np; i += 4) {
    LOAD4(a, &KT[i]);
    LOAD4(b, &jpower[i]);
    a = a / b;
    std::memcpy(&load[i], &a, sizeof a);
  }
  return np;
}

// The same points, the same floats, with the grid's groups evaluated only
// where the thrust polynomial leaves it open what they give. Elsewhere the
// polynomial with its bound of the rounding shows that a group's thrusts are
// all positive and that its loadings all lie above (or all below) the
// target; such a group gets loadings that only stand for that side (the
// target times 2, or 0), which is all the bracket scan reads of them: a
// bracket lies where the side changes, and there both groups are evaluated.
int SCREENED_POINTS(Loading kind, const PropellerRoutineInput& in, PropellerRoutineRecord& r,
                    float PD, const ThrustPolynomial& p, const Grid& jgrid, const Grid& jpower,
                    Grid& KT, Grid& load) {
  constexpr int GROUPS = J_SWEPT / SERIES_LANES;
  const double target = r.target;
  const int n = kind == Loading::KTJ2 ? 2 : 4;
  // The turning points of the cubic, where its extremes inside a group lie.
  double turn[2];
  int turns = 0;
  {
    const double A = 3.0 * p.a[3], B = 2.0 * p.a[2], C = p.a[1];
    if (A != 0.0) {
      const double disc = B * B - 4.0 * A * C;
      if (disc >= 0.0) {
        const double root = std::sqrt(disc);
        turn[turns++] = (-B - root) / (2.0 * A);
        turn[turns++] = (-B + root) / (2.0 * A);
      }
    } else if (B != 0.0) {
      turn[turns++] = -C / B;
    }
  }
  // What the polynomial proves of a group's loadings, and whether the group
  // was evaluated.
  enum class Side : std::uint8_t { Unknown, Above, Below };
  std::array<Side, GROUPS> proven{};
  std::array<bool, GROUPS> evaluated{};
  auto evaluate = [&](int g) {
    if (evaluated[g]) return;
    const int k0 = g * SERIES_LANES;
    SERIES_KTKQ_SWEEP(r.ow, in.set, PD, in.EAR, r.Z, &jgrid[k0], SERIES_LANES, &KT[k0], nullptr,
                      nullptr);
    Vec4 a, b;
    for (int i = k0; i < k0 + SERIES_LANES; i += 4) {
      LOAD4(a, &KT[i]);
      LOAD4(b, &jpower[i]);
      a = a / b;
      std::memcpy(&load[i], &a, sizeof a);
    }
    evaluated[g] = true;
  };
  int np = J_VALUES;
  int groups = 0;
  for (int g = 0; g < GROUPS; ++g) {
    const int k0 = g * SERIES_LANES;
    if (k0 >= J_VALUES) break;
    groups = g + 1;
    const int k1 = std::min(k0 + SERIES_LANES, J_VALUES) - 1;
    const double lo = jgrid[k0], hi = jgrid[k1];
    double KTmin = std::min(p.at(lo), p.at(hi));
    double KTmax = std::max(p.at(lo), p.at(hi));
    for (int k = 0; k < turns; ++k)
      if (turn[k] > lo && turn[k] < hi) {
        KTmin = std::min(KTmin, p.at(turn[k]));
        KTmax = std::max(KTmax, p.at(turn[k]));
      }
    const double E = p.ERROR_BOUND(hi);
    const double lo_n = n == 2 ? lo * lo : lo * lo * lo * lo;
    const double hi_n = n == 2 ? hi * hi : hi * hi * hi * hi;
    // The loading's rounding: the power of J (three roundings at most) and the division.
    const double M = E + 8.0 * 0x1p-24 * target * hi_n;
    if (!(KTmin > E)) {
      // A negative thrust may lie in this group: its own evaluation decides.
      evaluate(g);
      int k = k0;
      while (k <= k1 && !(KT[k] < 0.0f)) ++k;
      if (k <= k1) {
        np = k;
        break;
      }
      continue;
    }
    if (KTmin - target * hi_n > M)
      proven[g] = Side::Above;
    else if (KTmax - target * lo_n < -M)
      proven[g] = Side::Below;
    else
      evaluate(g);
  }
  // A bracket across two groups is possible unless the first lies below the
  // target or the second above it: both are then evaluated.
  for (int g = 0; g + 1 < groups; ++g)
    if (proven[g] != Side::Below && proven[g + 1] != Side::Above) {
      evaluate(g);
      evaluate(g + 1);
    }
  // The groups left: loadings that stand for their side.
  const float above = 2.0f * r.target + 1.0f;
  for (int g = 0; g < groups; ++g) {
    if (evaluated[g]) continue;
    const float stand = proven[g] == Side::Above ? above : -1.0f;
    for (int i = g * SERIES_LANES; i < (g + 1) * SERIES_LANES; ++i) load[i] = stand;
  }
  return np;
}

// The sweep over P/D and J, every candidate and the choice of the most
// efficient one. With no candidate at all the record carries the stop.
void SEARCH(Loading kind, const PropellerRoutineInput& in, PropellerRoutineRecord& r) {
  r.candidates.reserve(WORK_SIZE);

  // The J grid (run on to whole lane groups; the points beyond J_VALUES are
  // evaluated with their group but never used) and its loading powers.
  Grid jgrid;
  Grid jpower;
  float j = 0.1f;
  for (int k = 0; k < J_SWEPT; ++k) {
    jgrid[k] = j;
    jpower[k] = LOADING_POWER(kind, j);
    j = j + 0.001f;
  }

  // Thrust coefficients and loadings of the current P/D.
  Grid KT{};
  Grid load{};
  const Grid& jp = jgrid;

  const float target = r.target;
  OpenWaterState& ow = r.ow;
  int count = 0;
  float PD = 0.5f;
  for (int ip = 1; ip <= PD_VALUES; ++ip) {
    ThrustPolynomial poly;
    const int np = !in.whole_grid && THRUST_POLYNOMIAL(ow, in.set, PD, in.EAR, r.Z, poly)
                       ? SCREENED_POINTS(kind, in, r, PD, poly, jgrid, jpower, KT, load)
                       : SWEPT_POINTS(in, r, PD, jgrid, jpower, KT, load);

    // Every pair of neighbouring points that brackets the target loading,
    // in order; four pairs are looked at together, and only a group holding
    // one is gone through pair by pair.
    const Vec4 zero{};
    const Vec4 t = zero + target;
    Vec4 a, b;
    for (int i0 = 0; i0 + 1 < np; i0 += 4) {
      LOAD4(a, &load[i0]);
      LOAD4(b, &load[i0 + 1]);
      if (!ANY4((a >= t) & (b <= t))) continue;
      for (int i = i0; i < i0 + 4 && i + 1 < np; ++i) {
        const float Li = load[i];
        const float Lnext = load[i + 1];
        if (!(Li >= target && Lnext <= target)) continue;
        ++count;
        float J = jp[i];
        // Two points both exactly at the target leave nothing to interpolate.
        if (Lnext != Li) J = jp[i] + ((target - Li) * (jp[i + 1] - jp[i])) / (Lnext - Li);
        ow.J = J;
        SERIES_KTKQ(ow, in.set, PD, in.EAR, r.Z);
        CandidateRow c;
        c.i = count;
        c.PD = PD;
        c.J = J;
        c.KT = ow.KT;
        c.KQ = ow.KQ;
        c.KQ10 = 10.0f * ow.KQ;
        c.ETA0 = ow.ETA0;
        c.Bp = BP_OF(ow.KQ, J);
        c.delta = DELTA_OF(J);
        r.candidates.push_back(c);
      }
    }
    PD = PD + 0.01f;
  }

  r.IBEST = 1;
  if (count == 0) {
    r.stop = NO_PROPELLER_STOP();
    return;
  }
  std::vector<float> eta(r.candidates.size());
  for (std::size_t k = 0; k < eta.size(); ++k) eta[k] = r.candidates[k].ETA0;
  if (PUBLISHED(in.method))
    r.IBEST = MOST_EFFICIENT(count, eta.data());
  else
    BEST_EFFICIENCY(count, eta.data(), r.IBEST, static_cast<int>(eta.size()));

  const CandidateRow& b = r.candidates[static_cast<std::size_t>(r.IBEST - 1)];
  ow.J = b.J;
  ow.KT = b.KT;
  ow.KQ = b.KQ;
  ow.ETA0 = b.ETA0;
  r.sel.PD = b.PD;
  r.sel.J = b.J;
  r.sel.KT = b.KT;
  r.sel.KQ = b.KQ;
  r.sel.KQ10 = 10.0f * b.KQ;
  r.sel.ETA0 = b.ETA0;
  r.Bp = BP_OF(b.KQ, b.J);
  r.delta = DELTA_OF(b.J);
}

// Torque (N m) and delivered power (kW) at n revolutions per second.
float TORQUE(float D, float KQ, float n, float RHO) {
  return (((((((D * D) * D) * D) * D) * KQ) * (n * n)) * RHO);
}
float POWER(float Q, float n) {
  return ((Q * n) * TWO_PI_POWER) / 1000.0f;
}

}  // namespace

PropellerRoutineRecord ROUTINE_RECORD_START(const PropellerRoutineInput& in,
                                            PropellerRoutine routine) {
  PropellerRoutineRecord r;
  r.routine = routine;
  r.set = in.set;
  r.ow = in.ow;
  r.Z = in.Z;
  r.EAR = in.EAR;
  r.RHO = in.RHO;
  r.Va = in.Va;
  r.T_shown = in.T;
  r.sel.N = in.N;
  r.sel.D = in.D;
  return r;
}

void BEST_EFFICIENCY(int NC, const float* A, int& IBEST, int /*NDIM*/) {
  IBEST = 1;
  if (NC < 1) return;
  float best = A[0];
  for (int i = 2; i <= NC; ++i) {
    // Compared at 0.001 after truncation: the first of equal ones stays.
    // (An optimum is the most efficient candidate, compared at full
    // precision: MOST_EFFICIENT.)
    if (std::trunc(1000.0f * A[i - 1]) > std::trunc(1000.0f * best)) {
      best = A[i - 1];
      IBEST = i;
    }
  }
}

int MOST_EFFICIENT(int NC, const float* A) {
  int best = 1;
  for (int i = 2; i <= NC; ++i)
    if (A[i - 1] > A[best - 1]) best = i;
  return best;
}

PropellerRoutineRecord OPTIMUM_PROPELLER_KTJ2(const PropellerRoutineInput& in) {
  PropellerRoutineRecord r = ROUTINE_RECORD_START(in, PropellerRoutine::OptimumForD);
  const float T = in.T, D = in.D, Va = in.Va, RHO = in.RHO;
  r.target = (1000.0f * T) / ((RHO * (Va * Va)) * (D * D));
  SEARCH(Loading::KTJ2, in, r);
  if (r.stop) return r;

  r.n = Va / (r.sel.J * D);
  const float rpm = 60.0f * r.n;
  r.Q = TORQUE(D, r.sel.KQ, r.n, RHO);
  r.sel.Pd = POWER(r.Q, r.n);
  r.sel.N = rpm;
  r.sel.D = D;
  return r;
}

PropellerRoutineRecord OPTIMUM_PROPELLER_KTJ4(const PropellerRoutineInput& in) {
  PropellerRoutineRecord r = ROUTINE_RECORD_START(in, PropellerRoutine::OptimumForN);
  const float T = in.T, N = in.N, Va = in.Va, RHO = in.RHO;
  r.n = N / 60.0f;
  const float n = r.n;
  r.target = ((1000.0f * T) * (n * n)) / (RHO * (((Va * Va) * Va) * Va));
  SEARCH(Loading::KTJ4, in, r);
  if (r.stop) return r;

  const float D = Va / (r.sel.J * n);
  r.Q = TORQUE(D, r.sel.KQ, n, RHO);
  r.sel.Pd = POWER(r.Q, n);
  r.sel.N = N;
  r.sel.D = D;
  return r;
}

PropellerRoutineRecord PROPELLER_ROUTINE(const PropellerRoutineInput& in) {
  switch (in.routine) {
    case PropellerRoutine::OptimumForD:
      return OPTIMUM_PROPELLER_KTJ2(in);
    case PropellerRoutine::PitchForThrust:
      return PITCH_FOR_THRUST(in);
    case PropellerRoutine::OptimumForN:
      return OPTIMUM_PROPELLER_KTJ4(in);
    case PropellerRoutine::Given:
      return GIVEN_PROPELLER(in);
    case PropellerRoutine::None:
      break;
  }
  return ROUTINE_RECORD_START(in, PropellerRoutine::None);
}

}  // namespace vdk
