// The runners of a 競馬道 race: which horse records, their horse lines, and
// a horse file that ends early.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/convert/kol_records.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

TEST(KolRunners, AreTheRecordsFromTheFirstWithTheKeyOrFromTheFileStart) {
  // Race key, runner count, the horse records of the runners.
  const std::tuple<const char*, const char*, std::vector<int>> cases[] = {
      {"KEY0003", "03", {2, 3, 4}},
      {"KEY0002", "02", {1, 2}},  // the first record of a repeated key
      {"KEY9999", "02", {0, 1}},  // no record has the key: the file's first records
      {"KEY0001", "-1", {}},
  };
  for (const KolTestFormat* f : kKolFormats) {
    std::string uma, den;
    int n = 0;
    for (const char* key : {"KEY0001", "KEY0002", "KEY0003", "KEY0002", "KEY0005"})
      uma += KolHorse(*f, key, {{"name", Utf8ToCp932("馬" + std::to_string(n++))}});
    for (const auto& [key, runners, records] : cases)
      den += KolRace(*f, {{"key", key}, {"runners", runners}});
    // All races in one state: the key index serves every race of the import.
    ConvertState state = LoadedState(den, uma, 0, f->raceSize);
    for (int r = 1; r <= state.RaceCount; ++r) {
      const RaceLines lines = Converted(state, r, f->convert);
      std::vector<std::string> names, expected;
      for (std::size_t line = 61; line < lines.size(); line += 42)
        names.push_back(Cp932ToUtf8(std::string(lines[line].substr(0, 3))));
      for (int i : std::get<2>(cases[r - 1])) expected.push_back("馬" + std::to_string(i));
      EXPECT_EQ(names, expected) << f->name << " " << std::get<0>(cases[r - 1]);
    }
  }
}

// Race year, birth year, sex code and the end of the horse line they give.
TEST(KolRunners, HorseLineHoldsNameAgeAndSex) {
  const std::tuple<const char*, const char*, const char*, std::string> cases[] = {
      {"03", "99", "0", " 4" + "牡"_sj}, {"05", "02", "1", " 3" + "牝"_sj},
      {"20", "08", "2", "12" + "ｾﾝ"_sj}, {"09", "09", "3", " 03"},
      {"00", "01", "9", "999"},          {"09", " 7", "1", " 2" + "牝"_sj},
  };
  for (const KolTestFormat* f : kKolFormats) {
    for (const auto& [raceYear, birthYear, sex, ageAndSex] : cases) {
      ConvertState state = LoadedState(
          KolRace(*f, {{"year", raceYear}, {"runners", "01"}}),
          KolHorse(*f, "KEY0001", {{"birthYear", birthYear}, {"sex", sex}}), 0, f->raceSize);
      EXPECT_EQ(Converted(state, 1, f->convert).at(61), "ウマ　　　　　　　"_sj + ageAndSex)
          << f->name << " " << raceYear << birthYear << sex;
    }
  }
}

// Bytes beyond the end of the horse file read as spaces: a record cut inside
// its past-race slots gives placeholder blocks; a runner whose birth year is
// missing ends the conversion.
TEST(KolRunners, HorseFileThatEndsEarlyReadsAsSpaces) {
  for (const KolTestFormat* f : kKolFormats) {
    SCOPED_TRACE(f->name);
    const KolFields slot = UsableSlot(*f);
    // Cut inside slot 3's finishing position field, after its first byte.
    const std::string horse = KolHorse(*f, "KEY0001", {}, {{2, slot}, {3, slot}, {4, slot}})
                                  .substr(0, f->slot.at("finish") + 2 * f->slotStride);
    ConvertState one = LoadedState(KolRace(*f, {{"runners", "01"}}), horse, 0, f->raceSize);
    const RaceLines lines = Converted(one, 1, f->convert);
    ASSERT_EQ(lines.size(), 61u + 42u);
    EXPECT_EQ(lines.at(70), "芝"_sj);  // slot 2 is whole
    EXPECT_EQ(RaceLines(lines.begin() + 78, lines.end() - 1), WithPlaceholders({}, 3, f->digits));

    ConvertState two = LoadedState(KolRace(*f, {{"runners", "02"}}), horse, 0, f->raceSize);
    EXPECT_THROW(Converted(two, 1, f->convert),
                 ENotInteger);  // the second runner has no birth year
  }
}

}  // namespace
}  // namespace tamikaze::testing
