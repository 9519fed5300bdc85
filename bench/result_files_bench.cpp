// What the result files add to the example run: the whole program with and
// without the result-file options, and the writing of the files alone from
// the run's document.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/run_sequence.hpp"
#include "core/version.hpp"
#include "input/read_ship_data.hpp"
#include "results/result_files.hpp"
#include "run/calculate.hpp"

namespace {

namespace fs = std::filesystem;

// The result-file options measured, each with its file or folder name in the
// run folder. A new kind of result file is one more line here.
const std::vector<std::pair<std::string, std::string>> kOutputs = {
    {"--json", "run.json"},
    {"--csv", "csv"},
    {"--plots", "plots"},
    {"--html", "run.html"},
};

std::string read_text(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// A run folder holding the example's data file, removed at the end.
struct ExampleFolder {
  fs::path dir =
      fs::temp_directory_path() / ("vdk-bench-files-" + std::to_string(std::random_device{}()));
  std::string answers = read_text(fs::path(VDK_SOURCE_DIR) / "examples" / "answers.txt");
  ExampleFolder() {
    fs::create_directories(dir);
    std::ofstream(dir / "VARDELONTEKSA.TSK", std::ios::binary)
        << read_text(fs::path(VDK_SOURCE_DIR) / "examples" / "VARDELONTEKSA.TSK");
  }
  ~ExampleFolder() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
};

// The whole program in the example's folder; with_files: every option of kOutputs.
void BM_ExampleRun(benchmark::State& state) {
  const bool with_files = state.range(0) != 0;
  ExampleFolder folder;
  std::vector<std::string> args = {"-C", folder.dir.string(), "--no-warnings"};
  if (with_files)
    for (const auto& [option, name] : kOutputs) args.insert(args.end(), {option, name});
  int status = 0;
  for (auto _ : state) {
    std::istringstream in(folder.answers);
    std::ostringstream out, err;
    status = vdk::RUN_PROGRAM(args, in, out, err);
    benchmark::DoNotOptimize(out);
  }
  if (status != 0) state.SkipWithError("the example run did not reach its normal end");
}
BENCHMARK(BM_ExampleRun)->ArgName("result_files")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The result files alone, written from the document of the example's run.
void BM_WriteResultFiles(benchmark::State& state) {
  ExampleFolder folder;
  std::istringstream data(read_text(folder.dir / "VARDELONTEKSA.TSK"));
  const vdk::ReadResult read = vdk::READ_SHIP_DATA(data);
  std::istringstream answers(folder.answers);
  vdk::Answers a;
  a.etad = vdk::READ_CONSOLE_REAL(answers);
  a.Z = vdk::READ_CONSOLE_REAL(answers);
  vdk::RunDocument doc;
  doc.version = vdk::PROGRAM_VERSION;
  doc.data_name = "VARDELONTEKSA.TSK";
  doc.run_date = "2000-01-01";
  doc.ship = read.ship;
  doc.echo = read.echo;
  doc.result = vdk::CALCULATE(read.ship, a);
  doc.status = doc.result->status();
  vdk::ResultFiles files;
  for (const auto& [option, name] : kOutputs) {
    const fs::path p = folder.dir / name;
    if (option == "--json") files.json = p;
    if (option == "--csv") files.csv = p;
    if (option == "--plots") files.plots = p;
    if (option == "--html") files.html = p;
  }
  bool ok = true;
  const vdk::ResultView view(doc);
  for (auto _ : state) {
    std::ostringstream err;
    ok = vdk::WRITE_RESULT_FILES(view, files, err) && ok;
  }
  if (!ok || doc.status != 0) state.SkipWithError("the result files were not written");
}
BENCHMARK(BM_WriteResultFiles)->Unit(benchmark::kMillisecond);

}  // namespace
