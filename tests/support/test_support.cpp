#include "support/test_support.hpp"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "format/format.hpp"
#include "input/ship_file_layout.hpp"

namespace vdk::test {

namespace fs = std::filesystem;

fs::path source_dir() {
  return fs::path(VDK_SOURCE_DIR);
}

fs::path regression_root() {
  return source_dir() / "tests" / "regression";
}

std::vector<std::string> regression_cases() {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(regression_root(), ec))
    if (entry.is_directory() && fs::exists(entry.path() / "answers.txt"))
      names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> case_options(const std::string& name) {
  std::vector<std::string> words;
  std::istringstream in(read_file(regression_root() / name / "options.txt"));
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::vector<std::string> case_inputs(const std::string& name) {
  std::vector<std::string> files;
  for (const auto& e : fs::directory_iterator(regression_root() / name)) {
    const std::string f = e.path().filename().string();
    if (e.is_regular_file() && f != "answers.txt" && f != "options.txt") files.push_back(f);
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::string case_data_file(const std::string& name) {
  const std::vector<std::string> words = case_options(name);
  for (std::size_t k = 0; k + 1 < words.size(); ++k)
    if (words[k] == "--data") return words[k + 1];
  return "VARDELONTEKSA.TSK";
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path p = fs::temp_directory_path() /
                 ("vdk-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    if (fs::create_directory(p)) {
      path = p;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path, ec);
}

std::string read_file(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) return {};
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void write_file(const fs::path& p, std::string_view text) {
  std::ofstream f(p, std::ios::binary | std::ios::trunc);
  f << text;
}

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

ShipFile worked_example() {
  ShipFile f;
  ShipRecord& s = f.ship;
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
  s.IE = 0.0f;
  s.S = 0.0f;
  s.ModelScale = 25.0f;
  s.ModelWaterTemp = 15.0f;
  s.DepthFP = 0.0f;
  s.ONYUZ = 0.0f;
  s.NSPEED = 7;
  for (int i = 1; i <= 7; ++i) s.Vs(i) = 20.0f + static_cast<float>(i);
  s.Vtrial = 25.0f;
  s.Sapp(2) = 50.0f;
  f.k2_given(2) = 1.5f;
  s.NBT = 0;
  s.DBT = 0.0f;
  s.D = 6.5f;
  s.N = 0.0f;
  s.PD = 0.0f;
  f.shaft_height = 0.0f;
  s.CPPropeller = 0.0f;
  s.NPROP = 1;
  s.SERIES = 1;
  s.IPOD = 0;
  s.MCR = 0.85f;
  s.SeaMargin = 0.15f;
  s.etas = 0.98f;
  s.FFDF = 1.0f;
  s.CFw = 1.0f;
  s.CFt = 1.0f;
  s.CFetaR = 1.0f;
  s.Roughness = 0.0f;
  s.NCORR = 0;
  return f;
}

namespace {

// Shortest decimal text that reads back as the same float.
std::string num(float v) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

// The comment lines of the example data file, group after group; the file
// layout says how many of them stand before each group's values.
constexpr std::string_view kComments[] = {
    // Group 1: RHO, GRAV
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
    // Groups 2..11
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
    // Group 12
    "Stern shape parameter Cstern:",
    "   -25  pram with gondola",
    "   -10  V-shaped sections",
    "     0  normal section shape",
    "    10  U-shaped sections with Hogner stern",
    "Cstern",
    // Groups 13..16
    "Half angle of entrance IE (degrees), below 1 = estimate it",
    "Wetted surface S without appendages (m2), below 1 = estimate it",
    "Model scale (ship length / model length), 0 = no model values;",
    "water temperature of the model test (deg C, 0..30)",
    "  ModelScale  ModelWaterTemp",
    "Wind resistance: depth at the FP DepthFP (m) and frontal area",
    "ONYUZ (m2) of deckhouses and deck cargo; 0 switches wind off",
    "  DepthFP  ONYUZ",
    // Groups 17, 18
    "Number of speeds NSPEED (at most 50), then the speeds (knots), ascending",
    "Trial speed Vtrial (knots), one of the speeds above",
    // Group 19 (heading) and the appendage groups 20..30
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
    // Group 31
    "Bow thruster tunnels: number of openings NBT (integer)",
    "and tunnel diameter DBT (m)",
    "  NBT  DBT",
    // Groups 32..36
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
    // Group 37
    "Number of propellers NPROP, open-water series SERIES",
    "(1 = Wageningen B, 2 = Gawn), podded drive IPOD (1 = pod,",
    "0 = shaft line); three integers",
    "  NPROP  SERIES  IPOD",
    // Groups 38..40
    "Engine load MCR as a fraction of the maximum continuous rating",
    "Sea margin as a fraction (0.15 = 15 %)",
    "Shaft transmission efficiency etas",
    // Group 41
    "Correction factors:",
    "  FFDF   on the form factor (1+k); below 0.05 sets (1+k) = 1",
    "  CFw    on the wake fraction w",
    "  CFt    on the thrust deduction t",
    "  CFetaR on the relative rotative efficiency",
    "  FFDF  CFw  CFt  CFetaR",
    // Group 42
    "Hull roughness: 0 = Holtrop's correlation allowance;",
    "between 0 and 1 = CA*1000 given directly; above 1 = roughness",
    "in micrometres (ITTC formula)",
    // Group 43
    "Wave-resistance correction factors: their number NCORR",
    "(0 = no correction, or 2 to 10), then the factors, which apply",
    "at NCORR equally spaced speeds from the first to the last speed.",
    "A factor multiplies the residual resistance coefficient CR at",
    "its speed; factors in between are interpolated.",
    "",
    "",
    "  NCORR  Fcorr(1) .. Fcorr(NCORR)",
};

// The value line of one group as a person types it: the values two blanks apart.
std::string value_line(const ShipFile& f, const ShipFileGroup& g) {
  const ShipRecord& s = f.ship;
  std::vector<std::string> values;
  auto field = [&](const ShipField& x) {
    values.push_back(x.kind == FieldKind::Int ? std::to_string(s.*x.integer) : num(s.*x.real));
  };
  switch (g.shape) {
    case GroupShape::Heading:
      break;
    case GroupShape::Values:
      for (const ShipField& x : g.fields) field(x);
      break;
    case GroupShape::SpeedList:
      field(g.fields[0]);
      for (int i = 1; i <= s.NSPEED; ++i) values.push_back(num(s.Vs(i)));
      break;
    case GroupShape::Appendage:
      values = {num(s.Sapp(g.appendage)), num(f.k2_given(g.appendage))};
      break;
    case GroupShape::ShaftHeight:
      values = {num(f.shaft_height)};
      break;
    case GroupShape::Corrections:
      field(g.fields[0]);
      for (int i = 1; i <= s.NCORR; ++i) values.push_back(num(s.Fcorr(i)));
      break;
  }
  std::string line;
  for (const std::string& v : values) line += (line.empty() ? "" : "  ") + v;
  return line;
}

}  // namespace

std::string ship_file_text(const ShipFile& f) {
  std::string text;
  std::size_t comment = 0;
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
    for (int k = 0; k < g.comment_lines; ++k) {
      if (comment == std::size(kComments)) throw std::logic_error("too few comment lines");
      text += std::string(kComments[comment++]) + '\n';
    }
    if (g.shape != GroupShape::Heading) text += value_line(f, g) + '\n';
  }
  if (comment != std::size(kComments)) throw std::logic_error("too many comment lines");
  return text;
}

}  // namespace vdk::test
