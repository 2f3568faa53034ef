// The race header of the two 競馬道 race-card formats: the whole file, names,
// venue and course, and the fields that must read as numbers.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/convert/kol_records.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

// The race file as described, line by line: a named dirt race at 中山 with two
// runners after a record of another race; the second runner's slot 2 holds a
// past race.
TEST(KolLayout, WritesTheWholeRaceFile) {
  for (const KolTestFormat* f : kKolFormats) {
    SCOPED_TRACE(f->name);
    const KolFields race = {{"venue", "05"},   {"name", "テスト記念"_sj}, {"surface", "0"},
                            {"runners", "02"}, {"key", "KEY0002"},        {"year", "10"}};
    const std::string distance = f->digits == DistanceDigits::Four ? "2000" : "20";
    const KolFields slot2 = {{"venue", "40"},      {"yearMonth", "0911"},  {"skip", "0"},
                             {"surface", "0"},     {"distance", distance}, {"going", "2"},
                             {"finish", "03"},     {"time", "2015"},       {"closing", "352"},
                             {"passing", "434241"}};
    const std::string uma = KolHorse(*f, "KEY0001") + KolHorse(*f, "KEY0002", {}, {{2, slot2}}) +
                            KolHorse(*f, "KEY0009", {{"name", "ニバンボシ"_sj}, {"sex", "1"}});
    ConvertState state = LoadedState(KolRace(*f, race) + KolRace(*f), uma, 0, f->raceSize);

    RaceLines expected =
        HeaderLines({f->distance, "中山"_sj, "ダ"_sj, "良"_sj, "02"},
                    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, "02");
    expected.push_back("ウマ　　　　　　　"_sj + " 5" + "牡"_sj);
    expected = WithPlaceholders(expected, 1, f->digits);
    expected.insert(expected.end(),
                    {"ダ"_sj, distance, "名0911"_sj, "2015", " 3 2 1", "352", "重"_sj, " 3"});
    expected = WithPlaceholders(expected, 3, f->digits);
    expected.insert(expected.end(), {"好"_sj, "ニバンボシ　　　　"_sj + " 5" + "牝"_sj});
    expected = WithPlaceholders(expected, 5, f->digits);
    expected.push_back("好"_sj);

    EXPECT_EQ(Converted(state, 1, f->convert), expected);
    EXPECT_EQ(state.RaceFileName, "テスト記念"_sj);
    EXPECT_EQ(state.HorseOffset, 2 * f->horseSize + 1);  // a 1-based position
    EXPECT_EQ(Converted(state, 2, f->convert).size(), 61u);
    EXPECT_EQ(state.RaceOffset, f->raceSize + 1);
  }
}

// Venue code, race number and name field, and the race file name they give.
TEST(KolNaming, NamesEachRaceFromItsNameFieldOrVenueAndNumber) {
  const std::string thirty = "あいうえおかきくけこさしすせそ"_sj;
  const std::tuple<const char*, const char*, std::string, std::string> cases[] = {
      {"04", "11", "", "東京11R"_sj},
      {"07", "05", "", "新潟05R"_sj},
      {"00", "01", "", "京都01R"_sj},  // no "(内)"/"(外)" in the name
      {"12", "03", "", "京都03R"_sj},  // a code outside the table is 京都
      {" 1", "12", "", "阪神12R"_sj},
      {"04", "11", "夏至特別  "_sj, "夏至特別"_sj},
      {"04", "11", "AB CD", "AB"},   // up to the first half-width space
      {"04", "11", thirty, thirty},  // 30 bytes without a space
      {"04", "11", "サンプルステークス"_sj, "サンプルＳ"_sj},
      // A name that abbreviates to nothing is named like a race without a name.
      {"04", "09", "ＪＲＡ６０周年記念"_sj, "東京09R"_sj},
  };
  for (const KolTestFormat* f : kKolFormats) {
    for (const auto& [venue, number, name, fileName] : cases) {
      KolFields fields = {{"venue", venue}, {"number", number}};
      if (!name.empty()) fields["name"] = name;
      ConvertState state = LoadedState(KolRace(*f, fields), "", 0, f->raceSize);
      Converted(state, 1, f->convert);
      EXPECT_EQ(state.RaceFileName, fileName) << f->name << " " << Cp932ToUtf8(name);
    }
  }
}

