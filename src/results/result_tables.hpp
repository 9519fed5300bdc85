// The run's tables as plain values for files other programs load (CSV) and
// for the HTML page: one header row with units, then one row per speed or per
// table row, every value as the shortest text of its computed float.
#pragma once

#include <string>
#include <vector>

#include "view/result_view.hpp"

namespace vdk {

struct ResultTable {
  std::string name;                            // file stem, e.g. "resistance"
  std::string title;                           // English title, e.g. "Resistance per speed"
  std::vector<std::string> headers;            // symbol and unit, e.g. "RT_kN"
  std::vector<std::vector<std::string>> rows;  // one text per header
};

// Every table the run produced, in a fixed order; a table whose data the run
// did not produce (a resistance-only run, a stop) is left out.
std::vector<ResultTable> RESULT_TABLES(const ResultView& view);

}  // namespace vdk
