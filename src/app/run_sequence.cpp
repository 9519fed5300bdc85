#include "app/run_sequence.hpp"

#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "input/read_ship_data.hpp"
#include "report/console.hpp"
#include "report/console_dialogue.hpp"
#include "report/report_writer.hpp"
#include "report/water_report.hpp"
#include "run/calculate.hpp"

namespace vdk {

namespace {

constexpr const char* kResultsFile = "VARDELONTEKSA.SON";
constexpr const char* kDataFile = "VARDELONTEKSA.TSK";
constexpr const char* kEchoFile = "VARDELONTEKSA.CRL";
constexpr const char* kSpareEchoFile = "VARDELONTEKSB.CRL";

// The report writer of the program: after the model-scale step it also
// creates, overwrites or removes the model-resistance file of the folder.
class ProgramReport : public ReportWriter {
 public:
  ProgramReport(std::ostream& con, std::ostream& son, std::filesystem::path dir)
      : ReportWriter(con, son), dir_(std::move(dir)) {}
  void step(const RunResult& r, RunStep s) override {
    ReportWriter::step(r, s);
    if (s == RunStep::ModelScale) MODEL_FILE(r.model_scale);
  }

 private:
  void MODEL_FILE(const ModelScaleResult& m) {
    if (m.water.stop) return;
    const std::filesystem::path path = dir_ / MODEL_RESISTANCE_FILE;
    if (!m.model_file) {
      // No model-resistance file for this run: an old one must not survive.
      std::error_code ec;
      std::filesystem::remove(path, ec);
      return;
    }
    std::ofstream file(path, std::ios::out | std::ios::trunc);
    if (!file) {
      // The report goes on without the model file; say so instead of
      // pretending it was written.
      WRITE_MODEL_FILE_NOT_OPENED(con_);
      return;
    }
    WRITE_MODEL_RESISTANCE_FILE(file, *m.model_file);
    if (m.model_file->stop) {
      file.close();
      WRITE_MODEL_FILE_STOP(con_, *m.model_file);
    }
  }
  std::filesystem::path dir_;
};

// Console lines of a stop met while reading or checking the data file.
void WRITE_LINES(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << line << '\n';
}

int RUN_IN_FOLDER(const std::filesystem::path& dir, std::istream& in, std::ostream& out) {
  // A missing data file is reported before any file is opened, so the
  // results of an earlier run in this folder survive.
  std::error_code ec;
  std::ifstream data;
  if (std::filesystem::is_regular_file(dir / kDataFile, ec))
    data.open(dir / kDataFile, std::ios::binary);
  if (!data.is_open()) {
    out << " VERI DOSYASI ACILAMADI: " << kDataFile << " (" << (dir / kDataFile).string() << ")\n";
    WRITE_STOP_LINE(out);
    return EXIT_BAD_INPUT;
  }

  std::ofstream son(dir / kResultsFile, std::ios::binary | std::ios::trunc);
  { std::ofstream spare(dir / kSpareEchoFile, std::ios::binary | std::ios::app); }
  std::ofstream echo(dir / kEchoFile, std::ios::binary | std::ios::trunc);
  if (!son || !echo) {
    out << " CIKTI DOSYASI YAZILAMIYOR: " << dir.string() << "\n";
    WRITE_STOP_LINE(out);
    return EXIT_BAD_INPUT;
  }

  // The echo keeps the groups read so far also when reading stops part-way.
  ReadResult read = READ_SHIP_DATA(data, kDataFile);
  echo << read.echo;
  echo.close();
  WRITE_LINES(out, read.message_lines);
  std::optional<Stop> input_stop = read.stop;
  if (!input_stop) {
    data.close();
    ValidationResult checked = VALIDATE_SHIP_DATA(read.ship);
    WRITE_LINES(out, checked.message_lines);
    input_stop = checked.stop;
  }

  int status = EXIT_RUN_END;
  if (input_stop) {
    son.flush();
    if (input_stop->pause) PAUSE(in, out, input_stop->prompt);
    status = input_stop->status;
  } else {
    ProgramReport report(out, son, dir);
    ConsoleDialogue dialogue(in, out);
    const RunResult result = RUN_STEPS(read.ship, dialogue, &report);
    status = result.status();
  }
  son.close();
  WRITE_STOP_LINE(out);
  return status;
}

}  // namespace

int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  // Anything else that goes wrong is a fault of the program, not of the
  // data: said on standard error, with a status of its own, and the run
  // still ends with its stop line.
  try {
    return RUN_IN_FOLDER(dir, in, out);
  } catch (const std::exception& e) {
    err << "VARDELONTEKSA: internal error: " << e.what() << '\n';
  } catch (...) {
    err << "VARDELONTEKSA: internal error\n";
  }
  err.flush();
  WRITE_STOP_LINE(out);
  return EXIT_INTERNAL;
}

}  // namespace vdk