// Venue code, then the surface, course and steeplechase bytes, and lines 2
// and 3 of each format.
TEST(KolCourse, VenueAndSurfaceFollowTheFlagsOfEachFormat) {
  const std::tuple<const KolTestFormat*, const char*, const char*, const char*, const char*>
      cases[] = {
          // clang-format off
          {&kKd2, "01", "11 ", "阪神(外)", "芝"},   {&kKd2, "01", "15 ", "阪神(内)", "芝"},
          {&kKd2, "00", "20 ", "京都(内)", "芝"},   {&kKd2, "07", "12 ", "新潟(内)", "芝"},
          {&kKd2, "12", "13 ", "京都(外)", "芝"},   {&kKd2, "04", "10 ", "東京", "芝"},
          {&kKd2, "00", "00 ", "京都", "ダ"},       {&kKd2, "00", "101", "京都(内)", "障"},
          {&kKd2, "04", "001", "東京", "障"},       {&kKd2, "04", "100", "東京", "芝"},
          {&kOlder, "01", "10 ", "阪神", "芝"},     {&kOlder, "01", "11 ", "阪神", "芝"},
          {&kOlder, "07", "12 ", "新潟(内)", "芝"}, {&kOlder, "00", "19 ", "京都(外)", "芝"},
          {&kOlder, "00", "100", "京都(内)", "障"}, {&kOlder, "04", "008", "東京", "障"},
          {&kOlder, "04", "109", "東京", "障"},     {&kOlder, "04", "001", "東京", "ダ"},
          {&kOlder, "04", "101", "東京", "芝"},
          // clang-format on
      };
  for (const auto& [f, venue, flags, line2, line3] : cases) {
    const std::string bytes = flags;
    SCOPED_TRACE(std::string(f->name) + " " + venue + " '" + bytes + "'");
    ConvertState state = LoadedState(KolRace(*f, {{"venue", venue},
                                                  {"surface", bytes.substr(0, 1)},
                                                  {"course", bytes.substr(1, 1)},
                                                  {"steeplechase", bytes.substr(2, 1)}}),
                                     "", 0, f->raceSize);
    const RaceLines lines = Converted(state, 1, f->convert);
    EXPECT_EQ(lines.at(2), Utf8ToCp932(line2));
    EXPECT_EQ(lines.at(3), Utf8ToCp932(line3));
  }
}

// Venue code, runner count, race year, birth year and sex code must read as
// numbers; when several do not, the first read names the error.
TEST(KolLayout, FieldsThatMustBeNumbersEndTheConversion) {
  const std::tuple<KolFields, KolFields, const char*> cases[] = {
      {{{"venue", "1A"}, {"runners", "0X"}}, {}, "1A"},
      {{{"runners", "1 "}, {"year", "XX"}}, {}, "1 "},
      {{{"runners", "00"}, {"year", "0A"}}, {}, "0A"},  // read even without runners
      {{{"year", "- "}}, {}, "- "},
      {{}, {{"birthYear", " X"}, {"sex", "X"}}, " X"},
      {{}, {{"sex", " "}}, " "},
  };
  for (const KolTestFormat* f : kKolFormats) {
    for (const auto& [raceFields, horseFields, text] : cases) {
      KolFields race = {{"runners", "01"}, {"key", "KEY0001"}};
      for (const auto& [field, value] : raceFields) race[field] = value;
      ConvertState state =
          LoadedState(KolRace(*f, race), KolHorse(*f, "KEY0001", horseFields), 0, f->raceSize);
      SCOPED_TRACE(f->name);
      ExpectNotInteger([&] { Converted(state, 1, f->convert); }, text);
    }
  }
}

}  // namespace
}  // namespace tamikaze::testing
