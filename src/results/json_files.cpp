#include <string>

#include "results/result_files.hpp"
#include "results/results_json.hpp"

namespace vdk {

bool WRITE_JSON_FILE(const ResultView& view, const std::filesystem::path& file, std::ostream& err) {
  std::string error;
  // Its folder is made when missing, as the CSV and figure folders are.
  if ((file.parent_path().empty() || MAKE_OUTPUT_FOLDER(file.parent_path(), error)) &&
      WRITE_FILE_ATOMICALLY(file, RESULTS_JSON(view), error))
    return true;
  err << "vardelonteksa: cannot write the JSON file " << file.string() << ": " << error << '\n';
  return false;
}

}  // namespace vdk
