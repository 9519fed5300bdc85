#include "input/read_ship_data.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "core/stop.hpp"
#include "format/format.hpp"

namespace vdk {

void ASSIGN_APPENDAGE_NAMES(ShipRecord& ship) {
  static constexpr const char* kNames[NUM_APPENDAGES] = {"SKEG ARKASINDAKI DUMEN",
                                                         "TEK PERVANELI GEMI DUMENI",
                                                         "CIFT PERVANELI GEMI DUMENI",
                                                         "SAFT BRAKETLERI",
                                                         "SKEG",
                                                         "STRUT BOSALARI",
                                                         "BOSALAR",
                                                         "SAFTLAR",
                                                         "STABILIZER FINLERI",
                                                         "SONAR DOMU",
                                                         "YALPA OMURGASI"};
  static constexpr float kDefaults[NUM_APPENDAGES] = {1.75f, 1.4f, 2.8f, 3.0f, 1.75f, 3.0f,
                                                      2.0f,  3.0f, 2.8f, 2.7f, 1.4f};
  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    std::string name = kNames[i - 1];
    name.resize(30, ' ');
    ship.AppendageName(i) = name;
    ship.OnePlusK2(i) = kDefaults[i - 1];
  }
}

namespace {

bool is_sep(char c) {
  return c == ' ' || c == ',' || c == '\t';
}

// The token as it can be shown on a console: control bytes as \xNN.
std::string printable(std::string_view tok) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (char ch : tok) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b == 0x7F) {
      out += "\\x";
      out += kHex[b >> 4];
      out += kHex[b & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

// Line-oriented reader of the data file with the echo and the error messages.
class DataReader {
 public:
  DataReader(std::istream& data, std::ostream& echo, std::ostream& con, std::string_view file)
      : data_(data), echo_(echo), con_(con), file_(file) {}

  void group(int g) { group_ = g; }

  // One comment line: its first 80 characters, blank-padded, echoed with (A80).
  void comment() {
    std::string line;
    if (!next_line(line)) fail_eof("ACIKLAMA SATIRI");
    std::string text = line.substr(0, std::min<std::size_t>(80, line.size()));
    // A UTF-8 letter cut by the 80-column limit is left out whole.
    if (line.size() > 80) {
      std::size_t keep = 80;
      while (keep > 0 && (static_cast<unsigned char>(line[keep]) & 0xC0) == 0x80) --keep;
      text.resize(keep);
    }
    text.resize(80, ' ');
    WRITE_FORMATTED(echo_, "(A80)", text);
  }
  void comments(int n) {
    for (int k = 0; k < n; ++k) comment();
  }

  // A group: its comment lines, then a list-directed read on a fresh line.
  void start(int g, int ncomments) {
    group(g);
    comments(ncomments);
    begin_values();
  }

  // Starts a list-directed read on a fresh line.
  void begin_values() {
    tokens_.clear();
    next_token_ = 0;
  }
  float real(std::string_view field) {
    std::string tok = token(field);
    std::optional<float> v = PARSE_LIST_REAL(tok);
    if (!v) fail_value(field, tok, "SAYI");
    return *v;
  }
  int integer(std::string_view field) {
    std::string tok = token(field);
    std::optional<int> v = PARSE_LIST_INT(tok);
    if (!v) fail_value(field, tok, "TAMSAYI");
    return *v;
  }

  [[noreturn]] void fail(std::string_view what) {
    std::ostringstream msg;
    msg << " VERI DOSYASI HATASI - " << file_ << ", SATIR " << line_no_ << ", GRUP " << group_
        << ": " << what;
    WRITE_LIST(con_);
    con_ << msg.str() << '\n';
    STOP(EXIT_BAD_INPUT);
  }

 private:
  // One line; LF, CR LF and a lone CR (old editors) all end a line.
  bool next_line(std::string& line) {
    line.clear();
    int c = data_.get();
    if (c == std::char_traits<char>::eof()) return false;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
      line.push_back(static_cast<char>(c));
      c = data_.get();
    }
    if (c == '\r' && data_.peek() == '\n') data_.get();
    ++line_no_;
    if (line_no_ == 1) {
      // A byte-order mark that an editor put at the start of the file.
      if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
      if (line.rfind("\xFF\xFE", 0) == 0 || line.rfind("\xFE\xFF", 0) == 0)
        fail("DOSYA UTF-16 KODLU; ASCII VEYA UTF-8 OLARAK KAYDEDILMELI");
    }
    return true;
  }

  std::string token(std::string_view field) {
    while (next_token_ >= tokens_.size()) {
      std::string line;
      if (!next_line(line)) fail_eof(field);
      tokens_.clear();
      next_token_ = 0;
      std::size_t i = 0;
      while (i < line.size()) {
        while (i < line.size() && is_sep(line[i])) ++i;
        std::size_t j = i;
        while (j < line.size() && !is_sep(line[j])) ++j;
        if (j > i) tokens_.push_back(line.substr(i, j - i));
        i = j;
      }
    }
    return tokens_[next_token_++];
  }

  [[noreturn]] void fail_eof(std::string_view field) {
    std::ostringstream msg;
    msg << "DOSYA BEKLENENDEN ONCE BITTI (" << field << " BEKLENIYORDU)";
    fail(msg.str());
  }
  [[noreturn]] void fail_value(std::string_view field, std::string_view tok,
                               std::string_view kind) {
    std::ostringstream msg;
    msg << field << " ICIN " << kind << " BEKLENIYORDU, OKUNAN: '" << printable(tok) << "'";
    fail(msg.str());
  }

  std::istream& data_;
  std::ostream& echo_;
  std::ostream& con_;
  std::string file_;
  int group_ = 0;
  int line_no_ = 0;
  std::vector<std::string> tokens_;
  std::size_t next_token_ = 0;
};

}  // namespace

