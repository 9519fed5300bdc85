#include "results/run_figures.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/chart.hpp"
#include "format/format.hpp"
#include "propeller/cavitation.hpp"

namespace vdk {

namespace {

constexpr const char* BLUE = OKABE_ITO[0];
constexpr const char* VERMILLION = OKABE_ITO[1];
constexpr const char* GREEN = OKABE_ITO[2];
constexpr const char* PURPLE = OKABE_ITO[3];
constexpr const char* ORANGE = OKABE_ITO[4];
constexpr const char* SKY = OKABE_ITO[5];
constexpr const char* BLACK = OKABE_ITO[6];
constexpr const char* YELLOW = OKABE_ITO[7];

// A value as the report prints it with d decimals, without the blanks of its field.
std::string FIXED(float v, int d) {
  const std::string s = EDIT_REAL(static_cast<double>(v), 24, d);
  std::string t = s.substr(std::min(s.find_first_not_of(' '), s.size()));
  if (d == 0 && !t.empty() && t.back() == '.') t.pop_back();
  return t;
}

double D(float v) {
  return static_cast<double>(v);
}

// The speeds whose block reached its total resistance, by speed number.
std::vector<int> COMPLETE_SPEEDS(const RunResult& r) {
  std::vector<int> speeds;
  for (const SpeedBlock& b : r.resistance.blocks)
    if (b.end == BlockEnd::Complete) speeds.push_back(b.i);
  return speeds;
}

// Why the propulsion figures have nothing to draw, or nothing when they have.
std::optional<std::string> NO_PROPULSION(const RunDocument& doc, bool needs_power_chain) {
  if (!doc.result) return "the calculation did not run (the data file stopped the run)";
  const RunResult& r = *doc.result;
  if (r.prerequisites.resistance_only)
    return "resistance-only run: neither a propeller diameter nor rpm was given";
  if (r.prerequisites.too_few_speeds) return "fewer than five speeds: no propulsion analysis";
  const bool reached = needs_power_chain ? r.power_chain.has_value() : r.trial.has_value();
  if (!reached) {
    std::string why = needs_power_chain ? "the run stopped before the power chain"
                                        : "the run stopped before the propeller was settled";
    if (r.stop) why += " (" + r.stop->reason + ")";
    return why;
  }
  return std::nullopt;
}

struct Maker {
  const ResultView& view;
  const RunDocument& doc;
  RunFigures out;

  // The ship as the titles name it: its name when it has one, with the data file.
  std::string SHIP() const {
    return doc.ship.name.empty() ? "Data file " + doc.data_name
                                 : doc.ship.name + ", data file " + doc.data_name;
  }
  Chart START(const std::string& id, const std::string& title) const {
    Chart c;
    c.id = id;
    c.title = title;
    c.subtitle = SHIP() + ", run of " + doc.run_date;
    if (PUBLISHED(view.method()))
      c.subtitle += ", method " + std::string(METHOD_NAME(view.method()));
    return c;
  }
  void DRAWN(const std::string& file, const Chart& c) {
    const std::string who =
        doc.ship.name.empty() ? doc.data_name : doc.ship.name + ", " + doc.data_name;
    out.drawn.push_back({file, c.title + " (" + who + ", " + doc.run_date + ")", SVG_CHART(c)});
  }
  void LEFT_OUT(const std::string& file, const std::string& title, const std::string& reason) {
    out.left_out.push_back({file, title, reason});
  }

  // The trial speed as a vertical line, when it lies within the speeds drawn.
  void TRIAL_LINE(Chart& c, double lo, double hi) const {
    const double v = D(doc.ship.Vtrial);
    if (v >= lo && v <= hi)
      c.verticals.push_back(
          {v, "trial speed " + FIXED(doc.ship.Vtrial, 2) + " kn", "", BLACK, Dash::Dashed});
  }

