#include "report/console.hpp"

#include <string>

#include "report/texts.hpp"

namespace vdk {

void PAUSE(std::istream& in, std::ostream& out, std::string_view prompt, Lang l) {
  out << (prompt.empty() ? tx::STANDARD_PAUSE(l) : TRANSLATED(prompt, l)) << '\n';
  out.flush();
  std::string line;
  std::getline(in, line);  // a command typed here is never executed
}

void WRITE_STOP_LINE(std::ostream& out, Lang l) {
  out << tx::STOP_LINE(l) << '\n';
  out.flush();
}

}  // namespace vdk
