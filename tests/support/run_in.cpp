#include <sstream>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace vdk::test {

RunOutcome run_in(const TempDir& dir, std::string_view data_text, std::string_view answers) {
  write_file(dir.path / "VARDELONTEKSA.TSK", data_text);
  std::istringstream in{std::string(answers)};
  std::ostringstream out;
  RunOutcome r;
  r.status = RUN_VARDELONTEKSA(dir.path, in, out);
  r.console = out.str();
  r.results = read_file(dir.path / "VARDELONTEKSA.SON");
  r.echo = read_file(dir.path / "VARDELONTEKSA.CRL");
  return r;
}

}  // namespace vdk::test
