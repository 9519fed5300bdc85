// One run of the program: files, input, the calculation steps in their fixed
// order, and the run end.
#pragma once

#include <filesystem>
#include <istream>
#include <ostream>

namespace vdk {

// Runs the program in `dir` with the console streams `in` and `out`; returns
// the exit status.
int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out);

}  // namespace vdk
