// The words of every stop: the console lines the report prints for it (in
// the report's language), and one line in English that says what went wrong
// and what to do, which the program writes on standard error in every
// language. The writers print the lines from here, and whoever needs a
// stop's words (the result files, the library) takes them from here, so the
// two never differ and no writer is run to learn a message.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/read_ship_data.hpp"
#include "input/ship_record.hpp"
#include "propeller/trial.hpp"
#include "report/lang.hpp"
#include "resistance/resistance_result.hpp"
#include "run/run_result.hpp"
#include "water/water.hpp"

namespace vdk {

// The console text (lines ending in '\n') of each stop of the calculation,
// as the report writes it.
std::string PRISMATIC_STOP_TEXT(const HullCoefficients& h, float Cm, Lang l = Lang::Tr);
std::string BULB_STOP_TEXT(float HB, Lang l = Lang::Tr);
std::string WATER_TEMPERATURE_STOP_TEXT(const WaterProperties& water, Lang l = Lang::Tr);
std::string TRIAL_SPEED_NOT_LISTED_TEXT(float Vtrial, Lang l = Lang::Tr);
std::string UNUSABLE_ETAD_TEXT(float etad, Lang l = Lang::Tr);
std::string UNUSABLE_BLADES_TEXT(float Z, Lang l = Lang::Tr);
std::string UNUSABLE_AREA_RATIO_TEXT(float EAR, Lang l = Lang::Tr);
std::string NO_PROPELLER_TEXT(Lang l = Lang::Tr);
std::string EFFICIENCY_MISMATCH_TEXT(float typed, float computed, Lang l = Lang::Tr);
std::string DESIGN_SPEED_NOT_FOUND_TEXT(Lang l = Lang::Tr);

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

// The stop that ended the calculation of `r`, its lines in language `l`;
// none when it reached its end.
std::optional<StopText> RUN_STOP_TEXT(const RunResult& r, Lang l = Lang::Tr);

// A stop met before the calculation (reading or checking the data file, the
// files of the run): its console lines as the program wrote them, and the
// English explanation the reader or the program gave.
StopText INPUT_STOP_TEXT(const Stop& stop, const std::vector<std::string>& console_lines,
                         const std::string& english);

// The paragraph of console lines: without the empty lines around it and the
// blanks at the ends of its lines.
std::vector<std::string> STOP_PARAGRAPH(const std::vector<std::string>& lines);

// ---- stops before the calculation ----

// The English explanation of a stop met reading the data file `file` or
// checking its values: the file, the line and the group (with the symbol of
// a refused value), then what went wrong and what to do.
std::string DATA_FILE_STOP_ENGLISH(std::string_view file, const ReadResult& read,
                                   const ValidationResult& checked);

// The console lines of such a stop in language `l`: in Turkish the reader's
// or the checks' own lines, otherwise the English explanation (the Turkish
// lines, none, without a stop).
std::vector<std::string> DATA_FILE_STOP_LINES(const std::vector<std::string>& turkish,
                                              const std::string& english, Lang l);

// The console line of a data file that cannot be opened (`name` as given,
// `path` where it was looked for), and the English explanation.
std::string DATA_FILE_NOT_OPENED_LINE(const std::string& name, const std::filesystem::path& path,
                                      Lang l);
std::string DATA_FILE_NOT_OPENED_ENGLISH(const std::filesystem::path& path);

// The console line of an output file that cannot be written: in Turkish the
// run folder, as the program always named it; in English the file. And the
// English explanation, naming the file.
std::string OUTPUT_NOT_WRITTEN_LINE(const std::filesystem::path& folder,
                                    const std::filesystem::path& file, Lang l);
std::string OUTPUT_NOT_WRITTEN_ENGLISH(const std::filesystem::path& file);

// The standard-error line of a stop: "vardelonteksa: error: " and the
// English explanation, ending in '\n'.
std::string ERROR_LINE(std::string_view english);

}  // namespace vdk
