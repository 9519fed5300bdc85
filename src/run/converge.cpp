#include "run/converge.hpp"

#include <charconv>
#include <cmath>
#include <string_view>

#include "input/read_ship_data.hpp"

namespace vdk {

namespace {

// The pass dialogue: etad as assumed, the other answers asked once and kept.
class KeptAnswers : public Dialogue {
 public:
  KeptAnswers(Dialogue& questions, Answers& kept, bool ear_known)
      : q_(questions), kept_(kept), asked_(ear_known) {}
  void assume(float etad) { etad_ = etad; }
  std::optional<float> etad() override { return etad_; }
  std::optional<float> blades() override {
    if (!z_asked_ && !kept_.Z) kept_.Z = q_.blades();
    z_asked_ = true;
    return kept_.Z;
  }
  std::optional<bool> change_ear() override {
    if (!asked_) {
      asked_ = true;
      if (!kept_.EAR) {
        const std::optional<bool> change = q_.change_ear();
        if (!change) return change;
        if (*change) kept_.EAR = q_.ear();
        if (*change && !kept_.EAR) return std::nullopt;
      }
    }
    return kept_.EAR.has_value();
  }
  std::optional<float> ear() override { return kept_.EAR; }
  void pause(std::string_view) override {}

 private:
  Dialogue& q_;
  Answers& kept_;
  bool asked_;  // the E/H question is settled
  bool z_asked_ = false;
  float etad_ = 0;
};

bool CLOSE(float a, float b) {
  return std::fabs(a - b) <= 0.001f * std::fabs(b);
}

}  // namespace

std::optional<float> ETAD_AS_TYPED(float etad) {
  if (!std::isfinite(etad)) return std::nullopt;
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, static_cast<double>(etad), std::chars_format::fixed, 3);
  if (res.ec != std::errc()) return std::nullopt;
  return PARSE_LIST_REAL(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

EtadConvergence CONVERGE_ETAD(const ShipRecord& ship, Dialogue& questions, float start,
                              bool consistent, const Answers& known, bool ear_known,
                              Method method) {
  EtadConvergence c;
  c.answers = known;
  c.settings.method = method;
  // The published methods take w, t and etaR with the propeller in use.
  consistent = consistent || PUBLISHED(method);
  KeptAnswers dialogue(questions, c.answers, ear_known);
  const int max_passes = consistent ? 20 : 10;
  float etad = start;
  for (int pass = 1; pass <= max_passes; ++pass) {
    dialogue.assume(etad);
    c.answers.etad = etad;
    const RunResult& r = c.last.emplace(RUN_STEPS(ship, dialogue, nullptr, c.settings));
    EtadPass p;
    p.assumed = etad;
    p.status = r.status();
    if (r.trial) {
      p.computed = r.trial->etad_computed;
      p.propeller = ProvisionalPropeller{r.trial->sel.D, r.trial->sel.PD, r.trial->EAR};
      p.N = r.trial->sel.N;
    }
    c.passes.push_back(p);
    // A stop before the efficiency test: every further pass stops there too.
    if (!r.trial || (r.stop && r.stop->status != EXIT_EFFICIENCY)) break;
    const std::optional<float> next = ETAD_AS_TYPED(*p.computed);
    if (!next) break;
    const bool test_passed = !r.stop;
    if (!consistent) {
      if (test_passed) {
        c.converged = true;
        break;
      }
      if (pass == max_passes) break;  // the last assumed value shows the mismatch
      etad = *next;
      continue;
    }
    if (pass > 1 && test_passed) {
      const EtadPass& before = c.passes[c.passes.size() - 2];
      if (before.propeller && CLOSE(p.propeller->D, before.propeller->D) &&
          CLOSE(p.propeller->PD, before.propeller->PD) && CLOSE(p.N, before.N) &&
          std::fabs(*next - etad) < 0.0005f) {
        c.converged = true;
        break;
      }
    }
    if (pass == max_passes) break;
    etad = *next;
    c.settings.first_estimate = p.propeller;
  }
  c.answers.etad = etad;
  return c;
}

RunResult CALCULATE_RUN(const ShipRecord& ship, const RunOptions& o) {
  RunSettings settings;
  settings.method = o.method;
  Answers a{o.etad, o.Z, o.EAR};
  if (o.etad_auto()) {
    const float start = o.etad.value_or(o.etad_start);
    a.etad = start;
    // Without a blade number every pass would stop at its question: the
    // final run stops there once.
    if (o.Z) {
      ScriptedDialogue questions(Answers{std::nullopt, o.Z, o.EAR});
      EtadConvergence c = CONVERGE_ETAD(ship, questions, start, o.iterates(),
                                        Answers{std::nullopt, o.Z, o.EAR}, true, o.method);
      a = c.answers;
      settings = c.settings;
      // The last pass ran with the answers and the first estimate of the
      // final run: it is the final run.
      if (c.last && c.last->answers.etad == a.etad && c.last->answers.Z == a.Z &&
          c.last->answers.EAR == a.EAR) {
        RunResult r = std::move(*c.last);
        r.options = o;
        return r;
      }
    }
  }
  ScriptedDialogue script(a);
  RunResult r = RUN_STEPS(ship, script, nullptr, settings);
  r.options = o;
  return r;
}

}  // namespace vdk
