#include "api/vardelonteksa.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <thread>

#include "api/sweep_engine.hpp"
#include "api/sweep_variants.hpp"
#include "core/version.hpp"
#include "input/read_ship_data.hpp"
#include "input/ship_file_layout.hpp"
#include "input/ship_files.hpp"
#include "input/ship_keys.hpp"
#include "report/report_writer.hpp"
#include "results/result_files.hpp"
#include "results/result_tables.hpp"
#include "results/results_json.hpp"
#include "results/run_figures.hpp"
#include "run/calculate.hpp"
#include "view/quantities.hpp"
#include "view/result_view.hpp"
#include "view/speed_values.hpp"

namespace vardelonteksa {

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

double D(const std::optional<float>& v) {
  return v ? static_cast<double>(*v) : NaN;
}

vdk::Method ENGINE_METHOD(Method m) {
  switch (m) {
    case Method::classic:
      return vdk::Method::Classic;
    case Method::hm1982:
      return vdk::Method::HM1982;
    case Method::hm1984:
      return vdk::Method::HM1984;
  }
  return vdk::Method::Classic;
}

Method API_METHOD(vdk::Method m) {
  switch (m) {
    case vdk::Method::Classic:
      return Method::classic;
    case vdk::Method::HM1982:
      return Method::hm1982;
    case vdk::Method::HM1984:
      return Method::hm1984;
  }
  return Method::classic;
}

vdk::RunOptions RUN_OPTIONS(const Options& o) {
  vdk::RunOptions r;
  if (o.blades) r.Z = static_cast<float>(*o.blades);
  if (o.etad) r.etad = static_cast<float>(*o.etad);
  r.etad_start = static_cast<float>(o.etad_start);
  if (o.ear) r.EAR = static_cast<float>(*o.ear);
  r.consistent = o.consistent;
  r.method = ENGINE_METHOD(o.method);
  return r;
}

[[noreturn]] void UNKNOWN_KEY(std::string_view key) {
  throw InputError("E104", vdk::EXIT_BAD_INPUT,
                   "no value of the ship is named '" + std::string(key) + "'; the nearest key is " +
                       vdk::NEAREST_SHIP_KEY(key) + " (see Ship::keys() and Ship::symbols())");
}

// The stop of a ship the checks refuse, as an exception.
[[noreturn]] void REFUSED(const vdk::ValidationResult& v) {
  throw InputError(v.stop->code, v.stop->status, v.english, vdk::STOP_PARAGRAPH(v.message_lines));
}

}  // namespace

std::string version() {
  return vdk::PROGRAM_VERSION;
}

Error::Error(std::string code, int status, const std::string& message,
             std::vector<std::string> report_lines)
    : std::runtime_error(message),
      code_(std::move(code)),
      status_(status),
      lines_(std::move(report_lines)) {}

// --- the ship --------------------------------------------------------------------

struct Ship::Impl {
  vdk::ShipRecord record;
  std::vector<std::string> comments;  // the data file's comment lines, for the echo
  std::string data_name = "VARDELONTEKSA.TSK";
};

Ship::Ship() : impl_(std::make_shared<Impl>()) {
  vdk::DERIVE_SHIP(impl_->record);
}
Ship::Ship(std::shared_ptr<Impl> impl) : impl_(std::move(impl)) {}

Ship::Impl& Ship::own() {
  if (impl_.use_count() > 1) impl_ = std::make_shared<Impl>(*impl_);
  return *impl_;
}

double Ship::get(std::string_view key) const {
  if (const std::optional<float> v = vdk::GET_SHIP_VALUE(impl_->record, key)) return *v;
  UNKNOWN_KEY(key);
}

void Ship::set(std::string_view key, double value) {
  const vdk::ShipKey* k = vdk::FIND_SHIP_KEY(key);
  if (!k || !vdk::GET_SHIP_VALUE(impl_->record, key)) UNKNOWN_KEY(key);
  // The range is checked before the ship is changed: a refused value leaves it as it was.
  std::string error;
  vdk::ShipRecord changed = impl_->record;
  if (!vdk::SET_SHIP_VALUE(changed, key, static_cast<float>(value), error))
    throw InputError("E104", vdk::EXIT_BAD_INPUT, error);
  own().record = std::move(changed);
}

