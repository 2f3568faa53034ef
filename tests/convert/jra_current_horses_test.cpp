// The runners of a current-format race: which horse records, and their
// horse lines.
#include <gtest/gtest.h>

#include <random>

#include "convert/jravan/jra_current.h"
#include "convert/jravan/record_key_index.h"
#include "tests/convert/jra_current_records.h"

namespace tamikaze::testing {
namespace {

// The horse name field (bytes 29-46) of each horse block of `lines`.
std::vector<std::string> RunnerNames(const RaceLines& lines) {
  std::vector<std::string> names;
  for (std::size_t line = 61; line < lines.size(); line += 42) {
    names.push_back(lines[line].substr(0, 18));
  }
  return names;
}

TEST(JraCurrentRunners, AreTheRecordsFromTheFirstWithTheKeyOrFromTheFileStart) {
  std::vector<RecordBuilder> horses;
  const char* keys[] = {"K000000001", "K000000002", "K000000003", "K000000002", "K000000005"};
  for (int i = 0; i < 5; ++i)
    horses.push_back(CurrentHorse(keys[i], Utf8ToCp932("馬" + std::to_string(i))));
  const std::string uma = Joined(horses);
  auto name = [&](int i) { return horses[i].Str().substr(28, 18); };

  struct Case {
    const char* key;
    const char* runners;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"K000000003", "03", {2, 3, 4}},
      {"K000000002", "02", {1, 2}},  // the first record of a repeated key
      {"K999999999", "02", {0, 1}},  // no record has the key: the file's first records
      {"K000000001", "00", {}},
  };
  // All races in one state: the key index serves every race of the import.
  std::vector<RecordBuilder> races;
  for (const Case& c : cases) races.push_back(CurrentRace().Put(331, c.key).Put(325, c.runners));
  ConvertState state = LoadedState(Joined(races), uma);
  for (std::size_t r = 0; r < std::size(cases); ++r) {
    std::vector<std::string> expected;
    for (int i : cases[r].expected) expected.push_back(name(i));
    EXPECT_EQ(RunnerNames(Converted(state, static_cast<int>(r) + 1)), expected) << cases[r].key;
  }
}

TEST(JraCurrentRunners, HorseLineHoldsNameAgeAndSex) {
  struct Case {
    const char* raceYear;
    const char* birthYear;
    const char* sex;
    std::string ageAndSex;
  };
  const Case cases[] = {
      {"03", "99", "1", " 4" + "牡"_sj}, {"09", "05", "2", " 4" + "牝"_sj},
      {"20", "08", "3", "12" + "ｾﾝ"_sj}, {"09", "09", "4", " 04"},
      {"00", "01", "0", "990"},          {"09", " 7", "1", " 2" + "牡"_sj},
  };
  for (const Case& c : cases) {
    RecordBuilder horse = CurrentHorse("H000000001", "ウマ"_sj).Put(67, c.birthYear).Put(74, c.sex);
    ConvertState state = LoadedState(
        CurrentRace().Put(3, c.raceYear).Put(325, "01").Put(331, "H000000001").Str(), horse.Str());
    EXPECT_EQ(Converted(state, 1).at(61), "ウマ　　　　　　　"_sj + c.ageAndSex)
        << c.raceYear << " " << c.birthYear << " " << c.sex;
  }
}

TEST(JraCurrentRunners, HorseFileThatEndsEarlyReadsAsSpaces) {
  // The record ends after the sex code: its past-race slots read as spaces,
  // so they are unusable and become placeholder blocks.
  const std::string uma = CurrentHorse("H000000001", "ウマ"_sj).Str().substr(0, 100);
  ConvertState state = LoadedState(CurrentRace().Put(325, "01").Put(331, "H000000001").Str(), uma);
  const RaceLines lines = Converted(state, 1);
  ASSERT_EQ(lines.size(), 61u + 42u);
  RaceLines placeholders;
  for (int slot = 1; slot <= 5; ++slot) AppendPlaceholderBlock(placeholders, DistanceDigits::Four);
  EXPECT_EQ(RaceLines(lines.begin() + 62, lines.begin() + 102), placeholders);
}

// The index must give what the described scan gives: the first record at
// offset 0, size, 2 x size ... below the length whose key matches, key bytes
// beyond the text reading as spaces.
int ScanForKey(const std::string& text, int length, int size, const std::string& key) {
  for (int offset = 0; offset < length; offset += size) {
    std::string at = offset < static_cast<int>(text.size()) ? text.substr(offset, 4) : "";
    at.resize(4, ' ');
    if (at == key) return offset;
  }
  return -1;
}

TEST(RecordKeyIndex, FindsWhatTheScanFinds) {
  std::mt19937 random(20240601);
  for (int round = 0; round < 200; ++round) {
    const int size = 5 + static_cast<int>(random() % 4);
    std::string text;
    const int bytes = static_cast<int>(random() % 60);
    for (int i = 0; i < bytes; ++i) text += "AB "[random() % 3];
    const int length = static_cast<int>(text.size()) - static_cast<int>(random() % 3);
    RecordKeyIndex index;
    for (const char* key : {"AAAA", "ABAB", "A   ", "    ", "BB  "}) {
      EXPECT_EQ(FindFirstRecord(index, text, length, {size, 1, 4}, key),
                ScanForKey(text, length, size, key))
          << '"' << text << "\" " << length << " " << size << " " << key;
    }
  }
}

TEST(RecordKeyIndex, IsRebuiltForAnotherLengthOrLayout) {
  RecordKeyIndex index;
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 8, {4, 3, 2}, "BB"), 4);
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 4, {4, 3, 2}, "BB"), -1);
  EXPECT_EQ(FindFirstRecord(index, "xxAAyyBB", 8, {2, 1, 2}, "BB"), 6);
}

}  // namespace
}  // namespace tamikaze::testing
