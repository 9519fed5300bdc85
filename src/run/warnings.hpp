// Warnings where a result may not be trusted: the ship outside the hulls the
// resistance method was fitted to, a propeller outside its series, a search
// optimum on the edge of its grid, a heavily loaded propeller, a given
// propeller that does not give the thrust the ship needs, suspicious input.
// They are values: the program shows them on standard error, the results
// file never.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vdk {

struct RunResult;

struct Warning {
  std::string code;                                   // W101, ...
  std::string text;                                   // one line, English
  std::vector<std::pair<std::string, float>> values;  // the values concerned, by symbol
};

// The warnings of a run, from its records, in code order.
std::vector<Warning> RUN_WARNINGS(const RunResult& r);

// One line for a console or log: "W101: text (symbol = value, ...)".
std::string WARNING_LINE(const Warning& w);

}  // namespace vdk
