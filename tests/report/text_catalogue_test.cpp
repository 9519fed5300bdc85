// The text catalogue of the report: every text in every language, the same
// data edit descriptors in each, the appendage names of the data file, the
// pause prompts the calculation passes; and the yes/no answer of each
// language.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "format/format.hpp"
#include "input/ship_file_layout.hpp"
#include "report/console_dialogue.hpp"
#include "report/texts.hpp"
#include "run/dialogue.hpp"

namespace vdk {
namespace {

std::string descriptors(std::string_view format) {
  std::string s;
  for (const std::string& d : DATA_DESCRIPTORS(format)) s += d + " ";
  return s;
}

TEST(TextCatalogue, EveryTextHasEveryLanguageWithTheSameDataDescriptors) {
  std::size_t count = 0;
  for (const TextSection& section : TEXT_CATALOGUE()) {
    EXPECT_FALSE(section.texts.empty()) << section.title;
    for (const Text* t : section.texts) {
      SCOPED_TRACE(std::string(section.title) + ": " + std::string(t->name));
      ++count;
      const std::string_view turkish = (*t)(Lang::Tr);
      ASSERT_FALSE(turkish.empty());
      for (std::size_t k = 1; k < LANGUAGES; ++k) {
        const Lang l = static_cast<Lang>(k);
        const std::string_view text = (*t)(l);
        ASSERT_FALSE(text.empty()) << "no text in language " << LANG_CODES[k];
        // Plain ASCII: the report is read in any editor and on any console.
        for (const char c : text) EXPECT_TRUE(c >= ' ' && c <= '~') << "not plain ASCII: " << text;
        if (!t->format) continue;
        // Both parse, and take the same items the same way.
        std::string tr, other;
        ASSERT_NO_THROW(tr = descriptors(turkish)) << turkish;
        ASSERT_NO_THROW(other = descriptors(text)) << text;
        EXPECT_EQ(other, tr) << "data edit descriptors differ:\n  " << turkish << "\n  " << text;
      }
    }
  }
  EXPECT_GT(count, 250u);
}

TEST(TextCatalogue, AppendageNamesAreTheDataFileKindsInOrder) {
  const auto kinds = APPENDAGE_KINDS();
  const auto names = APPENDAGE_NAMES();
  ASSERT_EQ(names.size(), kinds.size());
  for (std::size_t k = 0; k < kinds.size(); ++k) {
    EXPECT_EQ((*names[k])(Lang::Tr), kinds[k].name);
    // The report prints them in A30 fields.
    for (std::size_t l = 0; l < LANGUAGES; ++l)
      EXPECT_LE((*names[k])(static_cast<Lang>(l)).size(), 30u);
  }
}

TEST(TextCatalogue, PausePromptsOfTheCalculationAreTranslated) {
  EXPECT_EQ(TRANSLATED(CHARACTERISTICS_PAUSE_PROMPT, Lang::Tr), CHARACTERISTICS_PAUSE_PROMPT);
  EXPECT_EQ(TRANSLATED(CHARACTERISTICS_PAUSE_PROMPT, Lang::En), "Press Enter to continue");
  // A prompt the catalogue does not know is shown as it is.
  EXPECT_EQ(TRANSLATED("DIMENSION N > N1", Lang::En), "DIMENSION N > N1");
}

// Y/N in English and E/H in Turkish; E answers yes in English too, so that
// answer files work in both languages. In Turkish only E is a yes, as ever.
TEST(ConsoleDialogue, ChangeAreaRatioAnswerOfEachLanguage) {
  const auto yes = [](const char* typed, Lang l) {
    std::istringstream in(typed);
    std::ostringstream con;
    ConsoleDialogue d(in, con, l);
    return *d.change_ear();
  };
  for (const char* typed : {"Y\n", " y\n", "E\n", "e\n"})
    EXPECT_TRUE(yes(typed, Lang::En)) << typed;
  for (const char* typed : {"N\n", "H\n", "\n", "no\n"})
    EXPECT_FALSE(yes(typed, Lang::En)) << typed;
  for (const char* typed : {"E\n", " e\n"}) EXPECT_TRUE(yes(typed, Lang::Tr)) << typed;
  for (const char* typed : {"Y\n", "H\n", "N\n"}) EXPECT_FALSE(yes(typed, Lang::Tr)) << typed;
}

}  // namespace
}  // namespace vdk
