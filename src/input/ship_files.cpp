#include "input/ship_files.hpp"

#include <cctype>
#include <cmath>
#include <fstream>
#include <set>
#include <sstream>

#include "core/stop.hpp"
#include "format/text_fields.hpp"
#include "input/named_ship.hpp"
#include "input/ship_file_layout.hpp"
#include "input/ship_keys.hpp"

namespace vdk {

namespace {

// The comment lines of the shipped example data file, group by group.
constexpr std::string_view kStandardComments[] = {
    "*****************************************************************",
    "*  VARDELONTEKSA - GEMI VERI DOSYASI (ship data file)           *",
    "*  Every value line is preceded by its comment lines; comments  *",
    "*  are copied to VARDELONTEKSA.CRL and never interpreted.       *",
    "*  Values are free format: blanks or commas between numbers,    *",
    "*  text after the needed numbers on a value line is ignored.    *",
    "*  Units: m, m2, m3, kg/m3, m/s2; speeds in knots.              *",
    "*                                                               *",
    "*  Example ship: 205 m single-screw cargo liner, 25 knots trial *",
    "*****************************************************************",
    "",
    "Water density RHO (kg/m3) and gravity GRAV (m/s2)",
    "  RHO      GRAV",
    "Waterline length Lwl (m)",
    "Length between perpendiculars Lbp (m)",
    "Moulded breadth B (m)",
    "Draught forward Tf and aft Ta (m)",
    "Displacement volume V (m3)",
    "LCB (m) from Lbp/2, positive forward",
    "Bulb transverse area ABT (m2) at the FP, 0 = no bulb",
    "Height HB (m) of the centroid of ABT above the base line",
    "Immersed transom area AT (m2), 0 = none",
    "Midship section coefficient Cm, waterplane coefficient Cwp",
    "Stern shape parameter Cstern:",
    "   -25  pram with gondola",
    "   -10  V-shaped sections",
    "     0  normal section shape",
    "    10  U-shaped sections with Hogner stern",
    "Cstern",
    "Half angle of entrance IE (degrees), below 1 = estimate it",
    "Wetted surface S without appendages (m2), below 1 = estimate it",
    "Model scale (ship length / model length), 0 = no model values;",
    "water temperature of the model test (deg C, 0..30)",
    "  ModelScale  ModelWaterTemp",
    "Wind resistance: depth at the FP DepthFP (m) and frontal area",
    "ONYUZ (m2) of deckhouses and deck cargo; 0 switches wind off",
    "  DepthFP  ONYUZ",
    "Number of speeds NSPEED (at most 50), then the speeds (knots), ascending",
    "Trial speed Vtrial (knots), one of the speeds above",
    "Appendages: wetted area Sapp (m2, 0 = not fitted) and (1+k2)",
    "(0 = the program's default form factor of that appendage kind)",
    "  Sapp  (1+k2)",
    "1  rudder behind skeg",
    "2  rudder behind stern (single screw)",
    "3  twin-screw balance rudders",
    "4  shaft brackets",
    "5  skeg",
    "6  strut bossings",
    "7  hull bossings",
    "8  shafts",
    "9  stabilizer fins",
    "10 sonar dome",
    "11 bilge keels",
    "Bow thruster tunnels: number of openings NBT (integer)",
    "and tunnel diameter DBT (m)",
    "  NBT  DBT",
    "Propeller data. Give D, N, P/D as follows (0 = not given):",
    "  D only       : optimum rpm and P/D are searched (Kt/J^2)",
    "  N only       : optimum diameter and P/D are searched (Kt/J^4)",
    "  D and N      : the P/D giving the required thrust is found",
    "  D, N and P/D : the operating point of that propeller",
    "  neither D nor N: resistance only",
    "",
    "Propeller diameter D (m)",
    "Propeller revolutions N (rpm)",
    "Pitch ratio P/D",
    "Shaft centre height above the base line (m);",
    "0 = 0.32 Ta",
    "Controllable-pitch propeller: 1 = yes,",
    "0 = fixed pitch",
    "Number of propellers NPROP, open-water series SERIES",
    "(1 = Wageningen B, 2 = Gawn), podded drive IPOD (1 = pod,",
    "0 = shaft line); three integers",
    "  NPROP  SERIES  IPOD",
    "Engine load MCR as a fraction of the maximum continuous rating",
    "Sea margin as a fraction (0.15 = 15 %)",
    "Shaft transmission efficiency etas",
    "Correction factors:",
    "  FFDF   on the form factor (1+k); below 0.05 sets (1+k) = 1",
    "  CFw    on the wake fraction w",
    "  CFt    on the thrust deduction t",
    "  CFetaR on the relative rotative efficiency",
    "  FFDF  CFw  CFt  CFetaR",
    "Hull roughness: 0 = Holtrop's correlation allowance;",
    "between 0 and 1 = CA*1000 given directly; above 1 = roughness",
    "in micrometres (ITTC formula)",
    "Wave-resistance correction factors: their number NCORR",
    "(0 = no correction, or 2 to 10), then the factors, which apply",
    "at NCORR equally spaced speeds from the first to the last speed.",
    "A factor multiplies the residual resistance coefficient CR at",
    "its speed; factors in between are interpolated.",
    "",
    "",
    "  NCORR  Fcorr(1) .. Fcorr(NCORR)",
};
static_assert(std::size(kStandardComments) == 94);

// The line of the box at the top that describes the ship.
constexpr std::size_t kNameLine = 8;

}  // namespace

namespace {

// A real as the shortest text that reads back as the same float, with a
// decimal point so that TOML reads it as a real.
std::string REAL_TEXT(float v) {
  std::string t = SHORTEST_FLOAT(v);
  if (t.find_first_of(".eEn") == std::string::npos) t += ".0";
  return t;
}

std::string LIST_TEXT(const float* values, int n) {
  std::string t = "[";
  for (int i = 0; i < n; ++i) t += (i ? ", " : "") + REAL_TEXT(values[i]);
  return t + "]";
}

// A comment line without the blanks and box characters around it.
std::string_view BARE(std::string_view line) {
  const auto box = [](char c) {
    return c == ' ' || c == '\t' || c == '*' || c == '=' || c == '-' || c == '#' || c == '|';
  };
  while (!line.empty() && box(line.front())) line.remove_prefix(1);
  while (!line.empty() && box(line.back())) line.remove_suffix(1);
  return line;
}

// Whether a data file's comment line says something the standard line in its
// place does not: text that is not only box drawing, and not the standard text.
bool SAYS_SOMETHING(std::string_view line, std::size_t index) {
  const std::string_view bare = BARE(line);
  bool text = false;
  for (char c : bare) text = text || std::isalnum(static_cast<unsigned char>(c));
  return text && (index >= std::size(kStandardComments) || bare != BARE(kStandardComments[index]));
}

// The first number of a text ("10 to 50" gives 10), for a commented-out key.
std::string SAMPLE(const ShipKey& k) {
  const std::string_view t = k.typical;
  if (t.starts_with("[")) return std::string(t);
  const std::size_t at = t.find_first_of("-0123456789");
  if (at == std::string_view::npos) return "0.0";
  std::size_t end = at + 1;
  while (end < t.size() && (std::isdigit(static_cast<unsigned char>(t[end])) || t[end] == '.'))
    ++end;
  std::string s(t.substr(at, end - at));
  if (s.find('.') == std::string::npos && k.type == KeyType::Real) s += ".0";
  return s;
}

bool TINY(float v) {
  return std::fabs(v) < 0.001f;
}

// Whether the key is written for this record (an optional key is left out
// when its value is one the data file uses for "not given").
bool WRITTEN(const ShipRecord& s, const ShipKey& k) {
  switch (k.slot) {
    case KeySlot::Speeds:
      return true;
    case KeySlot::WaveFactors:
      return s.NCORR > 0;
    case KeySlot::AppendageArea:
      return s.Sapp(k.kind) != 0.0f || !TINY(s.OnePlusK2Given(k.kind));
    case KeySlot::AppendageFormFactor:
      return !TINY(s.OnePlusK2Given(k.kind));
    case KeySlot::Scalar:
      break;
  }
  if (k.omitted.empty() || k.not_given == nullptr) return true;
  // The bulb's height goes with its area, the tunnel diameter with the openings.
  if (k.symbol == "HB" && s.ABT != 0.0f) return true;
  if (k.symbol == "DBT" && s.NBT > 0) return true;
  return !k.not_given(*SHIP_KEY_VALUE(s, k));
}

std::string VALUE_TEXT(const ShipRecord& s, const ShipKey& k) {
  switch (k.type) {
    case KeyType::Speeds:
      return LIST_TEXT(s.Vs.data1(), s.NSPEED);
    case KeyType::WaveFactors:
      return LIST_TEXT(s.Fcorr.data1(), s.NCORR);
    case KeyType::Boolean:
      return std::fabs(*SHIP_KEY_VALUE(s, k) - 1.0f) < 0.001f ? "true" : "false";
    case KeyType::Series:
      return "\"" + std::string(SERIES_NAME(s.SERIES)) + "\"";
    case KeyType::Integer:
      return std::to_string(static_cast<int>(*SHIP_KEY_VALUE(s, k)));
    case KeyType::Real:
      break;
  }
  return REAL_TEXT(*SHIP_KEY_VALUE(s, k));
}

// A text for TOML's basic string: quotes, backslashes and control bytes escaped.
std::string QUOTED(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string q = "\"";
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (ch == '"' || ch == '\\') {
      q += '\\';
      q += ch;
    } else if (b < 0x20 || b == 0x7F) {
      q += "\\u00";
      q += kHex[b >> 4];
      q += kHex[b & 15];
    } else {
      q += ch;
    }
  }
  return q + "\"";
}

// The named-key file of a record. `full`: the template, every key with its
// description; otherwise a converted file, with the data file's comment lines
// that say something above the keys of their group.
class NamedWriter {
 public:
  NamedWriter(const ShipRecord& ship, std::span<const std::string> comments, bool full)
      : s_(ship), comments_(comments), full_(full) {
    // The first comment line of each group in the data file.
    int line = 0;
    for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
      first_.push_back(line);
      line += g.comment_lines;
    }
    first_.push_back(line);
  }

