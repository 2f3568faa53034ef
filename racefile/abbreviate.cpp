#include "racefile/abbreviate.h"

#include <utility>

#include "racefile/cp932_chars.h"
#include "text/cp932.h"

namespace tamikaze {

using namespace literals;

namespace {

// Long words shortened to letters, in the order they are applied. Each
// replaces its first occurrence only.
void ShortenWords(std::string& name) {
  const std::pair<const std::string&, const std::string&> early[] = {
      {"ステークス"_sj, "Ｓ"_sj},           {"カップ"_sj, "Ｃ"_sj},
      {"トロフィー"_sj, "Ｔ"_sj},           {"ハンデキャップ"_sj, "Ｈ"_sj},
      {"チャンピオンシップ"_sj, "ＣＳ"_sj},
  };
  for (const auto& [what, by] : early) ReplaceFirstChars(name, what, by);
  // 朝日チャレンジカップ keeps its チャレンジ.
  if (!ContainsChars(name, "朝日チャレンジ"_sj)) ReplaceFirstChars(name, "チャレンジ"_sj, "Ｃ"_sj);
  const std::pair<const std::string&, const std::string&> late[] = {
      {"ジョッキーズ"_sj, "Ｊ"_sj},     {"ジョッキー"_sj, "Ｊ"_sj},
      {"クラブ"_sj, "Ｃ"_sj},           {"レーシング"_sj, "Ｒ"_sj},
      {"アソシエーション"_sj, "Ａ"_sj}, {"ニュージーランド"_sj, "ＮＺ"_sj},
      {"ジャンプ"_sj, "Ｊ"_sj},         {"アルゼンチン"_sj, "ＡＲ"_sj},
  };
  for (const auto& [what, by] : late) ReplaceFirstChars(name, what, by);
}

// Sponsor names that are dropped (first occurrence of each).
void DropSponsors(std::string& name) {
  for (const std::string* sponsor :
       {&"産経"_sj, &"産經"_sj, &"読売"_sj, &"スポーツ報知杯"_sj, &"報知杯"_sj}) {
    DeleteFirstChars(name, *sponsor);
  }
}

// Drops the prefix of a race name before its proper name, chosen by the
// name's last character as it stands before any cut.
void DropPrefixByTail(std::string& name) {
  const std::string tail = LastChar(name);
  if (tail == "Ｓ"_sj || tail == "Ｔ"_sj) {
    if (LastChar(WithoutLastChar(name)) == "歳"_sj) return;  // 東京スポーツ杯２歳Ｓ
    CutThroughChars(name, "記念"_sj);
    CutThroughChars(name, "賞"_sj);
    CutThroughChars(name, "杯"_sj);
  } else if (tail == "杯"_sj || tail == "念"_sj) {
    CutThroughChars(name, "賞"_sj);
  } else if (tail == "賞"_sj) {
    CutThroughChars(name, "杯"_sj);
    // A 賞 before the final one ends a sponsor's prefix.
    const std::string head = WithoutLastChar(name);
    const std::size_t pos = FindChars(head, "賞"_sj);
    if (pos != std::string::npos) name.erase(0, pos + "賞"_sj.size());
  } else if (tail == "別"_sj) {
    CutThroughChars(name, "杯"_sj);
    CutThroughChars(name, "賞"_sj);
  } else if (tail == "Ｃ"_sj) {
    if (ContainsChars(name, "杯"_sj) && !ContainsChars(name, "スプリング"_sj)) {
      CutThroughChars(name, "杯"_sj);
    }
    CutThroughChars(name, "賞"_sj);
  }
}

// Whole names that the cuts above shorten too far.
void RestoreWholeNames(std::string& name) {
  if (name == "園特別"_sj) {
    name = "祇園特別"_sj;
  } else if (name == "峡特別"_sj) {
    name = "蓬菜峡特別"_sj;
  } else if (name == "賞オールカマー"_sj) {
    name = "オールカマー"_sj;
  }
}

void ShortenLastWords(std::string& name) {
  ReplaceFirstChars(name, "ダッシュ"_sj, "Ｄ"_sj);
  if (!ContainsChars(name, "レビュー"_sj)) ReplaceFirstChars(name, "フィリーズ"_sj, "Ｆ"_sj);
  if (name == "フューチュリティＳ"_sj) name = "朝日杯ＦＳ"_sj;
  ReplaceFirstChars(name, "ゴールデン"_sj, "Ｇ"_sj);
  if (name == "ＮＺＴ"_sj) name = "ニュージーランドＴ"_sj;
}

}  // namespace

void AbbreviateRaceName(std::string& RaceFileName) {
  std::string& name = RaceFileName;
  DeleteAllChars(name, "　"_sj);
  ShortenWords(name);
  DropSponsors(name);
  CutThroughChars(name, "周年記念"_sj);
  CutThroughChars(name, "農林水産省賞典"_sj);
  DropPrefixByTail(name);
  RestoreWholeNames(name);
  ShortenLastWords(name);
}

}  // namespace tamikaze
