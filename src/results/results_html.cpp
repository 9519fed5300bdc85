#include "results/results_html.hpp"

#include <algorithm>
#include <optional>

#include "chart/chart.hpp"
#include "format/format.hpp"
#include "run/warnings.hpp"

namespace vdk {

namespace {

std::string E(std::string_view s) {
  return XML_ESCAPE(s);
}

// A value as the report prints it with d decimals, without the blanks of its field.
std::string FIXED(float v, int d) {
  const std::string s = EDIT_REAL(static_cast<double>(v), 24, d);
  std::string t = s.substr(std::min(s.find_first_not_of(' '), s.size()));
  if (d == 0 && !t.empty() && t.back() == '.') t.pop_back();
  return t;
}

constexpr const char* STYLE = R"(
body { font-family: sans-serif; color: #000; background: #fff; line-height: 1.35;
       max-width: 190mm; margin: 1em auto; padding: 0 1em; }
h1 { font-size: 1.45em; margin: 0.3em 0 0.1em; }
h2 { font-size: 1.2em; border-bottom: 1px solid #777; margin-top: 1.5em; }
h3 { font-size: 1.05em; }
p.meta { margin-top: 0; color: #333; }
nav { font-size: 0.9em; }
table { border-collapse: collapse; margin: 0.5em 0 1em; font-size: 0.9em; }
caption { text-align: left; font-weight: bold; padding-bottom: 0.2em; }
th, td { border: 1px solid #aaa; padding: 0.15em 0.45em; text-align: left; vertical-align: top; }
th { background: #eee; }
td.num { text-align: right; white-space: nowrap; }
.tr { font-family: monospace; font-size: 0.95em; }
.gloss { font-style: italic; color: #333; }
.bad { font-weight: bold; }
figure { margin: 1em 0 1.5em; }
figure svg { display: block; width: 100%; max-width: 170mm; height: auto; }
figcaption { font-size: 0.9em; margin-top: 0.2em; }
div.wide { overflow-x: auto; }
table.data { font-size: 0.78em; }
pre { font-size: 0.78em; background: #f4f4f4; border: 1px solid #ccc; padding: 0.5em;
      overflow-x: auto; }
@page { size: A4; margin: 14mm 12mm; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9pt; }
  nav { display: none; }
  h2 { break-after: avoid; page-break-after: avoid; }
  figure, tr, table.key { break-inside: avoid; page-break-inside: avoid; }
  figure svg { max-width: 100%; }
  div.wide { overflow: visible; }
  table.data { font-size: 6.5pt; }
  pre { white-space: pre-wrap; font-size: 7pt; background: none; }
}
)";

// A report label: the Turkish text of the report and its English gloss.
struct Label {
  std::string turkish, gloss;
};

std::string LABEL_CELL(const Label& l) {
  if (l.turkish.empty()) return "<td></td>";
  return "<td><span class=\"tr\" lang=\"tr\" xml:lang=\"tr\">" + E(l.turkish) +
         "</span> <span class=\"gloss\">(" + E(l.gloss) + ")</span></td>";
}

struct KeyRow {
  std::string quantity, symbol, value, unit;
  Label label;
};

std::string KEY_TABLE(const std::vector<KeyRow>& rows) {
  std::string s =
      "<table class=\"key\">\n<thead><tr><th>Quantity</th><th>Symbol</th><th>Value</th>"
      "<th>Unit</th><th>Report label (gloss)</th></tr></thead>\n<tbody>\n";
  for (const KeyRow& r : rows)
    s += "<tr><td>" + E(r.quantity) + "</td><td>" + E(r.symbol) + "</td><td class=\"num\">" +
         E(r.value) + "</td><td>" + E(r.unit) + "</td>" + LABEL_CELL(r.label) + "</tr>\n";
  return s + "</tbody>\n</table>\n";
}

const char* STATUS_TEXT(int status) {
  switch (status) {
    case EXIT_RUN_END:
      return "normal run end";
    case EXIT_BAD_INPUT:
      return "input that cannot be used";
    case EXIT_CALC_STOP:
      return "a calculation stop";
    case EXIT_EFFICIENCY:
      return "assumed and computed efficiency differ";
    default:
      return "an internal error of the program";
  }
}

std::string KEY_RESULTS(const ResultView& view) {
  std::string s = "<section id=\"key-results\">\n<h2>Key results</h2>\n";
  if (!view.run()) {
    return s + "<p>The calculation did not run: the data file stopped the run (see " +
           "<a href=\"#run-end\">How the run ended</a>).</p>\n</section>\n";
  }
  const RunResult& r = *view.run();
  std::vector<KeyRow> rows;
  // The published methods name themselves; the classic method is the program's own.
  if (PUBLISHED(view.method()))
    rows.push_back({"Method", "", std::string(METHOD_NAME(view.method())), "", {}});
  rows.push_back({"Trial speed",
                  "Vs",
                  FIXED(r.ship.Vtrial, 3),
                  "kn",
                  {"SEYIR TECRUBESI HIZI - Vseyir", "trial speed"}});
  if (const SpeedView* at = view.trial_speed(); at && at->RT_used() && at->PE_used()) {
    rows.push_back({"Total resistance at the trial speed",
                    "RT",
                    FIXED(*at->RT_used(), 2),
                    "kN",
                    {"TOPLAM DIRENC - RTOTAL(kN)", "total resistance"}});
    rows.push_back({"Effective power at the trial speed",
                    "PE",
                    FIXED(*at->PE_used(), 2),
                    "kW",
                    {"EFEKTIF GUC - PE(kW)", "effective power"}});
  }
  // The propeller the brake power was computed with: the one the search or
  // the operating point found for the trial.
  if (const TrialView* t = view.trial()) {
    const bool gawn = t->series == 2;
    const SelectedView* sel = view.selected();
    const bool differ = view.selected_differs() && sel;
    const std::string found = differ ? " (propeller found for the trial)" : "";
    rows.push_back({"Propeller series",
                    "",
                    gawn ? "Gawn" : "Wageningen B",
                    "",
                    {gawn ? "HESAPLARDA GAWN / BURRIL SERISI KULLANILMISTIR"
                          : "HESAPLARDA WAGENINGEN B SERISI KULLANILMISTIR",
                     gawn ? "the Gawn series has been used in the calculations"
                          : "the Wageningen B series has been used in the calculations"}});
    rows.push_back({"Blade number", "Z", FIXED(t->Z, 0), "", {"KANAT SAYISI - Z", "blade number"}});
    rows.push_back(
        {"Propeller diameter", "D", FIXED(t->D, 3), "m", {"PERVANE CAPI - DIAM", "diameter"}});
    rows.push_back({"Pitch ratio" + found,
                    "P/D",
                    FIXED(t->pitch_ratio, 3),
                    "",
                    {"PIC ORANI - P/D - SABIT", "pitch ratio (fixed)"}});
    rows.push_back({"Expanded area ratio",
                    "EAR",
                    FIXED(t->EAR, 3),
                    "",
                    {"ACINIM ALANI ORANI - EAR", "expanded area ratio"}});
    rows.push_back({"Propeller revolutions" + found,
                    "N",
                    FIXED(t->N, 3),
                    "rpm",
                    {"DEVIR - N", "revolutions"}});
    rows.push_back({"Open-water efficiency" + found,
                    "\xCE\xB7"
                    "0",
                    FIXED(t->eta0, 3),
                    "",
                    {"ACIK SU VERIMI - ETA-0", "open-water efficiency"}});
    if (differ) {
      // The report's block shows the propeller re-evaluated at the trial
      // advance ratio of the power chain; the curves over the speed range
      // are of that one.
      const std::string block = " (report's selected-propeller block, at the trial J)";
      rows.push_back({"Pitch ratio" + block,
                      "P/D",
                      FIXED(sel->pitch_ratio, 3),
                      "",
                      {"PIC ORANI - P/D - SABIT", "pitch ratio (fixed)"}});
      rows.push_back({"Propeller revolutions" + block,
                      "N",
                      FIXED(sel->N, 3),
                      "rpm",
                      {"DEVIR - N", "revolutions"}});
      rows.push_back({"Open-water efficiency" + block,
                      "\xCE\xB7"
                      "0",
                      FIXED(sel->eta0, 3),
                      "",
                      {"ACIK SU VERIMI - ETA-0", "open-water efficiency"}});
    }
    rows.push_back({"Overall propulsive efficiency",
                    "etad",
                    FIXED(t->etad, 3),
                    "",
                    {"etad : Genel Sevk Verimi", "overall propulsive efficiency"}});
    rows.push_back(
        {"Brake power at the trial",
         "Pb",
         FIXED(t->PB, 2),
         "kW",
         {"SEYIR TECRUBESI SIRASINDA GEREKLI GUC - Pb", "brake power required during the trial"}});
    if (t->PB_service)
      rows.push_back({"Service power, Pb (1 + sea margin)",
                      "Ps",
                      FIXED(*t->PB_service, 2),
                      "kW",
                      {"SERVIS GUCU - Ps (DM: DENIZ MARJINI)", "service power (DM: sea margin)"}});
    rows.push_back({t->PB_service ? "Required engine power, Ps / MCR" : "Required engine power",
                    "Pbm",
                    FIXED(t->PB_required, 2),
                    "kW",
                    {"HESAPLANAN GEREKLI MAKINA GUCU - Pbm", "computed required engine power"}});
  }
  s += KEY_TABLE(rows);
  if (r.prerequisites.resistance_only)
    s += "<p>Resistance-only run: neither a propeller diameter nor rpm was given, so no "
         "propeller was determined.</p>\n";
  else if (r.prerequisites.too_few_speeds)
    s += "<p>Fewer than five speeds: no propulsion analysis was made.</p>\n";
  else if (!r.power_chain && r.stop)
    s += "<p>The run stopped before the power chain: " + E(r.stop->reason) + ".</p>\n";

  // The cavitation verdicts of the trial propeller.
  if (r.trial) {
    const CavitationResult& c = r.trial->cav;
    s += "<h3>Cavitation checks of the trial propeller</h3>\n";
    s += "<table class=\"key\">\n<thead><tr><th>Check</th><th>Limit</th><th>Trial propeller</th>"
         "<th>Verdict</th><th>Report label (gloss)</th></tr></thead>\n<tbody>\n";
    auto row = [&](const std::string& check, const std::string& limit, const std::string& value,
                   bool ok, const std::string& good, const std::string& bad, const Label& l) {
      s += "<tr><td>" + E(check) + "</td><td class=\"num\">" + E(limit) +
           "</td><td class=\"num\">" + E(value) + "</td><td" + (ok ? "" : " class=\"bad\"") + ">" +
           E(ok ? good : bad) + "</td>" + LABEL_CELL(l) + "</tr>\n";
    };
    if (c.inRange && !c.stop) {
      const std::string ear = "EAR " + FIXED(c.EAR, 3);
      row("Burrill, 2.5 % back cavitation", "min. EAR " + FIXED(c.EARB25, 3), ear,
          c.EAR >= c.EARB25, "meets the line", "below the minimum area",
          {"%2.5 Sirt Kavitasyon Hattina Gore Min. EAR",
           "minimum EAR by the 2.5 % back cavitation line"});
      row("Burrill, 5 % back cavitation", "min. EAR " + FIXED(c.EARB50, 3), ear, c.EAR >= c.EARB50,
          "meets the line", "below the minimum area",
          {"%5.0 Sirt Kavitasyon Hattina Gore Min. EAR",
           "minimum EAR by the 5 % back cavitation line"});
      row("Burrill, recommended upper limit", "min. EAR " + FIXED(c.EARBUP, 3), ear,
          c.EAR >= c.EARBUP, "meets the limit", "below the minimum area",
          {"Tavsiye edilen ust sinir icin Minimum  EAR",
           "minimum EAR for the recommended upper limit"});
      row("Wageningen criterion", "min. EAR " + FIXED(c.EARW, 3), ear, c.EAR >= c.EARW,
          "meets the criterion", "below the minimum area",
          {"WAGENINGEN KAVITASYON KRIT. GORE ACINIM ALANI KONTROLU",
           "check of the expanded area by a Wageningen cavitation criterion"});
    } else {
      row("Burrill and Wageningen", "0.18 < Sigma < 1.5", "Sigma " + FIXED(c.Sigma, 3), false, "",
          "not made: Sigma outside the chart",
          {"BU DURUMDA BURRIL ANALIZI YAPILAMAZ",
           "in this case the Burrill analysis cannot be made"});
    }
    row("Blade-tip speed", "Vtip < 30 m/s", "Vtip " + FIXED(c.Vtip, 3) + " m/s", c.Vtip < 30.0f,
        "below 30 m/s", "above 30 m/s: tip-vortex risk",
        {"UC HIZINA GORE KANAT UCU GIRDABI TEHLIKESI KONTROLU",
         "tip-vortex risk check by tip speed"});
    s += "</tbody>\n</table>\n";
  }
  return s + "</section>\n";
}

std::string FIGURES(const RunFigures& figures) {
  std::string s = "<section id=\"figures\">\n<h2>Figures</h2>\n";
  int n = 0;
  for (const Figure& f : figures.drawn) {
    ++n;
    s += "<figure id=\"figure-" + std::to_string(n) + "\">\n" + f.svg + "<figcaption>Figure " +
         std::to_string(n) + ". " + E(f.title) + " (file " + E(f.file) +
         ")</figcaption>\n</figure>\n";
  }
  if (figures.drawn.empty()) s += "<p>The run produced no data for any figure.</p>\n";
  if (!figures.left_out.empty()) {
    s += "<p>Left out, since the run did not produce their data:</p>\n<ul>\n";
    for (const LeftOutFigure& f : figures.left_out)
      s += "<li>" + E(f.title) + " (" + E(f.file) + "): " + E(f.reason) + "</li>\n";
    s += "</ul>\n";
  }
  return s + "</section>\n";
}

std::string TABLES(const std::vector<ResultTable>& tables) {
  if (tables.empty()) return {};
  std::string s = "<section id=\"tables\">\n<h2>Tables</h2>\n";
  for (const ResultTable& t : tables) {
    s += "<div class=\"wide\">\n<table class=\"data\" id=\"table-" + E(t.name) + "\">\n<caption>" +
         E(t.title) + "</caption>\n<thead><tr>";
    for (const std::string& h : t.headers) s += "<th>" + E(h) + "</th>";
    s += "</tr></thead>\n<tbody>\n";
    for (const std::vector<std::string>& row : t.rows) {
      s += "<tr>";
      for (const std::string& v : row) s += "<td class=\"num\">" + E(v) + "</td>";
      s += "</tr>\n";
    }
    s += "</tbody>\n</table>\n</div>\n";
  }
  return s + "</section>\n";
}

std::string WARNINGS(const ResultView& view) {
  std::string s = "<section id=\"warnings\">\n<h2>Warnings</h2>\n";
  if (view.warnings().empty())
    return s +
           "<p>No warning: nothing was found outside the ranges the methods were fitted "
           "to.</p>\n</section>\n";
  s += "<ul>\n";
  for (const Warning& w : view.warnings()) s += "<li>" + E(WARNING_LINE(w)) + "</li>\n";
  return s + "</ul>\n</section>\n";
}

std::string RUN_END(const RunDocument& doc) {
  std::string s = "<section id=\"run-end\">\n<h2>How the run ended</h2>\n";
  s += "<p>Exit status " + std::to_string(doc.status) + ": " + STATUS_TEXT(doc.status);
  if (const auto& stop = doc.stop()) s += " (" + E(stop->reason) + ")";
  s += ".</p>\n";
  if (doc.input_stop && !doc.input_messages.empty()) {
    s += "<p>The console said:</p>\n<pre>";
    for (const std::string& line : doc.input_messages) s += E(line) + "\n";
    s += "</pre>\n";
  }
  return s + "</section>\n";
}

std::string INPUT_DATA(const RunDocument& doc) {
  std::string s = "<section id=\"input\">\n<h2>Input data</h2>\n";
  if (!doc.input_stop || doc.result) {
    const ShipRecord& sh = doc.ship;
    std::vector<KeyRow> rows = {
        {"Waterline length",
         "Lwl",
         FIXED(sh.Lwl, 3),
         "m",
         {"SU HATTI BOYU Lwl", "waterline length"}},
        {"Length between perpendiculars",
         "Lbp",
         FIXED(sh.Lbp, 3),
         "m",
         {"KAIMELERARASI BOY Lbp", "length between perpendiculars"}},
        {"Moulded breadth", "B", FIXED(sh.B, 3), "m", {"KALIP GENISLIGI B", "moulded breadth"}},
        {"Draught forward", "Tf", FIXED(sh.Tf, 3), "m", {"BAS DRAFT Tf", "draught forward"}},
        {"Draught aft", "Ta", FIXED(sh.Ta, 3), "m", {"KIC DRAFT Ta", "draught aft"}},
        {"Displacement volume",
         "V",
         FIXED(sh.V, 3),
         "m3",
         {"DEPLASMAN HACMI V", "displacement volume"}},
        {"Centre of buoyancy from Lbp/2",
         "LCB",
         FIXED(sh.LCB, 3),
         "m",
         {"LCB", "LCB, m from Lbp/2"}},
        {"Bulb section area",
         "ABT",
         FIXED(sh.ABT, 3),
         "m2",
         {"BALP KESIT ALANI ABT", "bulb section area"}},
        {"Centroid of the bulb section above the base",
         "HB",
         FIXED(sh.HB, 3),
         "m",
         {"B.K.A. AGIR. MERK BL DEN YUKS. HB", "height of the bulb-area centroid above the base"}},
        {"Immersed transom area",
         "AT",
         FIXED(sh.AT, 3),
         "m2",
         {"BATIK AYNA KIC ALANI AT", "immersed transom area"}},
        {"Midship section coefficient",
         "Cm",
         FIXED(sh.Cm, 3),
         "",
         {"ORTA KESIT N.K. - Cm", "midship section coefficient"}},
        {"Waterplane coefficient",
         "Cwp",
         FIXED(sh.Cwp, 3),
         "",
         {"YUKLU SU HATTI N.K - Cwp", "load waterplane coefficient"}},
        {"Stern shape parameter",
         "Cstern",
         FIXED(sh.Cstern, 3),
         "",
         {"KIC FORM PARAMETRESI Cstern", "stern shape parameter"}},
        {"Water density",
         "RHO",
         FIXED(sh.RHO, 2),
         "kg/m3",
         {"AKISKAN YOGUNLUGU - RHO", "water density"}},
        {"Gravity", "GRAV", FIXED(sh.GRAV, 5), "m/s2", {"YERCEKIMI IVMESI - GRAV", "gravity"}},
        {"Trial speed",
         "Vs",
         FIXED(sh.Vtrial, 3),
         "kn",
         {"SEYIR TECRUBESI HIZI - Vseyir", "trial speed"}},
    };
    if (sh.D != 0.0f) {
      rows.push_back({"Propeller diameter",
                      "D",
                      FIXED(sh.D, 3),
                      "m",
                      {"PERVANE CAPI - D", "propeller diameter"}});
      rows.push_back({"Number of propellers",
                      "NPROP",
                      std::to_string(sh.NPROP),
                      "",
                      {"PERVANE SAYISI - NPROP", "number of propellers"}});
      rows.push_back({"Shaft immersion below the aft waterline",
                      "Hsd",
                      FIXED(sh.Hsd, 3),
                      "m",
                      {"PERVANE SAFT DERINLIGI - Hsd", "shaft immersion"}});
      rows.push_back({"Engine load as a fraction of MCR",
                      "MCR",
                      FIXED(sh.MCR, 3),
                      "",
                      {"MAX. SUREKLI MAKINA DEVRI - MCR", "maximum continuous rating"}});
    }
    if (sh.N != 0.0f)
      rows.push_back(
          {"Propeller rpm given", "N", FIXED(sh.N, 3), "rpm", {"DEVIR - N", "revolutions"}});
    s += KEY_TABLE(rows);
    std::string speeds;
    for (int i = 1; i <= sh.NSPEED && i <= MAX_SPEEDS; ++i)
      speeds += (i > 1 ? ", " : "") + FIXED(sh.Vs(i), 3);
    s +=
        "<p>Speeds (kn, <span class=\"tr\" lang=\"tr\" xml:lang=\"tr\">HIZ HESAPLAMA ARALIGI</span>"
        " <span class=\"gloss\">(the speed list)</span>): " +
        E(speeds.empty() ? std::string("none") : speeds) + ".</p>\n";
  }
  s += "<h3>Echo of the data file " + E(doc.data_name) + "</h3>\n<pre>" + E(doc.echo) + "</pre>\n";
  return s + "</section>\n";
}

}  // namespace

std::string RESULTS_HTML(const ResultView& view, const RunFigures& figures,
                         const std::vector<ResultTable>& tables) {
  const RunDocument& doc = view.document();
  // The ship by its name when it has one, else by its data file.
  const std::string who =
      doc.ship.name.empty() ? doc.data_name : doc.ship.name + " (" + doc.data_name + ")";
  std::string s;
  s.reserve(65536);
  s += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" "
       "xml:lang=\"en\">\n";
  s += "<head>\n<meta charset=\"UTF-8\"/>\n<meta name=\"viewport\" content=\"width=device-width, "
       "initial-scale=1\"/>\n<title>VARDELONTEKSA results: " +
       E(who) + "</title>\n<style>" + STYLE + "</style>\n</head>\n<body>\n";
  s += "<header>\n<h1>VARDELONTEKSA results: " + E(who) + "</h1>\n<p class=\"meta\">Run of " +
       E(doc.run_date) + ", program version " + E(doc.version) + ", exit status " +
       std::to_string(doc.status) + " (" + STATUS_TEXT(doc.status) + ").</p>\n</header>\n";
  s += "<nav><a href=\"#key-results\">Key results</a> | <a href=\"#figures\">Figures</a> | ";
  if (!tables.empty()) s += "<a href=\"#tables\">Tables</a> | ";
  s += "<a href=\"#warnings\">Warnings</a> | <a href=\"#run-end\">How the run ended</a> | "
       "<a href=\"#input\">Input data</a></nav>\n";
  s += KEY_RESULTS(view);
  s += FIGURES(figures);
  s += TABLES(tables);
  s += WARNINGS(view);
  s += RUN_END(doc);
  s += INPUT_DATA(doc);
  s += "</body>\n</html>\n";
  return s;
}

}  // namespace vdk
