// Input as a new user makes it: a data file saved by a text editor (CRLF line
// ends, a byte-order mark, tabs, no newline after the last line, Turkish letters
// in the comments), numbers in every written form, console answers typed with
// blanks around them. Each either gives the same run as the plain input, or a
// clear message naming the line, with no crash and no stray output.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/run_sequence.hpp"
#include "input/ship_file_layout.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::RunOutcome;
using test::split_lines;
using test::TempDir;

// The example ship converges at 0.604 with four blades and Keller's area ratio.
constexpr const char* kAnswers = "0.604\n4\nH\n\n\n";

// 0-based line index of the value line of group g (not the heading group), for
// a file whose value lists each fit on one line.
std::size_t value_line(int g) {
  std::size_t line = 0;
  for (const ShipFileGroup& group : SHIP_FILE_GROUPS()) {
    line += static_cast<std::size_t>(group.comment_lines);
    if (group.number == g) return line;
    if (group.shape != GroupShape::Heading) ++line;
  }
  return line;
}

bool is_value_line(std::size_t index) {
  for (const ShipFileGroup& group : SHIP_FILE_GROUPS())
    if (group.shape != GroupShape::Heading && value_line(group.number) == index) return true;
  return false;
}

std::string join(const std::vector<std::string>& lines, const std::string& eol = "\n") {
  std::string s;
  for (const auto& l : lines) s += l + eol;
  return s;
}

std::string plain_file() {
  return test::ship_file_text(test::worked_example());
}

// The plain file with the value line of group g replaced.
std::string with_value(int g, const std::string& line) {
  std::vector<std::string> lines = split_lines(plain_file());
  lines.at(value_line(g)) = line;
  return join(lines);
}

RunOutcome run(const std::string& data, const std::string& answers = kAnswers) {
  TempDir dir;
  return test::run_in(dir, data, answers);
}

void expect_same_run(const RunOutcome& r, const RunOutcome& plain, bool same_echo = true) {
  EXPECT_EQ(r.status, plain.status);
  EXPECT_EQ(r.console, plain.console);
  EXPECT_EQ(r.results, plain.results);
  if (same_echo) {
    EXPECT_EQ(r.echo, plain.echo);
  }
}

const RunOutcome& plain_run() {
  static const RunOutcome r = run(plain_file());
  return r;
}

TEST(BadInput, LayoutHelperFindsTheValueLines) {
  const std::vector<std::string> lines = split_lines(plain_file());
  ASSERT_EQ(lines.size(), 136u);
  EXPECT_EQ(lines[value_line(1)], "1025  9.81");
  EXPECT_EQ(lines[value_line(4)], "32");
  EXPECT_EQ(lines[value_line(43)], "0");
  ASSERT_EQ(plain_run().status, 0) << plain_run().console;
}

TEST(BadInput, EditorLineEndsAndByteOrderMarkReadAsThePlainFile) {
  const std::string text = plain_file();
  const std::vector<std::string> lines = split_lines(text);
  std::string no_last_newline = text;
  no_last_newline.pop_back();
  std::string crlf_no_last = join(lines, "\r\n");
  crlf_no_last.resize(crlf_no_last.size() - 2);
  const std::vector<std::pair<const char*, std::string>> variants{
      {"CRLF line ends", join(lines, "\r\n")},
      {"byte-order mark", "\xEF\xBB\xBF" + text},
      {"no newline after the last line", no_last_newline},
      {"all three together", "\xEF\xBB\xBF" + crlf_no_last},
  };
  for (const auto& [what, data] : variants) {
    SCOPED_TRACE(what);
    expect_same_run(run(data), plain_run());
  }
}

TEST(BadInput, TabsBetweenAndAroundValuesSeparateLikeBlanks) {
  std::vector<std::string> lines = split_lines(plain_file());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!is_value_line(i)) continue;
    std::string t;
    for (char c : lines[i]) {
      if (c != ' ')
        t += c;
      else if (t.empty() || t.back() != '\t')
        t += '\t';
    }
    lines[i] = "\t" + t + "\t";
  }
  expect_same_run(run(join(lines)), plain_run());
}

