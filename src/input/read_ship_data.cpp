#include "input/read_ship_data.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "core/stop.hpp"
#include "format/format.hpp"
#include "format/text_fields.hpp"
#include "input/ship_file_layout.hpp"

namespace vdk {

namespace {

bool is_sep(char c) {
  return c == ' ' || c == ',' || c == '\t';
}

// The text written, cut into its lines (without the line ends).
std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

// What to do about a token that is not the number wanted.
std::string ADVICE(std::string_view tok, bool whole) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (std::size_t k = 1; k + 1 < tok.size(); ++k)
    if (tok[k] == ',' && digit(tok[k - 1]) && digit(tok[k + 1]))
      return "; use a decimal point, not a comma";
  if (whole && PARSE_LIST_REAL(tok)) return "; write it without a decimal point";
  return "; write the value alone, with a decimal point and without its unit";
}

std::string indexed(std::string_view symbol, int i) {
  return std::string(symbol) + "(" + std::to_string(i) + ")";
}

// Line-oriented reader of the data file with the echo of the comment lines.
// The first unusable line ends the reading: it records the stop and its
// message in the result, and every later read returns false.
class DataReader {
 public:
  DataReader(std::istream& data, std::ostream& echo, std::string_view file, ReadResult& result)
      : data_(data), echo_(echo), file_(file), result_(result) {}

  void group(int g) { group_ = g; }

  // `n` comment lines: the first 80 characters of each, blank-padded, echoed with (A80).
  bool comments(int n) {
    for (int k = 0; k < n; ++k) {
      std::string line;
      if (!next_line(line)) return fail_eof("ACIKLAMA SATIRI");
      std::string text = line.substr(0, std::min<std::size_t>(80, line.size()));
      // A UTF-8 letter cut by the 80-column limit is left out whole.
      if (line.size() > 80) {
        std::size_t keep = 80;
        while (keep > 0 && (static_cast<unsigned char>(line[keep]) & 0xC0) == 0x80) --keep;
        text.resize(keep);
      }
      text.resize(80, ' ');
      WRITE_FORMATTED(echo_, "(A80)", text);
      result_.comments.push_back(std::move(text));
    }
    return true;
  }

  // Starts a list-directed read on a fresh line.
  void begin_values() {
    tokens_.clear();
    next_token_ = 0;
    first_value_ = true;
  }
  // After the group's values: numbers still on its last value line were not
  // read. Text after the numbers is the writer's note and is passed over.
  void end_values() {
    std::string extra;
    for (std::size_t k = next_token_; k < tokens_.size(); ++k) {
      if (!PARSE_LIST_REAL(tokens_[k])) break;
      extra += (extra.empty() ? "" : " ") + tokens_[k];
    }
    if (!extra.empty())
      result_.ship.read_remarks.push_back(
          ReadRemark{ReadRemark::Kind::ExtraNumbers, line_no_, group_, extra});
  }
  bool real(std::string_view field, float& value) {
    std::string tok;
    if (!token(field, tok)) return false;
    std::optional<float> v = PARSE_LIST_REAL(tok);
    if (!v) return fail_value(field, tok, "SAYI");
    value = *v;
    return true;
  }
  bool integer(std::string_view field, int& value) {
    std::string tok;
    if (!token(field, tok)) return false;
    std::optional<int> v = PARSE_LIST_INT(tok);
    if (!v) return fail_value(field, tok, "TAMSAYI");
    value = *v;
    return true;
  }

  // Records the stop with its message, in Turkish for the console and in
  // English; returns false for the caller to pass on.
  bool fail(std::string_view what, std::string_view english) {
    std::ostringstream msg;
    msg << " VERI DOSYASI HATASI - " << file_ << ", SATIR " << line_no_ << ", GRUP " << group_
        << ": " << what;
    result_.stop = STOP_OF("E102");
    result_.message_lines = {"", msg.str()};
    result_.line = line_no_;
    result_.group = group_;
    result_.english = "data file " + file_ + ", line " + std::to_string(line_no_) + ", group " +
                      std::to_string(group_) + ": " + std::string(english);
    return false;
  }

 private:
  // One line; LF, CR LF and a lone CR (old editors) all end a line. False at
  // the end of the file and for a file that cannot be read as text.
  bool next_line(std::string& line) {
    line.clear();
    if (result_.stop) return false;
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
        return fail("DOSYA UTF-16 KODLU; ASCII VEYA UTF-8 OLARAK KAYDEDILMELI",
                    "the file is UTF-16 text; save it as ASCII or UTF-8");
    }
    return true;
  }

