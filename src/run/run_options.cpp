#include "run/run_options.hpp"

#include <charconv>
#include <cmath>

namespace vdk {

namespace {

std::string NUMBER(float v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// Inside 0 < x < 1.
bool FRACTION(float x) {
  return x > 0.0f && x < 1.0f;
}

}  // namespace

std::string_view METHOD_NAME(Method m) {
  switch (m) {
    case Method::Classic:
      return "classic";
    case Method::HM1982:
      return "hm1982";
    case Method::HM1984:
      return "hm1984";
  }
  return "classic";
}

std::optional<Method> METHOD_OF(std::string_view name) {
  for (Method m : {Method::Classic, Method::HM1982, Method::HM1984})
    if (METHOD_NAME(m) == name) return m;
  return std::nullopt;
}

std::optional<OptionRefusal> CHECK_RUN_OPTIONS(const RunOptions& o, const ShipRecord& ship,
                                               bool blades_required) {
  if (o.Z && ship.SERIES != 2 && !(*o.Z >= 2.0f && *o.Z <= 7.0f && *o.Z == std::floor(*o.Z)))
    return OptionRefusal{"blades", "the blade number " + NUMBER(*o.Z) +
                                       " is not a whole number from 2 to 7, the blade numbers "
                                       "the Wageningen B-series covers"};
  if (o.etad && !FRACTION(*o.etad))
    return OptionRefusal{"etad", "the overall propulsive efficiency " + NUMBER(*o.etad) +
                                     " must lie between 0 and 1 (0.50 to 0.70 is usual)"};
  if (o.etad_auto() && !FRACTION(o.etad_start))
    return OptionRefusal{"etad_start", "the first assumed efficiency " + NUMBER(o.etad_start) +
                                           " must lie between 0 and 1"};
  if (o.EAR && !(*o.EAR > 0.0f && std::isfinite(*o.EAR)))
    return OptionRefusal{
        "ear", "the expanded area ratio " + NUMBER(*o.EAR) + " must be a finite number above 0"};
  // A propeller is determined when D or N is given and there are speeds
  // enough for the propulsion analysis.
  if (blades_required && !o.Z && ship.NoDN == 0 && ship.NSPEED > 4)
    return OptionRefusal{"blades",
                         "the ship has propeller data, so the propeller is determined and "
                         "needs its blade number (2 to 7)",
                         true};
  return std::nullopt;
}

}  // namespace vdk
