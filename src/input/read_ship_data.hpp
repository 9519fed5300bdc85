// Reading the ship data file VARDELONTEKSA.TSK with its echo listing.
#pragma once

#include <istream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/stop.hpp"
#include "input/ship_file_layout.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// What reading the data file gives: the record, the echo listing and, when the
// file cannot be used, the stop with the console lines that explain it.
struct ReadResult {
  ShipRecord ship;   // the values as given and as derived (DERIVE_SHIP)
  std::string echo;  // the echo listing VARDELONTEKSA.CRL, up to where reading stopped
  std::vector<std::string> comments;  // the comment lines read, each as echoed (80 characters)
  std::optional<Stop> stop;
  std::vector<std::string> message_lines;  // console lines of the stop, without line ends
  std::string english;      // the stop in one English line: file, line, group, what to do
  int line = 0, group = 0;  // where the reading stopped (0: not at a line of the file)
  // The line on which the values of each group read begin (group g at
  // g - 1); the messages about a refused value name it.
  std::vector<int> value_lines;
  int column = 0;   // named-key file: the column of the line (0: none)
  std::string key;  // named-key file: the key refused ("" when none)
};

// Reads the whole data file from `data` (unit 55) group by group as the file
// layout lays it out. Unreadable input stops with EXIT_BAD_INPUT and a message
// naming `file_name`, the line, the group and the field; a trial speed outside
// the speed range stops with EXIT_BAD_INPUT as well.
ReadResult READ_SHIP_DATA(std::istream& data, std::string_view file_name = "VARDELONTEKSA.TSK");

// The echo of one group's values as the program understood them, in the
// group's echo format, from the record: the (1+k2) and the shaft height as
// given, not the values derived from them.
void ECHO_GROUP_VALUES(std::ostream& echo, const ShipFileGroup& g, const ShipRecord& ship);

// The echo listing of a whole record: the comment lines in file order (a line
// missing from `comments` is blank), each group followed by its values. For
// a record read from a complete data file with its comment lines it is the
// reader's echo, byte for byte.
std::string ECHO_LISTING(const ShipRecord& ship, std::span<const std::string> comments);

// The checks of a whole record before any calculation: the counts of the
// lists, the trial speed within the speed range (as the reader checks them
// while it reads), then the values the calculation cannot use. The first
// check that fails gives the stop and its console lines.
struct ValidationResult {
  std::optional<Stop> stop;
  std::vector<std::string> message_lines;  // console lines of the stop, without line ends
  std::string symbol;   // the data-file symbol of the value refused ("Cm", "Vs(3)", ...)
  std::string english;  // the refusal in one English line, with the allowed range
  std::string turkish;  // the refusal as the console line says it, without the file's name
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
