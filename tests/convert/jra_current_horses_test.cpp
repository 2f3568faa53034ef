// The runners of a current-format race: which horse records, and their
// horse lines.
#include <gtest/gtest.h>

#include <tuple>

#include "convert/jravan/jra_current.h"
#include "tests/convert/jra_current_records.h"

namespace tamikaze::testing {
namespace {

// The lines of `race` with one runner whose key is `key`.
RaceLines OneRace(RecordBuilder race, const char* key, const std::string& uma) {
  ConvertState state = LoadedState(race.Put(325, "01").Put(331, key).Str(), uma);
  return Converted(state, 1);
}

TEST(JraCurrentRunners, AreTheRecordsFromTheFirstWithTheKeyOrFromTheFileStart) {
  std::vector<RecordBuilder> horses;
  for (const char* key : {"K000000001", "K000000002", "K000000003", "K000000002", "K000000005"})
    horses.push_back(CurrentHorse(key, Utf8ToCp932("馬" + std::to_string(horses.size()))));
  // Key, runner count, the horse records of the runners.
  const std::tuple<const char*, const char*, std::vector<int>> cases[] = {
      {"K000000003", "03", {2, 3, 4}},
      {"K000000002", "02", {1, 2}},  // the first record of a repeated key
      {"K999999999", "02", {0, 1}},  // no record has the key: the file's first records
      {"K000000001", "00", {}},
  };
  // All races in one state: the key index serves every race of the import.
  std::vector<RecordBuilder> races;
  for (const auto& [key, runners, expected] : cases)
    races.push_back(CurrentRace().Put(331, key).Put(325, runners));
  ConvertState state = LoadedState(Joined(races), Joined(horses));
  for (int r = 0; r < 4; ++r) {
    const RaceLines lines = Converted(state, r + 1);
    std::vector<std::string> names, expected;
    for (std::size_t line = 61; line < lines.size(); line += 42)
      names.emplace_back(lines[line].substr(0, 18));
    for (int i : std::get<2>(cases[r])) expected.push_back(horses[i].Str().substr(28, 18));
    EXPECT_EQ(names, expected) << std::get<0>(cases[r]);
  }
}

// Race year, birth year, sex code and the end of the horse line they give.
TEST(JraCurrentRunners, HorseLineHoldsNameAgeAndSex) {
  const std::tuple<const char*, const char*, const char*, std::string> cases[] = {
      {"03", "99", "1", " 4" + "牡"_sj}, {"09", "05", "2", " 4" + "牝"_sj},
      {"20", "08", "3", "12" + "ｾﾝ"_sj}, {"09", "09", "4", " 04"},
      {"00", "01", "0", "990"},          {"09", " 7", "1", " 2" + "牡"_sj},
  };
  for (const auto& [raceYear, birthYear, sex, ageAndSex] : cases) {
    const RaceLines lines =
        OneRace(CurrentRace().Put(3, raceYear), "H000000001",
                CurrentHorse("H000000001", "ウマ"_sj).Put(67, birthYear).Put(74, sex).Str());
    EXPECT_EQ(lines.at(61), "ウマ　　　　　　　"_sj + ageAndSex) << raceYear << birthYear << sex;
  }
}

// The record ends after the sex code: its past-race slots read as spaces, so
// they are unusable and become placeholder blocks.
TEST(JraCurrentRunners, HorseFileThatEndsEarlyReadsAsSpaces) {
  const std::string uma = CurrentHorse("H000000001", "ウマ"_sj).Str().substr(0, 100);
  const RaceLines lines = OneRace(CurrentRace(), "H000000001", uma);
  ASSERT_EQ(lines.size(), 61u + 42u);
  EXPECT_EQ(RaceLines(lines.begin() + 62, lines.end() - 1), WithPlaceholders({}, 5));
}

}  // namespace
}  // namespace tamikaze::testing
