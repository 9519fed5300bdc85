// Input summary of the resistance calculation: appendage sums, propeller data
// case (as the ship record derives it) and displacement weight.
#include <cmath>

#include "resistance/resistance.hpp"

namespace vdk {

InputSummary COMPUTE_INPUT_SUMMARY(const ShipRecord& s) {
  InputSummary r;

  // Appendages: only kinds with a real area are listed and counted
  float sum_k2 = 0;
  float sum_area = 0;
  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    if (s.Sapp(i) > 0.1f) {
      r.listed_appendages.push_back(i);
      sum_k2 = sum_k2 + s.Sapp(i) * s.OnePlusK2(i);
      sum_area = sum_area + s.Sapp(i);
    }
  }
  r.OnePlusK2eff = sum_area > 0.1f ? sum_k2 / sum_area : 0.0f;
  r.Sapptot = sum_area;

  r.propeller_block = fabsf(s.D) >= 0.05f;
  r.PropCase = s.PropCase;  // derived with the ship record
  r.DISPW = s.GRAV * s.RHO * s.V;
  return r;
}

}  // namespace vdk
