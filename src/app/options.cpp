// The command line, read with CLI11.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "app/run_sequence.hpp"
#include "app/ship_commands.hpp"
#include "app/sweep.hpp"
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

// The options a run and a sweep share, with the words as typed.
struct SharedWords {
  std::string dir, data, etad, start, blades, ear, json, lang, method;
  bool batch = false, consistent = false, no_warnings = false;
};

void ADD_SHARED_OPTIONS(CLI::App& app, SharedWords& w) {
  app.add_option("-C,--dir", w.dir,
                 "run in DIR: the data file is read there, every output goes there")
      ->type_name("DIR");
  app.add_option("--data", w.data,
                 "read this ship data file (in the run folder) instead of "
                 "VARDELONTEKSA.TSK, a .toml file as a ship file with named keys; the "
                 "outputs keep their names")
      ->type_name("FILE");
  app.add_option("--etad", w.etad,
                 "the assumed overall propulsive efficiency, e.g. --etad 0.62, or "
                 "--etad auto to find it by repeating the calculation")
      ->type_name("X|auto");
  app.add_option("--etad-start", w.start, "the first value of --etad auto (default 0.60)")
      ->type_name("X");
  app.add_option("--blades", w.blades, "the blade number Z, e.g. --blades 4")->type_name("Z");
  app.add_option("--ear", w.ear,
                 "the expanded area ratio, e.g. --ear 0.75 (without it Keller's "
                 "ratio is kept)")
      ->type_name("X");
  app.add_flag("--batch", w.batch,
               "never read standard input: no pause; a missing answer stops "
               "the run naming its option");
  app.add_flag("--consistent", w.consistent,
               "first estimate of w, t, etaR from the propeller of "
               "the previous pass (implies --etad auto)");
  app.add_flag("--no-warnings", w.no_warnings,
               "do not show the warnings where a result may not be trusted (standard error)");
  app.add_option("--lang", w.lang,
                 "the language of the report, the console and the model file: tr (Turkish, "
                 "the default) or en (English)")
      ->type_name("tr|en");
  app.add_option("--method", w.method,
                 "classic (default): the program's own method; hm1982 or hm1984: Holtrop & "
                 "Mennen (1982) or Holtrop (1984) as published, with the ITTC-78 propeller "
                 "correction, one propeller throughout and the sea margin (implies --consistent)")
      ->type_name("NAME");
}

// The run options of the shared words; a word that is no number gives its
// usage message in `error`.
std::optional<ProgramOptions> RUN_OPTIONS(const SharedWords& w, std::string& error) {
  ProgramOptions o;
  if (!w.dir.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(w.dir, ec)) {
      error = "-C: no such folder: " + w.dir;
      return std::nullopt;
    }
    o.dir = w.dir;
  }
  if (!w.data.empty()) o.data = w.data;
  if (!w.lang.empty()) {
    const std::optional<Lang> l = LANG_OF(w.lang);
    if (!l) {
      error = "--lang: not a language of the report (tr or en): " + w.lang;
      return std::nullopt;
    }
    o.lang = *l;
  }
  o.batch = w.batch;
  o.warnings = !w.no_warnings;
  if (!w.method.empty()) {
    const std::optional<Method> m = METHOD_OF(w.method);
    if (!m) {
      error = "--method: not a method: " + w.method + " (classic, hm1982 or hm1984)";
      return std::nullopt;
    }
    o.method = *m;
  }
  // The published methods take w, t and etaR with the propeller in use.
  o.consistent = w.consistent || PUBLISHED(o.method);
  o.etad_auto = o.consistent || w.etad == "auto";
  if (!w.etad.empty() && w.etad != "auto") {
    o.given.etad = NUMBER(w.etad);
    if (!o.given.etad) {
      error = "--etad: not a number or auto: " + w.etad;
      return std::nullopt;
    }
    if (o.etad_auto) o.etad_start = o.given.etad->value;
  }
  if (!w.start.empty()) {
    const std::optional<GivenAnswer> s = NUMBER(w.start);
    if (!s) {
      error = "--etad-start: not a number: " + w.start;
      return std::nullopt;
    }
    o.etad_start = s->value;
  }
  if (!w.blades.empty()) {
    o.given.Z = NUMBER(w.blades);
    if (!o.given.Z) {
      error = "--blades: not a number: " + w.blades;
      return std::nullopt;
    }
  }
  if (!w.ear.empty()) {
    o.given.EAR = NUMBER(w.ear);
    if (!o.given.EAR) {
      error = "--ear: not a number: " + w.ear;
      return std::nullopt;
    }
  }
  o.any_answer = w.batch || o.given.etad || o.given.Z || o.given.EAR;
  // With answers on the command line, Keller's area ratio is kept unless
  // --ear gives another, as the answer H keeps it.
  o.given.keller = o.any_answer || o.etad_auto;
  return o;
}

