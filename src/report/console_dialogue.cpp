#include "report/console_dialogue.hpp"

#include <string>

#include "format/format.hpp"
#include "input/read_ship_data.hpp"
#include "report/console.hpp"
#include "report/texts.hpp"

namespace vdk {

// One real answer; an answer that is no number, or no answer at all, is
// refused: nothing sensible can be computed without it.
std::optional<float> ConsoleDialogue::real_answer(const char* what) {
  const std::optional<float> value = READ_CONSOLE_REAL(in_);
  if (!value) WRITE_FORMATTED(con_, tx::UNREADABLE_REAL_ANSWER(l_), what);
  return value;
}

std::optional<float> ConsoleDialogue::etad() {
  WRITE_FORMATTED(con_, tx::ETAD_QUESTION(l_));
  return real_answer("etad");
}

std::optional<float> ConsoleDialogue::blades() {
  WRITE_FORMATTED(con_, tx::Z_QUESTION(l_));
  return real_answer("Z");
}

// The first character typed on the next line counts, blanks before it
// skipped, so "  e" is a yes. The Turkish E (evet) is a yes in every
// language, so that answer files work in both; in English Y is one too.
std::optional<bool> ConsoleDialogue::change_ear() {
  WRITE_FORMATTED(con_, tx::CHANGE_AREA_QUESTION(l_));
  std::string line;
  if (!std::getline(in_, line)) {
    WRITE_FORMATTED(con_, tx::UNREADABLE_YES_NO_ANSWER(l_));
    return std::nullopt;
  }
  const std::size_t first = line.find_first_not_of(" \t");
  const char ans = first == std::string::npos ? ' ' : line[first];
  const bool yes = ans == 'E' || ans == 'e';
  return yes || (l_ != Lang::Tr && (ans == 'Y' || ans == 'y'));
}

std::optional<float> ConsoleDialogue::ear() {
  WRITE_FORMATTED(con_, tx::EAR_QUESTION(l_));
  return real_answer("EAR");
}

void ConsoleDialogue::pause(std::string_view prompt) {
  PAUSE(in_, con_, prompt, l_);
}

}  // namespace vdk

namespace vdk {

std::optional<float> OptionDialogue::answer(const std::optional<GivenAnswer>& a,
                                            std::string_view question,
                                            std::optional<float> (ConsoleDialogue::*ask)()) {
  if (a) {
    WRITE_FORMATTED(con_, question);
    con_ << a->text << '\n';
    return a->value;
  }
  if (!batch_) return (console_.*ask)();
  return std::nullopt;  // the stop says on standard error which option to give
}

std::optional<float> OptionDialogue::etad() {
  return answer(given_.etad, tx::ETAD_QUESTION(l_), &ConsoleDialogue::etad);
}

std::optional<float> OptionDialogue::blades() {
  return answer(given_.Z, tx::Z_QUESTION(l_), &ConsoleDialogue::blades);
}

std::optional<bool> OptionDialogue::change_ear() {
  // A given area ratio answers yes; in batch mode, or when asked to keep it,
  // Keller's ratio is kept as the answer no keeps it.
  if (given_.EAR || given_.keller || batch_) {
    WRITE_FORMATTED(con_, tx::CHANGE_AREA_QUESTION(l_));
    con_ << (given_.EAR ? tx::ANSWER_YES(l_) : tx::ANSWER_NO(l_)) << '\n';
    return given_.EAR.has_value();
  }
  return console_.change_ear();
}

std::optional<float> OptionDialogue::ear() {
  return answer(given_.EAR, tx::EAR_QUESTION(l_), &ConsoleDialogue::ear);
}

void OptionDialogue::pause(std::string_view prompt) {
  if (!batch_) console_.pause(prompt);
}

}  // namespace vdk
