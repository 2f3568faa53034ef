// Older-format race cards: where they differ from the current format.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "convert/jravan/jra_old.h"
#include "tests/convert/jra_old_records.h"
#include "tests/convert/race_lines_support.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

RaceLines ConvertedOld(const RecordBuilder& race, const std::string& uma = "") {
  ConvertState state = LoadedState(race.Str(), uma, 1, kJraOldRaceRecordSize);
  return Converted(state, 1, ConvertJraOld);
}

// Venue code (strict), track code (strict), name field, and lines 2 and 3 and
// the file name they give.
TEST(JraOldHeader, VenueCourseAndNameFollowTheOlderRules) {
  const std::tuple<const char*, const char*, std::string, const char*, const char*, std::string>
      cases[] = {
          {"05", "11", "", "東京", "芝", "東京11R"_sj},
          {"00", "11", "", "00", "芝", "0011R"},  // written as read
          {"11", "24", "", "11", "ダ", "1111R"},
          {" 8", "17", "", "京都(内)", "芝", "京都11R"_sj},
          {"04", "11", "", "新潟(内)", "芝", "新潟11R"_sj},
          {"08", " 1", "", "京都(外)", "芝", "京都11R"_sj},
          {"09", "17", "", "阪神", "芝", "阪神11R"_sj},  // no course at 阪神 here
          {"08", "23", "", "京都", "ダ", "京都11R"_sj},
          {"08", "51", "", "京都(外)", "障", "京都11R"_sj},
          {"05", "50", "", "東京", "芝", "東京11R"_sj},
          {"05", "11", "中山　記念"_sj, "東京", "芝", "中山記念"_sj},
          {"05", "11", "ＪＲＡ６０周年記念"_sj, "東京", "芝", "東京11R"_sj},
      };
  // The inner course of 京都 by track code.
  for (int track = 10; track <= 22; ++track) {
    const bool inner =
        track == 11 || track == 14 || track == 15 || track == 17 || track == 20 || track == 21;
    const RaceLines lines = ConvertedOld(OldRace().Put(1, "08").Put(103, std::to_string(track)));
    EXPECT_EQ(lines.at(2), inner ? "京都(内)"_sj : "京都(外)"_sj) << track;
  }
  for (const auto& [venueCode, track, nameField, venue, surface, fileName] : cases) {
    RecordBuilder race = OldRace().Put(1, venueCode).Put(103, track);
    if (!nameField.empty()) race.Put(18, nameField);
    ConvertState state = LoadedState(race.Str(), "", 1, kJraOldRaceRecordSize);
    const RaceLines lines = Converted(state, 1, ConvertJraOld);
    EXPECT_EQ(lines.at(2), Utf8ToCp932(venue)) << venueCode << " " << track;
    EXPECT_EQ(lines.at(3), Utf8ToCp932(surface)) << venueCode << " " << track;
    EXPECT_EQ(state.RaceFileName, fileName) << venueCode << " " << track;
  }
}

// The whole file: two-digit distances, the runners from the first record with
// the 8-byte key at bytes 170-177, the horse line from bytes 10-27, 131 and
// 134-135, a filled slot and the placeholder blocks with "99".
TEST(JraOldLayout, WritesTheWholeRaceFile) {
  RecordBuilder race = OldRace().Put(1, "08").Put(3, "10").Put(18, "テスト特別"_sj);
  race.Put(99, "18").Put(103, "17").Put(106, "02").Put(170, "H0000002");
  RecordBuilder first = OldHorse("H0000002", "イチバンボシ"_sj).Put(134, "07").Put(131, "2");
  const std::pair<int, const char*> slot2[] = {
      {638, "05"}, {640, "09"}, {648, "11"},   {655, "16"},     {659, "23"},
      {669, "3"},  {713, "02"}, {718, "1352"}, {730, "000507"}, {739, "000"}};
  for (const auto& [pos1, text] : slot2) PutOldSlot(first, 2, pos1, text);
  const RecordBuilder second = OldHorse("H0000003", "ニバンボシ"_sj).Put(131, "4");
  const std::string uma = Joined({OldHorse("H0000001", "ベツノウマ"_sj), first, second});

  std::vector<int> numbers;
  for (int n = 1; n <= 18; ++n) numbers.push_back(n);
  RaceLines expected = HeaderLines({"18", "京都(内)"_sj, "芝"_sj, "良"_sj, "02"}, numbers, "02");
  expected.push_back("イチバンボシ　　　"_sj + " 3" + "牝"_sj);
  expected = WithPlaceholders(expected, 1, DistanceDigits::Two);
  expected.insert(expected.end(),
                  {"ダ"_sj, "16", "東0911"_sj, "1352", " 5 5 7", "000", "重"_sj, " 2"});
  expected = WithPlaceholders(expected, 3, DistanceDigits::Two);
  expected.insert(expected.end(), {"好"_sj, "ニバンボシ　　　　"_sj + " 5" + "4"});
  expected = WithPlaceholders(expected, 5, DistanceDigits::Two);
  expected.push_back("好"_sj);

  ConvertState state = LoadedState(Joined({race, OldRace()}), uma, 1, kJraOldRaceRecordSize);
  EXPECT_EQ(Converted(state, 1, ConvertJraOld), expected);
  EXPECT_EQ(state.HorseOffset, 2 * kJraOldHorseRecordSize);
  EXPECT_EQ(Converted(state, 2, ConvertJraOld).size(), 61u);
  EXPECT_EQ(state.RaceOffset, kJraOldRaceRecordSize);
}