  void RESISTANCE() {
    const std::string file = "resistance.svg";
    const std::string title = "Resistance components against speed";
    if (!doc.result) {
      LEFT_OUT(file, title, "the calculation did not run (the data file stopped the run)");
      return;
    }
    const RunResult& r = *doc.result;
    const std::vector<int> speeds = COMPLETE_SPEEDS(r);
    if (speeds.empty()) {
      LEFT_OUT(file, title, "no speed was computed to its total resistance");
      return;
    }
    const ResistanceColumns& col = r.resistance.columns;
    Chart c = START("resistance", title);
    c.x.title = "Ship speed Vs (kn)";
    c.y.title = "Resistance R (kN)";
    c.y.include_zero = true;
    StackedAreas a;
    for (const int i : speeds) a.x.push_back(D(doc.ship.Vs(i)));
    // The components of RT from the bottom up; the wind resistance is
    // reported but is not part of RT, so it is a line of its own.
    const struct {
      const SpeedColumn* column;
      const char* name;
      const char* colour;
      Hatch hatch;
    } bands[] = {
        {&col.RV, "Frictional with form factor (1+k) RF", SKY, Hatch::None},
        {&col.RAPP, "Appendages RAPP", ORANGE, Hatch::BackDiagonal},
        {&col.RW, "Wave RW", GREEN, Hatch::Horizontal},
        {&col.RB, "Bulb RB", PURPLE, Hatch::Crossed},
        {&col.RTR, "Transom RTR", VERMILLION, Hatch::Diagonal},
        {&col.RBT, "Bow-thruster openings RBT", YELLOW, Hatch::Vertical},
        {&col.RA, "Model-ship correlation RA", BLUE, Hatch::Dots},
    };
    for (const auto& b : bands) {
      AreaBand band{b.name, {}, b.colour, b.hatch};
      bool any = false;
      for (const int i : speeds) {
        band.thickness.push_back(D((*b.column)(i)));
        any = any || (*b.column)(i) != 0.0f;
      }
      if (any) a.bands.push_back(band);
    }
    c.areas = a;
    LineSeries total{"Total RT", {}, BLACK, Dash::Solid, Marker::Circle, YAxis::Left, 2.2};
    for (const int i : speeds) total.points.push_back({D(doc.ship.Vs(i)), D(col.RT(i))});
    c.lines.push_back(total);
    const ResistanceTables& t = r.tables;
    if (t.CorrFlag == 1 && !t.stop) {
      LineSeries corr{"Total with the wave-resistance correction",
                      {},
                      BLACK,
                      Dash::Dashed,
                      Marker::Square,
                      YAxis::Left,
                      1.8};
      for (const int i : speeds) corr.points.push_back({D(doc.ship.Vs(i)), D(t.RT_corrected(i))});
      c.lines.push_back(corr);
    }
    LineSeries air{"Air RAIR (reported, not part of RT)",
                   {},
                   VERMILLION,
                   Dash::Dotted,
                   Marker::Triangle,
                   YAxis::Left,
                   1.8};
    bool any_air = false;
    for (const int i : speeds) {
      air.points.push_back({D(doc.ship.Vs(i)), D(col.RAIR(i))});
      any_air = any_air || col.RAIR(i) != 0.0f;
    }
    if (any_air) c.lines.push_back(air);
    TRIAL_LINE(c, a.x.front(), a.x.back());
    DRAWN(file, c);
  }

