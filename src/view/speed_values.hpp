// The per-speed values of a run by their catalogue keys, and how each is
// read from the view of a speed: the JSON file's per_speed group, the CSV
// tables and the library's columns all read them from here.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "view/result_view.hpp"

namespace vdk {

struct PerSpeedValue {
  std::string_view key;  // a key of the catalogue of quantities
  std::optional<float> (*get)(const SpeedView&);
};

// The per_speed group of the JSON file, in its order: the resistance, the
// effective powers and the propeller's w, t and etaR at every speed.
std::span<const PerSpeedValue> PER_SPEED_VALUES();

// A per-speed value by its key: those above, and the minimum-service table's
// PB, N, etaH, eta0 and etad. An unknown key is a fault of the program and
// throws std::logic_error.
const PerSpeedValue& SPEED_VALUE(std::string_view key);

}  // namespace vdk
