// Every regression folder run in English (--lang en) and in Turkish (--lang
// tr): the English results file and model file hold the Turkish ones' numbers
// in the same order, the exit status is the same, the English output is plain
// ASCII without Turkish words, and every stop says why on standard error in
// one English line, the same in both languages.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_sequence.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::TempDir;

struct LangRun {
  int status = -1;
  std::string out, err, son, model;
  bool son_written = false, model_written = false;
};

// The case in a fresh folder with its answers and options, in language `lang`.
LangRun run_in_language(const std::string& name, const std::string& lang) {
  const fs::path src = test::regression_root() / name;
  TempDir dir;
  for (const std::string& f : test::case_inputs(name)) fs::copy_file(src / f, dir.path / f);
  std::vector<std::string> args{"-C", dir.path.string()};
  const std::vector<std::string> own = test::case_options(name);
  for (std::size_t k = 0; k < own.size(); ++k) {
    if (own[k] == "--lang") {
      ++k;  // the case's own language is replaced
      continue;
    }
    args.push_back(own[k]);
  }
  args.insert(args.end(), {"--lang", lang});
  std::istringstream in(read_file(src / "answers.txt"));
  std::ostringstream out, err;
  LangRun r;
  r.status = RUN_PROGRAM(args, in, out, err);
  r.out = out.str();
  r.err = err.str();
  r.son_written = fs::exists(dir.path / "VARDELONTEKSA.SON");
  r.model_written = fs::exists(dir.path / "BORELI_VANSK_DEGERI.SON");
  r.son = read_file(dir.path / "VARDELONTEKSA.SON");
  r.model = read_file(dir.path / "BORELI_VANSK_DEGERI.SON");
  return r;
}

bool letter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool digit(char c) {
  return c >= '0' && c <= '9';
}

// The numbers of a report in order: signed decimals and integers that stand
// alone (not part of a symbol such as eta0, C17, ETA-0, 10Kq or 10^6), and
// runs of asterisks (overflowed fields). A point that ends a number ("15."
// of F4.0, "55." before a word) is dropped.
std::vector<std::string> numbers(const std::string& text) {
  std::vector<std::string> out;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n;) {
    if (text[i] == '*') {
      std::size_t j = i;
      while (j < n && text[j] == '*') ++j;
      if (j - i >= 2) out.push_back(text.substr(i, j - i));
      i = j;
      continue;
    }
    if (!digit(text[i]) && !(text[i] == '.' && i + 1 < n && digit(text[i + 1]))) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < n && (digit(text[j]) || text[j] == '.')) ++j;
    const char before = i > 0 ? text[i - 1] : ' ';
    const char before2 = i > 1 ? text[i - 2] : ' ';
    const char after = j < n ? text[j] : ' ';
    const bool in_symbol = letter(before) || digit(before) || before == '^' ||
                           (before == '-' && letter(before2)) || letter(after) || after == '^';
    if (!in_symbol) {
      std::string tok = text.substr(i, j - i);
      while (!tok.empty() && tok.back() == '.') tok.pop_back();
      if (before == '-' && !std::isalnum(static_cast<unsigned char>(before2))) tok = "-" + tok;
      out.push_back(tok);
    }
    i = j;
  }
  return out;
}

// The two lists equal; else the first difference with the numbers around it.
void expect_same_numbers(const std::string& what, const std::string& turkish,
                         const std::string& english) {
  const std::vector<std::string> tr = numbers(turkish), en = numbers(english);
  std::size_t k = 0;
  while (k < tr.size() && k < en.size() && tr[k] == en[k]) ++k;
  if (k == tr.size() && k == en.size()) return;
  auto around = [k](const std::vector<std::string>& v) {
    std::string s;
    for (std::size_t i = k < 3 ? 0 : k - 3; i < std::min(v.size(), k + 4); ++i)
      s += (i == k ? "[" + v[i] + "]" : v[i]) + " ";
    return s;
  };
  ADD_FAILURE() << what << ": number " << k + 1 << " differs (Turkish " << tr.size()
                << " numbers, English " << en.size() << ")\n  Turkish: " << around(tr)
                << "\n  English: " << around(en);
}

