#include "convert/kol/codes.h"

#include <initializer_list>
#include <vector>

#include "text/cp932.h"

namespace tamikaze {
namespace {

const std::string kEmpty;

// CP932 texts of UTF-8 ones, in code order from 0; "" stays "".
std::vector<std::string> Table(std::initializer_list<const char*> utf8) {
  std::vector<std::string> table;
  for (const char* text : utf8) table.push_back(Utf8ToCp932(text));
  return table;
}

const std::string& At(const std::vector<std::string>& table, int code) {
  return code >= 0 && code < static_cast<int>(table.size()) ? table[code] : kEmpty;
}

}  // namespace

int KolRaceVenue(int code) {
  return code >= 0 && code <= 9 ? code : 0;
}

const std::string& KolVenueName(int raceVenue) {
  static const std::vector<std::string> names =
      Table({"京都", "阪神", "中京", "小倉", "東京", "中山", "福島", "新潟", "札幌", "函館"});
  return At(names, raceVenue);
}

const std::string& KolVenueLetter(int code) {
  // clang-format off
  static const std::vector<std::string> letters = Table({
      "京", "阪", "名", "小", "東", "中", "福", "新", "札", "函",  //  0- 9
      "大", "川", "船", "浦", "岩", "旭", "帯", "",   "",   "笠",  // 10-19
      "金", "荒", "宇", "佐", "津", "高", "知", "足", "上", "水",  // 20-29
      "三", "",   "益", "盛", "屋", "札", "函", "園", "山", "姫",  // 30-39
      "名", "新", "門", "",   "",   "",   "",   "",   "",   "",    // 40-49
      "",   "",   "",   "",   "",   "",   "",   "",   "",   "",    // 50-59
      "香", "米", "英", "仏", "愛", "ア", "加", "伊", "独", "豪",  // 60-69
      "",   "Ｎ"});                                                // 70-71
  // clang-format on
  return At(letters, code);
}

const std::string& KolSexName(int code) {
  static const std::vector<std::string> names = Table({"牡", "牝", "ｾﾝ"});
  return At(names, code);
}

const std::string& KolGoingName(int code) {
  static const std::vector<std::string> names = Table({"良", "稍", "重", "不"});
  return At(names, code);
}

}  // namespace tamikaze
