// The figures of a sweep: PB and eta0 against the first varied name, one
// line for each value of the second.
#include "app/sweep.hpp"

namespace vdk {

bool WRITE_SWEEP_PLOTS(const SweepResult&, const std::filesystem::path& dir, std::ostream& err) {
  err << "vardelonteksa sweep: --plots " << dir.string()
      << ": the sweep figures are not built yet\n";
  return true;
}

}  // namespace vdk
