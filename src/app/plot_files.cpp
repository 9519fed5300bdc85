#include "app/result_files.hpp"

namespace vdk {

bool WRITE_PLOT_FILES(const RunDocument&, const std::filesystem::path& dir, std::ostream& err) {
  err << "vardelonteksa: cannot write " << dir.string() << ": not built yet\n";
  return false;
}

}  // namespace vdk
