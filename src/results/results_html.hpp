// The one-page HTML summary of a run: the key results, the figures inline as
// SVG, the tables, the warnings, how the run ended, and the input data with
// its echo. Self-contained (no script, no other file, no network) and
// written as well-formed XML (XHTML), with a print style sheet for A4.
#pragma once

#include <string>
#include <vector>

#include "results/result_tables.hpp"
#include "results/run_figures.hpp"
#include "view/run_document.hpp"

namespace vdk {

std::string RESULTS_HTML(const ResultView& view, const RunFigures& figures,
                         const std::vector<ResultTable>& tables);

}  // namespace vdk
