// The commands on ship files: `init` writes the commented template of the
// named-key ship file, `convert` turns a ship file into the other format.
#pragma once

#include <filesystem>
#include <ostream>

namespace vdk {

// Writes the template to `file`; an existing file is kept unless `force`.
// Returns the exit status.
int INIT_PROGRAM(const std::filesystem::path& file, bool force, std::ostream& err);

// Converts the ship file `in` into `out`, the direction by their extensions
// (.toml: named keys, anything else: a data file). Input that a run would
// refuse is not converted: the run's console lines on `out_stream`, the
// English line on `err`, status 1, no file touched; nor is an existing `out`
// overwritten unless `force`. Returns the exit status.
int CONVERT_PROGRAM(const std::filesystem::path& in, const std::filesystem::path& out, bool force,
                    std::ostream& out_stream, std::ostream& err);

}  // namespace vdk
