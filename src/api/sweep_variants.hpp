// The variants of a design sweep: the names that may be varied (the scalar
// fields of the ship data file by their symbols, and T for both draughts),
// the grid of every combination of --vary ranges or lists, the rows of a
// variants CSV file, and the field values that turn the base data file into
// one variant.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/read_ship_data.hpp"
#include "input/ship_record.hpp"

namespace vdk {

// One varied name with its values in the order they are taken.
struct SweepVariable {
  std::string name;
  std::vector<float> values;
};

// The variants: one row per variant, one value per varied name.
struct VariantTable {
  std::vector<std::string> names;
  std::vector<std::vector<float>> rows;
};

// The most variants one sweep may have.
constexpr std::size_t MAX_SWEEP_VARIANTS = 1000000;

// Whether `name` may be varied: a scalar field of the data file layout other
// than a list count (NSPEED, NCORR), or T (Tf and Ta together).
bool SWEEP_NAME_KNOWN(std::string_view name);
// Why a name cannot be varied: no such value, or a count or a list (then
// naming the scalar symbols that can be).
std::string SWEEP_NAME_REFUSED(std::string_view name);
// The CSV header of a varied name, with its unit: "B_m", "V_m3", "Cm".
std::string SWEEP_HEADER(std::string_view name);

// The variants together: no name given twice (T counts as Tf and Ta), with
// `hold_cb` not V, which then follows the main dimensions, and whole numbers
// for the integer fields (NPROP, SERIES, ...).
bool CHECK_SWEEP_VARIANTS(const VariantTable& t, bool hold_cb, std::string& error);

// NAME=FROM:TO:STEP (FROM, FROM+STEP, ... up to TO) or NAME=V1,V2,...
// Numbers are written as in the data file. Nothing, with the reason in
// `error`, for an unknown name or a bad range.
std::optional<SweepVariable> PARSE_VARY(std::string_view option, std::string& error);

// Every combination of the variables; the first one changes slowest, as in
// loops nested in the order the options are given. Nothing, with the reason
// in `error`, for too many variants.
std::optional<VariantTable> GRID_VARIANTS(const std::vector<SweepVariable>& vars,
                                          std::string& error);

// A variants file: a header of names (a name may carry the unit of its sweep
// header, "B_m"), then one row of numbers per variant (RFC 4180; blank lines
// skipped). Nothing, with the reason and the line in `error`, when the file
// cannot be used.
std::optional<VariantTable> PARSE_VARIANTS_CSV(std::string_view text, std::string& error);

// The base ship with the values of this variant, derived again. `hold_cb`:
// the displacement volume V follows Lwl*B*T, T the mean of Tf and Ta, so the
// block coefficient of the base ship is kept.
ShipRecord VARIANT_SHIP(const ShipRecord& base, const std::vector<std::string>& names,
                        const std::vector<float>& row, bool hold_cb);

}  // namespace vdk
