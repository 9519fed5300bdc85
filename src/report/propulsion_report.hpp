// Writers of the propulsion-factor stretch: the information blocks of the
// other published methods and the lines before the propeller determination.
#pragma once

#include <ostream>

#include "propulsion/other_methods.hpp"
#include "propulsion/propulsion_factors.hpp"
#include "report/lang.hpp"

namespace vdk {

// Information blocks, each to `unit` (the results file).
void WRITE_ANDERSEN_GULDHAMMER(std::ostream& unit, const AndersenGuldhammer& r, Lang l = Lang::Tr);
void WRITE_GULDHAMMER_HARVALD(std::ostream& unit, const GuldhammerHarvald& r, Lang l = Lang::Tr);
void WRITE_OTHER_METHOD_FACTORS(std::ostream& unit, const OtherMethodFactors& r, Lang l = Lang::Tr);

// The three blocks after the speed loop, in that order, to the results file.
void WRITE_OTHER_METHOD_SECTIONS(std::ostream& son, const OtherMethodSections& s,
                                 Lang l = Lang::Tr);

// The summary heading (particulars, speed list, diameter), then the block of
// the empirical formulas with the coefficient used.
void WRITE_OTHER_METHOD_SUMMARY(std::ostream& unit, const OtherMethodSummary& s, Lang l = Lang::Tr);

// Too few speeds: an empty line and two message lines to `son`, the same two
// lines to `con`. Otherwise the sea-margin line to `son`, and when the trial
// speed is not in the list the stop's message to `con`.
void WRITE_PROPULSION_PREREQUISITES(std::ostream& con, std::ostream& son,
                                    const PropulsionPrerequisites& p, Lang l = Lang::Tr);

}  // namespace vdk
