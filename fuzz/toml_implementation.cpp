// The TOML parser compiled into the fuzz targets, so that it is instrumented
// (coverage and sanitizers) like the reader that calls it; its definitions
// take the place of the shared library's.
#define TOML_IMPLEMENTATION
#include <toml++/toml.h>
