// Operating point of a propeller whose diameter and rpm are fixed: the pitch
// ratio that gives the required thrust, or, with the pitch ratio fixed too,
// the thrust, torque and power it gives.
#include <cmath>
#include <string_view>

#include "core/stop.hpp"
#include "propeller/propeller_routines.hpp"
#include "propeller/report_lines.hpp"
#include "format/format.hpp"

namespace vdk {

namespace {

constexpr int PD_STEPS = 9000;  // P/D from 0.5 in steps of 0.0001

// Thrust (N), torque (N m) and delivered power (kW) at n revolutions per second.
struct Loads {
  float Tp = 0, Q = 0, Pd = 0;
};

float D4(float D) {
  return ((D * D) * D) * D;
}

float TORQUE(float D, float KQ, float n, float RHO) {
  return (((D4(D) * D) * KQ) * (n * n)) * RHO;
}
float THRUST(float D, float KT, float n, float RHO) {
  return ((D4(D) * KT) * (n * n)) * RHO;
}
float POWER(float Q, float n) {
  return ((Q * n) * 6.28318f) / 1000.0f;
}

}  // namespace

void PITCH_FOR_THRUST(PropellerContext& ctx, float T, float D, float N, float Va, float RHO,
                      float& Z, float EAR) {
  OpenWaterState& ow = ctx.ow;
  ow.ReN = N;
  const float n = N / 60.0f;
  const float J = Va / (n * D);
  ow.J = J;

  Loads last;  // of the last pitch ratio with positive coefficients
  bool anyValid = false;
  bool reached = false;
  float PD = 0.5f;
  for (int i = 1; i <= PD_STEPS; ++i) {
    ow.ReVa = Va;
    SERIES_KTKQ(ow, ctx.set, PD, EAR, Z);
    if (!(ow.KT < 0.0f || ow.KQ < 0.0f)) {
      anyValid = true;
      last.Q = TORQUE(D, ow.KQ, n, RHO);
      last.Pd = POWER(last.Q, n);
      last.Tp = THRUST(D, ow.KT, n, RHO);
      if (last.Tp / 1000.0f > T) {
        reached = true;
        break;
      }
    }
    PD = PD + 0.0001f;
  }

  if (!anyValid) {
    // Not one pitch ratio of the grid works at this advance ratio.
    BOTH(ctx, "(' UYGUN PERVANE BULUNAMADI - STOP')");
    STOP(EXIT_CALC_STOP);
  }

  BOTH(ctx,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m',' P/D = ',F6.3)",
       last.Tp / 1000.0f, Va, RHO, Z, EAR, D, PD);
  CP_LINES(ctx);
  SERIES_MESSAGE(ctx.con, ctx.son, ctx.set);
  if (!reached) BOTH(ctx, "(' UYARI: GEREKEN ITME P/D=1.40 ILE SAGLANAMADI')");

  PropellerResult& pr = ctx.pr;
  pr.J = ow.J;
  pr.KT = ow.KT;
  pr.KQ10 = 10.0f * ow.KQ;
  pr.ETA0 = ow.ETA0;
  pr.PD = PD;
  pr.Pd = last.Pd;
  pr.D = D;
}

void GIVEN_PROPELLER(PropellerContext& ctx, float PD, float N, float D, float Va, float RHO,
                     float& Z, float EAR) {
  OpenWaterState& ow = ctx.ow;
  const float n = N / 60.0f;
  const float J = Va / (n * D);
  ow.J = J;
  SERIES_KTKQ(ow, ctx.set, PD, EAR, Z);

  const float Q = TORQUE(D, ow.KQ, n, RHO);
  const float Tp = THRUST(D, ow.KT, n, RHO);
  const float Pd = POWER(Q, n);
  const float delta = DELTA_OF(J);
  const float Bp = BP_OF(ow.KQ, J);

  BOTH(ctx, "(/,' BELIRLENEN PERVANE KULLANILMISTIR.')");
  CP_LINES(ctx);
  BOTH(ctx,
       "(' P/D=',F5.3,/,1X,'J=',F6.3,1X,'Kt=',F6.3,1X,'10Kq=',F6.3,1X,'eta=',F6.3,/,1X,"
       "'Bp=',F9.4,1X,'delta=',F9.4)",
       PD, J, ow.KT, 10.0f * ow.KQ, ow.ETA0, Bp, delta);
  BOTH(ctx,
       "(1X,'T=',F10.2,' kN  Va=',F8.3,' m/s  RHO = ',F6.1,' kg/m3',/,' Z = ',F2.0,"
       "' EAR = ',F5.3,' D = ',F6.3,' m')",
       Tp / 1000.0f, Va, RHO, Z, EAR, D);
  BOTH(ctx, "(' RPS=',F7.3,' dev/san',1X,'RPM=',F7.2,1X,'TORK=',F8.3,' kNm',1X,'Pd=',F7.1,' kW')",
       n, N, Q / 1000.0f, Pd);
  SERIES_MESSAGE(ctx.con, ctx.son, ctx.set);

  PropellerResult& pr = ctx.pr;
  pr.J = J;
  pr.KT = ow.KT;
  pr.KQ10 = 10.0f * ow.KQ;
  pr.ETA0 = ow.ETA0;
  pr.PD = PD;
  pr.Pd = Pd;
  pr.N = N;
  pr.D = D;
}

}  // namespace vdk
