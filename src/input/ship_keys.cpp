#include "input/ship_keys.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "input/ship_file_layout.hpp"

namespace vdk {

namespace {

using R = ShipRecord;

// The data file's sentinels for "not given".
constexpr bool zero(float v) {
  return v == 0.0f;
}
constexpr bool below_one(float v) {
  return v < 1.0f;
}
constexpr bool tiny(float v) {
  return v > -0.001f && v < 0.001f;
}
constexpr bool shaft_tiny(float v) {
  return v > -0.01f && v < 0.01f;
}
constexpr bool not_above_tenth(float v) {
  return v <= 0.1f;
}
constexpr bool scale_none(float v) {
  return v <= 0.01f;
}
constexpr bool no_propellers(float v) {
  return v < 1.0f;
}
constexpr bool no_series(float v) {
  return v != 1.0f && v != 2.0f;
}
constexpr bool no_roughness(float v) {
  return v <= 0.999f;
}
constexpr bool no_ca(float v) {
  return v <= 0.0f || v > 0.999f;
}
constexpr bool no_openings(float v) {
  return v <= 0.0f;
}

// A required real scalar.
constexpr ShipKey need(std::string_view path, std::string_view name, std::string_view symbol,
                       int group, float R::*member, std::string_view unit, std::string_view meaning,
                       std::string_view typical, double min, double max, bool above = true) {
  ShipKey k;
  k.path = path;
  k.name = name;
  k.symbol = symbol;
  k.group = group;
  k.type = KeyType::Real;
  k.unit = unit;
  k.meaning = meaning;
  k.typical = typical;
  k.min = min;
  k.max = max;
  k.above = above;
  k.real = member;
  return k;
}

// An optional real scalar: omitted, it takes `value`, and the record values
// `none` accepts are left out of a named-key file.
constexpr ShipKey opt(ShipKey k, std::string_view omitted, float value,
                      bool (*none)(float) = nullptr) {
  k.omitted = omitted;
  k.omitted_value = value;
  k.not_given = none;
  return k;
}

// A key of another type; an integer scalar of the record holds it unless it
// keeps its real one (a Boolean held as a real).
constexpr ShipKey with_type(ShipKey k, KeyType type, int R::*member) {
  k.type = type;
  if (member != nullptr) {
    k.real = nullptr;
    k.integer = member;
  }
  return k;
}

// A key whose allowed range includes its lower end.
constexpr ShipKey from_min(ShipKey k) {
  k.above = false;
  return k;
}
constexpr ShipKey open_below(ShipKey k) {
  k.below = true;
  return k;
}

// The keys of appendage kind i: its wetted area and its (1+k2).
constexpr ShipKey area(int i, std::string_view path, std::string_view name, std::string_view symbol,
                       std::string_view meaning) {
  ShipKey k = need(path, name, symbol, 19 + i, nullptr, "m2", meaning, "", 0, 10000, false);
  k.omitted = "not fitted";
  k.slot = KeySlot::AppendageArea;
  k.kind = i;
  return k;
}
constexpr ShipKey k2(int i, std::string_view path, std::string_view name, std::string_view symbol,
                     std::string_view meaning) {
  ShipKey k = need(path, name, symbol, 19 + i, nullptr, "", meaning, "1.1 to 3", 1, 10, false);
  k.omitted = "the default (1+k2) of the kind";
  k.slot = KeySlot::AppendageFormFactor;
  k.kind = i;
  k.not_given = tiny;
  return k;
}

constexpr ShipKey kKeys[] = {
    // water
    from_min(need("water.density", "density", "RHO", 1, &R::RHO, "kg/m3",
                  "density of the water the ship sails in", "1000 (fresh) to 1026 (sea)", 900,
                  1100)),
    opt(from_min(need("water.gravity", "gravity", "GRAV", 1, &R::GRAV, "m/s2",
                      "acceleration of gravity", "9.78 to 9.83", 9.7, 9.9)),
        "9.81", 9.81f),
    // hull
    need("hull.waterline_length", "waterline_length", "Lwl", 2, &R::Lwl, "m",
         "length on the waterline", "20 to 400", 0, 600),
    need("hull.length_between_perpendiculars", "length_between_perpendiculars", "Lbp", 3, &R::Lbp,
         "m", "length between perpendiculars", "20 to 400", 0, 600),
    need("hull.breadth", "breadth", "B", 4, &R::B, "m", "moulded breadth", "5 to 60", 0, 100),
    need("hull.draught_forward", "draught_forward", "Tf", 5, &R::Tf, "m",
         "draught at the forward perpendicular", "1 to 22", 0, 40),
    need("hull.draught_aft", "draught_aft", "Ta", 5, &R::Ta, "m",
         "draught at the aft perpendicular", "1 to 22", 0, 40),
    need("hull.displacement_volume", "displacement_volume", "V", 6, &R::V, "m3",
         "moulded displacement volume", "100 to 400000", 0, 2e6),
    from_min(need("hull.lcb_from_midships", "lcb_from_midships", "LCB", 7, &R::LCB, "m",
                  "longitudinal centre of buoyancy from Lbp/2, positive forward",
                  "-4 % to +4 % of Lbp", -100, 100)),
    need("hull.midship_coefficient", "midship_coefficient", "Cm", 11, &R::Cm, "",
         "midship section coefficient", "0.75 to 0.995", 0, 1),
    need("hull.waterplane_coefficient", "waterplane_coefficient", "Cwp", 11, &R::Cwp, "",
         "waterplane area coefficient (on Lbp)", "0.65 to 0.95", 0, 1),
    from_min(need("hull.stern_shape", "stern_shape", "Cstern", 12, &R::Cstern, "",
                  "stern shape parameter: -25 pram with gondola, -10 V-shaped sections, "
                  "0 normal sections, 10 U-shaped sections with Hogner stern",
                  "-25, -10, 0 or 10", -25, 10)),
    opt(open_below(
            from_min(need("hull.half_entrance_angle", "half_entrance_angle", "IE", 13, &R::IE,
                          "deg", "half angle of entrance of the waterline", "10 to 50", 1, 90))),
        "estimated from the hull form", 0, below_one),
    opt(from_min(need("hull.wetted_surface", "wetted_surface", "S", 14, &R::S, "m2",
                      "wetted surface of the bare hull, appendages not included", "300 to 30000", 1,
                      1e6)),
        "estimated (Holtrop's formula, appendages included)", 0, below_one),
    opt(from_min(need("hull.hull_roughness", "hull_roughness", "Roughness", 42, &R::Roughness, "um",
                      "hull roughness: the correlation allowance from the ITTC formula",
                      "150 (a new hull) to 250", 1, 1000)),
        "Holtrop's correlation allowance, unless correlation_allowance_x1000 is given", 0,
        no_roughness),
    opt(from_min(need("hull.correlation_allowance_x1000", "correlation_allowance_x1000",
                      "Roughness", 42, &R::Roughness, "",
                      "correlation allowance CA given directly, times 1000 (0.35 for CA = "
                      "0.00035); not with hull_roughness",
                      "0.1 to 0.5", 0.01, 0.999, false)),
        "Holtrop's correlation allowance, unless hull_roughness is given", 0, no_ca),
    // bulb
    opt(need("bulb.bulb_area", "bulb_area", "ABT", 8, &R::ABT, "m2",
             "transverse area of the bulbous bow at the forward perpendicular", "5 to 60", 0, 1000,
             false),
        "no bulb", 0, zero),
    opt(need("bulb.bulb_centroid_height", "bulb_centroid_height", "HB", 9, &R::HB, "m",
             "height of the centroid of bulb_area above the base line",
             "2 to 6 (0.3 to 0.6 of the forward draught)", 0, 40, false),
        "0; needed with a bulb", 0, zero),
    // transom
    opt(need("transom.transom_area", "transom_area", "AT", 10, &R::AT, "m2",
             "immersed area of the transom at rest", "0 to 50", 0, 1000, false),
        "no immersed transom", 0, zero),
    // model_test
    opt(need("model_test.model_scale", "model_scale", "ModelScale", 15, &R::ModelScale, "",
             "model scale ratio (ship length / model length); above 1 also writes "
             "the model-resistance file",
             "15 to 50", 0.01, 1000),
        "no model-scale values", 0, scale_none),
    opt(need("model_test.model_water_temperature", "model_water_temperature", "ModelWaterTemp", 15,
             &R::ModelWaterTemp, "degC",
             "water temperature of the model test (fresh water; the tables "
             "cover 0 to 30)",
             "10 to 25", -2, 100, false),
        "15", 15.0f),
    // wind
    opt(need("wind.depth_forward", "depth_forward", "DepthFP", 16, &R::DepthFP, "m",
             "ship's depth at the forward perpendicular (deck edge above the base "
             "line)",
             "5 to 40", 0.1, 200),
        "no wind resistance", 0, not_above_tenth),
    opt(need("wind.frontal_area_above_deck", "frontal_area_above_deck", "ONYUZ", 16, &R::ONYUZ,
             "m2", "frontal area of deckhouses and deck cargo", "100 to 2000", 0.1, 100000),
        "no wind resistance", 0, not_above_tenth),
    // speeds
    [] {
      ShipKey k = need("speeds.calculation_speeds", "calculation_speeds", "Vs", 17, nullptr, "kn",
                       "the speeds of the calculation, rising (1 to 50 of them)",
                       "[12, 13, 14, 15, 16]", 0, 60, true);
      k.above = true;
      k.type = KeyType::Speeds;
      k.slot = KeySlot::Speeds;
      k.max = 60;
      return k;
    }(),
    need("speeds.trial_speed", "trial_speed", "Vtrial", 18, &R::Vtrial, "kn",
         "trial speed, one of the calculation speeds", "10 to 30", 0, 60),
    // appendages
    area(1, "appendages.rudder_behind_skeg.area", "rudder_behind_skeg_area", "Sapp(1)",
         "wetted area of a rudder behind a skeg"),
    k2(1, "appendages.rudder_behind_skeg.form_factor", "rudder_behind_skeg_form_factor",
       "(1+k2)(1)", "(1+k2) of a rudder behind a skeg (default 1.75)"),
    area(2, "appendages.rudder_behind_stern.area", "rudder_behind_stern_area", "Sapp(2)",
         "wetted area of a rudder behind the stern of a single-screw ship"),
    k2(2, "appendages.rudder_behind_stern.form_factor", "rudder_behind_stern_form_factor",
       "(1+k2)(2)", "(1+k2) of a rudder behind the stern (default 1.4)"),
    area(3, "appendages.twin_screw_rudders.area", "twin_screw_rudders_area", "Sapp(3)",
         "wetted area of the balance rudders of a twin-screw ship"),
    k2(3, "appendages.twin_screw_rudders.form_factor", "twin_screw_rudders_form_factor",
       "(1+k2)(3)", "(1+k2) of twin-screw balance rudders (default 2.8)"),
    area(4, "appendages.shaft_brackets.area", "shaft_brackets_area", "Sapp(4)",
         "wetted area of the shaft brackets"),
    k2(4, "appendages.shaft_brackets.form_factor", "shaft_brackets_form_factor", "(1+k2)(4)",
       "(1+k2) of shaft brackets (default 3.0)"),
    area(5, "appendages.skeg.area", "skeg_area", "Sapp(5)", "wetted area of the skeg"),
    k2(5, "appendages.skeg.form_factor", "skeg_form_factor", "(1+k2)(5)",
       "(1+k2) of a skeg (default 1.75)"),
    area(6, "appendages.strut_bossings.area", "strut_bossings_area", "Sapp(6)",
         "wetted area of the strut bossings"),
    k2(6, "appendages.strut_bossings.form_factor", "strut_bossings_form_factor", "(1+k2)(6)",
       "(1+k2) of strut bossings (default 3.0)"),
    area(7, "appendages.hull_bossings.area", "hull_bossings_area", "Sapp(7)",
         "wetted area of the hull bossings"),
    k2(7, "appendages.hull_bossings.form_factor", "hull_bossings_form_factor", "(1+k2)(7)",
       "(1+k2) of hull bossings (default 2.0)"),
    area(8, "appendages.shafts.area", "shafts_area", "Sapp(8)", "wetted area of the open shafts"),
    k2(8, "appendages.shafts.form_factor", "shafts_form_factor", "(1+k2)(8)",
       "(1+k2) of shafts (default 3.0)"),
    area(9, "appendages.stabilizer_fins.area", "stabilizer_fins_area", "Sapp(9)",
         "wetted area of the stabilizer fins"),
    k2(9, "appendages.stabilizer_fins.form_factor", "stabilizer_fins_form_factor", "(1+k2)(9)",
       "(1+k2) of stabilizer fins (default 2.8)"),
    area(10, "appendages.sonar_dome.area", "sonar_dome_area", "Sapp(10)",
         "wetted area of the sonar dome"),
    k2(10, "appendages.sonar_dome.form_factor", "sonar_dome_form_factor", "(1+k2)(10)",
       "(1+k2) of a sonar dome (default 2.7)"),
    area(11, "appendages.bilge_keels.area", "bilge_keels_area", "Sapp(11)",
         "wetted area of the bilge keels"),
    k2(11, "appendages.bilge_keels.form_factor", "bilge_keels_form_factor", "(1+k2)(11)",
       "(1+k2) of bilge keels (default 1.4)"),
    // bow_thrusters
    opt(with_type(
            need("bow_thrusters.bow_thruster_openings", "bow_thruster_openings", "NBT", 31, nullptr,
                 "", "number of bow-thruster tunnel openings", "2 or 4", 0, 20, false),
            KeyType::Integer, &R::NBT),
        "no bow thruster", 0, no_openings),
    opt(need("bow_thrusters.bow_thruster_diameter", "bow_thruster_diameter", "DBT", 31, &R::DBT,
             "m", "diameter of the bow-thruster tunnel", "1 to 3", 0, 10, false),
        "0; needed with bow-thruster openings", 0, zero),
    // propeller
    opt(need("propeller.propeller_diameter", "propeller_diameter", "D", 32, &R::D, "m",
             "propeller diameter", "2 to 10", 0.1, 20),
        "not given: searched (with the rpm given) or a resistance-only run", 0, tiny),
    opt(need("propeller.propeller_rpm", "propeller_rpm", "N", 33, &R::N, "rpm",
             "propeller revolutions", "80 to 300 (small craft up to 1500)", 0.1, 5000),
        "not given: searched (with the diameter given) or a resistance-only run", 0, tiny),
    opt(need("propeller.pitch_ratio", "pitch_ratio", "PD", 34, &R::PD, "",
             "pitch ratio P/D, used with both the diameter and the rpm given", "0.6 to 1.4", 0.1,
             3),
        "not given: found for the required thrust", 0, not_above_tenth),
    opt(need("propeller.shaft_centre_height", "shaft_centre_height", "Hsd", 35, &R::ShaftHeight,
             "m", "height of the shaft centre above the base line",
             "3 to 5 (0.25 to 0.4 of the aft draught)", 0.01, 40, false),
        "0.32 times the aft draught", 0, shaft_tiny),
    opt(with_type(need("propeller.controllable_pitch", "controllable_pitch", "CPPropeller", 36,
                       &R::CPPropeller, "", "a controllable-pitch propeller", "false", 0, 1, false),
                  KeyType::Boolean, nullptr),
        "false (fixed pitch)", 0),
    opt(with_type(need("propeller.propeller_count", "propeller_count", "NPROP", 37, nullptr, "",
                       "number of propellers", "1 or 2", 1, 8, false),
                  KeyType::Integer, &R::NPROP),
        "1", 1, no_propellers),
    opt(with_type(need("propeller.propeller_series", "propeller_series", "SERIES", 37, nullptr, "",
                       "open-water series: \"wageningen_b\" or \"gawn\" (three blades)",
                       "\"wageningen_b\"", 1, 2, false),
                  KeyType::Series, &R::SERIES),
        "\"wageningen_b\"", 1, no_series),
    opt(with_type(
            need("propeller.podded_drive", "podded_drive", "IPOD", 37, nullptr, "",
                 "a podded (tractor pod) propulsor instead of a shaft line", "false", 0, 1, false),
            KeyType::Boolean, &R::IPOD),
        "false (shaft line)", 0),
    // engine
    opt(need("engine.engine_load", "engine_load", "MCR", 38, &R::MCR, "",
             "engine load at trial as a fraction of the maximum continuous rating", "0.8 to 0.9", 0,
             1),
        "not given: needed with a propeller diameter or rpm", 0, zero),
    opt(need("engine.sea_margin", "sea_margin", "SeaMargin", 39, &R::SeaMargin, "",
             "sea margin as a fraction (0.15 for 15 %), printed only", "0.1 to 0.3", 0, 1, false),
        "0", 0),
    opt(need("engine.transmission_efficiency", "transmission_efficiency", "etas", 40, &R::etas, "",
             "shaft transmission efficiency", "0.97 to 0.99", 0, 1),
        "not given: needed with a propeller diameter or rpm", 0, zero),
    // correction_factors
    opt(need("correction_factors.form_factor_correction", "form_factor_correction", "FFDF", 41,
             &R::FFDF, "", "factor on Holtrop's form factor (1+k); below 0.05 makes (1+k) = 1",
             "0.9 to 1.1", 0, 3, false),
        "1 (no correction)", 1),
    opt(need("correction_factors.wake_correction", "wake_correction", "CFw", 41, &R::CFw, "",
             "factor on the wake fraction w", "0.9 to 1.1", 0, 3, false),
        "1 (no correction)", 1),
    opt(need("correction_factors.thrust_deduction_correction", "thrust_deduction_correction", "CFt",
             41, &R::CFt, "", "factor on the thrust deduction fraction t", "0.9 to 1.1", 0, 3,
             false),
        "1 (no correction)", 1),
    opt(need("correction_factors.rotative_efficiency_correction", "rotative_efficiency_correction",
             "CFetaR", 41, &R::CFetaR, "", "factor on the relative rotative efficiency etaR",
             "0.95 to 1.05", 0, 3, false),
        "1 (no correction)", 1),
    // wave_correction
    [] {
      ShipKey k = need("wave_correction.wave_correction_factors", "wave_correction_factors",
                       "Fcorr", 43, nullptr, "",
                       "factors on the residual resistance coefficient CR at 2 to 10 equally "
                       "spaced speeds from the first to the last calculation speed",
                       "[1.0, 0.95, 0.9]", 0, 5, true);
      k.type = KeyType::WaveFactors;
      k.slot = KeySlot::WaveFactors;
      k.above = true;
      k.below = false;
      k.omitted = "no correction";
      return k;
    }(),
};

constexpr KeyTable kTables[] = {
    {"water", "the water the ship sails in"},
    {"hull", "main dimensions, form coefficients, wetted surface and hull roughness"},
    {"bulb", "the bulbous bow (leave the table out for a ship without a bulb)"},
    {"transom", "the immersed transom"},
    {"model_test", "the model scale of a towing-tank test, for the model-scale values"},
    {"wind", "the wind resistance, reported but not added to the total resistance"},
    {"speeds", "the speeds of the calculation and the trial speed"},
    {"appendages",
     "one table per appendage kind fitted: its wetted area and, when the kind's "
     "default does not suit, its form factor (1+k2)"},
    {"bow_thrusters", "bow-thruster tunnel openings"},
    {"propeller",
     "the propeller: give the diameter, the rpm, or both (and the pitch ratio); "
     "neither makes a resistance-only run"},
    {"engine", "the power chain"},
    {"correction_factors", "factors on the form factor and the propulsion factors; 1 = none"},
    {"wave_correction", "correction of the wave resistance from model tests"},
};

bool KEY_MATCHES(const ShipKey& k, std::string_view text) {
  return k.path == text || k.name == text || k.symbol == text;
}

std::size_t EDIT_DISTANCE(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diag = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t up = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diag = up;
    }
  }
  return row[b.size()];
}

