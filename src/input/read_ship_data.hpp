// Reading the ship data file VARDELONTEKSA.TSK with its echo listing.
//
// Installed public header of the engine library (reading and validating a data file): changes to it
// are changes to what other programs build against.
#pragma once

#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// What reading the data file gives: the record, the echo listing and, when the
// file cannot be used, the stop with the console lines that explain it.
struct ReadResult {
  ShipRecord ship;   // defaults applied, appendage names assigned, NoDN and Hsd derived
  std::string echo;  // the echo listing VARDELONTEKSA.CRL, up to where reading stopped
  std::optional<Stop> stop;
  std::vector<std::string> message_lines;  // console lines of the stop, without line ends
};

// Reads the whole data file from `data` (unit 55) group by group as the file
// layout lays it out. Unreadable input stops with EXIT_BAD_INPUT and a message
// naming `file_name`, the line, the group and the field; a trial speed outside
// the speed range stops with EXIT_BAD_INPUT as well.
ReadResult READ_SHIP_DATA(std::istream& data, std::string_view file_name = "VARDELONTEKSA.TSK");

// A value that takes the place of the one the file gives for the scalar field
// `symbol` of the layout ("B", "Tf", "Hsd", "NPROP", ...). The file's own value
// must still be readable; the record, the echo and the rules that follow the
// group (the trial speed within the speeds, the propeller given, the shaft
// immersion from Ta) are then those of a file that holds `value`. An integer
// field takes the value's whole part.
struct FieldValue {
  std::string symbol;
  float value = 0;
};

// Reads the data file as above with the values of `replaced` in place of the file's.
ReadResult READ_SHIP_DATA(std::istream& data, std::string_view file_name,
                          std::span<const FieldValue> replaced);

// The checks made after the whole file is read, before any calculation.
struct ValidationResult {
  std::optional<Stop> stop;
  std::vector<std::string> message_lines;  // console lines of the stop, without line ends
};
ValidationResult VALIDATE_SHIP_DATA(const ShipRecord& ship);

// A list-directed number: "12", "-1.5", "1.5E+01", ".5", "5.", "+3", "1.5D0".
std::optional<float> PARSE_LIST_REAL(std::string_view token);
std::optional<int> PARSE_LIST_INT(std::string_view token);

// Reads one list-directed real answer from the console (a whole line; the
// first value on it counts). Returns nothing at end of input or when the line
// holds no readable number.
std::optional<float> READ_CONSOLE_REAL(std::istream& in);

}  // namespace vdk