std::vector<double> Ship::speeds() const {
  const vdk::ShipRecord& s = impl_->record;
  std::vector<double> v;
  for (int i = 1; i <= std::clamp(s.NSPEED, 0, vdk::MAX_SPEEDS); ++i) v.push_back(s.Vs(i));
  return v;
}

void Ship::set_speeds(const std::vector<double>& knots) {
  if (knots.empty() || knots.size() > static_cast<std::size_t>(vdk::MAX_SPEEDS))
    throw InputError(
        "E104", vdk::EXIT_BAD_INPUT,
        "the speed list holds " + std::to_string(knots.size()) + " speeds; it takes 1 to 50");
  vdk::ShipRecord& s = own().record;
  s.NSPEED = static_cast<int>(knots.size());
  for (int i = 1; i <= s.NSPEED; ++i) s.Vs(i) = static_cast<float>(knots[i - 1]);
  vdk::DERIVE_SHIP(s);
}

std::vector<double> Ship::wave_correction_factors() const {
  const vdk::ShipRecord& s = impl_->record;
  std::vector<double> v;
  for (int i = 1; i <= std::clamp(s.NCORR, 0, vdk::MAX_CORR); ++i) v.push_back(s.Fcorr(i));
  return v;
}

void Ship::set_wave_correction_factors(const std::vector<double>& factors) {
  if (factors.size() == 1 || factors.size() > static_cast<std::size_t>(vdk::MAX_CORR))
    throw InputError("E104", vdk::EXIT_BAD_INPUT,
                     "the wave-resistance correction takes no factor, or 2 to 10 factors; " +
                         std::to_string(factors.size()) + " given");
  vdk::ShipRecord& s = own().record;
  s.NCORR = static_cast<int>(factors.size());
  for (int i = 1; i <= s.NCORR; ++i) s.Fcorr(i) = static_cast<float>(factors[i - 1]);
  vdk::DERIVE_SHIP(s);
}

std::pair<double, double> Ship::appendage(int kind) const {
  if (kind < 1 || kind > vdk::NUM_APPENDAGES)
    throw InputError("E104", vdk::EXIT_BAD_INPUT, "appendage kinds are numbered 1 to 11");
  return {impl_->record.Sapp(kind), impl_->record.OnePlusK2Given(kind)};
}

void Ship::set_appendage(int kind, double area, double form_factor) {
  if (kind < 1 || kind > vdk::NUM_APPENDAGES)
    throw InputError("E104", vdk::EXIT_BAD_INPUT, "appendage kinds are numbered 1 to 11");
  // Each value checked against the range of its key first (a form factor of
  // 0 is the kind's default): a refused value leaves the ship as it was.
  vdk::ShipRecord changed = impl_->record;
  std::string error;
  for (const vdk::ShipKey& k : vdk::SHIP_KEYS()) {
    if (k.kind != kind) continue;
    bool taken = true;
    if (k.slot == vdk::KeySlot::AppendageArea)
      taken = vdk::SET_SHIP_VALUE(changed, k.path, static_cast<float>(area), error);
    else if (k.slot == vdk::KeySlot::AppendageFormFactor && form_factor == 0)
      changed.OnePlusK2Given(kind) = 0;
    else if (k.slot == vdk::KeySlot::AppendageFormFactor)
      taken = vdk::SET_SHIP_VALUE(changed, k.path, static_cast<float>(form_factor), error);
    if (!taken) throw InputError("E104", vdk::EXIT_BAD_INPUT, error);
  }
  vdk::DERIVE_SHIP(changed);
  own().record = std::move(changed);
}

std::string Ship::name() const {
  return impl_->record.name;
}

void Ship::set_name(std::string name) {
  own().record.name = std::move(name);
}

std::vector<std::string> Ship::keys() {
  std::vector<std::string> list;
  for (const vdk::ShipKey& k : vdk::SHIP_KEYS())
    if (k.slot != vdk::KeySlot::Speeds && k.slot != vdk::KeySlot::WaveFactors)
      list.emplace_back(k.name);
  return list;
}

std::vector<std::string> Ship::symbols() {
  std::vector<std::string> list;
  for (const vdk::ShipFileGroup& g : vdk::SHIP_FILE_GROUPS()) {
    if (g.shape != vdk::GroupShape::Values && g.shape != vdk::GroupShape::ShaftHeight) continue;
    for (const vdk::ShipField& f : g.fields) list.emplace_back(f.symbol);
  }
  return list;
}

