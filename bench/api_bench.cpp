// The public API's calculation of the example ship with the example's answers
// (four blades, etad 0.604, Keller's area ratio): the C++ call that the Python
// module's calculate wraps (bench/python_bench.py puts the two side by side).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <vardelonteksa/vardelonteksa.hpp>

namespace {

namespace v = vardelonteksa;

void BM_ApiCalculate(benchmark::State& state) {
  const v::Ship ship =
      v::read_ship(std::filesystem::path(VDK_SOURCE_DIR) / "examples" / "VARDELONTEKSA.TSK");
  v::Options o;
  o.blades = 4;
  o.etad = 0.604;
  int status = 0;
  for (auto _ : state) {
    const v::Result r = v::calculate(ship, o);
    status = r.status();
    benchmark::DoNotOptimize(r);
  }
  if (status != 0) state.SkipWithError("the example calculation did not reach its normal end");
}
BENCHMARK(BM_ApiCalculate)->Unit(benchmark::kMicrosecond);

}  // namespace
