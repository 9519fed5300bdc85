// Timing of the propeller series: one optimum search for a given diameter
// (126 000 series evaluations and its candidate table) and one evaluation.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "propeller/propeller_routines.hpp"

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
  for (auto _ : state) {
    vdk::OpenWaterState ow;
    vdk::PropellerResult pr;
    vdk::PropellerContext ctx{null, null, vdk::SeriesSettings{1, 0.0f}, ow, pr};
    float Z = 4.0f;
    vdk::OPTIMUM_PROPELLER_KTJ2(ctx, 900.0f, 6.5f, 10.5f, 1025.0f, Z, 0.6f);
    benchmark::DoNotOptimize(pr.ETA0);
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

}  // namespace