  std::string text() {
    if (full_) {
      out_ << kTemplateHead;
    } else {
      out_ << "# VARDELONTEKSA ship file with named keys (TOML), converted from a data file.\n"
              "# Units are fixed per key (see the comments); vardelonteksa init writes a\n"
              "# template that describes every key.\n";
    }
    group_comments(1);
    if (full_) out_ << "\n# The ship's name, shown in the titles of the figures and the page.\n";
    out_ << "name = " << QUOTED(s_.name) << "\n";
    for (const KeyTable& t : SHIP_KEY_TABLES()) {
      out_ << "\n";
      if (full_) out_ << "# " << t.meaning << "\n";
      if (t.name == "appendages") {
        group_comments(19);
        out_ << "[appendages]\n";
        appendages();
        continue;
      }
      out_ << "[" << t.name << "]\n";
      for (const ShipKey& k : SHIP_KEYS())
        if (KEY_TABLE(k) == t.name) key(k);
    }
    return out_.str();
  }

 private:
  static constexpr std::string_view kTemplateHead =
      "# VARDELONTEKSA ship file with named keys (TOML)\n"
      "#\n"
      "# Every value of the ship under its own key. Units are fixed, one per key: m, m2, m3,\n"
      "# kn, kg/m3, deg, and fractions as fractions (0.85, not 85). Above each key: what it is,\n"
      "# its unit, typical values, the range the program accepts, the symbol and group of the\n"
      "# positional data file, and whether it is required or what leaving it out means.\n"
      "# Remove the # in front of a commented-out key to give it. Numbers take a decimal\n"
      "# point, never a decimal comma.\n"
      "#\n"
      "# This file holds the shipped example ship (205 m single-screw cargo liner, 25 knots\n"
      "# trial); put your own values in and run it with\n"
      "#   vardelonteksa --data ship.toml --etad auto --blades 4 --batch\n";

