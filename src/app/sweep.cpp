#include "app/sweep.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

#include "core/version.hpp"
#include "input/ship_files.hpp"
#include "report/report_writer.hpp"
#include "results/result_files.hpp"

namespace vdk {

namespace {

constexpr const char* kResultsFile = "VARDELONTEKSA.SON";
constexpr const char* kEchoFile = "VARDELONTEKSA.CRL";

// The folder of a kept variant: variant-0001, ...
std::filesystem::path KEPT_FOLDER(const SweepOptions& o, std::size_t index) {
  std::string n = std::to_string(index + 1);
  if (n.size() < 4) n.insert(0, 4 - n.size(), '0');
  return o.keep / ("variant-" + n);
}

// Writes a variant's report, echo and JSON into its kept folder; what cannot
// be written is said in the row's errors.
void KEEP_VARIANT(const SweepOptions& o, const ReadResult& base, const SweepVariant& v,
                  const std::string& date, SweepRow& row) {
  const std::filesystem::path dir = KEPT_FOLDER(o, v.index);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::string error;
  const std::string echo = ECHO_LISTING(v.ship, base.comments);
  if (!WRITE_FILE_ATOMICALLY(dir / kEchoFile, echo, error)) row.errors += error + '\n';
  if (v.view) {
    std::ostream console(nullptr);  // the console lines are not kept
    std::ostringstream son;
    WRITE_REPORT(console, son, *v.view->run(), o.run.lang);
    if (!WRITE_FILE_ATOMICALLY(dir / kResultsFile, son.str(), error)) row.errors += error + '\n';
  }
  if (!o.json.empty()) {
    std::ostringstream err;
    if (v.view) {
      WRITE_JSON_FILE(*v.view, dir / o.json.filename(), err);
    } else {
      RunDocument doc;
      doc.version = PROGRAM_VERSION;
      doc.data_name = o.run.data.string();
      doc.run_date = date;
      doc.ship = v.ship;
      doc.echo = echo;
      doc.input_stop = v.checked.stop;
      doc.input_messages = v.checked.message_lines;
      doc.input_english = v.checked.english;
      doc.options = RUN_OPTIONS_OF(o.run);
      doc.status = v.checked.stop ? v.checked.stop->status : EXIT_RUN_END;
      WRITE_JSON_FILE(ResultView(std::move(doc)), dir / o.json.filename(), err);
    }
    row.errors += err.str();
  }
}

std::string EDIT_SECONDS(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, s < 600 ? "%.0f s" : "%.0f min", s < 600 ? s : s / 60);
  return buf;
}

}  // namespace

SweepResult RUN_SWEEP(const SweepOptions& o, const ReadResult& base, std::ostream& err) {
  SweepPlan plan;
  plan.base = base.ship;
  plan.variants = o.variants;
  plan.hold_cb = o.hold_cb;
  plan.options = RUN_OPTIONS_OF(o.run);
  plan.jobs = o.jobs;
  plan.data_name = o.run.data.string();
  plan.run_date = RUN_DATE();
  if (!o.keep.empty())
    plan.each = [&o, &base, date = plan.run_date](const SweepVariant& v, SweepRow& row) {
      KEEP_VARIANT(o, base, v, date, row);
    };
  if (o.progress)
    plan.progress = [&err](std::size_t done, std::size_t total, double s) {
      const double rate = s > 0 ? done / s : 0;
      err << "\rvardelonteksa sweep: " << done << "/" << total << " variants, "
          << static_cast<long>(rate) << "/s, "
          << (rate > 0 ? EDIT_SECONDS((total - done) / rate) : std::string("?")) << " left   "
          << std::flush;
    };
  SweepResult r = RUN_SWEEP(plan);
  if (o.progress) err << '\n';
  return r;
}

int SWEEP_PROGRAM(const SweepOptions& o, std::ostream& out, std::ostream& err) {
  try {
    const std::filesystem::path data_path = o.run.dir / o.run.data;
    std::error_code ec;
    std::ifstream data;
    if (std::filesystem::is_regular_file(data_path, ec)) data.open(data_path, std::ios::binary);
    if (!data.is_open()) {
      err << "vardelonteksa sweep: cannot open the data file " << data_path.string() << '\n';
      return EXIT_BAD_INPUT;
    }
    std::ostringstream text;
    text << data.rdbuf();
    // The base file must read; whether its values pass is each variant's matter.
    const ReadResult base =
        READ_SHIP_TEXT(text.str(), SHIP_FORMAT_OF(o.run.data), o.run.data.string(), false);
    if (base.stop) {
      err << "vardelonteksa: error: " << base.english << '\n';
      return base.stop->status;
    }
    // The answers given as options, checked before any variant: a sweep never
    // asks, so a propeller to be determined needs its blade number.
    if (const std::optional<OptionRefusal> no =
            CHECK_RUN_OPTIONS(RUN_OPTIONS_OF(o.run), base.ship, true)) {
      err << "vardelonteksa: sweep: "
          << (no->missing
                  ? "--blades is not given"
                  : "--" + (no->option == "etad_start" ? std::string("etad-start") : no->option))
          << ": " << no->reason << "\nRun with --help for more information.\n";
      return EXIT_BAD_INPUT;
    }

    const SweepResult r = RUN_SWEEP(o, base, err);
    std::size_t refused = 0, warned = 0;
    for (const SweepRow& row : r.rows) {
      err << row.errors;
      refused += row.status != EXIT_RUN_END;
      warned += !row.warnings.empty();
    }
    int status = EXIT_RUN_END;
    const std::string csv = SWEEP_CSV(r);
    if (o.out.empty()) {
      out << csv;
    } else {
      std::string error;
      if (WRITE_FILE_ATOMICALLY(o.out, csv, error)) {
        err << "vardelonteksa sweep: wrote " << r.rows.size() << " variants to " << o.out.string()
            << '\n';
      } else {
        err << "vardelonteksa sweep: " << error << '\n';
        status = EXIT_BAD_INPUT;
      }
    }
    if (!o.plots.empty() &&
        !WRITE_SWEEP_PLOTS(
            r, o.plots,
            "Sweep of " +
                (base.ship.name.empty() ? o.run.data.string()
                                        : base.ship.name + " (" + o.run.data.string() + ")") +
                ", " + std::to_string(r.rows.size()) + " variants, " + RUN_DATE(),
            err))
      status = EXIT_BAD_INPUT;
    if (warned && o.run.warnings)
      err << "vardelonteksa sweep: " << warned << " of " << r.rows.size()
          << " variants have warnings (codes in the warnings column)\n";
    if (refused)
      err << "vardelonteksa sweep: " << refused << " of " << r.rows.size()
          << " variants failed: they did not reach the normal run end (status and message in "
             "their rows)\n";
    // A sweep of which no variant could be calculated has failed as a whole.
    if (refused == r.rows.size() && status == EXIT_RUN_END) status = EXIT_BAD_INPUT;
    return status;
  } catch (const std::exception& e) {
    err << "vardelonteksa sweep: internal error: " << e.what() << '\n';
  }
  return EXIT_INTERNAL;
}

}  // namespace vdk
