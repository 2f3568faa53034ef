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
  for (const std::string bad :
       {"", "  ", "1A", "12 ", "1 2", "+", "--1", "$1A", "0x1A", "2147483648"}) {
    try {
      StrictNumber(bad);
      ADD_FAILURE() << "accepted \"" << bad << '"';
    } catch (const ENotInteger& e) {
      EXPECT_EQ(e.what(), "'" + bad + "' は整数ではありません");  // the text read, unchanged
    }
  }
  try {
    StrictNumber(std::string("0\0", 2));
    ADD_FAILURE() << "accepted a NUL byte";
  } catch (const ENotInteger& e) {
    EXPECT_STREQ(e.what(), "'0\uFFFD' は整数ではありません");  // not cut at the NUL
  }
}

TEST(LenientNumber, ReadsLeadingDigitsAndNeverFails) {
  const std::pair<const char*, int> cases[] = {
      {"05", 5},  {"  7", 7},   {"12ab", 12}, {"ab", 0},    {"", 0},    {"  ", 0},
      {"1 2", 1}, {"-12", -12}, {" -3", -3},  {"-12x", 12}, {"- 3", 0}, {"+4", 4},
      {"-", 0},   {"0", 0},     {"007", 7},   {" 5 ", 5},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(LenientNumber(text), value) << '"' << text;
}

TEST(TwoColumn, PadsValuesBelowTen) {
  const std::pair<int, const char*> rows[] = {{0, " 0"},    {9, " 9"},   {10, "10"},   {99, "99"},
                                              {100, "100"}, {-3, " -3"}, {-12, " -12"}};
  for (const auto& [value, text] : rows) EXPECT_EQ(TwoColumn(value), text) << value;
  EXPECT_EQ(TwoColumns({3, 12, 0, 123, -1}), " 312 0123 -1");
}

}  // namespace
}  // namespace tamikaze