TEST(BadInput, TabsAndTurkishLettersInCommentsAreEchoedAsTyped) {
  std::vector<std::string> lines = split_lines(plain_file());
  // UTF-8: ş = C5 9F, ğ = C4 9F, ı = C4 B1, ö = C3 B6, ü = C3 BC, ç = C3 A7.
  const std::string turkish =
      "Su hatt\xC4\xB1 boyu Lwl (m) - \xC5\x9F\xC4\x9F\xC3\xB6\xC3\xBC\xC3\xA7";
  const std::string tabbed = "Moulded\tbreadth\tB (m)";
  // 79 letters and a two-byte one: the 80-column comment field ends inside it.
  const std::string long_turkish = std::string(79, 'a') + "\xC5\x9F sonu";
  lines.at(value_line(2) - 1) = turkish;
  lines.at(value_line(4) - 1) = tabbed;
  lines.at(value_line(3) - 1) = long_turkish;
  const RunOutcome r = run(join(lines));
  expect_same_run(r, plain_run(), false);

  const std::vector<std::string> echo = split_lines(r.echo);
  const std::vector<std::string> plain_echo = split_lines(plain_run().echo);
  ASSERT_EQ(echo.size(), plain_echo.size());
  // Each comment is echoed as its first 80 bytes, padded with blanks.
  EXPECT_EQ(echo[value_line(2) - 1], turkish + std::string(80 - turkish.size(), ' '));
  EXPECT_EQ(echo[value_line(4) - 1], tabbed + std::string(80 - tabbed.size(), ' '));
  EXPECT_EQ(echo[value_line(3) - 1].size(), 80u);
  EXPECT_EQ(echo[value_line(3) - 1].substr(0, 79), std::string(79, 'a'));
  for (std::size_t i = 0; i < echo.size(); ++i) {
    if (i == value_line(2) - 1 || i == value_line(3) - 1 || i == value_line(4) - 1) continue;
    EXPECT_EQ(echo[i], plain_echo[i]) << "echo line " << i + 1;
  }
}

TEST(BadInput, NumbersInEveryWrittenFormReadAsTheSameValues) {
  std::vector<std::string> lines = split_lines(plain_file());
  const std::vector<std::pair<int, std::string>> forms{
      {1, "1.025E+03  9.81e0"},  // RHO, GRAV
      {2, "205."},               // Lwl
      {3, "2.05E+02"},           // Lbp
      {4, "+32"},                // B
      {5, "1.0E+01  +10."},      // Tf, Ta
      {6, "3.75e4"},             // V
      {7, "-1.5375E+00"},        // LCB
      {11, ".98,.75"},           // Cm, Cwp with a comma
      {12, "1.0D+01"},           // Cstern, Fortran exponent letter
      {17, "+7  21.  22.0  2.3E+01  24  2.5e1  +26  27."},
      {18, "2.5E+01"},      // Vtrial
      {21, "5.0E+01,1.5"},  // rudder area and (1+k2)
      {32, "6.5"},
      {37, "+1  +1  0"},  // integers with a sign
      {38, ".85"},
      {39, ".15"},
      {40, "9.8E-01"},
      {41, "1.  1.  1.  1."},
      {43, "+0"},
  };
  for (const auto& [g, text] : forms) lines.at(value_line(g)) = text;
  expect_same_run(run(join(lines)), plain_run());
}

