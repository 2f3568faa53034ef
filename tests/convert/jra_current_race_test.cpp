// The race header of a current-format race card: names, venue and course,
// the whole file's layout and the fields that must read as numbers.
#include <gtest/gtest.h>

#include <utility>

#include "convert/jravan/jra_current.h"
#include "racefile/blocks.h"
#include "tests/convert/jra_current_records.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

TEST(JraCurrentNaming, NamesEachRaceFromItsNameFieldOrVenueAndNumber) {
  struct Case {
    const char* venue;
    const char* raceNumber;
    std::string nameField;  // written from byte 18 over 30 full-width spaces
    std::string fileName;
  };
  const std::string thirty = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"_sj;
  const Case cases[] = {
      {"05", "11", "", "東京11R"_sj},
      {"00", "11", "", "11R"},
      {"08", "01", "", "京都01R"_sj},  // no "(内)"/"(外)" in the name
      {"06", "11", "中山　記念"_sj, "中山記念"_sj},
      {"06", "11", "中山記　　念"_sj, "中山記"_sj},    // two spaces end the name
      {"06", "11", "中山　　記念"_sj, "中山記念"_sj},  // ... after the first three characters
      {"05", "11", thirty + "ま"_sj, thirty},          // bytes 78-79 lie beyond the name field
      {"08", "11", "京都　牝馬　ステークス"_sj, "京都牝馬Ｓ"_sj},
      // A name that abbreviates to nothing is named like a race without a name.
      {"05", "09", "ＪＲＡ６０周年記念"_sj, "東京09R"_sj},
  };
  for (const Case& c : cases) {
    RecordBuilder race = CurrentRace().Put(9, c.venue).Put(15, c.raceNumber).Put(137, "17");
    if (!c.nameField.empty()) race.Put(18, c.nameField);
    ConvertState state = LoadedState(race.Str(), "");
    Converted(state, 1);
    EXPECT_EQ(state.RaceFileName, c.fileName) << Cp932ToUtf8(c.nameField);
  }
}

TEST(JraCurrentCourse, VenueAndSurfaceFollowTheTrackCodeAsText) {
  struct Case {
    const char* venueCode;
    const char* track;
    std::string venue;
    std::string surface;
  };
  const Case cases[] = {
      {"08", "17", "京都(内)"_sj, "芝"_sj},
      {"08", "12", "京都(外)"_sj, "芝"_sj},
      {"08", "24", "京都"_sj, "ダ"_sj},
      {"05", "17", "東京"_sj, "芝"_sj},
      {"05", "12", "東京"_sj, "芝"_sj},
      {"05", "24", "東京"_sj, "ダ"_sj},
      {"04", "11", "新潟(内)"_sj, "芝"_sj},
      {"09", "21", "阪神(内)"_sj, "芝"_sj},
      {"09", "23", "阪神"_sj, "ダ"_sj},
      {"08", "51", "京都(外)"_sj, "障"_sj},
      {"05", "51", "東京"_sj, "障"_sj},
      {"05", "5A", "東京"_sj, "障"_sj},
      {"05", "A1", "東京"_sj, "障"_sj},
      {"05", "50", "東京"_sj, "芝"_sj},
      {"05", " 5", "東京"_sj, "芝"_sj},
      {"08", "1 ", "京都(外)"_sj, "芝"_sj},
      {" 5", "11", "東京"_sj, "芝"_sj},
      {"00", "11", "", "芝"_sj},
      {"11", "24", "", "ダ"_sj},
      {"XX", "11", "", "芝"_sj},
  };
  for (const Case& c : cases) {
    ConvertState state = LoadedState(CurrentRace().Put(9, c.venueCode).Put(137, c.track).Str(), "");
    const RaceLines lines = Converted(state, 1);
    EXPECT_EQ(lines.at(2), c.venue) << c.venueCode << " " << c.track;
    EXPECT_EQ(lines.at(3), c.surface) << c.venueCode << " " << c.track;
  }
}

