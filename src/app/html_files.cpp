#include "app/result_files.hpp"

namespace vdk {

bool WRITE_HTML_FILE(const RunDocument&, const std::filesystem::path& file, std::ostream& err) {
  err << "vardelonteksa: cannot write " << file.string() << ": not built yet\n";
  return false;
}

}  // namespace vdk
