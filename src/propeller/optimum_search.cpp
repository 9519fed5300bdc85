// Optimum propeller of the series for a required thrust: for a given diameter
// the thrust loading KT/J^2 is matched, for a given rpm KT/J^4. For every
// pitch ratio of a fixed grid the advance ratio meeting the loading is found
// on a fixed J grid; every such candidate is listed, and the one with the
// highest open-water efficiency is selected.
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "core/stop.hpp"
#include "propeller/propeller_routines.hpp"
#include "propeller/report_lines.hpp"
#include "format/format.hpp"

namespace vdk {

namespace {

constexpr int PD_VALUES = 90;     // P/D 0.50, 0.51, ... 1.39
constexpr int J_VALUES = 1400;    // J 0.100, 0.101, ... 1.499
constexpr int WORK_SIZE = 10000;  // room of the candidate lists before they grow
static_assert(J_VALUES % SERIES_LANES == 0, "the J grid is swept in whole lane groups");

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
constexpr std::string_view NO_PROPELLER = "(' UYGUN PERVANE BULUNAMADI - STOP')";

enum class Loading { KTJ2, KTJ4 };

// Working lists of one search: the points of the current P/D and the
// candidates found so far.
struct SearchWork {
  std::array<float, J_VALUES> load{};  // loading KT/J^2 or KT/J^4 of each stored point
  std::array<float, J_VALUES> jp{};    // J of each stored point
  std::vector<float> J, ETA0, PD, KT, KQ;
  SearchWork() {
    for (auto* v : {&J, &ETA0, &PD, &KT, &KQ}) v->reserve(WORK_SIZE);
  }
};

struct Selected {
  int IBEST = 0;
  int count = 0;
  float PD = 0, J = 0, KT = 0, KQ = 0, ETA0 = 0;
};

float LOADING(Loading kind, float KT, float J) {
  if (kind == Loading::KTJ2) return KT / (J * J);
  return KT / (((J * J) * J) * J);
}

// Table head, the sweep over P/D and J, the candidate rows, the closing rules
// and the choice of the most efficient candidate. With no candidate at all the
// run stops here.
Selected SEARCH(PropellerContext& ctx, Loading kind, float target, float& Z, float EAR,
                SearchWork& w) {
  const bool ktj2 = (kind == Loading::KTJ2);
  const std::string_view title = ktj2 ? "(//5X,'Pervane Karakteristikleri - Kt/J^2 = ',F6.3/)"
                                      : "(//5X,'Pervane Karakteristikleri - Kt/J^4 = ',F6.3/)";
  WRITE_FORMATTED(ctx.con, title, target);
  WRITE_LIST(ctx.con, R1);
  WRITE_LIST(ctx.con, H1);
  WRITE_LIST(ctx.con, R1);
  WRITE_FORMATTED(ctx.son, title, target);
  if (ktj2) {
    WRITE_LIST(ctx.son, H2);
    WRITE_LIST(ctx.son, R2);
  } else {
    WRITE_LIST(ctx.son, R1);
    WRITE_LIST(ctx.son, H2);
    WRITE_LIST(ctx.son, R1);
  }

  std::array<float, J_VALUES> jgrid;
  float j = 0.1f;
  for (float& g : jgrid) {
    g = j;
    j = j + 0.001f;
  }

  int count = 0;
  float PD = 0.5f;
  for (int ip = 1; ip <= PD_VALUES; ++ip) {
    // Points of this pitch ratio up to the first negative thrust.
    int np = 0;
    bool negative = false;
    for (int k = 0; k < J_VALUES && !negative; k += SERIES_LANES) {
      float KT[SERIES_LANES];
      float KQ[SERIES_LANES];
      float ETA0[SERIES_LANES];
      SERIES_KTKQ_LANES(ctx.ow, ctx.set, PD, EAR, Z, &jgrid[k], KT, KQ, ETA0);
      for (int l = 0; l < SERIES_LANES; ++l) {
        if (KT[l] < 0.0f) {
          negative = true;
          break;
        }
        const float J = jgrid[k + l];
        w.load[np] = LOADING(kind, KT[l], J);
        w.jp[np] = J;
        ++np;
      }
    }

    // Every pair of neighbouring points that brackets the target loading.
    for (int i = 0; i + 1 < np; ++i) {
      const float Li = w.load[i];
      const float Lnext = w.load[i + 1];
      if (!(Li >= target && Lnext <= target)) continue;
      ++count;
      float J = w.jp[i];
      // Two points both exactly at the target leave nothing to interpolate.
      if (Lnext != Li) J = w.jp[i] + ((target - Li) * (w.jp[i + 1] - w.jp[i])) / (Lnext - Li);
      ctx.ow.J = J;
      SERIES_KTKQ(ctx.ow, ctx.set, PD, EAR, Z);
      const float Bp = BP_OF(ctx.ow.KQ, J);
      const float delta = DELTA_OF(J);
      BOTH(ctx, CANDIDATE_ROW, count, PD, J, ctx.ow.KT, 10.0f * ctx.ow.KQ, ctx.ow.ETA0, Bp, delta);
      w.J.push_back(J);
      w.ETA0.push_back(ctx.ow.ETA0);
      w.PD.push_back(PD);
      w.KT.push_back(ctx.ow.KT);
      w.KQ.push_back(ctx.ow.KQ);
    }
    PD = PD + 0.01f;
  }

  Selected s;
  s.count = count;
  s.IBEST = 1;
  if (count > 0) BEST_EFFICIENCY(count, w.ETA0.data(), s.IBEST, static_cast<int>(w.ETA0.size()));

  WRITE_LIST(ctx.con, R3);
  WRITE_LIST(ctx.son, ktj2 ? R4 : R3);

  if (count == 0) {
    BOTH(ctx, NO_PROPELLER);
    STOP(EXIT_CALC_STOP);
  }

  const auto b = static_cast<std::size_t>(s.IBEST - 1);
  s.PD = w.PD[b];
  s.J = w.J[b];
  s.KT = w.KT[b];
  s.KQ = w.KQ[b];
  s.ETA0 = w.ETA0[b];
  ctx.ow.J = s.J;
  ctx.ow.KT = s.KT;
  ctx.ow.KQ = s.KQ;
  ctx.ow.ETA0 = s.ETA0;
  return s;
}

// Selected line, C.P. lines and the blocks P, T and R of the chosen propeller.
void RESULT_BLOCK(PropellerContext& ctx, const Selected& s, float T, float Va, float RHO, float Z,
                  float EAR, float D, float n, float rpm, float Q, float Pd) {
  BOTH(ctx, "(/,' SECILEN PERVANE = ',I2,'. PERVANEDIR')", s.IBEST);
  CP_LINES(ctx);
  BOTH(ctx,
       "(' P/D=',F5.3,/,1X,'J=',F6.3,1X,'Kt=',F6.3,1X,'10Kq=',F6.3,1X,'eta=',F6.3,/,1X,"
       "'Bp=',F9.4,1X,'delta=',F9.4)",
       s.PD, s.J, s.KT, 10.0f * s.KQ, s.ETA0, BP_OF(s.KQ, s.J), DELTA_OF(s.J));
  BOTH(ctx,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m')",
       T, Va, RHO, Z, EAR, D);
  BOTH(ctx, "(' RPS=',F7.3,' dev/san',1X,'RPM=',F7.2,1X,'TORK=',F8.3,' kNm',1X,'Pd=',F7.1,' kW')",
       n, rpm, Q / 1000.0f, Pd);
}

void STORE_RESULT(PropellerContext& ctx, const Selected& s, const SearchWork& w, float rpm, float D,
                  float Pd) {
  PropellerResult& pr = ctx.pr;
  pr.J = s.J;
  pr.KT = s.KT;
  pr.KQ10 = 10.0f * s.KQ;
  pr.ETA0 = s.ETA0;
  pr.PD = s.PD;
  pr.Pd = Pd;
  pr.N = rpm;
  pr.D = D;
  // Only the first MAX_CANDIDATES candidates fit the record.
  pr.NCAND = std::min(s.count, MAX_CANDIDATES);
  for (int i = 1; i <= pr.NCAND; ++i) {
    pr.JCAND(i) = w.J[static_cast<std::size_t>(i - 1)];
    pr.PDCAND(i) = w.PD[static_cast<std::size_t>(i - 1)];
  }
}

// Torque (N m) and delivered power (kW) at n revolutions per second.
float TORQUE(float D, float KQ, float n, float RHO) {
  return (((((((D * D) * D) * D) * D) * KQ) * (n * n)) * RHO);
}
float POWER(float Q, float n) {
  return ((Q * n) * 6.28318f) / 1000.0f;
}

}  // namespace

void BEST_EFFICIENCY(int NC, const float* A, int& IBEST, int /*NDIM*/) {
  IBEST = 1;
  if (NC < 1) return;
  float best = A[0];
  for (int i = 2; i <= NC; ++i) {
    // Compared at 0.001 after truncation: the first of equal ones stays.
    if (std::trunc(1000.0f * A[i - 1]) > std::trunc(1000.0f * best)) {
      best = A[i - 1];
      IBEST = i;
    }
  }
}

void OPTIMUM_PROPELLER_KTJ2(PropellerContext& ctx, float T, float D, float Va, float RHO, float& Z,
                            float EAR) {
  const float target = (1000.0f * T) / ((RHO * (Va * Va)) * (D * D));
  SearchWork w;
  const Selected s = SEARCH(ctx, Loading::KTJ2, target, Z, EAR, w);

  const float n = Va / (s.J * D);
  const float rpm = 60.0f * n;
  const float Q = TORQUE(D, s.KQ, n, RHO);
  const float Pd = POWER(Q, n);

  RESULT_BLOCK(ctx, s, T, Va, RHO, Z, EAR, D, n, rpm, Q, Pd);
  SERIES_MESSAGE(ctx.con, ctx.son, ctx.set);
  STORE_RESULT(ctx, s, w, rpm, D, Pd);
}

void OPTIMUM_PROPELLER_KTJ4(PropellerContext& ctx, float T, float N, float& D, float Va, float RHO,
                            float& Z, float EAR) {
  const float n = N / 60.0f;
  const float target = ((1000.0f * T) * (n * n)) / (RHO * (((Va * Va) * Va) * Va));
  SearchWork w;
  const Selected s = SEARCH(ctx, Loading::KTJ4, target, Z, EAR, w);

  D = Va / (s.J * n);
  const float Q = TORQUE(D, s.KQ, n, RHO);
  const float Pd = POWER(Q, n);

  SERIES_MESSAGE(ctx.con, ctx.son, ctx.set);
  RESULT_BLOCK(ctx, s, T, Va, RHO, Z, EAR, D, n, N, Q, Pd);
  STORE_RESULT(ctx, s, w, N, D, Pd);
}

}  // namespace vdk
