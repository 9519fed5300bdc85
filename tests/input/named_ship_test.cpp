// The key table and the named-key reader: every value of the data file has
// one key, leaf names are unique, get and set by key or symbol, omitted keys
// give the data file's "not given" values, and each kind of bad input stops
// at its line and column with the key named.
#include "input/named_ship.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

#include "input/ship_file_layout.hpp"
#include "input/ship_files.hpp"
#include "input/ship_keys.hpp"

namespace vdk {
namespace {

TEST(ShipKeys, EveryValueOfTheDataFileHasOneKeyWithAUniqueName) {
  std::set<std::string_view> names, paths, symbols;
  for (const ShipKey& k : SHIP_KEYS()) {
    EXPECT_TRUE(names.insert(k.name).second) << k.name;
    EXPECT_TRUE(paths.insert(k.path).second) << k.path;
    symbols.insert(k.symbol);
    // Outside the appendage tables the unique name is the key's own leaf.
    if (k.slot != KeySlot::AppendageArea && k.slot != KeySlot::AppendageFormFactor) {
      EXPECT_EQ(KEY_LEAF(k), k.name);
    }
    EXPECT_EQ(FIND_SHIP_KEY(k.path), &k);
    EXPECT_EQ(FIND_SHIP_KEY(k.name), &k);
  }
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS())
    for (const ShipField& f : g.fields) {
      std::string symbol(f.symbol);
      if (g.shape == GroupShape::Appendage) symbol += "(" + std::to_string(g.appendage) + ")";
      EXPECT_NE(FIND_SHIP_KEY(symbol), nullptr) << "group " << g.number << ": " << symbol;
    }
  EXPECT_EQ(NEAREST_SHIP_KEY("hull.breath"), "hull.breadth");
  EXPECT_EQ(NEAREST_SHIP_KEY("breadth"), "hull.breadth");
  EXPECT_EQ(NEAREST_SHIP_KEY("propeller.breadth"), "hull.breadth");
}

TEST(ShipKeys, GetAndSetByKeyOrSymbolDeriveTheRecord) {
  ShipRecord s = EXAMPLE_SHIP();
  std::string error;
  EXPECT_EQ(GET_SHIP_VALUE(s, "hull.breadth"), 32.0f);
  EXPECT_EQ(GET_SHIP_VALUE(s, "rudder_behind_stern_form_factor"), 1.5f);
  ASSERT_TRUE(SET_SHIP_VALUE(s, "shaft_centre_height", 3.0f, error)) << error;
  EXPECT_EQ(s.Hsd, 7.0f);  // Ta - 3 m
  ASSERT_TRUE(SET_SHIP_VALUE(s, "Sapp(5)", 12.0f, error));
  EXPECT_EQ(s.Sapp(5), 12.0f);
  ASSERT_TRUE(SET_SHIP_VALUE(s, "propeller_diameter", 0.0f, error) == false);
  EXPECT_NE(error.find("above 0.1 and at most 20 m"), std::string::npos) << error;
  EXPECT_FALSE(SET_SHIP_VALUE(s, "propeller_count", 1.5f, error));
  EXPECT_FALSE(SET_SHIP_VALUE(s, "calculation_speeds", 3.0f, error));
  EXPECT_FALSE(SET_SHIP_VALUE(s, "breath", 3.0f, error));
  EXPECT_NE(error.find("hull.breadth"), std::string::npos);
}

ReadResult READ(const std::string& text) {
  return READ_NAMED_SHIP(text, "ship.toml");
}

// The example ship's file with one line replaced.
std::string WITH(const std::string& from, const std::string& to) {
  std::string t = SHIP_TEMPLATE();
  const std::size_t at = t.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) t.replace(at, from.size(), to);
  return t;
}

TEST(NamedShip, OmittedKeysGiveTheDataFilesNotGivenValues) {
  const ReadResult r = READ(
      "name = \"Kuru yük gemisi\"  # Türkçe harfler tırnak içinde ve notta\n"
      "[water]\ndensity = 1_025.0\n[hull]\nwaterline_length = 100\n"
      "length_between_perpendiculars = 98.5\nbreadth = 16.2\ndraught_forward = 6.1\n"
      "draught_aft = 6.3\ndisplacement_volume = 6000.0\nlcb_from_midships = -1.1\n"
      "midship_coefficient = 0.97\nwaterplane_coefficient = 0.8\nstern_shape = 0.0\n"
      "correlation_allowance_x1000 = 0.35\n[speeds]\ncalculation_speeds = [10, 11.5, 13]\n"
      "trial_speed = 11.5\n[appendages.skeg]\narea = 12.0\n");
  ASSERT_FALSE(r.stop) << r.english;
  const ShipRecord& s = r.ship;
  EXPECT_EQ(s.name, "Kuru yük gemisi");
  EXPECT_EQ(s.RHO, 1025.0f);
  EXPECT_EQ(s.GRAV, 9.81f);
  EXPECT_EQ(s.Roughness, std::strtof("0.35", nullptr));
  EXPECT_EQ(s.Lbp, std::strtof("98.5", nullptr));
  EXPECT_EQ(s.S, 0.0f);
  EXPECT_EQ(s.IE, 0.0f);
  EXPECT_EQ(s.NSPEED, 3);
  EXPECT_EQ(s.Vs(2), 11.5f);
  EXPECT_EQ(s.Sapp(5), 12.0f);
  EXPECT_EQ(s.OnePlusK2(5), 1.75f);  // the kind's default
  EXPECT_EQ(s.NoDN, 1);              // no diameter, no rpm: resistance only
  EXPECT_EQ(s.Hsd, 6.3f - 0.32f * 6.3f);
  EXPECT_EQ(s.NPROP, 1);
  EXPECT_EQ(s.SERIES, 1);
  EXPECT_EQ(s.FFDF, 1.0f);
  EXPECT_EQ(s.CFetaR, 1.0f);
  EXPECT_EQ(s.NCORR, 0);
  EXPECT_EQ(s.ModelScale, 0.0f);
  // The echo holds the values in the data file's formats.
  EXPECT_NE(r.echo.find("  98.500\n"), std::string::npos);
  EXPECT_NE(r.echo.find("     0.3 Micron"), std::string::npos) << r.echo;
}