std::string NUMBER_TEXT(double v) {
  if (v == std::trunc(v) && std::fabs(v) < 1e15) return std::to_string(static_cast<long long>(v));
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

}  // namespace

std::span<const ShipKey> SHIP_KEYS() {
  return kKeys;
}

std::span<const KeyTable> SHIP_KEY_TABLES() {
  return kTables;
}

std::string_view KEY_TABLE(const ShipKey& key) {
  return key.path.substr(0, key.path.rfind('.'));
}

std::string_view KEY_LEAF(const ShipKey& key) {
  return key.path.substr(key.path.rfind('.') + 1);
}

const ShipKey* FIND_SHIP_KEY(std::string_view text) {
  for (const ShipKey& k : kKeys)
    if (KEY_MATCHES(k, text)) return &k;
  // A list's count and its elements name the list: NSPEED, Vs(3), NCORR, Fcorr(2).
  if (text == "NSPEED" || text.starts_with("Vs(")) return FIND_SHIP_KEY("Vs");
  if (text == "NCORR" || text.starts_with("Fcorr(")) return FIND_SHIP_KEY("Fcorr");
  return nullptr;
}

std::string NEAREST_SHIP_KEY(std::string_view text) {
  // A key's leaf given in the wrong table, or at the top, is its own key.
  const std::size_t dot = text.rfind('.');
  if (const ShipKey* k = FIND_SHIP_KEY(text.substr(dot == std::string_view::npos ? 0 : dot + 1)))
    return std::string(k->path);
  std::string best;
  std::size_t best_d = std::numeric_limits<std::size_t>::max();
  for (const ShipKey& k : kKeys)
    for (std::string_view cand : {k.path, k.name, KEY_TABLE(k)}) {
      const std::size_t d = EDIT_DISTANCE(text, cand);
      if (d < best_d) {
        best_d = d;
        best = std::string(cand == k.name ? k.path : cand);
      }
    }
  return best;
}

