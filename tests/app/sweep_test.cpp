// Design sweeps: variants from a grid and from a CSV file, the block
// coefficient held, refused variants and usage errors, the same CSV on any
// number of threads, and a variant's row and report those of its single run.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::split_lines;
using test::TempDir;
using test::write_file;
using Args = std::vector<std::string>;

struct Outcome {
  int status = -1;
  std::string out, err;
};

// A folder holding the worked-example ship, run as a sweep with `args`.
struct SweepDir : TempDir {
  SweepDir() {
    write_file(path / "VARDELONTEKSA.TSK", test::ship_file_text(test::worked_example()));
  }
  Outcome sweep(Args args) const {
    args.insert(args.begin(), {"sweep", "-C", path.string()});
    std::istringstream in("0.6\n4\nH\n");
    std::ostringstream out, err;
    Outcome r;
    r.status = RUN_PROGRAM(args, in, out, err);
    EXPECT_EQ(in.tellg(), std::streampos(0)) << "a sweep never reads standard input";
    r.out = out.str();
    r.err = err.str();
    return r;
  }
};

const Args kAnswers = {"--etad", "auto", "--blades", "4"};

Args with_answers(Args a) {
  a.insert(a.end(), kAnswers.begin(), kAnswers.end());
  return a;
}

// The fields of a CSV line (no quoted commas in the lines compared here).
std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> f;
  std::stringstream s(line.substr(0, line.find('\r')));
  for (std::string x; std::getline(s, x, ',');) f.push_back(x);
  return f;
}

TEST(Sweep, GridAndVariantsFileGiveTheSameRowsInNestedOrder) {
  SweepDir d;
  const Outcome grid = d.sweep(with_answers({"--vary", "B=31:33:1", "--vary", "T=9.5,10"}));
  ASSERT_EQ(grid.status, 0) << grid.err;
  const std::vector<std::string> lines = split_lines(grid.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0].rfind("variant,B_m,T_m,status,message,RT_kN,PE_kW,w,t,etaR,series,Z,", 0), 0u);
  EXPECT_EQ(lines[0].back(), '\r') << "RFC 4180 lines end in CRLF";
  const char* order[][2] = {{"31", "9.5"}, {"31", "10"},  {"32", "9.5"},
                            {"32", "10"},  {"33", "9.5"}, {"33", "10"}};
  for (int k = 0; k < 6; ++k) {
    const std::vector<std::string> f = fields(lines[k + 1]);
    EXPECT_EQ(f[0], std::to_string(k + 1));
    EXPECT_EQ(f[1], order[k][0]);
    EXPECT_EQ(f[2], order[k][1]);
    EXPECT_EQ(f[3], "0") << lines[k + 1];
  }
  write_file(d.path / "v.csv", "B,T_m\r\n31,9.5\n31,10\n\n32,9.5\n32,10\n\"33\",9.5\n33,10\n");
  const Outcome file = d.sweep(with_answers({"--variants", "v.csv", "--out", "rows.csv"}));
  ASSERT_EQ(file.status, 0) << file.err;
  EXPECT_EQ(file.out, "");
  EXPECT_EQ(read_file(d.path / "rows.csv"), grid.out);
}

TEST(Sweep, HoldCbScalesTheVolumeWithBreadthAndMeanDraught) {
  SweepDir d;
  const Outcome r = d.sweep(
      with_answers({"--hold-cb", "--vary", "B=32,35.2", "--vary", "Tf=10,11", "--no-warnings"}));
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> lines = split_lines(r.out);
  EXPECT_EQ(lines[0].rfind("variant,B_m,Tf_m,V_m3,status", 0), 0u);
  const char* V[] = {"37500", "39375", "41250", "43312.5"};  // Tm 10 and 10.5, B x1.1
  for (int k = 0; k < 4; ++k) EXPECT_EQ(fields(lines[k + 1])[3], V[k]) << lines[k + 1];
}

// A sweep of which every variant failed has failed: status 1, and the last
// line on standard error says how many.
TEST(Sweep, EveryVariantFailedEndsWithStatusOne) {
  SweepDir d;
  const Outcome r = d.sweep(with_answers({"--vary", "B=-1,-2"}));
  EXPECT_EQ(r.status, 1);
  const std::vector<std::string> err = split_lines(r.err);
  ASSERT_FALSE(err.empty());
  EXPECT_NE(err.back().find("2 of 2 variants failed"), std::string::npos) << r.err;
}