  bool token(std::string_view field, std::string& tok) {
    while (next_token_ >= tokens_.size()) {
      std::string line;
      if (!next_line(line)) return fail_eof(field);
      tokens_.clear();
      next_token_ = 0;
      remark_commas(line);
      std::size_t i = 0;
      while (i < line.size()) {
        while (i < line.size() && is_sep(line[i])) ++i;
        std::size_t j = i;
        while (j < line.size() && !is_sep(line[j])) ++j;
        if (j > i) tokens_.push_back(line.substr(i, j - i));
        i = j;
      }
      if (first_value_ && !tokens_.empty()) {
        first_value_ = false;
        result_.value_lines.resize(static_cast<std::size_t>(group_), 0);
        result_.value_lines[static_cast<std::size_t>(group_ - 1)] = line_no_;
      }
    }
    tok = tokens_[next_token_++];
    return true;
  }

  // A comma with a digit on each side on a value line: a decimal comma,
  // perhaps, that the list read takes as two values.
  void remark_commas(const std::string& line) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t k = 1; k + 1 < line.size(); ++k) {
      if (line[k] != ',' || !digit(line[k - 1]) || !digit(line[k + 1])) continue;
      std::size_t a = k, b = k;
      while (a > 0 && line[a - 1] != ' ' && line[a - 1] != '\t') --a;
      while (b < line.size() && line[b] != ' ' && line[b] != '\t') ++b;
      result_.ship.read_remarks.push_back(ReadRemark{ReadRemark::Kind::CommaBetweenDigits, line_no_,
                                                     group_,
                                                     PRINTABLE_TEXT(line.substr(a, b - a))});
      return;  // one remark a line is enough
    }
  }

  // The end of the file where `field` was due (a refused first line is already a stop).
  bool fail_eof(std::string_view field) {
    if (result_.stop) return false;
    std::ostringstream msg;
    msg << "DOSYA BEKLENENDEN ONCE BITTI (" << field << " BEKLENIYORDU)";
    return fail(msg.str(), "the file ends where " + std::string(field) +
                               " was due; every group needs its comment lines and its values");
  }
  bool fail_value(std::string_view field, std::string_view tok, std::string_view kind) {
    std::ostringstream msg;
    msg << field << " ICIN " << kind << " BEKLENIYORDU, OKUNAN: '" << PRINTABLE_TEXT(tok) << "'";
    const bool whole = kind == "TAMSAYI";
    return fail(msg.str(), std::string(field) + " must be " +
                               (whole ? "a whole number" : "a number") + ", read '" +
                               PRINTABLE_TEXT(tok) + "'" + ADVICE(tok, whole));
  }

  std::istream& data_;
  std::ostream& echo_;
  std::string file_;
  ReadResult& result_;
  int group_ = 0;
  int line_no_ = 0;
  std::vector<std::string> tokens_;
  std::size_t next_token_ = 0;
  bool first_value_ = false;  // the next value line read is the group's first
};

// Reads one field into its scalar of the record.
bool read_field(DataReader& r, const ShipField& f, ShipRecord& s) {
  if (f.kind == FieldKind::Int) return r.integer(f.symbol, s.*f.integer);
  return r.real(f.symbol, s.*f.real);
}

// The trial speed outside the speed range, in English.
std::string TRIAL_SPEED_ENGLISH(const ShipRecord& s) {
  auto kn = [](float v) {
    const std::string f = EDIT_REAL(v, 12, 2);
    return f.substr(f.find_first_not_of(' '));
  };
  return "the trial speed Vtrial = " + kn(s.Vtrial) + " kn lies outside the speed list (" +
         kn(s.Vs(1)) + " to " + kn(s.Vs(s.NSPEED)) + " kn): make it one of the listed speeds";
}

}  // namespace

