// The figures and the HTML page of whole runs: well-formed XML, nothing that
// runs or loads anything, the figures a run has no data for left out (and an
// earlier copy of them removed), the tables given to the page written out.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "chart/chart.hpp"
#include "results/results_html.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

// Empty when `text` is well-formed XML (one root element, balanced and
// properly nested tags, quoted attributes, only the five predefined or
// numeric character references); otherwise what is wrong and where.
std::string xml_problem(const std::string& text) {
  static const std::regex ref("&(amp|lt|gt|quot|apos|#[0-9]+|#x[0-9A-Fa-f]+);");
  static const std::regex attrs(R"(^(\s+[A-Za-z_:][-\w.:]*\s*=\s*("[^"<]*"|'[^'<]*'))*\s*/?$)");
  std::vector<std::string> open;
  int roots = 0;
  std::size_t i = 0;
  auto at = [&](std::size_t p) { return " at byte " + std::to_string(p); };
  while (i < text.size()) {
    if (text[i] == '&') {
      std::smatch m;
      const std::string rest = text.substr(i, 12);
      if (!std::regex_search(rest, m, ref) || m.position(0) != 0) return "bad reference" + at(i);
      i += static_cast<std::size_t>(m.length(0));
    } else if (text[i] != '<') {
      if (text[i] == '>' && i >= 2 && text.compare(i - 2, 2, "]]") == 0) return "]]>" + at(i);
      ++i;
    } else if (text.compare(i, 4, "<!--") == 0) {
      const std::size_t e = text.find("-->", i);
      if (e == std::string::npos) return "open comment" + at(i);
      i = e + 3;
    } else if (text.compare(i, 2, "<?") == 0 || text.compare(i, 9, "<!DOCTYPE") == 0) {
      const std::size_t e = text.find('>', i);
      if (e == std::string::npos || !open.empty()) return "misplaced declaration" + at(i);
      i = e + 1;
    } else {
      const std::size_t e = text.find('>', i);
      if (e == std::string::npos) return "open tag" + at(i);
      const std::string tag = text.substr(i + 1, e - i - 1);
      const bool closing = !tag.empty() && tag[0] == '/';
      const std::string body = closing ? tag.substr(1) : tag;
      const std::size_t n = body.find_first_of(" \t\r\n/");
      const std::string name = body.substr(0, n);
      if (name.empty() || !std::regex_match(name, std::regex("[A-Za-z_][-\\w.:]*")))
        return "bad tag name" + at(i);
      if (closing) {
        if (open.empty() || open.back() != name) return "unbalanced </" + name + ">" + at(i);
        open.pop_back();
      } else {
        if (!std::regex_match(body.substr(name.size()), attrs)) return "bad attributes" + at(i);
        if (open.empty() && ++roots > 1) return "second root element" + at(i);
        if (tag.back() != '/') open.push_back(name);
      }
      i = e + 1;
    }
  }
  return open.empty() && roots == 1 ? "" : "unclosed <" + (open.empty() ? "" : open.back()) + ">";
}

// Empty when the text needs nothing but itself: no script, no reference
// outside the document.
std::string outside_reference(const std::string& text) {
  static const std::regex script("<script|javascript:|@import|\\son[a-z]+\\s*=", std::regex::icase);
  static const std::regex link(R"((href|src)\s*=\s*["']([^"']*)["']|url\(\s*([^)]*)\))");
  if (std::regex_search(text, script)) return "a script or an import";
  for (std::sregex_iterator m(text.begin(), text.end(), link), end; m != end; ++m) {
    const std::string target = (*m)[2].matched ? (*m)[2].str() : (*m)[3].str();
    if (target.empty() || target[0] != '#') return "a reference to " + target;
  }
  return "";
}

struct CaseRun {
  int status = -1;
  std::string err;
  std::set<std::string> svgs;  // the figure files written
  std::string page;
};

// Runs a regression case in `dir` with its answers and both options.
CaseRun run_case(const TempDir& dir, const std::string& name) {
  const test::CaseOutcome run =
      test::run_case(dir, name, {"--plots", "plots", "--html", "page.html"});
  CaseRun r;
  r.status = run.status;
  r.err = run.err;
  if (fs::is_directory(dir.path / "plots"))
    for (const auto& e : fs::directory_iterator(dir.path / "plots"))
      r.svgs.insert(e.path().filename().string());
  r.page = read_file(dir.path / "page.html");
  for (const std::string& f : r.svgs) {
    const std::string svg = read_file(dir.path / "plots" / f);
    EXPECT_EQ(xml_problem(svg), "") << name << ": " << f;
    EXPECT_EQ(outside_reference(svg), "") << name << ": " << f;
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\""),
              std::string::npos)
        << name << ": " << f;
  }
  EXPECT_EQ(xml_problem(r.page), "") << name << ": page";
  EXPECT_EQ(outside_reference(r.page), "") << name << ": page";
  return r;
}

