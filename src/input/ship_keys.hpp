// The named keys of the ship: one row for every value of the data file's 43
// groups, with its place in the named-key ship file (table.key), the data
// file's symbol, the unit, the meaning, the typical values, what an omitted
// key means, the allowed range and where the value lives in the ship record.
// The named-key reader and writer, the template, the sweep's names and the
// library's get/set by key all walk this one table.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "input/ship_record.hpp"

namespace vdk {

enum class KeyType {
  Real,         // a number (a whole number is read as a real too)
  Integer,      // a whole number
  Boolean,      // true or false; 1 or 0 in the record
  Series,       // the open-water series by name; 1 or 2 in the record
  Speeds,       // a list of speeds: NSPEED and Vs
  WaveFactors,  // a list of wave-resistance correction factors: NCORR and Fcorr
};

// Where the value lives in the record: a scalar, or an element of one of the
// appendage lists.
enum class KeySlot { Scalar, AppendageArea, AppendageFormFactor, Speeds, WaveFactors };

struct ShipKey {
  std::string_view path;    // in the named-key file: "hull.breadth"
  std::string_view name;    // unique in the whole file: "breadth" (the key's leaf, or
                            // kind_leaf for an appendage: "skeg_area")
  std::string_view symbol;  // in the data file: "B", "Sapp(5)", "Vs"
  int group = 0;            // the data-file group that holds it
  KeyType type = KeyType::Real;
  std::string_view unit;     // "m", "kn", "kg/m3"; "" for a plain number
  std::string_view meaning;  // one line of English
  std::string_view typical;  // typical values, for the template
  std::string_view omitted;  // what an omitted key means; "" when the key is required
  // The allowed range (of every element of a list); `above`/`below` make an
  // end open.
  double min = 0, max = 0;
  bool above = false, below = false;
  float omitted_value = 0;  // the record's value when the key is omitted
  // The record's values that the data file gives for "not given" (its
  // sentinels): such a value is left out of a named-key file.
  bool (*not_given)(float) = nullptr;
  KeySlot slot = KeySlot::Scalar;
  float ShipRecord::*real = nullptr;   // a Real scalar
  int ShipRecord::*integer = nullptr;  // an Integer, Boolean or Series scalar
  int kind = 0;                        // the appendage kind 1..NUM_APPENDAGES
};

// Every key, in the order of the named-key file (the tables in the order
// water, hull, bulb, transom, model_test, wind, speeds, appendages,
// bow_thrusters, propeller, engine, correction_factors, wave_correction).
std::span<const ShipKey> SHIP_KEYS();

// The tables of the named-key file in their order, each with one line saying
// what it holds.
struct KeyTable {
  std::string_view name, meaning;
};
std::span<const KeyTable> SHIP_KEY_TABLES();

// The table part of a key's path ("hull" of "hull.breadth", "appendages.skeg"
// of "appendages.skeg.area") and its last part ("breadth", "area").
std::string_view KEY_TABLE(const ShipKey& key);
std::string_view KEY_LEAF(const ShipKey& key);

// The key a text names: its full path ("hull.breadth"), its unique name
// ("breadth") or the data file's symbol ("B", "Sapp(5)", "Hsd" for the shaft
// height as given; "NSPEED" and "Vs(3)" name the speed list). nullptr for
// none.
const ShipKey* FIND_SHIP_KEY(std::string_view text);

// The known key nearest to a text that names none (by edit distance over the
// paths and the unique names), as its full path.
std::string NEAREST_SHIP_KEY(std::string_view text);

// Whether a value lies in the key's allowed range, and the range in words
// ("above 0 and at most 100 m").
bool IN_ALLOWED_RANGE(const ShipKey& key, double value);
std::string ALLOWED_RANGE_TEXT(const ShipKey& key);

// The value of a scalar key in the record (a Boolean as 1 or 0, the series as
// its number); none for a list.
std::optional<float> SHIP_KEY_VALUE(const ShipRecord& ship, const ShipKey& key);
// Puts the value of a scalar key into the record (an Integer, Boolean or
// Series takes the whole part) without any check and without deriving the
// record again; false for a list key.
bool PUT_SHIP_KEY_VALUE(ShipRecord& ship, const ShipKey& key, float value);

// Get and set by the text of a key (path, unique name or symbol). Setting
// checks the allowed range and then derives the record again (DERIVE_SHIP);
// it fails, saying why in `error`, for an unknown key, a list key or a value
// outside the range.
std::optional<float> GET_SHIP_VALUE(const ShipRecord& ship, std::string_view key);
bool SET_SHIP_VALUE(ShipRecord& ship, std::string_view key, float value, std::string& error);

// The open-water series by name in the named-key file.
std::string_view SERIES_NAME(int series);  // "wageningen_b", "gawn"; "" for another number
std::optional<int> SERIES_OF_NAME(std::string_view name);

}  // namespace vdk
