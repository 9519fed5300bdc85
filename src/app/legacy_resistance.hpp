// The resistance steps as the run sequence still calls them: on the whole
// run state. Each computes with the resistance computations, writes with the
// report writers and leaves the run state as the later steps read it.
#pragma once

#include "run/run_state.hpp"

namespace vdk {

// Input summary, output heading and the speed loop. Fills run.res (the last
// speed's values), the resistance columns of run.sp, and overwrites
// run.ship.S and run.ship.IE with the values the calculation used. A stop is
// thrown as StopRequest after its message is written.
void RESISTANCE_CALCULATION(Run& run);

// Summary table I, the uncorrected characteristics table and the
// wave-resistance correction with its table (results file only; the caller
// has already written the two empty console lines). Replaces CRArr, CTArr,
// RTArr and PEArr of run.sp by the corrected columns and fills FacArr,
// run.res.CorrFlag and run.res.Vc.
void RESISTANCE_TABLES(Run& run);

}  // namespace vdk
