// Ending a run: the stop and the pause.
//
// A routine that must end the run throws StopRequest; the run sequence catches
// it, makes the pause when one is asked for, writes the stop line and returns
// the exit status. So deep calculation routines need no console of their own
// for the pause.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace vdk {

// Exit statuses of a run.
constexpr int EXIT_RUN_END = 0;     // normal run end
constexpr int EXIT_BAD_INPUT = 1;   // input that cannot be used
constexpr int EXIT_CALC_STOP = 2;   // a calculation stop
constexpr int EXIT_EFFICIENCY = 3;  // assumed and computed efficiency differ

constexpr int EXIT_INTERNAL = 4;    // an internal error of the program

// A stop met by a computation, returned as a value with what was computed so
// far. The values its message shows are fields of the result record that
// carries it; the writer of that record prints the message lines.
struct Stop {
  int status = EXIT_RUN_END;
  bool pause = false;  // make a pause before the stop line
  std::string prompt;  // pause prompt; empty = the standard prompt
  std::string reason;  // short English identifier, e.g. "prismatic coefficient above 0.999"
  friend bool operator==(const Stop&, const Stop&) = default;
};

struct StopRequest {
  int status = EXIT_RUN_END;
  bool pause = false;  // make a pause before the stop
  std::string prompt;  // pause prompt; empty = the standard prompt
};

// Stop without pause.
[[noreturn]] void STOP(int status);
// Pause (standard prompt when `prompt` is empty), then stop.
[[noreturn]] void PAUSE_THEN_STOP(int status, std::string_view prompt = {});

// The standard pause prompt.
inline constexpr std::string_view STANDARD_PAUSE_PROMPT =
    "Pause - Please enter a blank line (to continue) or a DOS command.";

// Shows the prompt as a line of its own and waits for one line of input. The
// line entered is ignored; end of input counts as an empty line.
void PAUSE(std::istream& in, std::ostream& out, std::string_view prompt = {});

// Writes the stop line "Stop - Program terminated.".
void WRITE_STOP_LINE(std::ostream& out);

}  // namespace vdk
