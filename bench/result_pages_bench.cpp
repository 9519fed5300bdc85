// Timing of the figures and the HTML page of the example ship, from its
// computed records (no file written): what --plots and --html add to a run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "input/read_ship_data.hpp"
#include "results/results_html.hpp"
#include "run/calculate.hpp"

namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void BM_FiguresAndPage(benchmark::State& state) {
  const fs::path examples = fs::path(VDK_SOURCE_DIR) / "examples";
  std::istringstream data(read_text(examples / "VARDELONTEKSA.TSK"));
  vdk::RunDocument doc;
  const vdk::ReadResult read = vdk::READ_SHIP_DATA(data);
  std::istringstream answers(read_text(examples / "answers.txt"));
  vdk::Answers a;
  a.etad = vdk::READ_CONSOLE_REAL(answers);
  a.Z = vdk::READ_CONSOLE_REAL(answers);
  doc.ship = read.ship;
  doc.echo = read.echo;
  doc.data_name = "VARDELONTEKSA.TSK";
  doc.run_date = "2025-01-01";
  doc.result = vdk::CALCULATE(read.ship, a);
  std::size_t figures = 0;
  const vdk::ResultView view(doc);
  for (auto _ : state) {
    const vdk::RunFigures f = vdk::RUN_FIGURES(view);
    const std::string page = vdk::RESULTS_HTML(view, f, {});
    figures = f.drawn.size();
    benchmark::DoNotOptimize(page.data());
  }
  if (figures != 6) state.SkipWithError("the example run did not give its six figures");
}
BENCHMARK(BM_FiguresAndPage)->Unit(benchmark::kMillisecond);

}  // namespace