  void POWER() {
    const std::string file = "power.svg";
    const std::string title = "Effective, delivered and brake power against speed";
    if (const auto why = NO_PROPULSION(doc, true)) {
      LEFT_OUT(file, title, *why);
      return;
    }
    const RunResult& r = *doc.result;
    const PowerChainRecord& pc = *r.power_chain;
    Chart c = START("power", title);
    c.x.title = "Ship speed Vs (kn)";
    c.y.title = "Power P (kW)";
    c.y.include_zero = true;
    LineSeries pe{"Effective power PE", {}, BLUE, Dash::Solid, Marker::Circle, YAxis::Left, 2};
    for (const int i : COMPLETE_SPEEDS(r))
      pe.points.push_back({D(doc.ship.Vs(i)), D(r.tables.PE_corrected(i))});
    c.lines.push_back(pe);
    const std::vector<ServiceRow>& service = pc.characteristics.service;
    // The brake power at the trial comes from the propeller the search or the
    // operating point found; the curves over the speed range from the
    // report's selected propeller, re-evaluated at the trial advance ratio.
    // Where the two differ the legend says which is which.
    const TrialView* trial = view.trial();
    const SelectedView* selected = view.selected();
    const bool differ = view.selected_differs() && trial && selected;
    const std::string curves_of = differ
                                      ? "; selected propeller re-evaluated at the trial J, P/D " +
                                            FIXED(selected->pitch_ratio, 3) + ", \xCE\xB7" + "0 " +
                                            FIXED(selected->eta0, 3)
                                      : "";
    if (!service.empty()) {
      LineSeries pd{"Delivered power PD (minimum service" + curves_of + ")",
                    {},
                    GREEN,
                    Dash::DashDot,
                    Marker::Triangle,
                    YAxis::Left,
                    2};
      LineSeries pb{"Brake power PB (minimum service" + curves_of + ")",
                    {},
                    VERMILLION,
                    Dash::Dashed,
                    Marker::Square,
                    YAxis::Left,
                    2};
      // One row per speed of the list, in its order.
      for (std::size_t k = 0; k < service.size(); ++k) {
        const ServiceRow& row = service[k];
        const int i = static_cast<int>(k) + 1;
        // Delivered power of all propellers: PE over the overall efficiency.
        if (row.ETAD > 0) pd.points.push_back({D(row.VS), D(r.tables.PE_corrected(i) / row.ETAD)});
        pb.points.push_back({D(row.VS), static_cast<double>(row.PB)});
      }
      c.lines.push_back(pd);
      c.lines.push_back(pb);
    }
    const double vt = D(doc.ship.Vtrial);
    c.points.push_back({{vt, D(pc.Pb)},
                        "Pb = " + FIXED(pc.Pb, 0) + " kW",
                        differ ? "Trial brake power Pb (propeller found for the trial, P/D " +
                                     FIXED(trial->pitch_ratio, 3) + ", \xCE\xB7" + "0 " +
                                     FIXED(trial->eta0, 3) + ")"
                               : std::string("Trial brake power Pb"),
                        Marker::Diamond,
                        BLACK,
                        YAxis::Left,
                        5.5});
    c.points.push_back({{vt, D(pc.Pbm)},
                        "Pbm = " + FIXED(pc.Pbm, 0) + " kW",
                        "Required engine power Pbm = Pb / MCR",
                        Marker::TriangleDown,
                        PURPLE,
                        YAxis::Left,
                        5.5});
    TRIAL_LINE(c, -1e30, 1e30);
    DRAWN(file, c);
  }

  void OPEN_WATER() {
    const std::string file = "open_water.svg";
    const std::string title = "Open-water diagram of the selected propeller";
    if (const auto why = NO_PROPULSION(doc, true)) {
      LEFT_OUT(file, title, *why);
      return;
    }
    const PowerChainRecord& pc = *doc.result->power_chain;
    const CharacteristicsRecord& ch = pc.characteristics;
    if (!pc.charComputed || ch.openWater.size() < 2) {
      LEFT_OUT(file, title, "the open-water table of the selected propeller was not computed");
      return;
    }
    const std::string series = ch.SERIES == 2 ? "Gawn" : "Wageningen B";
    Chart c = START("open_water", title);
    c.subtitle = series + " series, Z = " + FIXED(ch.Z, 0) + ", EAR = " + FIXED(ch.EAR, 3) +
                 ", P/D = " + FIXED(pc.sel.PD, 3) + ", D = " + FIXED(ch.D, 2) + " m\n" + c.subtitle;
    c.x.title = "Advance ratio J (-)";
    c.y.title =
        "Thrust KT, torque 10KQ, efficiency \xCE\xB7"
        "0 (-)";
    c.x.include_zero = true;
    c.y.include_zero = true;
    LineSeries kt{"Thrust coefficient KT", {}, BLUE, Dash::Solid, Marker::None, YAxis::Left, 2};
    LineSeries kq{
        "Torque coefficient 10KQ", {}, VERMILLION, Dash::Dashed, Marker::None, YAxis::Left, 2};
    LineSeries eta{
        "Open-water efficiency \xCE\xB7"
        "0",
        {},
        GREEN,
        Dash::DashDot,
        Marker::None,
        YAxis::Left,
        2};
    std::optional<float> eta_design;
    for (const OpenWaterRow& row : ch.openWater) {
      kt.points.push_back({D(row.J), D(row.KT)});
      kq.points.push_back({D(row.J), 10.0 * D(row.KQ)});
      eta.points.push_back({D(row.J), D(row.ETA0)});
      if (row.J == ch.JD) eta_design = row.ETA0;
    }
    c.lines = {kt, kq, eta};
    c.verticals.push_back({D(ch.JD), "design J = " + FIXED(ch.JD, 3),
                           "Operating point at the trial speed", BLACK, Dash::Dashed});
    c.points.push_back({{D(ch.JD), D(ch.KTD)},
                        "KT = " + FIXED(ch.KTD, 3),
                        "",
                        Marker::Circle,
                        BLUE,
                        YAxis::Left,
                        5});
    c.points.push_back({{D(ch.JD), 10.0 * D(ch.KQD)},
                        "10KQ = " + FIXED(10.0f * ch.KQD, 3),
                        "",
                        Marker::Square,
                        VERMILLION,
                        YAxis::Left,
                        5});
    if (eta_design)
      c.points.push_back({{D(ch.JD), D(*eta_design)},
                          "\xCE\xB7"
                          "0 = " +
                              FIXED(*eta_design, 3),
                          "",
                          Marker::Triangle,
                          GREEN,
                          YAxis::Left,
                          5});
    DRAWN(file, c);
  }

