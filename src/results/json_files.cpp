#include <string>

#include "results/result_files.hpp"
#include "results/results_json.hpp"

namespace vdk {

bool WRITE_JSON_FILE(const RunDocument& doc, const std::filesystem::path& file, std::ostream& err) {
  std::string error;
  if (WRITE_FILE_ATOMICALLY(file, RESULTS_JSON(doc), error)) return true;
  err << "vardelonteksa: cannot write the JSON file " << file.string() << ": " << error << '\n';
  return false;
}

}  // namespace vdk
