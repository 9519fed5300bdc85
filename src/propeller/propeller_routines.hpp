// Propeller selection: optimum searches, given-propeller operating point,
// propulsion characteristics over the speed range. Each routine computes a
// record; the report writers print it.
#pragma once

#include <cmath>
#include <optional>
#include <vector>

#include "core/method.hpp"
#include "core/stop.hpp"
#include "propeller/open_water.hpp"

namespace vdk {

// Power and advance coefficients of the Bp-delta design charts.
inline float BP_OF(float KQ, float J) {
  return 33.06746f * powf(KQ / ((((J * J) * J) * J) * J), 0.5f);
}
inline float DELTA_OF(float J) {
  return 101.2658f / J;
}

// The stop of a routine that finds no usable propeller.
inline Stop NO_PROPELLER_STOP() {
  return STOP_OF("E204");
}

// One candidate of an optimum search: a pitch ratio and the advance ratio at
// which it meets the thrust loading, with its open-water values.
struct CandidateRow {
  int i = 0;  // candidate number, from 1
  float PD = 0, J = 0, KT = 0;
  float KQ = 0;    // torque coefficient
  float KQ10 = 0;  // 10 KQ as printed
  float ETA0 = 0, Bp = 0, delta = 0;
  friend bool operator==(const CandidateRow&, const CandidateRow&) = default;
};

// The propeller a routine settles on.
struct SelectedPropeller {
  float J = 0;     // advance ratio
  float KT = 0;    // thrust coefficient
  float KQ = 0;    // torque coefficient
  float KQ10 = 0;  // 10 KQ
  float ETA0 = 0;  // open-water efficiency
  float PD = 0;    // pitch ratio
  float N = 0;     // rpm
  float Pd = 0;    // power absorbed per propeller, kW
  float D = 0;     // diameter, m
  friend bool operator==(const SelectedPropeller&, const SelectedPropeller&) = default;
};

// The routine chosen by the given propeller data.
enum class PropellerRoutine {
  None = 0,            // nothing given that a routine could use
  OptimumForD = 1,     // D given: optimum rpm (KT/J^2)
  PitchForThrust = 2,  // D and N given: pitch ratio for the thrust
  OptimumForN = 3,     // N given: optimum diameter (KT/J^4)
  Given = 4,           // D, N and P/D given: operating point
};

struct PropellerRoutineInput {
  PropellerRoutine routine = PropellerRoutine::None;
  SeriesSettings set;
  OpenWaterState ow;  // evaluation record on entry (blade-drag correction context)
  float T = 0;        // required thrust per propeller, kN
  float D = 0;        // diameter, m (the starting diameter of the rpm-given search)
  float N = 0;        // rpm
  float PD = 0;       // pitch ratio of a given propeller
  float Va = 0;       // advance speed, m/s
  float RHO = 0;      // water density, kg/m3
  float Z = 0;        // blade number as given
  float EAR = 0;      // area ratio in use
  // The published methods compare the candidates' efficiencies at full
  // precision and find a given propeller's rpm for the required thrust.
  Method method = Method::Classic;
  // The optimum searches evaluate only the part of the J grid that decides
  // the candidates (the same candidates as every point would give); true
  // evaluates every point, to check that.
  bool whole_grid = false;
};

struct PropellerRoutineRecord {
  PropellerRoutine routine = PropellerRoutine::None;
  SeriesSettings set;
  // Optimum searches: loading KT/J^2 or KT/J^4, every candidate, the best one.
  float target = 0;
  std::vector<CandidateRow> candidates;
  int IBEST = 0;
  // The printed operating point.
  float T_shown = 0;  // required thrust (searches) or thrust the propeller gives, kN
  float Va = 0;       // advance speed, m/s
  float RHO = 0;
  float Z = 0;  // blade number the series was evaluated with
  float EAR = 0;
  float n = 0;  // revolutions per second
  float Q = 0;  // torque, N m
  float Bp = 0, delta = 0;
  bool reached = true;  // pitch for thrust: the thrust was reached within the P/D grid
  SelectedPropeller sel;
  OpenWaterState ow;  // evaluation record as the routine leaves it
  std::optional<Stop> stop;
  friend bool operator==(const PropellerRoutineRecord&, const PropellerRoutineRecord&) = default;
};

// The routine of `in.routine`; with no routine the record only carries the
// given rpm and diameter in `sel`.
PropellerRoutineRecord PROPELLER_ROUTINE(const PropellerRoutineInput& in);

// A record holding the input's values before a routine works on it.
PropellerRoutineRecord ROUTINE_RECORD_START(const PropellerRoutineInput& in,
                                            PropellerRoutine routine);

// Optimum propeller for a given diameter (thrust loading KT/J^2).
PropellerRoutineRecord OPTIMUM_PROPELLER_KTJ2(const PropellerRoutineInput& in);
// Optimum propeller for a given rpm (KT/J^4); sel.D is the diameter found.
PropellerRoutineRecord OPTIMUM_PROPELLER_KTJ4(const PropellerRoutineInput& in);
// Smallest pitch ratio giving more than the required thrust at given D and N.
PropellerRoutineRecord PITCH_FOR_THRUST(const PropellerRoutineInput& in);
// Operating point of a fully given propeller: at the given rpm (classic), or
// at the rpm where it gives the required thrust (published methods).
PropellerRoutineRecord GIVEN_PROPELLER(const PropellerRoutineInput& in);

// Index (1-based) of the most efficient of A(1..NC), compared at 0.001 after truncation.
void BEST_EFFICIENCY(int NC, const float* A, int& IBEST, int NDIM);
// The same compared at full precision (the first of equal ones stays).
int MOST_EFFICIENT(int NC, const float* A);

// Nearest integer, halves away from zero (the PE and PB columns); a value no
// integer field can hold comes back larger than any field.
long long NEAREST_INTEGER(float x);

// Sorts A(1..N) (A points at element 1) into ascending order by selection.
void SORT_ASCENDING(int N, float* A);

// ---------------------------------------------------------------------------
// Open-water table of the settled propeller over the J grid plus the design J,
// and the minimum-service propulsion table over the speed list.

struct CharacteristicsInput {
  SeriesSettings set;
  OpenWaterState ow;  // evaluation record on entry
  float JD = 0;       // design advance ratio
  float PD = 0, EAR = 0, Z = 0;
  float PDEL = 0;  // power absorbed at the design point, kW
  float TH = 0;    // thrust at the design point, kN
  float N = 0;     // rpm
  float VD = 0;    // design (trial) speed, knots
  float KTD = 0, KQD = 0;
  float D = 0, ETATR = 0, RHO = 0;
  float WD = 0, TD = 0;  // wake and thrust deduction at the design speed
  int NPROP = 0, IPOD = 0;
  // Per speed of the speed list: speed (knots), effective power (kW) and the
  // wake, thrust deduction and rotative efficiency of the settled propeller.
  std::vector<float> VS, PE, WFT, ThDF, ETAR;
};

struct OpenWaterRow {
  float J = 0, KT = 0, KQ = 0, ETA0 = 0, Bp = 0, delta = 0;
  friend bool operator==(const OpenWaterRow&, const OpenWaterRow&) = default;
};

struct ServiceRow {
  float VS = 0;
  long long PE = 0;  // effective power, rounded
  float t = 0, w = 0, ETAH = 0, ETAR = 0, ETA0 = 0, ETAD = 0;
  long long PB = 0;  // engine power of all propellers, rounded per propeller
  float RPM = 0;
  friend bool operator==(const ServiceRow&, const ServiceRow&) = default;
};

struct CharacteristicsRecord {
  // Head of the open-water block.
  int SERIES = 0;
  float JD = 0, Z = 0, EAR = 0, PDEL = 0, TH = 0, N = 0, VD = 0, KTD = 0, KQD = 0, D = 0;
  float WD = 0, TD = 0;
  std::vector<OpenWaterRow> openWater;
  bool designSpeedFound = false;
  bool serviceComputable = false;  // the open-water table holds two different J at least
  std::vector<ServiceRow> service;
  float ETATR = 0;
  int IPOD = 0;
  OpenWaterState ow;  // evaluation record as the table leaves it
  // Design speed not in the list (after the open-water table), or a spline
  // stop in the service table (after the rows before it).
  std::optional<Stop> stop;
  friend bool operator==(const CharacteristicsRecord&, const CharacteristicsRecord&) = default;
};

inline Stop DESIGN_SPEED_STOP() {
  return STOP_OF("E132");
}

CharacteristicsRecord PROPULSION_CHARACTERISTICS(const CharacteristicsInput& in);

}  // namespace vdk
