// How a run is to be made: the answers to its questions given beforehand,
// how the overall propulsive efficiency is found, and the method.
#pragma once

#include <optional>
#include <string_view>

namespace vdk {

// The resistance and propulsion method. Classic is the program's own, as its
// reports have always shown it; HM1982 and HM1984 follow the published
// papers of Holtrop & Mennen (1982) and Holtrop (1984).
enum class Method { Classic, HM1982, HM1984 };

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
  bool consistent = false;
  Method method = Method::Classic;
  // The program's console run: etad not given as an option is asked at the
  // console, not found by passes.
  bool etad_asked = false;
  bool etad_auto() const { return (!etad && !etad_asked) || consistent; }
};

}  // namespace vdk
