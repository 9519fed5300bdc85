#include "api/sweep_variants.hpp"

#include <cmath>
#include <cstdlib>

#include "format/text_fields.hpp"
#include "input/ship_file_layout.hpp"
#include "input/ship_keys.hpp"

namespace vdk {

namespace {

struct Unit {
  std::string_view symbol, unit;
};

// Units of the data file's scalars as the file gives them; a symbol not
// listed is a plain number.
constexpr Unit kUnits[] = {
    {"RHO", "kg_m3"}, {"GRAV", "m_s2"}, {"Lwl", "m"},        {"Lbp", "m"},
    {"B", "m"},       {"T", "m"},       {"Tf", "m"},         {"Ta", "m"},
    {"V", "m3"},      {"LCB", "m"},     {"ABT", "m2"},       {"HB", "m"},
    {"AT", "m2"},     {"IE", "deg"},    {"S", "m2"},         {"DepthFP", "m"},
    {"ONYUZ", "m2"},  {"Vtrial", "kn"}, {"DBT", "m"},        {"D", "m"},
    {"N", "rpm"},     {"Hsd", "m"},     {"Roughness", "um"}, {"ModelWaterTemp", "degC"},
};

// The key a varied name stands for: a scalar key of the ship by its path,
// its unique name or its data-file symbol; nullptr for T and for the lists.
const ShipKey* VARIED_KEY(std::string_view name) {
  const ShipKey* k = FIND_SHIP_KEY(name);
  if (k == nullptr || k->slot == KeySlot::Speeds || k->slot == KeySlot::WaveFactors) return nullptr;
  return k;
}

// The value of the record a varied name sets, by the key's data-file symbol
// (the hull roughness and a given correlation allowance are one value).
std::vector<std::string> VARIED_VALUES(std::string_view name) {
  if (name == "T") return {"Tf", "Ta"};
  return {std::string(VARIED_KEY(name)->symbol)};
}

// A number as the data file writes it, in double so that a range's steps
// are not rounded twice.
std::optional<double> NUMBER(std::string_view text) {
  if (!PARSE_LIST_REAL(text)) return std::nullopt;
  std::string s(text);
  for (char& c : s)
    if (c == 'd' || c == 'D' || c == 'q' || c == 'Q') c = 'E';
  return std::strtod(s.c_str(), nullptr);
}

std::vector<std::string_view> SPLIT(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t k = text.find(sep, start);
    parts.push_back(text.substr(start, k == std::string_view::npos ? k : k - start));
    if (k == std::string_view::npos) return parts;
    start = k + 1;
  }
}

std::string_view TRIM(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The records of a CSV text (RFC 4180: quoted fields, doubled quotes, CRLF
// or LF line ends), each with the line it starts on; blank lines left out.
struct CsvRecord {
  int line = 0;
  std::vector<std::string> fields;
};
std::optional<std::vector<CsvRecord>> CSV_RECORDS(std::string_view text, std::string& error) {
  std::vector<CsvRecord> records;
  CsvRecord rec;
  std::string field;
  int line = 1;
  rec.line = 1;
  bool quoted = false, any = false;
  auto end_record = [&] {
    rec.fields.push_back(field);
    if (any || rec.fields.size() > 1 || !TRIM(rec.fields[0]).empty()) records.push_back(rec);
    rec = CsvRecord{};
    field.clear();
    any = false;
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        field += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        field += c;
      }
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == ',') {
      rec.fields.push_back(field);
      field.clear();
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      end_record();
      rec.line = ++line;
    } else {
      field += c;
    }
  }
  if (quoted) {
    error = "line " + std::to_string(rec.line) + ": a quoted field is not closed";
    return std::nullopt;
  }
  if (!field.empty() || !rec.fields.empty()) end_record();
  return records;
}

}  // namespace

bool SWEEP_NAME_KNOWN(std::string_view name) {
  return name == "T" || VARIED_KEY(name) != nullptr;
}

