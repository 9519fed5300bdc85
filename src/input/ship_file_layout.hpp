// The layout of the ship data file VARDELONTEKSA.TSK: its 43 groups in file
// order. Each group is a number of comment lines (copied to the echo listing,
// never interpreted) followed by one list-directed read starting on a fresh
// line. The reader and every writer of data files walk this one table.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "input/ship_record.hpp"

namespace vdk {

enum class FieldKind { Real, Int };

// One value of a group's read, named as in the messages about the file.
struct ShipField {
  std::string_view symbol;
  FieldKind kind = FieldKind::Real;
  float ShipRecord::*real = nullptr;   // where a real value goes (scalar fields)
  int ShipRecord::*integer = nullptr;  // where an integer value goes
};

// What a group's read holds.
enum class GroupShape {
  Values,       // the fields in order, each into its scalar
  Heading,      // comment lines only (heading of the appendage table): no read
  SpeedList,    // fields: the count NSPEED (1..50), then Vs(1..NSPEED)
  Appendage,    // fields: Sapp(i), then the given (1+k2)(i) (OnePlusK2Given)
  ShaftHeight,  // field: shaft-centre height above the base line (the record's
                // ShaftHeight; the immersion Hsd is derived from it)
  Corrections,  // fields: the count NCORR (0 or 2..10), then Fcorr(1..NCORR)
};

// A check or a derived value that follows the read of a group at once.
enum class GroupRule {
  None,
  TrialSpeedWithinSpeeds,  // Vs(1) <= Vtrial <= Vs(NSPEED), else the run stops
};

struct ShipFileGroup {
  int number = 0;  // 1..43
  int comment_lines = 0;
  GroupShape shape = GroupShape::Values;
  std::span<const ShipField> fields;
  // Echo of the values read; for SpeedList the count and the speeds on one
  // line, for Corrections one line per factor (its number and value).
  std::string_view echo_format;
  std::string_view echo_heading;  // a text line echoed before the values, "" = none
  GroupRule rule = GroupRule::None;
  int appendage = 0;  // Appendage: the appendage kind 1..NUM_APPENDAGES
};

// The groups of the data file in file order.
std::span<const ShipFileGroup> SHIP_FILE_GROUPS();

// The appendage kinds in the order of their groups: the name shown in the
// report and the (1+k2) used when the file gives none.
struct AppendageKind {
  std::string_view name;
  float default_one_plus_k2 = 0;
};
std::span<const AppendageKind> APPENDAGE_KINDS();

// The real scalar of the record that the data-file symbol names ("Lwl", "Tf",
// "Vtrial", "D", ...), nullptr when the symbol names no real scalar. "Hsd" is
// the shaft height the file gives (ShaftHeight), from which the record derives
// the immersion. After a change through the pointer, DERIVE_SHIP the record.
float* SHIP_SCALAR(ShipRecord& ship, std::string_view symbol);
// Every symbol SHIP_SCALAR knows, in file order.
const std::vector<std::string_view>& SHIP_SCALAR_SYMBOLS();

}  // namespace vdk
