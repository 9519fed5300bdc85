// A 1,000-variant design sweep of the shipped example ship: breadth and
// draught varied, etad found by passes, no report kept; one and two threads.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/sweep.hpp"

namespace {

namespace fs = std::filesystem;

void BM_Sweep1000Variants(benchmark::State& state) {
  std::ifstream f(fs::path(VDK_SOURCE_DIR) / "examples" / "VARDELONTEKSA.TSK", std::ios::binary);
  std::ostringstream text;
  text << f.rdbuf();
  vdk::SweepOptions o;
  o.run.etad_auto = true;
  o.run.batch = o.run.any_answer = o.run.given.keller = true;
  o.run.given.Z = vdk::GivenAnswer{4.0f, "4"};
  std::string error;
  const auto B = vdk::PARSE_VARY("B=30:34.95:0.05", error);  // 100 breadths
  const auto T = vdk::PARSE_VARY("T=9:10.8:0.2", error);     // 10 draughts
  o.variants = *vdk::GRID_VARIANTS({*B, *T}, error);
  o.jobs = static_cast<unsigned>(state.range(0));
  std::ostringstream err;
  std::istringstream data(text.str());
  const vdk::ReadResult base = vdk::READ_SHIP_DATA(data);
  std::size_t ended = 0;
  for (auto _ : state) {
    const vdk::SweepResult r = vdk::RUN_SWEEP(o, base, err);
    ended = 0;
    for (const vdk::SweepRow& row : r.rows) ended += row.status == 0;
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(o.variants.rows.size()));
  if (o.variants.rows.size() != 1000 || ended == 0)
    state.SkipWithError("the sweep did not calculate 1,000 variants");
}
BENCHMARK(BM_Sweep1000Variants)
    ->ArgName("jobs")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
