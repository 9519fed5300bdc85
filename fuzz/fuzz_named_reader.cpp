// Fuzz target: the reader of the named-key ship file must either accept a
// file or refuse it with its message, never crash or hang; a file it accepts
// passes the record's checks and, written out again, reads back as the same
// record.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/stop.hpp"
#include "input/named_ship.hpp"
#include "input/ship_files.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const vdk::ReadResult read = vdk::READ_NAMED_SHIP(text, "ship.toml");
  if (read.stop.has_value() == read.message_lines.empty()) __builtin_trap();
  if (read.stop) {
    if (read.stop->status != vdk::EXIT_BAD_INPUT || read.english.empty()) __builtin_trap();
    return 0;
  }
  if (vdk::VALIDATE_SHIP_DATA(read.ship).stop || read.echo.empty()) __builtin_trap();
  const vdk::ReadResult back = vdk::READ_NAMED_SHIP(vdk::NAMED_SHIP_TEXT(read.ship), "ship.toml");
  if (back.stop || back.ship.name != read.ship.name ||
      vdk::DATA_FILE_TEXT(back.ship) != vdk::DATA_FILE_TEXT(read.ship))
    __builtin_trap();
  return 0;
}
