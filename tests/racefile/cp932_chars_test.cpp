#include <gtest/gtest.h>

#include "racefile/cp932_chars.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

using namespace literals;

TEST(Cp932Chars, FindsOnlyWhereACharacterStarts) {
  // ワ (83 8F) + ﾜ (DC) hold 賞 (8F DC) across their boundary; モ (83 82) + "r"
  // hold Ｓ (82 72) and the real Ｓ after them is found; a lone lead byte does
  // not match the first half of a character.
  const std::tuple<std::string, std::string, std::size_t> rows[] = {
      {"ＡＢ賞"_sj, "賞"_sj, 4},
      {"aＳ"_sj, "Ｓ"_sj, 1},
      {"ワﾜ"_sj, "賞"_sj, std::string::npos},
      {"モrＳ"_sj, "Ｓ"_sj, 3},
      {"\x82\x72", "\x82", std::string::npos},
      {"a\x82", "\x82", 1},
      {"", "賞"_sj, std::string::npos}};
  for (const auto& [text, what, expected] : rows) {
    EXPECT_EQ(FindChars(text, what), expected) << Cp932ToUtf8(text);
  }
}

TEST(Cp932Chars, LastCharactersCountFromTheStart) {
  // The last two bytes of 賞ヴt are those of 杯; a lead byte cut off at the end
  // is a character of its own.
  const std::pair<std::string, std::string> rows[] = {{"青葉賞"_sj, "賞"_sj},
                                                      {"賞ヴt"_sj, "t"},
                                                      {"ｾﾝ"_sj, "ﾝ"_sj},
                                                      {"賞"_sj + "\x82", "\x82"},
                                                      {"", ""}};
  for (const auto& [text, last] : rows) {
    EXPECT_EQ(LastChar(text), last) << Cp932ToUtf8(text);
    EXPECT_EQ(WithoutLastChar(text) + LastChar(text), text);
  }
}

}  // namespace
}  // namespace tamikaze
