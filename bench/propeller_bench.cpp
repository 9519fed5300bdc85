// Timing of the propeller series: one optimum search for a given diameter
// (the J grid of every P/D up to the first negative thrust, and its
// candidate table), one evaluation, and one call of the lane kernel.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "propeller/propeller_routines.hpp"
#include "report/propeller_report.hpp"

namespace {

// Output that goes nowhere, so the timing is the calculation and formatting.
class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_OptimumPropellerKtj2(benchmark::State& state) {
  NullBuffer nb;
  std::ostream null(&nb);
  vdk::PropellerRoutineInput in;
  in.set = vdk::SeriesSettings{1, 0.0f};
  in.T = 900.0f;
  in.D = 6.5f;
  in.Va = 10.5f;
  in.RHO = 1025.0f;
  in.Z = 4.0f;
  in.EAR = 0.6f;
  for (auto _ : state) {
    const vdk::PropellerRoutineRecord r = vdk::OPTIMUM_PROPELLER_KTJ2(in);
    vdk::WRITE_PROPELLER_ROUTINE(null, null, r);
    benchmark::DoNotOptimize(r.sel.ETA0);
  }
}
BENCHMARK(BM_OptimumPropellerKtj2)->Unit(benchmark::kMillisecond);

void BM_SeriesEvaluation(benchmark::State& state) {
  vdk::OpenWaterState ow;
  const vdk::SeriesSettings set{1, 0.0f};
  float J = 0.6f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(J);
    ow.J = J;
    float Z = 4.0f;
    vdk::SERIES_KTKQ(ow, set, 1.0f, 0.55f, Z);
    benchmark::DoNotOptimize(ow.KT);
  }
}
BENCHMARK(BM_SeriesEvaluation);

// One group of the lane kernel (SERIES_LANES advance ratios) on each build
// of it: 0 baseline, 1 AVX2.
void BM_SeriesLanes(benchmark::State& state) {
  const auto code = static_cast<vdk::LaneCode>(state.range(0));
  if (!vdk::LANE_CODE_AVAILABLE(code)) {
    state.SkipWithError("not available on this processor");
    return;
  }
  const vdk::OpenWaterState ow;
  const vdk::SeriesSettings set{1, 0.0f};
  float J[vdk::SERIES_LANES];
  for (int l = 0; l < vdk::SERIES_LANES; ++l) J[l] = 0.5f + 0.001f * static_cast<float>(l);
  float KT[vdk::SERIES_LANES], KQ[vdk::SERIES_LANES], ETA0[vdk::SERIES_LANES];
  for (auto _ : state) {
    benchmark::DoNotOptimize(J);
    float Z = 4.0f;
    vdk::SERIES_KTKQ_SWEEP_WITH(code, ow, set, 1.0f, 0.55f, Z, J, vdk::SERIES_LANES, KT, KQ, ETA0);
    benchmark::DoNotOptimize(KT);
  }
}
BENCHMARK(BM_SeriesLanes)->Arg(0)->Arg(1);

}  // namespace
