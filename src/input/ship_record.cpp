#include "input/ship_record.hpp"

#include <cmath>
#include <string>

#include "input/ship_file_layout.hpp"

namespace vdk {

int PROPELLER_DATA_CASE(float D, float N, float PD) {
  // Later rules override earlier ones; an exact 0.1 counts as neither given
  // nor missing.
  int PropCase = 0;
  if (D > 0.1f && N < 0.1f) PropCase = 1;
  if (D > 0.1f && N > 0.1f) PropCase = 2;
  if (D < 0.1f && N > 0.1f) PropCase = 3;
  if (D > 0.1f && N > 0.1f && PD > 0.1f) PropCase = 4;
  return PropCase;
}

void DERIVE_SHIP(ShipRecord& s, int read_up_to) {
  // Groups 20 to 30 hold the appendage kinds 1 to 11; a kind not read yet
  // keeps its default.
  const std::span<const AppendageKind> kinds = APPENDAGE_KINDS();
  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    std::string name(kinds[static_cast<std::size_t>(i - 1)].name);
    name.resize(30, ' ');
    s.AppendageName(i) = std::move(name);
    const float given = s.OnePlusK2Given(i);
    s.OnePlusK2(i) = (19 + i <= read_up_to && std::fabs(given) > 0.001f)
                         ? given
                         : kinds[static_cast<std::size_t>(i - 1)].default_one_plus_k2;
  }
  // Group 34 completes the propeller data D, N and P/D.
  if (read_up_to >= 34) {
    s.NoDN = (std::fabs(s.D) < 0.001f && std::fabs(s.N) < 0.001f) ? 1 : 0;
    s.PropCase = PROPELLER_DATA_CASE(s.D, s.N, s.PD);
  } else {
    s.NoDN = 0;
    s.PropCase = 0;
  }
  // Group 35: the shaft height; the immersion is taken below the aft waterline.
  if (read_up_to >= 35) {
    float h = s.ShaftHeight;
    if (std::fabs(h) < 0.01f) h = 0.32f * s.Ta;
    s.Hsd = s.Ta - h;
  } else {
    s.Hsd = 0;
  }
}

}  // namespace vdk
