// The catalogue of the quantities a run's results hold: for each one its key
// (the same wherever it stands in the JSON file), its symbol, its unit, its
// English name and a short description. The JSON file and its units, the CSV
// headers, the JSON schema and the library's names are all made from it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace vdk {

struct Quantity {
  std::string_view key;          // "RT", "1+k", "PE_corrected"
  std::string_view symbol;       // as in the report and the CSV headers: "RT", "V", "etaD"
  std::string_view unit;         // "kN", "kn", "m/s"; "" for a pure number, a count or a text
  std::string_view name;         // "total resistance"
  std::string_view description;  // one sentence, without the name
};

// Every quantity, those with a unit first in the order of the units table.
std::span<const Quantity> QUANTITIES();

// The quantity of a key; nullptr for a key that names no quantity (a group).
const Quantity* FIND_QUANTITY(std::string_view key);
// The quantity of a key the program itself uses: an unknown key is a fault
// of the program and throws std::logic_error.
const Quantity& QUANTITY(std::string_view key);

// The CSV header of a quantity: its symbol and unit, "RT_kN", "V_kn", "Fn".
std::string CSV_HEADER(std::string_view key);

}  // namespace vdk
