#include "run/warnings.hpp"

#include <charconv>
#include <cmath>

#include "run/run_result.hpp"

namespace vdk {

namespace {

// Holtrop & Mennen's ranges of validity (1982): ship types by Froude number,
// prismatic coefficient, L/B and B/T.
struct HullType {
  const char* name;
  float FnMax, CpMin, CpMax, LBMin, LBMax, BTMin, BTMax;
};
constexpr HullType HULL_TYPES[] = {
    {"tankers, bulk carriers", 0.24f, 0.73f, 0.85f, 5.1f, 7.1f, 2.4f, 3.2f},
    {"trawlers, coasters, tugs", 0.38f, 0.55f, 0.65f, 3.9f, 6.3f, 2.1f, 3.0f},
    {"container ships, destroyer types", 0.45f, 0.55f, 0.67f, 6.0f, 9.5f, 3.0f, 4.0f},
    {"cargo liners", 0.30f, 0.56f, 0.75f, 5.3f, 8.0f, 2.4f, 4.0f},
    {"ro-ro ships, car ferries", 0.35f, 0.55f, 0.67f, 5.3f, 8.0f, 3.2f, 4.0f},
};

std::string NUM(float v, int decimals = 3) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v),
                                 std::chars_format::fixed, decimals);
  return res.ec == std::errc() ? std::string(buf, res.ptr) : std::string("?");
}

bool OUTSIDE(float v, float lo, float hi) {
  return !(v >= lo && v <= hi);
}

class Collector {
 public:
  void add(const char* code, std::string text, std::vector<std::pair<std::string, float>> v) {
    list.push_back(Warning{code, std::move(text), std::move(v)});
  }
  std::vector<Warning> list;
};

// The method's name in a warning: its paper, or the program's own method
// (which fits Holtrop & Mennen's ranges too).
std::string METHOD_FITTED(Method m) {
  switch (m) {
    case Method::HM1982:
      return "Holtrop & Mennen (1982, --method hm1982)";
    case Method::HM1984:
      return "Holtrop (1984, --method hm1984)";
    case Method::Classic:
      break;
  }
  return "Holtrop & Mennen's method";
}

void HULL_RANGE(const RunResult& r, Collector& c) {
  const ShipRecord& s = r.ship;
  const Method method = r.resistance.method;
  const HullCoefficients& h = r.resistance.hull;
  if (r.resistance.blocks.empty() || !(h.Tmean > 0.0f)) return;
  const float Cp = h.CPlwl, LB = s.Lwl / s.B, BT = s.B / h.Tmean;
  std::string fits;
  float FnMax = 0;
  for (const HullType& t : HULL_TYPES) {
    if (OUTSIDE(Cp, t.CpMin, t.CpMax) || OUTSIDE(LB, t.LBMin, t.LBMax) ||
        OUTSIDE(BT, t.BTMin, t.BTMax))
      continue;
    fits += (fits.empty() ? "" : "; ") + std::string(t.name);
    FnMax = std::fmax(FnMax, t.FnMax);
  }
  const std::vector<std::pair<std::string, float>> v{{"Cp", Cp}, {"L/B", LB}, {"B/T", BT}};
  if (fits.empty()) {
    c.add("W101",
          "the hull (Cp " + NUM(Cp) + ", L/B " + NUM(LB, 2) + ", B/T " + NUM(BT, 2) +
              ") fits none of the ship types " + METHOD_FITTED(method) + " was fitted to",
          v);
    return;
  }
  std::string speeds;
  std::vector<std::pair<std::string, float>> sv{{"Fn max", FnMax}};
  for (const SpeedBlock& b : r.resistance.blocks) {
    // The 1984 method's speeds above Fn 0.40 are its wave formulas' own (W103).
    if (method == Method::HM1984 && b.hull_form.Fn > 0.40f) continue;
    if (b.hull_form.Fn > FnMax) {
      speeds += (speeds.empty() ? "" : ", ") + NUM(b.hull_form.VS, 2);
      sv.emplace_back("Vs", b.hull_form.VS);
    }
  }
  if (!speeds.empty())
    c.add("W102",
          "speeds " + speeds + " kn lie above Fn " + NUM(FnMax, 2) +
              ", the largest of the ship types the hull fits (" + fits + ")" +
              (method == Method::HM1982 ? ": the 1982 wave formula was not fitted there; "
                                          "--method hm1984 has a high-speed formula"
                                        : ""),
          sv);
}

