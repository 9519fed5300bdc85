// The languages of the report. The report floor writes every line with words
// in the language of the run; the calculation floors have none. Turkish is
// the program's own language and the default everywhere.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vdk {

// In the order of the columns of the text catalogue (report/texts.hpp).
enum class Lang { Tr, En };
inline constexpr std::size_t LANGUAGES = 2;

// The codes of the languages, as the command line takes them ("tr", "en").
inline constexpr std::array<std::string_view, LANGUAGES> LANG_CODES{"tr", "en"};

// The language of a code; none for an unknown code.
constexpr std::optional<Lang> LANG_OF(std::string_view code) {
  for (std::size_t k = 0; k < LANGUAGES; ++k)
    if (LANG_CODES[k] == code) return static_cast<Lang>(k);
  return std::nullopt;
}

}  // namespace vdk