void ECHO_GROUP_VALUES(std::ostream& echo, const ShipFileGroup& g, const ShipRecord& s) {
  std::vector<Item> items;
  switch (g.shape) {
    case GroupShape::Heading:
      return;
    case GroupShape::Values:
      for (const ShipField& f : g.fields) {
        if (f.kind == FieldKind::Int)
          items.emplace_back(s.*f.integer);
        else
          items.emplace_back(s.*f.real);
      }
      break;
    case GroupShape::SpeedList:
      items.emplace_back(s.NSPEED);
      for (int i = 1; i <= s.NSPEED; ++i) items.emplace_back(s.Vs(i));
      break;
    case GroupShape::Appendage:
      // The (1+k2) as given, not the default it may leave in use.
      items = {s.Sapp(g.appendage), s.OnePlusK2Given(g.appendage)};
      break;
    case GroupShape::ShaftHeight:
      items = {s.ShaftHeight};  // the height as given, not the immersion
      break;
    case GroupShape::Corrections:
      WRITE_FORMATTED(echo, "(A)", g.echo_heading);
      for (int i = 1; i <= s.NCORR; ++i) WRITE_FORMATTED(echo, g.echo_format, i, s.Fcorr(i));
      return;
  }
  if (!g.echo_heading.empty()) WRITE_FORMATTED(echo, "(A)", g.echo_heading);
  WRITE_FORMATTED(echo, g.echo_format, items);
}

std::string ECHO_LISTING(const ShipRecord& ship, std::span<const std::string> comments) {
  std::ostringstream echo;
  std::size_t next = 0;
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
    for (int k = 0; k < g.comment_lines; ++k, ++next) {
      std::string text = next < comments.size() ? comments[next] : std::string();
      text.resize(80, ' ');
      WRITE_FORMATTED(echo, "(A80)", text);
    }
    ECHO_GROUP_VALUES(echo, g, ship);
  }
  return echo.str();
}

