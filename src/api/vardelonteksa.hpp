// VARDELONTEKSA as a library: read a ship, calculate its resistance and
// powering (Holtrop & Mennen, the Wageningen B or Gawn propeller, the power
// chain), read the results and write the program's files, or calculate many
// variants of a ship at once.
//
//   namespace v = vardelonteksa;
//   v::Ship ship = v::read_ship("myship.toml");   // or a data file VARDELONTEKSA.TSK
//   v::Options o;
//   o.blades = 4;                                 // etad empty: found as --etad auto does
//   v::Result r = v::calculate(ship, o);
//   if (const v::TrialPoint* t = r.trial()) std::cout << t->PB << " kW\n";
//
// Units: lengths m, areas m2, volumes m3, forces kN, powers kW, ship speeds
// kn, rpm for propeller revolutions. A value the run did not reach is NaN.
// Every function may be called from several threads at once; a Ship or a
// Result is not to be changed by one thread while another reads it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vardelonteksa {

// The program's version, e.g. "1.0".
std::string version();

// Input that cannot be used: its message is the program's English message
// (what()); code() is the program's stop code (E1xx) and status() the exit
// status the program gives; report_lines() the lines its console shows.
class Error : public std::runtime_error {
 public:
  Error(std::string code, int status, const std::string& message,
        std::vector<std::string> report_lines = {});
  const std::string& code() const { return code_; }
  int status() const { return status_; }
  const std::vector<std::string>& report_lines() const { return lines_; }

 private:
  std::string code_;
  int status_;
  std::vector<std::string> lines_;
};
// A file that cannot be read or written.
class FileError : public Error {
 public:
  using Error::Error;
};
// A value, a key or an option that cannot be used.
class InputError : public Error {
 public:
  using Error::Error;
};

// The resistance and propulsion method: the program's classic method, or
// the published papers of Holtrop & Mennen (1982) and Holtrop (1984).
enum class Method { classic, hm1982, hm1984 };
// The language of the report and its console lines.
enum class Language { turkish, english };

// A ship: every particular of its data file. Values are read and set by
// their named key ("breadth", "hull.breadth") or by their data-file symbol
// ("B"); the values derived from them (the shaft immersion, the appendage
// form factors in use, which propeller data are given) follow every change.
class Ship {
 public:
  Ship();
  double get(std::string_view key) const;  // InputError for an unknown key
  void set(std::string_view key, double value);
  // The speed list (kn) and the wave-resistance correction factors (none, or 2 to 10).
  std::vector<double> speeds() const;
  void set_speeds(const std::vector<double>& knots);
  std::vector<double> wave_correction_factors() const;
  void set_wave_correction_factors(const std::vector<double>& factors);
  // Appendage kind 1..11: wetted area (m2) and the given (1+k2) (0: the kind's default).
  std::pair<double, double> appendage(int kind) const;
  void set_appendage(int kind, double area, double form_factor = 0);
  std::string name() const;
  void set_name(std::string name);
  // The keys get() and set() take: the named keys, and the data-file symbols.
  static std::vector<std::string> keys();
  static std::vector<std::string> symbols();
  // The checks a run makes before it calculates; InputError with the program's message.
  void validate() const;
  // The echo listing of the values as the program understands them.
  std::string echo() const;
  // The ship as the text of a named-key file, as `vardelonteksa convert` writes
  // it (ship_from_toml reads it back to the same values), and the name of the
  // file it was read from ("VARDELONTEKSA.TSK" for a new ship).
  std::string to_toml() const;
  std::string file_name() const;

  struct Impl;
  explicit Ship(std::shared_ptr<Impl> impl);
  const Impl& impl() const { return *impl_; }

 private:
  Impl& own();  // a copy of its own before a change: ships share values until changed
  std::shared_ptr<Impl> impl_;
};

// Reads a ship from a data file, or from a named-key file (*.toml).
// FileError for a file that cannot be read, InputError for one that does not read.
Ship read_ship(const std::filesystem::path& file);
// Reads a ship from the text of a named-key file, without the checks of a run
// (validate() makes them); `file_name` stands for the file in the results.
// InputError for text that does not read.
Ship ship_from_toml(std::string_view text, std::string_view file_name = "ship.toml");

// How a ship is calculated: the answers to the program's questions and the method.
struct Options {
  std::optional<double>
      blades;                  // blade number Z; without it a propulsion run stops at the question
  std::optional<double> etad;  // assumed overall efficiency; empty: found by repeated passes
  double etad_start = 0.60;    // the first value of those passes
  std::optional<double> ear;   // expanded area ratio; empty keeps Keller's
  bool consistent = false;     // w, t and etaR iterated with the propeller in use
  Method method = Method::classic;
};

