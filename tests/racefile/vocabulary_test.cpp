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
  // A gelding takes two half-width characters, as wide as 牡 and 牝.
  const std::pair<std::string, const char*> rows[] = {
      {VenueName(1), "札幌"}, {VenueName(7), "中京"}, {VenueName(10), "小倉"}, {VenueName(0), ""},
      {VenueName(11), ""},    {GoingName(2), "稍"},   {GoingName(4), "不"},    {GoingName(5), ""},
      {SexName(1), "牡"},     {SexName(3), "ｾﾝ"},     {SexName(4), ""}};
  for (const auto& [name, expected] : rows) EXPECT_EQ(Cp932ToUtf8(name), expected) << expected;
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

}  // namespace
}  // namespace tamikaze
