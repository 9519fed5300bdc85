#include "input/named_ship.hpp"

// The TOML parser compiled here from its headers (no library to link).
#define TOML_HEADER_ONLY 1
#include <toml++/toml.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "format/text_fields.hpp"
#include "input/ship_files.hpp"
#include "input/ship_keys.hpp"

namespace vdk {

namespace {

// A place in the file, 1-based; 0 when there is none.
struct Place {
  int line = 0, column = 0;
};

Place PLACE_OF(const toml::source_region& r) {
  return Place{static_cast<int>(r.begin.line), static_cast<int>(r.begin.column)};
}

// A text of the file as a message can show it: control bytes as \xNN, and
// no longer than 60 bytes.
std::string SHOWN_TEXT(std::string_view text) {
  return PRINTABLE_TEXT(text.substr(0, 60)) + (text.size() > 60 ? "..." : "");
}

std::string TYPE_NAME(const toml::node& n) {
  switch (n.type()) {
    case toml::node_type::table:
      return "a table";
    case toml::node_type::array:
      return "a list";
    case toml::node_type::string:
      return "the text \"" + SHOWN_TEXT(n.as_string()->get()) + "\"";
    case toml::node_type::integer:
      return "a whole number";
    case toml::node_type::floating_point:
      return "a number";
    case toml::node_type::boolean:
      return n.as_boolean()->get() ? "true" : "false";
    default:
      return "a date or time";
  }
}

// The place (line, column in characters) of a byte of the text.
Place PLACE_AT(std::string_view t, std::size_t pos) {
  Place p{1, 0};
  for (std::size_t k = 0; k <= pos && k < t.size(); ++k) {
    if (t[k] == '\n') {
      ++p.line;
      p.column = 0;
    } else if ((static_cast<unsigned char>(t[k]) & 0xC0) != 0x80) {
      ++p.column;
    }
  }
  return p;
}

// The first character outside ASCII where the TOML parser would test it for
// whitespace: outside a text in quotes and outside a comment, or after a
// backslash (and the blanks and line ends after it) in a multi-line text.
// Keys, numbers and booleans are plain ASCII, so such a character is an
// error anyway; toml++ 3.3 makes that test undefined for most letters
// (U+00A1 to U+0499, the Turkish ones among them, and U+FBE6 to U+FEFE), so
// the file is refused before the parser sees it. A quote opens a text only
// where the parser reads a key or a value from it: as the first character of
// a word, at the start of a line or after "=", "[", "{" or (inside brackets)
// ",". Inside a word it does not: the parser reads a value that begins with a
// digit or a sign as far as a blank, "]", "}", "," or "#", testing every
// character on the way, quotes and brackets included (as in "2.'" or
// "+-1>'").
std::optional<Place> NON_ASCII_OUTSIDE_TEXT(std::string_view t) {
  enum class In { Out, Comment, Basic, Literal, MultiBasic, MultiLiteral };
  In in = In::Out;
  const auto at = [&t](std::size_t i, std::string_view s) { return t.substr(i, s.size()) == s; };
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  char last = '\n';   // the last character outside texts and comments; a line end at first
  bool word = false;  // inside a word the parser reads through
  int depth = 0;      // open brackets and braces
  for (std::size_t k = at(0, "\xEF\xBB\xBF") ? 3 : 0; k < t.size(); ++k) {
    const auto b = static_cast<unsigned char>(t[k]);
    if (b == '\n' && in != In::MultiBasic && in != In::MultiLiteral) {
      in = In::Out;
      word = false;
      if (depth == 0) last = '\n';
      continue;
    }
    switch (in) {
      case In::Out: {
        if (b >= 0x80) return PLACE_AT(t, k);
        const char c = static_cast<char>(b);
        if (blank(c)) {
          word = false;
          break;
        }
        const bool opens = !word && (last == '\n' || last == '=' || last == '[' || last == '{' ||
                                     (last == ',' && depth > 0));
        if (c == '"' && opens) in = at(k, "\"\"\"") ? (k += 2, In::MultiBasic) : In::Basic;
        if (c == '\'' && opens) in = at(k, "'''") ? (k += 2, In::MultiLiteral) : In::Literal;
        if (in != In::Out) {
          word = true;  // what follows the text continues it
          last = 'x';
          break;
        }
        if (c == '#' || c == ']' || c == '}' || c == ',') {
          word = false;  // the end of a word
          if (c == '#') {
            in = In::Comment;  // leaves the last character as it was
            break;
          }
        } else if (!word && (c == '[' || c == '{' || c == '=')) {
          // Brackets and "=" open where a word may begin; inside a word they
          // are part of it.
        } else {
          word = true;
        }
        if (c == '[' || c == '{') ++depth;
        if ((c == ']' || c == '}') && depth > 0) --depth;
        last = c;
        break;
      }
      case In::Comment:
        break;
      case In::Basic:
        if (b == '\\' && k + 1 < t.size() && t[k + 1] != '\n')
          ++k;
        else if (b == '"')
          in = In::Out;
        break;
      case In::Literal:
        if (b == '\'') in = In::Out;
        break;
      case In::MultiBasic:
        if (b == '\\') {
          // The parser skips the blanks and line ends after a backslash.
          std::size_t j = k + 1;
          while (j < t.size() && blank(t[j])) ++j;
          if (j < t.size() && static_cast<unsigned char>(t[j]) >= 0x80) return PLACE_AT(t, j);
          k = j == k + 1 ? k + 1 : j - 1;
        } else if (at(k, "\"\"\"")) {
          for (k += 2; k + 1 < t.size() && t[k + 1] == '"';) ++k;
          in = In::Out;
        }
        break;
      case In::MultiLiteral:
        if (at(k, "'''")) {
          for (k += 2; k + 1 < t.size() && t[k + 1] == '\'';) ++k;
          in = In::Out;
        }
        break;
    }
  }
  return std::nullopt;
}

// The reading of one named-key file: the text cut into lines, the record
// filled key by key, and the first problem as the stop of the result.
class NamedReader {
 public:
  NamedReader(std::string_view text, std::string_view file, ReadResult& result)
      : text_(text), file_(file), result_(result), seen_(SHIP_KEYS().size()) {
    std::size_t start = 0;
    while (start <= text_.size()) {
      const std::size_t nl = text_.find('\n', start);
      lines_.push_back(text_.substr(start, nl == std::string_view::npos ? nl : nl - start));
      if (nl == std::string_view::npos) break;
      start = nl + 1;
    }
  }