std::optional<float> PARSE_LIST_REAL(std::string_view token) {
  if (token.empty() || token.size() > 64) return std::nullopt;
  std::string s(token);
  // Fortran exponent letters D and Q read like E.
  for (char& c : s)
    if (c == 'd' || c == 'D' || c == 'q' || c == 'Q') c = 'E';
  // Only plain decimal numerals: sign, digits, one point, exponent.
  std::size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t ed = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++ed;
    if (ed == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  errno = 0;
  float v = std::strtof(s.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int> PARSE_LIST_INT(std::string_view token) {
  if (token.empty() || token.size() > 11) return std::nullopt;
  std::size_t i = 0;
  bool neg = false;
  if (token[0] == '+' || token[0] == '-') {
    neg = token[0] == '-';
    ++i;
  }
  if (i == token.size()) return std::nullopt;
  long long v = 0;
  for (; i < token.size(); ++i) {
    if (token[i] < '0' || token[i] > '9') return std::nullopt;
    v = v * 10 + (token[i] - '0');
  }
  if (neg) v = -v;
  if (v < -2147483647LL || v > 2147483647LL) return std::nullopt;
  return static_cast<int>(v);
}

std::optional<float> READ_CONSOLE_REAL(std::istream& in) {
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t i = 0;
    while (i < line.size() && is_sep(line[i])) ++i;
    if (i == line.size()) continue;  // a list-directed read goes on to the next line
    std::size_t j = i;
    while (j < line.size() && !is_sep(line[j])) ++j;
    // "0,85" is a decimal comma, not two values: refused rather than read as 0.
    auto digit = [](char ch) { return ch >= '0' && ch <= '9'; };
    if (j + 1 < line.size() && line[j] == ',' && digit(line[j - 1]) && digit(line[j + 1]))
      return std::nullopt;
    return PARSE_LIST_REAL(std::string_view(line).substr(i, j - i));
  }
  return std::nullopt;
}

void READ_SHIP_DATA(std::istream& data, std::ostream& echo, std::ostream& con, ShipRecord& s,
                    std::string_view file_name) {
  DataReader r(data, echo, con, file_name);
  auto one = [&](int g, int ncomments, float& v, std::string_view name) {
    r.start(g, ncomments);
    v = r.real(name);
    WRITE_FORMATTED(echo, "(F8.3)", v);
  };
  auto two = [&](int g, int ncomments, float& a, std::string_view na, float& b,
                 std::string_view nb) {
    r.start(g, ncomments);
    a = r.real(na);
    b = r.real(nb);
    WRITE_FORMATTED(echo, "(2F8.3)", a, b);
  };

  r.start(1, 13);
  s.RHO = r.real("RHO");
  s.GRAV = r.real("GRAV");
  WRITE_FORMATTED(echo, "(F7.2,2X,F7.4)", s.RHO, s.GRAV);

  one(2, 1, s.Lwl, "Lwl");
  one(3, 1, s.Lbp, "Lbp");
  one(4, 1, s.B, "B");
  two(5, 1, s.Tf, "Tf", s.Ta, "Ta");
  r.start(6, 1);
  s.V = r.real("V");
  WRITE_FORMATTED(echo, "(F10.3)", s.V);
  one(7, 1, s.LCB, "LCB");
  one(8, 1, s.ABT, "ABT");
  one(9, 1, s.HB, "HB");
  one(10, 1, s.AT, "AT");
  two(11, 1, s.Cm, "Cm", s.Cwp, "Cwp");
  one(12, 6, s.Cstern, "Cstern");
  one(13, 1, s.IE, "IE");
  one(14, 1, s.S, "S");
  two(15, 3, s.ModelScale, "ModelScale", s.ModelWaterTemp, "ModelWaterTemp");
  two(16, 3, s.DepthFP, "DepthFP", s.ONYUZ, "ONYUZ");

  r.start(17, 1);
  s.NSPEED = r.integer("NSPEED");
  if (s.NSPEED < 1 || s.NSPEED > MAX_SPEEDS)
    r.fail("HIZ SAYISI NSPEED = " + std::to_string(s.NSPEED) + " - 1 ILE 50 ARASINDA OLMALI");
  std::vector<Item> speeds{Item(s.NSPEED)};
  for (int i = 1; i <= s.NSPEED; ++i) {
    s.Vs(i) = r.real("Vs(" + std::to_string(i) + ")");
    speeds.emplace_back(s.Vs(i));
  }
  WRITE_FORMATTED(echo, "(I3,50F8.3)", speeds);

  one(18, 1, s.Vtrial, "Vtrial");
  if (s.Vs(s.NSPEED) < s.Vtrial || s.Vs(1) > s.Vtrial) {
    WRITE_FORMATTED(con, "(4/5X,'**** DATA GIRISI HATASI ****')");
    WRITE_FORMATTED(con, "(4X,'SEYIR HIZI Vtrial = ', F6.2,' knots')", s.Vtrial);
    WRITE_FORMATTED(con, "(4X,'Vs(1)=',F6.2,' --- Vs(n)=',F6.2, ' knots')", s.Vs(1),
                    s.Vs(s.NSPEED));
    WRITE_FORMATTED(con, "(4X,'GIRILEN HIZ ARALIGI DISINDA GIRILDI - STOP')");
    WRITE_LIST(con);
    WRITE_LIST(con);
    STOP(EXIT_BAD_INPUT);
  }

  r.group(19);
  r.comments(3);

  for (int i = 1; i <= NUM_APPENDAGES; ++i) {
    float given = 0;
    two(19 + i, 1, s.Sapp(i), "Sapp(" + std::to_string(i) + ")", given,
        "(1+k2)(" + std::to_string(i) + ")");
    if (std::fabs(given) > 0.001f) s.OnePlusK2(i) = given;
  }

  r.start(31, 3);
  s.NBT = r.integer("NBT");
  s.DBT = r.real("DBT");
  WRITE_FORMATTED(echo, "(I4,2X,F8.3)", s.NBT, s.DBT);

  one(32, 8, s.D, "D");
  one(33, 1, s.N, "N");
  one(34, 1, s.PD, "PD");
  s.NoDN = (std::fabs(s.D) < 0.001f && std::fabs(s.N) < 0.001f) ? 1 : 0;

  float h = 0;
  one(35, 2, h, "Hsd");
  if (std::fabs(h) < 0.01f) h = 0.32f * s.Ta;
  s.Hsd = s.Ta - h;

  one(36, 2, s.CPPropeller, "CPPropeller");

  r.start(37, 4);
  s.NPROP = r.integer("NPROP");
  s.SERIES = r.integer("SERIES");
  s.IPOD = r.integer("IPOD");
  WRITE_FORMATTED(echo, "(3I4)", s.NPROP, s.SERIES, s.IPOD);

  one(38, 1, s.MCR, "MCR");
  one(39, 1, s.SeaMargin, "SeaMargin");
  one(40, 1, s.etas, "etas");

  r.start(41, 6);
  s.FFDF = r.real("FFDF");
  s.CFw = r.real("CFw");
  s.CFt = r.real("CFt");
  s.CFetaR = r.real("CFetaR");
  WRITE_FORMATTED(echo, "(4F8.3)", s.FFDF, s.CFw, s.CFt, s.CFetaR);

  r.start(42, 3);
  s.Roughness = r.real("Roughness");
  WRITE_FORMATTED(echo, "(F8.1,A)", s.Roughness, " Micron");

  r.start(43, 8);
  s.NCORR = r.integer("NCORR");
  if (s.NCORR < 0 || s.NCORR == 1 || s.NCORR > MAX_CORR)
    r.fail("DUZELTME FAKTORU SAYISI NCORR = " + std::to_string(s.NCORR) +
           " - 0 VEYA 2 ILE 10 ARASINDA OLMALI");
  for (int i = 1; i <= s.NCORR; ++i) s.Fcorr(i) = r.real("Fcorr(" + std::to_string(i) + ")");
  WRITE_FORMATTED(echo, "(A)", " Dalga Direnc Duzeltme Faktorleri");
  for (int i = 1; i <= s.NCORR; ++i) WRITE_FORMATTED(echo, "(I4,1X,F8.3)", i, s.Fcorr(i));
}

namespace {

[[noreturn]] void refuse(std::ostream& con, const std::string& what) {
  WRITE_LIST(con);
  con << " VERI HATASI - VARDELONTEKSA.TSK: " << what << '\n';
  STOP(EXIT_BAD_INPUT);
}

std::string show(float v) {
  return EDIT_REAL(v, 12, 4).substr(EDIT_REAL(v, 12, 4).find_first_not_of(' '));
}

}  // namespace

void VALIDATE_SHIP_DATA(const ShipRecord& s, std::ostream& con) {
  const std::pair<const char*, float> positive[] = {
      {"RHO", s.RHO}, {"GRAV", s.GRAV}, {"Lwl", s.Lwl}, {"Lbp", s.Lbp},
      {"B", s.B},     {"Tf", s.Tf},     {"Ta", s.Ta},   {"V", s.V}};
  for (const auto& [name, v] : positive)
    if (!(v > 0.0f)) refuse(con, std::string(name) + " = " + show(v) + " SIFIRDAN BUYUK OLMALI");
  if (!(s.Cm > 0.0f && s.Cm <= 1.0f))
    refuse(con, "Cm = " + show(s.Cm) + " 0 ILE 1 ARASINDA OLMALI (0 < Cm <= 1)");
  for (int i = 1; i <= s.NSPEED; ++i) {
    if (!(s.Vs(i) > 0.0f))
      refuse(con, "Vs(" + std::to_string(i) + ") = " + show(s.Vs(i)) + " SIFIRDAN BUYUK OLMALI");
    if (i > 1 && !(s.Vs(i) > s.Vs(i - 1)))
      refuse(con, "HIZLAR KUCUKTEN BUYUGE SIRALI OLMALI: Vs(" + std::to_string(i) +
                      ") = " + show(s.Vs(i)));
  }
  if (s.NoDN == 0) {
    if (s.NPROP < 1)
      refuse(con, "PERVANE SAYISI NPROP = " + std::to_string(s.NPROP) + " EN AZ 1 OLMALI");
    if (s.SERIES != 1 && s.SERIES != 2)
      refuse(con, "SERI SECIMI SERIES = " + std::to_string(s.SERIES) +
                      " 1 (WAGENINGEN B) VEYA 2 (GAWN) OLMALI");
    // The power chain divides by both.
    if (!(s.MCR > 0.0f)) refuse(con, "MAKINA YUKU MCR = " + show(s.MCR) + " SIFIRDAN BUYUK OLMALI");
    if (!(s.etas > 0.0f))
      refuse(con, "TRANSMISYON VERIMI etas = " + show(s.etas) + " SIFIRDAN BUYUK OLMALI");
    auto usable = [](float x) { return std::fabs(x) < 0.001f || x > 0.1f; };
    if (!usable(s.D))
      refuse(con, "PERVANE CAPI D = " + show(s.D) +
                      " - VERILMEYECEKSE 0, VERILECEKSE 0.1 DEN BUYUK OLMALI");
    if (!usable(s.N))
      refuse(con, "PERVANE DEVRI N = " + show(s.N) +
                      " - VERILMEYECEKSE 0, VERILECEKSE 0.1 DEN BUYUK OLMALI");
  }
}

}  // namespace vdk
