#include "format/format.hpp"

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace vdk {

namespace {

// One element of a parsed format.
struct Node {
  enum class Kind { Literal, Blanks, Slash, A, I, F, Group };
  Kind kind = Kind::Literal;
  int repeat = 1;              // repeat count (groups, data descriptors, nX, n/)
  int w = -1;                  // field width (A without width: -1)
  int d = 0;                   // decimals of Fw.d
  std::string text;            // literal text
  std::vector<Node> children;  // group contents
};

struct ParsedFormat {
  std::vector<Node> top;
  int reversion_start = 0;  // index in `top` of the last top-level group
  bool has_data = false;    // at least one data descriptor
};

[[noreturn]] void bad_format(std::string_view fmt, std::size_t pos) {
  throw std::logic_error("unparseable format at position " + std::to_string(pos) + ": " +
                         std::string(fmt));
}

char upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

class Parser {
 public:
  explicit Parser(std::string_view f) : f_(f) {}

  ParsedFormat parse() {
    ParsedFormat pf;
    skip_blanks();
    if (pos_ >= f_.size() || f_[pos_] != '(') bad_format(f_, pos_);
    ++pos_;
    pf.top = parse_list(pf.has_data);
    // A closing parenthesis more than is opened at the end is tolerated;
    // nothing but blanks and parentheses may follow.
    while (pos_ < f_.size()) {
      if (f_[pos_] != ')' && f_[pos_] != ' ') bad_format(f_, pos_);
      ++pos_;
    }
    pf.reversion_start = 0;
    for (std::size_t i = 0; i < pf.top.size(); ++i)
      if (pf.top[i].kind == Node::Kind::Group) pf.reversion_start = static_cast<int>(i);
    return pf;
  }

 private:
  void skip_blanks() {
    while (pos_ < f_.size() && (f_[pos_] == ' ' || f_[pos_] == '\t')) ++pos_;
  }

  // Counts and widths are small in every real format; a larger one is a
  // mistyped format, refused rather than written out.
  static constexpr int kMaxCount = 10000;
  static constexpr int kMaxDepth = 32;

  int read_int() {
    skip_blanks();
    if (pos_ >= f_.size() || !is_digit(f_[pos_])) bad_format(f_, pos_);
    int v = 0;
    while (pos_ < f_.size()) {
      if (is_digit(f_[pos_])) {
        v = v * 10 + (f_[pos_] - '0');
        if (v > kMaxCount) bad_format(f_, pos_);
      } else if (f_[pos_] != ' ') {
        break;
      }
      ++pos_;
    }
    return v;
  }

  bool peek_digit() {
    skip_blanks();
    return pos_ < f_.size() && is_digit(f_[pos_]);
  }

  // Parses up to and including the closing parenthesis of the current list.
  std::vector<Node> parse_list(bool& has_data) {
    std::vector<Node> out;
    for (;;) {
      skip_blanks();
      if (pos_ >= f_.size()) bad_format(f_, pos_);
      char c = f_[pos_];
      if (c == ',') {
        ++pos_;
        continue;
      }
      if (c == ')') {
        ++pos_;
        return out;
      }
      if (c == '\'') {
        out.push_back(parse_literal());
        continue;
      }
      int repeat = 1;
      bool counted = false;
      if (is_digit(c)) {
        repeat = read_int();
        counted = true;
        skip_blanks();
        if (pos_ >= f_.size()) bad_format(f_, pos_);
        c = f_[pos_];
      }
      Node n;
      n.repeat = repeat;
      switch (upper(c)) {
        case 'X':
          ++pos_;
          n.kind = Node::Kind::Blanks;
          break;
        case '/':
          ++pos_;
          n.kind = Node::Kind::Slash;
          break;
        case '(':
          ++pos_;
          n.kind = Node::Kind::Group;
          if (++depth_ > kMaxDepth) bad_format(f_, pos_);
          n.children = parse_list(has_data);
          --depth_;
          break;
        case 'A':
          ++pos_;
          n.kind = Node::Kind::A;
          if (peek_digit()) n.w = read_int();
          has_data = true;
          break;
        case 'I':
          ++pos_;
          n.kind = Node::Kind::I;
          n.w = read_int();
          has_data = true;
          break;
        case 'F':
          ++pos_;
          n.kind = Node::Kind::F;
          n.w = read_int();
          skip_blanks();
          if (pos_ >= f_.size() || f_[pos_] != '.') bad_format(f_, pos_);
          ++pos_;
          n.d = read_int();
          has_data = true;
          break;
        default:
          bad_format(f_, pos_);
      }
      (void)counted;
      out.push_back(std::move(n));
    }
  }

  Node parse_literal() {
    Node n;
    n.kind = Node::Kind::Literal;
    ++pos_;  // opening apostrophe
    for (;;) {
      if (pos_ >= f_.size()) bad_format(f_, pos_);
      char c = f_[pos_++];
      if (c == '\'') {
        if (pos_ < f_.size() && f_[pos_] == '\'') {  // doubled apostrophe
          n.text.push_back('\'');
          ++pos_;
          continue;
        }
        return n;
      }
      n.text.push_back(c);
    }
  }

  std::string_view f_;
  std::size_t pos_ = 0;
  int depth_ = 0;
};

// Formats are parsed once per thread and kept; the cache holds no run state.
// Each thread has its own, so runs in parallel threads never wait for one
// another or share a table being filled.
const ParsedFormat& parsed(std::string_view fmt) {
  thread_local std::map<std::string, std::unique_ptr<ParsedFormat>, std::less<>> cache;
  auto it = cache.find(fmt);
  if (it != cache.end()) return *it->second;
  auto pf = std::make_unique<ParsedFormat>(Parser(fmt).parse());
  const ParsedFormat& ref = *pf;
  cache.emplace(std::string(fmt), std::move(pf));
  return ref;
}

struct ItemsExhausted {};

class Writer {
 public:
  Writer(const std::vector<Item>& items, std::vector<std::string>& lines)
      : items_(items), lines_(lines) {
    lines_.emplace_back();
  }

  void run(const ParsedFormat& pf) {
    try {
      walk(pf.top, 0);
      // Items left at the end of the format: new line, then the format again
      // from its last top-level group.
      while (next_ < items_.size() && pf.has_data) {
        const std::size_t before = next_;
        lines_.emplace_back();
        walk(pf.top, static_cast<std::size_t>(pf.reversion_start));
        if (next_ == before) break;  // the reused part takes no item
      }
    } catch (const ItemsExhausted&) {
    }
  }

 private:
  void walk(const std::vector<Node>& nodes, std::size_t from) {
    for (std::size_t k = from; k < nodes.size(); ++k) {
      const Node& n = nodes[k];
      for (int r = 0; r < n.repeat; ++r) emit(n);
    }
  }

  const Item& take() {
    if (next_ >= items_.size()) throw ItemsExhausted{};
    return items_[next_++];
  }

  std::string& line() {
    if (++emitted_ > kMaxEdits) throw std::length_error("format writes an endless record");
    return lines_.back();
  }
  static constexpr std::size_t kMaxEdits = 1000000;

  void emit(const Node& n) {
    switch (n.kind) {
      case Node::Kind::Literal:
        line() += n.text;
        break;
      case Node::Kind::Blanks:
        line().append(1, ' ');
        break;
      case Node::Kind::Slash:
        line();
        lines_.emplace_back();
        break;
      case Node::Kind::Group:
        walk(n.children, 0);
        break;
      case Node::Kind::A: {
        const Item& it = take();
        std::string s = it.kind() == Item::Kind::Text ? it.as_text() : std::string();
        if (n.w < 0) {
          line() += s;
        } else if (static_cast<int>(s.size()) >= n.w) {
          line() += s.substr(0, static_cast<std::size_t>(n.w));
        } else {
          line().append(static_cast<std::size_t>(n.w) - s.size(), ' ');
          line() += s;
        }
        break;
      }
      case Node::Kind::I: {
        const Item& it = take();
        if (it.kind() == Item::Kind::Int) {
          line() += EDIT_INT(it.as_int(), n.w);
        } else if (it.kind() == Item::Kind::Real && std::fabs(it.as_real()) < 1e18) {
          line() += EDIT_INT(static_cast<long long>(it.as_real()), n.w);
        } else {  // no integer to show
          line().append(static_cast<std::size_t>(n.w), '*');
        }
        break;
      }
      case Node::Kind::F: {
        const Item& it = take();
        double v = it.kind() == Item::Kind::Real ? it.as_real() : static_cast<double>(it.as_int());
        line() += EDIT_REAL(v, n.w, n.d);
        break;
      }
    }
  }

  const std::vector<Item>& items_;
  std::vector<std::string>& lines_;
  std::size_t next_ = 0;
  std::size_t emitted_ = 0;
};

std::vector<std::string> format_lines(std::string_view format, const std::vector<Item>& items) {
  std::vector<std::string> lines;
  Writer(items, lines).run(parsed(format));
  return lines;
}

void list_descriptors(const std::vector<Node>& nodes, std::vector<std::string>& out) {
  for (const Node& n : nodes) {
    for (int r = 0; r < n.repeat; ++r) {
      switch (n.kind) {
        case Node::Kind::A:
          out.push_back(n.w < 0 ? "A" : "A" + std::to_string(n.w));
          break;
        case Node::Kind::I:
          out.push_back("I" + std::to_string(n.w));
          break;
        case Node::Kind::F:
          out.push_back("F" + std::to_string(n.w) + "." + std::to_string(n.d));
          break;
        case Node::Kind::Group:
          list_descriptors(n.children, out);
          break;
        default:
          break;
      }
    }
  }
}

}  // namespace

std::vector<std::string> DATA_DESCRIPTORS(std::string_view format) {
  std::vector<std::string> out;
  list_descriptors(Parser(format).parse().top, out);
  return out;
}

std::string EDIT_INT(long long value, int w) {
  std::string s = std::to_string(value);
  if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
  return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
}

std::string EDIT_REAL(double value, int w, int d) {
  auto fit = [w](const std::string& s) {
    if (static_cast<int>(s.size()) > w) return std::string(static_cast<std::size_t>(w), '*');
    return std::string(static_cast<std::size_t>(w) - s.size(), ' ') + s;
  };
  if (std::isnan(value)) return fit("NaN");
  if (std::isinf(value)) {
    std::string s = value < 0 ? "-" : "";
    return fit(static_cast<int>(s.size()) + 8 <= w ? s + "Infinity" : s + "Inf");
  }
  // printf rounds the exact binary value to d decimals, ties to even.
  std::vector<char> buf(static_cast<std::size_t>(d) + 400);
  std::snprintf(buf.data(), buf.size(), "%.*f", d, value);
  std::string s(buf.data());
  if (d == 0) s += '.';
  if (static_cast<int>(s.size()) > w) {
    // The zero before the decimal point is left out when the field is too narrow.
    if (s.rfind("0.", 0) == 0) {
      s.erase(0, 1);
    } else if (s.rfind("-0.", 0) == 0) {
      s.erase(1, 1);
    }
  }
  return fit(s);
}

void WRITE_FORMATTED(std::ostream& unit, std::string_view format, const std::vector<Item>& items) {
  for (const std::string& l : format_lines(format, items)) unit << l << '\n';
}

std::string FORMAT_TO_STRING(std::string_view format, const std::vector<Item>& items) {
  std::string out;
  for (const std::string& l : format_lines(format, items)) {
    out += l;
    out += '\n';
  }
  return out;
}

void WRITE_LIST(std::ostream& unit) {
  unit << '\n';
}

void WRITE_LIST(std::ostream& unit, std::string_view text) {
  unit << ' ' << text << '\n';
}

}  // namespace vdk
