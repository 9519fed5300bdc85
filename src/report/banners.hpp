// The program banner, the closing notice and the console author box.
#pragma once

#include <ostream>

#include "report/lang.hpp"

namespace vdk {

// Five lines, first to the console, then to the results file.
void PROGRAM_BANNER(std::ostream& con, std::ostream& son, Lang l = Lang::Tr);

// nblank empty lines, then the 16-line closing box.
void CLOSING_NOTICE(std::ostream& unit, int nblank, Lang l = Lang::Tr);

// The seven-line author box written to the console at the run end.
void CONSOLE_AUTHOR_BOX(std::ostream& con, Lang l = Lang::Tr);

}  // namespace vdk