  bool read(bool validate) {
    if (const std::optional<Place> at = NON_ASCII_OUTSIDE_TEXT(text_))
      return fail(*at, "",
                  "ASCII DISI KARAKTER: ANAHTARLAR VE SAYILAR ASCII OLMALI, METINLER TIRNAK "
                  "ICINDE",
                  "a character outside ASCII where it cannot stand (outside quotes and comments, "
                  "or after a backslash ending a line of a text): keys, numbers and "
                  "true/false are plain ASCII; a name goes in quotes, a note after a #");
    toml::table root;
    try {
      root = toml::parse(text_, std::string(file_));
    } catch (const toml::parse_error& e) {
      const Place at = PLACE_OF(e.source());
      const std::string what = SHOWN_TEXT(e.description());
      return fail(at, "", "TOML YAZIM HATASI: " + what + COMMA_HINT(at.line, true),
                  "TOML syntax error: " + what + COMMA_HINT(at.line, false));
    }
    if (!walk(root)) return false;
    if (!complete(root)) return false;
    DERIVE_SHIP(result_.ship);
    return !validate || check();
  }

 private:
  // Every entry of the file: the name, the known tables and their keys.
  bool walk(const toml::table& root) {
    for (auto&& [k, node] : root) {
      const std::string_view name = k.str();
      const Place at = PLACE_OF(k.source());
      if (name == "name") {
        if (!node.is_string())
          return fail(at, "name", "name ICIN METIN BEKLENIYORDU",
                      "name must be a text in quotes, found " + TYPE_NAME(node));
        result_.ship.name = std::string(node.as_string()->get());
        continue;
      }
      if (!KNOWN_TABLE(name)) return unknown(at, name);
      if (!node.is_table()) return not_table(at, name);
      if (!walk_table(name, *node.as_table())) return false;
    }
    return true;
  }

