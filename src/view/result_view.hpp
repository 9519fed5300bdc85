// The one view of a run's results that every consumer reads: the result
// files (JSON, CSV, page, figures), the sweep's rows and the library. What
// exists is decided here once: the values of each speed as the run settled
// them, the trial point with the propeller the brake power was computed
// with, the report's "selected propeller" block, the stop in words, the
// warnings, and how the run was made.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/stop_texts.hpp"
#include "run/run_options.hpp"
#include "run/run_result.hpp"
#include "run/warnings.hpp"
#include "view/run_document.hpp"

namespace vdk {

// One speed of the speed list: a value the run did not reach is empty.
struct SpeedView {
  int i = 0;                    // speed number, from 1
  float Vs = 0, v = 0, Fn = 0;  // kn, m/s
  // Resistance (kN) and its coefficients, as each speed block computed them.
  std::optional<float> Rn, CF, CV, OnePlusK, S, RF, RAPP, RAIR, RW, RB, RTR, RBT, CA, RA, RV, RT,
      CT, CR, CW;
  std::optional<float> PE;  // kW, before the wave-resistance correction
  // After the summary tables: the correction factor (when factors were
  // given) and the corrected values every later section reads.
  std::optional<float> correction_factor, CR_corrected, CT_corrected, RT_corrected, PE_corrected;
  std::optional<float> PE_trial;  // trial-condition effective power, kW
  // Holtrop's factors of the propeller of the characteristics.
  std::optional<float> w, t, etaR;
  // The minimum-service table: the propeller's rpm, efficiencies and brake power.
  std::optional<float> etaH_service, eta0_service, etad_service, PB_service, N_service;
  // The total resistance and effective power every later section reads:
  // corrected where the run corrects them.
  std::optional<float> RT_used() const { return RT_corrected ? RT_corrected : RT; }
  std::optional<float> PE_used() const { return PE_corrected ? PE_corrected : PE; }
};

// The cavitation checks of the trial propeller.
struct CavitationView {
  float sigma = 0;                // cavitation number at 0.7 R
  float EAR_Keller = 0;           // Keller's minimum area ratio
  bool in_Burrill_range = false;  // 0.18 <= sigma <= 1.5: the figures below exist
  std::optional<float> EAR_Burrill_2_5, EAR_Burrill_5, EAR_Burrill_upper, EAR_Wageningen;
  float Vtip = 0;  // blade-tip speed, m/s
  bool meets_Keller = false, meets_Burrill_5 = false, tip_speed_below_limit = false;
};

// The trial point: the powers at the trial speed and the propeller the
// brake power was computed with (as the search or the operating point found
// it), with its cavitation checks.
struct TrialView {
  float Vs = 0;      // trial speed, kn
  float PE = 0;      // effective power, kW
  float RT = 0;      // total resistance from PE, kN
  float thrust = 0;  // per propeller, kN
  float w = 0, t = 0, etaR = 0, etaH = 0, etaS = 0, etad = 0;
  float PB = 0;  // brake power at trial, kW
  // Service power Pb (1 + sea margin), kW: the published methods apply the
  // sea margin; the classic method prints it and applies it nowhere.
  std::optional<float> PB_service;
  float PB_required = 0;   // required engine power, kW (from the service power where applied)
  float PD_delivered = 0;  // power delivered to the propellers, kW
  int series = 0;          // 1 Wageningen B, 2 Gawn
  bool controllable_pitch = false;
  int propellers = 0;
  float Z = 0, D = 0, pitch_ratio = 0, EAR = 0, J = 0, KT = 0, KQ = 0, eta0 = 0, N = 0;
  std::optional<CavitationView> cavitation;
};

// The report's "selected propeller" block: the propeller re-evaluated at the
// trial advance ratio of the power chain.
struct SelectedView {
  int series = 0;
  bool controllable_pitch = false;
  float N = 0, Z = 0, J = 0, KT = 0, KQ = 0, eta0 = 0, pitch_ratio = 0, EAR = 0, D = 0;
  float pitch = 0;        // m
  float PD_absorbed = 0;  // kW
};

class ResultView {
 public:
  explicit ResultView(RunDocument doc);

  const RunDocument& document() const { return doc_; }
  const ShipRecord& ship() const { return doc_.result ? doc_.result->ship : doc_.ship; }
  // The calculation's records; null when the data file stopped the run.
  const RunResult* run() const { return doc_.result ? &*doc_.result : nullptr; }
  int status() const { return doc_.status; }
  // Whether the calculation reached (filled the record of) step s.
  bool reached(RunStep s) const;

  const std::vector<SpeedView>& speeds() const { return speeds_; }
  // The speed of the list at the trial speed: the first within 0.001 kn of
  // it, as the run looks it up; null when none is.
  const SpeedView* trial_speed() const;
  const TrialView* trial() const { return trial_ ? &*trial_ : nullptr; }
  const SelectedView* selected() const { return selected_ ? &*selected_ : nullptr; }
  // Whether the report's selected block shows another propeller than the
  // trial point's (the re-evaluation at the trial J changed it).
  bool selected_differs() const;
  const std::optional<StopText>& stop() const { return stop_; }
  const std::vector<Warning>& warnings() const;
  const RunOptions& options() const { return options_; }
  Method method() const { return options_.method; }
  // The ship's name for titles: its name, else the data file's.
  std::string title_name() const;

 private:
  RunDocument doc_;
  RunOptions options_;
  std::vector<SpeedView> speeds_;
  std::optional<TrialView> trial_;
  std::optional<SelectedView> selected_;
  std::optional<StopText> stop_;
};

}  // namespace vdk