std::string SWEEP_NAME_REFUSED(std::string_view name) {
  const ShipKey* k = FIND_SHIP_KEY(name);
  const bool list =
      name == "NSPEED" || name == "NCORR" || name == "Vs" || name == "Fcorr" ||
      (k != nullptr && (k->slot == KeySlot::Speeds || k->slot == KeySlot::WaveFactors));
  if (!list)
    return "no such value of the ship: " + std::string(name) +
           " (nearest key: " + NEAREST_SHIP_KEY(name) + ")";
  // A count sizes its list, and a list is more than one value: neither is one number to vary.
  std::string symbols;
  for (const ShipKey& k : SHIP_KEYS())
    if (k.slot == KeySlot::Scalar &&
        symbols.find(" " + std::string(k.symbol) + ",") == std::string::npos)
      symbols += (symbols.empty() ? " " : " ") + std::string(k.symbol) + ",";
  return std::string(name) +
         " is a count or a list (the speeds, the wave-resistance correction factors): counts and "
         "lists cannot be varied; the values that can be varied are the scalars" +
         symbols +
         " T (both draughts), and the appendage areas and form factors, by their "
         "symbols or their named keys";
}

std::string SWEEP_HEADER(std::string_view name) {
  for (const Unit& u : kUnits)
    if (u.symbol == name) return std::string(name) + "_" + std::string(u.unit);
  // A key by its name or path: its unit, written as a header can hold it.
  if (const ShipKey* k = VARIED_KEY(name); k != nullptr && !k->unit.empty()) {
    std::string unit(k->unit);
    for (char& c : unit)
      if (c == '/') c = '_';
    return std::string(name) + "_" + unit;
  }
  return std::string(name);
}

bool CHECK_SWEEP_VARIANTS(const VariantTable& t, bool hold_cb, std::string& error) {
  const std::vector<std::string>& names = t.names;
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (!SWEEP_NAME_KNOWN(names[k])) {
      error = SWEEP_NAME_REFUSED(names[k]);
      return false;
    }
    const ShipKey* key = VARIED_KEY(names[k]);
    if (key != nullptr && key->integer != nullptr)
      for (const std::vector<float>& row : t.rows)
        if (row[k] != std::trunc(row[k]) || std::fabs(row[k]) > 1e9f) {
          error = names[k] + " takes whole numbers only: " + SHORTEST_FLOAT(row[k]);
          return false;
        }
  }
  std::vector<std::string> fields;
  bool T = false;
  for (const std::string& n : names) T = T || n == "T";
  for (const std::string& n : names) {
    if (hold_cb && VARIED_VALUES(n) == std::vector<std::string>{"V"}) {
      error = n + " cannot be varied with --hold-cb: it follows Lwl*B*T";
      return false;
    }
    for (const std::string& f : VARIED_VALUES(n)) {
      for (const std::string& seen : fields)
        if (seen == f) {
          error = f + " is varied twice" + (T ? " (T sets Tf and Ta)" : "");
          return false;
        }
      fields.push_back(f);
    }
  }
  return true;
}

std::optional<SweepVariable> PARSE_VARY(std::string_view option, std::string& error) {
  const std::size_t eq = option.find('=');
  if (eq == std::string_view::npos) {
    error = "not NAME=FROM:TO:STEP or NAME=V1,V2,...: " + std::string(option);
    return std::nullopt;
  }
  SweepVariable v;
  v.name = std::string(option.substr(0, eq));
  if (!SWEEP_NAME_KNOWN(v.name)) {
    error = SWEEP_NAME_REFUSED(v.name);
    return std::nullopt;
  }
  const std::string_view rest = option.substr(eq + 1);
  const std::vector<std::string_view> range = SPLIT(rest, ':');
  if (range.size() == 3) {
    const std::optional<double> from = NUMBER(range[0]), to = NUMBER(range[1]),
                                step = NUMBER(range[2]);
    if (!from || !to || !step) {
      error = v.name + ": not a range of numbers FROM:TO:STEP: " + std::string(rest);
      return std::nullopt;
    }
    if (!(*step > 0) || *to < *from) {
      error =
          v.name + ": a range needs FROM not above TO and a STEP above zero: " + std::string(rest);
      return std::nullopt;
    }
    // TO is reached when it lies on the steps within rounding.
    const double count = std::floor((*to - *from) / *step + 1e-6) + 1;
    if (count > static_cast<double>(MAX_SWEEP_VARIANTS)) {
      error = v.name + ": more than " + std::to_string(MAX_SWEEP_VARIANTS) + " values";
      return std::nullopt;
    }
    for (int k = 0; k < static_cast<int>(count); ++k)
      v.values.push_back(static_cast<float>(*from + k * *step));
    return v;
  }
  if (range.size() != 1) {
    error = v.name + ": not FROM:TO:STEP: " + std::string(rest);
    return std::nullopt;
  }
  for (std::string_view item : SPLIT(rest, ',')) {
    const std::optional<float> x = PARSE_LIST_REAL(TRIM(item));
    if (!x) {
      error = v.name + ": not a number: '" + std::string(item) + "'";
      return std::nullopt;
    }
    v.values.push_back(*x);
  }
  return v;
}

