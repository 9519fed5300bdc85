// Resistance prediction at every speed of the speed list and the summary
// tables.
#pragma once

#include <string>
#include <string_view>

#include "run/run_state.hpp"

namespace vdk {

// Input summary, output heading and the speed loop: for every speed the
// hull-form, friction/appendage/wind, wave/bulb/transom and correlation steps.
void RESISTANCE_CALCULATION(Run& run);

// Summary table I, the uncorrected characteristics table and the
// wave-resistance correction with its table (unit 66 only; the caller has
// already written the two empty console lines).
void RESISTANCE_TABLES(Run& run);

// --- Steps of the resistance calculation -------------------------------------

// Input summary (particulars, speeds, appendages with Sapptot and
// (1+k2)eff, fluid constants, propeller block), PropCase, DISPW and the
// output heading.
void INPUT_SUMMARY(Run& run);

// Classification of the given propeller data: 0 nothing usable, 1 D only,
// 2 D and N, 3 N only, 4 D, N and P/D.
int PROPELLER_DATA_CASE(float D, float N, float PD);

// Opening lines of speed block i: speed, Froude number, hull coefficients
// (stops the run on an impossible prismatic coefficient), length of run, C,
// wetted surface and form factors. Stores FnArr(i).
void HULL_FORM_AT_SPEED(Run& run, int i);

// Reynolds number, ITTC-1957 friction, viscous coefficient, frictional,
// appendage and wind resistance of speed i. Stores RnArr, CFArr, CVArr.
void FRICTION_APPENDAGE_WIND(Run& run, int i);

// Entrance angle, wave-resistance coefficients, wave resistance in its Froude
// number range, bulb (stops the run on an emerged bulb), transom and
// bow-thruster resistance and the wave resistance coefficient of speed i.
void WAVE_BULB_TRANSOM(Run& run, int i);

// Correlation allowance, correlation resistance, total resistance, effective
// power; closes speed block i and stores all its components.
void CORRELATION_AND_TOTALS(Run& run, int i);

// Summary table I with its legend.
void SUMMARY_TABLE_I(Run& run);

// Table of resistance characteristics, uncorrected or after the wave
// resistance correction.
void CHARACTERISTICS_TABLE(Run& run, bool corrected);

// Wave-resistance correction: factors interpolated at every speed, CR, CT,
// RT and PE rebuilt, corrected table; or the note that none was made.
void WAVE_RESISTANCE_CORRECTION(Run& run);

// A label held in an 80-character text (blank-padded), as the A40 fields of
// the report take it: their first 40 characters.
std::string LABEL80(std::string_view text);

}  // namespace vdk
