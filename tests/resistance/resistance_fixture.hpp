// The worked-example hull for the resistance computations, and the lines the
// writers make of their records.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "report/resistance_report.hpp"
#include "resistance/resistance.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

// Lwl = Lbp = 205 m, B = 32 m, T = 10 m, V = 37500 m3, bulb 20 m2 at 4 m,
// transom 16 m2, one appendage (rudder behind skeg) 50 m2 with (1+k2) 1.5,
// one speed of 25 knots.
inline ShipRecord worked_example_ship() {
  ShipRecord s = worked_example().ship;
  s.Sapp(2) = 0.0f;
  s.Sapp(1) = 50.0f;
  s.OnePlusK2Given(1) = 1.5f;
  s.NSPEED = 1;
  s.Vs(1) = 25.0f;
  // Resistance only: no propeller, no model.
  s.D = 0.0f;
  s.NPROP = 0;
  s.ModelScale = 0.0f;
  DERIVE_SHIP(s);
  return s;
}

// A speed block as written: results-file and console lines.
struct WrittenBlock {
  std::vector<std::string> son, con;
};

inline WrittenBlock write_block(const ShipRecord& s, const SpeedBlock& b) {
  std::ostringstream con, son;
  WRITE_SPEED_BLOCK(con, son, s, b);
  return {split_lines(son.str()), split_lines(con.str())};
}

// The calculation over speeds 1..i of the ship, with the lines of block i.
struct BlockRun {
  ResistanceResult res;
  WrittenBlock out;
  const SpeedBlock& block() const { return res.blocks.back(); }
};

inline BlockRun speed_block(const ShipRecord& s, int i = 1) {
  BlockRun r;
  r.res = COMPUTE_RESISTANCE(s);
  if (static_cast<int>(r.res.blocks.size()) >= i) {
    r.res.blocks.resize(static_cast<std::size_t>(i));
    r.out = write_block(s, r.res.blocks.back());
  }
  return r;
}

// The lines from the first one starting with `from` up to (not including)
// the next one starting with `to` (to the end when `to` is empty or absent).
inline std::vector<std::string> section(const std::vector<std::string>& L, std::string_view from,
                                        std::string_view to = {}) {
  auto starts = [](const std::string& l, std::string_view p) { return l.rfind(p, 0) == 0; };
  std::size_t a = 0;
  while (a < L.size() && !starts(L[a], from)) ++a;
  std::size_t b = a + 1;
  while (!to.empty() && b < L.size() && !starts(L[b], to)) ++b;
  if (to.empty()) b = L.size();
  return a < L.size() ? std::vector<std::string>(L.begin() + static_cast<long>(a),
                                                 L.begin() + static_cast<long>(b))
                      : std::vector<std::string>{};
}

// Line prefixes where the steps of a speed block begin.
inline constexpr std::string_view kFrictionStart = "  SURTUNME DIRENC KATSAYISI";
inline constexpr std::string_view kWaveStart = "  TAHMINI SU HATTI YARIM GIRIS";
inline constexpr std::string_view kCorrelationStart = "  MODEL-GEMI KORELASYON KATSAYISI";

}  // namespace vdk::test