  bool walk_table(std::string_view table, const toml::table& t) {
    for (auto&& [k, node] : t) {
      const std::string path = std::string(table) + "." + std::string(k.str());
      const Place at = PLACE_OF(k.source());
      if (table == "appendages") {
        // One table per appendage kind.
        if (!KNOWN_TABLE(path)) return unknown(at, path);
        if (!node.is_table()) return not_table(at, path);
        if (!walk_table(path, *node.as_table())) return false;
        continue;
      }
      const ShipKey* key = BY_PATH(path);
      if (key == nullptr) return unknown(at, path);
      if (!take(*key, node)) return false;
    }
    return true;
  }

  // The value of one key, checked for its type and its allowed range.
  bool take(const ShipKey& key, const toml::node& node) {
    const std::size_t index = static_cast<std::size_t>(&key - SHIP_KEYS().data());
    const Place at = PLACE_OF(node.source());
    seen_[index] = at;
    ShipRecord& s = result_.ship;
    switch (key.type) {
      case KeyType::Real:
      case KeyType::Integer: {
        std::optional<float> v = NUMBER(node, key.type == KeyType::Integer);
        if (!v)
          return wrong_type(key, node,
                            key.type == KeyType::Integer ? "a whole number" : "a number");
        if (!in_range(key, *v, node)) return false;
        PUT_SHIP_KEY_VALUE(s, key, *v);
        return true;
      }
      case KeyType::Boolean:
        if (!node.is_boolean()) return wrong_type(key, node, "true or false");
        PUT_SHIP_KEY_VALUE(s, key, node.as_boolean()->get() ? 1.0f : 0.0f);
        return true;
      case KeyType::Series: {
        const std::optional<int> series =
            node.is_string() ? SERIES_OF_NAME(node.as_string()->get()) : std::nullopt;
        if (!series) return wrong_type(key, node, "\"wageningen_b\" or \"gawn\"");
        PUT_SHIP_KEY_VALUE(s, key, static_cast<float>(*series));
        return true;
      }
      case KeyType::Speeds:
      case KeyType::WaveFactors:
        return take_list(key, node);
    }
    return true;
  }

  bool take_list(const ShipKey& key, const toml::node& node) {
    const bool speeds = key.type == KeyType::Speeds;
    const toml::array* list = node.as_array();
    if (list == nullptr) return wrong_type(key, node, "a list of numbers in brackets");
    const std::size_t n = list->size();
    const Place at = PLACE_OF(node.source());
    if (speeds && (n < 1 || n > MAX_SPEEDS))
      return fail(at, std::string(key.path),
                  std::string(key.path) + ": HIZ SAYISI " + std::to_string(n) +
                      " - 1 ILE 50 ARASINDA OLMALI",
                  std::string(key.path) + " holds " + std::to_string(n) + " speeds; give 1 to 50" +
                      COMMA_HINT(at.line, false));
    if (!speeds && (n == 1 || n > MAX_CORR))
      return fail(at, std::string(key.path),
                  std::string(key.path) + ": FAKTOR SAYISI " + std::to_string(n) +
                      " - 0 VEYA 2 ILE 10 ARASINDA OLMALI",
                  std::string(key.path) + " holds " + std::to_string(n) +
                      " factors; give 2 to 10 (or leave the key out)" + COMMA_HINT(at.line, false));
    for (std::size_t i = 0; i < n; ++i) {
      const toml::node& element = *list->get(i);
      std::optional<float> v = NUMBER(element, false);
      if (!v) return wrong_type(key, element, "a number in the list");
      if (!in_range(key, *v, element)) return false;
      if (speeds) element_places_.push_back(PLACE_OF(element.source()));
      if (speeds)
        result_.ship.Vs(static_cast<int>(i) + 1) = *v;
      else
        result_.ship.Fcorr(static_cast<int>(i) + 1) = *v;
    }
    if (speeds)
      result_.ship.NSPEED = static_cast<int>(n);
    else
      result_.ship.NCORR = static_cast<int>(n);
    return true;
  }