TEST(BadInput, ValuesThatAreNoNumbersNameTheLineAndGroup) {
  struct Case {
    int group;
    std::string line;
    std::string token;
  };
  const std::vector<Case> cases{
      {4, "32.0m", "32.0m"},                     // unit typed after the number
      {4, "32 m", ""},                           // unit as a separate word: ignored trailing text
      {2, "1.5E", "1.5E"},                       // exponent without digits
      {2, "E5", "E5"},                           // exponent without mantissa
      {2, "+", "+"},                             // sign alone
      {2, ".", "."},                             // point alone
      {2, "2..05", "2..05"},                     // two points
      {2, "1e39", "1e39"},                       // beyond a REAL
      {2, "nan", "nan"},                         // not a number
      {2, "inf", "inf"},                         // infinity
      {2, "0x10", "0x10"},                       // hexadecimal
      {17, "7.0  21 22 23 24 25 26 27", "7.0"},  // integer count written as a real
      {37, "1  1.  0", "1."},                    // SERIES written as a real
      {2,
       "\xC5\x9F"
       "205",
       "\xC5\x9F"
       "205"},  // a Turkish letter glued to the number
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const RunOutcome r = run(with_value(c.group, c.line));
    if (c.token.empty()) {
      expect_same_run(r, plain_run(), false);
      continue;
    }
    EXPECT_EQ(r.status, 1);
    const std::string where = "VARDELONTEKSA.TSK, SATIR " +
                              std::to_string(value_line(c.group) + 1) + ", GRUP " +
                              std::to_string(c.group) + ":";
    EXPECT_NE(r.console.find(where), std::string::npos) << r.console;
    EXPECT_NE(r.console.find("OKUNAN: '" + c.token + "'"), std::string::npos) << r.console;
    EXPECT_EQ(r.results, "");
    EXPECT_EQ(r.console.substr(r.console.size() - 27), "Stop - Program terminated.\n");
  }
}

TEST(BadInput, ConsoleAnswersWithBlanksAroundThemAreRead) {
  const std::vector<std::pair<const char*, std::string>> variants{
      {"blanks", " 0.604 \n 4\n H\n\n\n"},
      {"tabs", "\t0.604\t\n\t4\t\nH\t\n\n\n"},
      {"CRLF", "0.604\r\n4\r\nH\r\n\r\n\r\n"},
      {"number forms", "6.04E-01\n4.\nH\n\n\n"},
      {"a blank line before an answer", "\n0.604\n\n4\nH\n\n\n"},
  };
  for (const auto& [what, answers] : variants) {
    SCOPED_TRACE(what);
    expect_same_run(run(plain_file(), answers), plain_run());
  }
}

TEST(BadInput, AreaRatioTypedWithBlanksAfterE) {
  const RunOutcome typed = run(plain_file(), "0.604\n4\nE\n0.7\n\n\n");
  const RunOutcome spaced = run(plain_file(), "0.604\n4\nE \n 0.7 \n\n\n");
  const RunOutcome lower = run(plain_file(), "0.604\n4\ne\n0.7\n\n\n");
  EXPECT_NE(typed.results.find("0.700"), std::string::npos);
  expect_same_run(spaced, typed);
  expect_same_run(lower, typed);
}

// The E/H answer typed with blanks around it counts like the letter alone.
TEST(BadInput, EAnswerWithBlanksAroundIt) {
  const RunOutcome spaced_e = run(plain_file(), " 0.604 \n 4\n  e  \n 0.7 \n\n\n");
  const RunOutcome e = run(plain_file(), "0.604\n4\nE\n0.7\n\n\n");
  EXPECT_EQ(spaced_e.status, e.status);
  EXPECT_EQ(spaced_e.results, e.results);
  EXPECT_NE(spaced_e.console.find("PERVANE DUZLENMIS ACININ ALANI ORANINI GIRIN"),
            std::string::npos);
  const RunOutcome spaced_h = run(plain_file(), "0.604\n4\n\tH \n\n\n");
  const RunOutcome h = run(plain_file(), "0.604\n4\nH\n\n\n");
  EXPECT_EQ(spaced_h.results, h.results);
}

TEST(BadInput, AnswersThatAreNoNumbersEndTheRunWithAMessage) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"0,604\n4\nH\n", "CEVAP OKUNAMADI - etad ICIN BIR SAYI GEREKIR - STOP"},  // decimal comma
      {"yuzde altmis\n", "CEVAP OKUNAMADI - etad ICIN BIR SAYI GEREKIR - STOP"},
      {"0.604\ndort\n", "CEVAP OKUNAMADI - Z ICIN BIR SAYI GEREKIR - STOP"},
      {"0.604\n4\nE\n", "CEVAP OKUNAMADI - EAR ICIN BIR SAYI GEREKIR - STOP"},
      {"0.604\n4\n", "CEVAP OKUNAMADI - (E / H) SECIMI BEKLENIYORDU - STOP"},
      {"", "CEVAP OKUNAMADI - etad ICIN BIR SAYI GEREKIR - STOP"},
  };
  for (const auto& [answers, message] : cases) {
    SCOPED_TRACE(answers);
    const RunOutcome r = run(plain_file(), answers);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.console.find(message), std::string::npos) << r.console;
    EXPECT_EQ(r.console.substr(r.console.size() - 27), "Stop - Program terminated.\n");
  }
}