TEST(NamedShip, BadInputStopsAtItsLineAndColumnNamingTheKey) {
  struct Case {
    std::string text, key, english;
  };
  const Case cases[] = {
      {WITH("breadth = 32.0", "breadth = 32,0"), "", "use a decimal point"},
      {WITH("breadth = 32.0", "genişlik = 32.0"), "", "a character outside ASCII"},
      {WITH("name = ", "name = \"\"\"a\\\n  ğ\"\"\"\nx = "), "", "a character outside ASCII"},
      // A quote (or a bracket) inside a wrong value opens no text: the parser
      // reads through it.
      {"[l]\n ohips =+-1>'\xEF\xBA\xBF'\n", "", "a character outside ASCII"},
      {"[l]\nc = 5.0\x01['\xCC\x9B'\n", "", "a character outside ASCII"},
      {WITH("[hull]", "[hul]"), "hul", "unknown key hul; did you mean hull?"},
      {"water = 1025.0\n", "water", "water is a table: write [water]"},
      {WITH("[appendages.rudder_behind_stern]", "[appendages.rudder]"), "appendages.rudder",
       "unknown key appendages.rudder"},
      {WITH("draught_aft = 10.0", "draught_aft = 10.0\nbreadth = 32.0"), "", "cannot redefine"},
      {WITH("breadth = 32.0\n", "").replace(0, 0, "breadth = 32.0\n"), "breadth",
       "unknown key breadth; did you mean hull.breadth?"},
      {WITH("propeller_count = 1", "propeller_count = 1.0"), "propeller.propeller_count",
       "must be a whole number"},
      {WITH("podded_drive = false", "podded_drive = 0"), "propeller.podded_drive",
       "must be true or false"},
      {WITH("propeller_series = \"wageningen_b\"", "propeller_series = \"B-series\""),
       "propeller.propeller_series", "\"wageningen_b\" or \"gawn\""},
      {WITH("engine_load = 0.85", "engine_load = 85.0"), "engine.engine_load",
       "engine.engine_load = 85.0 is outside its allowed range: above 0 and at most 1"},
      {WITH("stern_shape = 10.0",
            "stern_shape = 10.0\nhull_roughness = 150.0\n"
            "correlation_allowance_x1000 = 0.4"),
       "hull.correlation_allowance_x1000", "not both"},
      {WITH("bulb_centroid_height = 4.0", ""), "bulb.bulb_centroid_height",
       "needed with bulb.bulb_area above 0"},
      {WITH("area = 50.0", ""), "appendages.rudder_behind_stern.area", "missing key"},
      {WITH("[wave_correction]", "[wave_correction]\nwave_correction_factors = [1.1]"),
       "wave_correction.wave_correction_factors", "holds 1 factors"},
      {WITH("[21.0, 22.0, 23.0", "[21.0, 23.0, 22.0"), "speeds.calculation_speeds[3]",
       "the speeds must rise"},
  };
  for (const Case& c : cases) {
    const ReadResult r = READ(c.text);
    ASSERT_TRUE(r.stop) << c.english;
    EXPECT_EQ(r.stop->status, 1);
    EXPECT_EQ(r.key, c.key) << r.english;
    EXPECT_NE(r.english.find(c.english), std::string::npos) << r.english;
    // "<file>:<line>:<column>: " and the place in the Turkish line.
    const std::string place =
        "ship.toml:" + std::to_string(r.line) + ":" + std::to_string(r.column) + ": ";
    EXPECT_EQ(r.english.rfind(place, 0), 0u) << r.english;
    EXPECT_GT(r.line, 0) << r.english;
    EXPECT_NE(r.message_lines.back().find("SATIR " + std::to_string(r.line)), std::string::npos)
        << r.message_lines.back();
    EXPECT_TRUE(r.echo.empty());
  }
}

}  // namespace
}  // namespace vdk
