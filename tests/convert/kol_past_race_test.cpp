// One past-race slot of a 競馬道 horse record, in both formats.
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

#include "convert/kol/codes.h"
#include "tests/convert/kol_records.h"
#include "tests/convert/race_lines_support.h"

namespace tamikaze::testing {
namespace {

// The 8 lines of slot `slot` holding the usable past race changed by
// `changed`, in the horse record after another one.
RaceLines PastRace(const KolTestFormat& f, const KolFields& changed, int slot = 1) {
  KolFields fields = UsableSlot(f);
  for (const auto& [field, text] : changed) fields[field] = text;
  ConvertState state = LoadedState(
      "", KolHorse(f, "KEY0000") + KolHorse(f, "KEY0001", {}, {{slot, fields}}), 0, f.raceSize);
  state.HorseOffset = f.horseSize + 1;
  f.addPastRace(state, slot);
  return state.SaveLst;
}

// The usable slot in any of the five slots; then each field changes one line
// of the block: the field, the 0-based line, then texts and the line each
// gives.
TEST(KolPastRace, WritesAUsableSlotAndChangesOneLinePerField) {
  struct Field {
    const char* name;
    int line;
    std::vector<std::pair<const char*, const char*>> written;
  };
  // clang-format off
  const Field fields[] = {
      {"surface", 0, {{"0", "ダ"}, {"2", "芝"}, {" ", "芝"}}},
      {"venue", 2, {{"02", "名0410"}, {"40", "名0410"}, {"35", "札0410"}, {"42", "門0410"},
                    {"60", "香0410"}, {"65", "ア0410"}, {"71", "Ｎ0410"}, {" 9", "函0410"},
                    {"  ", "京0410"}, {"1A", "阪0410"}}},
      {"passing", 4, {{"000007", " 7 7 7"}, {"430201", " 3 2 1"}, {"000500", " 5 5 0"},
                      {"121008", "1210 8"}, {"004100", " 1 1 0"}, {"404040", "404040"},
                      {"818283", "414243"}}},
      {"closing", 5, {{"   ", "999"}, {"000", "000"}, {"34 ", "34 "}}},
      {"going", 6, {{"1", "稍"}, {"2", "重"}, {"3", "不"}, {"4", "4"}, {" ", "良"}, {"A", "良"}}},
      {"finish", 7, {{"30", "30"}, {" 7", " 7"}, {"7 ", " 7"}}},
      {"skip", 7, {{"2", " 1"}, {" ", " 1"}}},
  };
  // clang-format on
  for (const KolTestFormat* f : kKolFormats) {
    const RaceLines usable = {"芝"_sj,  f->distance, "東0410"_sj, "1335",
                              " 3 3 2", "345",       "良"_sj,     " 1"};
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(PastRace(*f, {}, slot), usable) << slot;
    for (const Field& field : fields) {
      for (const auto& [text, line] : field.written) {
        const RaceLines expected = testing::Replaced(usable, field.line, Utf8ToCp932(line));
        EXPECT_EQ(PastRace(*f, {{field.name, text}}), expected)
            << f->name << " " << field.name << " '" << text << "'";
      }
    }
  }
}

// The past venue table, code by code (as the data service lists it): the
// letters of both 競馬道 formats, and none for the codes without one.
TEST(KolPastRace, PastVenueLetterOfEveryCode) {
  const std::map<int, const char*> table = {
      {0, "京"},  {1, "阪"},  {2, "名"},  {3, "小"},  {4, "東"},  {5, "中"},  {6, "福"},
      {7, "新"},  {8, "札"},  {9, "函"},  {10, "大"}, {11, "川"}, {12, "船"}, {13, "浦"},
      {14, "岩"}, {15, "旭"}, {16, "帯"}, {19, "笠"}, {20, "金"}, {21, "荒"}, {22, "宇"},
      {23, "佐"}, {24, "津"}, {25, "高"}, {26, "知"}, {27, "足"}, {28, "上"}, {29, "水"},
      {30, "三"}, {32, "益"}, {33, "盛"}, {34, "屋"}, {35, "札"}, {36, "函"}, {37, "園"},
      {38, "山"}, {39, "姫"}, {40, "名"}, {41, "新"}, {42, "門"}, {60, "香"}, {61, "米"},
      {62, "英"}, {63, "仏"}, {64, "愛"}, {65, "ア"}, {66, "加"}, {67, "伊"}, {68, "独"},
      {69, "豪"}, {71, "Ｎ"},
  };
  for (int code = -1; code <= 80; ++code) {
    const auto letter = table.find(code);
    EXPECT_EQ(Cp932ToUtf8(KolVenueLetter(code)), letter == table.end() ? "" : letter->second)
        << code;
  }
}

TEST(KolPastRace, UnusableSlotsBecomeThePlaceholderBlock) {
  const std::pair<const char*, const char*> cases[] = {
      {"finish", "31"}, {"finish", "00"}, {"finish", "  "}, {"finish", "-1"}, {"skip", "1"},
      {"venue", "17"},  {"venue", "18"},  {"venue", "31"},  {"venue", "43"},  {"venue", "59"},
      {"venue", "70"},  {"venue", "72"},  {"venue", "75"},  {"venue", "99"},  {"venue", "-1"},
  };
  for (const KolTestFormat* f : kKolFormats) {
    for (const auto& [field, text] : cases)
      EXPECT_EQ(PastRace(*f, {{field, text}}, 3), WithPlaceholders({}, 1, f->digits))
          << f->name << " " << field << " '" << text << "'";
  }
}

}  // namespace
}  // namespace tamikaze::testing