void Ship::validate() const {
  const vdk::ValidationResult v = vdk::VALIDATE_SHIP_DATA(impl_->record);
  if (v.stop) REFUSED(v);
}

std::string Ship::echo() const {
  return vdk::ECHO_LISTING(impl_->record, impl_->comments);
}

std::string Ship::to_toml() const {
  return vdk::NAMED_SHIP_TEXT(impl_->record, impl_->comments);
}

std::string Ship::file_name() const {
  return impl_->data_name;
}

Ship ship_from_toml(std::string_view text, std::string_view file_name) {
  const vdk::ReadResult read =
      vdk::READ_SHIP_TEXT(text, vdk::ShipFormat::NamedKeys, file_name, false);
  if (read.stop)
    throw InputError(read.stop->code, read.stop->status, read.english,
                     vdk::STOP_PARAGRAPH(read.message_lines));
  auto impl = std::make_shared<Ship::Impl>();
  impl->record = read.ship;
  impl->comments = read.comments;
  impl->data_name = std::string(file_name);
  return Ship(std::move(impl));
}

Ship read_ship(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec))
    throw FileError("E101", vdk::EXIT_BAD_INPUT,
                    "the ship file " + file.string() + " cannot be opened");
  // Either format by its extension; the record's checks come with the reading.
  const vdk::ReadResult read = vdk::READ_SHIP(file);
  if (read.stop) {
    if (read.stop->code == "E101")
      throw FileError("E101", read.stop->status, read.english,
                      vdk::STOP_PARAGRAPH(read.message_lines));
    throw InputError(read.stop->code, read.stop->status, read.english,
                     vdk::STOP_PARAGRAPH(read.message_lines));
  }
  auto impl = std::make_shared<Ship::Impl>();
  impl->record = read.ship;
  impl->comments = read.comments;
  impl->data_name = file.filename().string();
  return Ship(std::move(impl));
}

// --- the result --------------------------------------------------------------------

struct Result::Impl {
  explicit Impl(vdk::RunDocument doc) : view(std::move(doc)) {}
  vdk::ResultView view;
  Options options;
  std::vector<SpeedPoint> speeds;
  std::optional<TrialPoint> trial;
  std::optional<SelectedPropeller> selected;
  std::vector<Warning> warnings;
  std::optional<Stop> stop;
};

Result::Result(std::shared_ptr<const Impl> impl) : impl_(std::move(impl)) {}