bool IN_ALLOWED_RANGE(const ShipKey& k, double v) {
  if (!std::isfinite(v)) return false;
  const bool low = k.above ? v > k.min : v >= k.min;
  const bool high = k.below ? v < k.max : v <= k.max;
  return low && high;
}

std::string ALLOWED_RANGE_TEXT(const ShipKey& k) {
  if (k.type == KeyType::Boolean) return "true or false";
  if (k.type == KeyType::Series) return "\"wageningen_b\" or \"gawn\"";
  std::string text = (k.above ? "above " : "from ") + NUMBER_TEXT(k.min);
  text += (k.below ? " and below " : (k.above ? " and at most " : " to ")) + NUMBER_TEXT(k.max);
  if (!k.unit.empty()) text += " " + std::string(k.unit);
  return text;
}

std::optional<float> SHIP_KEY_VALUE(const ShipRecord& s, const ShipKey& k) {
  switch (k.slot) {
    case KeySlot::AppendageArea:
      return s.Sapp(k.kind);
    case KeySlot::AppendageFormFactor:
      return s.OnePlusK2Given(k.kind);
    case KeySlot::Speeds:
    case KeySlot::WaveFactors:
      return std::nullopt;
    case KeySlot::Scalar:
      break;
  }
  if (k.real != nullptr) return s.*k.real;
  return static_cast<float>(s.*k.integer);
}

