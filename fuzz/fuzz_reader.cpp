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
  vdk::ReadResult read = vdk::READ_SHIP_DATA(in);
  if (read.stop.has_value() == read.message_lines.empty()) __builtin_trap();
  if (read.stop) {
    if (read.stop->status != vdk::EXIT_BAD_INPUT) __builtin_trap();
  } else {
    vdk::ValidationResult checked = vdk::VALIDATE_SHIP_DATA(read.ship);
    if (checked.stop.has_value() == checked.message_lines.empty()) __builtin_trap();
    if (checked.stop && checked.stop->status != vdk::EXIT_BAD_INPUT) __builtin_trap();
  }
  std::istringstream answers(std::string(reinterpret_cast<const char*>(data), size));
  while (vdk::READ_CONSOLE_REAL(answers)) {
  }
  return 0;
}
