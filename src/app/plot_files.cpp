#include <system_error>

#include "app/result_files.hpp"
#include "report/run_figures.hpp"

namespace vdk {

bool WRITE_PLOT_FILES(const RunDocument& doc, const std::filesystem::path& dir, std::ostream& err) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec || !std::filesystem::is_directory(dir)) {
    err << "vardelonteksa: cannot write " << dir.string() << ": cannot create the folder"
        << (ec ? ": " + ec.message() : std::string()) << '\n';
    return false;
  }
  const RunFigures figures = RUN_FIGURES(doc);
  bool ok = true;
  for (const Figure& f : figures.drawn) {
    const std::filesystem::path path = dir / f.file;
    std::string error;
    if (WRITE_FILE_ATOMICALLY(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + f.svg,
                              error)) {
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
    const bool removed = std::filesystem::remove(path, ec);
    err << "vardelonteksa: left out " << path.lexically_normal().string() << ": " << f.reason
        << (removed ? " (the earlier file removed)" : "") << '\n';
  }
  return ok;
}

}  // namespace vdk
