#include "input/ship_file_layout.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "input/read_ship_data.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

TEST(ShipScalars, EverySymbolNamesItsOwnScalarAndSurvivesTheFile) {
  const auto& symbols = SHIP_SCALAR_SYMBOLS();
  for (std::string_view s : {"Lwl", "B", "Tf", "Ta", "V", "LCB", "ABT", "D", "N", "PD", "Vtrial"})
    EXPECT_NE(std::find(symbols.begin(), symbols.end(), s), symbols.end()) << s;

  // Every scalar a value of its own: a symbol pointing at another's scalar
  // leaves one of them unread.
  test::ShipFile f = test::worked_example();
  std::set<float*> targets;
  float value = 0.5f;
  for (std::string_view s : symbols) {
    float* p = SHIP_SCALAR(f.ship, s);
    ASSERT_NE(p, nullptr) << s;
    EXPECT_TRUE(targets.insert(p).second) << s << " shares its scalar";
    *p = (value += 1.0f);
  }
  f.ship.Vtrial = f.ship.Vs(4);  // the trial speed must lie in the speed range
  f.shaft_height = 2.5f;
  std::istringstream data(test::ship_file_text(f));
  ReadResult r = READ_SHIP_DATA(data);
  ASSERT_FALSE(r.stop) << r.message_lines.back();
  for (std::string_view s : symbols) {
    if (s == "Hsd") continue;  // the file's shaft height is the fixture's own
    EXPECT_EQ(*SHIP_SCALAR(r.ship, s), *SHIP_SCALAR(f.ship, s)) << s;
  }
  // The file gives the shaft height, from which the record derives the immersion.
  EXPECT_EQ(*SHIP_SCALAR(r.ship, "Hsd"), 2.5f);
  EXPECT_EQ(r.ship.Hsd, r.ship.Ta - 2.5f);

  EXPECT_EQ(SHIP_SCALAR(f.ship, "NSPEED"), nullptr);  // an integer, not a real scalar
  EXPECT_EQ(SHIP_SCALAR(f.ship, "Vs"), nullptr);
  EXPECT_EQ(SHIP_SCALAR(f.ship, "lwl"), nullptr);
}

}  // namespace
}  // namespace vdk