  // The keys the file must give, the pairs that go together, the defaults.
  bool complete(const toml::table& root) {
    ShipRecord& s = result_.ship;
    const std::span<const ShipKey> keys = SHIP_KEYS();
    std::string missing;
    const ShipKey* first = nullptr;
    for (std::size_t k = 0; k < keys.size(); ++k) {
      if (seen_[k].line != 0) continue;
      if (keys[k].omitted.empty()) {
        missing += (missing.empty() ? "" : ", ") + std::string(keys[k].path);
        if (first == nullptr) first = &keys[k];
      } else if (keys[k].slot == KeySlot::Scalar && !(keys[k].real == &ShipRecord::Roughness)) {
        PUT_SHIP_KEY_VALUE(s, keys[k], keys[k].omitted_value);
      }
    }
    if (first != nullptr) {
      const bool many = missing.find(',') != std::string::npos;
      return fail(TABLE_PLACE(root, *first), std::string(first->path),
                  std::string(many ? "EKSIK ANAHTARLAR: " : "EKSIK ANAHTAR: ") + missing,
                  std::string(many ? "missing keys: " : "missing key: ") + missing);
    }
    // A kind of appendage is fitted with its area.
    for (const ShipKey& k : keys)
      if (k.slot == KeySlot::AppendageFormFactor && seen_[INDEX(k)].line != 0 &&
          seen_[INDEX(k) - 1].line == 0) {
        const ShipKey& area = keys[INDEX(k) - 1];
        return fail(seen_[INDEX(k)], std::string(area.path),
                    "EKSIK ANAHTAR: " + std::string(area.path),
                    "missing key: " + std::string(area.path) +
                        ", the wetted area of a kind of appendage that is given");
      }
    // Hull roughness and a given correlation allowance are one value of the record.
    const ShipKey& roughness = *FIND_SHIP_KEY("hull_roughness");
    const ShipKey& ca = *FIND_SHIP_KEY("correlation_allowance_x1000");
    const Place at_r = seen_[INDEX(roughness)], at_ca = seen_[INDEX(ca)];
    if (at_r.line != 0 && at_ca.line != 0)
      return fail(
          at_ca, std::string(ca.path),
          std::string(roughness.path) + " ILE " + std::string(ca.path) + " BIRLIKTE VERILEMEZ",
          "give " + std::string(roughness.path) + " or " + std::string(ca.path) +
              ", not both: either chooses the correlation allowance");
    if (at_r.line == 0 && at_ca.line == 0) s.Roughness = 0;
    if (!needed("bulb_area", "bulb_centroid_height", root)) return false;
    if (!needed("bow_thruster_openings", "bow_thruster_diameter", root)) return false;
    return true;
  }

  // A key that must be given when another one is given above zero.
  bool needed(std::string_view given, std::string_view wanted, const toml::table& root) {
    const ShipKey& g = *FIND_SHIP_KEY(given);
    const ShipKey& w = *FIND_SHIP_KEY(wanted);
    if (seen_[INDEX(w)].line != 0 || !(*SHIP_KEY_VALUE(result_.ship, g) > 0)) return true;
    return fail(TABLE_PLACE(root, w), std::string(w.path), "EKSIK ANAHTAR: " + std::string(w.path),
                "missing key: " + std::string(w.path) + ", needed with " + std::string(g.path) +
                    " above 0");
  }

