// The console ends of a run: the pause and the stop line.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

#include "report/lang.hpp"

namespace vdk {

// Shows the prompt (the standard one when empty) in language `l` as a line
// of its own and waits for one line of input. The calculation passes its
// prompts in Turkish; they are shown translated. The line entered is
// ignored; end of input counts as an empty line.
void PAUSE(std::istream& in, std::ostream& out, std::string_view prompt = {}, Lang l = Lang::Tr);

// Writes the stop line "Stop - Program terminated.".
void WRITE_STOP_LINE(std::ostream& out, Lang l = Lang::Tr);

}  // namespace vdk