namespace {

// The stop for a trial speed outside the speed range, with today's console lines.
void trial_speed_stop(const ShipRecord& s, std::optional<Stop>& stop,
                      std::vector<std::string>& message_lines) {
  std::string text = FORMAT_TO_STRING("(4/5X,'**** DATA GIRISI HATASI ****')");
  text += FORMAT_TO_STRING("(4X,'SEYIR HIZI Vtrial = ', F6.2,' knots')", s.Vtrial);
  text +=
      FORMAT_TO_STRING("(4X,'Vs(1)=',F6.2,' --- Vs(n)=',F6.2, ' knots')", s.Vs(1), s.Vs(s.NSPEED));
  text += FORMAT_TO_STRING("(4X,'GIRILEN HIZ ARALIGI DISINDA GIRILDI - STOP')");
  message_lines = lines_of(text);
  message_lines.insert(message_lines.end(), 2, "");
  stop = STOP_OF("E103");
}

// The check that follows the read of group `g`. False when the reading stops here.
bool apply_rule(const ShipFileGroup& g, ReadResult& result) {
  ShipRecord& s = result.ship;
  if (g.rule == GroupRule::TrialSpeedWithinSpeeds &&
      (s.Vs(s.NSPEED) < s.Vtrial || s.Vs(1) > s.Vtrial)) {
    trial_speed_stop(s, result.stop, result.message_lines);
    result.english = TRIAL_SPEED_ENGLISH(s);
    result.group = g.number;
    return false;
  }
  return true;
}

// One group of the file: its comment lines, its read, its echo and what follows
// from it. False when the reading stops here.
bool read_group(DataReader& r, const ShipFileGroup& g, std::ostream& echo, ReadResult& result) {
  ShipRecord& s = result.ship;
  r.group(g.number);
  if (!r.comments(g.comment_lines)) return false;
  if (g.shape == GroupShape::Heading) return true;
  r.begin_values();
  switch (g.shape) {
    case GroupShape::Heading:
      break;
    case GroupShape::Values:
      for (const ShipField& f : g.fields)
        if (!read_field(r, f, s)) return false;
      break;
    case GroupShape::SpeedList:
      if (!read_field(r, g.fields[0], s)) return false;
      if (s.NSPEED < 1 || s.NSPEED > MAX_SPEEDS)
        return r.fail(
            "HIZ SAYISI " + std::string(g.fields[0].symbol) + " = " + std::to_string(s.NSPEED) +
                " - 1 ILE 50 ARASINDA OLMALI",
            "the number of speeds NSPEED = " + std::to_string(s.NSPEED) + " must lie from 1 to 50");
      for (int i = 1; i <= s.NSPEED; ++i)
        if (!r.real(indexed(g.fields[1].symbol, i), s.Vs(i))) return false;
      break;
    case GroupShape::Appendage: {
      const int i = g.appendage;
      if (!r.real(indexed(g.fields[0].symbol, i), s.Sapp(i))) return false;
      if (!r.real(indexed(g.fields[1].symbol, i), s.OnePlusK2Given(i))) return false;
      break;
    }
    case GroupShape::ShaftHeight:
      if (!r.real(g.fields[0].symbol, s.ShaftHeight)) return false;
      break;
    case GroupShape::Corrections:
      if (!read_field(r, g.fields[0], s)) return false;
      if (s.NCORR < 0 || s.NCORR == 1 || s.NCORR > MAX_CORR)
        return r.fail("DUZELTME FAKTORU SAYISI " + std::string(g.fields[0].symbol) + " = " +
                          std::to_string(s.NCORR) + " - 0 VEYA 2 ILE 10 ARASINDA OLMALI",
                      "the number of wave-resistance correction factors NCORR = " +
                          std::to_string(s.NCORR) + " must be 0, or from 2 to 10");
      for (int i = 1; i <= s.NCORR; ++i)
        if (!r.real(indexed(g.fields[1].symbol, i), s.Fcorr(i))) return false;
      break;
  }
  r.end_values();
  ECHO_GROUP_VALUES(echo, g, s);
  return apply_rule(g, result);
}

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

ReadResult READ_SHIP_DATA(std::istream& data, std::string_view file_name) {
  ReadResult result;
  std::ostringstream echo;
  DataReader r(data, echo, file_name, result);
  int read_up_to = 0;
  for (const ShipFileGroup& g : SHIP_FILE_GROUPS()) {
    if (!read_group(r, g, echo, result)) break;
    read_up_to = g.number;
  }
  DERIVE_SHIP(result.ship, read_up_to);
  result.echo = echo.str();
  return result;
}

namespace {

std::string show(float v) {
  return EDIT_REAL(v, 12, 4).substr(EDIT_REAL(v, 12, 4).find_first_not_of(' '));
}

// A value the calculation cannot use: its symbol, and why in Turkish (as the
// console line says it) and in English.
struct Refusal {
  std::string symbol, turkish, english;
};

// What makes the record unusable for the calculation, the first such value found; nothing
// when every check passes.
std::optional<Refusal> first_refusal(const ShipRecord& s) {
  const std::pair<const char*, float> positive[] = {
      {"RHO", s.RHO}, {"GRAV", s.GRAV}, {"Lwl", s.Lwl}, {"Lbp", s.Lbp},
      {"B", s.B},     {"Tf", s.Tf},     {"Ta", s.Ta},   {"V", s.V}};
  for (const auto& [name, v] : positive)
    if (!(v > 0.0f))
      return Refusal{name, std::string(name) + " = " + show(v) + " SIFIRDAN BUYUK OLMALI",
                     std::string(name) + " = " + show(v) + " must be above zero"};
  if (!(s.Cm > 0.0f && s.Cm <= 1.0f))
    return Refusal{"Cm", "Cm = " + show(s.Cm) + " 0 ILE 1 ARASINDA OLMALI (0 < Cm <= 1)",
                   "the midship coefficient Cm = " + show(s.Cm) + " must lie in 0 < Cm <= 1"};
  for (int i = 1; i <= s.NSPEED; ++i) {
    const std::string vs = "Vs(" + std::to_string(i) + ")";
    if (!(s.Vs(i) > 0.0f))
      return Refusal{vs, vs + " = " + show(s.Vs(i)) + " SIFIRDAN BUYUK OLMALI",
                     "the speed " + vs + " = " + show(s.Vs(i)) + " kn must be above zero"};
    if (i > 1 && !(s.Vs(i) > s.Vs(i - 1)))
      return Refusal{vs, "HIZLAR KUCUKTEN BUYUGE SIRALI OLMALI: " + vs + " = " + show(s.Vs(i)),
                     "the speeds must rise from the first to the last: " + vs + " = " +
                         show(s.Vs(i)) + " kn is not above the speed before it"};
  }
  if (s.NoDN == 0) {
    if (s.NPROP < 1)
      return Refusal{"NPROP",
                     "PERVANE SAYISI NPROP = " + std::to_string(s.NPROP) + " EN AZ 1 OLMALI",
                     "the number of propellers NPROP = " + std::to_string(s.NPROP) +
                         " must be at least 1 when a propeller diameter or rpm is given"};
    if (s.SERIES != 1 && s.SERIES != 2)
      return Refusal{"SERIES",
                     "SERI SECIMI SERIES = " + std::to_string(s.SERIES) +
                         " 1 (WAGENINGEN B) VEYA 2 (GAWN) OLMALI",
                     "the propeller series SERIES = " + std::to_string(s.SERIES) +
                         " must be 1 (Wageningen B) or 2 (Gawn)"};
    // The power chain divides by both.
    if (!(s.MCR > 0.0f))
      return Refusal{"MCR", "MAKINA YUKU MCR = " + show(s.MCR) + " SIFIRDAN BUYUK OLMALI",
                     "the engine load MCR = " + show(s.MCR) + " must be above zero"};
    if (!(s.etas > 0.0f))
      return Refusal{
          "etas", "TRANSMISYON VERIMI etas = " + show(s.etas) + " SIFIRDAN BUYUK OLMALI",
          "the shaft transmission efficiency etas = " + show(s.etas) + " must be above zero"};
    // Both are fractions: a percentage typed for a fraction (85 for 0.85)
    // would make the engine a hundred times too small.
    if (s.MCR > 1.0f)
      return Refusal{
          "MCR", "MAKINA YUKU MCR = " + show(s.MCR) + " 1 DEN BUYUK OLAMAZ (ORNEK: %85 ICIN 0.85)",
          "the engine load MCR = " + show(s.MCR) +
              " is a fraction and cannot exceed 1 (0.85 for 85 %)"};
    if (s.etas > 1.0f)
      return Refusal{"etas",
                     "TRANSMISYON VERIMI etas = " + show(s.etas) +
                         " 1 DEN BUYUK OLAMAZ (ORNEK: %98 ICIN 0.98)",
                     "the shaft transmission efficiency etas = " + show(s.etas) +
                         " is a fraction and cannot exceed 1 (0.98 for 98 %)"};
    auto usable = [](float x) { return std::fabs(x) < 0.001f || x > 0.1f; };
    if (!usable(s.D))
      return Refusal{
          "D",
          "PERVANE CAPI D = " + show(s.D) + " - VERILMEYECEKSE 0, VERILECEKSE 0.1 DEN BUYUK OLMALI",
          "the propeller diameter D = " + show(s.D) + " m must be 0 (not given) or above 0.1"};
    if (!usable(s.N))
      return Refusal{"N",
                     "PERVANE DEVRI N = " + show(s.N) +
                         " - VERILMEYECEKSE 0, VERILECEKSE 0.1 DEN BUYUK OLMALI",
                     "the propeller rpm N = " + show(s.N) + " must be 0 (not given) or above 0.1"};
  }
  return std::nullopt;
}

}  // namespace

ValidationResult VALIDATE_SHIP_DATA(const ShipRecord& ship) {
  ValidationResult result;
  // The counts and the trial speed, as the reader checks them while reading:
  // a record made or changed in code has not been through the reader.
  std::optional<Refusal> what;
  if (ship.NSPEED < 1 || ship.NSPEED > MAX_SPEEDS)
    what = Refusal{
        "NSPEED",
        "HIZ SAYISI NSPEED = " + std::to_string(ship.NSPEED) + " - 1 ILE 50 ARASINDA OLMALI",
        "the number of speeds NSPEED = " + std::to_string(ship.NSPEED) + " must lie from 1 to 50"};
  else if (ship.NCORR < 0 || ship.NCORR == 1 || ship.NCORR > MAX_CORR)
    what = Refusal{"NCORR",
                   "DUZELTME FAKTORU SAYISI NCORR = " + std::to_string(ship.NCORR) +
                       " - 0 VEYA 2 ILE 10 ARASINDA OLMALI",
                   "the number of wave-resistance correction factors NCORR = " +
                       std::to_string(ship.NCORR) + " must be 0, or from 2 to 10"};
  if (!what && (ship.Vs(ship.NSPEED) < ship.Vtrial || ship.Vs(1) > ship.Vtrial)) {
    trial_speed_stop(ship, result.stop, result.message_lines);
    result.symbol = "Vtrial";
    result.english = TRIAL_SPEED_ENGLISH(ship);
    return result;
  }
  if (!what) what = first_refusal(ship);
  if (what) {
    result.stop = STOP_OF("E104");
    result.message_lines = {"", " VERI HATASI - VARDELONTEKSA.TSK: " + what->turkish};
    result.symbol = what->symbol;
    result.english = what->english;
    result.turkish = what->turkish;
  }
  return result;
}

}  // namespace vdk