namespace {

std::vector<SpeedPoint> SPEED_POINTS(const vdk::ResultView& v) {
  std::vector<SpeedPoint> points;
  for (const vdk::SpeedView& s : v.speeds()) {
    SpeedPoint p;
    p.i = s.i;
    p.Vs = s.Vs;
    p.Fn = s.Fn;
    p.RF = D(s.RF);
    p.RAPP = D(s.RAPP);
    p.RAIR = D(s.RAIR);
    p.RW = D(s.RW);
    p.RB = D(s.RB);
    p.RTR = D(s.RTR);
    p.RBT = D(s.RBT);
    p.RA = D(s.RA);
    p.RV = D(s.RV);
    p.CF = D(s.CF);
    p.CV = D(s.CV);
    p.CA = D(s.CA);
    p.CT = D(s.CT_corrected ? s.CT_corrected : s.CT);
    p.CR = D(s.CR_corrected ? s.CR_corrected : s.CR);
    p.one_plus_k = D(s.OnePlusK);
    p.RT = D(s.RT_used());
    p.PE = D(s.PE_used());
    p.w = D(s.w);
    p.t = D(s.t);
    p.etaR = D(s.etaR);
    p.N = D(s.N_service);
    p.PB = D(s.PB_service);
    p.eta0 = D(s.eta0_service);
    p.etad = D(s.etad_service);
    points.push_back(p);
  }
  return points;
}

std::optional<TrialPoint> TRIAL_POINT(const vdk::ResultView& v) {
  const vdk::TrialView* t = v.trial();
  if (!t) return std::nullopt;
  TrialPoint p;
  p.Vs = t->Vs;
  p.PE = t->PE;
  p.RT = t->RT;
  p.thrust = t->thrust;
  p.w = t->w;
  p.t = t->t;
  p.etaR = t->etaR;
  p.etaH = t->etaH;
  p.etaS = t->etaS;
  p.etad = t->etad;
  p.PB = t->PB;
  p.PB_required = t->PB_required;
  p.PD_delivered = t->PD_delivered;
  p.series = t->series == 2 ? "Gawn" : "Wageningen B";
  p.propellers = t->propellers;
  p.Z = t->Z;
  p.D = t->D;
  p.pitch_ratio = t->pitch_ratio;
  p.EAR = t->EAR;
  p.J = t->J;
  p.KT = t->KT;
  p.KQ = t->KQ;
  p.eta0 = t->eta0;
  p.N = t->N;
  if (t->cavitation) {
    const vdk::CavitationView& c = *t->cavitation;
    Cavitation cav;
    cav.sigma = c.sigma;
    cav.EAR_Keller = c.EAR_Keller;
    cav.EAR_Burrill_5 = D(c.EAR_Burrill_5);
    cav.EAR_Wageningen = D(c.EAR_Wageningen);
    cav.Vtip = c.Vtip;
    cav.meets_Keller = c.meets_Keller;
    cav.meets_Burrill_5 = c.meets_Burrill_5;
    cav.tip_speed_below_limit = c.tip_speed_below_limit;
    p.cavitation = cav;
  }
  return p;
}

// The trial point's numbers by the keys of the JSON file's trial group.
struct TrialKey {
  const char* key;
  double (*get)(const TrialPoint&);
};
#define VDK_KEY(key, expr)                                  \
  {                                                         \
    key, [](const TrialPoint& t) -> double { return expr; } \
  }
const TrialKey kTrialKeys[] = {
    VDK_KEY("V_trial", t.Vs),
    VDK_KEY("PE", t.PE),
    VDK_KEY("RT", t.RT),
    VDK_KEY("thrust", t.thrust),
    VDK_KEY("w", t.w),
    VDK_KEY("t", t.t),
    VDK_KEY("etaH", t.etaH),
    VDK_KEY("etaR", t.etaR),
    VDK_KEY("etaS", t.etaS),
    VDK_KEY("eta0", t.eta0),
    VDK_KEY("etad", t.etad),
    VDK_KEY("PB", t.PB),
    VDK_KEY("PB_required", t.PB_required),
    VDK_KEY("PD_delivered", t.PD_delivered),
    VDK_KEY("propellers", t.propellers),
    VDK_KEY("Z", t.Z),
    VDK_KEY("D", t.D),
    VDK_KEY("P/D", t.pitch_ratio),
    VDK_KEY("EAR", t.EAR),
    VDK_KEY("J", t.J),
    VDK_KEY("KT", t.KT),
    VDK_KEY("KQ", t.KQ),
    VDK_KEY("N", t.N),
    VDK_KEY("sigma", t.cavitation ? t.cavitation->sigma : NaN),
    VDK_KEY("EAR_Keller", t.cavitation ? t.cavitation->EAR_Keller : NaN),
    VDK_KEY("EAR_Burrill_5", t.cavitation ? t.cavitation->EAR_Burrill_5 : NaN),
    VDK_KEY("Vtip", t.cavitation ? t.cavitation->Vtip : NaN),
};
#undef VDK_KEY

template <class K>
std::vector<Quantity> QUANTITIES_OF(const K& keys) {
  std::vector<Quantity> list;
  for (const auto& k : keys) {
    const vdk::Quantity& q = vdk::QUANTITY(k.key);
    list.push_back(Quantity{std::string(q.key), std::string(q.symbol), std::string(q.unit),
                            std::string(q.name), std::string(q.description)});
  }
  return list;
}

[[noreturn]] void UNKNOWN_RESULT_KEY(std::string_view key, const char* where) {
  throw InputError("E104", vdk::EXIT_BAD_INPUT,
                   "no " + std::string(where) + " value is named '" + std::string(key) + "'");
}

[[noreturn]] void NOT_WRITTEN(const std::string& what) {
  std::string text = what;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  throw FileError("E105", vdk::EXIT_BAD_INPUT, text);
}

}  // namespace