TEST(Sweep, RefusedVariantGetsItsRowAndTheSweepGoesOn) {
  SweepDir d;
  const Outcome r = d.sweep(with_answers({"--vary", "B=32,-1,30", "--vary", "Vtrial=25,28"}));
  EXPECT_EQ(r.status, 0);
  const std::vector<std::string> lines = split_lines(r.out);
  ASSERT_EQ(lines.size(), 7u);
  const std::string status[] = {"0", "1", "1", "1", "0", "1"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(fields(lines[k + 1])[3], status[k]) << lines[k + 1];
  EXPECT_EQ(fields(lines[3])[4], "data value refused: B = -1.0000 SIFIRDAN BUYUK OLMALI");
  EXPECT_EQ(fields(lines[2])[4], "trial speed outside the speed range");
  EXPECT_NE(r.err.find("4 of 6 variants failed"), std::string::npos);
}

TEST(Sweep, UsageErrorsBeforeAnyCalculation) {
  SweepDir d;
  const Args bad[] = {{"--vary", "Beam=30,31"},
                      {"--vary", "B=34:30:1"},
                      {"--vary", "B=30:34:0"},
                      {"--vary", "B=30,x"},
                      {"--vary", "T=9,10", "--vary", "Ta=9"},
                      {"--vary", "NSPEED=3"},
                      {"--vary", "SERIES=1,1.5"},
                      {"--hold-cb", "--vary", "V=1,2"},
                      {"--vary", "B=30", "--variants", "v.csv"},
                      {},
                      {"--variants", "missing.csv"},
                      {"--vary", "B=30", "-j", "0"},
                      {"--vary", "B=30", "--json", "r.json"},
                      {"--vary", "B=30", "--csv", "tables"}};
  for (const Args& a : bad) {
    const Outcome r = d.sweep(with_answers(a));
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Run with --help"), std::string::npos) << r.err;
  }
  write_file(d.path / "w.csv", "B,T\n30,9\n31\n");
  EXPECT_NE(d.sweep({"--variants", "w.csv"}).err.find("line 3: 1 fields, the header has 2"),
            std::string::npos);
  // A count or a list: the scalars that can be varied are named.
  EXPECT_NE(d.sweep(with_answers({"--vary", "NSPEED=3"})).err.find("counts and lists cannot"),
            std::string::npos);
  // The propeller of the base ship needs its blade number: before any variant.
  const Outcome no_blades = d.sweep({"--vary", "B=30,31", "--etad", "auto"});
  EXPECT_EQ(no_blades.status, 1);
  EXPECT_EQ(no_blades.out, "");
  EXPECT_NE(no_blades.err.find("--blades"), std::string::npos) << no_blades.err;
  EXPECT_EQ(std::distance(fs::directory_iterator(d.path), fs::directory_iterator()), 2)
      << "nothing written";
}

// The variant's report, echo and row are those of a run on a data file that
// holds the variant's values, with the same options, in either language.
TEST(Sweep, VariantIsTheSingleRunOfItsDataFile) {
  for (const std::string lang : {"tr", "en"}) {
    SCOPED_TRACE(lang);
    SweepDir d;
    const Outcome r = d.sweep(with_answers(
        {"--vary", "B=30,33.5", "--vary", "T=9,10.75", "--keep", "kept", "--lang", lang}));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> lines = split_lines(r.out);
    const float B[] = {30, 30, 33.5f, 33.5f}, T[] = {9, 10.75f, 9, 10.75f};
    for (int k = 0; k < 4; ++k) {
      test::ShipFile f = test::worked_example();
      f.ship.B = B[k];
      f.ship.Tf = f.ship.Ta = T[k];
      TempDir single;
      write_file(single.path / "VARDELONTEKSA.TSK", test::ship_file_text(f));
      Args args =
          with_answers({"-C", single.path.string(), "--batch", "--no-warnings", "--lang", lang});
      std::istringstream in;
      std::ostringstream out, err;
      EXPECT_EQ(RUN_PROGRAM(args, in, out, err), 0);
      const fs::path kept = d.path / "kept" / ("variant-000" + std::to_string(k + 1));
      EXPECT_EQ(read_file(kept / "VARDELONTEKSA.SON"),
                read_file(single.path / "VARDELONTEKSA.SON"));
      EXPECT_EQ(read_file(kept / "VARDELONTEKSA.CRL"),
                read_file(single.path / "VARDELONTEKSA.CRL"));
      // The row's brake power is the one the report prints (F8.2).
      const float PB = std::stof(fields(lines[k + 1])[19]);
      char printed[32];
      std::snprintf(printed, sizeof printed, "= %8.2f kW", PB);
      EXPECT_NE(read_file(single.path / "VARDELONTEKSA.SON").find(printed), std::string::npos)
          << printed;
    }
    EXPECT_EQ(read_file(d.path / "kept" / "variant-0001" / "VARDELONTEKSA.SON")
                      .find("Total resistance - RT") != std::string::npos,
              lang == "en");
  }
}

// Also run under ThreadSanitizer in CI.
TEST(ParallelSweep, FiftyVariantsGiveTheSameCsvOnOneAndOnTwoThreads) {
  SweepDir d;
  const Args grid = with_answers({"--vary", "B=30:34:1", "--vary", "T=9:11.25:0.25"});
  Args one = grid, two = grid;
  one.insert(one.end(), {"-j", "1"});
  two.insert(two.end(), {"-j", "2"});
  const Outcome a = d.sweep(one), b = d.sweep(two);
  ASSERT_EQ(a.status, 0) << a.err;
  EXPECT_EQ(split_lines(a.out).size(), 51u);
  EXPECT_EQ(a.out, b.out);
}

}  // namespace
}  // namespace vdk
