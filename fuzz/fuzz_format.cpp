// Fuzz target: the format interpreter. The first line is the format, each
// further line one item (a leading 'i' makes an integer, 'f' a real, anything
// else a text). A format that does not parse is refused with an exception;
// nothing may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "format/format.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size() && lines.size() < 64) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    lines.push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  std::vector<vdk::Item> items;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string& l = lines[k];
    if (!l.empty() && l[0] == 'i') {
      items.emplace_back(std::strtoll(l.c_str() + 1, nullptr, 10));
    } else if (!l.empty() && l[0] == 'f') {
      items.emplace_back(std::strtof(l.c_str() + 1, nullptr));
    } else {
      items.emplace_back(l);
    }
  }
  try {
    vdk::FORMAT_TO_STRING(lines[0], items);
  } catch (const std::logic_error&) {
  } catch (const std::length_error&) {
  }
  return 0;
}
