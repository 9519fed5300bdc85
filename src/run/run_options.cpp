#include "run/run_options.hpp"

namespace vdk {

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

}  // namespace vdk
