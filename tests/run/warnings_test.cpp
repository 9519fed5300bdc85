// The warnings where a result may not be trusted: each code raised by a small
// data file, and none where the ship and its propeller are ordinary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "input/read_ship_data.hpp"
#include "run/calculate.hpp"
#include "run/converge.hpp"
#include "support/test_support.hpp"

namespace vdk {
namespace {

namespace fs = std::filesystem;

using test::source_dir;

// The codes of a run of the data file `text` with `answers`; the efficiency
// is the one the run itself finds, so the run reaches its end.
std::set<std::string> codes(const std::string& text, Answers answers = {}) {
  std::istringstream data(text);
  const ReadResult read = READ_SHIP_DATA(data);
  EXPECT_FALSE(read.stop) << (read.message_lines.empty() ? "" : read.message_lines.back());
  EXPECT_FALSE(VALIDATE_SHIP_DATA(read.ship).stop);
  if (!answers.Z) answers.Z = 4;
  if (!answers.etad) {
    ScriptedDialogue ask(answers);
    answers.etad =
        *CONVERGE_ETAD(read.ship, ask, 0.6f, false, answers, answers.EAR.has_value()).answers.etad;
  }
  std::set<std::string> out;
  for (const Warning& w : CALCULATE(read.ship, answers).warnings) out.insert(w.code);
  return out;
}

std::string file_of(const test::ShipFile& f) {
  return test::ship_file_text(f);
}

std::string folder(const std::string& name) {
  return test::read_file(test::regression_root() / name / "VARDELONTEKSA.TSK");
}

// The data file with the value line of the group whose comment starts with
// `comment` replaced by `values`.
std::string with_line(std::string text, const std::string& comment, const std::string& values) {
  const std::size_t at = text.find("\n" + comment);
  EXPECT_NE(at, std::string::npos) << comment;
  const std::size_t line = text.find('\n', at + 1) + 1;
  return text.replace(line, text.find('\n', line) - line, values);
}

using Codes = std::set<std::string>;

TEST(Warnings, SilentOnOrdinaryShipsAndTheTrueOnesOnTheExample) {
  EXPECT_EQ(codes(folder("tanker_full_form")), Codes{});
  EXPECT_EQ(codes(folder("bulk_carrier_four_speeds")), Codes{});
  // The example ship at 25 knots is a heavily loaded single screw: its
  // propeller is below Burrill's 5 % line with a tip speed of 47 m/s, and
  // nothing else is out of the ordinary.
  EXPECT_EQ(codes(test::read_file(source_dir() / "examples" / "VARDELONTEKSA.TSK")),
            (Codes{"W401", "W402"}));
}

TEST(Warnings, ResistanceMethodRange) {
  test::ShipFile wide = test::worked_example();
  wide.ship.B = 60.0f;  // L/B 3.4, B/T 6: no ship type of the method
  EXPECT_TRUE(codes(file_of(wide)).count("W101"));
  test::ShipFile fast = test::worked_example();
  for (int i = 1; i <= 7; ++i) fast.ship.Vs(i) = 26.0f + 2.0f * static_cast<float>(i);
  fast.ship.Vtrial = 30.0f;  // Fn above 0.30 for a hull that fits the cargo liners at best
  EXPECT_TRUE(codes(file_of(fast)).count("W102"));
}

// The frigate's speed list crosses Fn 0.40 between 26 and 28 kn, where the
// classic curve steps; the 1984 method says where its own ranges lie instead.
TEST(Warnings, ResistanceCurveAcrossFnPoint40ByMethod) {
  const std::string naval = folder("naval_twin_screw");
  EXPECT_TRUE(codes(naval, Answers{{}, 5.0f, {}}).count("W104"));
  std::istringstream data(naval);
  RunOptions o;
  o.Z = 5.0f;
  o.method = Method::HM1984;
  Codes published;
  for (const Warning& w : CALCULATE_RUN(READ_SHIP_DATA(data).ship, o).warnings)
    published.insert(w.code);
  EXPECT_TRUE(published.count("W103"));
  EXPECT_FALSE(published.count("W104"));
}

TEST(Warnings, PropellerSeriesSearchAndLoading) {
  // An area ratio above the Wageningen B series, and above the Gawn series.
  EXPECT_TRUE(codes(folder("tanker_full_form"), Answers{{}, 4.0f, 1.2f}).count("W201"));
  EXPECT_TRUE(codes(folder("small_craft_gawn_cpp"), Answers{{}, 3.0f, 1.3f}).count("W202"));
  EXPECT_TRUE(codes(folder("twin_pod_ropax")).count("W301"));
  const Codes example = codes(test::read_file(source_dir() / "examples" / "VARDELONTEKSA.TSK"));
  EXPECT_TRUE(example.count("W401") && example.count("W402"));
  EXPECT_TRUE(codes(folder("naval_twin_screw"), Answers{{}, 5.0f, {}}).count("W501"));
}

TEST(Warnings, SuspiciousInput) {
  const std::string tanker = folder("tanker_full_form");
  // One speed fewer counted than listed (the last of the list is left over).
  EXPECT_EQ(
      codes(with_line(tanker, "NSPEED", "9  12  12.5  13  13.5  14  14.5  15  15.5  16  16.5")),
      Codes{"W601"});
  // A decimal comma in the breadth: 44 and a surplus 0.
  const Codes comma = codes(with_line(tanker, "B - moulded", "44,0"));
  EXPECT_TRUE(comma.count("W602") && comma.count("W601"));
  // Text after the values is a note, not a surplus number.
  EXPECT_EQ(codes(with_line(tanker, "B - moulded", "44.0   m, was 43.5")), Codes{});
  test::ShipFile percent = test::worked_example();
  percent.ship.SeaMargin = 15.0f;
  EXPECT_TRUE(codes(file_of(percent)).count("W603"));
}

}  // namespace
}  // namespace vdk