  // The data file's comment lines of group g that say something.
  void group_comments(int g) {
    if (full_ || comments_.empty() || done_.count(g)) return;
    done_.insert(g);
    for (int k = first_[g - 1]; k < first_[g]; ++k) {
      const auto i = static_cast<std::size_t>(k);
      if (i < comments_.size() && SAYS_SOMETHING(comments_[i], i)) {
        std::string line = comments_[i];
        line.erase(line.find_last_not_of(' ') + 1);
        out_ << "# " << line << "\n";
      }
    }
  }

  void describe(const ShipKey& k) {
    out_ << "\n# " << k.meaning;
    if (!k.unit.empty()) out_ << ", " << k.unit;
    out_ << "   [data file " << k.symbol << ", group " << k.group << "]\n#   "
         << (k.omitted.empty() ? "required" : "if omitted: " + std::string(k.omitted));
    if (!k.typical.empty()) out_ << "; typical " << k.typical;
    out_ << "; allowed " << ALLOWED_RANGE_TEXT(k) << "\n";
  }

  void key(const ShipKey& k) {
    group_comments(k.group);
    const bool written = WRITTEN(s_, k);
    if (full_) describe(k);
    if (written)
      out_ << KEY_LEAF(k) << " = " << VALUE_TEXT(s_, k) << UNIT(k) << "\n";
    else if (full_)
      out_ << "# " << KEY_LEAF(k) << " = " << SAMPLE(k) << "\n";
  }

