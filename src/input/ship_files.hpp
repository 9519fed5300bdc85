// The ship's two file formats: the positional data file (VARDELONTEKSA.TSK)
// and the named-key file (*.toml). Reading either by its extension, writing
// either from a record, the commented template of the named-key file, and the
// conversion of one into the other.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input/read_ship_data.hpp"
#include "input/ship_record.hpp"

namespace vdk {

enum class ShipFormat { DataFile, NamedKeys };

// A ".toml" file (any case) holds named keys; any other file is a data file.
ShipFormat SHIP_FORMAT_OF(const std::filesystem::path& path);

// Reads a ship file's text in its format. A data file is read as
// READ_SHIP_DATA reads it; a named-key file as READ_NAMED_SHIP, with the
// record's checks when `validate`.
ReadResult READ_SHIP_TEXT(std::string_view text, ShipFormat format, std::string_view file_name,
                          bool validate = true);

// Reads the ship file at `path` in the format of its extension and checks the
// record (VALIDATE_SHIP_DATA, its stop merged into the result): the record,
// the echo listing and, for input that cannot be used, the stop with its
// Turkish console lines and its English line. A file that cannot be opened
// stops with E101.
ReadResult READ_SHIP(const std::filesystem::path& path);

// The comment lines of the shipped example data file, 94 lines in file order
// (the layout's comment lines of each group). With a name, the box at the top
// names the ship.
std::vector<std::string> STANDARD_COMMENTS(std::string_view name = {});

// The text of a data file holding the record: the comment lines (the standard
// ones when `comments` is empty) and each group's values, every real as the
// shortest text that reads back as the same float.
std::string DATA_FILE_TEXT(const ShipRecord& ship, std::span<const std::string> comments = {});

// The text of a named-key file holding the record. `data_comments`: the comment
// lines of the data file it comes from; those that say something beyond the
// standard ones are kept as TOML comments above their keys.
std::string NAMED_SHIP_TEXT(const ShipRecord& ship,
                            std::span<const std::string> data_comments = {});

// The shipped example ship (examples/VARDELONTEKSA.TSK), with its name.
ShipRecord EXAMPLE_SHIP();

// The template of `vardelonteksa init`: the example ship as a named-key file
// with every key, its unit, meaning, typical values, allowed range and
// default in comments (an optional key the example leaves out is shown
// commented out).
std::string SHIP_TEMPLATE();

// A ship file converted to the other format: the text of the new file, or the
// stop that refused the input (the same as a run gets from it). A named-key
// file is written only when it reads back without a stop.
struct Conversion {
  std::string text;
  ReadResult read;  // the input as read; read.stop when it is not converted
};
Conversion CONVERT_SHIP(const std::filesystem::path& in, const std::filesystem::path& out);

}  // namespace vdk
