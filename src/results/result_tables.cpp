#include "results/result_tables.hpp"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "format/text_fields.hpp"
#include "view/quantities.hpp"
#include "view/speed_values.hpp"

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
std::string F_OPT(const std::optional<float>& v) {
  return v ? F(*v) : std::string();
}

// A table of per-speed columns, each named by its catalogue key: the header
// is the key's symbol and unit, the cells are read from the speed's view.
ResultTable SPEED_TABLE(const ResultView& v, std::string name, std::string title,
                        std::initializer_list<std::string_view> keys) {
  ResultTable t{std::move(name), std::move(title), {"i"}, {}};
  std::vector<const PerSpeedValue*> columns;
  for (std::string_view key : keys) {
    columns.push_back(&SPEED_VALUE(key));
    t.headers.push_back(CSV_HEADER(key));
  }
  for (const SpeedView& s : v.speeds()) {
    Row row{I(s.i)};
    for (const PerSpeedValue* c : columns) row.push_back(F_OPT(c->get(s)));
    t.rows.push_back(std::move(row));
  }
  return t;
}

ResultTable RESISTANCE_TABLE(const ResultView& v) {
  return SPEED_TABLE(
      v, "resistance", "Resistance per speed",
      {"Vs",           "Fn",           "Rn",          "CF", "CV",  "1+k", "RF",
       "RAPP",         "RAIR",         "RW",          "RB", "RTR", "RBT", "CA",
       "RA",           "RV",           "RT",          "CT", "CR",  "CW",  "correction_factor",
       "CR_corrected", "CT_corrected", "RT_corrected"});
}

ResultTable POWERS_TABLE(const ResultView& v) {
  ResultTable t = SPEED_TABLE(v, "powers", "Powers per speed",
                              {"Vs", "PE", "PE_corrected", "PE_trial", "PB", "N"});
  // The brake power of the minimum-service table is a whole number of kW.
  for (std::size_t k = 0; k < t.rows.size(); ++k)
    if (const std::optional<float> pb = v.speeds()[k].PB_service)
      t.rows[k][5] = I(static_cast<long long>(*pb));
  return t;
}

ResultTable FACTORS_TABLE(const ResultView& v) {
  ResultTable t =
      SPEED_TABLE(v, "propulsion_factors", "Propulsion factors per speed (selected propeller)",
                  {"Vs", "w", "t", "etaR", "etaH", "eta0", "etad"});
  // One row per speed with the factors of the selected propeller.
  std::erase_if(t.rows, [](const Row& r) { return r[2].empty(); });
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

std::vector<ResultTable> RESULT_TABLES(const ResultView& v) {
  std::vector<ResultTable> tables;
  if (!v.run()) return tables;
  const RunResult& r = *v.run();
  if (v.speeds().empty()) return tables;
  tables.push_back(RESISTANCE_TABLE(v));
  tables.push_back(POWERS_TABLE(v));
  if (r.power_chain && v.reached(RunStep::PowerChain) && !r.power_chain->WFT.empty())
    tables.push_back(FACTORS_TABLE(v));
  if (r.other_methods || r.other_summary) tables.push_back(OTHER_METHODS_TABLE(r));
  if (v.reached(RunStep::ModelScale) && r.model_scale.model_given && !r.model_scale.rows.empty())
    tables.push_back(MODEL_SCALE_TABLE(r.model_scale));
  if (r.trial && !r.trial->routine.candidates.empty())
    tables.push_back(CANDIDATES_TABLE(r.trial->routine));
  if (r.power_chain && v.reached(RunStep::Service)) {
    const CharacteristicsRecord& ch = r.power_chain->characteristics;
    if (!ch.openWater.empty()) tables.push_back(OPEN_WATER_TABLE(ch));
    if (ch.serviceComputable && !ch.service.empty()) tables.push_back(SERVICE_TABLE(ch));
  }
  // A published method is recorded in every table, as a last column.
  if (PUBLISHED(v.method()))
    for (ResultTable& t : tables) {
      t.headers.push_back("method");
      for (Row& row : t.rows) row.push_back(std::string(METHOD_NAME(v.method())));
    }
  return tables;
}

}  // namespace vdk