  // The record's checks, each refusal named by its key.
  bool check() {
    const ValidationResult v = VALIDATE_SHIP_DATA(result_.ship);
    if (!v.stop) return true;
    const ShipKey* key = FIND_SHIP_KEY(v.symbol);
    std::string path = key != nullptr ? std::string(key->path) : v.symbol;
    Place at;
    bool omitted = false;
    if (key != nullptr) {
      at = seen_[INDEX(*key)];
      omitted = at.line == 0;
      // An element of a list: its place in the list.
      const std::size_t open = v.symbol.find('(');
      if (key->slot == KeySlot::Speeds && open != std::string::npos) {
        const int i = std::atoi(v.symbol.c_str() + open + 1);
        path += "[" + std::to_string(i) + "]";
        if (i >= 1 && static_cast<std::size_t>(i) <= element_places_.size())
          at = element_places_[static_cast<std::size_t>(i - 1)];
      }
    }
    const std::string what =
        omitted ? path + " is not given: " + v.english : path + ": " + v.english;
    if (v.stop->code == "E104") {
      fail(at, path, path + " (" + v.symbol + "): " + v.turkish, what, " VERI HATASI - ");
    } else {
      // The trial speed: the data file's console lines, as the run writes them.
      fail(at, path, "", what);
      result_.message_lines = v.message_lines;
    }
    result_.stop = v.stop;
    return false;
  }

  // A number of the file as a float: a real from its own text as the data
  // file reads it (so that a value gives the same float in both files), a
  // whole number exactly.
  std::optional<float> NUMBER(const toml::node& node, bool whole) {
    if (const auto* i = node.as_integer()) return static_cast<float>(i->get());
    const auto* f = node.as_floating_point();
    if (whole || f == nullptr) return std::nullopt;
    const double d = f->get();
    if (!std::isfinite(d)) return static_cast<float>(d);
    const std::string token = TOKEN_AT(PLACE_OF(node.source()));
    if (!token.empty()) {
      const float v = std::strtof(token.c_str(), nullptr);
      if (std::fabs(static_cast<double>(v) - d) <= 1e-6 * std::fabs(d)) return v;
    }
    return static_cast<float>(d);
  }

  // The number written at a place of the file, without TOML's digit separators.
  std::string TOKEN_AT(Place at) const {
    if (at.line < 1 || static_cast<std::size_t>(at.line) > lines_.size()) return {};
    const std::string_view line = lines_[static_cast<std::size_t>(at.line - 1)];
    // The column counts characters: step over the bytes of each.
    std::size_t b = 0;
    for (int c = 1; c < at.column && b < line.size(); ++c) {
      ++b;
      while (b < line.size() && (static_cast<unsigned char>(line[b]) & 0xC0) == 0x80) ++b;
    }
    std::string token;
    for (; b < line.size(); ++b) {
      const char ch = line[b];
      if ((ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == 'e' || ch == 'E')
        token += ch;
      else if (ch != '_')
        break;
    }
    return token;
  }

  // The value as it stands in the file, for a message.
  std::string SHOWN(const toml::node& node) {
    if (node.is_number()) {
      const std::string token = TOKEN_AT(PLACE_OF(node.source()));
      if (!token.empty()) return token;
      return std::to_string(node.value<double>().value_or(0));
    }
    return TYPE_NAME(node);
  }

  bool in_range(const ShipKey& key, float v, const toml::node& node) {
    if (IN_ALLOWED_RANGE(key, v)) return true;
    const Place at = PLACE_OF(node.source());
    const std::string shown = SHOWN(node);
    return fail(at, std::string(key.path),
                std::string(key.path) + " = " + shown + " IZIN VERILEN ARALIK DISINDA (" +
                    RANGE_SYMBOLS(key) + ")" + COMMA_HINT(at.line, true),
                std::string(key.path) + " = " + shown + " is outside its allowed range: " +
                    ALLOWED_RANGE_TEXT(key) + COMMA_HINT(at.line, false));
  }

  bool wrong_type(const ShipKey& key, const toml::node& node, std::string_view wanted) {
    const Place at = PLACE_OF(node.source());
    std::string english =
        std::string(key.path) + " must be " + std::string(wanted) + ", found " + TYPE_NAME(node);
    if (node.is_string()) english += " (write a number without quotes and without its unit)";
    return fail(at, std::string(key.path),
                std::string(key.path) + " ICIN " +
                    (wanted.starts_with("a whole") ? "TAMSAYI"
                     : wanted.starts_with("a")     ? "SAYI"
                                                   : std::string(wanted)) +
                    " BEKLENIYORDU",
                english + COMMA_HINT(at.line, false));
  }

  bool unknown(Place at, std::string_view name) {
    const std::string nearest = NEAREST_SHIP_KEY(name);
    const std::string shown = SHOWN_TEXT(name);
    return fail(at, shown, "BILINMEYEN ANAHTAR " + shown + " (EN YAKIN: " + nearest + ")",
                "unknown key " + shown + "; did you mean " + nearest + "?");
  }

  bool not_table(Place at, std::string_view name) {
    const std::string table(name);
    return fail(at, table, table + " BIR TABLO OLMALI: [" + table + "]",
                table + " is a table: write [" + table + "] and its keys on the lines below it");
  }

  // The allowed range in symbols, for the Turkish line: "0 < x <= 100 m".
  static std::string RANGE_SYMBOLS(const ShipKey& k) {
    auto num = [](double v) {
      std::string t = std::to_string(v);
      t.erase(t.find_last_not_of('0') + 1);
      if (t.back() == '.') t.pop_back();
      return t;
    };
    std::string text =
        num(k.min) + (k.above ? " < x " : " <= x ") + (k.below ? "< " : "<= ") + num(k.max);
    if (!k.unit.empty()) text += " " + std::string(k.unit);
    return text;
  }

  // "Use a decimal point" when the line holds a comma between two digits.
  std::string COMMA_HINT(int line, bool turkish) const {
    if (line < 1 || static_cast<std::size_t>(line) > lines_.size()) return {};
    const std::string_view l = lines_[static_cast<std::size_t>(line - 1)];
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t k = 1; k + 1 < l.size(); ++k)
      if (l[k] == ',' && digit(l[k - 1]) && digit(l[k + 1]))
        return turkish ? " - ONDALIK AYRAC OLARAK NOKTA KULLANIN"
                       : "; use a decimal point, not a comma, in a number";
    return {};
  }

