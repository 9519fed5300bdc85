// Operating point of a propeller whose diameter and rpm are fixed: the pitch
// ratio that gives the required thrust, or, with the pitch ratio fixed too,
// the thrust, torque and power it gives.
#include <cmath>
#include <optional>

#include "core/constants.hpp"
#include "propeller/propeller_routines.hpp"

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
  return ((Q * n) * TWO_PI_POWER) / 1000.0f;
}

}  // namespace

PropellerRoutineRecord PITCH_FOR_THRUST(const PropellerRoutineInput& in) {
  PropellerRoutineRecord r = ROUTINE_RECORD_START(in, PropellerRoutine::PitchForThrust);
  const float T = in.T, D = in.D, N = in.N, Va = in.Va, RHO = in.RHO;
  OpenWaterState& ow = r.ow;
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
    SERIES_KTKQ(ow, in.set, PD, in.EAR, r.Z);
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
    r.stop = NO_PROPELLER_STOP();
    return r;
  }

  r.T_shown = last.Tp / 1000.0f;
  r.reached = reached;
  r.n = n;
  r.Q = last.Q;
  r.sel.J = ow.J;
  r.sel.KT = ow.KT;
  r.sel.KQ = ow.KQ;
  r.sel.KQ10 = 10.0f * ow.KQ;
  r.sel.ETA0 = ow.ETA0;
  r.sel.PD = PD;
  r.sel.Pd = last.Pd;
  r.sel.D = D;
  return r;
}

namespace {

// The advance ratio at which the propeller of pitch ratio PD gives the thrust
// T (kN) at the advance speed Va: where its KT/J^2 meets the loading
// 1000 T/(RHO Va^2 D^2), found on the J grid of the optimum searches (0.100 to
// 1.499 by 0.001) and interpolated linearly. None when it does not meet it there.
std::optional<float> THRUST_IDENTITY_J(const PropellerRoutineInput& in, OpenWaterState& ow,
                                       float& Z) {
  const float target = (1000.0f * in.T) / ((in.RHO * (in.Va * in.Va)) * (in.D * in.D));
  float Jprev = 0, Lprev = 0;
  float J = 0.1f;
  for (int k = 0; k < 1400; ++k) {
    ow.J = J;
    SERIES_KTKQ(ow, in.set, in.PD, in.EAR, Z);
    if (ow.KT < 0.0f) break;
    const float load = ow.KT / (J * J);
    if (k > 0 && Lprev >= target && load <= target) {
      if (load == Lprev) return Jprev;
      return Jprev + ((target - Lprev) * (J - Jprev)) / (load - Lprev);
    }
    Jprev = J;
    Lprev = load;
    J = J + 0.001f;
  }
  return std::nullopt;
}

}  // namespace

PropellerRoutineRecord GIVEN_PROPELLER(const PropellerRoutineInput& in) {
  PropellerRoutineRecord r = ROUTINE_RECORD_START(in, PropellerRoutine::Given);
  const float PD = in.PD, D = in.D, Va = in.Va, RHO = in.RHO;
  float N = in.N;
  OpenWaterState& ow = r.ow;
  // The classic operating point is at the given rpm, whatever thrust the
  // propeller gives there.
  float n = N / 60.0f;
  float J = Va / (n * D);
  if (PUBLISHED(in.method)) {
    // The propeller turns at the rpm at which it gives the thrust the ship
    // needs (the given rpm would give another thrust).
    const std::optional<float> Jt = THRUST_IDENTITY_J(in, ow, r.Z);
    if (!Jt) {
      r.stop = NO_PROPELLER_STOP();
      return r;
    }
    J = *Jt;
    n = Va / (J * D);
    N = 60.0f * n;
  }
  ow.J = J;
  SERIES_KTKQ(ow, in.set, PD, in.EAR, r.Z);

  r.n = n;
  r.Q = TORQUE(D, ow.KQ, n, RHO);
  const float Tp = THRUST(D, ow.KT, n, RHO);
  r.T_shown = Tp / 1000.0f;
  r.delta = DELTA_OF(J);
  r.Bp = BP_OF(ow.KQ, J);

  r.sel.J = J;
  r.sel.KT = ow.KT;
  r.sel.KQ = ow.KQ;
  r.sel.KQ10 = 10.0f * ow.KQ;
  r.sel.ETA0 = ow.ETA0;
  r.sel.PD = PD;
  r.sel.Pd = POWER(r.Q, n);
  r.sel.N = N;
  r.sel.D = D;
  return r;
}

}  // namespace vdk
