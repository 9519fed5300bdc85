// The run's questions asked on the console: each prompt as a line of its own,
// then one answer read from the console input, in the language of the run.
#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "report/lang.hpp"
#include "run/dialogue.hpp"

namespace vdk {

class ConsoleDialogue : public Dialogue {
 public:
  ConsoleDialogue(std::istream& in, std::ostream& con, Lang l = Lang::Tr)
      : in_(in), con_(con), l_(l) {}
  std::optional<float> etad() override;
  std::optional<float> blades() override;
  std::optional<bool> change_ear() override;
  std::optional<float> ear() override;
  void pause(std::string_view prompt) override;

 private:
  std::optional<float> real_answer(const char* what);
  std::istream& in_;
  std::ostream& con_;
  Lang l_;
};

}  // namespace vdk

namespace vdk {

// An answer given on the command line: its value and the text as typed.
struct GivenAnswer {
  float value = 0;
  std::string text;
};

// The questions answered from the command line where an answer was given:
// the prompt is written, then the answer as a line of its own, so the
// console still reads like a session. A question without a given answer is
// asked on the console, or, in batch mode (standard input never read, no
// pause), refused: the run stops and says on standard error which option
// to give.
class OptionDialogue : public Dialogue {
 public:
  struct Given {
    std::optional<GivenAnswer> etad, Z, EAR;
    bool keller = false;  // the E/H question answered H (Keller's ratio kept)
  };
  OptionDialogue(std::istream& in, std::ostream& con, Given given, bool batch, Lang l = Lang::Tr)
      : console_(in, con, l), con_(con), given_(std::move(given)), batch_(batch), l_(l) {}
  std::optional<float> etad() override;
  std::optional<float> blades() override;
  std::optional<bool> change_ear() override;
  std::optional<float> ear() override;
  void pause(std::string_view prompt) override;

 private:
  std::optional<float> answer(const std::optional<GivenAnswer>& a, std::string_view question,
                              std::optional<float> (ConsoleDialogue::*ask)());
  ConsoleDialogue console_;
  std::ostream& con_;
  Given given_;
  bool batch_;
  Lang l_;
};

}  // namespace vdk
