// How a run is to be made: the answers to its questions given beforehand,
// how the overall propulsive efficiency is found, and the method.
#pragma once

#include <optional>
#include <string_view>

#include "core/method.hpp"

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
  bool iterates() const { return consistent || PUBLISHED(method); }
  bool etad_auto() const { return !etad || iterates(); }
};

}  // namespace vdk
