// How a run is to be made: the answers to its questions given beforehand,
// how the overall propulsive efficiency is found, and the method.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/method.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// "classic", "hm1982", "hm1984".
std::string_view METHOD_NAME(Method m);
std::optional<Method> METHOD_OF(std::string_view name);

struct RunOptions {
  // The assumed overall propulsive efficiency; none: found by repeating the
  // calculation with the computed one from `etad_start` until they agree.
  std::optional<float> etad;
  float etad_start = 0.60f;
  std::optional<float> Z;    // blade number; none: the run stops at the question
  std::optional<float> EAR;  // expanded area ratio; none keeps Keller's
  // w, t and etaR of the first estimate from the propeller of the pass
  // before, repeated until the propeller settles (implies etad found by passes).
  // The published methods always iterate so.
  bool consistent = false;
  Method method = Method::Classic;
  // The program's console run: etad not given as an option is asked at the
  // console, not found by passes.
  bool etad_asked = false;
  bool iterates() const { return consistent || PUBLISHED(method); }
  bool etad_auto() const { return (!etad && !etad_asked) || iterates(); }
};

// An answer given beforehand that the run cannot use: which one ("blades",
// "etad", "etad_start", "ear") and why, with the accepted range.
struct OptionRefusal {
  std::string option;
  std::string reason;
  bool missing = false;  // the answer is not given at all
};

// The answers of `o` checked before the run, as the questions check them
// when they are typed: the blade number a whole number from 2 to 7 for the
// Wageningen B-series (the Gawn series takes three blades whatever is given),
// 0 < etad < 1 (and its first value for the passes), an area ratio above
// zero; and, with `blades_required`, for a ship whose propeller is to be
// determined, a blade number at all (the console would ask for it
// otherwise). None when every answer can be used.
std::optional<OptionRefusal> CHECK_RUN_OPTIONS(const RunOptions& o, const ShipRecord& ship,
                                               bool blades_required = true);

}  // namespace vdk
