#include <gtest/gtest.h>

#include "racefile/blocks.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

TEST(Vocabulary, VenueLettersCompareCodesAsText) {
  const std::pair<const char*, const char*> rows[] = {
      {"07", "名"}, {"06", "中"}, {"01", "札"}, {"58", "札"}, {"61", "名"}, {"30", "門"},
      {"A4", "米"}, {"B4", "Ｎ"}, {"C7", "ア"}, {"M0", "シ"}, {"31", ""},   {"49", ""},
      {"75", ""},   {"a4", ""},   {"m0", ""},   {"7", ""},    {" 7", ""},   {"", ""},
  };
  for (const auto& [code, letter] : rows) {
    EXPECT_EQ(Cp932ToUtf8(VenueLetter(code)), letter) << "code '" << code << "'";
  }
}

TEST(Vocabulary, CodeTablesByNumber) {
  EXPECT_EQ(Cp932ToUtf8(VenueName(1)), "札幌");
  EXPECT_EQ(Cp932ToUtf8(VenueName(7)), "中京");
  EXPECT_EQ(Cp932ToUtf8(VenueName(10)), "小倉");
  EXPECT_EQ(VenueName(0), "");
  EXPECT_EQ(VenueName(11), "");
  EXPECT_EQ(Cp932ToUtf8(GoingName(2)), "稍");
  EXPECT_EQ(Cp932ToUtf8(GoingName(4)), "不");
  EXPECT_EQ(GoingName(5), "");
  EXPECT_EQ(Cp932ToUtf8(SexName(1)), "牡");
  EXPECT_EQ(SexName(4), "");
  // A gelding takes two half-width bytes, as wide as 牡 and 牝.
  EXPECT_EQ(SexName(3), std::string("\xBE\xDD"));
  EXPECT_EQ(SexName(3).size(), SexName(2).size());
}

TEST(Blocks, PlaceholderBlockByDistanceDigits) {
  const std::pair<DistanceDigits, const char*> rows[] = {{DistanceDigits::Four, "9999"},
                                                         {DistanceDigits::Two, "99"}};
  for (const auto& [digits, distance] : rows) {
    RaceLines lines{"before"};
    AppendPlaceholderBlock(lines, digits);
    const RaceLines expected{"before", Utf8ToCp932("無"), distance, Utf8ToCp932("東0000"),
                             "0000",   " 0 0 0",          "999",    Utf8ToCp932("良"),
                             "99"};
    EXPECT_EQ(lines, expected);
  }
}

TEST(Blocks, HeaderBlocksHaveEighteenLinesEach) {
  RaceLines lines;
  AppendNumberingBlock(lines);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines.front(), "1");
  EXPECT_EQ(lines[8], "9");
  EXPECT_EQ(lines.back(), "18");

  lines.clear();
  AppendZeroBlock(lines);
  EXPECT_EQ(lines, RaceLines(18, "0"));

  lines.clear();
  AppendDecimalZeroBlock(lines);
  EXPECT_EQ(lines, RaceLines(18, "0.0"));
}

}  // namespace
}  // namespace tamikaze
