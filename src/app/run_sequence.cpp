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
#include "report/stop_texts.hpp"
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
  ProgramReport(std::ostream& con, std::ostream& son, std::filesystem::path dir, Lang l)
      : ReportWriter(con, son, l), dir_(std::move(dir)) {}
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
      WRITE_MODEL_FILE_NOT_OPENED(con_, l_);
      return;
    }
    WRITE_MODEL_RESISTANCE_FILE(file, *m.model_file, l_);
    if (m.model_file->stop) {
      file.close();
      WRITE_MODEL_FILE_STOP(con_, *m.model_file, l_);
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

// An output file that cannot be written: the console line, and the error
// line naming the file on standard error.
int OUTPUT_NOT_WRITTEN(const ProgramOptions& o, const std::filesystem::path& file,
                       std::ostream& out, std::ostream& err) {
  out << OUTPUT_NOT_WRITTEN_LINE(o.dir, file, o.lang) << '\n';
  err << ERROR_LINE(OUTPUT_NOT_WRITTEN_ENGLISH(file));
  return EXIT_BAD_INPUT;
}

// Everything after the data file is read and checked: the results file, the
// calculation with its dialogue, the report.
int CALCULATE_AND_REPORT(const ProgramOptions& o, const ShipRecord& ship, std::istream& in,
                         std::ostream& out, std::ostream& err, RunDocument& doc) {
  std::ofstream son(o.dir / kResultsFile, std::ios::binary | std::ios::trunc);
  if (!son) return OUTPUT_NOT_WRITTEN(o, o.dir / kResultsFile, out, err);
  ProgramReport report(out, son, o.dir, o.lang);
  RunConsole console{in, out, err, &report};
  RunResult result = CALCULATE_WITH_OPTIONS(ship, o, console);
  if (o.warnings)
    for (const Warning& w : result.warnings)
      err << "vardelonteksa: warning " << WARNING_LINE(w) << '\n';
  if (result.stop) err << ERROR_LINE(RUN_STOP_TEXT(result)->english);
  const int status = result.status();
  if (o.files.any()) doc.result = std::move(result);
  return status;
}

// The command-line option of a refused answer.
std::string OPTION_NAME(const OptionRefusal& no, bool batch) {
  if (no.missing && batch) return "--batch without --" + no.option;
  if (no.option == "etad_start") return "--etad-start";
  return "--" + no.option;
}

// One run in the folder of the options. `touched`: false when the run
// stopped without touching any file (a named-key file that cannot be used);
// `usage_error`: an answer given as an option cannot be used (nothing touched
// either, and no stop line, as for any usage error).
int RUN_IN_FOLDER(const ProgramOptions& o, std::istream& in, std::ostream& out, std::ostream& err,
                  RunDocument& doc, bool& touched, bool& usage_error) {
  // A missing data file is reported before any file is opened, so the
  // results of an earlier run in this folder survive.
  const std::filesystem::path data_path = o.dir / o.data;
  const std::string data_name = o.data.string();
  std::error_code ec;
  std::ifstream data;
  if (std::filesystem::is_regular_file(data_path, ec)) data.open(data_path, std::ios::binary);
  if (!data.is_open()) {
    out << DATA_FILE_NOT_OPENED_LINE(data_name, data_path, o.lang) << '\n';
    err << ERROR_LINE(DATA_FILE_NOT_OPENED_ENGLISH(data_path));
    doc.input_stop = STOP_OF("E101");
    doc.input_messages = {DATA_FILE_NOT_OPENED_LINE(data_name, data_path, Lang::Tr)};
    doc.input_english = DATA_FILE_NOT_OPENED_ENGLISH(data_path);
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
    WRITE_LINES(out, DATA_FILE_STOP_LINES(read.message_lines, read.english, o.lang));
    err << ERROR_LINE(read.english);
    touched = false;
    return read.stop->status;
  }
  std::optional<Stop> input_stop = read.stop;
  std::vector<std::string> messages = read.message_lines;
  ValidationResult checked;
  if (!input_stop) {
    checked = VALIDATE_SHIP_DATA(read.ship);
    messages.insert(messages.end(), checked.message_lines.begin(), checked.message_lines.end());
    input_stop = checked.stop;
  }
  const std::string why = input_stop ? DATA_FILE_STOP_ENGLISH(data_name, read, checked) : "";
  // The answers given as options, checked against the ship before any file
  // is touched: a careless option must not replace the last good report.
  if (!input_stop)
    if (const std::optional<OptionRefusal> no =
            CHECK_RUN_OPTIONS(RUN_OPTIONS_OF(o), read.ship, o.batch)) {
      usage_error = true;
      touched = false;
      err << "vardelonteksa: " << OPTION_NAME(*no, o.batch) << ": " << no->reason
          << "\nRun with --help for more information.\n";
      return EXIT_BAD_INPUT;
    }

  // The echo shows where reading stopped, so it is written in any case.
  { std::ofstream spare(o.dir / kSpareEchoFile, std::ios::binary | std::ios::app); }
  std::ofstream echo(o.dir / kEchoFile, std::ios::binary | std::ios::trunc);
  if (!echo) return OUTPUT_NOT_WRITTEN(o, o.dir / kEchoFile, out, err);
  echo << read.echo;
  echo.close();
  WRITE_LINES(out, DATA_FILE_STOP_LINES(messages, why, o.lang));
  if (o.files.any()) {
    doc.ship = read.ship;
    doc.echo = read.echo;
    doc.input_stop = input_stop;
    doc.input_messages = messages;
    doc.input_english = why;
  }
  if (input_stop) {
    err << ERROR_LINE(why);
    if (input_stop->pause && !o.batch) PAUSE(in, out, input_stop->prompt, o.lang);
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
  r.etad_asked = !o.etad_auto && !o.given.etad;
  return r;
}

RunResult CALCULATE_WITH_OPTIONS(const ShipRecord& ship, const ProgramOptions& o,
                                 RunConsole& console) {
  OptionDialogue::Given given = o.given;
  RunSettings settings;
  settings.method = o.method;
  // A resistance-only run has no efficiency to find: no passes.
  if (o.etad_auto && ship.NoDN == 0) {
    // The passes ask only what no option answers, and only once.
    OptionDialogue::Given questions{std::nullopt, given.Z, given.EAR, given.keller};
    OptionDialogue asked(console.in, console.out, questions, o.batch, o.lang);
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
    ConsoleDialogue dialogue(console.in, console.out, o.lang);
    r = RUN_STEPS(ship, dialogue, console.report, settings);
  } else {
    OptionDialogue dialogue(console.in, console.out, given, o.batch, o.lang);
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
    bool touched = true, usage_error = false;
    int status = RUN_IN_FOLDER(o, in, out, err, doc, touched, usage_error);
    if (usage_error) return status;  // as any usage error: no file touched, no stop line
    if (o.files.any() && touched) {
      doc.version = PROGRAM_VERSION;
      doc.data_name = o.data.string();
      doc.run_date = RUN_DATE();
      doc.status = status;
      const ResultFiles files{IN_FOLDER(o, o.files.json), IN_FOLDER(o, o.files.csv),
                              IN_FOLDER(o, o.files.plots), IN_FOLDER(o, o.files.html)};
      // A result file that cannot be written fails a run that otherwise ended
      // normally; the report itself is complete.
      if (!WRITE_RESULT_FILES(ResultView(std::move(doc)), files, err) && status == EXIT_RUN_END)
        status = EXIT_BAD_INPUT;
    }
    WRITE_STOP_LINE(out, o.lang);
    return status;
  } catch (const std::exception& e) {
    err << ERROR_LINE(std::string("internal error of the program: ") + e.what() +
                      "; please report it with the data file and the answers");
  } catch (...) {
    err << ERROR_LINE(
        "internal error of the program; please report it with the data file and the answers");
  }
  err.flush();
  WRITE_STOP_LINE(out, o.lang);
  return EXIT_INTERNAL;
}

int RUN_VARDELONTEKSA(const std::filesystem::path& dir, std::istream& in, std::ostream& out,
                      std::ostream& err) {
  ProgramOptions o;
  o.dir = dir;
  return RUN_WITH_OPTIONS(o, in, out, err);
}

}  // namespace vdk
