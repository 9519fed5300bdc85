// The report lines of the published methods (--method hm1982, hm1984) that
// the classic report does not have: the method in the banner and the input
// summary, the bare-hull wetted surface, the 1982 wave formula, the
// allowance with the roughness increment and the service power. A classic
// run writes none of them.
#pragma once

#include <ostream>

#include "core/method.hpp"
#include "propeller/trial.hpp"
#include "report/lang.hpp"
#include "resistance/resistance_result.hpp"

namespace vdk {

// The method's line under the program banner, first on the console, then in
// the results file.
void WRITE_METHOD_BANNER(std::ostream& con, std::ostream& son, Method method, Lang l);

// The method's line of the input summary.
void WRITE_METHOD_LINE(std::ostream& son, Method method, Lang l);

// The wetted-surface lines of a speed block: the estimate of the bare hull,
// Metin Taylan's estimate, and the surface in use (the bare hull) unless it
// is the estimate.
void WRITE_BARE_HULL_SURFACE(std::ostream& son, const HullFormAtSpeed& r, Lang l);

// The range line and RW of the 1982 wave formula, which holds at every speed.
void WRITE_WAVE_1982(std::ostream& son, const WaveBulbTransom& r, Lang l);

// Holtrop's allowance with the roughness increment of a hull rougher than
// 150 micrometres.
void WRITE_ROUGHNESS_ALLOWANCE(std::ostream& son, float CA, Lang l);

// The service power Pb (1 + sea margin), before the engine power.
void WRITE_SERVICE_POWER(std::ostream& son, const PowerChainRecord& r, Lang l);
// The required engine power from the service power.
void WRITE_ENGINE_POWER_FROM_SERVICE(std::ostream& son, const PowerChainRecord& r, Lang l);

}  // namespace vdk
