// Ending a run: the exit statuses and the stop as a value. A computation that
// must end the run returns a Stop in its record; the run makes the pause it
// asks for, and the program writes the stop line and exits with the status.
//
// Installed with the engine library, since its public headers include it.
#pragma once

#include <string>

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

}  // namespace vdk