// The words of the sweep command itself.
struct SweepWords {
  std::vector<std::string> vary;
  std::string variants, out, plots, keep;
  bool hold_cb = false;
  int jobs = -1;  // -1: not given
};

constexpr const char* SWEEP_DESCRIPTION =
    "calculate many variants of the ship of the data file, in parallel, one CSV row each.\n"
    "Example:\n"
    "  vardelonteksa sweep --vary B=30:34:1 --vary T=9:11:0.5 --etad auto --blades 4 "
    "--out sweep.csv";

constexpr const char* INIT_DESCRIPTION =
    "write a commented template of the ship file with named keys (the example ship), "
    "ship.toml unless FILE is given.\nExample:\n  vardelonteksa init myship.toml";
constexpr const char* CONVERT_DESCRIPTION =
    "convert a ship file into the other format, the direction by the extensions "
    "(.toml: named keys, otherwise a data file).\nExample:\n"
    "  vardelonteksa convert VARDELONTEKSA.TSK myship.toml";

CLI::App* ADD_SWEEP_COMMAND(CLI::App& app, SharedWords& w, SweepWords& s) {
  CLI::App* sweep = app.add_subcommand("sweep", SWEEP_DESCRIPTION);
  ADD_SHARED_OPTIONS(*sweep, w);
  sweep->add_option("--json", w.json, "with --keep: also the JSON of each variant, named FILE")
      ->type_name("FILE");
  sweep
      ->add_option("--vary", s.vary,
                   "vary a value of the ship by its key (breadth, hull.breadth) or its "
                   "data-file symbol (B; T: Tf and Ta): "
                   "NAME=FROM:TO:STEP or NAME=V1,V2,...; repeated, every combination "
                   "(at most 1,000,000 variants); counts and lists (NSPEED, NCORR) cannot be "
                   "varied")
      ->type_name("NAME=RANGE");
  sweep
      ->add_option("--variants", s.variants,
                   "the variants from a CSV file: a header of keys or symbols, one row per "
                   "variant (at most 1,000,000)")
      ->type_name("FILE");
  sweep->add_flag("--hold-cb", s.hold_cb,
                  "keep the block coefficient: V follows Lwl*B*T (T the mean of Tf and Ta)");
  sweep->add_option("--out", s.out, "write the CSV to FILE (default standard output)")
      ->type_name("FILE");
  sweep->add_option("--plots", s.plots, "draw PB and eta0 against the first varied name into DIR")
      ->type_name("DIR");
  sweep->add_option("--keep", s.keep, "keep each variant's report and echo under DIR/variant-NNNN/")
      ->type_name("DIR");
  sweep
      ->add_option("-j,--jobs", s.jobs,
                   "variants calculated at a time (default: every hardware thread)")
      ->type_name("N");
  return sweep;
}

// A path of the sweep, relative ones taken in the run folder as a run takes them.
std::filesystem::path IN_FOLDER(const ProgramOptions& o, const std::string& p) {
  const std::filesystem::path path(p);
  return path.empty() || path.is_absolute() ? path : o.dir / path;
}

// The sweep's options from its words; every check made before any
// calculation, a failure as a usage message in `error`.
std::optional<SweepOptions> SWEEP_OPTIONS(const SharedWords& w, const SweepWords& s,
                                          std::string& error) {
  std::optional<ProgramOptions> run = RUN_OPTIONS(w, error);
  if (!run) return std::nullopt;
  SweepOptions o;
  o.run = *run;
  o.run.batch = true;  // a sweep never reads standard input
  o.hold_cb = s.hold_cb;
  if (s.vary.empty() == s.variants.empty()) {
    error = s.vary.empty() ? "sweep: give the variants with --vary or --variants"
                           : "sweep: --vary and --variants cannot be given together";
    return std::nullopt;
  }
  if (!s.vary.empty()) {
    std::vector<SweepVariable> vars;
    for (const std::string& spec : s.vary) {
      std::optional<SweepVariable> v = PARSE_VARY(spec, error);
      if (!v) {
        error = "--vary: " + error;
        return std::nullopt;
      }
      vars.push_back(std::move(*v));
    }
    std::optional<VariantTable> t = GRID_VARIANTS(vars, error);
    if (!t) {
      error = "--vary: " + error;
      return std::nullopt;
    }
    o.variants = std::move(*t);
  } else {
    const std::filesystem::path path = IN_FOLDER(o.run, s.variants);
    std::ifstream f(path, std::ios::binary);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !f) {
      error = "--variants: cannot read " + path.string();
      return std::nullopt;
    }
    std::ostringstream text;
    text << f.rdbuf();
    std::optional<VariantTable> t = PARSE_VARIANTS_CSV(text.str(), error);
    if (!t) {
      error = "--variants: " + path.string() + ": " + error;
      return std::nullopt;
    }
    o.variants = std::move(*t);
  }
  if (!CHECK_SWEEP_VARIANTS(o.variants, o.hold_cb, error)) {
    error = "sweep: " + error;
    return std::nullopt;
  }
  if (o.variants.rows.empty()) {
    error = "sweep: no variant to calculate";
    return std::nullopt;
  }
  if (s.jobs == 0 || s.jobs < -1) {
    error = "-j: the number of variants at a time must be 1 or more";
    return std::nullopt;
  }
  o.jobs = s.jobs > 0 ? static_cast<unsigned>(s.jobs)
                      : std::max(1u, std::thread::hardware_concurrency());
  if (!w.json.empty() && s.keep.empty()) {
    error = "sweep: --json writes the JSON of each kept variant and needs --keep";
    return std::nullopt;
  }
  o.json = w.json;
  o.out = IN_FOLDER(o.run, s.out);
  o.plots = IN_FOLDER(o.run, s.plots);
  o.keep = IN_FOLDER(o.run, s.keep);
  return o;
}

}  // namespace

