// Fuzz target: the ship data reader and the checks that follow it must
// either accept a file or refuse it with a message; never crash or hang.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "core/stop.hpp"
#include "input/read_ship_data.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream echo, con;
  vdk::ShipRecord ship;
  vdk::ASSIGN_APPENDAGE_NAMES(ship);
  try {
    vdk::READ_SHIP_DATA(in, echo, con, ship);
    vdk::VALIDATE_SHIP_DATA(ship, con);
  } catch (const vdk::StopRequest& stop) {
    if (stop.status != vdk::EXIT_BAD_INPUT) __builtin_trap();
  }
  std::istringstream answers(std::string(reinterpret_cast<const char*>(data), size));
  while (vdk::READ_CONSOLE_REAL(answers)) {
  }
  return 0;
}