std::optional<VariantTable> GRID_VARIANTS(const std::vector<SweepVariable>& vars,
                                          std::string& error) {
  VariantTable t;
  double total = 1;
  for (const SweepVariable& v : vars) {
    t.names.push_back(v.name);
    total *= static_cast<double>(v.values.size());
  }
  if (vars.empty() || total < 1) return t;
  if (total > static_cast<double>(MAX_SWEEP_VARIANTS)) {
    error = "more than " + std::to_string(MAX_SWEEP_VARIANTS) + " variants";
    return std::nullopt;
  }
  // An odometer over the value positions, the last variable turning fastest.
  std::vector<std::size_t> at(vars.size(), 0);
  for (std::size_t n = 0; n < static_cast<std::size_t>(total); ++n) {
    std::vector<float> row;
    for (std::size_t k = 0; k < vars.size(); ++k) row.push_back(vars[k].values[at[k]]);
    t.rows.push_back(std::move(row));
    for (std::size_t k = vars.size(); k-- > 0;) {
      if (++at[k] < vars[k].values.size()) break;
      at[k] = 0;
    }
  }
  return t;
}

std::optional<VariantTable> PARSE_VARIANTS_CSV(std::string_view text, std::string& error) {
  const std::optional<std::vector<CsvRecord>> records = CSV_RECORDS(text, error);
  if (!records) return std::nullopt;
  if (records->empty()) {
    error = "no header line";
    return std::nullopt;
  }
  VariantTable t;
  for (const std::string& h : records->front().fields) {
    std::string name(TRIM(h));
    // A header this program writes names the unit too: B_m is B, breadth_m breadth.
    for (std::size_t cut = name.find('_'); !SWEEP_NAME_KNOWN(name) && cut != std::string::npos;
         cut = name.find('_', cut + 1))
      if (SWEEP_HEADER(name.substr(0, cut)) == name) name.resize(cut);
    if (!SWEEP_NAME_KNOWN(name)) {
      error = "line 1: " + SWEEP_NAME_REFUSED(TRIM(h));
      return std::nullopt;
    }
    t.names.push_back(name);
  }
  for (std::size_t r = 1; r < records->size(); ++r) {
    const CsvRecord& rec = (*records)[r];
    const std::string where = "line " + std::to_string(rec.line) + ": ";
    if (rec.fields.size() != t.names.size()) {
      error = where + std::to_string(rec.fields.size()) + " fields, the header has " +
              std::to_string(t.names.size());
      return std::nullopt;
    }
    std::vector<float> row;
    for (std::size_t k = 0; k < rec.fields.size(); ++k) {
      const std::optional<float> x = PARSE_LIST_REAL(TRIM(rec.fields[k]));
      if (!x) {
        error = where + t.names[k] + ": not a number: '" + rec.fields[k] + "'";
        return std::nullopt;
      }
      row.push_back(*x);
    }
    t.rows.push_back(std::move(row));
  }
  if (t.rows.size() > MAX_SWEEP_VARIANTS) {
    error = "more than " + std::to_string(MAX_SWEEP_VARIANTS) + " variants";
    return std::nullopt;
  }
  return t;
}

ShipRecord VARIANT_SHIP(const ShipRecord& base, const std::vector<std::string>& names,
                        const std::vector<float>& row, bool hold_cb) {
  ShipRecord ship = base;
  for (std::size_t k = 0; k < names.size(); ++k) {
    const std::string& n = names[k];
    const float x = row[k];
    if (n == "T") {
      ship.Tf = ship.Ta = x;
      continue;
    }
    PUT_SHIP_KEY_VALUE(ship, *VARIED_KEY(n), x);
  }
  if (hold_cb) {
    // V = Cb Lwl B T with the base ship's Cb; T is the mean draught.
    const double scale =
        (static_cast<double>(ship.Lwl) / base.Lwl) * (static_cast<double>(ship.B) / base.B) *
        ((0.5 * (static_cast<double>(ship.Tf) + ship.Ta)) / (0.5 * (base.Tf + base.Ta)));
    ship.V = static_cast<float>(base.V * scale);
  }
  DERIVE_SHIP(ship);
  return ship;
}

}  // namespace vdk