int Result::status() const {
  return impl_->view.status();
}
Method Result::method() const {
  return API_METHOD(impl_->view.method());
}
const std::vector<SpeedPoint>& Result::speeds() const {
  return impl_->speeds;
}
const TrialPoint* Result::trial() const {
  return impl_->trial ? &*impl_->trial : nullptr;
}
const SelectedPropeller* Result::selected() const {
  return impl_->selected ? &*impl_->selected : nullptr;
}
const std::vector<Warning>& Result::warnings() const {
  return impl_->warnings;
}
const Stop* Result::stop() const {
  return impl_->stop ? &*impl_->stop : nullptr;
}

std::vector<double> Result::speed_column(std::string_view key) const {
  // The keys of the JSON file's per_speed group.
  for (const vdk::PerSpeedValue& k : vdk::PER_SPEED_VALUES())
    if (k.key == key) {
      std::vector<double> column;
      for (const vdk::SpeedView& s : impl_->view.speeds()) column.push_back(D(k.get(s)));
      return column;
    }
  UNKNOWN_RESULT_KEY(key, "per-speed");
}

const std::vector<Quantity>& Result::speed_quantities() {
  static const std::vector<Quantity> list = QUANTITIES_OF(vdk::PER_SPEED_VALUES());
  return list;
}

double Result::trial_value(std::string_view key) const {
  for (const TrialKey& k : kTrialKeys)
    if (k.key == key) return impl_->trial ? k.get(*impl_->trial) : NaN;
  UNKNOWN_RESULT_KEY(key, "trial-point");
}

const std::vector<Quantity>& Result::trial_quantities() {
  static const std::vector<Quantity> list = QUANTITIES_OF(kTrialKeys);
  return list;
}

std::string Result::to_json() const {
  return vdk::RESULTS_JSON(impl_->view);
}

void Result::write_report(const std::filesystem::path& file, Language language) const {
  const vdk::RunResult* r = impl_->view.run();
  std::ostringstream son;
  if (r) {
    std::ostream console(nullptr);  // the console lines are not wanted
    vdk::WRITE_REPORT(console, son, *r,
                      language == Language::english ? vdk::Lang::En : vdk::Lang::Tr);
  }
  std::string error;
  if (!vdk::WRITE_FILE_ATOMICALLY(file, son.str(), error)) NOT_WRITTEN(error);
}

void Result::write_json(const std::filesystem::path& file) const {
  std::ostringstream err;
  if (!vdk::WRITE_JSON_FILE(impl_->view, file, err)) NOT_WRITTEN(err.str());
}

void Result::write_csv(const std::filesystem::path& folder) const {
  std::ostringstream err;
  if (!vdk::WRITE_CSV_FILES(vdk::RESULT_TABLES(impl_->view), folder, err)) NOT_WRITTEN(err.str());
}

void Result::write_plots(const std::filesystem::path& folder) const {
  std::ostringstream err;
  if (!vdk::WRITE_PLOT_FILES(vdk::RUN_FIGURES(impl_->view), folder, err)) NOT_WRITTEN(err.str());
}

void Result::write_html(const std::filesystem::path& file) const {
  std::ostringstream err;
  if (!vdk::WRITE_HTML_FILE(impl_->view, vdk::RUN_FIGURES(impl_->view),
                            vdk::RESULT_TABLES(impl_->view), file, err))
    NOT_WRITTEN(err.str());
}

namespace {

Result RESULT_OF(vdk::RunDocument doc, const Options& options) {
  auto impl = std::make_shared<Result::Impl>(std::move(doc));
  const vdk::ResultView& v = impl->view;
  impl->options = options;
  impl->speeds = SPEED_POINTS(v);
  impl->trial = TRIAL_POINT(v);
  if (const vdk::SelectedView* s = v.selected())
    impl->selected = SelectedPropeller{s->N,    s->Z,           s->J,   s->KT, s->KQ,
                                       s->eta0, s->pitch_ratio, s->EAR, s->D,  s->pitch};
  for (const vdk::Warning& w : v.warnings()) impl->warnings.push_back({w.code, w.text});
  if (v.stop())
    impl->stop = Stop{v.stop()->code, v.stop()->status, v.stop()->reason, v.stop()->english,
                      v.stop()->lines};
  return Result(std::move(impl));
}

// The options checked as the program checks them before a run.
void CHECK_OPTIONS(const vdk::RunOptions& o, const vdk::ShipRecord& ship) {
  if (const std::optional<vdk::OptionRefusal> no = vdk::CHECK_RUN_OPTIONS(o, ship))
    throw InputError("E104", vdk::EXIT_BAD_INPUT, "Options::" + no->option + ": " + no->reason);
}

}  // namespace