  void BURRILL() {
    const std::string file = "burrill.svg";
    const std::string title = "Burrill diagram of the trial propeller";
    if (const auto why = NO_PROPULSION(doc, false)) {
      LEFT_OUT(file, title, *why);
      return;
    }
    const TrialPropellerRecord& tr = *doc.result->trial;
    const CavitationResult& cav = tr.cav;
    if (!cav.inRange) {
      LEFT_OUT(file, title,
               "the cavitation number Sigma = " + FIXED(cav.Sigma, 3) +
                   " lies outside Burrill's chart (0.18 to 1.5): no Burrill check was made");
      return;
    }
    if (cav.stop) {
      LEFT_OUT(file, title, "a Burrill line could not be read");
      return;
    }
    Chart c = START("burrill", title);
    c.x.title =
        "Cavitation number at 0.7 R \xCF\x83"
        "0.7R (-)";
    c.y.title =
        "Thrust loading coefficient \xCF\x84"
        "c (-)";
    c.y.include_zero = true;
    LineSeries l25{"2.5 % back cavitation", {}, BLUE, Dash::Solid, Marker::None, YAxis::Left, 2};
    LineSeries l50{"5 % back cavitation", {},          VERMILLION, Dash::Dashed,
                   Marker::None,          YAxis::Left, 2};
    LineSeries up{"Recommended upper limit (merchant ships)",
                  {},
                  GREEN,
                  Dash::DashDot,
                  Marker::None,
                  YAxis::Left,
                  2};
    // The lines over the range the chart is read in, 0.18 to 1.5.
    for (int k = 0; k <= 132; ++k) {
      const float sigma = 0.18f + 0.01f * static_cast<float>(k);
      float t25 = 0, t50 = 0;
      if (BURRILL_LINE_TAUC(BurrillLine::Back25, sigma, t25))
        l25.points.push_back({D(sigma), D(t25)});
      if (BURRILL_LINE_TAUC(BurrillLine::Back50, sigma, t50))
        l50.points.push_back({D(sigma), D(t50)});
      up.points.push_back({D(sigma), D(BURRILL_UPPER_LIMIT_TAUC(sigma))});
    }
    c.lines = {l25, l50, up};
    c.points.push_back({{D(cav.Sigma), D(cav.Tauc)},
                        "EAR = " + FIXED(cav.EAR, 3) + ": \xCF\x83 = " + FIXED(cav.Sigma, 3) +
                            ", \xCF\x84"
                            "c = " +
                            FIXED(cav.Tauc, 3),
                        "The trial propeller",
                        Marker::Diamond,
                        BLACK,
                        YAxis::Left,
                        6});
    DRAWN(file, c);
  }

