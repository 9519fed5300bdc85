#include "api/sweep_engine.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "core/version.hpp"
#include "format/text_fields.hpp"
#include "run/calculate.hpp"

namespace vdk {

namespace {

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

// One variant: the base ship with the variant's values, derived again,
// checked as a data file is, and calculated with the sweep's options.
SweepRow CALCULATE_VARIANT(const SweepPlan& plan, std::size_t index) {
  SweepRow row;
  row.values = plan.variants.rows[index];
  const ShipRecord ship = VARIANT_SHIP(plan.base, plan.variants.names, row.values, plan.hold_cb);
  if (plan.hold_cb) row.values.push_back(ship.V);
  const ValidationResult checked = VALIDATE_SHIP_DATA(ship);
  if (checked.stop) {
    row.status = checked.stop->status;
    row.message = STOP_MESSAGE(*checked.stop, checked.message_lines);
    if (plan.each) plan.each(SweepVariant{index, ship, checked, nullptr}, row);
    return row;
  }
  RunDocument doc;
  doc.version = PROGRAM_VERSION;
  doc.data_name = plan.data_name;
  doc.run_date = plan.run_date;
  doc.ship = ship;
  doc.options = plan.options;
  doc.result = CALCULATE_RUN(ship, plan.options);
  doc.status = doc.result->status();
  const ResultView view(std::move(doc));
  FILL_SWEEP_ROW(row, view);
  if (plan.each) plan.each(SweepVariant{index, view.ship(), checked, &view}, row);
  return row;
}

std::string FIELD(const std::optional<float>& v) {
  return v ? SHORTEST_FLOAT(*v) : std::string();
}

}  // namespace

void FILL_SWEEP_ROW(SweepRow& row, const ResultView& view) {
  const RunResult& r = *view.run();
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
    // The propeller the brake power was computed with.
    if (const TrialView* t = view.trial(); t && (p.charComputed || !p.stop)) {
      row.SERIES = t->series;
      row.Z = t->Z;
      row.D = t->D;
      row.PD = t->pitch_ratio;
      row.EAR = t->EAR;
      row.N = t->N;
      row.eta0 = t->eta0;
    }
  }
  for (const Warning& w : view.warnings()) row.warnings.push_back(w.code);
}

SweepResult RUN_SWEEP(const SweepPlan& plan) {
  SweepResult r;
  r.names = plan.variants.names;
  if (plan.hold_cb) r.names.push_back("V");
  r.method = plan.options.method;
  const std::size_t total = plan.variants.rows.size();
  r.rows.resize(total);

  // Workers take the next variant from a shared counter; each row goes to
  // its variant's place, so the order does not depend on the threads.
  std::atomic<std::size_t> next{0}, done{0};
  std::mutex fault_lock;
  auto work = [&] {
    for (std::size_t k; (k = next.fetch_add(1)) < total;) {
      try {
        r.rows[k] = CALCULATE_VARIANT(plan, k);
      } catch (const std::exception& e) {
        r.rows[k].values = plan.variants.rows[k];
        r.rows[k].status = EXIT_INTERNAL;
        r.rows[k].message = std::string("internal error: ") + e.what();
        const std::lock_guard<std::mutex> lock(fault_lock);
        if (!r.fault) r.fault = std::current_exception();
      }
      done.fetch_add(1);
    }
  };
  const auto start = std::chrono::steady_clock::now();
  {
    std::vector<std::jthread> workers;
    const std::size_t n = std::max<std::size_t>(1, std::min<std::size_t>(plan.jobs, total));
    for (std::size_t k = 1; k < n; ++k) workers.emplace_back(work);
    if (plan.progress) {
      // The calling thread reports while the workers calculate.
      workers.emplace_back(work);
      while (done.load() < total) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        plan.progress(
            done.load(), total,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
      }
    } else {
      work();  // the calling thread is one of the workers
    }
  }
  return r;
}

std::vector<std::string> SWEEP_COLUMNS(const SweepResult& r) {
  std::vector<std::string> head{"variant"};
  for (const std::string& n : r.names) head.push_back(SWEEP_HEADER(n));
  // The names the sweep file has always had: scripts read them.
  for (const char* h : {"status", "message", "RT_kN",  "PE_kW", "w",      "t",        "etaR",
                        "series", "Z",       "D_m",    "PD",    "EAR",    "N_rpm",    "eta0",
                        "etad",   "PB_kW",   "PBm_kW", "Sigma", "EARB50", "Vtip_m_s", "warnings"})
    head.push_back(h);
  if (PUBLISHED(r.method)) head.push_back("method");
  return head;
}

std::vector<std::string> SWEEP_FIELDS(const SweepRow& row, std::size_t index, Method method) {
  std::vector<std::string> f{std::to_string(index + 1)};
  for (float v : row.values) f.push_back(SHORTEST_FLOAT(v));
  std::string codes;
  for (const std::string& c : row.warnings) codes += (codes.empty() ? "" : " ") + c;
  const char* series = row.SERIES == 1 ? "Wageningen B" : row.SERIES == 2 ? "Gawn" : "";
  for (const std::string& s : {std::to_string(row.status),
                               row.message,
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
                               codes})
    f.push_back(s);
  if (PUBLISHED(method)) f.push_back(std::string(METHOD_NAME(method)));
  return f;
}

std::string SWEEP_CSV(const SweepResult& r) {
  std::vector<std::string> head = SWEEP_COLUMNS(r);
  for (std::string& h : head) h = CSV_FIELD(h);
  std::string text = CSV_LINE(head);
  for (std::size_t k = 0; k < r.rows.size(); ++k) {
    std::vector<std::string> f = SWEEP_FIELDS(r.rows[k], k, r.method);
    for (std::string& s : f) s = CSV_FIELD(s);
    text += CSV_LINE(f);
  }
  return text;
}

}  // namespace vdk
