#include "view/result_view.hpp"

#include <algorithm>
#include <cmath>

#include "core/constants.hpp"
#include "propeller/open_water.hpp"

namespace vdk {

namespace {

bool REACHED(const RunResult& r, RunStep s) {
  return std::find(r.steps.begin(), r.steps.end(), s) != r.steps.end();
}

std::optional<float> IF(bool has, float v) {
  return has ? std::optional<float>(v) : std::nullopt;
}

std::vector<SpeedView> SPEEDS(const RunResult& r) {
  const ResistanceColumns& c = r.resistance.columns;
  const ResistanceTables& t = r.tables;
  // The corrected columns exist once the summary tables are written without a stop.
  const bool corr = REACHED(r, RunStep::Tables) && !t.stop;
  const bool trial = REACHED(r, RunStep::Prerequisites) && !r.prerequisites.too_few_speeds;
  const PowerChainRecord* pc = r.power_chain ? &*r.power_chain : nullptr;
  const CharacteristicsRecord* ch =
      pc && REACHED(r, RunStep::Service) && pc->characteristics.serviceComputable
          ? &pc->characteristics
          : nullptr;
  std::vector<SpeedView> speeds;
  speeds.reserve(r.resistance.blocks.size());
  for (const SpeedBlock& b : r.resistance.blocks) {
    const int i = b.i;
    // How far the block got: the hull form always, friction and wave
    // resistance unless the prismatic stop, the rest on a complete block.
    const bool fr = b.end != BlockEnd::PrismaticStop;
    const bool full = b.end == BlockEnd::Complete;
    const std::size_t k = static_cast<std::size_t>(i - 1);
    SpeedView s;
    s.i = i;
    s.Vs = b.hull_form.VS;
    s.v = b.hull_form.v;
    // The Froude number is printed before the prismatic check: every block has it.
    s.Fn = b.hull_form.Fn;
    s.Rn = IF(fr, c.Rn(i));
    s.CF = IF(fr, c.CF(i));
    s.CV = IF(fr, c.CV(i));
    s.OnePlusK = IF(fr, b.hull_form.OnePlusK);
    s.S = IF(fr, b.hull_form.S_used);
    s.RF = IF(fr, c.RF(i));
    s.RAPP = IF(fr, c.RAPP(i));
    s.RAIR = IF(fr, c.RAIR(i));
    s.RW = IF(fr, c.RW(i));
    s.RB = IF(full, c.RB(i));
    s.RTR = IF(full, c.RTR(i));
    s.RBT = IF(full, c.RBT(i));
    s.CA = IF(full, c.CA(i));
    s.RA = IF(full, c.RA(i));
    s.RV = IF(full, c.RV(i));
    s.RT = IF(full, c.RT(i));
    s.CT = IF(full, c.CT(i));
    s.CR = IF(full, c.CR(i));
    s.CW = IF(full, b.wave.CW);
    s.PE = IF(full, c.PE(i));
    s.correction_factor = IF(corr && t.CorrFlag == 1, t.Fac(i));
    s.CR_corrected = IF(corr, t.CR_corrected(i));
    s.CT_corrected = IF(corr, t.CT_corrected(i));
    s.RT_corrected = IF(corr, t.RT_corrected(i));
    s.PE_corrected = IF(corr, t.PE_corrected(i));
    s.PE_trial = IF(trial, r.prerequisites.PEtrArr(i));
    if (pc && k < pc->WFT.size() && k < pc->ThDF.size() && k < pc->ETAR.size()) {
      s.w = pc->WFT[k];
      s.t = pc->ThDF[k];
      s.etaR = pc->ETAR[k];
    }
    // One row of the minimum-service table per speed of the list, in its order.
    if (ch && k < ch->service.size()) {
      const ServiceRow& row = ch->service[k];
      s.etaH_service = row.ETAH;
      s.eta0_service = row.ETA0;
      s.etad_service = row.ETAD;
      s.PB_service = static_cast<float>(row.PB);
      s.N_service = row.RPM;
    }
    speeds.push_back(s);
  }
  return speeds;
}

std::optional<CavitationView> CAVITATION(const TrialPropellerRecord& tr) {
  // The checks as the report gives them: after the propeller was settled
  // without a stop of its routine.
  if (!(tr.EAR > 0.0f) || tr.routine.stop || tr.cav.stop) return std::nullopt;
  const CavitationResult& c = tr.cav;
  CavitationView v;
  v.sigma = c.Sigma;
  v.EAR_Keller = tr.EARK;
  v.in_Burrill_range = c.inRange;
  if (c.inRange) {
    v.EAR_Burrill_2_5 = c.EARB25;
    v.EAR_Burrill_5 = c.EARB50;
    v.EAR_Burrill_upper = c.EARBUP;
    v.EAR_Wageningen = c.EARW;
    v.meets_Burrill_5 = c.EAR >= c.EARB50;
  }
  v.meets_Keller = tr.EAR >= tr.EARK;
  v.Vtip = c.Vtip;
  v.tip_speed_below_limit = c.Vtip < 30.0f;  // m/s, the report's rough limit
  return v;
}

std::optional<TrialView> TRIAL(const RunResult& r) {
  if (!r.power_chain || !r.trial || !r.trial_start || !REACHED(r, RunStep::PowerChain))
    return std::nullopt;
  const PowerChainRecord& p = *r.power_chain;
  const TrialPropellerRecord& tr = *r.trial;
  TrialView t;
  t.Vs = r.ship.Vtrial;
  t.PE = p.PEtrial;
  t.RT = r.trial_thrust ? r.trial_thrust->Rt : p.PEtrial / (r.ship.Vtrial * KNOT);
  t.thrust = tr.routine.T_shown;
  t.w = tr.w;
  t.t = tr.t;
  t.etaR = p.etaR_trial;
  t.etaH = p.ETAH;
  t.etaS = p.etas;
  t.etad = p.etad;
  t.PB = p.Pb;
  if (PUBLISHED(p.method)) t.PB_service = p.Ps;
  t.PB_required = p.Pbm;
  t.PD_delivered = p.Pbd;
  t.series = r.ship.SERIES;
  t.controllable_pitch = IS_CP_PROPELLER(tr.routine.set);
  t.propellers = r.ship.NPROP;
  // The propeller the search or the operating point found: its efficiency
  // gave etad and with it the brake power.
  const SelectedPropeller& s = tr.sel;
  t.Z = tr.Z;
  t.D = s.D;
  t.pitch_ratio = s.PD;
  t.EAR = tr.EAR;
  t.J = s.J;
  t.KT = s.KT;
  t.KQ = s.KQ;
  t.eta0 = p.ETA0_trial;
  t.N = s.N;
  t.cavitation = CAVITATION(tr);
  return t;
}

std::optional<SelectedView> SELECTED(const RunResult& r) {
  if (!r.power_chain || !REACHED(r, RunStep::PowerChain)) return std::nullopt;
  const PowerChainRecord& p = *r.power_chain;
  if (p.stop && !p.charComputed) return std::nullopt;
  const SelectedPropeller& s = p.sel;
  SelectedView v;
  v.series = r.ship.SERIES;
  v.controllable_pitch = IS_CP_PROPELLER(SeriesSettings{r.ship.SERIES, r.ship.CPPropeller});
  v.N = s.N;
  v.Z = p.Z;
  v.J = s.J;
  v.KT = s.KT;
  v.KQ = s.KQ;
  v.eta0 = s.ETA0;
  v.pitch_ratio = s.PD;
  v.EAR = p.EAR;
  v.D = p.D;
  v.pitch = s.PD * p.D;
  v.PD_absorbed = s.Pd;
  return v;
}

}  // namespace

ResultView::ResultView(RunDocument doc) : doc_(std::move(doc)) {
  options_ = doc_.result ? doc_.result->options : doc_.options;
  if (const RunResult* r = run()) {
    speeds_ = SPEEDS(*r);
    trial_ = TRIAL(*r);
    selected_ = SELECTED(*r);
    stop_ = RUN_STOP_TEXT(*r);
  } else if (doc_.input_stop) {
    stop_ = INPUT_STOP_TEXT(*doc_.input_stop, doc_.input_messages, doc_.input_english);
  }
}

bool ResultView::reached(RunStep s) const {
  return doc_.result && REACHED(*doc_.result, s);
}

const SpeedView* ResultView::trial_speed() const {
  const float Vtrial = ship().Vtrial;
  for (const SpeedView& s : speeds_)
    if (std::fabs(s.Vs - Vtrial) < 0.001f) return &s;
  return nullptr;
}

bool ResultView::selected_differs() const {
  return trial_ && selected_ &&
         (trial_->pitch_ratio != selected_->pitch_ratio || trial_->eta0 != selected_->eta0 ||
          trial_->J != selected_->J);
}

const std::vector<Warning>& ResultView::warnings() const {
  static const std::vector<Warning> none;
  return doc_.result ? doc_.result->warnings : none;
}

std::string ResultView::title_name() const {
  return ship().name.empty() ? "Data file " + doc_.data_name : ship().name;
}

}  // namespace vdk
