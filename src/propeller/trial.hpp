// Trial-condition propeller determination in the stages between the console
// questions, and the power chain with the selected propeller and the
// propulsion characteristics over the speed range.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_record.hpp"
#include "propeller/cavitation.hpp"
#include "propeller/open_water.hpp"
#include "propeller/propeller_routines.hpp"

namespace vdk {

// Holtrop's wake, thrust deduction and rotative efficiency of the hull.
struct HullFactors {
  float w = 0, t = 0, etaR = 0;  // after the correction factors of the input
  float etaR_raw = 0;            // before the correction factor
};

// Factors of the hull for a propeller of diameter DP (m), pitch ratio PD and
// area ratio EAR at the speed V (knots) whose viscous resistance is RV (kN).
// Supplied by the caller: the hull form lies outside the propeller routines.
using HullFactorsAt = std::function<HullFactors(float DP, float PD, float EAR, float RV, float V)>;

// ---------------------------------------------------------------------------
// Stage 1, before the efficiency question: effective power at the trial speed.

struct TrialStartInput {
  std::vector<float> Vs;    // speeds of the speed list, knots
  std::vector<float> PEtr;  // trial effective power at each speed, kW
  float Vtrial = 0;
};

struct TrialStartRecord {
  float PEtrial = 0;         // effective power at the trial speed, kW
  std::optional<Stop> stop;  // the power curve could not be read
  friend bool operator==(const TrialStartRecord&, const TrialStartRecord&) = default;
};

TrialStartRecord TRIAL_START(const TrialStartInput& in);

// ---------------------------------------------------------------------------
// Stage 2, given the assumed overall propulsive efficiency: thrust per propeller.

struct TrialThrustInput {
  float PEtrial = 0;
  float Vtrial = 0;    // knots
  float w = 0, t = 0;  // wake and thrust deduction of the first estimate
  int NPROP = 0;
};

struct TrialThrustRecord {
  float etad_typed = 0;  // the assumed efficiency as answered
  float PEtrial = 0, Vtrial = 0, w = 0, t = 0;
  int NPROP = 0;
  float Pd = 0;              // delivered power at the assumed efficiency, kW
  float Va = 0;              // advance speed, knots
  float Rt = 0;              // total resistance from the power, kN
  float T = 0;               // thrust per propeller, kN
  std::optional<Stop> stop;  // an efficiency of zero or below cannot be used
  friend bool operator==(const TrialThrustRecord&, const TrialThrustRecord&) = default;
};

inline Stop UNUSABLE_EFFICIENCY_STOP() {
  return STOP_OF("E121");
}

TrialThrustRecord TRIAL_THRUST(const TrialThrustInput& in, float etad_typed);

// ---------------------------------------------------------------------------
// Stage 3, given the blade number: Keller's area ratio.

struct TrialBladesInput {
  int SERIES = 1;
  float RHO = 0, GRAV = 0, Hsd = 0;
  float D = 0;  // diameter (the starting one when it is still to be found), m
  float T = 0;  // thrust per propeller, kN
  PropellerRoutine routine = PropellerRoutine::None;
};

struct TrialBladesRecord {
  float Z_typed = 0;
  float Z = 0;     // blade number used: the Gawn series is three-bladed
  float EARK = 0;  // Keller's area ratio
  // The rpm-given search finds the diameter Keller's formula needed already.
  bool diameterNote = false;
  std::optional<Stop> stop;  // a blade number the series does not have
  friend bool operator==(const TrialBladesRecord&, const TrialBladesRecord&) = default;
};

// The Wageningen B series has whole blade numbers from 2 to 7 only.
inline Stop UNUSABLE_BLADES_STOP() {
  return STOP_OF("E122");
}

TrialBladesRecord TRIAL_BLADES(const TrialBladesInput& in, float Z_typed);

// ---------------------------------------------------------------------------
// Stage 4, given the area ratio in use: the propeller, its cavitation checks,
// its factors and the test of the assumed efficiency.

struct TrialPropellerInput {
  PropellerRoutine routine = PropellerRoutine::None;
  // The published methods correct the series curves (ITTC-78, in `set`)
  // from the start, so that the search or operating point finds the
  // full-scale propeller.
  Method method = Method::Classic;
  SeriesSettings set;
  OpenWaterState ow;  // evaluation record on entry
  float D = 0;        // given (or starting) diameter, m
  float N = 0;        // given rpm
  float PD = 0;       // given pitch ratio
  float RHO = 0, GRAV = 0, Hsd = 0;
  float Vtrial = 0;
  float RVtrial = 0;  // viscous resistance at the trial speed, kN
  int NPROP = 0;
  float w = 0, t = 0, etaR = 0;  // factors of the first estimate
  TrialThrustRecord thrust;
  TrialBladesRecord blades;
};

struct TrialPropellerRecord {
  float EAR = 0;   // area ratio in use
  float EARK = 0;  // Keller's
  PropellerRoutineRecord routine;
  SelectedPropeller sel;  // the propeller settled on (given N and D without a routine)
  float Z = 0;            // blade number after the routine
  OpenWaterState ow;      // with the blade-drag correction context of this propeller
  CavitationInput cavIn;
  CavitationResult cav;
  bool factorsRecomputed = false;  // a pitch ratio was found
  float w = 0, t = 0, etaR = 0;    // factors with the propeller settled on
  float etad_typed = 0;
  float etad_computed = 0;
  float Pd = 0;  // delivered power at the computed efficiency, kW (all propellers)
  int NPROP = 0;
  // An area ratio not above zero, no propeller, a spline stop, or the
  // efficiency test (with pause).
  std::optional<Stop> stop;
  friend bool operator==(const TrialPropellerRecord&, const TrialPropellerRecord&) = default;
};

// An expanded area ratio of zero or below gives no blade at all.
inline Stop UNUSABLE_AREA_RATIO_STOP() {
  return STOP_OF("E123");
}

inline Stop EFFICIENCY_MISMATCH_STOP() {
  return STOP_OF("E301", true);
}

TrialPropellerRecord TRIAL_PROPELLER_DETERMINATION(const TrialPropellerInput& in, float EAR,
                                                   const HullFactorsAt& factors);

// ---------------------------------------------------------------------------
// The power chain: brake, engine and delivered power, the selected propeller
// at the trial advance ratio, its factors at every speed and the propulsion
// characteristics.

// Candidates of an optimum search that make up its optimum line.
constexpr int MAX_CANDIDATES = 1000;

struct PowerChainInput {
  PropellerRoutine routine = PropellerRoutine::None;
  // Classic: the selected propeller re-evaluated at the trial advance ratio
  // on the optimum line; published methods: the trial propeller itself, and
  // the sea margin applied.
  Method method = Method::Classic;
  float SeaMargin = 0;  // as a fraction
  SeriesSettings set;
  OpenWaterState ow;                 // evaluation record after the trial propeller
  SelectedPropeller sel;             // as the trial propeller left it
  std::vector<float> JCAND, PDCAND;  // optimum line of the search (first MAX_CANDIDATES)
  float PEtrial = 0;
  float w = 0, t = 0, etaR = 0;  // factors of the trial propeller
  float Z = 0, EAR = 0, D = 0;
  float etas = 0, MCR = 0, RHO = 0, Vtrial = 0;
  int ITR = 0;  // position of the trial speed in the speed list, from 1
  int NPROP = 0, IPOD = 0;
  std::vector<float> Vs, PE, RV;  // per speed: knots, effective power kW, viscous resistance kN
};

struct PowerChainRecord {
  Method method = Method::Classic;
  float PEtrial = 0, etas = 0, MCR = 0;
  float ETAH = 0;
  float ETA0_trial = 0;  // open-water efficiency of the trial propeller
  float etaR_trial = 0;  // rotative efficiency of the trial propeller
  float etad = 0;        // computed overall propulsive efficiency
  // Brake power at trial, required engine power and power delivered to the
  // propeller, kW. Pbm is Pb/MCR in the classic method (the sea margin is
  // not applied there), and Ps/MCR in the published ones.
  float Pb = 0, Pbm = 0, Pbd = 0;
  float SeaMargin = 0;  // as a fraction
  float Ps = 0;         // service power Pb (1 + sea margin), kW (applied in the published methods)
  float JTR = 0, PDTR = 0, PABS = 0, THR = 0;
  // The selected propeller at the trial advance ratio; its KQ is the torque
  // coefficient itself (sel.KQ10 keeps 10 KQ of the trial propeller).
  SelectedPropeller sel;
  float Z = 0, EAR = 0, D = 0;
  OpenWaterState ow;  // evaluation record after the trial-point evaluation
  // Factors of the selected propeller at every speed.
  std::vector<float> WFT, ThDF, ETAR;
  float etaR_raw_last = 0;  // raw rotative efficiency of the last speed
  bool charComputed = false;
  CharacteristicsRecord characteristics;
  std::optional<Stop> stop;  // the optimum line could not be read (after the power lines)
  friend bool operator==(const PowerChainRecord&, const PowerChainRecord&) = default;
};

// The optimum line of a search record: J and P/D of its first MAX_CANDIDATES candidates.
void OPTIMUM_LINE(const PropellerRoutineRecord& r, std::vector<float>& JCAND,
                  std::vector<float>& PDCAND);

PowerChainRecord POWER_CHAIN_COMPUTE(const PowerChainInput& in, const HullFactorsAt& factors);

// ---------------------------------------------------------------------------
// The inputs of the last two stages for a ship, as the run builds them.

// Stage 4 for the ship: its given propeller data, the starting diameter D,
// the viscous resistance at the trial speed, the first estimate of w, t and
// etaR, and the records of stages 2 and 3, by `method`.
TrialPropellerInput TRIAL_PROPELLER_INPUT(const ShipRecord& ship, PropellerRoutine routine, float D,
                                          float RVtrial, const HullFactors& first,
                                          const TrialThrustRecord& thrust,
                                          const TrialBladesRecord& blades,
                                          Method method = Method::Classic);

// The power chain after the trial propeller `tr`: D is the starting diameter
// (the rpm-given search replaces it with the one it found), PE and RV the
// per-speed effective power and viscous resistance, by `method`.
PowerChainInput POWER_CHAIN_INPUT(const ShipRecord& ship, const TrialPropellerRecord& tr,
                                  float PEtrial, float D, int ITR, std::vector<float> PE,
                                  std::vector<float> RV, Method method = Method::Classic);

}  // namespace vdk