  void appendages() {
    const std::span<const AppendageKind> kinds = APPENDAGE_KINDS();
    for (const ShipKey& area : SHIP_KEYS()) {
      if (area.slot != KeySlot::AppendageArea) continue;
      const ShipKey& k2 = (&area)[1];
      group_comments(area.group);
      const std::string table(KEY_TABLE(area));
      const float k2_default = kinds[static_cast<std::size_t>(area.kind - 1)].default_one_plus_k2;
      if (!WRITTEN(s_, area)) {
        if (full_)
          out_ << "\n# " << area.meaning << ", m2, and its (1+k2), default "
               << REAL_TEXT(k2_default) << "   [data file group " << area.group << "]\n# [" << table
               << "]\n# area = 10.0\n# form_factor = " << REAL_TEXT(k2_default) << "\n";
        continue;
      }
      if (full_) out_ << "\n";
      out_ << "[" << table << "]\n";
      if (full_) describe(area);
      out_ << "area = " << VALUE_TEXT(s_, area) << UNIT(area) << "\n";
      if (full_) describe(k2);
      if (WRITTEN(s_, k2))
        out_ << "form_factor = " << VALUE_TEXT(s_, k2) << "\n";
      else if (full_)
        out_ << "# form_factor = " << REAL_TEXT(k2_default) << "\n";
    }
  }

  // The unit after a converted value, where the key has one.
  std::string UNIT(const ShipKey& k) const {
    if (full_ || k.unit.empty()) return {};
    return "   # " + std::string(k.unit);
  }

  const ShipRecord& s_;
  std::span<const std::string> comments_;
  bool full_;
  std::vector<int> first_;
  std::set<int> done_;
  std::ostringstream out_;
};