Result calculate(const Ship& ship, const Options& options) {
  const vdk::ShipRecord& record = ship.impl().record;
  const vdk::ValidationResult v = vdk::VALIDATE_SHIP_DATA(record);
  if (v.stop) REFUSED(v);
  const vdk::RunOptions o = RUN_OPTIONS(options);
  CHECK_OPTIONS(o, record);
  vdk::RunDocument doc;
  doc.version = vdk::PROGRAM_VERSION;
  doc.data_name = ship.impl().data_name;
  doc.ship = record;
  doc.options = o;
  doc.result = vdk::CALCULATE_RUN(record, o);
  doc.status = doc.result->status();
  return RESULT_OF(std::move(doc), options);
}

// --- the sweep ---------------------------------------------------------------------

std::string SweepResult::csv() const {
  std::string text;
  auto line = [&text](const std::vector<std::string>& fields) {
    for (std::size_t k = 0; k < fields.size(); ++k) {
      const std::string& f = fields[k];
      if (k) text += ',';
      const bool quote = f.find_first_of(",\"\r\n") != std::string::npos ||
                         (!f.empty() && (f.front() == ' ' || f.back() == ' '));
      if (!quote) {
        text += f;
        continue;
      }
      text += '"';
      for (char c : f) text += c == '"' ? std::string("\"\"") : std::string(1, c);
      text += '"';
    }
    text += "\r\n";
  };
  line(columns);
  for (const std::vector<Cell>& row : rows) {
    std::vector<std::string> fields;
    for (const Cell& c : row) fields.push_back(c.text);
    line(fields);
  }
  return text;
}

SweepResult sweep(const Ship& base, const std::vector<Variable>& grid, const Options& options,
                  unsigned jobs, bool hold_cb) {
  std::vector<vdk::SweepVariable> vars;
  for (const Variable& v : grid) {
    if (v.key != "T" && !vdk::SWEEP_NAME_KNOWN(v.key)) UNKNOWN_KEY(v.key);
    vdk::SweepVariable sv{v.key, {}};
    for (double x : v.values) sv.values.push_back(static_cast<float>(x));
    vars.push_back(std::move(sv));
  }
  std::string error;
  std::optional<vdk::VariantTable> table = vdk::GRID_VARIANTS(vars, error);
  if (!table || !vdk::CHECK_SWEEP_VARIANTS(*table, hold_cb, error))
    throw InputError("E104", vdk::EXIT_BAD_INPUT, "sweep: " + error);
  const vdk::RunOptions o = RUN_OPTIONS(options);
  CHECK_OPTIONS(o, base.impl().record);
  vdk::SweepPlan plan;
  plan.base = base.impl().record;
  plan.variants = std::move(*table);
  plan.hold_cb = hold_cb;
  plan.options = o;
  plan.jobs = jobs ? jobs : std::max(1u, std::thread::hardware_concurrency());
  plan.data_name = base.impl().data_name;
  const vdk::SweepResult r = vdk::RUN_SWEEP(plan);
  if (r.fault) std::rethrow_exception(r.fault);

  SweepResult out;
  out.columns = vdk::SWEEP_COLUMNS(r);
  for (std::size_t k = 0; k < r.rows.size(); ++k) {
    const std::vector<std::string> fields = vdk::SWEEP_FIELDS(r.rows[k], k, r.method);
    std::vector<Cell> cells;
    for (std::size_t c = 0; c < fields.size(); ++c) {
      Cell cell;
      cell.text = fields[c];
      const std::string& name = out.columns[c];
      const bool text =
          name == "message" || name == "series" || name == "warnings" || name == "method";
      const bool whole = name == "variant" || name == "status";
      if (fields[c].empty()) {
        cell.kind = Cell::Kind::empty;
      } else if (text) {
        cell.kind = Cell::Kind::text;
      } else if (whole) {
        cell.kind = Cell::Kind::integer;
        cell.number = std::stod(fields[c]);
      } else {
        cell.kind = Cell::Kind::number;
        cell.number = std::stod(fields[c]);
      }
      cells.push_back(std::move(cell));
    }
    out.rows.push_back(std::move(cells));
  }
  return out;
}

}  // namespace vardelonteksa
