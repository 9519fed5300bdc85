// Reading the ship data file VARDELONTEKSA.TSK with its echo listing.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "input/ship_record.hpp"

namespace vdk {

// Reads the whole data file from `data` (unit 55), echoing every line to
// `echo` (unit 44), fills `ship`, applies the defaults and derives NoDN and
// Hsd. The trial-speed check writes its lines to `con` and stops the run.
// Unreadable input stops the run with EXIT_BAD_INPUT after a message on `con`
// naming `file_name`, the line, the group and the field.
void READ_SHIP_DATA(std::istream& data, std::ostream& echo, std::ostream& con, ShipRecord& ship,
                    std::string_view file_name = "VARDELONTEKSA.TSK");

// Checks made after the whole file is read, before any calculation; a failure
// writes a message to `con` and stops the run with EXIT_BAD_INPUT.
void VALIDATE_SHIP_DATA(const ShipRecord& ship, std::ostream& con);

// A list-directed number: "12", "-1.5", "1.5E+01", ".5", "5.", "+3", "1.5D0".
std::optional<float> PARSE_LIST_REAL(std::string_view token);
std::optional<int> PARSE_LIST_INT(std::string_view token);

// Reads one list-directed real answer from the console (a whole line; the
// first value on it counts). Returns nothing at end of input or when the line
// holds no readable number.
std::optional<float> READ_CONSOLE_REAL(std::istream& in);

}  // namespace vdk
