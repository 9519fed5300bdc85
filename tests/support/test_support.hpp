// Helpers shared by the tests: temporary run folders, ship data files built
// from a record, whole runs with scripted console answers.
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "input/ship_record.hpp"

namespace vdk::test {

// A fresh folder under the system's temporary directory, removed at the end.
struct TempDir {
  std::filesystem::path path;
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
};

std::string read_file(const std::filesystem::path& p);

// The source tree, its regression folders and the names of the cases (the
// folders holding console answers), sorted. A case is run with the words of
// its options.txt (none: a plain run) in a folder holding its input files
// (every file of the case folder but answers.txt and options.txt).
std::filesystem::path source_dir();
std::filesystem::path regression_root();
std::vector<std::string> regression_cases();
std::vector<std::string> case_options(const std::string& name);
std::vector<std::string> case_inputs(const std::string& name);
// The ship data file a case reads (its --data, else VARDELONTEKSA.TSK).
std::string case_data_file(const std::string& name);
void write_file(const std::filesystem::path& p, std::string_view text);
std::vector<std::string> split_lines(const std::string& text);

// The content of a ship data file: the record as it stands in the file.
struct ShipFile {
  ShipRecord ship;                       // every value of the file (Hsd unused: see shaft_height)
  float shaft_height = 0;                // group 35: shaft-centre height above the base line
  Arr1<float, NUM_APPENDAGES> k2_given;  // groups 20..30: given (1+k2), 0 = default
};

// The worked-example ship: Lwl = Lbp = 205 m, B = 32 m, T = 10 m,
// V = 37500 m3, one appendage kind (rudder behind skeg) of 50 m2 with
// (1+k2) 1.5, speeds 21..27 knots, trial 25 knots, D = 6.5 m given.
ShipFile worked_example();

// Writes the ship data file text (comment lines and value lines, group by group).
std::string ship_file_text(const ShipFile& f);

struct RunOutcome {
  int status = -1;
  std::string console;  // everything written to the console
  std::string results;  // VARDELONTEKSA.SON ("" when missing)
  std::string echo;     // VARDELONTEKSA.CRL ("" when missing)
};

// Writes `data_text` as VARDELONTEKSA.TSK into `dir`, runs the program there
// with `answers` as console input and collects what it wrote.
RunOutcome run_in(const TempDir& dir, std::string_view data_text, std::string_view answers = "");

// A regression case run through the command line in `dir`: its input files
// and its answers, with `-C dir`, the case's own options and `options`.
struct CaseOutcome {
  int status = -1;
  std::string out, err;
};
CaseOutcome run_case(const TempDir& dir, const std::string& name,
                     const std::vector<std::string>& options);

}  // namespace vdk::test
