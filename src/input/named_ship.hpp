// Reading the ship file with named keys (TOML): every value under its key of
// the key table, with its unit fixed, no sentinels (an omitted optional key
// means what the data file's "not given" value meant), and a name for the ship.
#pragma once

#include <string_view>

#include "input/read_ship_data.hpp"

namespace vdk {

// Reads a named-key ship file from its text. The record is the one the
// equivalent data file gives, float for float; the echo is the data file's
// echo listing of that record (ECHO_LISTING with the standard comment lines).
//
// Anything unusable stops with EXIT_BAD_INPUT: a TOML syntax error (with "use
// a decimal point" where a comma stands between digits), an unknown key (with
// the nearest known key), a missing required key, a value of the wrong type or
// outside its allowed range; with `validate`, then also everything
// VALIDATE_SHIP_DATA refuses, named by its key. The stop gives the Turkish
// console lines, the line and column of the file and the key, and an English
// line "<file>:<line>:<column>: <what>".
ReadResult READ_NAMED_SHIP(std::string_view text, std::string_view file_name, bool validate = true);

}  // namespace vdk