// A stop for a ship file that cannot be opened.
ReadResult NOT_OPENED(const std::filesystem::path& path) {
  ReadResult r;
  r.stop = STOP_OF("E101");
  r.message_lines = {" VERI DOSYASI ACILAMADI: " + path.string()};
  r.english = path.string() + ": the ship file cannot be opened";
  return r;
}

}  // namespace

ShipFormat SHIP_FORMAT_OF(const std::filesystem::path& path) {
  std::string ext = path.extension().string();
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".toml" ? ShipFormat::NamedKeys : ShipFormat::DataFile;
}

ReadResult READ_SHIP_TEXT(std::string_view text, ShipFormat format, std::string_view file_name,
                          bool validate) {
  if (format == ShipFormat::NamedKeys) return READ_NAMED_SHIP(text, file_name, validate);
  std::istringstream data{std::string(text)};
  return READ_SHIP_DATA(data, file_name);
}

ReadResult READ_SHIP(const std::filesystem::path& path) {
  std::error_code ec;
  std::ifstream file;
  if (std::filesystem::is_regular_file(path, ec)) file.open(path, std::ios::binary);
  if (!file.is_open()) return NOT_OPENED(path);
  std::ostringstream text;
  text << file.rdbuf();
  const ShipFormat format = SHIP_FORMAT_OF(path);
  ReadResult r = READ_SHIP_TEXT(text.str(), format, path.string(), true);
  if (!r.stop && format == ShipFormat::DataFile) {
    const ValidationResult v = VALIDATE_SHIP_DATA(r.ship);
    if (v.stop) {
      r.stop = v.stop;
      r.message_lines.insert(r.message_lines.end(), v.message_lines.begin(), v.message_lines.end());
      r.english = "data file " + path.string() + ": " + v.english;
      r.key = v.symbol;
    }
  }
  return r;
}

std::vector<std::string> STANDARD_COMMENTS(std::string_view name) {
  std::vector<std::string> lines(std::begin(kStandardComments), std::end(kStandardComments));
  std::string box = "*  " + std::string(name);
  if (box.size() < 64) box.resize(64, ' ');
  lines[kNameLine] = box + "*";
  return lines;
}

std::string DATA_FILE_TEXT(const ShipRecord& s, std::span<const std::string> comments) {
  const std::vector<std::string> standard = STANDARD_COMMENTS(s.name);
  if (comments.empty()) comments = standard;
  std::string text;
  std::size_t next = 0;
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
    for (int k = 0; k < g.comment_lines; ++k, ++next) {
      std::string line = next < comments.size() ? comments[next] : std::string();
      line.erase(line.find_last_not_of(' ') + 1);
      text += line + "\n";
    }
    std::string values;
    auto add = [&values](const std::string& v) { values += (values.empty() ? "" : "  ") + v; };
    switch (g.shape) {
      case GroupShape::Heading:
        continue;
      case GroupShape::Values:
        for (const ShipField& f : g.fields)
          add(f.kind == FieldKind::Int ? std::to_string(s.*f.integer) : SHORTEST_FLOAT(s.*f.real));
        break;
      case GroupShape::SpeedList:
        add(std::to_string(s.NSPEED));
        for (int i = 1; i <= s.NSPEED; ++i) add(SHORTEST_FLOAT(s.Vs(i)));
        break;
      case GroupShape::Appendage:
        add(SHORTEST_FLOAT(s.Sapp(g.appendage)));
        add(SHORTEST_FLOAT(s.OnePlusK2Given(g.appendage)));
        break;
      case GroupShape::ShaftHeight:
        add(SHORTEST_FLOAT(s.ShaftHeight));
        break;
      case GroupShape::Corrections:
        add(std::to_string(s.NCORR));
        for (int i = 1; i <= s.NCORR; ++i) add(SHORTEST_FLOAT(s.Fcorr(i)));
        break;
    }
    text += values + "\n";
  }
  return text;
}

