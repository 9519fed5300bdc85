#include "core/stop.hpp"

#include <stdexcept>

namespace vdk {

Stop STOP_OF(std::string_view code, bool pause, std::string prompt) {
  for (const StopCode& c : STOP_CODES)
    if (c.code == code)
      return Stop{c.status, pause, std::move(prompt), std::string(c.reason), std::string(c.code)};
  throw std::logic_error("no stop of code " + std::string(code));
}

}  // namespace vdk
