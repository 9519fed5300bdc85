#include "support/test_support.hpp"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "format/format.hpp"
#include "input/ship_file_layout.hpp"
#include "input/ship_files.hpp"

namespace vdk::test {

namespace fs = std::filesystem;

fs::path source_dir() {
  return fs::path(VDK_SOURCE_DIR);
}

fs::path regression_root() {
  return source_dir() / "tests" / "regression";
}

std::vector<std::string> regression_cases() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(regression_root(), ec))
    if (entry.is_directory() && fs::exists(entry.path() / "answers.txt"))
      names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> case_options(const std::string& name) {
  std::vector<std::string> words;
  std::istringstream in(read_file(regression_root() / name / "options.txt"));
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> case_inputs(const std::string& name) {
  std::vector<std::string> files;
  for (const auto& e : fs::directory_iterator(regression_root() / name)) {
    const std::string f = e.path().filename().string();
    if (e.is_regular_file() && f != "answers.txt" && f != "options.txt") files.push_back(f);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string case_data_file(const std::string& name) {
  const std::vector<std::string> words = case_options(name);
  for (std::size_t k = 0; k + 1 < words.size(); ++k)
    if (words[k] == "--data") return words[k + 1];
  return "VARDELONTEKSA.TSK";
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() /
                 ("vdk-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    if (fs::create_directory(p)) {
      path = p;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path, ec);
}

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return {};
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void write_file(const fs::path& p, std::string_view text) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f << text;
}

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

ShipFile worked_example() {
  ShipFile f;
  f.ship = EXAMPLE_SHIP();
  f.ship.name.clear();  // a data file names no ship
  f.k2_given(2) = f.ship.OnePlusK2Given(2);
  return f;
}

namespace {

// Shortest decimal text that reads back as the same float.
std::string num(float v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

// The value line of one group as a person types it: the values two blanks apart.
std::string value_line(const ShipFile& f, const ShipFileGroup& g) {
  const ShipRecord& s = f.ship;
  std::vector<std::string> values;
  auto field = [&](const ShipField& x) {
    values.push_back(x.kind == FieldKind::Int ? std::to_string(s.*x.integer) : num(s.*x.real));
  };
  switch (g.shape) {
    case GroupShape::Heading:
      break;
    case GroupShape::Values:
      for (const ShipField& x : g.fields) field(x);
      break;
    case GroupShape::SpeedList:
      field(g.fields[0]);
      for (int i = 1; i <= s.NSPEED; ++i) values.push_back(num(s.Vs(i)));
      break;
    case GroupShape::Appendage:
      values = {num(s.Sapp(g.appendage)), num(f.k2_given(g.appendage))};
      break;
    case GroupShape::ShaftHeight:
      values = {num(f.shaft_height)};
      break;
    case GroupShape::Corrections:
      field(g.fields[0]);
      for (int i = 1; i <= s.NCORR; ++i) values.push_back(num(s.Fcorr(i)));
      break;
  }
  std::string line;
  for (const std::string& v : values) line += (line.empty() ? "" : "  ") + v;
  return line;
}

}  // namespace

std::string ship_file_text(const ShipFile& f) {
  // The comment lines of the example data file, group after group.
  const std::vector<std::string> comments = STANDARD_COMMENTS();
  std::string text;
  std::size_t comment = 0;
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
    for (int k = 0; k < g.comment_lines; ++k) {
      if (comment == comments.size()) throw std::logic_error("too few comment lines");
      text += comments[comment++] + '\n';
    }
    if (g.shape != GroupShape::Heading) text += value_line(f, g) + '\n';
  }
  if (comment != comments.size()) throw std::logic_error("too many comment lines");
  return text;
}

}  // namespace vdk::test