std::string NAMED_SHIP_TEXT(const ShipRecord& ship, std::span<const std::string> data_comments) {
  return NamedWriter(ship, data_comments, false).text();
}

ShipRecord EXAMPLE_SHIP() {
  ShipRecord s;
  s.name = "Example cargo liner, 205 m, single screw";
  s.RHO = 1025.0f;
  s.GRAV = 9.81f;
  s.Lwl = 205.0f;
  s.Lbp = 205.0f;
  s.B = 32.0f;
  s.Tf = 10.0f;
  s.Ta = 10.0f;
  s.V = 37500.0f;
  s.LCB = -1.5375f;
  s.ABT = 20.0f;
  s.HB = 4.0f;
  s.AT = 16.0f;
  s.Cm = 0.98f;
  s.Cwp = 0.75f;
  s.Cstern = 10.0f;
  s.ModelScale = 25.0f;
  s.ModelWaterTemp = 15.0f;
  s.NSPEED = 7;
  for (int i = 1; i <= 7; ++i) s.Vs(i) = 20.0f + static_cast<float>(i);
  s.Vtrial = 25.0f;
  s.Sapp(2) = 50.0f;
  s.OnePlusK2Given(2) = 1.5f;
  s.D = 6.5f;
  s.NPROP = 1;
  s.SERIES = 1;
  s.MCR = 0.85f;
  s.SeaMargin = 0.15f;
  s.etas = 0.98f;
  s.FFDF = s.CFw = s.CFt = s.CFetaR = 1.0f;
  DERIVE_SHIP(s);
  return s;
}

std::string SHIP_TEMPLATE() {
  return NamedWriter(EXAMPLE_SHIP(), {}, true).text();
}

Conversion CONVERT_SHIP(const std::filesystem::path& in, const std::filesystem::path& out) {
  Conversion c;
  c.read = READ_SHIP(in);
  if (c.read.stop) return c;
  const bool from_data = SHIP_FORMAT_OF(in) == ShipFormat::DataFile;
  if (SHIP_FORMAT_OF(out) == ShipFormat::DataFile) {
    c.text = DATA_FILE_TEXT(c.read.ship, from_data ? std::span<const std::string>(c.read.comments)
                                                   : std::span<const std::string>());
    return c;
  }
  // A data file names no ship: the first of its top comment lines that says
  // something stands in for the name, else the new file's name.
  if (c.read.ship.name.empty() && from_data) {
    const int top = SHIP_FILE_GROUPS()[0].comment_lines;
    for (int k = 0; k < top && k < static_cast<int>(c.read.comments.size()); ++k)
      if (SAYS_SOMETHING(c.read.comments[static_cast<std::size_t>(k)],
                         static_cast<std::size_t>(k))) {
        c.read.ship.name = std::string(BARE(c.read.comments[static_cast<std::size_t>(k)]));
        break;
      }
  }
  if (c.read.ship.name.empty()) c.read.ship.name = out.stem().string();
  c.text = NAMED_SHIP_TEXT(c.read.ship, from_data ? std::span<const std::string>(c.read.comments)
                                                  : std::span<const std::string>());
  // A value the named-key file does not accept (outside a key's allowed range)
  // is refused here, not found when the new file is first run.
  const ReadResult back = READ_NAMED_SHIP(c.text, out.string());
  if (back.stop) {
    c.read.stop = back.stop;
    c.read.key = back.key;
    c.read.message_lines = {"", " " + in.string() + " ADLANDIRILMIS ANAHTARLARLA YAZILAMIYOR:"};
    c.read.message_lines.insert(c.read.message_lines.end(), back.message_lines.begin() + 1,
                                back.message_lines.end());
    const std::size_t what = back.english.find(": ");
    c.read.english = in.string() + ": cannot be written with named keys: " +
                     back.english.substr(what == std::string::npos ? 0 : what + 2);
    c.text.clear();
  }
  return c;
}

}  // namespace vdk
