// Fixed-format report writer.
//
// Every line of the report, the echo listing, the model file and the console
// is written through WRITE_FORMATTED with an edit-descriptor format such as
// "(2X,'FROUDE SAYISI ---------------------> Fn =',F6.3)", or through
// WRITE_LIST for the list-directed empty line / single text line.
//
// Supported: 'literal', nX, A, Aw, Iw, Fw.d, repeat counts (nFw.d, nIw,
// n(...)), /, n/, format reversion when items remain, stopping at the next data
// descriptor when items run out, overflow asterisks, the optional leading zero
// of Fw.d, a literal glued to a descriptor without comma and a surplus closing
// parenthesis at the end.
#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vdk {

// One output item: an integer, a real or a text.
class Item {
 public:
  enum class Kind { Int, Real, Text };
  Item(int v) : kind_(Kind::Int), i_(v) {}
  Item(long v) : kind_(Kind::Int), i_(v) {}
  Item(long long v) : kind_(Kind::Int), i_(v) {}
  Item(float v) : kind_(Kind::Real), r_(static_cast<double>(v)) {}
  Item(double v) : kind_(Kind::Real), r_(v) {}
  Item(const char* s) : kind_(Kind::Text), s_(s) {}
  Item(std::string_view s) : kind_(Kind::Text), s_(s) {}
  Item(const std::string& s) : kind_(Kind::Text), s_(s) {}

  Kind kind() const { return kind_; }
  long long as_int() const { return i_; }
  double as_real() const { return r_; }
  const std::string& as_text() const { return s_; }

 private:
  Kind kind_;
  long long i_ = 0;
  double r_ = 0.0;
  std::string s_;
};

// Writes the items with the format; one or more complete lines.
void WRITE_FORMATTED(std::ostream& unit, std::string_view format, const std::vector<Item>& items);

template <class... Args>
void WRITE_FORMATTED(std::ostream& unit, std::string_view format, const Args&... items) {
  WRITE_FORMATTED(unit, format, std::vector<Item>{Item(items)...});
}

// Returns what WRITE_FORMATTED would write (lines joined with '\n', ending in '\n').
std::string FORMAT_TO_STRING(std::string_view format, const std::vector<Item>& items);

template <class... Args>
std::string FORMAT_TO_STRING(std::string_view format, const Args&... items) {
  return FORMAT_TO_STRING(format, std::vector<Item>{Item(items)...});
}

// List-directed write: an empty line.
void WRITE_LIST(std::ostream& unit);
// List-directed write of one text: a blank, then the text unchanged.
void WRITE_LIST(std::ostream& unit, std::string_view text);

// The data edit descriptors of a format in the order they take items, each
// repeat count expanded: "(2X,A40,'=',2(F8.2,1X),I2)" gives A40, F8.2, F8.2,
// I2 ("A" for an A without width). Two formats that list the same
// descriptors take the same items the same way. A format that does not
// parse throws std::logic_error.
std::vector<std::string> DATA_DESCRIPTORS(std::string_view format);

// Fw.d and Iw field editing, exposed for the few places that need a field alone.
std::string EDIT_REAL(double value, int w, int d);
std::string EDIT_INT(long long value, int w);

}  // namespace vdk