  void SERVICE() {
    const std::string file = "service.svg";
    const std::string title = "Minimum service: required rpm and brake power against speed";
    if (const auto why = NO_PROPULSION(doc, true)) {
      LEFT_OUT(file, title, *why);
      return;
    }
    const CharacteristicsRecord& ch = doc.result->power_chain->characteristics;
    if (ch.service.empty()) {
      LEFT_OUT(file, title,
               !doc.result->power_chain->charComputed
                   ? "the propulsion characteristics were not computed"
               : !ch.serviceComputable ? "the open-water table was too short for the service table"
                                       : "the service table has no rows");
      return;
    }
    Chart c = START("service", title);
    c.x.title = "Ship speed Vs (kn)";
    c.y.title = "Propeller rpm N (1/min)";
    c.y2.title = "Minimum brake power PB (kW)";
    c.y.include_zero = true;
    c.y2.include_zero = true;
    LineSeries rpm{
        "Required rpm N (left axis)", {}, BLUE, Dash::Solid, Marker::Circle, YAxis::Left, 2};
    LineSeries pb{"Minimum brake power PB (right axis)",
                  {},
                  VERMILLION,
                  Dash::Dashed,
                  Marker::Square,
                  YAxis::Right,
                  2};
    for (const ServiceRow& row : ch.service) {
      rpm.points.push_back({D(row.VS), D(row.RPM)});
      pb.points.push_back({D(row.VS), static_cast<double>(row.PB)});
    }
    c.lines = {rpm, pb};
    TRIAL_LINE(c, D(ch.service.front().VS), D(ch.service.back().VS));
    DRAWN(file, c);
  }

  void SEARCH() {
    const std::string file = "search.svg";
    const std::string title = "Optimum-search candidates";
    if (const auto why = NO_PROPULSION(doc, false)) {
      LEFT_OUT(file, title, *why);
      return;
    }
    const PropellerRoutineRecord& rr = doc.result->trial->routine;
    const bool ktj2 = rr.routine == PropellerRoutine::OptimumForD;
    if (!ktj2 && rr.routine != PropellerRoutine::OptimumForN) {
      LEFT_OUT(file, title,
               rr.routine == PropellerRoutine::PitchForThrust
                   ? "no optimum search: diameter and rpm were given (pitch ratio for the thrust)"
               : rr.routine == PropellerRoutine::Given
                   ? "no optimum search: the propeller was given"
                   : "no optimum search in this run");
      return;
    }
    if (rr.candidates.empty()) {
      LEFT_OUT(file, title, "the search found no propeller of the series that meets the thrust");
      return;
    }
    Chart c = START("search", std::string(ktj2 ? "Optimum search for the given diameter, KT/J^2 = "
                                               : "Optimum search for the given rpm, KT/J^4 = ") +
                                  FIXED(rr.target, 3));
    c.x.title = "Pitch ratio P/D (-)";
    c.y.title =
        "Open-water efficiency \xCE\xB7"
        "0 (-)";
    c.y2.title = "Advance ratio J (-)";
    LineSeries eta{
        "Efficiency \xCE\xB7"
        "0 of each candidate (left axis)",
        {},
        BLUE,
        Dash::Solid,
        Marker::Circle,
        YAxis::Left,
        1.8};
    LineSeries j{"Advance ratio J of each candidate (right axis)",
                 {},
                 VERMILLION,
                 Dash::Dashed,
                 Marker::Triangle,
                 YAxis::Right,
                 1.6};
    for (const CandidateRow& row : rr.candidates) {
      eta.points.push_back({D(row.PD), D(row.ETA0)});
      j.points.push_back({D(row.PD), D(row.J)});
    }
    // A long search draws its lines without a marker at every candidate.
    if (rr.candidates.size() > 30) eta.marker = j.marker = Marker::None;
    c.lines = {eta, j};
    if (rr.IBEST >= 1 && rr.IBEST <= static_cast<int>(rr.candidates.size())) {
      const CandidateRow& b = rr.candidates[static_cast<std::size_t>(rr.IBEST - 1)];
      c.points.push_back({{D(b.PD), D(b.ETA0)},
                          "chosen no. " + std::to_string(b.i) + ": P/D = " + FIXED(b.PD, 3) +
                              ", J = " + FIXED(b.J, 3) +
                              ", \xCE\xB7"
                              "0 = " +
                              FIXED(b.ETA0, 4),
                          "The chosen candidate",
                          Marker::Diamond,
                          BLACK,
                          YAxis::Left,
                          6.5});
    }
    DRAWN(file, c);
  }
};

}  // namespace

RunFigures RUN_FIGURES(const ResultView& view) {
  Maker m{view, view.document(), {}};
  m.RESISTANCE();
  m.POWER();
  m.OPEN_WATER();
  m.BURRILL();
  m.SERVICE();
  m.SEARCH();
  return std::move(m.out);
}

}  // namespace vdk
