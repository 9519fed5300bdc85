// The command line, read with CLI11.
#include <CLI/CLI.hpp>
#include <string>

#include "app/run_sequence.hpp"
#include "core/version.hpp"
#include "input/read_ship_data.hpp"

namespace vdk {

namespace {

// A number as the data file and the console take it ("0.65", ".65", "6.5E-1");
// a decimal comma is refused.
std::optional<GivenAnswer> NUMBER(const std::string& text) {
  const std::optional<float> v = PARSE_LIST_REAL(text);
  if (!v) return std::nullopt;
  return GivenAnswer{*v, text};
}

}  // namespace

int RUN_PROGRAM(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
  CLI::App app{
      "VARDELONTEKSA: resistance (Holtrop & Mennen), propulsion factors and the trial-condition\n"
      "propeller (Wageningen B or Gawn) of a displacement ship, from the data file\n"
      "VARDELONTEKSA.TSK of the run folder. Without options the run asks its questions on the\n"
      "console. Example:\n"
      "  vardelonteksa -C myship --etad auto --blades 4 --batch",
      "vardelonteksa"};
  std::string dir, data, etad, start, blades, ear;
  bool batch = false, consistent = false, no_warnings = false;
  app.add_option("-C,--dir", dir,
                 "run in DIR: the data file is read there, every output goes there")
      ->type_name("DIR");
  app.add_option("--data", data,
                 "read this ship data file (in the run folder) instead of "
                 "VARDELONTEKSA.TSK; the outputs keep their names")
      ->type_name("FILE");
  app.add_option("--etad", etad,
                 "the assumed overall propulsive efficiency, e.g. --etad 0.62, or "
                 "--etad auto to find it by repeating the calculation")
      ->type_name("X|auto");
  app.add_option("--etad-start", start, "the first value of --etad auto (default 0.60)")
      ->type_name("X");
  app.add_option("--blades", blades, "the blade number Z, e.g. --blades 4")->type_name("Z");
  app.add_option("--ear", ear,
                 "the expanded area ratio, e.g. --ear 0.75 (without it Keller's "
                 "ratio is kept)")
      ->type_name("X");
  app.add_flag("--batch", batch,
               "never read standard input: no pause; a missing answer stops "
               "the run naming its option");
  app.add_flag("--consistent", consistent,
               "first estimate of w, t, etaR from the propeller of "
               "the previous pass (implies --etad auto)");
  app.add_flag("--no-warnings", no_warnings,
               "do not show the warnings where a result may not be trusted (standard error)");
  std::string json, csv, plots, html;
  app.add_option("--json", json, "also write the whole run as JSON to FILE")->type_name("FILE");
  app.add_option("--csv", csv, "also write one CSV file per table into DIR")->type_name("DIR");
  app.add_option("--plots", plots, "also draw the SVG figures into DIR")->type_name("DIR");
  app.add_option("--html", html, "also write a one-page HTML summary to FILE")->type_name("FILE");
  app.set_version_flag("--version", std::string(PROGRAM_NAME) + " " + PROGRAM_VERSION);

  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    return app.exit(e, out, err) == 0 ? 0 : 1;
  }

  auto usage = [&](const std::string& what) {
    err << "vardelonteksa: " << what << "\nRun with --help for more information.\n";
    return 1;
  };
  ProgramOptions o;
  if (!dir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec)) return usage("-C: no such folder: " + dir);
    o.dir = dir;
  }
  if (!data.empty()) o.data = data;
  o.batch = batch;
  o.files = ResultFiles{json, csv, plots, html};
  o.warnings = !no_warnings;
  o.consistent = consistent;
  o.etad_auto = consistent || etad == "auto";
  if (!etad.empty() && etad != "auto") {
    o.given.etad = NUMBER(etad);
    if (!o.given.etad) return usage("--etad: not a number or auto: " + etad);
    if (o.etad_auto) o.etad_start = o.given.etad->value;
  }
  if (!start.empty()) {
    const std::optional<GivenAnswer> s = NUMBER(start);
    if (!s) return usage("--etad-start: not a number: " + start);
    o.etad_start = s->value;
  }
  if (!blades.empty()) {
    o.given.Z = NUMBER(blades);
    if (!o.given.Z) return usage("--blades: not a number: " + blades);
  }
  if (!ear.empty()) {
    o.given.EAR = NUMBER(ear);
    if (!o.given.EAR) return usage("--ear: not a number: " + ear);
  }
  o.any_answer = batch || o.given.etad || o.given.Z || o.given.EAR;
  // With answers on the command line, Keller's area ratio is kept unless
  // --ear gives another, as the answer H keeps it.
  o.given.keller = o.any_answer || o.etad_auto;
  return RUN_WITH_OPTIONS(o, in, out, err);
}

}  // namespace vdk
