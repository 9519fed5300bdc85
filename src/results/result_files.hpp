// The result files a run writes when asked on the command line: the JSON of
// the whole run, one CSV per table, SVG figures and an HTML page. Each file is
// written to a temporary name beside its place and renamed into place, so an
// interrupted run never leaves half a file.
#pragma once

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>

#include "results/result_tables.hpp"
#include "results/run_figures.hpp"
#include "view/run_document.hpp"

namespace vdk {

// The result files asked for; an empty path is not asked.
struct ResultFiles {
  std::filesystem::path json;   // --json FILE
  std::filesystem::path csv;    // --csv DIR
  std::filesystem::path plots;  // --plots DIR
  std::filesystem::path html;   // --html FILE
  bool any() const { return !json.empty() || !csv.empty() || !plots.empty() || !html.empty(); }
};

// Writes `content` to `path` through a temporary file in the same folder and
// a rename. On failure returns false with the reason in `error`, and no file
// (neither the temporary one nor a half one) is left.
bool WRITE_FILE_ATOMICALLY(const std::filesystem::path& path, std::string_view content,
                           std::string& error);

// Writes the figure `svg` (an svg element) as a stand-alone SVG file: the
// XML declaration, then the figure; atomically, as above.
bool WRITE_SVG_FILE(const std::filesystem::path& path, std::string_view svg, std::string& error);

// Makes the output folder `dir` when it is missing; false with the reason in
// `error` when it cannot be made or is not a folder.
bool MAKE_OUTPUT_FOLDER(const std::filesystem::path& dir, std::string& error);

// Writes every asked file of `doc`; the figures and tables are made once for
// all the files that show them. A file that cannot be written is named
// on `err`; returns false when any could not.
bool WRITE_RESULT_FILES(const ResultView& view, const ResultFiles& files, std::ostream& err);

// One kind of result file each (in their own source files).
bool WRITE_JSON_FILE(const ResultView& view, const std::filesystem::path& file, std::ostream& err);
bool WRITE_CSV_FILES(const std::vector<ResultTable>& tables, const std::filesystem::path& dir,
                     std::ostream& err);
bool WRITE_PLOT_FILES(const RunFigures& figures, const std::filesystem::path& dir,
                      std::ostream& err);
bool WRITE_HTML_FILE(const ResultView& view, const RunFigures& figures,
                     const std::vector<ResultTable>& tables, const std::filesystem::path& file,
                     std::ostream& err);

}  // namespace vdk
