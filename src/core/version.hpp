// The program's name and version, as --version and the result files give it.
#pragma once

namespace vdk {

constexpr const char* PROGRAM_NAME = "vardelonteksa";
constexpr const char* PROGRAM_VERSION = "1.0";

}  // namespace vdk
