// Result records of the resistance calculation: the input summary, one record
// per speed block (hull form, friction/appendages/wind, wave/bulb/transom,
// correlation and totals), the per-speed columns, and the summary tables with
// the wave-resistance correction.
//
// Every record holds plain values only. The ship record stays as given; the
// wetted surface and half angle of entrance that the calculation settles at
// the first speed are fields of their own (S_used, IE_used).
#pragma once

#include <optional>
#include <vector>

#include "core/arrays.hpp"
#include "core/method.hpp"
#include "core/stop.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// Per-speed column, indexed by speed number 1..NSPEED.
using SpeedColumn = Arr1<float, MAX_SPEEDS>;

// --- Input summary ------------------------------------------------------------

struct InputSummary {
  std::vector<int> listed_appendages;  // appendage kinds with an area above 0.1 m2, in order
  float Sapptot = 0;                   // total appendage area, m2
  float OnePlusK2eff = 0;              // area-weighted (1+k2), 0 without appendages
  bool propeller_block = false;        // |D| >= 0.05: the propeller particulars are listed
  int PropCase = 0;                    // 0..4, which of D, N and P/D were given
  float DISPW = 0;                     // displacement weight, N
};

// --- One speed block ------------------------------------------------------------

// Hull coefficients; they depend on the hull alone (not on the speed).
struct HullCoefficients {
  float Tmean = 0;
  float CB = 0, CP = 0;         // on Lbp
  float CBlwl = 0, CWPlwl = 0;  // on Lwl
  float CPlwl = 0;              // CBlwl / Cm
  float lcb = 0;                // centre of buoyancy from the middle of Lwl, % of Lwl
};

// The wetted surface and half angle of entrance as a speed block finds them:
// for speed 1 as given (below 1: to be estimated), later as the previous
// speed left them.
struct CarriedSurfaces {
  float S = 0;
  float IE = 0;
};

struct HullFormAtSpeed {
  float VS = 0;  // knots
  float v = 0;   // m/s
  float Fn = 0;
  HullCoefficients hull;
  bool prismatic_stop = false;  // CP above 0.999: nothing below Fn is computed
  float LR = 0;
  // The stern factor of the form factor: 1 + 0.011 Cstern (classic, and c14
  // of Holtrop 1984), or c13 = 1 + 0.003 Cstern (Holtrop & Mennen 1982).
  float C = 0;
  float c12 = 0;  // draught factor of the 1982 form factor (1982 method only)
  // Wetted surface estimate: with the appendages in the classic method, of
  // the bare hull in the published ones.
  float SE = 0;
  float S_Taylan = 0;        // the same by Metin Taylan's formula
  bool S_estimated = false;  // the surface carried in was below 1: SE replaces it
  float S_used = 0;          // wetted surface of this speed and the later ones
  float KHoltrop = 0;        // bare-hull form factor before the FFDF correction
  float OnePlusK = 0;        // after the correction
  float OnePlusKGrigson = 0;
};

// How the wind resistance came out.
enum class WindCase {
  Off,                // no depth at the bow or no frontal area given
  DepthBelowDraught,  // depth at the bow below the bow draught: reported, not computed
  Computed,
};

struct FrictionAppendageWind {
  float Rn = 0, CF = 0, CV = 0, RF = 0, RAPP = 0;
  WindCase wind = WindCase::Off;
  float AFRONT = 0, CAA = 0, RAIR = 0;
};

// Froude-number range of the wave-resistance formula.
enum class WaveRange { Low, Transition, High };

