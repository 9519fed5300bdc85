// The console ends of a run: the pause and the stop line.
#pragma once

#include <istream>
#include <ostream>
#include <string_view>

namespace vdk {

// The standard pause prompt.
inline constexpr std::string_view STANDARD_PAUSE_PROMPT =
    "Pause - Please enter a blank line (to continue) or a DOS command.";

// Shows the prompt (the standard one when empty) as a line of its own and
// waits for one line of input. The line entered is ignored; end of input
// counts as an empty line.
void PAUSE(std::istream& in, std::ostream& out, std::string_view prompt = {});

// Writes the stop line "Stop - Program terminated.".
void WRITE_STOP_LINE(std::ostream& out);

}  // namespace vdk
