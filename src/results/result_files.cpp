#include "results/result_files.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <future>
#include <sstream>
#include <system_error>

namespace vdk {

bool WRITE_FILE_ATOMICALLY(const std::filesystem::path& path, std::string_view content,
                           std::string& error) {
  namespace fs = std::filesystem;
  // The temporary name is unique per process and per file, so two runs, or
  // two threads writing different files, never share one.
  fs::path tmp = path;
  tmp += ".tmp-" + std::to_string(::getpid());
  // Plain POSIX calls: one open, the writes, and a close whose failure (a
  // full disc seen only at close on some file systems) counts as a failed write.
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error = "cannot create " + tmp.string() + ": " + std::strerror(errno);
    return false;
  }
  const char* p = content.data();
  std::size_t left = content.size();
  bool written = true;
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      written = false;
      break;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  if (::close(fd) != 0) written = false;
  if (!written) {
    std::error_code ec;
    fs::remove(tmp, ec);
    error = "cannot write " + tmp.string();
    return false;
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

bool WRITE_SVG_FILE(const std::filesystem::path& path, std::string_view svg, std::string& error) {
  std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  text += svg;
  return WRITE_FILE_ATOMICALLY(path, text, error);
}

bool MAKE_OUTPUT_FOLDER(const std::filesystem::path& dir, std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (!ec && std::filesystem::is_directory(dir, ec)) return true;
  error = "cannot make the folder " + dir.string() + (ec ? ": " + ec.message() : std::string());
  return false;
}

bool WRITE_RESULT_FILES(const ResultView& view, const ResultFiles& files, std::ostream& err) {
  bool ok = true;
  const bool tables_used = !files.csv.empty() || !files.html.empty();
  const bool figures_used = !files.plots.empty() || !files.html.empty();
  // The JSON document shares nothing with the tables, figures and page but
  // the run's records, which both only read: with other outputs wanted it is
  // built and written on a second thread meanwhile. Its messages still come
  // first on standard error.
  std::ostringstream json_err;
  std::future<bool> json;
  if (!files.json.empty()) {
    if (tables_used || figures_used)
      json = std::async(std::launch::async, [&view, &files, &json_err] {
        return WRITE_JSON_FILE(view, files.json, json_err);
      });
    else
      ok = WRITE_JSON_FILE(view, files.json, err);
  }
  const std::vector<ResultTable> tables =
      tables_used ? RESULT_TABLES(view) : std::vector<ResultTable>{};
  const RunFigures figures = figures_used ? RUN_FIGURES(view) : RunFigures{};
  // The other files' messages are gathered too, to follow the JSON file's.
  std::ostringstream rest_err;
  if (!files.csv.empty()) ok = WRITE_CSV_FILES(tables, files.csv, rest_err) && ok;
  if (!files.plots.empty()) ok = WRITE_PLOT_FILES(figures, files.plots, rest_err) && ok;
  if (!files.html.empty()) ok = WRITE_HTML_FILE(view, figures, tables, files.html, rest_err) && ok;
  if (json.valid()) {
    ok = json.get() && ok;
    err << json_err.str();
  }
  err << rest_err.str();
  return ok;
}

}  // namespace vdk
