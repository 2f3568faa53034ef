#include <gtest/gtest.h>

#include "racefile/cp932_chars.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

TEST(Cp932Chars, FindsOnlyWhereACharacterStarts) {
  struct Row {
    std::string text;
    std::string what;
    std::size_t expected;
  };
  const Row rows[] = {
      {Utf8ToCp932("ＡＢ賞"), Utf8ToCp932("賞"), 4},
      {Utf8ToCp932("aＳ"), Utf8ToCp932("Ｓ"), 1},
      // ワ (83 8F) + ﾜ (DC) hold 賞 (8F DC) across their boundary.
      {Utf8ToCp932("ワﾜ"), Utf8ToCp932("賞"), std::string::npos},
      // モ (83 82) + "r" hold Ｓ (82 72); the real Ｓ after them is found.
      {Utf8ToCp932("モrＳ"), Utf8ToCp932("Ｓ"), 3},
      // A lone lead byte does not match the first half of a character.
      {"\x82\x72", "\x82", std::string::npos},
      {"a\x82", "\x82", 1},
      {"", Utf8ToCp932("賞"), std::string::npos},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindChars(row.text, row.what), row.expected) << Cp932ToUtf8(row.text);
  }
}

TEST(Cp932Chars, LastCharactersCountFromTheStart) {
  struct Row {
    std::string text;
    std::string last;
  };
  const Row rows[] = {
      {Utf8ToCp932("青葉賞"), Utf8ToCp932("賞")},
      {Utf8ToCp932("賞ヴt"), "t"},  // the last two bytes are those of 杯
      {Utf8ToCp932("ｾﾝ"), Utf8ToCp932("ﾝ")},
      {Utf8ToCp932("賞") + "\x82", "\x82"},  // a lead byte cut off at the end
      {"", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LastChar(row.text), row.last) << Cp932ToUtf8(row.text);
    EXPECT_EQ(WithoutLastChar(row.text) + LastChar(row.text), row.text);
  }
}

}  // namespace
}  // namespace tamikaze
