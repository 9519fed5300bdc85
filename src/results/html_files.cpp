#include "results/result_files.hpp"
#include "results/results_html.hpp"

namespace vdk {

bool WRITE_HTML_FILE(const RunDocument& doc, const RunFigures& figures,
                     const std::vector<ResultTable>& tables, const std::filesystem::path& file,
                     std::ostream& err) {
  std::string error;
  if (!WRITE_FILE_ATOMICALLY(file, RESULTS_HTML(doc, figures, tables), error)) {
    err << "vardelonteksa: " << error << '\n';
    return false;
  }
  err << "vardelonteksa: wrote " << file.lexically_normal().string() << '\n';
  return true;
}

}  // namespace vdk
