// The whole run as one JSON document for other programs: the inputs as read
// and the values as used, every per-speed value, the propeller with its
// search, the cavitation checks, the power chain, the tables, the warnings
// and the stop. docs/results.schema.json describes it.
#pragma once

#include <string>

#include "view/result_view.hpp"
#include "view/run_document.hpp"

namespace vdk {

// The JSON text of `doc` (UTF-8, two-blank indentation, ending in a line
// end). Every float is the shortest text that reads back to the same float;
// an infinite or not-a-number value, which JSON cannot hold, is null.
std::string RESULTS_JSON(const ResultView& view);
std::string RESULTS_JSON(const RunDocument& doc);

// The JSON Schema of that document (docs/results.schema.json), made from the
// same declaration as the document and from the quantity catalogue.
std::string RESULTS_SCHEMA();

}  // namespace vdk
