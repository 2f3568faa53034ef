// The race header of a current-format race card: names, venue and course,
// the whole file's layout and the fields that must read as numbers.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "convert/jravan/jra_current.h"
#include "racefile/blocks.h"
#include "tests/convert/jra_current_records.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

// Venue, race number, name field (written from byte 18 over 30 full-width
// spaces) and the race file name it gives.
TEST(JraCurrentNaming, NamesEachRaceFromItsNameFieldOrVenueAndNumber) {
  const std::string thirty = "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"_sj;
  const std::tuple<const char*, const char*, std::string, std::string> cases[] = {
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
  for (const auto& [venue, number, nameField, fileName] : cases) {
    RecordBuilder race = CurrentRace().Put(9, venue).Put(15, number).Put(137, "17");
    if (!nameField.empty()) race.Put(18, nameField);
    ConvertState state = LoadedState(race.Str(), "");
    Converted(state, 1);
    EXPECT_EQ(state.RaceFileName, fileName) << Cp932ToUtf8(nameField);
  }
}

// Venue code and track code (compared as text) give lines 2 and 3.
TEST(JraCurrentCourse, VenueAndSurfaceFollowTheTrackCodeAsText) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"08", "17", "京都(内)", "芝"}, {"08", "12", "京都(外)", "芝"}, {"08", "24", "京都", "ダ"},
      {"05", "17", "東京", "芝"},     {"05", "12", "東京", "芝"},     {"05", "24", "東京", "ダ"},
      {"04", "11", "新潟(内)", "芝"}, {"09", "21", "阪神(内)", "芝"}, {"09", "23", "阪神", "ダ"},
      {"08", "51", "京都(外)", "障"}, {"05", "51", "東京", "障"},     {"05", "5A", "東京", "障"},
      {"05", "A1", "東京", "障"},     {"05", "50", "東京", "芝"},     {"05", " 5", "東京", "芝"},
      {"08", "1 ", "京都(外)", "芝"}, {" 5", "11", "東京", "芝"},     {"00", "11", "", "芝"},
      {"11", "24", "", "ダ"},         {"XX", "11", "", "芝"}};
  for (const auto& [venueCode, track, venue, surface] : cases) {
    ConvertState state = LoadedState(CurrentRace().Put(9, venueCode).Put(137, track).Str(), "");
    const RaceLines lines = Converted(state, 1);
    EXPECT_EQ(lines.at(2), Utf8ToCp932(venue)) << venueCode << " " << track;
    EXPECT_EQ(lines.at(3), Utf8ToCp932(surface)) << venueCode << " " << track;
  }
}

// The race file as described, line by line: header, then per runner the horse
// line, five past-race blocks and "好".
TEST(JraCurrentLayout, WritesTheWholeRaceFile) {
  RecordBuilder race = CurrentRace().Put(3, "10").Put(9, "06").Put(18, "テスト記念"_sj);
  race.Put(133, "1800").Put(137, "24").Put(325, "02").Put(331, "2007100002");
  RecordBuilder first = CurrentHorse("2007100002", "イチバンボシ"_sj).Put(67, "07");
  const std::pair<int, const char*> slot2[] = {
      {907, "0911"}, {913, "07"},  {961, "2000"}, {965, "23"},    {983, "3"},  {1029, "03"},
      {1031, "02"},  {1033, "01"}, {1038, "352"}, {1041, "2015"}, {1048, "01"}};
  for (const auto& [pos1, text] : slot2) PutSlot(first, 2, pos1, text);
  const RecordBuilder second = CurrentHorse("2006100003", "ニバンボシ"_sj).Put(74, "2");
  ConvertState state =
      LoadedState(Joined({race, CurrentRace()}),
                  Joined({CurrentHorse("2006100001", "ベツノウマ"_sj), first, second}));

  RaceLines expected =
      HeaderLines({"1800", "中山"_sj, "ダ"_sj, "良"_sj, "02"},
                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, "02");
  expected.push_back("イチバンボシ　　　"_sj + " 3" + "牡"_sj);
  expected = WithPlaceholders(expected, 1);
  expected.insert(expected.end(),
                  {"ダ"_sj, "2000", "名0911"_sj, "2015", " 3 2 1", "352", "重"_sj, " 1"});
  expected = WithPlaceholders(expected, 3);
  expected.insert(expected.end(), {"好"_sj, "ニバンボシ　　　　"_sj + " 5" + "牝"_sj});
  expected = WithPlaceholders(expected, 5);
  expected.push_back("好"_sj);

  EXPECT_EQ(Converted(state, 1), expected);
  EXPECT_EQ(state.HorseCount, 2);
  EXPECT_EQ(state.RaceOffset, 0);
  EXPECT_EQ(state.HorseOffset, 2 * kJraCurrentHorseRecordSize);
  // The second race record has no runners: the header alone.
  EXPECT_EQ(Converted(state, 2).size(), 61u);
  EXPECT_EQ(state.RaceOffset, kJraCurrentRaceRecordSize);
}

TEST(JraCurrentLayout, FieldsThatMustBeNumbersEndTheConversion) {
  // Position, text, whether in the horse record: race year, runner count,
  // birth year, sex code.
  const std::tuple<int, const char*, bool> cases[] = {
      {3, "0A", false}, {325, "1A", false}, {67, " X", true}, {74, " ", true}};
  for (const auto& [pos1, text, inHorse] : cases) {
    RecordBuilder race = CurrentRace().Put(325, "01");
    RecordBuilder horse = CurrentHorse("          ", "ウマ"_sj);
    (inHorse ? horse : race).Put(pos1, text);
    ConvertState state = LoadedState(race.Str(), horse.Str());
    SCOPED_TRACE(pos1);
    ExpectNotInteger([&] { Converted(state, 1); }, text);
  }
}

}  // namespace
}  // namespace tamikaze::testing
