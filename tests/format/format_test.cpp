#include "format/format.hpp"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace vdk {
namespace {

std::string F(std::string_view fmt, const std::vector<Item>& items = {}) {
  return FORMAT_TO_STRING(fmt, items);
}

TEST(FieldEditing, RealFieldsRoundAndOverflow) {
  EXPECT_EQ(EDIT_REAL(1234.5678f, 8, 3), "1234.568");
  EXPECT_EQ(EDIT_REAL(123456.0f, 8, 3), "********");
  EXPECT_EQ(EDIT_REAL(9.999f, 5, 2), "10.00");
  EXPECT_EQ(EDIT_REAL(99.999f, 5, 2), "*****");
  EXPECT_EQ(EDIT_REAL(3.0f, 8, 3), "   3.000");
  EXPECT_EQ(EDIT_REAL(-2.5f, 8, 3), "  -2.500");
}

TEST(FieldEditing, LeadingZeroOnlyWhenThereIsRoom) {
  EXPECT_EQ(EDIT_REAL(0.5f, 5, 3), "0.500");
  EXPECT_EQ(EDIT_REAL(-0.5f, 5, 3), "-.500");
  EXPECT_EQ(EDIT_REAL(-0.5f, 6, 3), "-0.500");
  EXPECT_EQ(EDIT_REAL(0.5f, 4, 3), ".500");
  // A small negative value keeps its sign when it rounds to zero.
  EXPECT_EQ(EDIT_REAL(-0.00001f, 6, 4), "-.0000");
  EXPECT_EQ(EDIT_REAL(-0.00001f, 7, 4), "-0.0000");
}

TEST(FieldEditing, ZeroDecimalsKeepThePoint) {
  EXPECT_EQ(EDIT_REAL(15.0f, 4, 0), " 15.");
  EXPECT_EQ(EDIT_REAL(4.0f, 2, 0), "4.");
  EXPECT_EQ(EDIT_REAL(37500.0f, 6, 0), "37500.");
}

TEST(FieldEditing, RoundsTheExactBinaryValueTiesToEven) {
  // 0.125 is exact: a true tie, rounded to even.
  EXPECT_EQ(EDIT_REAL(0.125f, 5, 2), " 0.12");
  EXPECT_EQ(EDIT_REAL(0.375f, 5, 2), " 0.38");
  // 2.675f is stored as 2.6749999523...: rounds down.
  EXPECT_EQ(EDIT_REAL(2.675f, 5, 2), " 2.67");
  // 0.15f is stored as 0.1500000059...: rounds up.
  EXPECT_EQ(EDIT_REAL(0.15f, 4, 1), " 0.2");
}

TEST(FieldEditing, IntegersAndSpecialValues) {
  EXPECT_EQ(EDIT_INT(100, 2), "**");
  EXPECT_EQ(EDIT_INT(-5, 3), " -5");
  EXPECT_EQ(EDIT_INT(-50, 2), "**");
  EXPECT_EQ(EDIT_REAL(std::numeric_limits<float>::quiet_NaN(), 6, 3), "   NaN");
  EXPECT_EQ(EDIT_REAL(-std::numeric_limits<float>::infinity(), 6, 3), "  -Inf");
  EXPECT_EQ(EDIT_REAL(std::numeric_limits<float>::infinity(), 2, 0), "**");
}

TEST(Formats, TextFieldsCutOrRightJustify) {
  std::string t32 = "SEYIR TECRUBESI HIZI - Vseyir = ";
  ASSERT_EQ(t32.size(), 32u);
  EXPECT_EQ(F("(2X,A40,F8.3,' knots')", {t32, 25.0f}),
            "  " + std::string(8, ' ') + t32 + "  25.000 knots\n");
  std::string t80(80, 'x');
  t80.replace(0, 3, "abc");
  EXPECT_EQ(F("(A40)", {t80}), t80.substr(0, 40) + "\n");
  EXPECT_EQ(F("(A,1X,A)", {"ab ", "c"}), "ab  c\n");
}

TEST(Formats, AppendageLineLayout) {
  std::string name = "SAFTLAR";
  name.resize(30, ' ');
  EXPECT_EQ(F("(1X,I2,'-',1X,A30,2X,F8.3,9X,F5.3)", {3, name, 12.5f, 3.0f}),
            "  3- " + name + "    12.500" + std::string(9, ' ') + "3.000\n");
}

TEST(Formats, RepeatCountsAndGroups) {
  EXPECT_EQ(F("(60('='))"), std::string(60, '=') + "\n");
  EXPECT_EQ(F("(2F8.3)", {1.0f, 2.0f}), "   1.000   2.000\n");
  EXPECT_EQ(F("(1X,I2,1X,3(F4.1,1X))", {1, 1.0f, 2.0f, 3.0f}), "  1  1.0  2.0  3.0 \n");
  EXPECT_EQ(F("(3I4)", {1, 2, 0}), "   1   2   0\n");
}

TEST(Formats, SlashesWriteEmptyLines) {
  EXPECT_EQ(F("(/)"), "\n\n");
  EXPECT_EQ(F("(//)"), "\n\n\n");
  EXPECT_EQ(F("(4/)"), "\n\n\n\n\n");
  EXPECT_EQ(F("(///)"), "\n\n\n\n");
  EXPECT_EQ(F("(/A/)", {" text"}), "\n text\n\n");
  EXPECT_EQ(F("(4/5X,'**** DATA GIRISI HATASI ****')"),
            "\n\n\n\n     **** DATA GIRISI HATASI ****\n");
  EXPECT_EQ(F("(10X,'A',/,20X,'B',/,3('='))"),
            std::string(10, ' ') + "A\n" + std::string(20, ' ') + "B\n===\n");
}

TEST(Formats, LiteralsAfterTheLastItemAreWrittenUpToTheNextDataDescriptor) {
  EXPECT_EQ(F("(2X,'T=',F5.1,' kN',' Va=',F5.1,' m/s')", {1.0f}), "  T=  1.0 kN Va=\n");
  // No item at all: the literals up to the first data descriptor.
  EXPECT_EQ(F("(/'  HESAP HIZI NO = ',I2)"), "\n  HESAP HIZI NO = \n");
  // Blanks of an nX reached after the last item are written.
  EXPECT_EQ(F("(F4.1,3X)", {1.0f}), " 1.0   \n");
}

TEST(Formats, ReversionRestartsAtTheLastTopLevelGroup) {
  EXPECT_EQ(F("(F4.1)", {1.0f, 2.0f}), " 1.0\n 2.0\n");
  EXPECT_EQ(F("(1X,'H',2(I2))", {1, 2, 3, 4, 5}), " H 1 2\n 3 4\n 5\n");
  EXPECT_EQ(F("(I3,1X,A,1X,15F8.3)", {2, "-", 1.0f, 2.0f}), "  2 -    1.000   2.000\n");
}

TEST(Formats, ToleratedIrregularities) {
  EXPECT_EQ(F("('  CP = ',F5.3', >1 OLDU. - STOP')", {1.2f}), "  CP = 1.200, >1 OLDU. - STOP\n");
  EXPECT_EQ(F("(3/1X'HATA')"), "\n\n\n HATA\n");
  EXPECT_EQ(F("(1X,87('=')))"), " " + std::string(87, '=') + "\n");
  EXPECT_EQ(F("(2X,                 3X,'a',2x,'b')"), "     a  b\n");
  EXPECT_EQ(F("(2X,'  Rt = ',F8.2' kN' )", {1.5f}), "    Rt =     1.50 kN\n");
  EXPECT_EQ(F("('it''s')"), "it's\n");
}

TEST(Formats, NonAsciiBytesPassThrough) {
  EXPECT_EQ(F("('   0.75Cb-0.24 = ', F5.3, ' (Kr\xFCger (1976))' )", {0.21f}),
            "   0.75Cb-0.24 = 0.210 (Kr\xFCger (1976))\n");
}

TEST(ListDirected, EmptyLineAndTextLine) {
  std::ostringstream o;
  WRITE_LIST(o);
  WRITE_LIST(o, "abc  ");
  EXPECT_EQ(o.str(), "\n abc  \n");
}

TEST(Formats, DoubleItemsPrintTheirOwnValue) {
  EXPECT_EQ(F("(F9.5)", {94.2}), " 94.20000\n");
  EXPECT_EQ(F("(F6.4)", {-1e-9}), "-.0000\n");
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

TEST(Formats, MistypedFormatsAreRefusedNotWrittenForever) {
  EXPECT_THROW(F("(F8.3"), std::logic_error);
  EXPECT_THROW(F("(Q5)"), std::logic_error);
  EXPECT_THROW(F("(99999('x'))"), std::logic_error);
  EXPECT_THROW(F(std::string(40, '(') + "'x'" + std::string(40, ')')), std::logic_error);
  EXPECT_THROW(F("(9999(9999(9999('x'))))"), std::length_error);
  // Reversion to a group without data descriptors takes no item: it ends.
  EXPECT_EQ(F("(I2,2('x'))", {1, 2}), " 1xx\nxx\n");
  EXPECT_EQ(EDIT_REAL(1.0f, 40, 30).size(), 40u);
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

TEST(Formats, ItemOfTheWrongKindStillGivesAField) {
  EXPECT_EQ(F("(I3)", {2.9f}), "  2\n");
  EXPECT_EQ(F("(I3)", {std::numeric_limits<float>::infinity()}), "***\n");
  EXPECT_EQ(F("(F5.1)", {7}), "  7.0\n");
}

}  // namespace
}  // namespace vdk

namespace vdk {
namespace {

// The descriptors that take items, repeat counts and groups expanded; the
// literals, blanks and slashes take none.
TEST(Formats, DataDescriptorsInTheOrderTheyTakeItems) {
  using V = std::vector<std::string>;
  EXPECT_EQ(DATA_DESCRIPTORS("(1X,I2,2X,F5.2,2X,2(F7.3,2X),I5,A)"),
            (V{"I2", "F5.2", "F7.3", "F7.3", "I5", "A"}));
  EXPECT_EQ(DATA_DESCRIPTORS("(2X,A40,'=',F8.2,' kN')"), (V{"A40", "F8.2"}));
  EXPECT_EQ(DATA_DESCRIPTORS("(3F9.4/'F5.2 in a literal')"), (V{"F9.4", "F9.4", "F9.4"}));
  EXPECT_EQ(DATA_DESCRIPTORS("(60('='))"), V{});
  EXPECT_THROW(DATA_DESCRIPTORS("(F8.3"), std::logic_error);
}

}  // namespace
}  // namespace vdk