// Words of the Turkish report that an English one must not show.
void expect_english(const std::string& what, const std::string& text) {
  static const std::regex turkish(
      R"(\b(ICIN|ILE|VE|GORE|DIRENC|DIRENCI|KATSAYI|KATSAYISI|KATSAYILARI|PERVANE|PERVANENIN|)"
      R"(VERIM|VERIMI|HIZI|GEMI|GEMILERI|SAYISI|DEGERI|DEGERLERI|OLARAK|ACIKLAMALAR|BASIN|)"
      R"(TUSUNA|DEVAM|HESAP|HESABI|BILGILERI|GIRIN|CEVAP|DERECE|YONTEMI|ALANI|ORANI|TAKINTI|)"
      R"(SEVK|DUZELTME|KARAKTERISTIKLERI|OLMALI|OLMALIDIR|HATASI|HATA|DOSYASI|BULUNAMADI|)"
      R"(KULLANILAMAZ|Mevcut|Sirt|olmali|Gemiler|Gemisi|Kaynak|Yazarlar)\b)",
      std::regex::icase);
  std::smatch m;
  if (std::regex_search(text, m, turkish))
    ADD_FAILURE() << what << " shows the Turkish word '" << m.str() << "' in: "
                  << text.substr(static_cast<std::size_t>(std::max<long>(0, m.position() - 60)),
                                 120);
  for (const char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) {
      ADD_FAILURE() << what << " is not plain ASCII";
      break;
    }
}

std::vector<std::string> error_lines(const std::string& err) {
  std::vector<std::string> lines;
  for (const std::string& line : test::split_lines(err))
    if (line.starts_with("vardelonteksa: error: ")) lines.push_back(line);
  return lines;
}

class InEnglish : public ::testing::TestWithParam<std::string> {};

TEST_P(InEnglish, HoldsTheTurkishNumbersInTheSameOrder) {
  const LangRun tr = run_in_language(GetParam(), "tr");
  const LangRun en = run_in_language(GetParam(), "en");
  EXPECT_EQ(en.status, tr.status);
  EXPECT_EQ(en.son_written, tr.son_written);
  EXPECT_EQ(en.model_written, tr.model_written);
  expect_same_numbers("VARDELONTEKSA.SON", tr.son, en.son);
  expect_same_numbers("BORELI_VANSK_DEGERI.SON", tr.model, en.model);
  expect_english("VARDELONTEKSA.SON", en.son);
  expect_english("BORELI_VANSK_DEGERI.SON", en.model);
  expect_english("the console", en.out);

  // A stop says why in one English line on standard error, in both languages.
  const std::vector<std::string> errors = error_lines(tr.err);
  EXPECT_EQ(errors.size(), tr.status == 0 ? 0u : 1u) << tr.err;
  EXPECT_EQ(error_lines(en.err), errors);

  // Turkish is the default: --lang tr writes the approved files.
  if (test::case_options(GetParam()).empty()) {
    const fs::path approved = test::regression_root() / GetParam() / "approved";
    EXPECT_EQ(tr.out, read_file(approved / "console.txt"));
    EXPECT_EQ(tr.son, read_file(approved / "VARDELONTEKSA.SON"));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, InEnglish, ::testing::ValuesIn(test::regression_cases()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param;
                         });

TEST(NumbersOfAReport, StandAloneNumbersAndOverflowedFields) {
  using V = std::vector<std::string>;
  EXPECT_EQ(numbers("  CF*1000 =  1.390 eta0=0.603 C17 =   0.91 LR = ****** m"),
            (V{"1000", "1.390", "0.603", "0.91", "******"}));
  EXPECT_EQ(numbers(" = % 15. ETA-0  = 0.634 t2 = -.1200 10Kq 10^6 (1+k) 55. candidate"),
            (V{"15", "0.634", "-.1200", "1", "55"}));
}

}  // namespace
}  // namespace vdk
