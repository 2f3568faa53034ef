#include "racefile/vocabulary.h"

#include <initializer_list>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text/cp932.h"

namespace tamikaze {
namespace {

const std::string kEmpty;

const std::string& FromTable(const std::vector<std::string>& table, int code) {
  return code >= 1 && code <= static_cast<int>(table.size()) ? table[code - 1] : kEmpty;
}

std::vector<std::string> ToCp932(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8) out.push_back(Utf8ToCp932(s));
  return out;
}

constexpr int kCodeCharacters = 36;  // 0-9, A-Z

int CodeCharacter(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return -1;
}

// The index of a two-character code, -1 for any other two bytes.
int CodeIndex(const char* code) {
  const int first = CodeCharacter(code[0]), second = CodeCharacter(code[1]);
  return first < 0 || second < 0 ? -1 : first * kCodeCharacters + second;
}

}  // namespace

const std::string& VenueName(int code) {
  static const std::vector<std::string> names =
      ToCp932({"札幌", "函館", "福島", "新潟", "東京", "中山", "中京", "京都", "阪神", "小倉"});
  return FromTable(names, code);
}

const std::string& VenueLetter(std::string_view code2) {
  static const std::vector<std::string> letters = [] {
    const std::pair<const char*, const char*> table[] = {
        {"01", "札"}, {"02", "函"}, {"03", "福"}, {"04", "新"}, {"05", "東"}, {"06", "中"},
        {"07", "名"}, {"08", "京"}, {"09", "阪"}, {"10", "小"}, {"30", "門"}, {"32", "岩"},
        {"33", "帯"}, {"34", "旭"}, {"35", "盛"}, {"36", "水"}, {"37", "上"}, {"38", "三"},
        {"39", "足"}, {"40", "宇"}, {"41", "高"}, {"42", "浦"}, {"43", "船"}, {"44", "大"},
        {"45", "川"}, {"46", "金"}, {"47", "笠"}, {"48", "屋"}, {"50", "園"}, {"51", "姫"},
        {"52", "益"}, {"53", "山"}, {"54", "知"}, {"55", "佐"}, {"56", "荒"}, {"57", "津"},
        {"58", "札"}, {"59", "函"}, {"60", "新"}, {"61", "名"}, {"A4", "米"}, {"A6", "英"},
        {"A8", "仏"}, {"B2", "愛"}, {"B4", "Ｎ"}, {"B6", "豪"}, {"B8", "加"}, {"C0", "伊"},
        {"C2", "独"}, {"C7", "ア"}, {"G0", "香"}, {"M0", "シ"},
    };
    // Indexed directly by the two characters (0-9, A-Z): the converters ask
    // for a letter five times a runner.
    std::vector<std::string> byCode(kCodeCharacters * kCodeCharacters);
    for (const auto& [code, letter] : table) {
      byCode[static_cast<std::size_t>(CodeIndex(code))] = Utf8ToCp932(letter);
    }
    return byCode;
  }();
  const int index = code2.size() == 2 ? CodeIndex(code2.data()) : -1;
  return index < 0 ? kEmpty : letters[static_cast<std::size_t>(index)];
}

const std::string& GoingName(int code) {
  static const std::vector<std::string> names = ToCp932({"良", "稍", "重", "不"});
  return FromTable(names, code);
}

const std::string& SexName(int code) {
  static const std::vector<std::string> names = ToCp932({"牡", "牝", "ｾﾝ"});
  return FromTable(names, code);
}

}  // namespace tamikaze
