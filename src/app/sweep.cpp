#include "app/sweep.hpp"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <thread>

#include "core/version.hpp"
#include "format/format.hpp"
#include "format/text_fields.hpp"
#include "input/ship_files.hpp"
#include "report/report_writer.hpp"

namespace vdk {

namespace {

constexpr const char* kResultsFile = "VARDELONTEKSA.SON";
constexpr const char* kEchoFile = "VARDELONTEKSA.CRL";

// A short message for a stop: its reason, with the detail of the data file's
// message where it names the refused value ("...: B = -1.0000 ...").
std::string STOP_MESSAGE(const Stop& stop, const std::vector<std::string>& lines) {
  std::string detail;
  for (const std::string& line : lines) {
    const std::size_t first = line.find_first_not_of(' ');
    if (first != std::string::npos) detail = line.substr(first);
  }
  const std::size_t colon = detail.find(": ");
  if (colon == std::string::npos) return stop.reason;
  return stop.reason + ": " + detail.substr(colon + 2);
}

// The row's values from the records the run reached.
void FILL_ROW(SweepRow& row, const RunResult& r) {
  row.status = r.status();
  if (r.stop) row.message = STOP_MESSAGE(*r.stop, {});
  if (r.trial_start) row.PE = r.trial_start->PEtrial;
  if (r.trial_thrust) row.RT = r.trial_thrust->Rt;
  if (r.trial) {
    row.w = r.trial->w;
    row.t = r.trial->t;
    row.etaR = r.trial->etaR;
    if (!r.trial->cav.stop && r.trial->cav.V07R2 > 0) {
      row.Sigma = r.trial->cav.Sigma;
      row.Vtip = r.trial->cav.Vtip;
      if (r.trial->cav.inRange) row.EARB50 = r.trial->cav.EARB50;
    }
  }
  if (r.power_chain) {
    const PowerChainRecord& p = *r.power_chain;
    row.etad = p.etad;
    row.PB = p.Pb;
    row.PBm = p.Pbm;
    if (p.charComputed || !p.stop) {
      row.SERIES = r.ship.SERIES;
      row.Z = p.Z;
      row.D = p.D;
      row.PD = p.sel.PD;
      row.EAR = p.EAR;
      row.N = p.sel.N;
      row.eta0 = p.sel.ETA0;
    }
  }
  for (const Warning& w : r.warnings) row.warnings.push_back(w.code);
}

// The folder of a kept variant: variant-0001, ...
std::filesystem::path KEPT_FOLDER(const SweepOptions& o, std::size_t index) {
  std::string n = std::to_string(index + 1);
  if (n.size() < 4) n.insert(0, 4 - n.size(), '0');
  return o.keep / ("variant-" + n);
}

// Writes a variant's report, echo and JSON into its kept folder; what cannot
// be written is said in `errors`.
void KEEP_VARIANT(const SweepOptions& o, std::size_t index, const ShipRecord& ship,
                  const std::string& echo, const std::optional<Stop>& input_stop,
                  const std::vector<std::string>& messages, const std::optional<RunResult>& result,
                  const std::string& date, std::string& errors) {
  const std::filesystem::path dir = KEPT_FOLDER(o, index);
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::string error;
  if (!WRITE_FILE_ATOMICALLY(dir / kEchoFile, echo, error)) errors += error + '\n';
  if (result) {
    std::ostream console(nullptr);  // the console lines are not kept
    std::ostringstream son;
    WRITE_REPORT(console, son, *result);
    if (!WRITE_FILE_ATOMICALLY(dir / kResultsFile, son.str(), error)) errors += error + '\n';
  }
  if (!o.json.empty()) {
    RunDocument doc;
    doc.version = PROGRAM_VERSION;
    doc.data_name = o.run.data.string();
    doc.run_date = date;
    doc.ship = ship;
    doc.echo = echo;
    doc.input_stop = input_stop;
    doc.input_messages = messages;
    doc.result = result;
    doc.status = result ? result->status() : input_stop ? input_stop->status : EXIT_RUN_END;
    std::ostringstream err;
    WRITE_JSON_FILE(doc, dir / o.json.filename(), err);
    errors += err.str();
  }
}

// One variant: the base ship with the variant's values, derived again,
// checked as a data file is, and calculated with the sweep's options.
SweepRow CALCULATE_VARIANT(const SweepOptions& o, const ReadResult& base, std::size_t index,
                           const std::string& date) {
  SweepRow row;
  row.values = o.variants.rows[index];
  const ShipRecord ship = VARIANT_SHIP(base.ship, o.variants.names, row.values, o.hold_cb);
  if (o.hold_cb) row.values.push_back(ship.V);
  const ValidationResult checked = VALIDATE_SHIP_DATA(ship);
  std::optional<RunResult> result;
  if (checked.stop) {
    row.status = checked.stop->status;
    row.message = STOP_MESSAGE(*checked.stop, checked.message_lines);
  } else {
    result = CALCULATE_RUN(ship, RUN_OPTIONS_OF(o.run));
    FILL_ROW(row, *result);
  }
  if (!o.keep.empty())
    KEEP_VARIANT(o, index, ship, ECHO_LISTING(ship, base.comments), checked.stop,
                 checked.message_lines, result, date, row.errors);
  return row;
}

std::string EDIT_SECONDS(double s) {
  char buf[32];
  std::snprintf(buf, sizeof buf, s < 600 ? "%.0f s" : "%.0f min", s < 600 ? s : s / 60);
  return buf;
}

std::string FIELD(const std::optional<float>& v) {
  return v ? SHORTEST_FLOAT(*v) : std::string();
}

}  // namespace

SweepResult RUN_SWEEP(const SweepOptions& o, const std::string& base, std::ostream& err) {
  SweepResult r;
  r.names = o.variants.names;
  if (o.hold_cb) r.names.push_back("V");
  const std::size_t total = o.variants.rows.size();
  r.rows.resize(total);
  // Whether the base values pass is each variant's matter.
  const ReadResult base_read =
      READ_SHIP_TEXT(base, SHIP_FORMAT_OF(o.run.data), o.run.data.string(), false);
  const std::string date = RUN_DATE();

  // Workers take the next variant from a shared counter; each row goes to
  // its variant's place, so the order does not depend on the threads.
  std::atomic<std::size_t> next{0}, done{0};
  auto work = [&] {
    for (std::size_t k; (k = next.fetch_add(1)) < total;) {
      try {
        r.rows[k] = CALCULATE_VARIANT(o, base_read, k, date);
      } catch (const std::exception& e) {
        r.rows[k].values = o.variants.rows[k];
        r.rows[k].status = EXIT_INTERNAL;
        r.rows[k].message = std::string("internal error: ") + e.what();
      }
      done.fetch_add(1);
    }
  };
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::jthread> workers;
    const std::size_t n = std::max<std::size_t>(1, std::min<std::size_t>(o.jobs, total));
    for (std::size_t k = 0; k < n; ++k) workers.emplace_back(work);
    while (o.progress && done.load() < total) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      const std::size_t d = done.load();
      const double s =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      const double rate = s > 0 ? d / s : 0;
      err << "\rvardelonteksa sweep: " << d << "/" << total << " variants, "
          << static_cast<long>(rate) << "/s, "
          << (rate > 0 ? EDIT_SECONDS((total - d) / rate) : std::string("?")) << " left   "
          << std::flush;
    }
  }
  if (o.progress) err << '\n';
  return r;
}

