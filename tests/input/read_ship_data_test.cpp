#include "input/read_ship_data.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "core/stop.hpp"
#include "input/ship_keys.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

using test::ShipFile;
using test::split_lines;

struct ReadOutcome {
  ShipRecord ship;
  std::string echo, console;
  int status = -1;  // -1: no stop
};

// The record, the echo and the console text a run shows for the stop.
ReadOutcome read(const std::string& text) {
  std::istringstream data(text);
  ReadResult result = READ_SHIP_DATA(data);
  ReadOutcome r{result.ship, result.echo, {}, -1};
  for (const std::string& line : result.message_lines) r.console += line + '\n';
  if (result.stop) r.status = result.stop->status;
  EXPECT_EQ(result.stop.has_value(), !result.message_lines.empty());
  return r;
}

// Replaces the first line equal to `from` (after the first `after` lines).
std::string replace_line(const std::string& text, const std::string& from, const std::string& to) {
  auto lines = split_lines(text);
  std::string out;
  bool done = false;
  for (const auto& l : lines) {
    out += (!done && l == from) ? (done = true, to) : l;
    out += '\n';
  }
  EXPECT_TRUE(done) << "line not found: " << from;
  return out;
}

TEST(ShipData, ReadsTheWholeExampleAndEchoesEveryLine) {
  ShipFile f = test::worked_example();
  ReadOutcome r = read(test::ship_file_text(f));
  ASSERT_EQ(r.status, -1) << r.console;
  EXPECT_FLOAT_EQ(r.ship.Lwl, 205.0f);
  EXPECT_FLOAT_EQ(r.ship.LCB, -1.5375f);
  EXPECT_EQ(r.ship.NSPEED, 7);
  EXPECT_FLOAT_EQ(r.ship.Vs(7), 27.0f);
  EXPECT_FLOAT_EQ(r.ship.OnePlusK2(2), 1.5f);  // given
  EXPECT_FLOAT_EQ(r.ship.OnePlusK2(4), 3.0f);  // default kept
  EXPECT_FLOAT_EQ(r.ship.Hsd, 10.0f - 3.2f);   // shaft height 0 -> 0.32 Ta
  EXPECT_EQ(r.ship.NoDN, 0);
  auto echo = split_lines(r.echo);
  // 94 comment lines, 42 value lines, the correction heading.
  ASSERT_EQ(echo.size(), 94u + 42u);
  for (const auto& l : echo) EXPECT_TRUE(l.size() == 80 || l.size() < 80);
  EXPECT_EQ(echo[13], "1025.00   9.8100");
  EXPECT_EQ(echo[15], " 205.000");
  EXPECT_EQ(echo[23], " 37500.000");
  EXPECT_EQ(echo[echo.size() - 10], "     0.0 Micron");
  EXPECT_EQ(echo.back(), " Dalga Direnc Duzeltme Faktorleri");
}

TEST(ShipData, CommentLinesAreCutOrPaddedToEightyColumns) {
  std::string text = test::ship_file_text(test::worked_example());
  std::string long_line(100, 'L');
  text = replace_line(text, "Waterline length Lwl (m)", long_line);
  text = replace_line(text, "Moulded breadth B (m)", "B");
  auto echo = split_lines(read(text).echo);
  EXPECT_EQ(echo[14], std::string(80, 'L'));
  EXPECT_EQ(echo[18], "B" + std::string(79, ' '));
}

TEST(ShipData, ValueLinesTakeCommasContinuationAndTrailingText) {
  ShipFile f = test::worked_example();
  std::string text = test::ship_file_text(f);
  text = replace_line(text, "205", "205,  Lwl of the example ship");
  text =
      replace_line(text, "7  21  22  23  24  25  26  27", "7  21  22\n23,24\n25 26 27 99 ignored");
  text = replace_line(text, "10  10", "10,10");
  ReadOutcome r = read(text);
  ASSERT_EQ(r.status, -1) << r.console;
  EXPECT_FLOAT_EQ(r.ship.Lwl, 205.0f);
  EXPECT_FLOAT_EQ(r.ship.Vs(7), 27.0f);
  EXPECT_FLOAT_EQ(r.ship.Ta, 10.0f);
  auto echo = split_lines(r.echo);
  EXPECT_EQ(echo[15], " 205.000");
  // The count and all speeds on one echo line.
  bool found = false;
  for (const auto& l : echo)
    if (l == "  7  21.000  22.000  23.000  24.000  25.000  26.000  27.000") found = true;
  EXPECT_TRUE(found);
}

