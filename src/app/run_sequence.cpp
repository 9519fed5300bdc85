#include "app/run_sequence.hpp"

#include <cstdlib>
#include <ctime>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/stop.hpp"
#include "core/version.hpp"
#include "format/format.hpp"
#include "input/named_ship.hpp"
#include "input/read_ship_data.hpp"
#include "input/ship_files.hpp"
#include "report/console.hpp"
#include "report/console_dialogue.hpp"
#include "report/report_writer.hpp"
#include "report/water_report.hpp"
#include "run/calculate.hpp"
#include "run/converge.hpp"

namespace vdk {

namespace {

constexpr const char* kResultsFile = "VARDELONTEKSA.SON";
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

// An answer found by the program, as it would be typed.
std::string EDIT_ANSWER(float v) {
  std::string s = EDIT_REAL(v, 12, 3);
  s = s.substr(s.find_first_not_of(' '));
  while (s.size() > 1 && s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

// Console lines of a stop met while reading or checking the data file.
void WRITE_LINES(std::ostream& out, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out << line << '\n';
}

// Everything after the data file is read and checked: the results file, the
// calculation with its dialogue, the report.
int CALCULATE_AND_REPORT(const ProgramOptions& o, const ShipRecord& ship, std::istream& in,
                         std::ostream& out, std::ostream& err, RunDocument& doc) {
  std::ofstream son(o.dir / kResultsFile, std::ios::binary | std::ios::trunc);
  if (!son) {
    out << " CIKTI DOSYASI YAZILAMIYOR: " << o.dir.string() << "\n";
    return EXIT_BAD_INPUT;
  }
  ProgramReport report(out, son, o.dir);
  RunConsole console{in, out, err, &report};
  RunResult result = CALCULATE_WITH_OPTIONS(ship, o, console);
  if (o.warnings)
    for (const Warning& w : result.warnings)
      err << "vardelonteksa: warning " << WARNING_LINE(w) << '\n';
  const int status = result.status();
  if (o.files.any()) doc.result = std::move(result);
  return status;
}

// One run in the folder of the options. `touched`: false when the run
// stopped without touching any file (a named-key file that cannot be used).
int RUN_IN_FOLDER(const ProgramOptions& o, std::istream& in, std::ostream& out, std::ostream& err,
                  RunDocument& doc, bool& touched) {
  // A missing data file is reported before any file is opened, so the
  // results of an earlier run in this folder survive.
  const std::filesystem::path data_path = o.dir / o.data;
  const std::string data_name = o.data.string();
  std::error_code ec;
  std::ifstream data;
  if (std::filesystem::is_regular_file(data_path, ec)) data.open(data_path, std::ios::binary);
  if (!data.is_open()) {
    const std::string line =
        " VERI DOSYASI ACILAMADI: " + data_name + " (" + data_path.string() + ")";
    out << line << '\n';
    doc.input_stop = STOP_OF("E101");
    doc.input_messages = {line};
    return EXIT_BAD_INPUT;
  }

  // The data file is read and checked before the results file is opened: a
  // typing error in it leaves the report of the last good run as it was.
  const bool named = SHIP_FORMAT_OF(o.data) == ShipFormat::NamedKeys;
  ReadResult read;
  if (named) {
    std::ostringstream text;
    text << data.rdbuf();
    read = READ_NAMED_SHIP(text.str(), data_name);
  } else {
    read = READ_SHIP_DATA(data, data_name);
  }
  data.close();
  if (named && read.stop) {
    // A named-key file is checked whole before any file is touched.
    WRITE_LINES(out, read.message_lines);
    err << "vardelonteksa: error: " << read.english << '\n';
    touched = false;
    return read.stop->status;
  }
  std::optional<Stop> input_stop = read.stop;
  std::vector<std::string> messages = read.message_lines;
  if (!input_stop) {
    ValidationResult checked = VALIDATE_SHIP_DATA(read.ship);
    messages.insert(messages.end(), checked.message_lines.begin(), checked.message_lines.end());
    input_stop = checked.stop;
  }

  // The echo shows where reading stopped, so it is written in any case.
  { std::ofstream spare(o.dir / kSpareEchoFile, std::ios::binary | std::ios::app); }
  std::ofstream echo(o.dir / kEchoFile, std::ios::binary | std::ios::trunc);
  if (!echo) {
    out << " CIKTI DOSYASI YAZILAMIYOR: " << o.dir.string() << "\n";
    return EXIT_BAD_INPUT;
  }
  echo << read.echo;
  echo.close();
  WRITE_LINES(out, messages);
  if (o.files.any()) {
    doc.ship = read.ship;
    doc.echo = read.echo;
    doc.input_stop = input_stop;
    doc.input_messages = messages;
  }
  if (input_stop) {
    if (input_stop->pause && !o.batch) PAUSE(in, out, input_stop->prompt);
    return input_stop->status;
  }
  return CALCULATE_AND_REPORT(o, read.ship, in, out, err, doc);
}

// A result-file path of the options, relative paths taken in the run folder.
std::filesystem::path IN_FOLDER(const ProgramOptions& o, const std::filesystem::path& p) {
  return p.empty() || p.is_absolute() ? p : o.dir / p;
}

}  // namespace

std::string RUN_DATE() {
  std::time_t t = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
    char* end = nullptr;
    const long long v = std::strtoll(epoch, &end, 10);
    if (end != epoch && *end == '\0') t = static_cast<std::time_t>(v);
  }
  std::tm tm{};
  gmtime_r(&t, &tm);
  char buf[16];
  std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
  return buf;
}

RunOptions RUN_OPTIONS_OF(const ProgramOptions& o) {
  RunOptions r;
  if (!o.etad_auto && o.given.etad) r.etad = o.given.etad->value;
  r.etad_start = o.etad_start;
  if (o.given.Z) r.Z = o.given.Z->value;
  if (o.given.EAR) r.EAR = o.given.EAR->value;
  r.consistent = o.consistent;
  r.method = o.method;
  return r;
}

RunResult CALCULATE_WITH_OPTIONS(const ShipRecord& ship, const ProgramOptions& o,
                                 RunConsole& console) {
  OptionDialogue::Given given = o.given;
  RunSettings settings;
  settings.method = o.method;
  if (o.etad_auto) {
    // The passes ask only what no option answers, and only once.
    OptionDialogue::Given questions{std::nullopt, given.Z, given.EAR, given.keller};
    OptionDialogue asked(console.in, console.out, console.err, questions, o.batch);
    const bool missing = o.batch && !given.Z;
    if (!missing) {
      Answers known;
      if (given.Z) known.Z = given.Z->value;
      if (given.EAR) known.EAR = given.EAR->value;
      EtadConvergence c = CONVERGE_ETAD(ship, asked, o.etad_start, o.consistent, known,
                                        given.EAR.has_value() || given.keller, o.method);
      std::ostream& out = console.out;
      for (std::size_t k = 0; k < c.passes.size(); ++k) {
        const EtadPass& p = c.passes[k];
        out << " etad auto: pass " << k + 1 << ": assumed " << EDIT_REAL(p.assumed, 5, 3)
            << ", computed " << (p.computed ? EDIT_REAL(*p.computed, 5, 3) : std::string("-"))
            << '\n';
      }
      if (o.consistent)
        out << (c.converged ? " consistent: converged in " : " consistent: did not converge in ")
            << c.passes.size() << " passes\n";
      const float etad = *c.answers.etad;
      std::string text = EDIT_REAL(etad, 5, 3);
      given.etad = GivenAnswer{etad, text.substr(text.find_first_not_of(' '))};
      if (c.answers.Z)
        given.Z = GivenAnswer{*c.answers.Z, given.Z ? given.Z->text : EDIT_ANSWER(*c.answers.Z)};
      if (c.answers.EAR && !given.EAR)
        given.EAR = GivenAnswer{*c.answers.EAR, EDIT_ANSWER(*c.answers.EAR)};
      if (!c.answers.EAR) given.keller = true;
      settings = c.settings;
    } else {
      given.etad = GivenAnswer{o.etad_start, EDIT_ANSWER(o.etad_start)};
    }
  }
  RunResult r;
  if (o.plain()) {
    ConsoleDialogue dialogue(console.in, console.out);
    r = RUN_STEPS(ship, dialogue, console.report, settings);
  } else {
    OptionDialogue dialogue(console.in, console.out, console.err, given, o.batch);
    r = RUN_STEPS(ship, dialogue, console.report, settings);
  }
  r.options = RUN_OPTIONS_OF(o);
  return r;
}

int RUN_WITH_OPTIONS(const ProgramOptions& o, std::istream& in, std::ostream& out,
                     std::ostream& err) {
  // Anything else that goes wrong is a fault of the program, not of the
  // data: said on standard error, with a status of its own, and the run
  // still ends with its stop line.
  try {
    RunDocument doc;
    bool touched = true;
    int status = RUN_IN_FOLDER(o, in, out, err, doc, touched);
    if (o.files.any() && touched) {
      doc.version = PROGRAM_VERSION;
      doc.data_name = o.data.string();
      doc.run_date = RUN_DATE();
      doc.status = status;
      const ResultFiles files{IN_FOLDER(o, o.files.json), IN_FOLDER(o, o.files.csv),
                              IN_FOLDER(o, o.files.plots), IN_FOLDER(o, o.files.html)};
      // A result file that cannot be written fails a run that otherwise ended
      // normally; the report itself is complete.
      if (!WRITE_RESULT_FILES(doc, files, err) && status == EXIT_RUN_END) status = EXIT_BAD_INPUT;
    }
    WRITE_STOP_LINE(out);
    return status;
  } catch (const std::exception& e) {
    err << "VARDELONTEKSA: internal error: " << e.what() << '\n';
  } catch (...) {
    err << "VARDELONTEKSA: internal error\n";
  }
  err.flush();
  WRITE_STOP_LINE(out);
  return EXIT_INTERNAL;
}

int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  ProgramOptions o;
  o.dir = dir;
  return RUN_WITH_OPTIONS(o, in, out, err);
}

}  // namespace vdk
