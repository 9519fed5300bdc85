#include "support/test_support.hpp"

#include <atomic>
#include <charconv>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "format/format.hpp"

namespace vdk::test {

namespace fs = std::filesystem;

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

}  // namespace

std::string ship_file_text(const ShipFile& f) {
  const ShipRecord& s = f.ship;
  std::ostringstream o;
  auto c = [&](std::string_view text) { o << text << '\n'; };
  auto v = [&](std::initializer_list<std::string> values) {
    bool first = true;
    for (const std::string& x : values) {
      o << (first ? "" : "  ") << x;
      first = false;
    }
    o << '\n';
  };
  // Group 1: 13 comment lines, then RHO, GRAV
  c("*****************************************************************");
  c("*  VARDELONTEKSA - GEMI VERI DOSYASI (ship data file)           *");
  c("*  Every value line is preceded by its comment lines; comments  *");
  c("*  are copied to VARDELONTEKSA.CRL and never interpreted.       *");
  c("*  Values are free format: blanks or commas between numbers,    *");
  c("*  text after the needed numbers on a value line is ignored.    *");
  c("*  Units: m, m2, m3, kg/m3, m/s2; speeds in knots.              *");
  c("*                                                               *");
  c("*  Example ship: 205 m single-screw cargo liner, 25 knots trial *");
  c("*****************************************************************");
  c("");
  c("Water density RHO (kg/m3) and gravity GRAV (m/s2)");
  c("  RHO      GRAV");
  v({num(s.RHO), num(s.GRAV)});
  c("Waterline length Lwl (m)");
  v({num(s.Lwl)});
  c("Length between perpendiculars Lbp (m)");
  v({num(s.Lbp)});
  c("Moulded breadth B (m)");
  v({num(s.B)});
  c("Draught forward Tf and aft Ta (m)");
  v({num(s.Tf), num(s.Ta)});
  c("Displacement volume V (m3)");
  v({num(s.V)});
  c("LCB (m) from Lbp/2, positive forward");
  v({num(s.LCB)});
  c("Bulb transverse area ABT (m2) at the FP, 0 = no bulb");
  v({num(s.ABT)});
  c("Height HB (m) of the centroid of ABT above the base line");
  v({num(s.HB)});
  c("Immersed transom area AT (m2), 0 = none");
  v({num(s.AT)});
  c("Midship section coefficient Cm, waterplane coefficient Cwp");
  v({num(s.Cm), num(s.Cwp)});
  c("Stern shape parameter Cstern:");
  c("   -25  pram with gondola");
  c("   -10  V-shaped sections");
  c("     0  normal section shape");
  c("    10  U-shaped sections with Hogner stern");
  c("Cstern");
  v({num(s.Cstern)});
  c("Half angle of entrance IE (degrees), below 1 = estimate it");
  v({num(s.IE)});
  c("Wetted surface S without appendages (m2), below 1 = estimate it");
  v({num(s.S)});
  c("Model scale (ship length / model length), 0 = no model values;");
  c("water temperature of the model test (deg C, 0..30)");
  c("  ModelScale  ModelWaterTemp");
  v({num(s.ModelScale), num(s.ModelWaterTemp)});
  c("Wind resistance: depth at the FP DepthFP (m) and frontal area");
  c("ONYUZ (m2) of deckhouses and deck cargo; 0 switches wind off");
  c("  DepthFP  ONYUZ");
  v({num(s.DepthFP), num(s.ONYUZ)});
  c("Number of speeds NSPEED (at most 50), then the speeds (knots), ascending");
  {
    o << s.NSPEED;
    for (int i = 1; i <= s.NSPEED; ++i) o << "  " << num(s.Vs(i));
    o << '\n';
  }
  c("Trial speed Vtrial (knots), one of the speeds above");
  v({num(s.Vtrial)});
  c("Appendages: wetted area Sapp (m2, 0 = not fitted) and (1+k2)");
  c("(0 = the program's default form factor of that appendage kind)");
  c("  Sapp  (1+k2)");
  static constexpr const char* kinds[NUM_APPENDAGES] = {"1  rudder behind skeg",
                                                        "2  rudder behind stern (single screw)",
                                                        "3  twin-screw balance rudders",
                                                        "4  shaft brackets",
                                                        "5  skeg",
                                                        "6  strut bossings",
                                                        "7  hull bossings",
                                                        "8  shafts",
                                                        "9  stabilizer fins",
                                                        "10 sonar dome",
                                                        "11 bilge keels"};
  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    c(kinds[i - 1]);
    v({num(s.Sapp(i)), num(f.k2_given(i))});
  }
  c("Bow thruster tunnels: number of openings NBT (integer)");
  c("and tunnel diameter DBT (m)");
  c("  NBT  DBT");
  o << s.NBT << "  " << num(s.DBT) << '\n';
  c("Propeller data. Give D, N, P/D as follows (0 = not given):");
  c("  D only       : optimum rpm and P/D are searched (Kt/J^2)");
  c("  N only       : optimum diameter and P/D are searched (Kt/J^4)");
  c("  D and N      : the P/D giving the required thrust is found");
  c("  D, N and P/D : the operating point of that propeller");
  c("  neither D nor N: resistance only");
  c("");
  c("Propeller diameter D (m)");
  v({num(s.D)});
  c("Propeller revolutions N (rpm)");
  v({num(s.N)});
  c("Pitch ratio P/D");
  v({num(s.PD)});
  c("Shaft centre height above the base line (m);");
  c("0 = 0.32 Ta");
  v({num(f.shaft_height)});
  c("Controllable-pitch propeller: 1 = yes,");
  c("0 = fixed pitch");
  v({num(s.CPPropeller)});
  c("Number of propellers NPROP, open-water series SERIES");
  c("(1 = Wageningen B, 2 = Gawn), podded drive IPOD (1 = pod,");
  c("0 = shaft line); three integers");
  c("  NPROP  SERIES  IPOD");
  o << s.NPROP << "  " << s.SERIES << "  " << s.IPOD << '\n';
  c("Engine load MCR as a fraction of the maximum continuous rating");
  v({num(s.MCR)});
  c("Sea margin as a fraction (0.15 = 15 %)");
  v({num(s.SeaMargin)});
  c("Shaft transmission efficiency etas");
  v({num(s.etas)});
  c("Correction factors:");
  c("  FFDF   on the form factor (1+k); below 0.05 sets (1+k) = 1");
  c("  CFw    on the wake fraction w");
  c("  CFt    on the thrust deduction t");
  c("  CFetaR on the relative rotative efficiency");
  c("  FFDF  CFw  CFt  CFetaR");
  v({num(s.FFDF), num(s.CFw), num(s.CFt), num(s.CFetaR)});
  c("Hull roughness: 0 = Holtrop's correlation allowance;");
  c("between 0 and 1 = CA*1000 given directly; above 1 = roughness");
  c("in micrometres (ITTC formula)");
  v({num(s.Roughness)});
  c("Wave-resistance correction factors: their number NCORR");
  c("(0 = no correction, or 2 to 10), then the factors, which apply");
  c("at NCORR equally spaced speeds from the first to the last speed.");
  c("A factor multiplies the residual resistance coefficient CR at");
  c("its speed; factors in between are interpolated.");
  c("");
  c("");
  c("  NCORR  Fcorr(1) .. Fcorr(NCORR)");
  o << s.NCORR;
  for (int i = 1; i <= s.NCORR; ++i) o << "  " << num(s.Fcorr(i));
  o << '\n';
  return o.str();
}

}  // namespace vdk::test
