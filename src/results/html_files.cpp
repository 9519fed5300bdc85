#include "results/result_files.hpp"
#include "results/results_html.hpp"

namespace vdk {

bool WRITE_HTML_FILE(const ResultView& view, const RunFigures& figures,
                     const std::vector<ResultTable>& tables, const std::filesystem::path& file,
                     std::ostream& err) {
  std::string error;
  if ((!file.parent_path().empty() && !MAKE_OUTPUT_FOLDER(file.parent_path(), error)) ||
      !WRITE_FILE_ATOMICALLY(file, RESULTS_HTML(view, figures, tables), error)) {
    err << "vardelonteksa: " << error << '\n';
    return false;
  }
  err << "vardelonteksa: wrote " << file.lexically_normal().string() << '\n';
  return true;
}

}  // namespace vdk
