#include "results/results_json.hpp"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

#include "report/stop_texts.hpp"

namespace vdk {

namespace {

// Floats are kept as float, so that the serialiser writes the shortest text
// that reads back to the same float (0.1f as 0.1, not 0.10000000149011612);
// it writes an infinite or not-a-number value as null. Keys keep the order in
// which they are set.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

// An object from its keys and values in order. (The initializer-list
// constructor of the library makes and destroys a two-element array for
// every pair; this keeps the document cheap to build.) The value is mutable
// so that a nested table is moved into its parent, not copied: the list's
// elements are the temporaries of the call.
struct KeyValue {
  const char* key;
  mutable Json value;
};
// Appends a key this program knows to be new in the object, without the
// library's search of the keys already there (a linear one in a key-ordered
// object).
void APPEND(Json::object_t& o, const char* key, Json&& value) {
  static_cast<Json::object_t::Container&>(o).emplace_back(key, std::move(value));
}
Json OBJ(std::initializer_list<KeyValue> kv) {
  Json j = Json::object();
  Json::object_t& o = j.get_ref<Json::object_t&>();
  o.reserve(kv.size());
  for (const KeyValue& p : kv) APPEND(o, p.key, std::move(p.value));
  return j;
}

// The unit of every quantity key that has one; a key not listed is a pure
// number (coefficient, ratio, count, text). One key has one unit wherever it
// stands.
Json UNITS() {
  static const char* const kUnits[][2] = {
      {"rho", "kg/m3"},
      {"g", "m/s2"},
      {"Lwl", "m"},
      {"Lpp", "m"},
      {"L", "m"},
      {"B", "m"},
      {"T", "m"},
      {"TF", "m"},
      {"TA", "m"},
      {"T_mean", "m"},
      {"T_aft", "m"},
      {"nabla", "m3"},
      {"Dep", "t"},
      {"displacement_weight", "N"},
      {"LCB", "m"},
      {"lcb", "% of Lwl"},
      {"ABT", "m2"},
      {"hB", "m"},
      {"AT", "m2"},
      {"iE", "deg"},
      {"iE_estimate", "deg"},
      {"S", "m2"},
      {"S_Taylan", "m2"},
      {"S_estimate", "m2"},
      {"S_app", "m2"},
      {"S_app_total", "m2"},
      {"S_model", "m2"},
      {"Lwl_model", "m"},
      {"LR", "m"},
      {"depth_at_bow", "m"},
      {"A_front", "m2"},
      {"A_front_hull", "m2"},
      {"Vs", "kn"},
      {"V_trial", "kn"},
      {"V_design", "kn"},
      {"Vc", "kn"},
      {"v", "m/s"},
      {"Vm", "m/s"},
      {"VA", "m/s"},
      {"VA_kn", "kn"},
      {"Vtip", "m/s"},
      {"Vtip_limit", "m/s"},
      {"V07R2", "m2/s2"},
      {"d_BT", "m"},
      {"D", "m"},
      {"D0", "m"},
      {"Dp", "m"},
      {"D_start", "m"},
      {"P", "m"},
      {"h_shaft", "m"},
      {"AP", "m2"},
      {"N", "rpm"},
      {"n", "1/s"},
      {"Q", "N m"},
      {"thrust", "kN"},
      {"RF", "kN"},
      {"RAPP", "kN"},
      {"RAIR", "kN"},
      {"RW", "kN"},
      {"RB", "kN"},
      {"RTR", "kN"},
      {"RBT", "kN"},
      {"RA", "kN"},
      {"RV", "kN"},
      {"RT", "kN"},
      {"RT_corrected", "kN"},
      {"Rm", "kgf"},
      {"PE", "kW"},
      {"PE_corrected", "kW"},
      {"PE_trial", "kW"},
      {"PD", "kW"},
      {"PB", "kW"},
      {"PB_required", "kW"},
      {"PD_delivered", "kW"},
      {"temperature", "degC"},
      {"model_water_temperature", "degC"},
      {"p_v", "Pa"},
      {"nu", "m2/s"},
      {"roughness", "um (below 1: 1000 CA given)"},
  };
  Json u = Json::object();
  Json::object_t& o = u.get_ref<Json::object_t&>();
  o.reserve(std::size(kUnits));
  for (const auto& [key, unit] : kUnits) APPEND(o, key, Json(unit));
  return u;
}

Json F(double v) {
  // The few terms computed in double precision are written as the nearest float.
  return Json(static_cast<float>(v));
}
Json F(const std::optional<float>& v) {
  return v ? Json(*v) : Json(nullptr);
}

Json FLOATS(const std::vector<float>& v) {
  Json a = Json::array();
  for (float x : v) a.push_back(x);
  return a;
}

Json STOP(const std::optional<Stop>& s) {
  if (!s) return nullptr;
  return OBJ({{"status", s->status}, {"reason", s->reason}});
}

bool REACHED(const RunResult& r, RunStep s) {
  return std::find(r.steps.begin(), r.steps.end(), s) != r.steps.end();
}

// --- inputs as read -----------------------------------------------------------

Json INPUTS(const ShipRecord& s) {
  Json j;
  j["rho"] = s.RHO;
  j["g"] = s.GRAV;
  j["Lwl"] = s.Lwl;
  j["Lpp"] = s.Lbp;
  j["B"] = s.B;
  j["TF"] = s.Tf;
  j["TA"] = s.Ta;
  j["nabla"] = s.V;
  j["LCB"] = s.LCB;
  j["ABT"] = s.ABT;
  j["hB"] = s.HB;
  j["AT"] = s.AT;
  j["CM"] = s.Cm;
  j["CWP"] = s.Cwp;
  j["Cstern"] = s.Cstern;
  j["iE"] = s.IE;
  j["S"] = s.S;
  j["model_scale"] = s.ModelScale;
  j["model_water_temperature"] = s.ModelWaterTemp;
  j["depth_at_bow"] = s.DepthFP;
  j["A_front"] = s.ONYUZ;
  const int n = std::clamp(s.NSPEED, 0, MAX_SPEEDS);
  j["speed_count"] = s.NSPEED;
  Json vs = Json::array();
  for (int i = 1; i <= n; ++i) vs.push_back(s.Vs(i));
  j["Vs"] = std::move(vs);
  j["V_trial"] = s.Vtrial;
  Json app = Json::array();
  for (int k = 1; k <= NUM_APPENDAGES; ++k) {
    std::string name = s.AppendageName(k);
    name.erase(name.find_last_not_of(' ') + 1);
    app.push_back(
        OBJ({{"kind", k}, {"name", name}, {"S_app", s.Sapp(k)}, {"1+k2", s.OnePlusK2(k)}}));
  }
  j["appendages"] = std::move(app);
  j["bow_thrusters"] = OBJ({{"count", s.NBT}, {"d_BT", s.DBT}});
  j["D"] = s.D;
  j["N"] = s.N;
  j["P/D"] = s.PD;
  j["h_shaft"] = s.Hsd;
  j["CPP"] = s.CPPropeller;
  j["propellers"] = s.NPROP;
  j["series"] = s.SERIES;
  j["pod"] = s.IPOD;
  j["MCR"] = s.MCR;
  j["sea_margin"] = s.SeaMargin;
  j["etaS"] = s.etas;
  j["FFDF"] = s.FFDF;
  j["CF_w"] = s.CFw;
  j["CF_t"] = s.CFt;
  j["CF_etaR"] = s.CFetaR;
  j["roughness"] = s.Roughness;
  Json fc = Json::array();
  for (int i = 1; i <= std::clamp(s.NCORR, 0, MAX_CORR); ++i) fc.push_back(s.Fcorr(i));
  j["wave_correction_factors"] = std::move(fc);
  j["no_D_no_N"] = s.NoDN == 1;
  return j;
}

// --- values as used -------------------------------------------------------------

Json HULL(const HullCoefficients& h) {
  return OBJ({{"T_mean", h.Tmean},
              {"CB", h.CB},
              {"CP", h.CP},
              {"CB_wl", h.CBlwl},
              {"CWP_wl", h.CWPlwl},
              {"CP_wl", h.CPlwl},
              {"lcb", h.lcb}});
}

const char* ROUTINE_NAME(PropellerRoutine p) {
  switch (p) {
    case PropellerRoutine::None:
      return "none";
    case PropellerRoutine::OptimumForD:
      return "optimum rpm for the given diameter";
    case PropellerRoutine::PitchForThrust:
      return "pitch ratio for the thrust at given D and N";
    case PropellerRoutine::OptimumForN:
      return "optimum diameter for the given rpm";
    case PropellerRoutine::Given:
      return "operating point of the given propeller";
  }
  return "none";
}

Json VALUES_USED(const RunResult& r) {
  const ResistanceResult& res = r.resistance;
  Json j;
  j["S"] = res.S_used;
  j["iE"] = res.IE_used;
  j["S_app_total"] = res.summary.Sapptot;
  j["1+k2_eff"] = res.summary.OnePlusK2eff;
  j["displacement_weight"] = res.summary.DISPW;
  j["propeller_case"] = res.summary.PropCase;
  Json listed = Json::array();
  for (int k : res.summary.listed_appendages) listed.push_back(k);
  j["appendages_listed"] = std::move(listed);
  j["hull"] = HULL(res.hull);
  j["1+k"] = res.OnePlusK;
  j["1+k_Grigson"] = res.OnePlusKGrigson;
  const bool tables = REACHED(r, RunStep::Tables);
  j["wave_correction_applied"] = tables && r.tables.CorrFlag == 1;
  Json vc = Json::array();
  if (tables && r.tables.CorrFlag == 1)
    for (int i = 1; i <= std::clamp(r.ship.NCORR, 0, MAX_CORR); ++i) vc.push_back(r.tables.Vc(i));
  j["Vc"] = std::move(vc);
  if (REACHED(r, RunStep::Prerequisites)) {
    const PropulsionPrerequisites& p = r.prerequisites;
    j["propulsion"] = OBJ({{"too_few_speeds", p.too_few_speeds},
                           {"resistance_only", p.resistance_only},
                           {"propeller_follows", p.goes_on},
                           {"sea_margin", p.SeaMargin},
                           {"D_start", p.D_used},
                           {"trial_speed_index", p.ITR},
                           {"CV_trial", p.CV},
                           {"first_estimate", OBJ({{"w", p.first.w},
                                                   {"t", p.first.t},
                                                   {"etaR", p.first.etaR},
                                                   {"etaR_raw", p.first.etaR_raw}})}});
  } else {
    j["propulsion"] = nullptr;
  }
  Json a;
  a["etad"] = F(r.answers.etad);
  a["Z"] = F(r.answers.Z);
  a["EAR"] = F(r.answers.EAR);
  j["answers"] = std::move(a);
  return j;
}

// --- per speed --------------------------------------------------------------------

// One array per quantity, one element per speed block computed; null where
// the block stopped before the value.
Json PER_SPEED(const RunResult& r) {
  const ResistanceResult& res = r.resistance;
  const ResistanceColumns& c = res.columns;
  const ResistanceTables& t = r.tables;
  const bool corr = REACHED(r, RunStep::Tables) && !t.stop;
  const bool trial = REACHED(r, RunStep::Prerequisites) && !r.prerequisites.too_few_speeds;
  const PowerChainRecord* pc = r.power_chain ? &*r.power_chain : nullptr;
  static const char* const kKeys[] = {"i",
                                      "Vs",
                                      "v",
                                      "Fn",
                                      "Rn",
                                      "CF",
                                      "CV",
                                      "1+k",
                                      "S",
                                      "RF",
                                      "RAPP",
                                      "RAIR",
                                      "RW",
                                      "RB",
                                      "RTR",
                                      "RBT",
                                      "CA",
                                      "RA",
                                      "RV",
                                      "RT",
                                      "CT",
                                      "CR",
                                      "CW",
                                      "correction_factor",
                                      "CR_corrected",
                                      "CT_corrected",
                                      "RT_corrected",
                                      "PE",
                                      "PE_corrected",
                                      "PE_trial",
                                      "w",
                                      "t",
                                      "etaR"};
  Json j = Json::object();
  Json::object_t& obj = j.get_ref<Json::object_t&>();
  for (const char* k : kKeys) APPEND(obj, k, Json::array());
  Json::object_t::Container& cols = obj;
  // The columns are filled in their order, so the next one is found at the
  // cursor without a search of the keys.
  std::size_t cursor = 0;
  auto put = [&](const char* k, bool has, float v) {
    if (cursor >= cols.size() || cols[cursor].first != k) cursor = 0;
    while (cols.at(cursor).first != k) ++cursor;
    cols[cursor++].second.push_back(has ? Json(v) : Json(nullptr));
  };
  for (const SpeedBlock& b : res.blocks) {
    const int i = b.i;
    const bool fr = b.end != BlockEnd::PrismaticStop;
    const bool full = b.end == BlockEnd::Complete;
    const std::size_t k = static_cast<std::size_t>(i - 1);
    j["i"].push_back(i);
    put("Vs", true, b.hull_form.VS);
    put("v", true, b.hull_form.v);
    put("Fn", true, c.Fn(i));
    put("Rn", fr, c.Rn(i));
    put("CF", fr, c.CF(i));
    put("CV", fr, c.CV(i));
    put("1+k", fr, b.hull_form.OnePlusK);
    put("S", fr, b.hull_form.S_used);
    put("RF", fr, c.RF(i));
    put("RAPP", fr, c.RAPP(i));
    put("RAIR", fr, c.RAIR(i));
    put("RW", fr, c.RW(i));
    put("RB", full, c.RB(i));
    put("RTR", full, c.RTR(i));
    put("RBT", full, c.RBT(i));
    put("CA", full, c.CA(i));
    put("RA", full, c.RA(i));
    put("RV", full, c.RV(i));
    put("RT", full, c.RT(i));
    put("CT", full, c.CT(i));
    put("CR", full, c.CR(i));
    put("CW", full, b.wave.CW);
    put("correction_factor", corr && t.CorrFlag == 1, t.Fac(i));
    put("CR_corrected", corr, t.CR_corrected(i));
    put("CT_corrected", corr, t.CT_corrected(i));
    put("RT_corrected", corr, t.RT_corrected(i));
    put("PE", full, c.PE(i));
    put("PE_corrected", corr, t.PE_corrected(i));
    put("PE_trial", trial, r.prerequisites.PEtrArr(i));
    put("w", pc && k < pc->WFT.size(), pc && k < pc->WFT.size() ? pc->WFT[k] : 0.0f);
    put("t", pc && k < pc->ThDF.size(), pc && k < pc->ThDF.size() ? pc->ThDF[k] : 0.0f);
    put("etaR", pc && k < pc->ETAR.size(), pc && k < pc->ETAR.size() ? pc->ETAR[k] : 0.0f);
  }
  return j;
}

// The speed blocks in full: the coefficients of the wave-resistance formula
// and the other intermediate values of each block.
Json SPEED_BLOCKS(const ResistanceResult& res) {
  Json a = Json::array();
  static const char* const kEnd[] = {"complete", "prismatic stop", "bulb stop"};
  static const char* const kRange[] = {"Fn<0.40", "0.40<Fn<0.55", "Fn>0.55"};
  static const char* const kWind[] = {"off", "depth at the bow below the draught", "computed"};
  for (const SpeedBlock& b : res.blocks) {
    const HullFormAtSpeed& h = b.hull_form;
    Json j;
    j["i"] = b.i;
    j["end"] = kEnd[static_cast<int>(b.end)];
    j["Vs"] = h.VS;
    j["Fn"] = h.Fn;
    j["hull"] = HULL(h.hull);
    if (b.end == BlockEnd::PrismaticStop) {
      j["friction"] = nullptr;
      j["wave"] = nullptr;
      j["totals"] = nullptr;
      a.push_back(std::move(j));
      continue;
    }
    j["LR"] = h.LR;
    j["C"] = h.C;
    j["S_estimate"] = h.SE;
    j["S_Taylan"] = h.S_Taylan;
    j["S_estimated"] = h.S_estimated;
    j["S"] = h.S_used;
    j["1+k_Holtrop"] = h.KHoltrop;
    j["1+k"] = h.OnePlusK;
    j["1+k_Grigson"] = h.OnePlusKGrigson;
    const FrictionAppendageWind& f = b.friction;
    j["friction"] = OBJ({{"Rn", f.Rn},
                         {"CF", f.CF},
                         {"CV", f.CV},
                         {"RF", f.RF},
                         {"RAPP", f.RAPP},
                         {"wind", kWind[static_cast<int>(f.wind)]},
                         {"A_front_hull", f.AFRONT},
                         {"CAA", f.CAA},
                         {"RAIR", f.RAIR}});
    const WaveBulbTransom& w = b.wave;
    Json wj = OBJ({{"CP_wl", w.CPlwl},
                   {"iE_estimate", w.IE_est},
                   {"iE", w.IE_used},
                   {"C4", w.C4},
                   {"C5", w.C5},
                   {"m1", w.M1},
                   {"C6", w.C6},
                   {"m2", w.M2},
                   {"lambda", w.LAMDA},
                   {"C1", w.C1},
                   {"C3", w.C3},
                   {"C2", w.C2},
                   {"C17", w.C17},
                   {"m3", w.M3},
                   {"C15", w.C15},
                   {"m4", w.M4},
                   {"range", kRange[static_cast<int>(w.range)]},
                   {"RW", w.Rw},
                   {"bulb_emerged", w.bulb_emerged}});
    if (b.end == BlockEnd::Complete) {
      wj["bulb_breaking"] = w.bulb_breaking;
      wj["RB"] = w.Rbulb;
      wj["RTR"] = w.Rayna;
      wj["RBT"] = w.Rbot;
      wj["CW"] = w.CW;
    }
    j["wave"] = std::move(wj);
    if (b.end == BlockEnd::Complete) {
      const CorrelationAndTotals& t = b.totals;
      j["totals"] = OBJ({{"CA_Holtrop", t.CA_holtrop},
                         {"CA_given", F(t.CA_direct)},
                         {"CA_ITTC", F(t.CA_ittc)},
                         {"CA", t.CA},
                         {"RA", t.RA},
                         {"RV", t.RV},
                         {"RT", t.RT},
                         {"CT", t.CT},
                         {"CR", t.CR},
                         {"PE", t.PE}});
    } else {
      j["totals"] = nullptr;
    }
    a.push_back(std::move(j));
  }
  return a;
}

// --- other methods ------------------------------------------------------------------

Json FACTORS(const OtherMethodFactors& f) {
  Json j;
  j["Cb"] = f.Cb;
  j["Cp"] = f.Cp;
  j["Cm"] = f.Cm;
  j["Cwp"] = f.Cwp;
  j["L"] = f.L;
  j["B"] = f.B;
  j["T"] = f.T;
  j["Dp"] = f.Dp;
  j["Dep"] = f.Dep;
  j["w_single"] = OBJ({{"Taylor", f.wTaylor1},
                       {"Troost", f.wTroost},
                       {"Kruger", f.wKruger1},
                       {"Heckscher_cargo", f.wHeckCargo1},
                       {"Caldwell", f.wCaldwell1},
                       {"Heckscher_trawler", f.wHeckTrawler},
                       {"Schneekluth", f.wSchneekluth}});
  Json p = Json::array();
  for (const PapmehlRow& row : f.papmehl)
    p.push_back(OBJ({{"Vs", row.Vs}, {"Fn", row.Fn}, {"w", row.w}}));
  j["w_Papmehl"] = std::move(p);
  j["w_twin"] = OBJ({{"Taylor", f.wTaylor2},
                     {"Kruger", f.wKruger2},
                     {"Heckscher_cargo", f.wHeckCargo2},
                     {"Caldwell", f.wCaldwell2}});
  j["t_single"] = OBJ({{"Taylor", f.tTaylor1},
                       {"Heckscher_cargo", f.tHeckCargo1},
                       {"Heckscher_trawler", f.tHeckTrawler},
                       {"Danckwardt", f.tDanckwardt1},
                       {"SSPA_t/w", f.sspa1}});
  j["t_twin"] = OBJ({{"Taylor", f.tTaylor2},
                     {"Heckscher_cargo", f.tHeckCargo2},
                     {"Danckwardt", f.tDanckwardt2},
                     {"SSPA_t/w", f.sspa2},
                     {"Holtrop_1978", f.tHoltrop78}});
  j["etaR_Helm"] = f.etaRHelm;
  return j;
}

Json OTHER_METHODS(const RunResult& r) {
  if (!r.other_methods && !r.other_summary) return nullptr;
  Json j;
  if (r.other_methods) {
    const AndersenGuldhammer& a = r.other_methods->ag;
    j["Andersen_Guldhammer"] = OBJ({{"B", a.B},
                                    {"L", a.L},
                                    {"T", a.T},
                                    {"D0", a.D0},
                                    {"Cb", F(a.Cb)},
                                    {"B/L", F(a.BL)},
                                    {"D/L", F(a.DL)},
                                    {"a", F(a.a)},
                                    {"b", F(a.b)},
                                    {"c", F(a.c)},
                                    {"w1", F(a.w1)},
                                    {"w2", F(a.w2)},
                                    {"w", a.w},
                                    {"d", F(a.d)},
                                    {"e", F(a.e)},
                                    {"f", F(a.f)},
                                    {"t1", F(a.t1)},
                                    {"t2", F(a.t2)},
                                    {"t", a.t}});
    const GuldhammerHarvald& g = r.other_methods->gh;
    j["Guldhammer_Harvald"] = OBJ({{"B", g.B},
                                   {"L", g.L},
                                   {"T", g.T},
                                   {"T_aft", g.Taft},
                                   {"Cb", F(g.Cb)},
                                   {"w1", F(g.w1)},
                                   {"w2", F(g.w2)},
                                   {"w3", F(g.w3)},
                                   {"w", g.w},
                                   {"t1", F(g.t1)},
                                   {"t2", F(g.t2)},
                                   {"t3", F(g.t3)},
                                   {"t", g.t}});
    j["factors"] = FACTORS(r.other_methods->other);
  } else {
    j["Andersen_Guldhammer"] = nullptr;
    j["Guldhammer_Harvald"] = nullptr;
    j["factors"] = nullptr;
  }
  if (r.other_summary) {
    const OtherMethodSummary& s = *r.other_summary;
    j["summary"] = OBJ({{"L", s.L},
                        {"B", s.B},
                        {"T", s.T},
                        {"Dep", s.Depl},
                        {"Cm", s.Cm},
                        {"Cwp_given", s.Cwp_given},
                        {"Cwp", s.Cwp_used},
                        {"Vs", FLOATS(s.Vs)},
                        {"Dp", s.Dp},
                        {"factors", nullptr}});
    j["summary"]["factors"] = FACTORS(s.factors);
  } else {
    j["summary"] = nullptr;
  }
  return j;
}

// --- model scale ----------------------------------------------------------------------

Json WATER(const WaterProperties& w) {
  if (w.stop) return OBJ({{"temperature", w.TW}, {"stop", STOP(w.stop)}});
  return OBJ({{"temperature", w.TW}, {"p_v", w.PV}, {"nu", w.NU}, {"rho", w.RHOW}});
}

Json MODEL_SCALE(const RunResult& r) {
  if (!REACHED(r, RunStep::ModelScale)) return nullptr;
  const ModelScaleResult& m = r.model_scale;
  Json j;
  j["model_given"] = m.model_given;
  j["model_scale"] = m.ModelScale_used;
  j["model_scale_BSRA"] = m.ModelScale_BSRA;
  j["water"] = WATER(m.water);
  Json rows = Json::array();
  for (const ModelTableRow& row : m.rows)
    rows.push_back(OBJ({{"Vm", row.Vm},
                        {"Fn", row.Fn},
                        {"Rn", row.Rnm},
                        {"CF", row.Cfm},
                        {"CV", row.Cvm},
                        {"CR", row.CR},
                        {"CT", row.Ctm},
                        {"Rm", row.Rm_kg}}));
  j["rows"] = std::move(rows);
  j["1+k"] = m.OnePlusK;
  j["1+k_Grigson"] = m.OnePlusKGrigson;
  j["1+k_BSRA"] = m.OnePlusKBSRA;
  if (m.model_file) {
    const ModelResistanceFile& f = *m.model_file;
    Json speeds = Json::array();
    for (const ModelSpeedRow& s : f.speeds)
      speeds.push_back(OBJ({{"Vs", s.Vs},
                            {"Vm", s.Vm},
                            {"Fn", s.Fn},
                            {"Rn", s.Rnm},
                            {"CF", s.Cfm},
                            {"CV", s.Cvm},
                            {"CR", s.CR},
                            {"CT", s.Ctm},
                            {"Rm", s.Rtm_kg}}));
    Json meas = Json::array();
    for (const MeasurementRow& s : f.measurements)
      meas.push_back(
          OBJ({{"Rm", s.Rtm_kg}, {"Vm", s.Vm}, {"Fn", s.Fn}, {"Vs", s.Vs}, {"CT", s.Ctm}}));
    j["model_file"] = OBJ({{"model_scale", f.ModelScale},
                           {"1+k", f.K1},
                           {"Lwl", f.Lwl},
                           {"Lwl_model", f.Lwl_model},
                           {"S", f.S},
                           {"S_model", f.S_model},
                           {"ship_water", WATER(f.ship_water)},
                           {"model_water", WATER(f.model_water)},
                           {"speeds", nullptr},
                           {"measurements", nullptr},
                           {"stop", STOP(f.stop)}});
    j["model_file"]["speeds"] = std::move(speeds);
    j["model_file"]["measurements"] = std::move(meas);
  } else {
    j["model_file"] = nullptr;
  }
  j["stop"] = STOP(m.stop);
  return j;
}

// --- trial propeller --------------------------------------------------------------------

Json OPEN_WATER_POINT(const SelectedPropeller& s) {
  return OBJ({{"J", s.J},
              {"KT", s.KT},
              {"KQ", s.KQ},
              {"10KQ", s.KQ10},
              {"eta0", s.ETA0},
              {"P/D", s.PD},
              {"N", s.N},
              {"PD", s.Pd},
              {"D", s.D}});
}

Json CANDIDATES(const std::vector<CandidateRow>& rows) {
  Json a = Json::array();
  for (const CandidateRow& c : rows)
    a.push_back(OBJ({{"i", c.i},
                     {"P/D", c.PD},
                     {"J", c.J},
                     {"KT", c.KT},
                     {"KQ", c.KQ},
                     {"10KQ", c.KQ10},
                     {"eta0", c.ETA0},
                     {"Bp", c.Bp},
                     {"delta", c.delta}}));
  return a;
}

const char* SERIES_NAME(int series) {
  return series == 1 ? "Wageningen B" : series == 2 ? "Gawn" : "none";
}

Json TRIAL_PROPELLER(const RunResult& r) {
  if (!r.trial_start) return nullptr;
  Json j;
  j["PE_trial"] = r.trial_start->PEtrial;
  j["V_trial"] = r.ship.Vtrial;
  if (r.trial_thrust) {
    const TrialThrustRecord& t = *r.trial_thrust;
    j["assumed"] = OBJ({{"etad", t.etad_typed},
                        {"PD", t.Pd},
                        {"VA_kn", t.Va},
                        {"RT", t.Rt},
                        {"thrust", t.T},
                        {"w", t.w},
                        {"t", t.t},
                        {"propellers", t.NPROP}});
  } else {
    j["assumed"] = nullptr;
  }
  if (r.trial_blades) {
    const TrialBladesRecord& b = *r.trial_blades;
    j["blades"] = OBJ({{"Z_typed", b.Z_typed}, {"Z", b.Z}, {"EAR_Keller", b.EARK}});
  } else {
    j["blades"] = nullptr;
  }
  if (!r.trial) {
    j["propeller"] = nullptr;
    return j;
  }
  const TrialPropellerRecord& p = *r.trial;
  const PropellerRoutineRecord& rt = p.routine;
  Json q;
  q["EAR"] = p.EAR;
  q["EAR_Keller"] = p.EARK;
  q["routine"] = ROUTINE_NAME(rt.routine);
  q["series"] = SERIES_NAME(rt.set.SERIES);
  q["controllable_pitch"] = IS_CP_PROPELLER(rt.set);
  const bool search =
      rt.routine == PropellerRoutine::OptimumForD || rt.routine == PropellerRoutine::OptimumForN;
  if (search) {
    q["search"] =
        OBJ({{"loading", rt.routine == PropellerRoutine::OptimumForD ? "KT/J^2" : "KT/J^4"},
             {"target", rt.target},
             {"candidates", nullptr},
             {"chosen", rt.IBEST}});
    q["search"]["candidates"] = CANDIDATES(rt.candidates);
  } else {
    q["search"] = nullptr;
  }
  if (!rt.stop && rt.routine != PropellerRoutine::None) {
    q["operating_point"] = OBJ({{"thrust", rt.T_shown},
                                {"VA", rt.Va},
                                {"rho", rt.RHO},
                                {"Z", rt.Z},
                                {"EAR", rt.EAR},
                                {"n", rt.n},
                                {"Q", rt.Q},
                                {"Bp", rt.Bp},
                                {"delta", rt.delta},
                                {"thrust_reached", rt.reached},
                                {"propeller", OPEN_WATER_POINT(rt.sel)}});
  } else {
    q["operating_point"] = nullptr;
  }
  q["routine_stop"] = STOP(rt.stop);
  q["settled"] = OPEN_WATER_POINT(p.sel);
  q["Z"] = p.Z;
  q["factors_recomputed"] = p.factorsRecomputed;
  q["w"] = p.w;
  q["t"] = p.t;
  q["etaR"] = p.etaR;
  q["etad_assumed"] = p.etad_typed;
  q["etad_computed"] = p.etad_computed;
  q["PD"] = p.Pd;
  q["propellers"] = p.NPROP;
  j["propeller"] = std::move(q);
  return j;
}

// The cavitation checks as the report gives them: after the propeller was
// settled without a stop of its routine.
bool CAVITATION_WRITTEN(const RunResult& r) {
  return r.trial && r.trial->EAR > 0.0f && !r.trial->routine.stop;
}

Json CAVITATION(const RunResult& r) {
  if (!CAVITATION_WRITTEN(r)) return nullptr;
  const CavitationResult& c = r.trial->cav;
  const CavitationInput& in = r.trial->cavIn;
  Json j;
  j["input"] = OBJ({{"thrust", in.T},
                    {"VA_kn", in.Va},
                    {"EAR", in.EAR},
                    {"rho", in.RHO},
                    {"g", in.GRAV},
                    {"h_shaft", in.Hsd},
                    {"D", in.D},
                    {"N", in.N},
                    {"P/D", in.PD}});
  j["EAR"] = c.EAR;
  j["V07R2"] = c.V07R2;
  j["sigma"] = c.Sigma;
  j["in_Burrill_range"] = c.inRange;
  const bool burrill = c.inRange && !c.stop;
  j["AP"] = burrill ? Json(c.AP) : Json(nullptr);
  j["tau_c"] = burrill ? Json(c.Tauc) : Json(nullptr);
  j["EAR_Burrill_2.5"] = burrill ? Json(c.EARB25) : Json(nullptr);
  j["EAR_Burrill_5"] = burrill ? Json(c.EARB50) : Json(nullptr);
  j["EAR_Burrill_upper"] = burrill ? Json(c.EARBUP) : Json(nullptr);
  j["EAR_Wageningen"] = burrill ? Json(c.EARW) : Json(nullptr);
  j["stop"] = STOP(c.stop);
  return j;
}

constexpr float TIP_SPEED_LIMIT = 30.0f;  // m/s, the report's rough limit

Json TIP_VORTEX(const RunResult& r) {
  if (!CAVITATION_WRITTEN(r) || r.trial->cav.stop) return nullptr;
  const float v = r.trial->cav.Vtip;
  return OBJ({{"Vtip", v}, {"Vtip_limit", TIP_SPEED_LIMIT}, {"below_limit", v < TIP_SPEED_LIMIT}});
}

// --- power chain and the tables after it --------------------------------------------------

Json POWER_CHAIN(const RunResult& r) {
  if (!r.power_chain || !REACHED(r, RunStep::PowerChain)) return nullptr;
  const PowerChainRecord& p = *r.power_chain;
  return OBJ({{"PE_trial", p.PEtrial},
              {"etaS", p.etas},
              {"MCR", p.MCR},
              {"etaH", p.ETAH},
              {"eta0", p.ETA0_trial},
              {"etaR", p.etaR_trial},
              {"etad", p.etad},
              {"PB", p.Pb},
              {"PB_required", p.Pbm},
              {"PD_delivered", p.Pbd},
              {"J_trial", p.JTR},
              {"P/D_trial", p.PDTR},
              {"PD", p.PABS},
              {"thrust", p.THR},
              {"etaR_raw_last", p.etaR_raw_last},
              {"characteristics_computed", p.charComputed},
              {"stop", STOP(p.stop)}});
}

Json SELECTED(const RunResult& r) {
  if (!r.power_chain || !REACHED(r, RunStep::PowerChain)) return nullptr;
  const PowerChainRecord& p = *r.power_chain;
  if (p.stop && !p.charComputed) return nullptr;
  const SelectedPropeller& s = p.sel;
  return OBJ(
      {{"series", SERIES_NAME(r.ship.SERIES)},
       {"controllable_pitch", IS_CP_PROPELLER(SeriesSettings{r.ship.SERIES, r.ship.CPPropeller})},
       {"N", s.N},
       {"Z", p.Z},
       {"J", s.J},
       {"KT", s.KT},
       {"KQ", s.KQ},
       {"10KQ", s.KQ10},
       {"eta0", s.ETA0},
       {"P/D", s.PD},
       {"EAR", p.EAR},
       {"D", p.D},
       {"P", s.PD * p.D},
       {"PD", s.Pd}});
}

Json OPEN_WATER(const RunResult& r) {
  if (!r.power_chain || !REACHED(r, RunStep::Service)) return nullptr;
  const CharacteristicsRecord& c = r.power_chain->characteristics;
  Json rows = Json::array();
  for (const OpenWaterRow& row : c.openWater)
    rows.push_back(OBJ({{"J", row.J},
                        {"KT", row.KT},
                        {"KQ", row.KQ},
                        {"10KQ", 10.0f * row.KQ},
                        {"eta0", row.ETA0},
                        {"Bp", row.Bp},
                        {"delta", row.delta}}));
  Json j = OBJ({{"series", SERIES_NAME(c.SERIES)},
                {"design", OBJ({{"J", c.JD},
                                {"Z", c.Z},
                                {"EAR", c.EAR},
                                {"PD", c.PDEL},
                                {"thrust", c.TH},
                                {"N", c.N},
                                {"V_design", c.VD},
                                {"KT", c.KTD},
                                {"KQ", c.KQD},
                                {"D", c.D},
                                {"w", c.WD},
                                {"t", c.TD}})},
                {"rows", nullptr},
                {"design_speed_found", c.designSpeedFound}});
  j["rows"] = std::move(rows);
  return j;
}

Json MINIMUM_SERVICE(const RunResult& r) {
  if (!r.power_chain || !REACHED(r, RunStep::Service)) return nullptr;
  const CharacteristicsRecord& c = r.power_chain->characteristics;
  if (!c.designSpeedFound) return nullptr;
  Json rows = Json::array();
  for (const ServiceRow& s : c.service)
    rows.push_back(OBJ({{"Vs", s.VS},
                        {"PE", static_cast<std::int64_t>(s.PE)},
                        {"t", s.t},
                        {"w", s.w},
                        {"etaH", s.ETAH},
                        {"etaR", s.ETAR},
                        {"eta0", s.ETA0},
                        {"etad", s.ETAD},
                        {"PB", static_cast<std::int64_t>(s.PB)},
                        {"N", s.RPM}}));
  Json j = OBJ({{"computable", c.serviceComputable},
                {"etaS", c.ETATR},
                {"pod", c.IPOD},
                {"rows", nullptr},
                {"stop", STOP(c.stop)}});
  j["rows"] = std::move(rows);
  return j;
}

Json WARNINGS(const RunResult* r) {
  Json a = Json::array();
  if (!r) return a;
  for (const Warning& w : r->warnings) {
    Json values = Json::object();
    for (const auto& [symbol, v] : w.values) values[symbol] = v;
    a.push_back(OBJ({{"code", w.code}, {"text", w.text}, {"values", values}}));
  }
  return a;
}

// --- the stop ---------------------------------------------------------------------------------

Json STOP_OF(const RunDocument& doc) {
  const std::optional<Stop>& s = doc.stop();
  if (!s) return nullptr;
  const std::vector<std::string> lines =
      doc.result ? RUN_STOP_TEXT(*doc.result)->lines : STOP_PARAGRAPH(doc.input_messages);
  Json m = Json::array();
  for (const std::string& line : lines) m.push_back(line);
  return OBJ({{"status", s->status},
              {"reason", s->reason},
              {"while", doc.result ? "calculation" : "reading the data file"},
              {"message", m}});
}

}  // namespace

std::string RESULTS_JSON(const RunDocument& doc) {
  Json j;
  j["program"] = OBJ({{"name", "VARDELONTEKSA"},
                      {"version", doc.version},
                      {"data_file", doc.data_name},
                      {"run_date", doc.run_date}});
  j["status"] = doc.status;
  j["units"] = UNITS();
  // A data file that could not be opened has no inputs.
  const bool read = doc.result || !doc.echo.empty();
  j["inputs"] = read ? INPUTS(doc.result ? doc.result->ship : doc.ship) : Json(nullptr);
  const RunResult* r = doc.result ? &*doc.result : nullptr;
  j["values_used"] = r ? VALUES_USED(*r) : Json(nullptr);
  j["per_speed"] = r ? PER_SPEED(*r) : Json(nullptr);
  j["speed_blocks"] = r ? SPEED_BLOCKS(r->resistance) : Json(nullptr);
  j["other_methods"] = r ? OTHER_METHODS(*r) : Json(nullptr);
  j["model_scale"] = r ? MODEL_SCALE(*r) : Json(nullptr);
  j["trial_propeller"] = r ? TRIAL_PROPELLER(*r) : Json(nullptr);
  j["cavitation"] = r ? CAVITATION(*r) : Json(nullptr);
  j["tip_vortex"] = r ? TIP_VORTEX(*r) : Json(nullptr);
  j["power_chain"] = r ? POWER_CHAIN(*r) : Json(nullptr);
  j["selected_propeller"] = r ? SELECTED(*r) : Json(nullptr);
  j["open_water"] = r ? OPEN_WATER(*r) : Json(nullptr);
  j["minimum_service"] = r ? MINIMUM_SERVICE(*r) : Json(nullptr);
  j["warnings"] = WARNINGS(r);
  j["stop"] = STOP_OF(doc);
  std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
  text += '\n';
  return text;
}

}  // namespace vdk
