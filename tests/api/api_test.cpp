// The public API as a program using the installed header sees it: reading a
// ship in either format, values by key and by symbol with their derived
// values following, the calculation with its options, its errors, the result
// and its files, and a sweep that gives the sweep command's rows.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <thread>
#include <vardelonteksa/vardelonteksa.hpp>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace {

namespace v = vardelonteksa;
namespace fs = std::filesystem;

fs::path example(const char* name) {
  return vdk::test::source_dir() / "examples" / name;
}

v::Options O(std::optional<double> blades, std::optional<double> etad = {},
             std::optional<double> ear = {}) {
  v::Options o;
  o.blades = blades;
  o.etad = etad;
  o.ear = ear;
  return o;
}

TEST(Api, ReadsEitherFormatAndSetsByKeyOrSymbolWithDerivedValuesFollowing) {
  v::Ship data = v::read_ship(example("VARDELONTEKSA.TSK"));
  const v::Ship named = v::read_ship(example("ship.toml"));
  for (const std::string& key : v::Ship::keys()) EXPECT_EQ(data.get(key), named.get(key)) << key;
  EXPECT_EQ(data.get("B"), data.get("breadth"));
  EXPECT_EQ(data.get("hull.breadth"), data.get("B"));
  EXPECT_FALSE(named.name().empty());

  // The shaft immersion follows the aft draught; a copy keeps its own values.
  const v::Ship before = data;
  data.set("Ta", 11.0);
  data.set("breadth", 33.0);
  EXPECT_EQ(data.get("B"), 33.0);
  EXPECT_EQ(before.get("B"), named.get("B"));
  EXPECT_NE(v::calculate(data, O(4)).trial()->PB, v::calculate(before, O(4)).trial()->PB);

  try {
    data.set("breadht", 30);
    ADD_FAILURE() << "an unknown key was taken";
  } catch (const v::InputError& e) {
    EXPECT_NE(std::string(e.what()).find("breadth"), std::string::npos) << e.what();
  }
  EXPECT_THROW(data.set("B", -1), v::InputError);
  EXPECT_EQ(data.get("B"), 33.0);  // a refused value leaves the ship as it was
  EXPECT_THROW(v::read_ship(example("no such ship.TSK")), v::FileError);
}

TEST(Api, CalculatesWithTheOptionsAndRefusesWhatTheRunCannotUse) {
  const v::Ship ship = v::read_ship(example("VARDELONTEKSA.TSK"));
  const v::Result r = v::calculate(ship, O(4));
  ASSERT_EQ(r.status(), 0);
  ASSERT_NE(r.trial(), nullptr);
  const v::TrialPoint& t = *r.trial();
  // Pb is the effective power over the efficiencies of the propeller it names.
  EXPECT_NEAR(t.PB, t.PE / (t.etaH * t.eta0 * t.etaR * t.etaS), 1e-3 * t.PB);
  EXPECT_EQ(r.trial_value("PB"), t.PB);
  EXPECT_EQ(r.speed_column("RT").size(), r.speeds().size());
  EXPECT_NE(r.to_json().find("\"trial\": {"), std::string::npos);
  EXPECT_EQ(r.stop(), nullptr);

  // The same ship and answers as the program's run of the example.
  const v::Result typed = v::calculate(ship, O(4, 0.604));
  EXPECT_EQ(typed.status(), 0);
  const v::Result mismatch = v::calculate(ship, O(4, 0.45));
  ASSERT_NE(mismatch.stop(), nullptr);
  EXPECT_EQ(mismatch.stop()->code, "E301");
  EXPECT_EQ(mismatch.status(), 3);

  for (const v::Options& bad : {O({}), O(9), O(4, 1.5), O(4, {}, 0.0), O(4, {}, HUGE_VAL)}) {
    EXPECT_THROW(v::calculate(ship, bad), v::InputError);
  }
  EXPECT_THROW(r.speed_column("no such column"), v::InputError);
}

// The library's sweep gives the rows of the sweep command, on any number of
// threads, also from two threads at once.
TEST(Api, SweepGivesTheRowsOfTheSweepCommand) {
  const v::Ship ship = v::read_ship(example("VARDELONTEKSA.TSK"));
  const std::vector<v::Variable> grid{{"breadth", {31, 32, 33}}, {"T", {9.5, 10}}};
  v::SweepResult a, b;
  std::thread other([&] { b = v::sweep(ship, grid, O(4), 2); });
  a = v::sweep(ship, grid, O(4), 1);
  other.join();
  EXPECT_EQ(a.csv(), b.csv());
  ASSERT_EQ(a.rows.size(), 6u);

  vdk::test::TempDir dir;
  fs::copy_file(example("VARDELONTEKSA.TSK"), dir.path / "VARDELONTEKSA.TSK");
  std::istringstream in;
  std::ostringstream out, err;
  ASSERT_EQ(vdk::RUN_PROGRAM({"sweep", "-C", dir.path.string(), "--vary", "breadth=31,32,33",
                              "--vary", "T=9.5,10", "--etad", "auto", "--blades", "4"},
                             in, out, err),
            0)
      << err.str();
  EXPECT_EQ(a.csv(), out.str());
  EXPECT_THROW(v::sweep(ship, {{"NSPEED", {5}}}, O(4)), v::InputError);
}

}  // namespace