// Speeds of the 1984 method between Fn 0.40 and 0.55, where its wave
// resistance is interpolated between the low- and the high-speed formula,
// and above 0.55, where the high-speed formula holds: fitted to fewer ships.
void HM1984_RANGES(const RunResult& r, Collector& c) {
  if (r.resistance.method != Method::HM1984) return;
  std::string between, above;
  std::vector<std::pair<std::string, float>> v;
  for (const SpeedBlock& b : r.resistance.blocks) {
    if (b.end == BlockEnd::PrismaticStop) continue;
    if (b.wave.range == WaveRange::Transition)
      between += (between.empty() ? "" : ", ") + NUM(b.hull_form.VS, 2);
    if (b.wave.range == WaveRange::High)
      above += (above.empty() ? "" : ", ") + NUM(b.hull_form.VS, 2);
    if (b.wave.range != WaveRange::Low) v.emplace_back("Vs", b.hull_form.VS);
  }
  if (between.empty() && above.empty()) return;
  std::string text = "Holtrop (1984): ";
  if (!between.empty())
    text += "speeds " + between + " kn lie between Fn 0.40 and 0.55, where RW is interpolated";
  if (!between.empty() && !above.empty()) text += "; ";
  if (!above.empty())
    text += "speeds " + above + " kn lie above Fn 0.55, where the high-speed formula holds";
  c.add("W103", text, v);
}

// The classic transition range starts from the mean of the low- and
// high-speed formulas at Fn 0.40, so that its resistance curve steps there:
// between two listed speeds on either side of Fn 0.40, RT falls, or the step
// exceeds 1 % of RT.
void CLASSIC_STEP_AT_040(const RunResult& r, Collector& c) {
  if (r.resistance.method != Method::Classic) return;
  const std::vector<SpeedBlock>& bl = r.resistance.blocks;
  for (std::size_t k = 0; k + 1 < bl.size(); ++k) {
    const SpeedBlock& a = bl[k];
    const SpeedBlock& b = bl[k + 1];
    if (a.end != BlockEnd::Complete || b.end != BlockEnd::Complete) continue;
    if (!(a.wave.range == WaveRange::Low && b.wave.range != WaveRange::Low)) continue;
    const float RTa = a.totals.RT, RTb = b.totals.RT;
    const float step = b.wave.Rw_step_040;
    if (!(RTb < RTa) && !(std::fabs(step) > 0.01f * RTa)) continue;
    c.add("W104",
          "the classic resistance curve " + std::string(RTb < RTa ? "falls" : "steps") +
              " across Fn 0.40 between " + NUM(a.hull_form.VS, 2) + " and " +
              NUM(b.hull_form.VS, 2) + " kn (RT " + NUM(RTa, 1) + " to " + NUM(RTb, 1) +
              " kN; a step of " + NUM(step, 1) +
              " kN in RW at Fn 0.40): --method hm1984 interpolates from the low-speed value",
          {{"Vs", a.hull_form.VS}, {"Vs", b.hull_form.VS}, {"RT", RTa}, {"RT", RTb}});
    return;
  }
}

void SERIES_RANGE(const RunResult& r, Collector& c) {
  // A refused answer leaves no propeller to check.
  if (!r.trial || r.trial->routine.stop ||
      (r.trial->stop && r.trial->stop->status == EXIT_BAD_INPUT))
    return;
  const TrialPropellerRecord& t = *r.trial;
  const float EAR = t.EAR, PD = t.sel.PD, Z = t.Z;
  if (r.ship.SERIES == 1) {
    if (OUTSIDE(Z, 2.0f, 7.0f) || OUTSIDE(EAR, 0.30f, 1.05f) || (PD > 0 && OUTSIDE(PD, 0.5f, 1.4f)))
      c.add("W201",
            "the propeller (Z " + NUM(Z, 0) + ", EAR " + NUM(EAR) + ", P/D " + NUM(PD) +
                ") lies outside the Wageningen B series (Z 2-7, EAR 0.30-1.05, P/D 0.5-1.4)",
            {{"Z", Z}, {"EAR", EAR}, {"P/D", PD}});
  } else if (r.ship.SERIES == 2) {
    if (OUTSIDE(EAR, 0.2f, 1.1f) || (PD > 0 && OUTSIDE(PD, 0.4f, 2.0f)))
      c.add("W202",
            "the propeller (EAR " + NUM(EAR) + ", P/D " + NUM(PD) +
                ") lies outside the Gawn series (EAR 0.2-1.1, P/D 0.4-2.0)",
            {{"EAR", EAR}, {"P/D", PD}});
  }
}

