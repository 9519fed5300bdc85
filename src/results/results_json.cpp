#include "results/results_json.hpp"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "propeller/open_water.hpp"
#include "results/json_tree.hpp"
#include "view/speed_values.hpp"

namespace vdk {

namespace {

using namespace json_tree;
using V = ResultView;

// An optional part of a record, for a maybe() node.
template <class T>
const T* PTR(const std::optional<T>& o) {
  return o ? &*o : nullptr;
}

const char* SERIES_NAME(int series) {
  return series == 1 ? "Wageningen B" : series == 2 ? "Gawn" : "none";
}
const std::vector<std::string> kSeries{"Wageningen B", "Gawn", "none"};

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

// The stop record of a part of the run: its status and reason.
template <class C, class F>
N<C> STOP_RECORD(F f) {
  return maybe<C, Stop>(std::move(f),
                        object<Stop>({
                            {"status", leaf<Stop>([](const Stop& s) { return s.status; })},
                            {"reason", leaf<Stop>([](const Stop& s) { return s.reason; })},
                        }));
}

// --- inputs as read -------------------------------------------------------------

struct Appendage {
  const ShipRecord* ship;
  int k;
};

N<ShipRecord> INPUTS() {
  using S = ShipRecord;
  auto num = [](float S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  auto whole = [](int S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  N<Appendage> appendage = object<Appendage>({
      {"kind", leaf<Appendage>([](const Appendage& a) { return a.k; })},
      {"name", leaf<Appendage>([](const Appendage& a) {
         std::string name = a.ship->AppendageName(a.k);
         name.erase(name.find_last_not_of(' ') + 1);
         return name;
       })},
      {"S_app", leaf<Appendage>([](const Appendage& a) { return a.ship->Sapp(a.k); })},
      {"1+k2", leaf<Appendage>([](const Appendage& a) { return a.ship->OnePlusK2(a.k); })},
  });
  return object<S>({
      {"rho", num(&S::RHO)},
      {"g", num(&S::GRAV)},
      {"Lwl", num(&S::Lwl)},
      {"Lpp", num(&S::Lbp)},
      {"B", num(&S::B)},
      {"TF", num(&S::Tf)},
      {"TA", num(&S::Ta)},
      {"nabla", num(&S::V)},
      {"LCB", num(&S::LCB)},
      {"ABT", num(&S::ABT)},
      {"hB", num(&S::HB)},
      {"AT", num(&S::AT)},
      {"CM", num(&S::Cm)},
      {"CWP", num(&S::Cwp)},
      {"Cstern", num(&S::Cstern)},
      {"iE", num(&S::IE)},
      {"S", num(&S::S)},
      {"model_scale", num(&S::ModelScale)},
      {"model_water_temperature", num(&S::ModelWaterTemp)},
      {"depth_at_bow", num(&S::DepthFP)},
      {"A_front", num(&S::ONYUZ)},
      {"speed_count", whole(&S::NSPEED)},
      {"Vs", list_of<S, float>([](const S& s) {
         const int n = std::clamp(s.NSPEED, 0, MAX_SPEEDS);
         return std::vector<float>(s.Vs.data1(), s.Vs.data1() + n);
       })},
      {"V_trial", num(&S::Vtrial)},
      {"appendages",
       each<S, Appendage>(
           [](const S& s) {
             std::vector<Appendage> a;
             for (int k = 1; k <= NUM_APPENDAGES; ++k) a.push_back({&s, k});
             return a;
           },
           appendage),
       "all eleven appendage kinds with their areas and the (1+k2) in use"},
      {"bow_thrusters", object<S>({{"count", whole(&S::NBT)}, {"d_BT", num(&S::DBT)}}),
       "the bow-thruster tunnel openings"},
      {"D", num(&S::D)},
      {"N", num(&S::N)},
      {"P/D", num(&S::PD)},
      {"h_shaft", num(&S::Hsd)},
      {"CPP", num(&S::CPPropeller)},
      {"propellers", whole(&S::NPROP)},
      {"series", whole(&S::SERIES)},
      {"pod", whole(&S::IPOD)},
      {"MCR", num(&S::MCR)},
      {"sea_margin", num(&S::SeaMargin)},
      {"etaS", num(&S::etas)},
      {"FFDF", num(&S::FFDF)},
      {"CF_w", num(&S::CFw)},
      {"CF_t", num(&S::CFt)},
      {"CF_etaR", num(&S::CFetaR)},
      {"roughness", num(&S::Roughness)},
      {"wave_correction_factors", list_of<S, float>([](const S& s) {
         const int n = std::clamp(s.NCORR, 0, MAX_CORR);
         return std::vector<float>(s.Fcorr.data1(), s.Fcorr.data1() + n);
       })},
      {"no_D_no_N", leaf<S>([](const S& s) { return s.NoDN == 1; })},
  });
}

// --- values as used ----------------------------------------------------------------

N<HullCoefficients> HULL() {
  using H = HullCoefficients;
  auto num = [](float H::*m) { return leaf<H>([m](const H& h) { return h.*m; }); };
  return object<H>({{"T_mean", num(&H::Tmean)},
                    {"CB", num(&H::CB)},
                    {"CP", num(&H::CP)},
                    {"CB_wl", num(&H::CBlwl)},
                    {"CWP_wl", num(&H::CWPlwl)},
                    {"CP_wl", num(&H::CPlwl)},
                    {"lcb", num(&H::lcb)}});
}

N<RunResult> VALUES_USED() {
  using R = RunResult;
  const auto tables = [](const R& r) {
    return std::find(r.steps.begin(), r.steps.end(), RunStep::Tables) != r.steps.end();
  };
  using P = PropulsionPrerequisites;
  N<P> propulsion = object<P>({
      {"too_few_speeds", leaf<P>([](const P& p) { return p.too_few_speeds; })},
      {"resistance_only", leaf<P>([](const P& p) { return p.resistance_only; })},
      {"propeller_follows", leaf<P>([](const P& p) { return p.goes_on; })},
      {"sea_margin", leaf<P>([](const P& p) { return p.SeaMargin; })},
      {"D_start", leaf<P>([](const P& p) { return p.D_used; })},
      {"trial_speed_index", leaf<P>([](const P& p) { return p.ITR; })},
      {"CV_trial", leaf<P>([](const P& p) { return p.CV; })},
      {"first_estimate",
       object<P>({{"w", leaf<P>([](const P& p) { return p.first.w; })},
                  {"t", leaf<P>([](const P& p) { return p.first.t; })},
                  {"etaR", leaf<P>([](const P& p) { return p.first.etaR; })},
                  {"etaR_raw", leaf<P>([](const P& p) { return p.first.etaR_raw; })}}),
       "w, t and etaR of the first estimate"},
  });
  return object<R>({
      {"S", leaf<R>([](const R& r) { return r.resistance.S_used; })},
      {"iE", leaf<R>([](const R& r) { return r.resistance.IE_used; })},
      {"S_app_total", leaf<R>([](const R& r) { return r.resistance.summary.Sapptot; })},
      {"1+k2_eff", leaf<R>([](const R& r) { return r.resistance.summary.OnePlusK2eff; })},
      {"displacement_weight", leaf<R>([](const R& r) { return r.resistance.summary.DISPW; })},
      {"propeller_case", leaf<R>([](const R& r) { return r.resistance.summary.PropCase; })},
      {"appendages_listed",
       list_of<R, int>([](const R& r) { return r.resistance.summary.listed_appendages; })},
      {"hull",
       at<R, HullCoefficients>(
           [](const R& r) -> const HullCoefficients& { return r.resistance.hull; }, HULL()),
       "hull coefficients of the last speed block"},
      {"1+k", leaf<R>([](const R& r) { return r.resistance.OnePlusK; })},
      {"1+k_Grigson", leaf<R>([](const R& r) { return r.resistance.OnePlusKGrigson; })},
      {"wave_correction_applied",
       leaf<R>([tables](const R& r) { return tables(r) && r.tables.CorrFlag == 1; })},
      {"Vc", list_of<R, float>([tables](const R& r) {
         std::vector<float> vc;
         if (tables(r) && r.tables.CorrFlag == 1)
           for (int i = 1; i <= std::clamp(r.ship.NCORR, 0, MAX_CORR); ++i)
             vc.push_back(r.tables.Vc(i));
         return vc;
       })},
      {"propulsion",
       maybe<R, P>(
           [](const R& r) {
             return std::find(r.steps.begin(), r.steps.end(), RunStep::Prerequisites) !=
                            r.steps.end()
                        ? &r.prerequisites
                        : nullptr;
           },
           propulsion),
       "the propulsion prerequisites: speed count, sea margin, trial speed, first estimate"},
      {"answers",
       object<R>({{"etad", leaf<R>([](const R& r) { return r.answers.etad; })},
                  {"Z", leaf<R>([](const R& r) { return r.answers.Z; })},
                  {"EAR", leaf<R>([](const R& r) { return r.answers.EAR; })}}),
       "the answers the run was given"},
  });
}

// --- per speed ----------------------------------------------------------------------

// One array per quantity, one element per speed block computed; null where
// the block stopped before the value.
class PerSpeed : public Node<V> {
 public:
  explicit PerSpeed(std::span<const PerSpeedValue> columns) : columns_(columns) {
    for (const PerSpeedValue& c : columns_) QUANTITY(c.key);
  }
  Json value(const V& v) const override {
    Json j = Json::object();
    Json numbers = Json::array();
    for (const SpeedView& s : v.speeds()) numbers.push_back(s.i);
    APPEND(j, "i", std::move(numbers));
    for (const PerSpeedValue& c : columns_) {
      Json a = Json::array();
      a.get_ref<Json::array_t&>().reserve(v.speeds().size());
      for (const SpeedView& s : v.speeds()) {
        const std::optional<float> x = c.get(s);
        a.push_back(x ? Json(*x) : Json(nullptr));
      }
      APPEND(j, std::string(c.key).c_str(), std::move(a));
    }
    return j;
  }
  Json schema() const override {
    Json s = TYPE_SCHEMA({"object"});
    Json req = Json::array({"i"});
    Json props = Json::object();
    Json i = TYPE_SCHEMA({"array"});
    i["items"] = TYPE_SCHEMA({"integer"});
    i["description"] = "speed number, from 1";
    props["i"] = std::move(i);
    for (const PerSpeedValue& c : columns_) {
      req.push_back(std::string(c.key));
      const Quantity& q = QUANTITY(c.key);
      Json a = TYPE_SCHEMA({"array"});
      a["items"] = NUMBER_SCHEMA(true);
      a["description"] = std::string(q.name) + (q.unit.empty() ? "" : ", " + std::string(q.unit)) +
                         ": " + std::string(q.description);
      props[std::string(c.key)] = std::move(a);
    }
    s["required"] = std::move(req);
    s["properties"] = std::move(props);
    s["additionalProperties"] = false;
    return s;
  }
  bool leaf() const override { return false; }

 private:
  std::span<const PerSpeedValue> columns_;
};

N<V> PER_SPEED() {
  return std::make_shared<PerSpeed>(PER_SPEED_VALUES());
}

// --- speed blocks -----------------------------------------------------------------------

N<SpeedBlock> SPEED_BLOCK() {
  using B = SpeedBlock;
  using F = FrictionAppendageWind;
  using T = CorrelationAndTotals;
  auto hf = [](float HullFormAtSpeed::*m) {
    return leaf<B>([m](const B& b) { return b.hull_form.*m; });
  };
  // A value of the block that the prismatic stop did not reach.
  auto hf_fr = [](float HullFormAtSpeed::*m) {
    return leaf<B>([m](const B& b) -> std::optional<float> {
      if (b.end == BlockEnd::PrismaticStop) return std::nullopt;
      return b.hull_form.*m;
    });
  };
  auto f = [](float F::*m) { return leaf<F>([m](const F& x) { return x.*m; }); };
  // Values of a complete block only.
  auto wc = [](auto get) {
    return leaf<B>([get](const B& b) -> decltype(std::optional(get(b))) {
      if (b.end != BlockEnd::Complete) return std::nullopt;
      return get(b);
    });
  };
  auto t = [](float T::*m) { return leaf<T>([m](const T& x) { return x.*m; }); };
  N<F> friction = object<F>({
      {"Rn", f(&F::Rn)},
      {"CF", f(&F::CF)},
      {"CV", f(&F::CV)},
      {"RF", f(&F::RF)},
      {"RAPP", f(&F::RAPP)},
      {"wind", leaf<F>(
                   [](const F& x) {
                     static const char* const kWind[] = {
                         "off", "depth at the bow below the draught", "computed"};
                     return std::string(kWind[static_cast<int>(x.wind)]);
                   },
                   {"off", "depth at the bow below the draught", "computed"})},
      {"A_front_hull", f(&F::AFRONT)},
      {"CAA", f(&F::CAA)},
      {"RAIR", f(&F::RAIR)},
  });
  // The wave step: the bulb, transom and thruster values on a complete block only.
  N<B> wave = object<B>({
      {"CP_wl", leaf<B>([](const B& b) { return b.wave.CPlwl; })},
      {"iE_estimate", leaf<B>([](const B& b) { return b.wave.IE_est; })},
      {"iE", leaf<B>([](const B& b) { return b.wave.IE_used; })},
      {"C4", leaf<B>([](const B& b) { return b.wave.C4; })},
      {"C5", leaf<B>([](const B& b) { return b.wave.C5; })},
      {"m1", leaf<B>([](const B& b) { return b.wave.M1; })},
      {"C6", leaf<B>([](const B& b) { return b.wave.C6; })},
      {"m2", leaf<B>([](const B& b) { return b.wave.M2; })},
      {"lambda", leaf<B>([](const B& b) { return b.wave.LAMDA; })},
      {"C1", leaf<B>([](const B& b) { return b.wave.C1; })},
      {"C3", leaf<B>([](const B& b) { return b.wave.C3; })},
      {"C2", leaf<B>([](const B& b) { return b.wave.C2; })},
      {"C17", leaf<B>([](const B& b) { return b.wave.C17; })},
      {"m3", leaf<B>([](const B& b) { return b.wave.M3; })},
      {"C15", leaf<B>([](const B& b) { return b.wave.C15; })},
      {"m4", leaf<B>([](const B& b) { return b.wave.M4; })},
      {"range", leaf<B>(
                    [](const B& b) {
                      static const char* const kRange[] = {"Fn<0.40", "0.40<Fn<0.55", "Fn>0.55"};
                      return std::string(kRange[static_cast<int>(b.wave.range)]);
                    },
                    {"Fn<0.40", "0.40<Fn<0.55", "Fn>0.55"})},
      {"RW", leaf<B>([](const B& b) { return b.wave.Rw; })},
      {"bulb_emerged", leaf<B>([](const B& b) { return b.wave.bulb_emerged; })},
      // Left out on a block the bulb stopped.
      {"bulb_breaking", wc([](const B& b) { return b.wave.bulb_breaking; }), nullptr, true},
      {"RB", wc([](const B& b) { return b.wave.Rbulb; }), nullptr, true},
      {"RTR", wc([](const B& b) { return b.wave.Rayna; }), nullptr, true},
      {"RBT", wc([](const B& b) { return b.wave.Rbot; }), nullptr, true},
      {"CW", wc([](const B& b) { return b.wave.CW; }), nullptr, true},
  });
  N<T> totals = object<T>({
      {"CA_Holtrop", t(&T::CA_holtrop)},
      {"CA_given", leaf<T>([](const T& x) { return x.CA_direct; })},
      {"CA_ITTC", leaf<T>([](const T& x) { return x.CA_ittc; })},
      {"CA", t(&T::CA)},
      {"RA", t(&T::RA)},
      {"RV", t(&T::RV)},
      {"RT", t(&T::RT)},
      {"CT", t(&T::CT)},
      {"CR", t(&T::CR)},
      {"PE", t(&T::PE)},
  });
  return object<B>({
      {"i", leaf<B>([](const B& b) { return b.i; })},
      {"end", leaf<B>(
                  [](const B& b) {
                    static const char* const kEnd[] = {"complete", "prismatic stop", "bulb stop"};
                    return std::string(kEnd[static_cast<int>(b.end)]);
                  },
                  {"complete", "prismatic stop", "bulb stop"})},
      {"Vs", hf(&HullFormAtSpeed::VS)},
      {"Fn", hf(&HullFormAtSpeed::Fn)},
      {"hull",
       at<B, HullCoefficients>(
           [](const B& b) -> const HullCoefficients& { return b.hull_form.hull; }, HULL()),
       "hull coefficients of the block"},
      // The rest of the block's opening, left out after the prismatic stop.
      {"LR", hf_fr(&HullFormAtSpeed::LR), nullptr, true},
      {"C", hf_fr(&HullFormAtSpeed::C), nullptr, true},
      {"S_estimate", hf_fr(&HullFormAtSpeed::SE), nullptr, true},
      {"S_Taylan", hf_fr(&HullFormAtSpeed::S_Taylan), nullptr, true},
      {"S_estimated", leaf<B>([](const B& b) -> std::optional<bool> {
         if (b.end == BlockEnd::PrismaticStop) return std::nullopt;
         return b.hull_form.S_estimated;
       }),
       nullptr, true},
      {"S", hf_fr(&HullFormAtSpeed::S_used), nullptr, true},
      {"1+k_Holtrop", hf_fr(&HullFormAtSpeed::KHoltrop), nullptr, true},
      {"1+k", hf_fr(&HullFormAtSpeed::OnePlusK), nullptr, true},
      {"1+k_Grigson", hf_fr(&HullFormAtSpeed::OnePlusKGrigson), nullptr, true},
      {"friction",
       maybe<B, F>(
           [](const B& b) { return b.end == BlockEnd::PrismaticStop ? nullptr : &b.friction; },
           friction),
       "frictional, appendage and wind resistance (null after the prismatic stop)"},
      {"wave",
       maybe<B, B>([](const B& b) { return b.end == BlockEnd::PrismaticStop ? nullptr : &b; },
                   wave),
       "wave, bulb, transom and thruster resistance with the coefficients of the wave "
       "formula (null after the prismatic stop)"},
      {"totals",
       maybe<B, T>([](const B& b) { return b.end == BlockEnd::Complete ? &b.totals : nullptr; },
                   totals),
       "correlation allowance and totals (null on a block that stopped)"},
  });
}

// --- other methods ------------------------------------------------------------------------

N<OtherMethodFactors> FACTORS() {
  using O = OtherMethodFactors;
  auto num = [](float O::*m) { return leaf<O>([m](const O& o) { return o.*m; }); };
  using P = PapmehlRow;
  return object<O>({
      {"Cb", num(&O::Cb)},
      {"Cp", num(&O::Cp)},
      {"Cm", num(&O::Cm)},
      {"Cwp", num(&O::Cwp)},
      {"L", num(&O::L)},
      {"B", num(&O::B)},
      {"T", num(&O::T)},
      {"Dp", num(&O::Dp)},
      {"Dep", num(&O::Dep)},
      {"w_single",
       object<O>({{"Taylor", num(&O::wTaylor1)},
                  {"Troost", num(&O::wTroost)},
                  {"Kruger", num(&O::wKruger1)},
                  {"Heckscher_cargo", num(&O::wHeckCargo1)},
                  {"Caldwell", num(&O::wCaldwell1)},
                  {"Heckscher_trawler", num(&O::wHeckTrawler)},
                  {"Schneekluth", num(&O::wSchneekluth)}}),
       "effective wake fraction of a single-screw ship by each formula"},
      {"w_Papmehl",
       each<O, P>([](const O& o) -> const std::vector<P>& { return o.papmehl; },
                  object<P>({{"Vs", leaf<P>([](const P& p) { return p.Vs; })},
                             {"Fn", leaf<P>([](const P& p) { return p.Fn; })},
                             {"w", leaf<P>([](const P& p) { return p.w; })}})),
       "Papmehl's speed-dependent wake fraction at each speed"},
      {"w_twin",
       object<O>({{"Taylor", num(&O::wTaylor2)},
                  {"Kruger", num(&O::wKruger2)},
                  {"Heckscher_cargo", num(&O::wHeckCargo2)},
                  {"Caldwell", num(&O::wCaldwell2)}}),
       "effective wake fraction of a twin-screw ship by each formula"},
      {"t_single",
       object<O>({{"Taylor", num(&O::tTaylor1)},
                  {"Heckscher_cargo", num(&O::tHeckCargo1)},
                  {"Heckscher_trawler", num(&O::tHeckTrawler)},
                  {"Danckwardt", num(&O::tDanckwardt1)},
                  {"SSPA_t/w", num(&O::sspa1)}}),
       "thrust deduction fraction of a single-screw ship by each formula"},
      {"t_twin",
       object<O>({{"Taylor", num(&O::tTaylor2)},
                  {"Heckscher_cargo", num(&O::tHeckCargo2)},
                  {"Danckwardt", num(&O::tDanckwardt2)},
                  {"SSPA_t/w", num(&O::sspa2)},
                  {"Holtrop_1978", num(&O::tHoltrop78)}}),
       "thrust deduction fraction of a twin-screw ship by each formula"},
      {"etaR_Helm", num(&O::etaRHelm)},
  });
}

N<RunResult> OTHER_METHODS() {
  using R = RunResult;
  using A = AndersenGuldhammer;
  using G = GuldhammerHarvald;
  auto af = [](float A::*m) { return leaf<A>([m](const A& a) { return a.*m; }); };
  auto ad = [](double A::*m) { return leaf<A>([m](const A& a) { return a.*m; }); };
  auto gf = [](float G::*m) { return leaf<G>([m](const G& g) { return g.*m; }); };
  auto gd = [](double G::*m) { return leaf<G>([m](const G& g) { return g.*m; }); };
  N<A> ag = object<A>({{"B", af(&A::B)},
                       {"L", af(&A::L)},
                       {"T", af(&A::T)},
                       {"D0", af(&A::D0)},
                       {"Cb", ad(&A::Cb)},
                       {"B/L", ad(&A::BL)},
                       {"D/L", ad(&A::DL)},
                       {"a", ad(&A::a)},
                       {"b", ad(&A::b)},
                       {"c", ad(&A::c)},
                       {"w1", ad(&A::w1)},
                       {"w2", ad(&A::w2)},
                       {"w", af(&A::w)},
                       {"d", ad(&A::d)},
                       {"e", ad(&A::e)},
                       {"f", ad(&A::f)},
                       {"t1", ad(&A::t1)},
                       {"t2", ad(&A::t2)},
                       {"t", af(&A::t)}});
  N<G> gh = object<G>({{"B", gf(&G::B)},
                       {"L", gf(&G::L)},
                       {"T", gf(&G::T)},
                       {"T_aft", gf(&G::Taft)},
                       {"Cb", gd(&G::Cb)},
                       {"w1", gd(&G::w1)},
                       {"w2", gd(&G::w2)},
                       {"w3", gd(&G::w3)},
                       {"w", gf(&G::w)},
                       {"t1", gd(&G::t1)},
                       {"t2", gd(&G::t2)},
                       {"t3", gd(&G::t3)},
                       {"t", gf(&G::t)}});
  using M = OtherMethodSummary;
  auto mf = [](float M::*m) { return leaf<M>([m](const M& s) { return s.*m; }); };
  N<M> summary = object<M>(
      {{"L", mf(&M::L)},
       {"B", mf(&M::B)},
       {"T", mf(&M::T)},
       {"Dep", mf(&M::Depl)},
       {"Cm", mf(&M::Cm)},
       {"Cwp_given", mf(&M::Cwp_given)},
       {"Cwp", mf(&M::Cwp_used)},
       {"Vs", list_of<M, float>([](const M& s) { return s.Vs; })},
       {"Dp", mf(&M::Dp)},
       {"factors", maybe<M, OtherMethodFactors>([](const M& s) { return &s.factors; }, FACTORS()),
        "the factors for the selected propeller"}});
  auto sections = [](const R& r) { return PTR(r.other_methods); };
  return object<R>({
      {"Andersen_Guldhammer",
       maybe<R, A>([sections](const R& r) { return sections(r) ? &sections(r)->ag : nullptr; }, ag),
       "Andersen & Guldhammer's wake and thrust deduction with their terms"},
      {"Guldhammer_Harvald",
       maybe<R, G>([sections](const R& r) { return sections(r) ? &sections(r)->gh : nullptr; }, gh),
       "Guldhammer & Harvald's wake and thrust deduction with their terms"},
      {"factors",
       maybe<R, OtherMethodFactors>(
           [sections](const R& r) { return sections(r) ? &sections(r)->other : nullptr; },
           FACTORS()),
       "the factors by the other formulas for the given diameter"},
      {"summary", maybe<R, M>([](const R& r) { return PTR(r.other_summary); }, summary),
       "the other-method summary for the selected propeller"},
  });
}

// --- model scale --------------------------------------------------------------------------

N<WaterProperties> WATER() {
  using W = WaterProperties;
  // After the temperature stop the record holds the temperature and the stop alone.
  return custom<W>(
      [](const W& w) {
        Json j = Json::object();
        APPEND(j, "temperature", Json(w.TW));
        if (w.stop) {
          Json s = Json::object();
          APPEND(s, "status", Json(static_cast<std::int64_t>(w.stop->status)));
          APPEND(s, "reason", Json(w.stop->reason));
          APPEND(j, "stop", std::move(s));
          return j;
        }
        APPEND(j, "p_v", Json(w.PV));
        APPEND(j, "nu", Json(w.NU));
        APPEND(j, "rho", Json(w.RHOW));
        return j;
      },
      [] {
        Json s = TYPE_SCHEMA({"object"});
        s["required"] = Json::array({"temperature"});
        Json p = Json::object();
        p["temperature"] = NUMBER_SCHEMA(false);
        p["p_v"] = NUMBER_SCHEMA(false);
        p["nu"] = NUMBER_SCHEMA(false);
        p["rho"] = NUMBER_SCHEMA(false);
        p["stop"] = Json::object({{"$ref", "#/$defs/stop_record"}});
        s["properties"] = std::move(p);
        s["additionalProperties"] = false;
        s["description"] =
            "water properties: temperature, p_v, nu and rho; after the temperature stop the "
            "temperature and the stop alone";
        return s;
      }());
}

N<RunResult> MODEL_SCALE() {
  using R = RunResult;
  using M = ModelScaleResult;
  using T = ModelTableRow;
  using S = ModelSpeedRow;
  using E = MeasurementRow;
  using F = ModelResistanceFile;
  auto tf = [](float T::*m) { return leaf<T>([m](const T& x) { return x.*m; }); };
  auto sf = [](float S::*m) { return leaf<S>([m](const S& x) { return x.*m; }); };
  auto ef = [](float E::*m) { return leaf<E>([m](const E& x) { return x.*m; }); };
  auto ff = [](float F::*m) { return leaf<F>([m](const F& x) { return x.*m; }); };
  N<F> file = object<F>({
      {"model_scale", ff(&F::ModelScale)},
      {"1+k", ff(&F::K1)},
      {"Lwl", ff(&F::Lwl)},
      {"Lwl_model", ff(&F::Lwl_model)},
      {"S", ff(&F::S)},
      {"S_model", ff(&F::S_model)},
      {"ship_water", maybe<F, WaterProperties>([](const F& f) { return &f.ship_water; }, WATER()),
       "the ship's water: salt, 15 deg C"},
      {"model_water", maybe<F, WaterProperties>([](const F& f) { return &f.model_water; }, WATER()),
       "the model's water: fresh, at the model test temperature"},
      {"speeds",
       each<F, S>([](const F& f) -> const std::vector<S>& { return f.speeds; },
                  object<S>({{"Vs", sf(&S::Vs)},
                             {"Vm", sf(&S::Vm)},
                             {"Fn", sf(&S::Fn)},
                             {"Rn", sf(&S::Rnm)},
                             {"CF", sf(&S::Cfm)},
                             {"CV", sf(&S::Cvm)},
                             {"CR", sf(&S::CR)},
                             {"CT", sf(&S::Ctm)},
                             {"Rm", sf(&S::Rtm_kg)}})),
       "model values at each speed"},
      {"measurements",
       each<F, E>([](const F& f) -> const std::vector<E>& { return f.measurements; },
                  object<E>({{"Rm", ef(&E::Rtm_kg)},
                             {"Vm", ef(&E::Vm)},
                             {"Fn", ef(&E::Fn)},
                             {"Vs", ef(&E::Vs)},
                             {"CT", ef(&E::Ctm)}})),
       "model speed at each listed model resistance"},
      {"stop", STOP_RECORD<F>([](const F& f) { return PTR(f.stop); }),
       "the stop of the model file, if any"},
  });
  N<M> m = object<M>({
      {"model_given", leaf<M>([](const M& x) { return x.model_given; })},
      {"model_scale", leaf<M>([](const M& x) { return x.ModelScale_used; })},
      {"model_scale_BSRA", leaf<M>([](const M& x) { return x.ModelScale_BSRA; })},
      {"water", maybe<M, WaterProperties>([](const M& x) { return &x.water; }, WATER()),
       "the model's water"},
      {"rows",
       each<M, T>([](const M& x) -> const std::vector<T>& { return x.rows; },
                  object<T>({{"Vm", tf(&T::Vm)},
                             {"Fn", tf(&T::Fn)},
                             {"Rn", tf(&T::Rnm)},
                             {"CF", tf(&T::Cfm)},
                             {"CV", tf(&T::Cvm)},
                             {"CR", tf(&T::CR)},
                             {"CT", tf(&T::Ctm)},
                             {"Rm", tf(&T::Rm_kg)}})),
       "the model table, one row per speed"},
      {"1+k", leaf<M>([](const M& x) { return x.OnePlusK; })},
      {"1+k_Grigson", leaf<M>([](const M& x) { return x.OnePlusKGrigson; })},
      {"1+k_BSRA", leaf<M>([](const M& x) { return x.OnePlusKBSRA; })},
      {"model_file", maybe<M, F>([](const M& x) { return PTR(x.model_file); }, file),
       "the content of the model-resistance file BORELI_VANSK_DEGERI.SON"},
      {"stop", STOP_RECORD<M>([](const M& x) { return PTR(x.stop); }),
       "the stop of the model-scale step, if any"},
  });
  return maybe<R, M>(
      [](const R& r) {
        return std::find(r.steps.begin(), r.steps.end(), RunStep::ModelScale) != r.steps.end()
                   ? &r.model_scale
                   : nullptr;
      },
      m);
}

// --- trial propeller ----------------------------------------------------------------------

N<SelectedPropeller> OPEN_WATER_POINT() {
  using S = SelectedPropeller;
  auto num = [](float S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  return object<S>({{"J", num(&S::J)},
                    {"KT", num(&S::KT)},
                    {"KQ", num(&S::KQ)},
                    {"10KQ", num(&S::KQ10)},
                    {"eta0", num(&S::ETA0)},
                    {"P/D", num(&S::PD)},
                    {"N", num(&S::N)},
                    {"PD", num(&S::Pd)},
                    {"D", num(&S::D)}});
}

N<CandidateRow> CANDIDATE() {
  using C = CandidateRow;
  auto num = [](float C::*m) { return leaf<C>([m](const C& c) { return c.*m; }); };
  return object<C>({{"i", leaf<C>([](const C& c) { return c.i; })},
                    {"P/D", num(&C::PD)},
                    {"J", num(&C::J)},
                    {"KT", num(&C::KT)},
                    {"KQ", num(&C::KQ)},
                    {"10KQ", num(&C::KQ10)},
                    {"eta0", num(&C::ETA0)},
                    {"Bp", num(&C::Bp)},
                    {"delta", num(&C::delta)}});
}

N<TrialPropellerRecord> PROPELLER() {
  using P = TrialPropellerRecord;
  using RR = PropellerRoutineRecord;
  const auto search = [](const RR& r) {
    return r.routine == PropellerRoutine::OptimumForD || r.routine == PropellerRoutine::OptimumForN;
  };
  N<RR> search_node = object<RR>({
      {"loading", leaf<RR>(
                      [](const RR& r) {
                        return std::string(r.routine == PropellerRoutine::OptimumForD ? "KT/J^2"
                                                                                      : "KT/J^4");
                      },
                      {"KT/J^2", "KT/J^4"})},
      {"target", leaf<RR>([](const RR& r) { return r.target; })},
      {"candidates",
       each<RR, CandidateRow>(
           [](const RR& r) -> const std::vector<CandidateRow>& { return r.candidates; },
           CANDIDATE()),
       "every candidate of the search"},
      {"chosen", leaf<RR>([](const RR& r) { return r.IBEST; })},
  });
  N<RR> operating_point = object<RR>({
      {"thrust", leaf<RR>([](const RR& r) { return r.T_shown; })},
      {"VA", leaf<RR>([](const RR& r) { return r.Va; })},
      {"rho", leaf<RR>([](const RR& r) { return r.RHO; })},
      {"Z", leaf<RR>([](const RR& r) { return r.Z; })},
      {"EAR", leaf<RR>([](const RR& r) { return r.EAR; })},
      {"n", leaf<RR>([](const RR& r) { return r.n; })},
      {"Q", leaf<RR>([](const RR& r) { return r.Q; })},
      {"Bp", leaf<RR>([](const RR& r) { return r.Bp; })},
      {"delta", leaf<RR>([](const RR& r) { return r.delta; })},
      {"thrust_reached", leaf<RR>([](const RR& r) { return r.reached; })},
      {"propeller",
       maybe<RR, SelectedPropeller>([](const RR& r) { return &r.sel; }, OPEN_WATER_POINT()),
       "the propeller at its operating point"},
  });
  return object<P>({
      {"EAR", leaf<P>([](const P& p) { return p.EAR; })},
      {"EAR_Keller", leaf<P>([](const P& p) { return p.EARK; })},
      {"routine",
       leaf<P>([](const P& p) { return std::string(ROUTINE_NAME(p.routine.routine)); },
               {"none", "optimum rpm for the given diameter",
                "pitch ratio for the thrust at given D and N", "optimum diameter for the given rpm",
                "operating point of the given propeller"})},
      {"series",
       leaf<P>([](const P& p) { return std::string(SERIES_NAME(p.routine.set.SERIES)); }, kSeries)},
      {"controllable_pitch", leaf<P>([](const P& p) { return IS_CP_PROPELLER(p.routine.set); })},
      {"search",
       maybe<P, RR>([search](const P& p) { return search(p.routine) ? &p.routine : nullptr; },
                    search_node),
       "the optimum search (null for a given propeller)"},
      {"operating_point",
       maybe<P, RR>(
           [](const P& p) {
             return !p.routine.stop && p.routine.routine != PropellerRoutine::None ? &p.routine
                                                                                   : nullptr;
           },
           operating_point),
       "the operating point the routine printed"},
      {"routine_stop", STOP_RECORD<P>([](const P& p) { return PTR(p.routine.stop); }),
       "the stop of the routine, if any"},
      {"settled",
       maybe<P, SelectedPropeller>([](const P& p) { return &p.sel; }, OPEN_WATER_POINT()),
       "the propeller settled on"},
      {"Z", leaf<P>([](const P& p) { return p.Z; })},
      {"factors_recomputed", leaf<P>([](const P& p) { return p.factorsRecomputed; })},
      {"w", leaf<P>([](const P& p) { return p.w; })},
      {"t", leaf<P>([](const P& p) { return p.t; })},
      {"etaR", leaf<P>([](const P& p) { return p.etaR; })},
      {"etad_assumed", leaf<P>([](const P& p) { return p.etad_typed; })},
      {"etad_computed", leaf<P>([](const P& p) { return p.etad_computed; })},
      {"PD", leaf<P>([](const P& p) { return p.Pd; })},
      {"propellers", leaf<P>([](const P& p) { return p.NPROP; })},
  });
}

N<RunResult> TRIAL_PROPELLER() {
  using R = RunResult;
  using T = TrialThrustRecord;
  using B = TrialBladesRecord;
  N<T> assumed = object<T>({{"etad", leaf<T>([](const T& t) { return t.etad_typed; })},
                            {"PD", leaf<T>([](const T& t) { return t.Pd; })},
                            {"VA_kn", leaf<T>([](const T& t) { return t.Va; })},
                            {"RT", leaf<T>([](const T& t) { return t.Rt; })},
                            {"thrust", leaf<T>([](const T& t) { return t.T; })},
                            {"w", leaf<T>([](const T& t) { return t.w; })},
                            {"t", leaf<T>([](const T& t) { return t.t; })},
                            {"propellers", leaf<T>([](const T& t) { return t.NPROP; })}});
  N<B> blades = object<B>({{"Z_typed", leaf<B>([](const B& b) { return b.Z_typed; })},
                           {"Z", leaf<B>([](const B& b) { return b.Z; })},
                           {"EAR_Keller", leaf<B>([](const B& b) { return b.EARK; })}});
  N<R> stages = object<R>({
      {"PE_trial", leaf<R>([](const R& r) { return r.trial_start->PEtrial; })},
      {"V_trial", leaf<R>([](const R& r) { return r.ship.Vtrial; })},
      {"assumed", maybe<R, T>([](const R& r) { return PTR(r.trial_thrust); }, assumed),
       "the thrust at the assumed etad"},
      {"blades", maybe<R, B>([](const R& r) { return PTR(r.trial_blades); }, blades),
       "the blade number and Keller's area ratio"},
      {"propeller",
       maybe<R, TrialPropellerRecord>([](const R& r) { return PTR(r.trial); }, PROPELLER()),
       "the propeller determination and its efficiency test"},
  });
  return maybe<R, R>([](const R& r) { return r.trial_start ? &r : nullptr; }, stages);
}

N<V> CAVITATION() {
  using P = TrialPropellerRecord;
  using I = CavitationInput;
  using C = CavitationResult;
  auto in = [](float I::*m) { return leaf<I>([m](const I& x) { return x.*m; }); };
  // Burrill's and Wageningen's figures exist within the chart's range alone.
  auto burrill = [](float C::*m) {
    return leaf<P>([m](const P& p) -> std::optional<float> {
      if (!p.cav.inRange || p.cav.stop) return std::nullopt;
      return p.cav.*m;
    });
  };
  N<P> node = object<P>({
      {"input",
       maybe<P, I>([](const P& p) { return &p.cavIn; }, object<I>({{"thrust", in(&I::T)},
                                                                   {"VA_kn", in(&I::Va)},
                                                                   {"EAR", in(&I::EAR)},
                                                                   {"rho", in(&I::RHO)},
                                                                   {"g", in(&I::GRAV)},
                                                                   {"h_shaft", in(&I::Hsd)},
                                                                   {"D", in(&I::D)},
                                                                   {"N", in(&I::N)},
                                                                   {"P/D", in(&I::PD)}})),
       "what the checks were made with"},
      {"EAR", leaf<P>([](const P& p) { return p.cav.EAR; })},
      {"V07R2", leaf<P>([](const P& p) { return p.cav.V07R2; })},
      {"sigma", leaf<P>([](const P& p) { return p.cav.Sigma; })},
      {"in_Burrill_range", leaf<P>([](const P& p) { return p.cav.inRange; })},
      {"AP", burrill(&C::AP)},
      {"tau_c", burrill(&C::Tauc)},
      {"EAR_Burrill_2.5", burrill(&C::EARB25)},
      {"EAR_Burrill_5", burrill(&C::EARB50)},
      {"EAR_Burrill_upper", burrill(&C::EARBUP)},
      {"EAR_Wageningen", burrill(&C::EARW)},
      {"stop", STOP_RECORD<P>([](const P& p) { return PTR(p.cav.stop); }),
       "the stop of the checks, if any"},
  });
  // The checks as the report gives them: after the propeller was settled
  // without a stop of its routine.
  return maybe<V, P>(
      [](const V& v) -> const P* {
        const RunResult* r = v.run();
        return r && r->trial && r->trial->EAR > 0.0f && !r->trial->routine.stop ? &*r->trial
                                                                                : nullptr;
      },
      node);
}

constexpr float TIP_SPEED_LIMIT = 30.0f;  // m/s, the report's rough limit

N<V> TIP_VORTEX() {
  using C = CavitationResult;
  return maybe<V, C>(
      [](const V& v) -> const C* {
        const RunResult* r = v.run();
        if (!r || !r->trial || !(r->trial->EAR > 0.0f) || r->trial->routine.stop ||
            r->trial->cav.stop)
          return nullptr;
        return &r->trial->cav;
      },
      object<C>({{"Vtip", leaf<C>([](const C& c) { return c.Vtip; })},
                 {"Vtip_limit", leaf<C>([](const C&) { return TIP_SPEED_LIMIT; })},
                 {"below_limit", leaf<C>([](const C& c) { return c.Vtip < TIP_SPEED_LIMIT; })}}));
}

// --- power chain and the tables after it --------------------------------------------------

N<V> POWER_CHAIN() {
  using P = PowerChainRecord;
  auto num = [](float P::*m) { return leaf<P>([m](const P& p) { return p.*m; }); };
  return maybe<V, P>(
      [](const V& v) -> const P* {
        return v.reached(RunStep::PowerChain) ? &*v.run()->power_chain : nullptr;
      },
      object<P>({{"PE_trial", num(&P::PEtrial)},
                 {"etaS", num(&P::etas)},
                 {"MCR", num(&P::MCR)},
                 {"etaH", num(&P::ETAH)},
                 {"eta0", num(&P::ETA0_trial)},
                 {"etaR", num(&P::etaR_trial)},
                 {"etad", num(&P::etad)},
                 {"PB", num(&P::Pb)},
                 {"PB_required", num(&P::Pbm)},
                 {"PD_delivered", num(&P::Pbd)},
                 {"J_trial", num(&P::JTR)},
                 {"P/D_trial", num(&P::PDTR)},
                 {"PD", num(&P::PABS)},
                 {"thrust", num(&P::THR)},
                 {"etaR_raw_last", num(&P::etaR_raw_last)},
                 {"characteristics_computed", leaf<P>([](const P& p) { return p.charComputed; })},
                 {"stop", STOP_RECORD<P>([](const P& p) { return PTR(p.stop); }),
                  "the stop of the power chain, if any"}}));
}

N<V> SELECTED() {
  using S = SelectedView;
  auto num = [](float S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  return maybe<V, S>(
      [](const V& v) { return v.selected(); },
      object<S>({{"series",
                  leaf<S>([](const S& s) { return std::string(SERIES_NAME(s.series)); }, kSeries)},
                 {"controllable_pitch", leaf<S>([](const S& s) { return s.controllable_pitch; })},
                 {"N", num(&S::N)},
                 {"Z", num(&S::Z)},
                 {"J", num(&S::J)},
                 {"KT", num(&S::KT)},
                 {"KQ", num(&S::KQ)},
                 {"10KQ", leaf<S>([](const S& s) { return 10.0f * s.KQ; })},
                 {"eta0", num(&S::eta0)},
                 {"P/D", num(&S::pitch_ratio)},
                 {"EAR", num(&S::EAR)},
                 {"D", num(&S::D)},
                 {"P", num(&S::pitch)},
                 {"PD", num(&S::PD_absorbed)}}));
}

N<V> OPEN_WATER() {
  using C = CharacteristicsRecord;
  using O = OpenWaterRow;
  auto cf = [](float C::*m) { return leaf<C>([m](const C& c) { return c.*m; }); };
  auto of = [](float O::*m) { return leaf<O>([m](const O& o) { return o.*m; }); };
  return maybe<V, C>(
      [](const V& v) -> const C* {
        return v.run() && v.run()->power_chain && v.reached(RunStep::Service)
                   ? &v.run()->power_chain->characteristics
                   : nullptr;
      },
      object<C>({{"series",
                  leaf<C>([](const C& c) { return std::string(SERIES_NAME(c.SERIES)); }, kSeries)},
                 {"design",
                  object<C>({{"J", cf(&C::JD)},
                             {"Z", cf(&C::Z)},
                             {"EAR", cf(&C::EAR)},
                             {"PD", cf(&C::PDEL)},
                             {"thrust", cf(&C::TH)},
                             {"N", cf(&C::N)},
                             {"V_design", cf(&C::VD)},
                             {"KT", cf(&C::KTD)},
                             {"KQ", cf(&C::KQD)},
                             {"D", cf(&C::D)},
                             {"w", cf(&C::WD)},
                             {"t", cf(&C::TD)}}),
                  "the head of the open-water block: the design point"},
                 {"rows",
                  each<C, O>([](const C& c) -> const std::vector<O>& { return c.openWater; },
                             object<O>({{"J", of(&O::J)},
                                        {"KT", of(&O::KT)},
                                        {"KQ", of(&O::KQ)},
                                        {"10KQ", leaf<O>([](const O& o) { return 10.0f * o.KQ; })},
                                        {"eta0", of(&O::ETA0)},
                                        {"Bp", of(&O::Bp)},
                                        {"delta", of(&O::delta)}})),
                  "the open-water table"},
                 {"design_speed_found", leaf<C>([](const C& c) { return c.designSpeedFound; })}}));
}

N<V> MINIMUM_SERVICE() {
  using C = CharacteristicsRecord;
  using S = ServiceRow;
  auto sf = [](float S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  auto si = [](long long S::*m) { return leaf<S>([m](const S& s) { return s.*m; }); };
  return maybe<V, C>(
      [](const V& v) -> const C* {
        if (!v.run() || !v.run()->power_chain || !v.reached(RunStep::Service)) return nullptr;
        const C& c = v.run()->power_chain->characteristics;
        return c.designSpeedFound ? &c : nullptr;
      },
      object<C>({{"computable", leaf<C>([](const C& c) { return c.serviceComputable; })},
                 {"etaS", leaf<C>([](const C& c) { return c.ETATR; })},
                 {"pod", leaf<C>([](const C& c) { return c.IPOD; })},
                 {"rows",
                  each<C, S>([](const C& c) -> const std::vector<S>& { return c.service; },
                             object<S>({{"Vs", sf(&S::VS)},
                                        {"PE", si(&S::PE)},
                                        {"t", sf(&S::t)},
                                        {"w", sf(&S::w)},
                                        {"etaH", sf(&S::ETAH)},
                                        {"etaR", sf(&S::ETAR)},
                                        {"eta0", sf(&S::ETA0)},
                                        {"etad", sf(&S::ETAD)},
                                        {"PB", si(&S::PB)},
                                        {"N", sf(&S::RPM)}})),
                  "the minimum-service table, one row per speed"},
                 {"stop", STOP_RECORD<C>([](const C& c) { return PTR(c.stop); }),
                  "the stop of the table, if any"}}));
}

// --- the trial point, the warnings, the stop, the options ---------------------------------

N<V> TRIAL() {
  using T = TrialView;
  auto num = [](float T::*m) { return leaf<T>([m](const T& t) { return t.*m; }); };
  return maybe<V, T>(
      [](const V& v) { return v.trial(); },
      object<T>({{"V_trial", num(&T::Vs)},
                 {"PE", num(&T::PE)},
                 {"RT", num(&T::RT)},
                 {"thrust", num(&T::thrust)},
                 {"w", num(&T::w)},
                 {"t", num(&T::t)},
                 {"etaH", num(&T::etaH)},
                 {"etaR", num(&T::etaR)},
                 {"etaS", num(&T::etaS)},
                 {"eta0", num(&T::eta0)},
                 {"etad", num(&T::etad)},
                 {"PB", num(&T::PB)},
                 {"PB_service", leaf<T>([](const T& t) { return t.PB_service; })},
                 {"PB_required", num(&T::PB_required)},
                 {"PD_delivered", num(&T::PD_delivered)},
                 {"series",
                  leaf<T>([](const T& t) { return std::string(SERIES_NAME(t.series)); }, kSeries)},
                 {"controllable_pitch", leaf<T>([](const T& t) { return t.controllable_pitch; })},
                 {"propellers", leaf<T>([](const T& t) { return t.propellers; })},
                 {"Z", num(&T::Z)},
                 {"D", num(&T::D)},
                 {"P/D", num(&T::pitch_ratio)},
                 {"EAR", num(&T::EAR)},
                 {"J", num(&T::J)},
                 {"KT", num(&T::KT)},
                 {"KQ", num(&T::KQ)},
                 {"N", num(&T::N)},
                 {"sigma", leaf<T>([](const T& t) -> std::optional<float> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->sigma;
                  })},
                 {"EAR_Keller", leaf<T>([](const T& t) -> std::optional<float> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->EAR_Keller;
                  })},
                 {"meets_Keller", leaf<T>([](const T& t) -> std::optional<bool> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->meets_Keller;
                  })},
                 {"EAR_Burrill_5", leaf<T>([](const T& t) -> std::optional<float> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->EAR_Burrill_5;
                  })},
                 {"meets_Burrill_5", leaf<T>([](const T& t) -> std::optional<bool> {
                    if (!t.cavitation || !t.cavitation->in_Burrill_range) return std::nullopt;
                    return t.cavitation->meets_Burrill_5;
                  })},
                 {"Vtip", leaf<T>([](const T& t) -> std::optional<float> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->Vtip;
                  })},
                 {"below_limit", leaf<T>([](const T& t) -> std::optional<bool> {
                    if (!t.cavitation) return std::nullopt;
                    return t.cavitation->tip_speed_below_limit;
                  })}}));
}

N<V> WARNINGS() {
  Json item = TYPE_SCHEMA({"object"});
  item["required"] = Json::array({"code", "text", "values"});
  Json props = Json::object();
  props["code"] = TYPE_SCHEMA({"string"});
  props["text"] = TYPE_SCHEMA({"string"});
  Json values = TYPE_SCHEMA({"object"});
  values["additionalProperties"] = NUMBER_SCHEMA(false);
  values["description"] = "the values concerned, by symbol";
  props["values"] = std::move(values);
  item["properties"] = std::move(props);
  item["additionalProperties"] = false;
  Json s = TYPE_SCHEMA({"array"});
  s["items"] = std::move(item);
  return custom<V>(
      [](const V& v) {
        Json a = Json::array();
        for (const Warning& w : v.warnings()) {
          Json values = Json::object();
          for (const auto& [symbol, x] : w.values) values[symbol] = x;
          Json o = Json::object();
          APPEND(o, "code", Json(w.code));
          APPEND(o, "text", Json(w.text));
          APPEND(o, "values", std::move(values));
          a.push_back(std::move(o));
        }
        return a;
      },
      s);
}

N<V> STOP() {
  return maybe<V, V>(
      [](const V& v) { return v.stop() ? &v : nullptr; },
      object<V>({{"status", leaf<V>([](const V& v) { return v.stop()->status; })},
                 {"reason", leaf<V>([](const V& v) { return v.stop()->reason; })},
                 {"while", leaf<V>(
                               [](const V& v) {
                                 return std::string(v.run() ? "calculation"
                                                            : "reading the data file");
                               },
                               {"calculation", "reading the data file"})},
                 {"message", list_of<V, std::string>([](const V& v) { return v.stop()->lines; })},
                 {"code", leaf<V>([](const V& v) { return v.stop()->code; })},
                 {"text", leaf<V>([](const V& v) { return v.stop()->english; })}}));
}

N<V> OPTIONS() {
  using O = RunOptions;
  return maybe<V, O>(
      [](const V& v) { return &v.options(); },
      object<O>({{"method", leaf<O>([](const O& o) { return std::string(METHOD_NAME(o.method)); },
                                    {"classic", "hm1982", "hm1984"})},
                 {"etad_given", leaf<O>([](const O& o) -> std::optional<float> {
                    if (o.etad_auto()) return std::nullopt;
                    return o.etad;
                  })},
                 {"etad_auto", leaf<O>([](const O& o) { return o.etad_auto(); })},
                 {"etad_start", leaf<O>([](const O& o) { return o.etad_start; })},
                 {"Z", leaf<O>([](const O& o) { return o.Z; })},
                 {"EAR", leaf<O>([](const O& o) { return o.EAR; })},
                 {"consistent", leaf<O>([](const O& o) { return o.consistent; })}}));
}

// The whole document.
N<V> DOCUMENT() {
  N<V> program = object<V>({
      {"name", leaf<V>([](const V&) { return std::string("VARDELONTEKSA"); }, {"VARDELONTEKSA"})},
      {"version", leaf<V>([](const V& v) { return v.document().version; })},
      {"data_file", leaf<V>([](const V& v) { return v.document().data_name; })},
      {"run_date", leaf<V>([](const V& v) { return v.document().run_date; })},
      {"ship_name", leaf<V>([](const V& v) { return v.ship().name; })},
  });
  return object<V>({
      {"program", program, "the program and the run"},
      {"status", leaf<V>([](const V& v) { return v.status(); })},
      {"units",
       custom<V>(
           [](const V&) {
             Json u = Json::object();
             for (const Quantity& q : QUANTITIES())
               if (!q.unit.empty()) APPEND(u, q.key.data(), Json(std::string(q.unit)));
             return u;
           },
           [] {
             Json s = TYPE_SCHEMA({"object"});
             s["additionalProperties"] = TYPE_SCHEMA({"string"});
             return s;
           }()),
       "unit of each quantity key; a key not listed is a pure number, a count or a text"},
      {"options", OPTIONS(), "how the run was made: the method and the answers given as options"},
      {"trial", TRIAL(),
       "the trial point: the powers at the trial speed and the propeller the brake power was "
       "computed with (null when the run did not reach the power chain)"},
      {"inputs",
       maybe<V, ShipRecord>(
           [](const V& v) -> const ShipRecord* {
             // A data file that could not be opened has no inputs.
             return v.run() || !v.document().echo.empty() ? &v.ship() : nullptr;
           },
           INPUTS()),
       "the data file as read (null when it could not be opened); after a stop on the data "
       "file, the values read so far"},
      {"values_used", maybe<V, RunResult>([](const V& v) { return v.run(); }, VALUES_USED()),
       "what the calculation settled"},
      {"per_speed", maybe<V, V>([](const V& v) { return v.run() ? &v : nullptr; }, PER_SPEED()),
       "one array per quantity, one element per speed computed"},
      {"speed_blocks",
       maybe<V, RunResult>([](const V& v) { return v.run(); },
                           each<RunResult, SpeedBlock>(
                               [](const RunResult& r) -> const std::vector<SpeedBlock>& {
                                 return r.resistance.blocks;
                               },
                               SPEED_BLOCK())),
       "every speed block with its intermediate values"},
      {"other_methods",
       maybe<V, RunResult>(
           [](const V& v) -> const RunResult* {
             const RunResult* r = v.run();
             return r && (r->other_methods || r->other_summary) ? r : nullptr;
           },
           OTHER_METHODS()),
       "factors by other published methods, for information"},
      {"model_scale", maybe<V, RunResult>([](const V& v) { return v.run(); }, MODEL_SCALE()),
       "the model-scale table, the form factors and the model-resistance file"},
      {"trial_propeller",
       maybe<V, RunResult>([](const V& v) { return v.run(); }, TRIAL_PROPELLER()),
       "the trial-condition propeller determination, stage by stage"},
      {"cavitation", CAVITATION(), "the cavitation checks of the trial propeller"},
      {"tip_vortex", TIP_VORTEX(), "the blade-tip speed against its limit"},
      {"power_chain", POWER_CHAIN(), "brake, engine and delivered power"},
      {"selected_propeller", SELECTED(),
       "the report's selected-propeller block: the propeller re-evaluated at the trial advance "
       "ratio of the power chain"},
      {"open_water", OPEN_WATER(), "the open-water table of the selected propeller"},
      {"minimum_service", MINIMUM_SERVICE(), "the minimum-service propulsion table"},
      {"warnings", WARNINGS(), "where a result may not be trusted"},
      {"stop", STOP(),
       "how the run stopped before its normal end: code, status, reason, the English text "
       "and the console lines of the message; null for a normal end"},
  });
}

const N<V>& THE_DOCUMENT() {
  static const N<V> doc = DOCUMENT();
  return doc;
}

}  // namespace

std::string RESULTS_JSON(const ResultView& view) {
  const Json j = THE_DOCUMENT()->value(view);
  std::string text = j.dump(2, ' ', false, Json::error_handler_t::replace);
  text += '\n';
  return text;
}

std::string RESULTS_JSON(const RunDocument& doc) {
  return RESULTS_JSON(ResultView(doc));
}

std::string RESULTS_SCHEMA() {
  Json s = Json::object();
  s["$schema"] = "https://json-schema.org/draft/2020-12/schema";
  s["$id"] = "https://example.org/vardelonteksa/results.schema.json";
  s["title"] = "VARDELONTEKSA results file (--json)";
  s["description"] =
      "The whole run of one ship data file. Every group key is always present; a group the run "
      "did not reach is null. Floats are the computed single-precision values written with the "
      "shortest text that reads back to the same float. JSON has no infinity and no "
      "not-a-number: such a value is written as null. The unit of each quantity key is given "
      "once in 'units'; a key not listed there is a pure number (coefficient, ratio, count) or "
      "a text. This schema is made by the program from its catalogue of quantities.";
  Json defs = Json::object();
  Json number = TYPE_SCHEMA({"number", "null"});
  number["description"] = "a float; null stands for an infinite or not-a-number value";
  defs["number"] = std::move(number);
  Json or_null = TYPE_SCHEMA({"number", "null"});
  or_null["description"] = "a float, or null where the run did not compute the value";
  defs["number_or_null"] = std::move(or_null);
  Json stop = TYPE_SCHEMA({"object", "null"});
  stop["required"] = Json::array({"status", "reason"});
  stop["properties"] =
      Json::object({{"status", TYPE_SCHEMA({"integer"})}, {"reason", TYPE_SCHEMA({"string"})}});
  stop["additionalProperties"] = false;
  defs["stop_record"] = std::move(stop);
  s["$defs"] = std::move(defs);
  Json body = THE_DOCUMENT()->schema();
  for (auto& [k, v] : body.items()) s[k] = v;
  s["properties"]["status"]["enum"] = Json::array({0, 1, 2, 3, 4});
  return s.dump(2) + "\n";
}

}  // namespace vdk