// Blade numbers the Wageningen B series does not have and area ratios of zero
// or below end the run with status 1, whether typed or given by option.
TEST(BadInput, BladeNumberAndAreaRatioTheSeriesCannotUseAreRefused) {
  const std::string z = " KULLANILAMAZ - KANAT SAYISI 2 ILE 7 ARASINDA TAM SAYI OLMALIDIR - STOP";
  const std::string ear = " KULLANILAMAZ - ACINIM ALANI ORANI SIFIRDAN BUYUK OLMALIDIR - STOP";
  struct Case {
    std::vector<std::string> options;
    std::string answers, message;
  };
  const std::vector<Case> cases{
      {{}, "0.604\n9\n", "    Z =    9.000" + z},
      {{}, "0.604\n1\n", "    Z =    1.000" + z},
      {{}, "0.604\n4.5\n", "    Z =    4.500" + z},
      {{}, "0.604\n4\nE\n0\n", "    Ear =    0.000" + ear},
      {{}, "0.604\n7\nH\n\n\n", ""},  // the ends of the range are blade numbers
      {{}, "0.604\n2\nH\n\n\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    TempDir dir;
    test::write_file(dir.path / "VARDELONTEKSA.TSK", plain_file());
    std::vector<std::string> args{"-C", dir.path.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    std::istringstream in(c.answers);
    std::ostringstream out, err;
    const int status = RUN_PROGRAM(args, in, out, err);
    if (c.message.empty()) {
      EXPECT_NE(status, 1) << out.str();
      continue;
    }
    EXPECT_EQ(status, 1);
    const auto con = split_lines(out.str());
    EXPECT_NE(std::find(con.begin(), con.end(), c.message), con.end()) << out.str();
    EXPECT_TRUE(out.str().ends_with("Stop - Program terminated.\n"));
    EXPECT_EQ(test::read_file(dir.path / "VARDELONTEKSA.SON").find("PERVANEYE CAPI"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

// A stop on the data file says on standard error, in one English line, which
// file (the one --data names), which line and group and which value, in
// both languages; the console shows the Turkish lines as ever, or the same
// explanation in English.
TEST(BadInput, DataFileStopsNameFileLineAndGroupOnStandardError) {
  struct Case {
    int group;
    std::string line, where, what;
  };
  const std::vector<Case> cases{
      {4, "32.0m", "group 4: B must be a number, read '32.0m'", "B ICIN SAYI BEKLENIYORDU"},
      {11, "1.08  0.82", "group 11 (Cm): the midship coefficient Cm = 1.0800",
       "Cm = 1.0800 0 ILE 1 ARASINDA OLMALI"},
      {17, "7  21 22 21.5 24 25 26 27", "group 17 (Vs(3)): the speeds must rise",
       "HIZLAR KUCUKTEN BUYUGE SIRALI OLMALI"},
      {18, "28", "group 18: the trial speed Vtrial = 28.00 kn lies outside", "DATA GIRISI HATASI"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string error = "vardelonteksa: error: data file SHIP.TSK, line " +
                              std::to_string(value_line(c.group) + 1) + ", " + c.where;
    for (const char* lang : {"tr", "en"}) {
      TempDir dir;
      test::write_file(dir.path / "SHIP.TSK", with_value(c.group, c.line));
      std::istringstream in(kAnswers);
      std::ostringstream out, err;
      const int status = RUN_PROGRAM(
          {"-C", dir.path.string(), "--data", "SHIP.TSK", "--lang", lang}, in, out, err);
      EXPECT_EQ(status, 1);
      EXPECT_TRUE(err.str().starts_with(error)) << err.str();
      EXPECT_EQ(split_lines(err.str()).size(), 1u) << err.str();
      if (std::string(lang) == "tr") {
        EXPECT_NE(out.str().find(c.what), std::string::npos) << out.str();
      } else {
        EXPECT_NE(out.str().find(" Error: " + error.substr(22)), std::string::npos) << out.str();
      }
    }
  }
}

}  // namespace
}  // namespace vdk
