#include "app/result_files.hpp"
#include "report/result_tables.hpp"
#include "report/results_html.hpp"
#include "report/run_figures.hpp"

namespace vdk {

bool WRITE_HTML_FILE(const RunDocument& doc, const std::filesystem::path& file, std::ostream& err) {
  std::string error;
  if (!WRITE_FILE_ATOMICALLY(file, RESULTS_HTML(doc, RUN_FIGURES(doc), RESULT_TABLES(doc)),
                             error)) {
    err << "vardelonteksa: " << error << '\n';
    return false;
  }
  err << "vardelonteksa: wrote " << file.lexically_normal().string() << '\n';
  return true;
}

}  // namespace vdk
