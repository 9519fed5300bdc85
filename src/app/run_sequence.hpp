// One run of the program: files, input, the calculation steps in their fixed
// order, and the run end.
#pragma once

#include <filesystem>
#include <iostream>
#include <istream>
#include <ostream>

namespace vdk {

// Runs the program in `dir` with the console streams `in` and `out`; returns
// the exit status. An internal error is reported on `err` (status 4).
int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out,
                      std::ostream& err = std::cerr);

}  // namespace vdk