  // The place of a key's table in the file (its header), else the file's start.
  static Place TABLE_PLACE(const toml::table& root, const ShipKey& key) {
    const std::string_view table = KEY_TABLE(key);
    if (const toml::node* t = root.at_path(table).node()) return PLACE_OF(t->source());
    return Place{1, 1};
  }

  static std::size_t INDEX(const ShipKey& key) {
    return static_cast<std::size_t>(&key - SHIP_KEYS().data());
  }

  static const ShipKey* BY_PATH(std::string_view path) {
    for (const ShipKey& k : SHIP_KEYS())
      if (k.path == path) return &k;
    return nullptr;
  }

  static bool KNOWN_TABLE(std::string_view name) {
    for (const ShipKey& k : SHIP_KEYS())
      if (KEY_TABLE(k) == name || (name == "appendages" && KEY_TABLE(k).starts_with("appendages.")))
        return true;
    return false;
  }

  // Records the stop: the Turkish console lines, the English line and the place.
  bool fail(Place at, std::string key, const std::string& turkish, const std::string& english,
            std::string_view head = " VERI DOSYASI HATASI - ") {
    std::string where = file_;
    if (at.line > 0) where += ", SATIR " + std::to_string(at.line);
    if (at.column > 0) where += ", SUTUN " + std::to_string(at.column);
    result_.stop = STOP_OF("E102");
    result_.message_lines = {"", std::string(head) + where + ": " + turkish};
    result_.line = at.line;
    result_.column = at.column;
    result_.key = std::move(key);
    result_.english = file_ + ":" + std::to_string(std::max(at.line, 1)) + ":" +
                      std::to_string(std::max(at.column, 1)) + ": " + english;
    return false;
  }

  std::string_view text_;
  std::string file_;
  ReadResult& result_;
  std::vector<std::string_view> lines_;
  std::vector<Place> seen_;            // where each key of the table was given (line 0: omitted)
  std::vector<Place> element_places_;  // where each speed of the list stands
};

}  // namespace

ReadResult READ_NAMED_SHIP(std::string_view text, std::string_view file_name, bool validate) {
  ReadResult result;
  NamedReader reader(text, file_name, result);
  if (reader.read(validate)) {
    // The values as understood, in the data file's echo formats.
    result.comments = STANDARD_COMMENTS(result.ship.name);
    result.echo = ECHO_LISTING(result.ship, result.comments);
  }
  return result;
}

}  // namespace vdk
