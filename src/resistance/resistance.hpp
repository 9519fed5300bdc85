// Resistance prediction (Holtrop & Mennen) at every speed of the speed list
// and the summary tables with the wave-resistance correction.
//
// The computations take the ship as given and return result records
// (resistance/resistance_result.hpp); they write nothing. Running one twice
// on the same inputs gives the same record.
#pragma once

#include "input/ship_record.hpp"
#include "resistance/resistance_result.hpp"

namespace vdk {

// Appendage sums, propeller data case and displacement weight.
InputSummary COMPUTE_INPUT_SUMMARY(const ShipRecord& ship);

// Hull coefficients from the main particulars.
HullCoefficients HULL_COEFFICIENTS(const ShipRecord& ship);

// --- Steps of speed block i ---------------------------------------------------

// Speed, Froude number, hull coefficients (stops on an impossible prismatic
// coefficient), length of run, C, wetted surface and form factors by
// `method`. `S_in` is the wetted surface carried in.
HullFormAtSpeed COMPUTE_HULL_FORM(const ShipRecord& ship, const InputSummary& summary, int i,
                                  float S_in, Method method = Method::Classic);

// Reynolds number, ITTC-1957 friction, viscous coefficient, frictional,
// appendage and wind resistance on the wetted surface S.
FrictionAppendageWind COMPUTE_FRICTION(const ShipRecord& ship, const InputSummary& summary,
                                       const HullFormAtSpeed& hf, float S);

// Entrance angle, wave-resistance coefficients, wave resistance in its Froude
// number range, bulb (stops on an emerged bulb), transom and bow-thruster
// resistance, wave resistance coefficient by `method`. `IE_in` is the angle
// carried in.
WaveBulbTransom COMPUTE_WAVE(const ShipRecord& ship, const InputSummary& summary,
                             const HullFormAtSpeed& hf, float S, float IE_in,
                             Method method = Method::Classic);

// Correlation allowance, correlation resistance, total resistance and its
// coefficients, effective power by `method` (the published methods take the
// correlation resistance on S plus the appendage area Sapptot).
CorrelationAndTotals COMPUTE_CORRELATION(const ShipRecord& ship, const HullFormAtSpeed& hf,
                                         const FrictionAppendageWind& fr, const WaveBulbTransom& wv,
                                         float S, Method method = Method::Classic,
                                         float Sapptot = 0.0f);

// The four steps of speed i, as far as they get.
SpeedBlock COMPUTE_SPEED_BLOCK(const ShipRecord& ship, const InputSummary& summary, int i,
                               CarriedSurfaces carried, Method method = Method::Classic);

// Input summary and every speed block up to the end of the list or the first
// stop, by `method`.
ResistanceResult COMPUTE_RESISTANCE(const ShipRecord& ship, Method method = Method::Classic);

// Wave-resistance correction of the uncorrected columns in `res` (factors
// interpolated at every speed, CR, CT, RT and PE rebuilt on res.S_used).
ResistanceTables COMPUTE_RESISTANCE_TABLES(const ShipRecord& ship, const ResistanceResult& res);

}  // namespace vdk