std::string SWEEP_CSV(const SweepResult& r) {
  std::vector<std::string> head{"variant"};
  for (const std::string& n : r.names) head.push_back(CSV_FIELD(SWEEP_HEADER(n)));
  for (const char* h : {"status", "message", "RT_kN",  "PE_kW", "w",      "t",        "etaR",
                        "series", "Z",       "D_m",    "PD",    "EAR",    "N_rpm",    "eta0",
                        "etad",   "PB_kW",   "PBm_kW", "Sigma", "EARB50", "Vtip_m_s", "warnings"})
    head.push_back(h);
  std::string text = CSV_LINE(head);
  for (std::size_t k = 0; k < r.rows.size(); ++k) {
    const SweepRow& row = r.rows[k];
    std::vector<std::string> f{std::to_string(k + 1)};
    for (float v : row.values) f.push_back(SHORTEST_FLOAT(v));
    std::string codes;
    for (const std::string& c : row.warnings) codes += (codes.empty() ? "" : " ") + c;
    const char* series = row.SERIES == 1 ? "Wageningen B" : row.SERIES == 2 ? "Gawn" : "";
    for (const std::string& s : {std::to_string(row.status),
                                 CSV_FIELD(row.message),
                                 FIELD(row.RT),
                                 FIELD(row.PE),
                                 FIELD(row.w),
                                 FIELD(row.t),
                                 FIELD(row.etaR),
                                 std::string(series),
                                 FIELD(row.Z),
                                 FIELD(row.D),
                                 FIELD(row.PD),
                                 FIELD(row.EAR),
                                 FIELD(row.N),
                                 FIELD(row.eta0),
                                 FIELD(row.etad),
                                 FIELD(row.PB),
                                 FIELD(row.PBm),
                                 FIELD(row.Sigma),
                                 FIELD(row.EARB50),
                                 FIELD(row.Vtip),
                                 CSV_FIELD(codes)})
      f.push_back(s);
    text += CSV_LINE(f);
  }
  return text;
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
    const std::string base = text.str();
    // The base file must read; whether its values pass is each variant's matter.
    const ReadResult read =
        READ_SHIP_TEXT(base, SHIP_FORMAT_OF(o.run.data), o.run.data.string(), false);
    if (read.stop) {
      for (const std::string& line : read.message_lines) err << line << '\n';
      if (SHIP_FORMAT_OF(o.run.data) == ShipFormat::NamedKeys)
        err << "vardelonteksa: error: " << read.english << '\n';
      return read.stop->status;
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
        !WRITE_SWEEP_PLOTS(r, o.plots,
                           "Sweep of " + o.run.data.string() + ", " +
                               std::to_string(r.rows.size()) + " variants, " + RUN_DATE(),
                           err))
      status = EXIT_BAD_INPUT;
    if (refused)
      err << "vardelonteksa sweep: " << refused << " of " << r.rows.size()
          << " variants did not reach the normal run end (status and message in their rows)\n";
    if (warned && o.run.warnings)
      err << "vardelonteksa sweep: " << warned << " of " << r.rows.size()
          << " variants have warnings (codes in the warnings column)\n";
    return status;
  } catch (const std::exception& e) {
    err << "vardelonteksa sweep: internal error: " << e.what() << '\n';
  }
  return EXIT_INTERNAL;
}

}  // namespace vdk