TEST(ShipData, NumbersWrittenTheWaysPeopleWriteThem) {
  EXPECT_EQ(PARSE_LIST_REAL("1.5E+01"), 15.0f);
  EXPECT_EQ(PARSE_LIST_REAL("+3"), 3.0f);
  EXPECT_EQ(PARSE_LIST_REAL(".5"), 0.5f);
  EXPECT_EQ(PARSE_LIST_REAL("5."), 5.0f);
  EXPECT_EQ(PARSE_LIST_REAL("-1.5d0"), -1.5f);
  EXPECT_EQ(PARSE_LIST_REAL("1e-3"), 0.001f);
  EXPECT_FALSE(PARSE_LIST_REAL("abc"));
  EXPECT_FALSE(PARSE_LIST_REAL("1.2.3"));
  EXPECT_FALSE(PARSE_LIST_REAL("."));
  EXPECT_FALSE(PARSE_LIST_REAL("1e"));
  EXPECT_FALSE(PARSE_LIST_REAL("1e99"));
  EXPECT_FALSE(PARSE_LIST_REAL("nan"));
  EXPECT_EQ(PARSE_LIST_INT("+7"), 7);
  EXPECT_EQ(PARSE_LIST_INT("-2"), -2);
  EXPECT_FALSE(PARSE_LIST_INT("5.0"));
  EXPECT_FALSE(PARSE_LIST_INT("99999999999"));
}

TEST(ShipData, EditorLineEndsTabsAndByteOrderMark) {
  std::string text = test::ship_file_text(test::worked_example());
  std::string crlf;
  for (const auto& l : split_lines(text)) crlf += l + "\r\n";
  crlf = "\xEF\xBB\xBF" + crlf;
  crlf.pop_back();  // no final newline
  crlf.pop_back();
  crlf = replace_line(crlf, "10  10\r", "10\t10\r");
  ReadOutcome r = read(crlf);
  ASSERT_EQ(r.status, -1) << r.console;
  EXPECT_FLOAT_EQ(r.ship.Ta, 10.0f);
  EXPECT_EQ(r.ship.NCORR, 0);
  auto echo = split_lines(r.echo);
  EXPECT_EQ(echo[0].substr(0, 5), "*****");
  for (const auto& l : echo) EXPECT_EQ(l.find('\r'), std::string::npos);
}

TEST(ShipData, DefaultsAndDerivedValues) {
  ShipFile f = test::worked_example();
  f.k2_given(1) = 0.0005f;  // too small: default stays
  f.k2_given(3) = -1.5f;    // absolute value counts
  f.shaft_height = 3.0f;
  f.ship.D = 0.0f;
  f.ship.N = 0.0005f;
  ReadOutcome r = read(test::ship_file_text(f));
  ASSERT_EQ(r.status, -1);
  EXPECT_FLOAT_EQ(r.ship.OnePlusK2(1), 1.75f);
  EXPECT_FLOAT_EQ(r.ship.OnePlusK2(3), -1.5f);
  EXPECT_FLOAT_EQ(r.ship.Hsd, 7.0f);
  EXPECT_EQ(r.ship.NoDN, 1);
  EXPECT_EQ(r.ship.AppendageName(8), "SAFTLAR" + std::string(23, ' '));
}

TEST(ShipData, RoughnessAndCorrectionFactorsEcho) {
  ShipFile f = test::worked_example();
  f.ship.Roughness = 150.0f;
  f.ship.NCORR = 3;
  f.ship.Fcorr(1) = 1.0f;
  f.ship.Fcorr(2) = 1.1f;
  f.ship.Fcorr(3) = 1.2f;
  ReadOutcome r = read(test::ship_file_text(f));
  ASSERT_EQ(r.status, -1);
  auto echo = split_lines(r.echo);
  ASSERT_GE(echo.size(), 4u);
  EXPECT_EQ(echo[echo.size() - 13], "   150.0 Micron");
  EXPECT_EQ(echo[echo.size() - 4], " Dalga Direnc Duzeltme Faktorleri");
  EXPECT_EQ(echo[echo.size() - 3], "   1    1.000");
  EXPECT_EQ(echo.back(), "   3    1.200");
}

TEST(TrialSpeedCheck, EndpointsPassAndOutsideStops) {
  ShipFile f = test::worked_example();
  f.ship.Vtrial = 27.0f;
  EXPECT_EQ(read(test::ship_file_text(f)).status, -1);
  f.ship.Vtrial = 21.0f;
  EXPECT_EQ(read(test::ship_file_text(f)).status, -1);
  f.ship.Vtrial = 27.01f;
  ReadOutcome r = read(test::ship_file_text(f));
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  EXPECT_EQ(r.console,
            "\n\n\n\n     **** DATA GIRISI HATASI ****\n"
            "    SEYIR HIZI Vtrial =  27.01 knots\n"
            "    Vs(1)= 21.00 --- Vs(n)= 27.00 knots\n"
            "    GIRILEN HIZ ARALIGI DISINDA GIRILDI - STOP\n\n\n");
  // The echo holds the groups up to and including the trial speed.
  auto echo = split_lines(r.echo);
  EXPECT_EQ(echo.back(), "  27.010");
  EXPECT_EQ(echo.size(), 57u);
}

