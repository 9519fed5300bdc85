// Ending a run: the exit statuses and the stop as a value. A computation that
// must end the run returns a Stop in its record; the run makes the pause it
// asks for, and the program writes the stop line and exits with the status.
// Each kind of stop has a code of its own; its texts (the Turkish lines of the
// report and the one-line English explanation) are made from the record that
// carries it, by the report floor.
#pragma once

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
  std::string code;    // the kind of stop, e.g. "E201" (STOP_CODES)
  friend bool operator==(const Stop&, const Stop&) = default;
};

// The kinds of stop: E1xx the input (data file, files, answers), E2xx the
// calculation, E3xx the efficiency test.
struct StopCode {
  std::string_view code;
  int status;
  std::string_view reason;
};
inline constexpr StopCode STOP_CODES[] = {
    {"E101", EXIT_BAD_INPUT, "data file not found"},
    {"E102", EXIT_BAD_INPUT, "unusable data file"},
    {"E103", EXIT_BAD_INPUT, "trial speed outside the speed range"},
    {"E104", EXIT_BAD_INPUT, "data value refused"},
    {"E105", EXIT_BAD_INPUT, "output file cannot be written"},
    {"E111", EXIT_BAD_INPUT, "no answer for etad"},
    {"E112", EXIT_BAD_INPUT, "no answer for Z"},
    {"E113", EXIT_BAD_INPUT, "no answer for the E/H question"},
    {"E114", EXIT_BAD_INPUT, "no answer for EAR"},
    {"E121", EXIT_BAD_INPUT, "assumed efficiency not above zero"},
    {"E122", EXIT_BAD_INPUT, "blade number not a whole number from 2 to 7"},
    {"E123", EXIT_BAD_INPUT, "area ratio not above zero"},
    {"E131", EXIT_BAD_INPUT, "trial speed not in the speed list"},
    {"E132", EXIT_BAD_INPUT, "design speed not in the speed list"},
    {"E201", EXIT_CALC_STOP, "prismatic coefficient above 0.999"},
    {"E202", EXIT_CALC_STOP, "bulb above the bow wave trough"},
    {"E203", EXIT_CALC_STOP, "water temperature outside 0..30 degrees"},
    {"E204", EXIT_CALC_STOP, "no propeller of the series meets the thrust"},
    {"E205", EXIT_CALC_STOP, "interpolation table above 2000 points"},
    {"E301", EXIT_EFFICIENCY, "assumed and computed efficiency differ"},
};

// The stop of kind `code` (one of STOP_CODES), with its status and reason.
Stop STOP_OF(std::string_view code, bool pause = false, std::string prompt = {});

}  // namespace vdk
