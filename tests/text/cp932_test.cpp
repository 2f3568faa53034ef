#include <gtest/gtest.h>

#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace literals;

TEST(Cp932, ConvertsBothWaysWithTheCp932Table) {
  // Kanji, half-width kana, and the characters where CP932 differs from plain
  // Shift-JIS: wave dash, minus and an NEC special character.
  auto convertsBothWays = [](const char* utf8, const std::string& cp932) {
    EXPECT_EQ(Utf8ToCp932(utf8), cp932) << utf8;
    EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
  };
  convertsBothWays("東京ｾﾝ", "\x93\x8C\x8B\x9E\xBE\xDD");
  convertsBothWays("\uFF5E", "\x81\x60");
  convertsBothWays("\uFF0D", "\x81\x7C");
  convertsBothWays("①", "\x87\x40");
}

TEST(Cp932, ReplacesWhatDoesNotConvert) {
  // To CP932: "？". To UTF-8: U+FFFD or the replacement given. \377 is not
  // UTF-8, \240 is undefined in CP932, \223 is a lead byte cut off.
  const std::string question = "\x81\x48";
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a" + question + "b");
  EXPECT_EQ(Utf8ToCp932("a\377b"), "a" + question + "b");
  EXPECT_EQ(Cp932ToUtf8("a\240b"), "a\uFFFDb");
  EXPECT_EQ(Cp932ToUtf8("a\240b", "_"), "a_b");
  EXPECT_EQ(Cp932ToUtf8("ab\223"), "ab\uFFFD");
}

TEST(Cp932, LiteralIsConvertedOnceAndCached) {
  EXPECT_EQ("好"_sj, "\x8D\x44");
  EXPECT_EQ(&"好"_sj, &"好"_sj);  // one cached string for every use
}

}  // namespace
}  // namespace tamikaze