struct BadInput {
  std::string from, to, expect;
};

TEST(ShipData, UnusableInputNamesLineGroupAndField) {
  const std::string good = test::ship_file_text(test::worked_example());
  const BadInput cases[] = {
      {"205", "two hundred", "SATIR 16, GRUP 2: Lwl ICIN SAYI BEKLENIYORDU, OKUNAN: 'two'"},
      {"7  21  22  23  24  25  26  27", "7.0  21  22  23  24  25  26  27",
       "GRUP 17: NSPEED ICIN TAMSAYI BEKLENIYORDU, OKUNAN: '7.0'"},
      {"7  21  22  23  24  25  26  27", "51  21", "NSPEED = 51 - 1 ILE 50 ARASINDA OLMALI"},
      {"7  21  22  23  24  25  26  27", "0", "NSPEED = 0 - 1 ILE 50 ARASINDA OLMALI"},
      {"0", "1 1.0", "NCORR = 1 - 0 VEYA 2 ILE 10 ARASINDA OLMALI"},
      {"1  1  0", "1  x  0", "GRUP 37: SERIES ICIN TAMSAYI BEKLENIYORDU"},
  };
  for (const BadInput& c : cases) {
    std::string text = good;
    if (c.from == "0") {  // the last line: NCORR
      text = text.substr(0, text.size() - 2) + c.to + "\n";
    } else {
      text = replace_line(text, c.from, c.to);
    }
    ReadOutcome r = read(text);
    EXPECT_EQ(r.status, EXIT_BAD_INPUT) << c.to;
    EXPECT_NE(r.console.find(c.expect), std::string::npos) << r.console;
    EXPECT_NE(r.console.find("VARDELONTEKSA.TSK"), std::string::npos);
  }
  // A file that ends early.
  ReadOutcome r = read(good.substr(0, good.find("Moulded breadth")));
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  EXPECT_NE(r.console.find("GRUP 4: DOSYA BEKLENENDEN ONCE BITTI"), std::string::npos) << r.console;
}

TEST(ShipData, ValidationRefusesValuesNoCalculationCanUse) {
  auto refused = [](auto change, const std::string& expect) {
    ShipFile f = test::worked_example();
    change(f.ship);
    ShipRecord s = read(test::ship_file_text(f)).ship;
    ValidationResult checked = VALIDATE_SHIP_DATA(s);
    EXPECT_EQ(checked.stop.has_value(), !expect.empty()) << expect;
    if (!expect.empty()) {
      EXPECT_EQ(checked.stop->status, EXIT_BAD_INPUT);
      ASSERT_EQ(checked.message_lines.size(), 2u);
      EXPECT_EQ(checked.message_lines[0], "");
      EXPECT_EQ(checked.message_lines[1].rfind(" VERI HATASI - VARDELONTEKSA.TSK: ", 0), 0u);
      EXPECT_NE(checked.message_lines[1].find(expect), std::string::npos)
          << checked.message_lines[1];
    }
  };
  refused([](ShipRecord&) {}, "");
  refused([](ShipRecord& s) { s.B = 0; }, "B = 0.0000 SIFIRDAN BUYUK OLMALI");
  refused([](ShipRecord& s) { s.RHO = -1025; }, "RHO = -1025.0000");
  refused([](ShipRecord& s) { s.Cm = 1.01f; }, "Cm = 1.0100");
  refused([](ShipRecord& s) { s.Cm = 1.0f; }, "");
  refused([](ShipRecord& s) { s.Vs(3) = s.Vs(2); }, "Vs(3) = 22.0000");
  refused([](ShipRecord& s) { s.NPROP = 0; }, "NPROP = 0 EN AZ 1 OLMALI");
  refused([](ShipRecord& s) { s.SERIES = 3; }, "SERIES = 3");
  refused([](ShipRecord& s) { s.D = 0.05f; }, "D = 0.0500");
  refused([](ShipRecord& s) { s.N = -120; }, "N = -120.0000");
  refused([](ShipRecord& s) { s.MCR = 0; }, "MCR = 0.0000 SIFIRDAN BUYUK OLMALI");
  refused([](ShipRecord& s) { s.etas = -0.98f; }, "etas = -0.9800 SIFIRDAN BUYUK OLMALI");
  // Percentages typed for fractions; exactly 1 is a fraction still.
  refused([](ShipRecord& s) { s.MCR = 85; }, "MCR = 85.0000 1 DEN BUYUK OLAMAZ");
  refused([](ShipRecord& s) { s.etas = 1.001f; }, "etas = 1.0010 1 DEN BUYUK OLAMAZ");
  refused([](ShipRecord& s) { s.MCR = s.etas = 1; }, "");
  // A resistance-only ship needs no propeller data.
  refused(
      [](ShipRecord& s) {
        s.D = 0;
        s.N = 0;
        s.NPROP = 0;
        s.SERIES = 0;
        s.MCR = 0;
        s.etas = 0;
      },
      "");
}

