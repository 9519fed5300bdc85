// A complete propulsion run of the shipped example ship: reading, the whole
// calculation and every file written in a temporary folder, with the console
// answers taken from memory.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "app/run_sequence.hpp"
#include "input/read_ship_data.hpp"
#include "run/calculate.hpp"

namespace {

namespace fs = std::filesystem;

std::string example_text() {
  std::ifstream f(fs::path(VDK_SOURCE_DIR) / "examples" / "VARDELONTEKSA.TSK", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string example_answers() {
  std::ifstream f(fs::path(VDK_SOURCE_DIR) / "examples" / "answers.txt", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void BM_CompletePropulsionRun(benchmark::State& state) {
  const std::string data = example_text();
  const std::string answers = example_answers();
  const fs::path dir =
      fs::temp_directory_path() / ("vdk-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  {
    std::ofstream f(dir / "VARDELONTEKSA.TSK", std::ios::binary);
    f << data;
  }
  int status = 0;
  for (auto _ : state) {
    std::istringstream in(answers);
    std::ostringstream out;
    status = vdk::RUN_VARDELONTEKSA(dir, in, out);
    benchmark::DoNotOptimize(out);
  }
  fs::remove_all(dir);
  if (status != 0) state.SkipWithError("the example run did not reach its normal end");
}
BENCHMARK(BM_CompletePropulsionRun)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The library calculation of the example ship with its answers: no file, no
// report.
void BM_LibraryCalculation(benchmark::State& state) {
  std::istringstream data(example_text());
  const vdk::ReadResult read = vdk::READ_SHIP_DATA(data);
  std::istringstream answers(example_answers());
  vdk::Answers a;
  a.etad = vdk::READ_CONSOLE_REAL(answers);
  a.Z = vdk::READ_CONSOLE_REAL(answers);
  int status = 0;
  for (auto _ : state) {
    const vdk::RunResult r = vdk::CALCULATE(read.ship, a);
    status = r.status();
    benchmark::DoNotOptimize(r);
  }
  if (status != 0) state.SkipWithError("the example calculation did not reach its normal end");
}
BENCHMARK(BM_LibraryCalculation)->Unit(benchmark::kMillisecond);

}  // namespace
