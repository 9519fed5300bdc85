// The words of every stop: the console lines the report prints for it (in
// the report's language), and one line in English that says what went wrong
// and what to do. The writers print the lines from here, and whoever needs a
// stop's words (the result files, the library) takes them from here, so the
// two never differ and no writer is run to learn a message.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/ship_record.hpp"
#include "propeller/trial.hpp"
#include "resistance/resistance_result.hpp"
#include "run/run_result.hpp"
#include "water/water.hpp"

namespace vdk {

// The console text (lines ending in '\n') of each stop of the calculation,
// as the report writes it.
std::string PRISMATIC_STOP_TEXT(const HullCoefficients& h, float Cm);
std::string BULB_STOP_TEXT(float HB);
std::string WATER_TEMPERATURE_STOP_TEXT(const WaterProperties& water);
std::string TRIAL_SPEED_NOT_LISTED_TEXT(float Vtrial);
std::string UNUSABLE_ETAD_TEXT(float etad);
std::string UNUSABLE_BLADES_TEXT(float Z);
std::string UNUSABLE_AREA_RATIO_TEXT(float EAR);
std::string NO_PROPELLER_TEXT();
std::string EFFICIENCY_MISMATCH_TEXT(float typed, float computed);
std::string DESIGN_SPEED_NOT_FOUND_TEXT();

// A stop as data: its code, exit status and reason, the paragraph of console
// lines the report shows for it (without the empty lines around it and the
// blanks at the ends of its lines; none where the dialogue said why), and the
// English explanation.
struct StopText {
  std::string code;
  int status = 0;
  std::string reason;
  std::vector<std::string> lines;
  std::string english;
};

// The stop that ended the calculation of `r`; none when it reached its end.
std::optional<StopText> RUN_STOP_TEXT(const RunResult& r);

// A stop met before the calculation (reading or checking the data file, the
// files of the run): its console lines as the program wrote them, and the
// English explanation the reader or the program gave.
StopText INPUT_STOP_TEXT(const Stop& stop, const std::vector<std::string>& console_lines,
                         const std::string& english);

// The paragraph of console lines: without the empty lines around it and the
// blanks at the ends of its lines.
std::vector<std::string> STOP_PARAGRAPH(const std::vector<std::string>& lines);

}  // namespace vdk
