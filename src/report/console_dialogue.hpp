// The run's questions asked on the console: each prompt as a line of its own,
// then one answer read from the console input.
#pragma once

#include <istream>
#include <ostream>

#include "run/dialogue.hpp"

namespace vdk {

class ConsoleDialogue : public Dialogue {
 public:
  ConsoleDialogue(std::istream& in, std::ostream& con) : in_(in), con_(con) {}
  std::optional<float> etad() override;
  std::optional<float> blades() override;
  std::optional<bool> change_ear() override;
  std::optional<float> ear() override;
  void pause(std::string_view prompt) override;

 private:
  std::optional<float> real_answer(const char* what);
  std::istream& in_;
  std::ostream& con_;
};

}  // namespace vdk