// One speed of the speed list as the run settled it (NaN: not reached).
struct SpeedPoint {
  int i = 0;              // speed number, from 1
  double Vs = 0, Fn = 0;  // kn, -
  double RF = 0, RAPP = 0, RAIR = 0, RW = 0, RB = 0, RTR = 0, RBT = 0, RA = 0, RV = 0;  // kN
  double CF = 0, CV = 0, CA = 0, CT = 0, CR = 0, one_plus_k = 0;  // coefficients
  double RT = 0;                  // total resistance, kN (corrected where the run corrects it)
  double PE = 0;                  // effective power, kW (corrected where the run corrects it)
  double w = 0, t = 0, etaR = 0;  // Holtrop's factors of the propeller over the speed range
  double N = 0, PB = 0, eta0 = 0, etad = 0;  // the minimum-service table: rpm, kW, -, -
};

// The cavitation checks of the trial propeller.
struct Cavitation {
  double sigma = 0;           // cavitation number at 0.7 R
  double EAR_Keller = 0;      // Keller's minimum area ratio
  double EAR_Burrill_5 = 0;   // Burrill's 5 % back cavitation (NaN outside his chart)
  double EAR_Wageningen = 0;  // a Wageningen criterion (NaN outside Burrill's chart)
  double Vtip = 0;            // blade-tip speed, m/s
  bool meets_Keller = false, meets_Burrill_5 = false, tip_speed_below_limit = false;
};

// The trial point: the powers at the trial speed and the propeller the brake
// power was computed with.
struct TrialPoint {
  double Vs = 0, PE = 0, RT = 0, thrust = 0;  // kn, kW, kN, kN per propeller
  double w = 0, t = 0, etaR = 0, etaH = 0, etaS = 0, etad = 0;
  double PB = 0;            // brake power at trial, kW
  double PB_required = 0;   // required engine power, kW
  double PD_delivered = 0;  // power delivered to the propellers, kW
  std::string series;       // "Wageningen B" or "Gawn"
  int propellers = 0;
  double Z = 0, D = 0, pitch_ratio = 0, EAR = 0, J = 0, KT = 0, KQ = 0, eta0 = 0, N = 0;
  std::optional<Cavitation> cavitation;
};

// The report's "selected propeller" block: the propeller re-evaluated at the
// trial advance ratio of the power chain.
struct SelectedPropeller {
  double N = 0, Z = 0, J = 0, KT = 0, KQ = 0, eta0 = 0, pitch_ratio = 0, EAR = 0, D = 0, pitch = 0;
};

struct Warning {
  std::string code, text;  // "W101", one English line
};

// How a run ended before its normal end.
struct Stop {
  std::string code;                       // "E201", ...
  int status = 0;                         // the exit status the program gives
  std::string reason;                     // short English identifier
  std::string message;                    // what went wrong and what to do, in English
  std::vector<std::string> report_lines;  // the console lines the Turkish report shows
};

// A quantity of the results: its key, symbol, unit, English name and description.
struct Quantity {
  std::string key, symbol, unit, name, description;
};

class Result {
 public:
  int status() const;  // the exit status the program would give
  Method method() const;
  const std::vector<SpeedPoint>& speeds() const;
  const TrialPoint* trial() const;  // null when the run did not get there
  const SelectedPropeller* selected() const;
  const std::vector<Warning>& warnings() const;
  const Stop* stop() const;  // null after a normal end

  // Values by the keys of the result files: one per speed (NaN where not
  // computed) and the trial point's; InputError for an unknown key.
  std::vector<double> speed_column(std::string_view key) const;
  static const std::vector<Quantity>& speed_quantities();
  double trial_value(std::string_view key) const;  // NaN without a trial point
  static const std::vector<Quantity>& trial_quantities();

  // The program's files of this run; FileError when one cannot be written.
  std::string to_json() const;  // the JSON file's text
  void write_report(const std::filesystem::path& file, Language language = Language::turkish) const;
  void write_json(const std::filesystem::path& file) const;
  void write_csv(const std::filesystem::path& folder) const;
  void write_plots(const std::filesystem::path& folder) const;
  void write_html(const std::filesystem::path& file) const;

  struct Impl;
  explicit Result(std::shared_ptr<const Impl> impl);
  const Impl& impl() const { return *impl_; }

 private:
  std::shared_ptr<const Impl> impl_;
};

// Calculates a ship; InputError when it fails the checks or an option cannot be used.
Result calculate(const Ship& ship, const Options& options = {});

// A design sweep: every combination of the values of the varied keys (the
// first key changes slowest), each variant calculated on `jobs` threads (0:
// every core), one row per variant in variant order with the columns of the
// program's sweep CSV. A variant that fails its checks or stops gets its
// status and message in its row; an internal error is thrown.
struct Variable {
  std::string key;  // a named key or a data-file symbol; "T" sets both draughts
  std::vector<double> values;
};
struct Cell {
  enum class Kind { empty, number, integer, text };
  Kind kind = Kind::empty;
  double number = 0;
  std::string text;
};
struct SweepResult {
  std::vector<std::string> columns;
  std::vector<std::vector<Cell>> rows;
  std::string csv() const;  // the sweep CSV
};
SweepResult sweep(const Ship& base, const std::vector<Variable>& grid, const Options& options = {},
                  unsigned jobs = 0, bool hold_cb = false);

}  // namespace vardelonteksa