// The race file as described, line by line: header, then per runner the horse
// line, five past-race blocks and "好".
TEST(JraCurrentLayout, WritesTheWholeRaceFile) {
  RecordBuilder race = CurrentRace()
                           .Put(3, "10")
                           .Put(9, "06")
                           .Put(18, "テスト記念"_sj)
                           .Put(133, "1800")
                           .Put(137, "24")
                           .Put(325, "02")
                           .Put(331, "2007100002");
  RecordBuilder other = CurrentHorse("2006100001", "ベツノウマ"_sj);
  RecordBuilder first = CurrentHorse("2007100002", "イチバンボシ"_sj).Put(67, "07");
  const std::pair<int, const char*> slot2[] = {
      {907, "0911"}, {913, "07"},  {961, "2000"}, {965, "23"},    {983, "3"},   {1029, "03"},
      {1031, "02"},  {1033, "01"}, {1038, "352"}, {1041, "2015"}, {1048, "01"},
  };
  for (const auto& [pos1, text] : slot2) PutSlot(first, 2, pos1, text);
  RecordBuilder second = CurrentHorse("2006100003", "ニバンボシ"_sj).Put(74, "2");

  ConvertState state = LoadedState(Joined({race, CurrentRace()}), Joined({other, first, second}));
  const RaceLines lines = Converted(state, 1);

  RaceLines expected = {CopyrightLine(), "1800", "中山"_sj, "ダ"_sj, "良"_sj, "02"};
  for (int n = 1; n <= 18; ++n) expected.push_back(std::to_string(n));
  expected.insert(expected.end(), 18, "0");
  expected.insert(expected.end(), 18, "0.0");
  expected.push_back("02");
  expected.push_back("イチバンボシ　　　"_sj + " 3" + "牡"_sj);
  AppendPlaceholderBlock(expected, DistanceDigits::Four);
  for (const std::string& line :
       {"ダ"_sj, std::string("2000"), "名0911"_sj, std::string("2015"), std::string(" 3 2 1"),
        std::string("352"), "重"_sj, std::string(" 1")}) {
    expected.push_back(line);
  }
  for (int slot = 3; slot <= 5; ++slot) AppendPlaceholderBlock(expected, DistanceDigits::Four);
  expected.push_back("好"_sj);
  expected.push_back("ニバンボシ　　　　"_sj + " 5" + "牝"_sj);
  for (int slot = 1; slot <= 5; ++slot) AppendPlaceholderBlock(expected, DistanceDigits::Four);
  expected.push_back("好"_sj);

  ASSERT_EQ(lines.size(), 61u + 42u * 2u);
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(state.RaceFileName, "テスト記念"_sj);
  EXPECT_EQ(state.HorseCount, 2);
  EXPECT_EQ(state.RaceOffset, 0);
  EXPECT_EQ(state.HorseOffset, 2 * kJraCurrentHorseRecordSize);

  // The second race record has no runners: the header alone.
  EXPECT_EQ(Converted(state, 2).size(), 61u);
  EXPECT_EQ(state.RaceOffset, kJraCurrentRaceRecordSize);
}

TEST(JraCurrentLayout, FieldsThatMustBeNumbersEndTheConversion) {
  struct Case {
    int pos1;
    const char* text;
    bool inHorse;
  };
  const Case cases[] = {
      {3, "0A", false},    // race year
      {325, "1A", false},  // runner count
      {67, " X", true},    // birth year
      {74, " ", true},     // sex code
  };
  for (const Case& c : cases) {
    RecordBuilder race = CurrentRace().Put(325, "01");
    RecordBuilder horse = CurrentHorse("          ", "ウマ"_sj);
    (c.inHorse ? horse : race).Put(c.pos1, c.text);
    ConvertState state = LoadedState(race.Str(), horse.Str());
    try {
      Converted(state, 1);
      ADD_FAILURE() << "no error for '" << c.text << "' at " << c.pos1;
    } catch (const ENotInteger& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace tamikaze::testing
