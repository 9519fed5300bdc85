#include "report/console.hpp"

#include <string>

namespace vdk {

void PAUSE(std::istream& in, std::ostream& out, std::string_view prompt) {
  out << (prompt.empty() ? STANDARD_PAUSE_PROMPT : prompt) << '\n';
  out.flush();
  std::string line;
  std::getline(in, line);  // a command typed here is never executed
}

void WRITE_STOP_LINE(std::ostream& out) {
  out << "Stop - Program terminated.\n";
  out.flush();
}

}  // namespace vdk
