// Whole runs of the ship data files under tests/regression, each compared byte
// for byte with the approved copies of everything it wrote: results file, echo
// listing, model-resistance file, console output and exit status.
// tools/approve-regression regenerates the approved copies after a reviewed change.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

using test::regression_root;

// Files of the approved folder that are not files the run writes.
bool is_run_record(const std::string& name) {
  return name == "console.txt" || name == "status.txt";
}

std::set<std::string> file_names(const fs::path& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir))
    names.insert(entry.path().filename().string());
  return names;
}

std::string join(const std::set<std::string>& names) {
  std::string s;
  for (const auto& n : names) s += (s.empty() ? "" : ", ") + n;
  return s.empty() ? "(none)" : s;
}

// Line k (1-based) of `text`, or a marker past its end; the line keeps any '\r'.
std::string line_at(const std::string& text, std::size_t k) {
  std::size_t start = 0;
  for (std::size_t i = 1; i < k; ++i) {
    const std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) return "(end of file)";
    start = nl + 1;
  }
  if (start >= text.size()) return "(end of file)";
  const std::size_t nl = text.find('\n', start);
  return text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
}

// Byte-for-byte comparison; on a difference, the first differing line.
void expect_same(const std::string& what, const std::string& approved, const std::string& actual) {
  if (approved == actual) return;
  const std::size_t n = std::min(approved.size(), actual.size());
  std::size_t at = 0;
  while (at < n && approved[at] == actual[at]) ++at;
  const std::size_t line =
      1 + static_cast<std::size_t>(
              std::count(approved.begin(), approved.begin() + static_cast<long>(at), '\n'));
  ADD_FAILURE() << what << " differs from the approved copy at line " << line << "\n"
                << "  approved: [" << line_at(approved, line) << "]\n"
                << "  actual:   [" << line_at(actual, line) << "]\n"
                << "  (approved " << approved.size() << " bytes, actual " << actual.size()
                << " bytes; if the change is intended, run tools/approve-regression and read "
                   "the diff)";
}

class Regression : public ::testing::TestWithParam<std::string> {};

TEST_P(Regression, WritesTheApprovedFilesAndConsole) {
  const fs::path case_dir = regression_root() / GetParam();
  const fs::path approved = case_dir / "approved";
  ASSERT_TRUE(fs::is_directory(approved))
      << "no approved copies for " << GetParam() << ": run tools/approve-regression";

  TempDir dir;
  const std::vector<std::string> inputs = test::case_inputs(GetParam());
  int status = 0;
  std::string console_text;
  if (test::case_options(GetParam()).empty()) {
    // A plain run: no options at all, as a user starts it in the ship's folder.
    for (const std::string& f : inputs) fs::copy_file(case_dir / f, dir.path / f);
    std::istringstream answers(read_file(case_dir / "answers.txt"));
    std::ostringstream console;
    status = RUN_VARDELONTEKSA(dir.path, answers, console);
    console_text = console.str();
  } else {
    const test::CaseOutcome run = test::run_case(dir, GetParam(), {});
    status = run.status;
    console_text = run.out;
  }

  expect_same("exit status (status.txt)", read_file(approved / "status.txt"),
              std::to_string(status) + "\n");
  expect_same("console output (console.txt)", read_file(approved / "console.txt"), console_text);

  std::set<std::string> expected, written;
  for (const auto& name : file_names(approved))
    if (!is_run_record(name)) expected.insert(name);
  for (const auto& name : file_names(dir.path))
    if (std::find(inputs.begin(), inputs.end(), name) == inputs.end()) written.insert(name);
  EXPECT_EQ(written, expected) << "files written: " << join(written) << "\n"
                               << "files approved: " << join(expected);

  for (const auto& name : expected) {
    if (written.count(name))
      expect_same(name, read_file(approved / name), read_file(dir.path / name));
  }
  for (const std::string& f : inputs)
    EXPECT_EQ(read_file(dir.path / f), read_file(case_dir / f))
        << "the run changed its input " << f;
}

INSTANTIATE_TEST_SUITE_P(Cases, Regression, ::testing::ValuesIn(test::regression_cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(RegressionSuite, HasItsCasesEachWithAnswersAndApprovedCopies) {
  const std::vector<std::string> names = test::regression_cases();
  EXPECT_GE(names.size(), 10u) << "cases found under " << regression_root();
  for (const auto& name : names) {
    const fs::path d = regression_root() / name;
    EXPECT_TRUE(fs::exists(d / "answers.txt")) << name;
    EXPECT_TRUE(fs::exists(d / "approved" / "console.txt")) << name;
    EXPECT_TRUE(fs::exists(d / "approved" / "status.txt")) << name;
  }
}

}  // namespace
}  // namespace vdk
