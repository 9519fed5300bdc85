// The named-key ship file in whole runs: every regression folder's ship
// converted to the other format and back gives the same record and the same
// results file; init's template is the shipped example; bad named-key input
// stops with exit 1 and touches no file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "input/ship_files.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

// Every value the record holds as given but its name, as text (each real as
// the shortest text of its float): equal texts, equal records.
std::string RECORD(ShipRecord s) {
  s.name.clear();
  return DATA_FILE_TEXT(s);
}

struct CaseRun {
  int status = -1;
  std::string out, err;
};

// The case run as approved, but from `data` in `dir` (its other options kept).
CaseRun RUN_WITH_DATA(const std::string& name, const TempDir& dir, const std::string& data) {
  std::vector<std::string> args{"-C", dir.path.string(), "--data", data};
  const std::vector<std::string> own = test::case_options(name);
  for (std::size_t k = 0; k < own.size(); ++k) {
    if (own[k] == "--data") {
      ++k;
      continue;
    }
    args.push_back(own[k]);
  }
  std::istringstream in(read_file(test::regression_root() / name / "answers.txt"));
  std::ostringstream out, err;
  CaseRun r;
  r.status = RUN_PROGRAM(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

class RoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, OtherFormatAndBackGiveTheRecordAndTheResultsFile) {
  const std::string name = GetParam();
  const fs::path case_dir = test::regression_root() / name;
  const fs::path approved = case_dir / "approved";
  const std::string data = test::case_data_file(name);
  const bool named = SHIP_FORMAT_OF(data) == ShipFormat::NamedKeys;
  const std::string other = named ? "converted.tsk" : "converted.toml";
  TempDir dir;
  fs::copy_file(case_dir / data, dir.path / data);

  const Conversion there = CONVERT_SHIP(dir.path / data, dir.path / other);
  if (there.read.stop) {
    // Not converted: the same message as the run, which stopped with status 1
    // (its Turkish console lines, when the run was in Turkish).
    EXPECT_EQ(read_file(approved / "status.txt"), "1\n");
    const std::vector<std::string> words = test::case_options(name);
    if (std::find(words.begin(), words.end(), "en") != words.end()) return;
    std::string lines;
    for (std::string l : there.read.message_lines) {
      // The run names the file as given on its command line.
      const std::string full = (dir.path / data).string();
      if (const std::size_t at = l.find(full); at != std::string::npos)
        l.replace(at, full.size(), data);
      lines += l + "\n";
    }
    EXPECT_NE(read_file(approved / "console.txt").find(lines), std::string::npos) << lines;
    return;
  }
  test::write_file(dir.path / other, there.text);
  const ReadResult source = READ_SHIP(dir.path / data);
  const ReadResult converted = READ_SHIP(dir.path / other);
  ASSERT_FALSE(converted.stop) << converted.english;
  EXPECT_EQ(RECORD(converted.ship), RECORD(source.ship));
  // A data file names no ship: the named-key file takes the first telling
  // line of its top comments.
  EXPECT_EQ(converted.ship.name.empty(), named);

  const fs::path back = dir.path / ("back" + fs::path(data).extension().string());
  const Conversion home = CONVERT_SHIP(dir.path / other, back);
  ASSERT_FALSE(home.read.stop) << home.read.english;
  test::write_file(back, home.text);
  const ReadResult again = READ_SHIP(back);
  ASSERT_FALSE(again.stop) << again.english;
  EXPECT_EQ(RECORD(again.ship), RECORD(source.ship));

  // The run from the converted file writes the approved results, console and status.
  const CaseRun run = RUN_WITH_DATA(name, dir, other);
  EXPECT_EQ(std::to_string(run.status) + "\n", read_file(approved / "status.txt"));
  EXPECT_EQ(run.out, read_file(approved / "console.txt"));
  for (const char* f : {"VARDELONTEKSA.SON", "BORELI_VANSK_DEGERI.SON"})
    EXPECT_EQ(read_file(dir.path / f), read_file(approved / f)) << f;
}

INSTANTIATE_TEST_SUITE_P(Cases, RoundTrip, ::testing::ValuesIn(test::regression_cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(ShipTemplate, IsTheShippedExampleShipAndRunsAsWritten) {
  const fs::path examples = test::source_dir() / "examples";
  EXPECT_EQ(read_file(examples / "ship.toml"), SHIP_TEMPLATE())
      << "examples/ship.toml is the template of vardelonteksa init: write it again";
  ShipRecord example = READ_SHIP(examples / "VARDELONTEKSA.TSK").ship;
  example.name = EXAMPLE_SHIP().name;
  EXPECT_EQ(RECORD(EXAMPLE_SHIP()), RECORD(example));

  // init writes it, keeps an existing file, and the file it wrote runs.
  TempDir dir;
  const fs::path file = dir.path / "myship.toml";
  std::istringstream none;
  std::ostringstream out, err;
  EXPECT_EQ(RUN_PROGRAM({"init", file.string()}, none, out, err), 0) << err.str();
  EXPECT_EQ(read_file(file), SHIP_TEMPLATE());
  test::write_file(file, "name = \"mine\"\n");
  EXPECT_EQ(RUN_PROGRAM({"init", file.string()}, none, out, err), 1);
  EXPECT_EQ(read_file(file), "name = \"mine\"\n");
  EXPECT_EQ(RUN_PROGRAM({"init", file.string(), "--force"}, none, out, err), 0);
  const std::string plain = read_file(examples / "VARDELONTEKSA.TSK");
  test::write_file(dir.path / "VARDELONTEKSA.TSK", plain);
  const std::vector<std::string> batch{"--etad", "auto", "--blades", "4", "--batch"};
  std::vector<std::string> args{"-C", dir.path.string(), "--data", "myship.toml"};
  args.insert(args.end(), batch.begin(), batch.end());
  std::ostringstream named_out, named_err;
  EXPECT_EQ(RUN_PROGRAM(args, none, named_out, named_err), 0) << named_err.str();
  const std::string named_son = read_file(dir.path / "VARDELONTEKSA.SON");
  args = {"-C", dir.path.string()};
  args.insert(args.end(), batch.begin(), batch.end());
  std::ostringstream data_out, data_err;
  EXPECT_EQ(RUN_PROGRAM(args, none, data_out, data_err), 0);
  EXPECT_EQ(named_son, read_file(dir.path / "VARDELONTEKSA.SON"));
  EXPECT_EQ(named_out.str(), data_out.str());
}

// Bad named-key input: status 1, the Turkish line on the console, the English
// line on standard error, and no file of the folder touched.
TEST(NamedShipRun, BadInputStopsBeforeAnyFileIsTouched) {
  const std::string good = SHIP_TEMPLATE();
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    t.replace(t.find(from), from.size(), to);
    return t;
  };
  struct Case {
    std::string text, console, error;
  };
  const Case cases[] = {
      {replaced("draught_forward = 10.0", "draught_forward = 10,5"), "NOKTA KULLANIN",
       "use a decimal point"},
      {replaced("breadth = 32.0", "breath = 32.0"), "BILINMEYEN ANAHTAR hull.breath",
       "did you mean hull.breadth?"},
      {replaced("breadth = 32.0", ""), "EKSIK ANAHTAR: hull.breadth", "missing key: hull.breadth"},
      {replaced("breadth = 32.0", "breadth = \"32 m\""), "hull.breadth ICIN SAYI",
       "hull.breadth must be a number, found the text \"32 m\""},
      {replaced("breadth = 32.0", "breadth = -32.0"), "IZIN VERILEN ARALIK DISINDA",
       "hull.breadth = -32.0 is outside its allowed range: above 0 and at most 100 m"},
      {replaced("midship_coefficient = 0.98", "midship_coefficient = 1.08"), "0 < x <= 1",
       "above 0 and at most 1"},
      {replaced("engine_load = 0.85", ""), "engine.engine_load (MCR)",
       "engine.engine_load is not given: the engine load MCR = 0.0000 must be above zero"},
      {replaced("trial_speed = 25.0", "trial_speed = 28.0"), "DATA GIRISI HATASI",
       "speeds.trial_speed: the trial speed Vtrial = 28.00 kn lies outside"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    test::write_file(dir.path / "ship.toml", c.text);
    test::write_file(dir.path / "VARDELONTEKSA.SON", "earlier report");
    std::istringstream none;
    std::ostringstream out, err;
    const int status = RUN_PROGRAM(
        {"-C", dir.path.string(), "--data", "ship.toml", "--batch", "--json", "run.json"}, none,
        out, err);
    EXPECT_EQ(status, 1) << c.error;
    EXPECT_NE(out.str().find(c.console), std::string::npos) << out.str();
    EXPECT_NE(err.str().find("vardelonteksa: error: ship.toml:"), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(c.error), std::string::npos) << err.str();
    EXPECT_EQ(read_file(dir.path / "VARDELONTEKSA.SON"), "earlier report");
    for (const char* f : {"VARDELONTEKSA.CRL", "VARDELONTEKSB.CRL", "run.json"})
      EXPECT_FALSE(fs::exists(dir.path / f)) << f << " written for " << c.error;
  }
}

TEST(NamedShipRun, ConvertRefusesAnExistingFileAndInputARunRefuses) {
  TempDir dir;
  test::write_file(dir.path / "ship.tsk", "not a data file\n");
  test::write_file(dir.path / "old.toml", "kept");
  std::istringstream none;
  std::ostringstream out, err;
  const std::string in = (dir.path / "ship.tsk").string();
  EXPECT_EQ(RUN_PROGRAM({"convert", in, (dir.path / "new.toml").string()}, none, out, err), 1);
  EXPECT_NE(out.str().find("VERI DOSYASI HATASI"), std::string::npos) << out.str();
  EXPECT_FALSE(fs::exists(dir.path / "new.toml"));
  EXPECT_EQ(
      RUN_PROGRAM({"convert", (test::source_dir() / "examples" / "VARDELONTEKSA.TSK").string(),
                   (dir.path / "old.toml").string()},
                  none, out, err),
      1);
  EXPECT_EQ(read_file(dir.path / "old.toml"), "kept");
}

TEST(NamedShipRun, SweepVariesByKeyNamePathOrSymbolAlike) {
  TempDir dir;
  test::write_file(dir.path / "ship.toml", SHIP_TEMPLATE());
  auto sweep = [&](const std::string& vary) {
    std::istringstream none;
    std::ostringstream out, err;
    const int status = RUN_PROGRAM({"sweep", "-C", dir.path.string(), "--data", "ship.toml",
                                    "--vary", vary, "--etad", "auto", "--blades", "4"},
                                   none, out, err);
    EXPECT_EQ(status, 0) << err.str();
    std::string csv = out.str();
    return csv.substr(csv.find('\n'));  // the rows, without the header naming the column
  };
  const std::string by_symbol = sweep("B=31,33");
  EXPECT_EQ(sweep("breadth=31,33"), by_symbol);
  EXPECT_EQ(sweep("hull.breadth=31:33:2"), by_symbol);
}

}  // namespace
}  // namespace vdk