struct WaveBulbTransom {
  float CPlwl = 0;
  float IE_est = 0;   // estimated half angle of entrance, degrees
  float IE_used = 0;  // the angle the formulas use (given or estimated)
  float C4 = 0, C5 = 0, M1 = 0, C6 = 0, M2 = 0, LAMDA = 0, C1 = 0, C3 = 0, C2 = 0;
  float C17 = 0, M3 = 0, C15 = 0, M4 = 0;
  // The published methods' RW takes the low-speed formula at every speed in
  // the 1982 method (its one formula, reported in the low range).
  WaveRange range = WaveRange::Low;
  float Rw = 0;  // kN
  // Classic transition range: the step of RW just above Fn 0.40, where the
  // classic transition starts from the mean of the two formulas instead of
  // the low-speed value (kN; zero in the other ranges and methods).
  float Rw_step_040 = 0;
  bool bulb_emerged = false;   // the bulb breaks the surface: nothing below Rw is computed
  bool bulb_breaking = false;  // centroid above two thirds of the bow draught
  float Rbulb = 0, Rayna = 0, Rbot = 0, CW = 0;
  // Terms of the bulb and transom formulas: the bulb factor c3, the
  // emergence PB and immersion Froude number FnI of the bulb, the transom
  // Froude number FnT and factor c6.
  float c3 = 0, PB = 0, FnI = 0, FnT = 0, c6 = 0;
};

struct CorrelationAndTotals {
  float CA_holtrop = 0;            // Holtrop's estimate
  std::optional<float> CA_direct;  // roughness field below 1: 1000*CA given
  std::optional<float> CA_ittc;    // roughness field above 0.999: ITTC from the roughness
  // Published methods, roughness field above 0.999: Holtrop's estimate plus
  // the roughness increment of a hull rougher than 150 micrometres.
  std::optional<float> CA_rough;
  float CA = 0;                  // the allowance used
  float RA = 0, RV = 0, RT = 0;  // kN
  float CT = 0, CR = 0;          // total and residual resistance coefficients
  float PE = 0;                  // kW
};

// How far a speed block got.
enum class BlockEnd {
  Complete,
  PrismaticStop,  // after the Froude-number line
  BulbStop,       // in the wave step, after the wave resistance, before the bulb line
};

struct SpeedBlock {
  int i = 0;  // speed number
  HullFormAtSpeed hull_form;
  FrictionAppendageWind friction;  // valid unless end == PrismaticStop
  WaveBulbTransom wave;            // valid unless end == PrismaticStop
  CorrelationAndTotals totals;     // valid when end == Complete
  BlockEnd end = BlockEnd::Complete;
  std::optional<Stop> stop;
  CarriedSurfaces carried_out;  // the surfaces the next speed starts from
};

// --- The whole calculation --------------------------------------------------

// The per-speed results the summary tables and later sections read. A column
// holds a value only for the speeds whose step stored it (a stopped block
// stores what it reached: Fn after the hull form, Rn, CF, CV after friction).
struct ResistanceColumns {
  SpeedColumn Fn, Rn, CF, CV, RF, RAPP, RAIR, RW, RB, RTR, RBT, CA, RA, RV, RT, CT, CR, PE;
};

struct ResistanceResult {
  Method method = Method::Classic;  // the method the resistance was computed by
  InputSummary summary;
  std::vector<SpeedBlock> blocks;  // speeds 1.. in order, the last one possibly stopped
  ResistanceColumns columns;       // uncorrected
  // Wetted surface: classic, the given one plus Sapptot, or the estimate of
  // speed 1 (appendages included); published methods, the bare hull.
  float S_used = 0;
  float IE_used = 0;  // half angle of entrance (given, or the estimate of speed 1)
  // Of the last speed block reached (zero without speeds)
  HullCoefficients hull;
  float OnePlusK = 0, OnePlusKGrigson = 0;
  std::optional<Stop> stop;  // the stop of the last block, if any
};

// Summary tables and the wave-resistance correction.
struct ResistanceTables {
  int CorrFlag = 0;          // 1: correction factors given and applied
  Arr1<float, MAX_CORR> Vc;  // speeds of the correction factors, knots
  SpeedColumn Fac;           // correction factor at each speed
  // Corrected columns, beside the uncorrected ones of ResistanceResult::columns.
  // Without a correction (CorrFlag 0, or a stop) they repeat the uncorrected
  // values: these are the columns every later section reads.
  SpeedColumn CR_corrected, CT_corrected, RT_corrected, PE_corrected;
  std::optional<Stop> stop;  // the interpolation could not take the factors
};

}  // namespace vdk
