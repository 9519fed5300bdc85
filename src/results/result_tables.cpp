#include "results/result_tables.hpp"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "format/text_fields.hpp"

namespace vdk {

namespace {

using Row = std::vector<std::string>;

std::string F(float v) {
  return SHORTEST_FLOAT(v);
}
std::string I(long long v) {
  return std::to_string(v);
}
// A value the run did not compute: an empty field.
std::string F_IF(bool computed, float v) {
  return computed ? F(v) : std::string();
}

bool reached(const RunResult& r, RunStep s) {
  return std::find(r.steps.begin(), r.steps.end(), s) != r.steps.end();
}

// How far a speed block got: the hull form always, friction and wave
// resistance unless the prismatic stop, the rest on a complete block.
struct BlockReach {
  bool friction = false, complete = false;
};
BlockReach REACH(const SpeedBlock& b) {
  return {b.end != BlockEnd::PrismaticStop, b.end == BlockEnd::Complete};
}

// The corrected columns exist once the summary tables are written without a stop.
bool CORRECTED_COLUMNS(const RunResult& r) {
  return reached(r, RunStep::Tables) && !r.tables.stop;
}

ResultTable RESISTANCE_TABLE(const RunResult& r) {
  ResultTable t{"resistance",
                "Resistance per speed",
                {"i",           "V_kn",    "Fn",      "Rn",        "CF",    "CV",     "1+k",
                 "RF_kN",       "RAPP_kN", "RAIR_kN", "RW_kN",     "RB_kN", "RTR_kN", "RBT_kN",
                 "CA",          "RA_kN",   "RV_kN",   "RT_kN",     "CT",    "CR",     "CW",
                 "corr_factor", "CR_corr", "CT_corr", "RT_corr_kN"},
                {}};
  const ResistanceColumns& c = r.resistance.columns;
  const bool corr = CORRECTED_COLUMNS(r);
  for (const SpeedBlock& b : r.resistance.blocks) {
    const int i = b.i;
    const BlockReach at = REACH(b);
    const bool full = at.complete;
    t.rows.push_back({I(i),
                      F(r.ship.Vs(i)),
                      F(c.Fn(i)),
                      F_IF(at.friction, c.Rn(i)),
                      F_IF(at.friction, c.CF(i)),
                      F_IF(at.friction, c.CV(i)),
                      F(b.hull_form.OnePlusK),
                      F_IF(at.friction, c.RF(i)),
                      F_IF(at.friction, c.RAPP(i)),
                      F_IF(at.friction, c.RAIR(i)),
                      F_IF(at.friction, c.RW(i)),
                      F_IF(full, c.RB(i)),
                      F_IF(full, c.RTR(i)),
                      F_IF(full, c.RBT(i)),
                      F_IF(full, c.CA(i)),
                      F_IF(full, c.RA(i)),
                      F_IF(full, c.RV(i)),
                      F_IF(full, c.RT(i)),
                      F_IF(full, c.CT(i)),
                      F_IF(full, c.CR(i)),
                      F_IF(full, b.wave.CW),
                      F_IF(corr && r.tables.CorrFlag == 1, r.tables.Fac(i)),
                      F_IF(corr, r.tables.CR_corrected(i)),
                      F_IF(corr, r.tables.CT_corrected(i)),
                      F_IF(corr, r.tables.RT_corrected(i))});
  }
  return t;
}

// The minimum-service row of speed number i, if the table has one.
const ServiceRow* SERVICE_ROW(const RunResult& r, int i) {
  if (!r.power_chain || !reached(r, RunStep::Service)) return nullptr;
  const CharacteristicsRecord& ch = r.power_chain->characteristics;
  if (!ch.serviceComputable) return nullptr;
  const std::size_t k = static_cast<std::size_t>(i - 1);
  return k < ch.service.size() ? &ch.service[k] : nullptr;
}

ResultTable POWERS_TABLE(const RunResult& r) {
  ResultTable t{"powers",
                "Powers per speed",
                {"i", "V_kn", "PE_kW", "PE_corr_kW", "PE_trial_kW", "PB_kW", "N_rpm"},
                {}};
  const bool corr = CORRECTED_COLUMNS(r);
  const bool trial = reached(r, RunStep::Prerequisites) && !r.prerequisites.too_few_speeds;
  for (const SpeedBlock& b : r.resistance.blocks) {
    const int i = b.i;
    const bool full = REACH(b).complete;
    const ServiceRow* s = SERVICE_ROW(r, i);
    t.rows.push_back({I(i), F(r.ship.Vs(i)), F_IF(full, r.resistance.columns.PE(i)),
                      F_IF(corr, r.tables.PE_corrected(i)), F_IF(trial, r.prerequisites.PEtrArr(i)),
                      s ? I(s->PB) : std::string(), s ? F(s->RPM) : std::string()});
  }
  return t;
}

ResultTable FACTORS_TABLE(const RunResult& r) {
  ResultTable t{"propulsion_factors",
                "Propulsion factors per speed (selected propeller)",
                {"i", "V_kn", "w", "t", "etaR", "etaH", "eta0", "etaD"},
                {}};
  const PowerChainRecord& p = *r.power_chain;
  const std::size_t n = std::min({p.WFT.size(), p.ThDF.size(), p.ETAR.size()});
  for (std::size_t k = 0; k < n; ++k) {
    const int i = static_cast<int>(k) + 1;
    const ServiceRow* s = SERVICE_ROW(r, i);
    t.rows.push_back({I(i), F(r.ship.Vs(i)), F(p.WFT[k]), F(p.ThDF[k]), F(p.ETAR[k]),
                      s ? F(s->ETAH) : std::string(), s ? F(s->ETA0) : std::string(),
                      s ? F(s->ETAD) : std::string()});
  }
  return t;
}

// One block of the other methods as rows: quantity, method, propellers, speed, value.
void OTHER_FACTOR_ROWS(ResultTable& t, const std::string& block, const OtherMethodFactors& f) {
  auto add = [&](const char* q, const char* method, const char* screws, float v) {
    t.rows.push_back({block, q, method, screws, std::string(), F(v)});
  };
  add("w", "Taylor", "single", f.wTaylor1);
  add("w", "Troost (cargo ships)", "single", f.wTroost);
  add("w", "Kruger (1976)", "single", f.wKruger1);
  add("w", "Heckscher (cargo ships)", "single", f.wHeckCargo1);
  add("w", "Caldwell (tugs)", "single", f.wCaldwell1);
  add("w", "Heckscher (trawlers)", "single", f.wHeckTrawler);
  add("w", "Schneekluth (1988)", "single", f.wSchneekluth);
  for (const PapmehlRow& p : f.papmehl)
    t.rows.push_back({block, "w", "Papmehl", "single", F(p.Vs), F(p.w)});
  add("w", "Taylor", "twin", f.wTaylor2);
  add("w", "Kruger (1976)", "twin", f.wKruger2);
  add("w", "Heckscher (cargo ships)", "twin", f.wHeckCargo2);
  add("w", "Caldwell (tugs)", "twin", f.wCaldwell2);
  add("t", "Taylor", "single", f.tTaylor1);
  add("t", "Heckscher (cargo ships)", "single", f.tHeckCargo1);
  add("t", "Heckscher (trawlers)", "single", f.tHeckTrawler);
  add("t", "Danckwardt (cargo ships)", "single", f.tDanckwardt1);
  add("t/w", "SSPA (cargo ships)", "single", f.sspa1);
  add("t", "Taylor", "twin", f.tTaylor2);
  add("t", "Heckscher (cargo ships)", "twin", f.tHeckCargo2);
  add("t", "Danckwardt (cargo ships)", "twin", f.tDanckwardt2);
  add("t/w", "SSPA (cargo ships)", "twin", f.sspa2);
  add("t", "Holtrop & Mennen (1978)", "twin", f.tHoltrop78);
  add("etaR", "Helm (1980)", "single", f.etaRHelm);
}

ResultTable OTHER_METHODS_TABLE(const RunResult& r) {
  ResultTable t{"other_methods",
                "Other-method propulsion factors",
                {"block", "quantity", "method", "propellers", "V_kn", "value"},
                {}};
  if (r.other_methods) {
    const OtherMethodSections& s = *r.other_methods;
    const std::string b = "given diameter";
    t.rows.push_back({b, "w", "Andersen & Guldhammer (1986)", "single", "", F(s.ag.w)});
    t.rows.push_back({b, "t", "Andersen & Guldhammer (1986)", "single", "", F(s.ag.t)});
    t.rows.push_back({b, "w", "Guldhammer & Harvald", "single", "", F(s.gh.w)});
    t.rows.push_back({b, "t", "Guldhammer & Harvald", "single", "", F(s.gh.t)});
    OTHER_FACTOR_ROWS(t, b, s.other);
  }
  if (r.other_summary) OTHER_FACTOR_ROWS(t, "selected propeller", r.other_summary->factors);
  return t;
}

ResultTable MODEL_SCALE_TABLE(const ModelScaleResult& m) {
  ResultTable t{"model_scale",
                "Model-scale resistance",
                {"i", "Vm_m/s", "Fn", "Rn", "CF", "CV", "CR", "CT", "Rm_kgf"},
                {}};
  int i = 0;
  for (const ModelTableRow& row : m.rows)
    t.rows.push_back({I(++i), F(row.Vm), F(row.Fn), F(row.Rnm), F(row.Cfm), F(row.Cvm), F(row.CR),
                      F(row.Ctm), F(row.Rm_kg)});
  return t;
}

ResultTable CANDIDATES_TABLE(const PropellerRoutineRecord& s) {
  ResultTable t{"candidates",
                "Optimum-search candidates",
                {"i", "P/D", "J", "KT", "KQ", "10KQ", "eta0", "Bp", "delta", "selected"},
                {}};
  for (const CandidateRow& c : s.candidates)
    t.rows.push_back({I(c.i), F(c.PD), F(c.J), F(c.KT), F(c.KQ), F(c.KQ10), F(c.ETA0), F(c.Bp),
                      F(c.delta), c.i == s.IBEST ? "1" : "0"});
  return t;
}

ResultTable OPEN_WATER_TABLE(const CharacteristicsRecord& ch) {
  ResultTable t{"open_water",
                "Open-water table of the selected propeller",
                {"i", "J", "KT", "KQ", "10KQ", "eta0", "Bp", "delta"},
                {}};
  int i = 0;
  for (const OpenWaterRow& row : ch.openWater)
    t.rows.push_back({I(++i), F(row.J), F(row.KT), F(row.KQ), F(10.0f * row.KQ), F(row.ETA0),
                      F(row.Bp), F(row.delta)});
  return t;
}

ResultTable SERVICE_TABLE(const CharacteristicsRecord& ch) {
  ResultTable t{"minimum_service",
                "Minimum-service propulsion table",
                {"V_kn", "PE_kW", "t", "w", "etaH", "etaR", "eta0", "etaD", "PB_kW", "N_rpm"},
                {}};
  for (const ServiceRow& s : ch.service)
    t.rows.push_back({F(s.VS), I(s.PE), F(s.t), F(s.w), F(s.ETAH), F(s.ETAR), F(s.ETA0), F(s.ETAD),
                      I(s.PB), F(s.RPM)});
  return t;
}

}  // namespace

std::vector<ResultTable> RESULT_TABLES(const RunDocument& doc) {
  std::vector<ResultTable> tables;
  if (!doc.result) return tables;
  const RunResult& r = *doc.result;
  if (r.resistance.blocks.empty()) return tables;
  tables.push_back(RESISTANCE_TABLE(r));
  tables.push_back(POWERS_TABLE(r));
  if (r.power_chain && reached(r, RunStep::PowerChain) && !r.power_chain->WFT.empty())
    tables.push_back(FACTORS_TABLE(r));
  if (r.other_methods || r.other_summary) tables.push_back(OTHER_METHODS_TABLE(r));
  if (reached(r, RunStep::ModelScale) && r.model_scale.model_given && !r.model_scale.rows.empty())
    tables.push_back(MODEL_SCALE_TABLE(r.model_scale));
  if (r.trial && !r.trial->routine.candidates.empty())
    tables.push_back(CANDIDATES_TABLE(r.trial->routine));
  if (r.power_chain && reached(r, RunStep::Service)) {
    const CharacteristicsRecord& ch = r.power_chain->characteristics;
    if (!ch.openWater.empty()) tables.push_back(OPEN_WATER_TABLE(ch));
    if (ch.serviceComputable && !ch.service.empty()) tables.push_back(SERVICE_TABLE(ch));
  }
  return tables;
}

}  // namespace vdk
