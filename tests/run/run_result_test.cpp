// The library entry point against the approved reports of every regression
// folder, and calculations in parallel threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "format/format.hpp"
#include "input/read_ship_data.hpp"
#include "report/report_writer.hpp"
#include "run/calculate.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;

using test::regression_root;

struct Case {
  std::string name;
  ShipRecord ship;
  Answers answers;
  std::string son;      // approved results file
  std::string console;  // approved console output
  int status = 0;
};

// The answers of answers.txt as the console reads them: etad, Z, the E/H
// letter and the area ratio after an E.
Answers answers_of(const std::string& text) {
  std::istringstream in(text);
  Answers a;
  a.etad = READ_CONSOLE_REAL(in);
  if (!a.etad) return a;
  a.Z = READ_CONSOLE_REAL(in);
  std::string line;
  if (a.Z && std::getline(in, line)) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string::npos && (line[first] == 'E' || line[first] == 'e'))
      a.EAR = READ_CONSOLE_REAL(in);
  }
  return a;
}

// The regression folders whose data file reads and validates.
std::vector<Case> calculable_cases() {
  std::vector<Case> cases;
  for (const auto& e : fs::directory_iterator(regression_root())) {
    const fs::path dir = e.path();
    // A plain run of a data file: cases with options are runs of another kind.
    if (!fs::exists(dir / "VARDELONTEKSA.TSK") || fs::exists(dir / "options.txt")) continue;
    std::ifstream data(dir / "VARDELONTEKSA.TSK", std::ios::binary);
    ReadResult read = READ_SHIP_DATA(data);
    if (read.stop || VALIDATE_SHIP_DATA(read.ship).stop) continue;
    Case c;
    c.name = dir.filename().string();
    c.ship = read.ship;
    c.answers = answers_of(read_file(dir / "answers.txt"));
    c.son = read_file(dir / "approved" / "VARDELONTEKSA.SON");
    c.console = read_file(dir / "approved" / "console.txt");
    c.status = std::stoi(read_file(dir / "approved" / "status.txt"));
    cases.push_back(std::move(c));
  }
  std::sort(cases.begin(), cases.end(),
            [](const Case& a, const Case& b) { return a.name < b.name; });
  return cases;
}

// Every number the report prints after `label`, in order.
std::vector<std::string> printed(const std::string& text, const std::string& label) {
  std::vector<std::string> out;
  const std::regex re(std::regex_replace(label, std::regex(R"([()\[\]*+?.^$|\\])"), R"(\$&)") +
                      R"(\s*=?\s*(-?[0-9]*\.[0-9]+|\*+))");
  for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it)
    out.push_back((*it)[1]);
  return out;
}

std::string F(float v, int w, int d) {
  std::string s = EDIT_REAL(v, w, d);
  return s.substr(s.find_first_not_of(' '));
}

TEST(LibraryEntryPoint, GivesTheNumbersOfEveryApprovedReport) {
  const std::vector<Case> cases = calculable_cases();
  ASSERT_GE(cases.size(), 10u);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult r = CALCULATE(c.ship, c.answers);
    EXPECT_EQ(r.status(), c.status);
    // The results file written from the record is the approved one.
    std::ostringstream con, son;
    WRITE_REPORT(con, son, r);
    EXPECT_TRUE(son.str() == c.son) << "results file differs";

    // Per speed: Froude number, total resistance and effective power.
    std::vector<std::string> Fn, RT, PE;
    for (const SpeedBlock& b : r.resistance.blocks) {
      Fn.push_back(F(b.hull_form.Fn, 6, 3));
      if (b.end != BlockEnd::Complete) continue;
      RT.push_back(F(b.totals.RT, 8, 2));
      PE.push_back(F(b.totals.PE, 10, 3));
    }
    EXPECT_EQ(Fn, printed(c.son, "FROUDE SAYISI ---------------------> Fn"));
    EXPECT_EQ(RT, printed(c.son, "TOPLAM DIRENC - RTOTAL(kN)"));
    EXPECT_EQ(PE, printed(c.son, "EFEKTIF GUC - PE(kW)"));

    // The propeller and the power chain, where the run got that far.
    std::vector<std::string> etad, Pbm;
    if (r.trial && r.reached >= RunStep::TrialPropeller)
      etad.push_back(F(r.trial->etad_computed, 5, 3));
    if (r.power_chain) Pbm.push_back(F(r.power_chain->Pbm, 8, 2));
    EXPECT_EQ(etad, printed(c.console, "HESAPLANAN VERIM ="));
    const std::vector<std::string> pb = printed(c.son, "Pbm = Pb(trial)/(%MCR) = ");
    if (r.power_chain) {
      ASSERT_EQ(pb.size(), 1u);
      EXPECT_EQ(F(r.power_chain->Pb, 8, 2), pb[0]);
    } else {
      EXPECT_TRUE(pb.empty());
    }
  }
}

// The same ship calculated in several threads at once gives the report of
// the single-threaded calculation in every thread.
TEST(Parallel, CalculationsInThreadsAgree) {
  const std::vector<Case> cases = calculable_cases();
  std::vector<std::string> expected;
  for (const Case& c : cases) {
    std::ostringstream con, son;
    WRITE_REPORT(con, son, CALCULATE(c.ship, c.answers));
    expected.push_back(son.str());
  }
  constexpr int kThreads = 4;
  std::vector<std::vector<std::string>> got(kThreads);
  {
    std::vector<std::jthread> workers;
    for (int t = 0; t < kThreads; ++t) {
      workers.emplace_back([&, t] {
        for (std::size_t k = 0; k < cases.size(); ++k) {
          const Case& c = cases[(k + static_cast<std::size_t>(t)) % cases.size()];
          std::ostringstream con, son;
          WRITE_REPORT(con, son, CALCULATE(c.ship, c.answers));
          got[static_cast<std::size_t>(t)].push_back(son.str());
        }
      });
    }
  }
  for (int t = 0; t < kThreads; ++t) {
    for (std::size_t k = 0; k < cases.size(); ++k) {
      const std::size_t which = (k + static_cast<std::size_t>(t)) % cases.size();
      EXPECT_EQ(got[static_cast<std::size_t>(t)][k], expected[which]) << cases[which].name;
    }
  }
}

}  // namespace
}  // namespace vdk
