#include "app/result_files.hpp"

#include <unistd.h>

#include <fstream>
#include <system_error>

namespace vdk {

bool WRITE_FILE_ATOMICALLY(const std::filesystem::path& path, std::string_view content,
                           std::string& error) {
  namespace fs = std::filesystem;
  // The temporary name is unique per process and per file, so two runs, or
  // two threads writing different files, never share one.
  fs::path tmp = path;
  tmp += ".tmp-" + std::to_string(::getpid());
  {
    std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
    if (!f) {
      error = "cannot create " + tmp.string();
      return false;
    }
    f.write(content.data(), static_cast<std::streamsize>(content.size()));
    f.flush();
    if (!f) {
      f.close();
      std::error_code ec;
      fs::remove(tmp, ec);
      error = "cannot write " + tmp.string();
      return false;
    }
  }
  std::error_code ec;
  fs::rename(tmp, path, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(tmp, ignored);
    error = "cannot rename " + tmp.string() + " to " + path.string() + ": " + ec.message();
    return false;
  }
  return true;
}

bool MAKE_OUTPUT_FOLDER(const std::filesystem::path& dir, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!ec && std::filesystem::is_directory(dir, ec)) return true;
  error = "cannot make the folder " + dir.string() + (ec ? ": " + ec.message() : std::string());
  return false;
}

bool WRITE_RESULT_FILES(const RunDocument& doc, const ResultFiles& files, std::ostream& err) {
  bool ok = true;
  if (!files.json.empty()) ok = WRITE_JSON_FILE(doc, files.json, err) && ok;
  const bool tables_used = !files.csv.empty() || !files.html.empty();
  const bool figures_used = !files.plots.empty() || !files.html.empty();
  const std::vector<ResultTable> tables =
      tables_used ? RESULT_TABLES(doc) : std::vector<ResultTable>{};
  const RunFigures figures = figures_used ? RUN_FIGURES(doc) : RunFigures{};
  if (!files.csv.empty()) ok = WRITE_CSV_FILES(tables, files.csv, err) && ok;
  if (!files.plots.empty()) ok = WRITE_PLOT_FILES(figures, files.plots, err) && ok;
  if (!files.html.empty()) ok = WRITE_HTML_FILE(doc, figures, tables, files.html, err) && ok;
  return ok;
}

}  // namespace vdk