void SEARCH_EDGE(const RunResult& r, Collector& c) {
  if (!r.trial) return;
  const PropellerRoutineRecord& s = r.trial->routine;
  if (s.candidates.empty() || s.IBEST < 1 || s.IBEST > static_cast<int>(s.candidates.size()))
    return;
  const CandidateRow& best = s.candidates[static_cast<std::size_t>(s.IBEST - 1)];
  // The searches sweep P/D 0.50 to 1.39 and J 0.100 to 1.499.
  const bool edge = best.PD < 0.505f || best.PD > 1.385f || best.J < 0.1005f || best.J > 1.4985f;
  if (edge)
    c.add("W301",
          "the best candidate of the optimum search (P/D " + NUM(best.PD, 2) + ", J " +
              NUM(best.J) + ") lies at the edge of the search grid: the optimum may lie outside",
          {{"P/D", best.PD}, {"J", best.J}});
}

void LOADING(const RunResult& r, Collector& c) {
  if (!r.trial) return;
  const CavitationResult& cav = r.trial->cav;
  if (cav.inRange && r.trial->EAR < cav.EARB50)
    c.add("W401",
          "the area ratio in use " + NUM(r.trial->EAR) +
              " is below Burrill's 5 % back-cavitation "
              "line (EAR " +
              NUM(cav.EARB50) + ")",
          {{"EAR", r.trial->EAR}, {"EARB50", cav.EARB50}});
  if (cav.Vtip > 40.0f)
    c.add("W402", "the blade tip speed " + NUM(cav.Vtip, 1) + " m/s exceeds 40 m/s",
          {{"Vtip", cav.Vtip}});
  const PropellerRoutineRecord& g = r.trial->routine;
  if (g.routine == PropellerRoutine::Given && r.trial_thrust && r.trial_thrust->T > 0.0f) {
    const float need = r.trial_thrust->T, give = g.T_shown;
    if (std::fabs(give - need) > 0.02f * need)
      c.add("W501",
            "the given propeller gives a thrust of " + NUM(give, 1) + " kN where the ship needs " +
                NUM(need, 1) + " kN (more than 2 % apart)",
            {{"T propeller", give}, {"T required", need}});
  }
}

// Value lines of the data file that read, but perhaps not as meant.
void READ_REMARKS(const ShipRecord& s, Collector& c) {
  for (const ReadRemark& m : s.read_remarks) {
    const std::vector<std::pair<std::string, float>> v{{"line", static_cast<float>(m.line)},
                                                       {"group", static_cast<float>(m.group)}};
    const std::string where =
        "data file line " + std::to_string(m.line) + " (group " + std::to_string(m.group) + ")";
    if (m.kind == ReadRemark::Kind::ExtraNumbers)
      c.add("W601",
            where + ": numbers left over after the values the group reads: " + m.text +
                " (not read; is a count smaller than its list?)",
            v);
  }
  for (const ReadRemark& m : s.read_remarks) {
    if (m.kind != ReadRemark::Kind::CommaBetweenDigits) continue;
    c.add("W602",
          "data file line " + std::to_string(m.line) + " (group " + std::to_string(m.group) +
              "): '" + m.text +
              "' is read as separate values at the comma: did you mean a decimal point?",
          {{"line", static_cast<float>(m.line)}, {"group", static_cast<float>(m.group)}});
  }
}

}  // namespace

std::vector<Warning> RUN_WARNINGS(const RunResult& r) {
  Collector c;
  HULL_RANGE(r, c);
  HM1984_RANGES(r, c);
  CLASSIC_STEP_AT_040(r, c);
  SERIES_RANGE(r, c);
  SEARCH_EDGE(r, c);
  LOADING(r, c);
  READ_REMARKS(r.ship, c);
  if (r.ship.NoDN == 0 && r.ship.SeaMargin >= 1.0f)
    c.add("W603",
          "sea margin " + NUM(r.ship.SeaMargin, 2) +
              " is 1 or more: it is a fraction (0.15 for 15 %), not a percentage",
          {{"SeaMargin", r.ship.SeaMargin}});
  return c.list;
}

std::string WARNING_LINE(const Warning& w) {
  return w.code + ": " + w.text;
}

}  // namespace vdk