int RUN_PROGRAM(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
  // The version needs no option table at all.
  if (args.size() == 1 && args[0] == "--version") {
    out << PROGRAM_NAME << ' ' << PROGRAM_VERSION << '\n';
    return 0;
  }
  CLI::App app{
      "VARDELONTEKSA: resistance (Holtrop & Mennen), propulsion factors and the trial-condition\n"
      "propeller (Wageningen B or Gawn) of a displacement ship, from the data file\n"
      "VARDELONTEKSA.TSK of the run folder. Without options the run asks its questions on the\n"
      "console. Example:\n"
      "  vardelonteksa -C myship --etad auto --blades 4 --batch",
      "vardelonteksa"};
  app.set_version_flag("--version", std::string(PROGRAM_NAME) + " " + PROGRAM_VERSION);
  SharedWords words;
  SweepWords sweep_words;
  std::string csv, plots, html;
  std::string init_file = "ship.toml", convert_in, convert_out;
  bool force = false;
  // Only the option table of the command in use is built: a run's, the
  // sweep's, or that of init or convert.
  auto word = [&args](const char* w) {
    return std::find(args.begin(), args.end(), w) != args.end();
  };
  CLI::App* sweep = nullptr;
  CLI::App* init = nullptr;
  CLI::App* convert = nullptr;
  if (word("sweep")) {
    sweep = ADD_SWEEP_COMMAND(app, words, sweep_words);
  } else if (word("init")) {
    init = app.add_subcommand("init", INIT_DESCRIPTION);
    init->add_option("FILE", init_file, "the file to write (default ship.toml)");
    init->add_flag("--force", force, "overwrite an existing file");
  } else if (word("convert")) {
    convert = app.add_subcommand("convert", CONVERT_DESCRIPTION);
    convert->add_option("IN", convert_in, "the ship file to read")->required();
    convert->add_option("OUT", convert_out, "the ship file to write")->required();
    convert->add_flag("--force", force, "overwrite an existing OUT");
  } else {
    ADD_SHARED_OPTIONS(app, words);
    app.add_option("--json", words.json, "also write the whole run as JSON to FILE")
        ->type_name("FILE");
    app.add_option("--csv", csv, "also write one CSV file per table into DIR")->type_name("DIR");
    app.add_option("--plots", plots, "also draw the SVG figures into DIR")->type_name("DIR");
    app.add_option("--html", html, "also write a one-page HTML summary to FILE")->type_name("FILE");
    // The other commands, named for --help; each has a table of its own.
    app.add_subcommand("sweep", SWEEP_DESCRIPTION);
    app.add_subcommand("init", INIT_DESCRIPTION);
    app.add_subcommand("convert", CONVERT_DESCRIPTION);
  }

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
  std::string error;
  if (init && init->parsed()) return INIT_PROGRAM(init_file, force, err);
  if (convert && convert->parsed())
    return CONVERT_PROGRAM(convert_in, convert_out, force, out, err);
  if (sweep && sweep->parsed()) {
    std::optional<SweepOptions> so = SWEEP_OPTIONS(words, sweep_words, error);
    if (!so) return usage(error);
    so->progress = &err == &std::cerr && ::isatty(STDERR_FILENO);
    return SWEEP_PROGRAM(*so, out, err);
  }
  std::optional<ProgramOptions> o = RUN_OPTIONS(words, error);
  if (!o) return usage(error);
  o->files = ResultFiles{words.json, csv, plots, html};
  return RUN_WITH_OPTIONS(*o, in, out, err);
}

}  // namespace vdk
