#include <gtest/gtest.h>

#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {
namespace {

TEST(StrictNumber, AcceptsWholeIntegersOnly) {
  EXPECT_EQ(StrictNumber("03"), 3);
  EXPECT_EQ(StrictNumber("  12"), 12);
  EXPECT_EQ(StrictNumber("-7"), -7);
  EXPECT_EQ(StrictNumber(" +7"), 7);
  EXPECT_EQ(StrictNumber("2147483647"), 2147483647);
  EXPECT_EQ(StrictNumber("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", "  ", "1A", "12 ", "1 2", "+", "--1", "$1A", "0x1A", "2147483648"}) {
    EXPECT_THROW(StrictNumber(bad), ENotInteger) << '"' << bad << '"';
  }
}

TEST(StrictNumber, MessageQuotesTheTextRead) {
  try {
    StrictNumber("1A");
    FAIL();
  } catch (const ENotInteger& e) {
    EXPECT_STREQ(e.what(), "'1A' は整数ではありません");
    EXPECT_EQ(e.Text(), "1A");
  }
  try {
    StrictNumber("");
    FAIL();
  } catch (const ENotInteger& e) {
    EXPECT_STREQ(e.what(), "'' は整数ではありません");
  }
}

TEST(LenientNumber, ReadsLeadingDigitsAndNeverFails) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"05", 5},   {"  7", 7},   {"12ab", 12}, {"ab", 0},   {"", 0},      {"  ", 0},
      {"1 2", 1},  {"-12", -12}, {" -3", -3},  {"-12x", 12}, {"- 3", 0},  {"+4", 4},
      {"-", 0},    {"0", 0},     {"007", 7},   {" 5 ", 5},
  };
  for (const Case& c : cases) EXPECT_EQ(LenientNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TwoColumn, PadsValuesBelowTen) {
  EXPECT_EQ(TwoColumn(0), " 0");
  EXPECT_EQ(TwoColumn(3), " 3");
  EXPECT_EQ(TwoColumn(9), " 9");
  EXPECT_EQ(TwoColumn(10), "10");
  EXPECT_EQ(TwoColumn(99), "99");
}

}  // namespace
}  // namespace tamikaze
