// The questions a run asks and its pauses, behind one interface: the console
// asks the user; a script gives the answers it holds and never waits.
#pragma once

#include <optional>
#include <string_view>

namespace vdk {

// The pause between the console copy of the open-water block and its rows.
inline constexpr std::string_view CHARACTERISTICS_PAUSE_PROMPT = "DEVAM ICIN 'ENTER' TUSUNA BASIN";

// The answers to the run's questions. An empty answer is one the script does
// not have.
struct Answers {
  std::optional<float> etad;  // assumed overall propulsive efficiency
  std::optional<float> Z;     // blade number
  std::optional<float> EAR;   // area ratio; none keeps Keller's
};

// Each question returns nothing when no usable answer can be had; the run
// then stops with EXIT_BAD_INPUT (the dialogue has told the user why).
class Dialogue {
 public:
  virtual ~Dialogue() = default;
  virtual std::optional<float> etad() = 0;
  virtual std::optional<float> blades() = 0;
  // Whether the user wants another area ratio than Keller's (the E/H question).
  virtual std::optional<bool> change_ear() = 0;
  virtual std::optional<float> ear() = 0;
  // A pause with its prompt (empty: the standard prompt).
  virtual void pause(std::string_view prompt) = 0;
};

// Answers from a script: no stream, no pause. A question the script has no
// answer for gets none.
class ScriptedDialogue : public Dialogue {
 public:
  explicit ScriptedDialogue(Answers answers) : a_(answers) {}
  std::optional<float> etad() override { return a_.etad; }
  std::optional<float> blades() override { return a_.Z; }
  std::optional<bool> change_ear() override { return a_.EAR.has_value(); }
  std::optional<float> ear() override { return a_.EAR; }
  void pause(std::string_view) override {}

 private:
  Answers a_;
};

}  // namespace vdk