TEST(ShipData, TextEditorsOfEveryKind) {
  const std::string text = test::ship_file_text(test::worked_example());
  // Old-style lone CR line ends read like LF.
  std::string cr = text;
  for (char& ch : cr)
    if (ch == '\n') ch = '\r';
  ReadOutcome r = read(cr);
  ASSERT_EQ(r.status, -1) << r.console;
  EXPECT_FLOAT_EQ(r.ship.Ta, 10.0f);
  // A UTF-8 letter that the 80-column cut would split is left out whole.
  std::string turkish = std::string(79, 'a') + "\xC5\x9F" + "bbb";
  auto echo = split_lines(read(replace_line(text, "Moulded breadth B (m)", turkish)).echo);
  EXPECT_EQ(echo[18], std::string(79, 'a') + " ");
  // A file saved as UTF-16 is named as such.
  r = read("\xFF\xFE*\x00*\x00\n");
  EXPECT_EQ(r.status, EXIT_BAD_INPUT);
  EXPECT_NE(r.console.find("UTF-16"), std::string::npos) << r.console;
  // Control bytes in a bad value are shown escaped.
  r = read(replace_line(text, "205",
                        "2\x01"
                        "05"));
  EXPECT_NE(r.console.find("OKUNAN: '2\\x0105'"), std::string::npos) << r.console;
}

TEST(ConsoleAnswers, ListDirectedRealFromALine) {
  std::istringstream in("\n   0.65  extra\n abc\n");
  EXPECT_EQ(READ_CONSOLE_REAL(in), 0.65f);
  EXPECT_FALSE(READ_CONSOLE_REAL(in));
  EXPECT_FALSE(READ_CONSOLE_REAL(in));  // end of input
  // A decimal comma is refused, a comma after a whole answer is not.
  std::istringstream comma("0,85\n0.85,\n 4 , 5\n");
  EXPECT_FALSE(READ_CONSOLE_REAL(comma));
  EXPECT_EQ(READ_CONSOLE_REAL(comma), 0.85f);
  EXPECT_EQ(READ_CONSOLE_REAL(comma), 4.0f);
}

// The ship model derives its own values: a record read from a file, changed
// in code and derived again, is the record read from the file with that
// value; its echo, made from the record, is the reader's; and the checks made
// while reading are made of the record too.
TEST(ShipModel, ChangedRecordDerivesAndEchoesAsTheFileWithThatValue) {
  for (const std::string& name : test::regression_cases()) {
    const std::filesystem::path file = test::regression_root() / name / test::case_data_file(name);
    if (file.extension() != ".TSK") continue;
    std::istringstream data(test::read_file(file));
    const ReadResult r = READ_SHIP_DATA(data);
    if (r.stop) continue;
    EXPECT_EQ(ECHO_LISTING(r.ship, r.comments), r.echo) << name;
  }
  ShipFile f = test::worked_example();
  std::istringstream data(test::ship_file_text(f));
  ShipRecord changed = READ_SHIP_DATA(data).ship;
  std::string error;
  ASSERT_TRUE(SET_SHIP_VALUE(changed, "Ta", 11.0f, error)) << error;
  ASSERT_TRUE(SET_SHIP_VALUE(changed, "N", 95.0f, error)) << error;
  changed.OnePlusK2Given(3) = 2.5f;
  DERIVE_SHIP(changed);
  f.ship.Ta = 11.0f;
  f.ship.N = 95.0f;
  f.k2_given(3) = 2.5f;
  std::istringstream again(test::ship_file_text(f));
  const ShipRecord read = READ_SHIP_DATA(again).ship;
  EXPECT_EQ(changed.Hsd, read.Hsd);
  EXPECT_EQ(changed.OnePlusK2(3), 2.5f);
  EXPECT_EQ(changed.PropCase, read.PropCase);
  EXPECT_EQ(changed.PropCase, 2);
  EXPECT_EQ(changed.NoDN, 0);

  changed.Vtrial = changed.Vs(changed.NSPEED) + 1.0f;
  const ValidationResult v = VALIDATE_SHIP_DATA(changed);
  ASSERT_TRUE(v.stop);
  EXPECT_EQ(v.stop->reason, "trial speed outside the speed range");
  changed.Vtrial = changed.Vs(1);
  changed.NSPEED = 51;
  EXPECT_TRUE(VALIDATE_SHIP_DATA(changed).stop);
}

}  // namespace
}  // namespace vdk
