#include <system_error>

#include "results/result_files.hpp"

namespace vdk {

bool WRITE_PLOT_FILES(const RunFigures& figures, const std::filesystem::path& dir,
                      std::ostream& err) {
  std::string folder_error;
  if (!MAKE_OUTPUT_FOLDER(dir, folder_error)) {
    err << "vardelonteksa: " << folder_error << '\n';
    return false;
  }
  bool ok = true;
  for (const Figure& f : figures.drawn) {
    const std::filesystem::path path = dir / f.file;
    std::string error;
    if (WRITE_SVG_FILE(path, f.svg, error)) {
      err << "vardelonteksa: wrote " << path.lexically_normal().string() << '\n';
    } else {
      err << "vardelonteksa: " << error << '\n';
      ok = false;
    }
  }
  // A figure of an earlier run that this run left out must not survive
  // beside the new ones, as if it belonged to them.
  for (const LeftOutFigure& f : figures.left_out) {
    const std::filesystem::path path = dir / f.file;
    std::error_code ec;
    const bool removed = std::filesystem::remove(path, ec);
    err << "vardelonteksa: left out " << path.lexically_normal().string() << ": " << f.reason
        << (removed ? " (the earlier file removed)" : "") << '\n';
  }
  return ok;
}

}  // namespace vdk
