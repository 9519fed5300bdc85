#include "report/console_dialogue.hpp"

#include <string>

#include "format/format.hpp"
#include "input/read_ship_data.hpp"
#include "report/console.hpp"
#include "report/dialogue_lines.hpp"

namespace vdk {

// One real answer; an answer that is no number, or no answer at all, is
// refused: nothing sensible can be computed without it.
std::optional<float> ConsoleDialogue::real_answer(const char* what) {
  const std::optional<float> value = READ_CONSOLE_REAL(in_);
  if (!value) WRITE_FORMATTED(con_, UNREADABLE_REAL_ANSWER, what);
  return value;
}

std::optional<float> ConsoleDialogue::etad() {
  WRITE_FORMATTED(con_, ETAD_QUESTION);
  return real_answer("etad");
}

std::optional<float> ConsoleDialogue::blades() {
  WRITE_FORMATTED(con_, Z_QUESTION);
  return real_answer("Z");
}

// The first character typed on the next line counts, blanks before it
// skipped, so "  e" is a yes.
std::optional<bool> ConsoleDialogue::change_ear() {
  WRITE_FORMATTED(con_, CHANGE_AREA_QUESTION);
  std::string line;
  if (!std::getline(in_, line)) {
    WRITE_FORMATTED(con_, UNREADABLE_YES_NO_ANSWER);
    return std::nullopt;
  }
  const std::size_t first = line.find_first_not_of(" \t");
  const char ans = first == std::string::npos ? ' ' : line[first];
  return ans == 'E' || ans == 'e';
}

std::optional<float> ConsoleDialogue::ear() {
  WRITE_FORMATTED(con_, EAR_QUESTION);
  return real_answer("EAR");
}

void ConsoleDialogue::pause(std::string_view prompt) {
  PAUSE(in_, con_, prompt);
}

}  // namespace vdk

namespace vdk {

std::optional<float> OptionDialogue::answer(const std::optional<GivenAnswer>& a,
                                            std::string_view question, const char* option,
                                            std::optional<float> (ConsoleDialogue::*ask)()) {
  if (a) {
    WRITE_FORMATTED(con_, question);
    con_ << a->text << '\n';
    return a->value;
  }
  if (!batch_) return (console_.*ask)();
  err_ << "vardelonteksa: --batch: this run needs the answer of " << option << '\n';
  return std::nullopt;
}

std::optional<float> OptionDialogue::etad() {
  return answer(given_.etad, ETAD_QUESTION, "--etad", &ConsoleDialogue::etad);
}

std::optional<float> OptionDialogue::blades() {
  return answer(given_.Z, Z_QUESTION, "--blades", &ConsoleDialogue::blades);
}

std::optional<bool> OptionDialogue::change_ear() {
  // A given area ratio answers E; in batch mode, or when asked to keep it,
  // Keller's ratio is kept as the answer H keeps it.
  if (given_.EAR || given_.keller || batch_) {
    WRITE_FORMATTED(con_, CHANGE_AREA_QUESTION);
    con_ << (given_.EAR ? "E" : "H") << '\n';
    return given_.EAR.has_value();
  }
  return console_.change_ear();
}

std::optional<float> OptionDialogue::ear() {
  return answer(given_.EAR, EAR_QUESTION, "--ear", &ConsoleDialogue::ear);
}

void OptionDialogue::pause(std::string_view prompt) {
  if (!batch_) console_.pause(prompt);
}

}  // namespace vdk
