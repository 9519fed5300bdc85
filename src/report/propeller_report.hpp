// Writers of the propeller sections: the routines' reports, the cavitation
// checks, the trial-propeller stages, the power chain and the propulsion
// characteristics. Each line goes to the console (con) and/or the results
// file (son) exactly as the section prints it.
#pragma once

#include <ostream>

#include "propeller/cavitation.hpp"
#include "propeller/open_water.hpp"
#include "propeller/propeller_routines.hpp"
#include "propeller/trial.hpp"
#include "report/lang.hpp"

namespace vdk {

// Names the series in use, on the console and then in the results file.
void WRITE_SERIES_MESSAGE(std::ostream& con, std::ostream& son, const SeriesSettings& set,
                          Lang l = Lang::Tr);

// The report of a propeller routine: the candidate table of a search, the
// selected propeller, or the operating point; each line to con, then son.
// With a stop, the lines up to the no-propeller message.
void WRITE_PROPELLER_ROUTINE(std::ostream& con, std::ostream& son, const PropellerRoutineRecord& r,
                             Lang l = Lang::Tr);

// Results-file block comparing the area ratio in use with Keller's.
void WRITE_KELLER_BLOCK(std::ostream& son, float EAR, float EARK, Lang l = Lang::Tr);

// The Burrill, tip-speed and Wageningen block (console, then results file) or
// the out-of-range message on both, then the tip-vortex block in the results
// file. Nothing with a stop.
void WRITE_CAVITATION_CHECKS(std::ostream& con, std::ostream& son, const CavitationResult& r,
                             Lang l = Lang::Tr);

// Trial stage 1 (before the efficiency question): the heading, son only.
void WRITE_TRIAL_START(std::ostream& son, const TrialStartRecord& r, Lang l = Lang::Tr);
// Trial stage 2 (after the efficiency answer): the unusable-efficiency message
// on con, or the derivation of the thrust on son.
void WRITE_TRIAL_THRUST(std::ostream& con, std::ostream& son, const TrialThrustRecord& r,
                        Lang l = Lang::Tr);
// Trial stage 3 (after the blade-number answer, before the E / H question):
// Keller's area ratio and the diameter note, con only.
void WRITE_TRIAL_BLADES(std::ostream& con, const TrialBladesRecord& r, Lang l = Lang::Tr);
// Trial stage 4 (after the area-ratio answers): Keller block, the routine,
// the cavitation checks, the powers and efficiencies on con, and the
// efficiency-mismatch message when the record carries that stop.
void WRITE_TRIAL_PROPELLER(std::ostream& con, std::ostream& son, const TrialPropellerRecord& r,
                           Lang l = Lang::Tr);

// The power lines and the selected propeller, son only (the other-method
// summary follows them in the results file).
void WRITE_POWER_CHAIN(std::ostream& son, const PowerChainRecord& r, Lang l = Lang::Tr);

// Propulsion characteristics, first part: the console copy of the open-water
// block. The pause CHARACTERISTICS_PAUSE_PROMPT comes after it.
void WRITE_CHARACTERISTICS_BEFORE_PAUSE(std::ostream& con, const CharacteristicsRecord& r,
                                        Lang l = Lang::Tr);
// Second part, after the pause: the console rows, the results-file copy of
// the open-water block, then (design speed found) the service table on con,
// on son, and the legend on son; or the design-speed message on con.
void WRITE_CHARACTERISTICS_AFTER_PAUSE(std::ostream& con, std::ostream& son,
                                       const CharacteristicsRecord& r, Lang l = Lang::Tr);

}  // namespace vdk