using Fields = std::vector<std::pair<int, std::string>>;

// A usable past race at 中山 (6), turf, distance 20, good going, third.
const Fields kUsableOld = {
    {638, "06"}, {640, "04"}, {648, "10"},   {655, "20"},     {659, "11"},
    {669, "1"},  {713, "03"}, {718, "2015"}, {730, "030302"}, {739, "345"},
};

// The 8 lines that kUsableOld followed by `changed` give in slot `slot`.
RaceLines OldPastRace(const Fields& changed, int slot = 1) {
  RecordBuilder horse = OldHorse("H0000001", "ウマ"_sj);
  for (const Fields& fields : {kUsableOld, changed})
    for (const auto& [pos1, text] : fields) PutOldSlot(horse, slot, pos1, text);
  ConvertState state = LoadedState("", OldHorse("H0", "前"_sj).Str() + horse.Str(), 1);
  state.HorseOffset = kJraOldHorseRecordSize;
  AddPastRaceOld(state, slot);
  return state.SaveLst;
}

TEST(AddPastRaceOld, ChangesOneLinePerField) {
  const RaceLines usable = {"芝"_sj, "20", "中0410"_sj, "2015", " 3 3 2", "345", "良"_sj, " 3"};
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(OldPastRace({}, slot), usable) << slot;
  struct Field {
    int pos1;
    int line;
    std::vector<std::pair<const char*, const char*>> written;
  };
  const Field fields[] = {
      {638, 2, {{"07", "名0410"}, {" 1", "札0410"}, {"10", "小0410"}, {"1 ", "札0410"}}},
      {659, 0, {{"23", "ダ"}, {"24", "ダ"}, {"50", "芝"}, {" 9", "芝"}}},
      {730, 4, {{"000005", " 5 5 5"}, {"000709", " 7 7 9"}, {" 0 0 3", " 3 3 3"}}},
      {739, 5, {{"000", "000"}}},
      {669, 6, {{"2", "稍"}, {"3", "重"}, {"4", "不"}, {"5", "5"}, {"0", "0"}}},
      {713, 7, {{"12", "12"}, {" 1", " 1"}}},
  };
  for (const Field& f : fields) {
    for (const auto& [text, line] : f.written) {
      const RaceLines expected = testing::Replaced(usable, f.line, Utf8ToCp932(line));
      EXPECT_EQ(OldPastRace({{f.pos1, text}}), expected) << f.pos1 << " '" << text << "'";
    }
  }
}

// No letter (venue outside 1 to 10, spaces read as 0), a steeplechase or no
// finishing position: the older placeholder block, whatever the filled-only
// fields hold.
TEST(AddPastRaceOld, UnusableSlotsBecomeTheOlderPlaceholderBlock) {
  const Fields cases[] = {
      {{638, "12"}},
      {{638, "00"}},
      {{638, "  "}},
      {{638, "A1"}},
      {{659, "51"}},
      {{713, "00"}},
      {{713, "00"}, {669, " "}, {730, "XXXXXX"}},
  };
  for (const Fields& changed : cases) {
    EXPECT_EQ(OldPastRace(changed, 4), WithPlaceholders({}, 1, DistanceDigits::Two))
        << changed[0].first << " '" << changed[0].second << "'";
  }
}

// Every strict field of the format, with the text the message names. Race
// fields are read before the horses', and a slot's track code and finishing
// position even when its venue has no letter.
TEST(JraOldLayout, FieldsThatMustBeNumbersEndTheConversion) {
  struct Case {
    Fields race, horse;
    const char* named;
  };
  const Case cases[] = {
      {{{1, "0A"}, {103, "1X"}}, {}, "0A"},
      {{{103, "1X"}, {106, "A1"}}, {}, "1X"},
      {{{106, "A1"}, {3, "X9"}}, {}, "A1"},
      {{{3, "X9"}}, {{134, " X"}}, "X9"},
      {{}, {{134, " X"}, {131, "?"}}, " X"},
      {{}, {{131, " "}}, " "},
      {{}, {{638 + 136, "  "}, {659 + 136, "  "}}, "  "},
      {{}, {{713 + 136 * 4, "X1"}}, "X1"},
      {{}, {{638, "05"}, {659, "11"}, {713, "01"}, {730, "010X01"}}, "0X"},
      {{}, {{638, "05"}, {659, "11"}, {713, "01"}, {730, "010101"}, {669, "X"}}, "X"},
  };
  for (const Case& c : cases) {
    RecordBuilder race = OldRace().Put(106, "01").Put(170, "H0000001");
    RecordBuilder horse = OldHorse("H0000001", "ウマ"_sj);
    for (const auto& [pos1, text] : c.race) race.Put(pos1, text);
    for (const auto& [pos1, text] : c.horse) horse.Put(pos1, text);
    ExpectNotInteger([&] { ConvertedOld(race, horse.Str()); }, c.named);
  }
}

}  // namespace
}  // namespace tamikaze::testing