bool PUT_SHIP_KEY_VALUE(ShipRecord& s, const ShipKey& k, float v) {
  switch (k.slot) {
    case KeySlot::AppendageArea:
      s.Sapp(k.kind) = v;
      return true;
    case KeySlot::AppendageFormFactor:
      s.OnePlusK2Given(k.kind) = v;
      return true;
    case KeySlot::Speeds:
    case KeySlot::WaveFactors:
      return false;
    case KeySlot::Scalar:
      break;
  }
  if (k.real != nullptr)
    s.*k.real = v;
  else
    s.*k.integer = static_cast<int>(v);
  return true;
}

std::optional<float> GET_SHIP_VALUE(const ShipRecord& ship, std::string_view key) {
  const ShipKey* k = FIND_SHIP_KEY(key);
  if (k == nullptr) return std::nullopt;
  return SHIP_KEY_VALUE(ship, *k);
}

bool SET_SHIP_VALUE(ShipRecord& ship, std::string_view key, float value, std::string& error) {
  const ShipKey* k = FIND_SHIP_KEY(key);
  if (k == nullptr) {
    error = "no such key: " + std::string(key) + " (nearest: " + NEAREST_SHIP_KEY(key) + ")";
    return false;
  }
  if (k->slot == KeySlot::Speeds || k->slot == KeySlot::WaveFactors) {
    error = std::string(k->path) + " is a list, not one value";
    return false;
  }
  if (k->type != KeyType::Real && value != std::trunc(value)) {
    error = std::string(k->path) + " takes whole numbers only";
    return false;
  }
  if (!IN_ALLOWED_RANGE(*k, value)) {
    error = std::string(k->path) + " = " + NUMBER_TEXT(value) + " is outside its allowed range " +
            ALLOWED_RANGE_TEXT(*k);
    return false;
  }
  PUT_SHIP_KEY_VALUE(ship, *k, value);
  DERIVE_SHIP(ship);
  return true;
}

std::string_view SERIES_NAME(int series) {
  return series == 1 ? "wageningen_b" : series == 2 ? "gawn" : "";
}

std::optional<int> SERIES_OF_NAME(std::string_view name) {
  if (name == "wageningen_b") return 1;
  if (name == "gawn") return 2;
  return std::nullopt;
}

}  // namespace vdk
