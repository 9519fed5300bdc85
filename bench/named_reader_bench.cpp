// Reading the shipped example ship from its named-key file (parse, keys,
// ranges, the record's checks and the echo listing), beside the same ship
// from its data file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "input/named_ship.hpp"
#include "input/read_ship_data.hpp"

namespace {

std::string example(const char* name) {
  std::ifstream f(std::filesystem::path(VDK_SOURCE_DIR) / "examples" / name, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void BM_ReadNamedKeyExample(benchmark::State& state) {
  const std::string text = example("ship.toml");
  for (auto _ : state) {
    vdk::ReadResult r = vdk::READ_NAMED_SHIP(text, "ship.toml");
    benchmark::DoNotOptimize(r);
    if (r.stop) state.SkipWithError("the example's named-key file did not read");
  }
}
BENCHMARK(BM_ReadNamedKeyExample)->Unit(benchmark::kMicrosecond);

void BM_ReadDataFileExample(benchmark::State& state) {
  const std::string text = example("VARDELONTEKSA.TSK");
  for (auto _ : state) {
    std::istringstream in(text);
    vdk::ReadResult r = vdk::READ_SHIP_DATA(in);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_ReadDataFileExample)->Unit(benchmark::kMicrosecond);

}  // namespace
