#include <gtest/gtest.h>

#include "racefile/abbreviate.h"
#include "text/cp932.h"

namespace tamikaze {
namespace {

struct Abbreviation {
  const char* name;  // UTF-8; the rule works on its CP932 form
  const char* expected;
};

void PrintTo(const Abbreviation& row, std::ostream* os) {
  *os << row.name;
}

class AbbreviateRaceNameTest : public testing::TestWithParam<Abbreviation> {};

TEST_P(AbbreviateRaceNameTest, ShortensAsTheRuleSays) {
  std::string name = Utf8ToCp932(GetParam().name);
  AbbreviateRaceName(name);
  EXPECT_EQ(Cp932ToUtf8(name), GetParam().expected);
}

// Worked examples of the whole rule.
INSTANTIATE_TEST_SUITE_P(
    Examples, AbbreviateRaceNameTest,
    testing::Values(Abbreviation{"朝日杯フューチュリティステークス", "朝日杯ＦＳ"},
                    Abbreviation{"ニュージーランドトロフィー", "ニュージーランドＴ"},
                    Abbreviation{"産経賞オールカマー", "オールカマー"},
                    Abbreviation{"テレビ東京杯青葉賞", "青葉賞"},
                    Abbreviation{"サンケイスポーツ賞フローラステークス", "フローラＳ"},
                    Abbreviation{"東京スポーツ杯２歳ステークス", "東京スポーツ杯２歳Ｓ"},
                    Abbreviation{"京王杯スプリングカップ", "京王杯スプリングＣ"},
                    Abbreviation{"朝日チャレンジカップ", "朝日チャレンジＣ"},
                    Abbreviation{"阪神ジュベナイルフィリーズ", "阪神ジュベナイルＦ"},
                    Abbreviation{"フィリーズレビュー", "フィリーズレビュー"},
                    Abbreviation{"第５０回農林水産省賞典安田記念", "安田記念"},
                    Abbreviation{"京都　牝馬　ステークス", "京都牝馬Ｓ"},
                    Abbreviation{"中日新聞杯", "中日新聞杯"}, Abbreviation{"札幌記念", "札幌記念"},
                    Abbreviation{"阪神大賞典", "阪神大賞典"},
                    Abbreviation{"ジャパンカップ", "ジャパンＣ"},
                    Abbreviation{"ゴールデンホイップトロフィー", "ＧホイップＴ"},
                    Abbreviation{"ＪＲＡ６０周年記念", ""}, Abbreviation{"", ""}));

// Cases that pin the order of the steps, first-occurrence-only editing and
// the conditions of each step.
INSTANTIATE_TEST_SUITE_P(
    StepsAndOrder, AbbreviateRaceNameTest,
    testing::Values(
        // Spaces go before the words are shortened.
        Abbreviation{"京都牝馬ステー　クス", "京都牝馬Ｓ"},
        // Only the first occurrence is replaced or deleted.
        Abbreviation{"カップカップ", "Ｃカップ"}, Abbreviation{"産経産経賞", "産経賞"},
        // The longer word is tried first.
        Abbreviation{"オールスタージョッキーズ", "オールスターＪ"},
        Abbreviation{"スポーツ報知杯弥生賞", "弥生賞"},
        // チャレンジ is kept only inside 朝日チャレンジ.
        Abbreviation{"チャレンジカップ", "ＣＣ"},
        // The 周年記念 cut leaves what follows it.
        Abbreviation{"開場８０周年記念農林水産省賞典安田記念", "安田記念"},
        // Tail Ｓ: 記念, then 賞, then 杯.
        Abbreviation{"テレビ杯ＮＨＫ賞ＡＢ杯ステークス", "Ｓ"},
        Abbreviation{"東京新聞社記念報知賞ＡＢ杯トロフィー", "Ｔ"},
        // Tail 念 and 杯: through the first 賞.
        Abbreviation{"日刊スポーツ賞シンザン記念", "シンザン記念"},
        Abbreviation{"テレビ賞京成杯", "京成杯"},
        // Tail 賞: through 杯, then through a 賞 before the last one.
        Abbreviation{"テレビ東京杯ＮＨＫ賞青葉賞", "青葉賞"}, Abbreviation{"賞", "賞"},
        // Tail 別: through 杯, then through 賞.
        Abbreviation{"中日杯スポニチ賞特別", "特別"},
        // Tail Ｃ: through 杯 unless スプリング, then through 賞.
        Abbreviation{"京王杯オータムカップ", "オータムＣ"},
        Abbreviation{"スポニチ賞京王杯スプリングカップ", "京王杯スプリングＣ"},
        // Other tails cut nothing.
        Abbreviation{"テレビ東京杯青葉賞典", "テレビ東京杯青葉賞典"},
        // Whole-name corrections apply to the whole name only.
        Abbreviation{"園特別", "祇園特別"}, Abbreviation{"峡特別", "蓬菜峡特別"},
        Abbreviation{"京都園特別", "京都園特別"},
        Abbreviation{"フューチュリティステークス", "朝日杯ＦＳ"},
        Abbreviation{"アイビスサマーダッシュ", "アイビスサマーＤ"}));

// A match must start on a character: ワ + half-width ﾜ holds the bytes of 賞
// across the boundary, and ヴ + "t" ends with the bytes of 杯.
INSTANTIATE_TEST_SUITE_P(CharacterAlignment, AbbreviateRaceNameTest,
                         testing::Values(Abbreviation{"ワﾜ杯", "ワﾜ杯"},
                                         Abbreviation{"賞ヴt", "賞ヴt"},
                                         Abbreviation{"Ａ杯ワﾜＣ", "ワﾜＣ"}));

}  // namespace
}  // namespace tamikaze