const std::set<std::string> ALL = {"resistance.svg", "power.svg",   "open_water.svg",
                                   "burrill.svg",    "service.svg", "search.svg"};

TEST(ResultPages, AreSelfContainedXmlWithTheFiguresTheRunHasDataFor) {
  struct Expect {
    std::string name;
    std::set<std::string> figures;
  };
  const std::vector<Expect> cases = {
      {"container_ship", ALL},  // diameter given: a search
      {"naval_twin_screw",
       {"resistance.svg", "power.svg", "open_water.svg", "burrill.svg",
        "service.svg"}},  // propeller given: no search
      {"coaster_resistance_only", {"resistance.svg"}},
      {"stop_efficiency_mismatch", {"resistance.svg", "burrill.svg", "search.svg"}},
      {"stop_refused_cm", {}},  // stopped on the data file: no figure, the page still
  };
  for (const Expect& c : cases) {
    TempDir dir;
    // A figure an earlier run left behind must go when this run has no data for it.
    fs::create_directories(dir.path / "plots");
    test::write_file(dir.path / "plots" / "power.svg", "an earlier figure");
    const CaseRun r = run_case(dir, c.name);
    EXPECT_EQ(r.svgs, c.figures) << c.name;
    for (const std::string& f : ALL) {
      const bool drawn = c.figures.count(f) > 0;
      EXPECT_NE(r.err.find((drawn ? "wrote " : "left out ") +
                           (fs::path(dir.path) / "plots" / f).lexically_normal().string()),
                std::string::npos)
          << c.name << ": " << f << "\n"
          << r.err;
    }
    // Every figure drawn stands inline in the page.
    std::size_t inline_svgs = 0;
    for (std::size_t p = r.page.find("<svg "); p != std::string::npos;
         p = r.page.find("<svg ", p + 1))
      ++inline_svgs;
    EXPECT_EQ(inline_svgs, c.figures.size()) << c.name;
    EXPECT_NE(r.page.find("<h2>Input data</h2>"), std::string::npos) << c.name;
  }
}

TEST(ResultPages, WriteTheGivenTablesAndAnyDataFileTextAsWellFormedXml) {
  RunDocument doc;
  doc.data_name = "ship <A&B> \xFF\x01.TSK";  // no valid UTF-8, a control character
  doc.echo = "line one\n\xC3\xA7 ok\n\xED\xA0\x80 surrogate\n";
  doc.input_stop = STOP_OF("E101");
  ResultTable t{"resistance", "Resistance per speed", {"Vs_kn", "RT_kN"}, {{"21", "1.5e3"}}};
  const ResultView view(doc);
  const std::string page = RESULTS_HTML(view, RUN_FIGURES(view), {t});
  EXPECT_EQ(xml_problem(page), "");
  EXPECT_NE(page.find("<caption>Resistance per speed</caption>"), std::string::npos);
  EXPECT_NE(page.find("<th>RT_kN</th>"), std::string::npos);
  EXPECT_NE(page.find("<td class=\"num\">1.5e3</td>"), std::string::npos);
  EXPECT_NE(page.find("ship &lt;A&amp;B&gt;"), std::string::npos);
}

TEST(ResultPages, ChartTicksAreRoundAndCoverTheData) {
  struct Range {
    double lo, hi, step;
  };
  for (const Range& r :
       {Range{0, 2236.8, 500}, Range{0.18, 1.5, 0.5}, Range{21, 27, 1}, Range{-0.37, 0.004, 0.1}}) {
    const std::vector<double> t = ROUND_TICKS(r.lo, r.hi, 6);
    ASSERT_GE(t.size(), 2u);
    EXPECT_NEAR(t[1] - t[0], r.step, 1e-12) << r.lo << ".." << r.hi;
    EXPECT_LE(t.front(), r.lo);
    EXPECT_GE(t.back(), r.hi);
    EXPECT_GT(t.front(), r.lo - r.step);
    EXPECT_LT(t.back(), r.hi + r.step);
  }
  const std::vector<double> one = ROUND_TICKS(5, 5, 6);  // a single value is widened
  EXPECT_TRUE(one.front() < 5 && one.back() > 5);
  EXPECT_EQ(TICK_TEXT(-0.0, 0.05), "0.00");
  EXPECT_EQ(TICK_TEXT(2500, 500), "2500");
}

}  // namespace
}  // namespace vdk
