#include <gtest/gtest.h>

#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace literals;

TEST(Cp932, RoundTripsJapanese) {
  const std::string sj = Utf8ToCp932("東京ｾﾝ");
  EXPECT_EQ(sj, std::string("\x93\x8C\x8B\x9E\xBE\xDD"));
  EXPECT_EQ(Cp932ToUtf8(sj), "東京ｾﾝ");
}

TEST(Cp932, UsesTheCp932Table) {
  // Wave dash and minus as CP932 maps them.
  EXPECT_EQ(Utf8ToCp932("\uFF5E"), std::string("\x81\x60"));
  EXPECT_EQ(Utf8ToCp932("\uFF0D"), std::string("\x81\x7C"));
  EXPECT_EQ(Cp932ToUtf8(std::string("\x87\x40")), "①");  // NEC special character
}

TEST(Cp932, ReplacesWhatDoesNotConvert) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a" + std::string("\x81\x48") + "b");
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a" + std::string("\x81\x48") + "b");
  EXPECT_EQ(Cp932ToUtf8(std::string("a\xA0" "b")), "a\uFFFDb");
  EXPECT_EQ(Cp932ToUtf8(std::string("a\xA0" "b"), "_"), "a_b");
  EXPECT_EQ(Cp932ToUtf8(std::string("ab\x93")), "ab\uFFFD");  // lead byte at the end
}

TEST(Cp932, LiteralIsConvertedOnceAndCached) {
  const std::string& first = "好"_sj;
  const std::string& again = "好"_sj;
  EXPECT_EQ(first, std::string("\x8D\x44"));
  EXPECT_EQ(&first, &again);
}

}  // namespace
}  // namespace tamikaze
