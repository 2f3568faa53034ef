// Special registrations of both formats: the race header, the ranking of the
// entries into the numbering block, and the horse blocks in entry order.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "convert/jravan/entry_ranking.h"
#include "convert/jravan/registrations.h"
#include "convert/jravan/trial_priority.h"
#include "tests/convert/registration_records.h"
#include "text/numbers.h"

namespace tamikaze::testing {
namespace {

// The race in `race` with the horses in `uma`, as data type `type` (3 or 6).
RaceLines ConvertedSpecial(int type, const RecordBuilder& race, const std::string& uma,
                           ConvertState* kept = nullptr) {
  ConvertState state = type == 3 ? LoadedState(race.Str(), uma, 3, kTourRaceRecordSize)
                                 : LoadedState(race.Str(), uma, 6, kTok1RaceRecordSize);
  const RaceLines lines = Converted(state, 1, type == 3 ? ConvertTourRace : ConvertTok1Race);
  if (kept) *kept = state;
  return lines;
}

// The numbering block, lines 6 to 23, as numbers.
std::vector<int> NumberingBlock(const RaceLines& lines) {
  std::vector<int> numbers;
  for (std::size_t line = 6; line <= 23; ++line)
    numbers.push_back(std::stoi(std::string(lines.at(line))));
  return numbers;
}

// Data type, venue code, track code, name field, and lines 2 and 3 and the
// file name they give: the older format reads venue and track strictly and
// knows no course at 阪神; its name ends at two full-width spaces, the
// current format's at the first.
TEST(SpecialHeader, VenueCourseAndNameFollowEachFormat) {
  const std::string twenty = "あいうえおかきくけこさしすせそたちつてと"_sj;
  const std::tuple<int, const char*, const char*, std::string, const char*, const char*,
                   std::string>
      cases[] = {
          {3, "05", "11", "", "東京", "芝", "東京11R"_sj},
          {3, "11", "11", "", "11", "芝", "1111R"},
          {3, "09", "17", "", "阪神", "芝", "阪神11R"_sj},
          {3, "08", "51", "", "京都(外)", "障", "京都11R"_sj},
          {3, "05", "11", "中山　記念"_sj, "東京", "芝", "中山記念"_sj},
          {3, "05", "11", "中山記　　念"_sj, "東京", "芝", "中山記"_sj},
          {3, "05", "11", "　中山"_sj, "東京", "芝", "中山"_sj},
          {3, "05", "11", twenty + "な"_sj, "東京", "芝", twenty},
          {6, "05", "11", "", "東京", "芝", "東京11R"_sj},
          {6, "11", "11", "", "", "芝", "11R"},
          {6, "09", "17", "", "阪神(内)", "芝", "阪神11R"_sj},
          {6, "05", "5A", "", "東京", "障", "東京11R"_sj},
          {6, "05", "11", "中山　記念"_sj, "東京", "芝", "中山"_sj},
          {6, "05", "11", "　中山"_sj, "東京", "芝", "東京11R"_sj},
          {6, "05", "11", twenty + "な"_sj, "東京", "芝", twenty},
      };
  for (const auto& [type, venueCode, track, nameField, venue, surface, fileName] : cases) {
    RecordBuilder race = type == 3 ? TourRace().Put(1, venueCode).Put(78, track)
                                   : Tok1Race().Put(9, venueCode).Put(137, track);
    if (!nameField.empty()) race.Put(type == 3 ? 13 : 18, nameField);
    ConvertState state;
    const RaceLines lines = ConvertedSpecial(type, race, "", &state);
    const std::string label = std::to_string(type) + " " + venueCode + " " + track;
    EXPECT_EQ(lines.at(2), Utf8ToCp932(venue)) << label;
    EXPECT_EQ(lines.at(3), Utf8ToCp932(surface)) << label;
    EXPECT_EQ(state.RaceFileName, fileName) << label;
  }
}

// One entry of a ranking scenario: its horse (none when not found) and what
// that horse record holds.
struct Entry {
  bool found = true;
  const char* amount = "0000100";
  const char* birthYear = "05";  // age 4 in a race of 09
  const char* lastPosition = "05";
  const char* tie = "   ";
  const char* lastRace = "　　　";
};

// A data type 6 race of 09 with condition `condition` and short name `target`.
RaceLines Tok1Ranking(const char* condition, const char* target,
                      const std::vector<Entry>& entries) {
  RecordBuilder race = Tok1Race().Put(88, condition).Put(78, Utf8ToCp932(target));
  race.Put(325, "0" + std::to_string(entries.size()));
  std::string uma;
  for (std::size_t k = 1; k <= entries.size(); ++k) {
    const Entry& e = entries[k - 1];
    const std::string key = "0500000" + std::string(1, static_cast<char>('A' + k));
    PutTok1Entry(race, static_cast<int>(k), key, "ウマ"_sj);
    if (!e.found) continue;
    uma += Tok1Horse(key, "ウマ"_sj)
               .Put(603, e.amount)
               .Put(67, e.birthYear)
               .Put(1050, e.lastPosition)
               .Put(1117, e.tie)
               .Put(921, Utf8ToCp932(e.lastRace))
               .Str();
  }
  return ConvertedSpecial(6, race, uma);
}

// Missing horses first, then trial places, then amounts (doubled for the
// condition's age); equal amounts by last-race position (00 counting as 99),
// equal winners by their tie value (minus bytes 1117-1119); entries that rank
// equal keep their order; the numbers not ranked follow from 1 up.
TEST(SpecialRanking, CurrentFormatRanksByTrialAmountPositionAndTie) {
  std::vector<Entry> entries(14);
  entries[0].amount = entries[1].amount = "0000500";
  entries[1].lastPosition = "02";
  entries[2] = {true, "0000100", "05", "01", "   ", "弥生賞"};  // 9999999 - 1
  entries[3] = {true, "0000100", "05", "02", "   ", "スプＳ"};  // 9999990 - 2
  entries[4] = {true, "0000900", "05", "03", "   ", "若葉Ｓ"};  // third: no trial place
  entries[5].found = false;                                     // 9999999
  entries[6] = {true, "0000400", "05", "01", "  3"};            // tie -3
  entries[7] = {true, "0000400", "05", "01", " -5"};            // tie 5
  entries[8] = {true, "0000400", "05", "00"};                   // position 99
  entries[9] = {true, "0000300", "06"};                         // aged 3 under 13: 600
  entries[10].amount = entries[11].amount = "0000300";          // aged 4: 300
  entries[12] = {true, "0000200", "05", "01", "-5 "};           // tie -5
  entries[13] = {true, "0000200", "05", "01", "-05"};           // tie 5
  EXPECT_EQ(NumberingBlock(Tok1Ranking("13", "皐月賞", entries)),
            (std::vector<int>{6, 3, 4, 5, 10, 2, 1, 8, 7, 9, 11, 12, 14, 13, 15, 16, 17, 18}));

  // Under condition 14 the four-year-olds double instead.
  EXPECT_EQ(NumberingBlock(Tok1Ranking("14", "皐月賞", entries)),
            (std::vector<int>{6, 3, 4, 5, 2, 1, 8, 7, 9, 11, 12, 14, 13, 10, 15, 16, 17, 18}));
}

// Entries that rank equal keep the order of the race record, however many
// (a race of 100 entries may hold dozens of equal amounts).
TEST(SpecialRanking, EqualEntriesKeepRecordOrderInLargeRaces) {
  std::vector<EntryRank> entries;
  for (int number = 1; number <= 100; ++number) entries.push_back({number, 100 + number % 3});
  std::vector<int> expected;
  for (int score : {102, 101, 100}) {
    for (const EntryRank& e : entries) {
      if (e.score == score) expected.push_back(e.number);
    }
  }
  RankEntries(entries);
  std::vector<int> ranked;
  for (const EntryRank& e : entries) ranked.push_back(e.number);
  EXPECT_EQ(ranked, expected);
}

// Every row of the trial table: its value at its last counted position, 0
// one place lower and at position 0; the names swapped or paired with
// another row's give 0.
TEST(SpecialRanking, TrialPriorityByTargetTrialAndPosition) {
  const std::tuple<const char*, const char*, int, int> rows[] = {
      {"桜花賞", "Ｆレビ", 3, 9999999}, {"桜花賞", "チュー", 3, 9999990},
      {"桜花賞", "アネモ", 2, 9999980}, {"皐月賞", "弥生賞", 3, 9999999},
      {"皐月賞", "スプＳ", 3, 9999990}, {"皐月賞", "若葉Ｓ", 2, 9999980},
      {"ＮＨＫ", "ＮＺＴ", 3, 9999999}, {"優駿牝", "桜花賞", 4, 9999999},
      {"優駿牝", "フロラ", 3, 9999990}, {"優駿牝", "スイー", 2, 9999980},
      {"東京優", "皐月賞", 4, 9999999}, {"東京優", "青葉賞", 3, 9999990},
      {"東京優", "プリン", 2, 9999970}, {"秋華賞", "ローズ", 3, 9999999},
      {"秋華賞", "紫苑Ｓ", 2, 9999990}, {"菊花賞", "神戸新", 3, 9999999},
      {"菊花賞", "セント", 3, 9999990},
  };
  for (const auto& [target, trial, last, base] : rows) {
    const std::string t = Utf8ToCp932(target), r = Utf8ToCp932(trial);
    const auto position = static_cast<std::uint8_t>(last);
    EXPECT_EQ(TrialPriority(t, r, position), base - last) << target << " " << trial;
    EXPECT_EQ(TrialPriority(t, r, 1), base - 1) << target << " " << trial;
    EXPECT_EQ(TrialPriority(t, r, static_cast<std::uint8_t>(last + 1)), 0) << target << trial;
    EXPECT_EQ(TrialPriority(t, r, 0), 0) << target << " " << trial;
    EXPECT_EQ(TrialPriority(r, t, 1), 0) << target << " " << trial;
  }
  EXPECT_EQ(TrialPriority("桜花賞"_sj, "弥生賞"_sj, 1), 0);
}

// The amount of a horse aged 3 or 4 under each condition code: doubled for
// 13, 18, 23 at 3 and for 14, 19, 24 at 4, nowhere else. The older format's
// entry 1 (amount 300) then ranks before entry 2 (amount 500, aged 2).
TEST(SpecialRanking, DoublingRuleByConditionAndAge) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"13", "06", true},  {"18", "06", true},  {"23", "06", true},  {"14", "05", true},
      {"19", "05", true},  {"24", "05", true},  {"13", "05", false}, {"14", "06", false},
      {"12", "06", false}, {"15", "05", false}, {"00", "06", false}, {"23", "07", false},
  };
  for (const auto& [condition, birthYear, doubled] : cases) {
    RecordBuilder race = TourRace().Put(56, condition).Put(88, "002");
    PutTourEntry(race, 1, "01000000", "ウマ"_sj);
    PutTourEntry(race, 2, "02000000", "ウマ"_sj);
    const std::string uma =
        OldHorse("01000000", "ウマ"_sj).Put(348, "0000300").Put(134, birthYear).Str() +
        OldHorse("02000000", "ウマ"_sj).Put(348, "0000500").Put(134, "07").Str();
    EXPECT_EQ(ConvertedSpecial(3, race, uma).at(6), doubled ? "1" : "2") << condition << birthYear;
  }
}

// Line 5 counts at most 18, line 60 every entry (at most 100), and a block
// follows for each entry in the order of the race record.
TEST(SpecialLayout, EveryEntryGetsABlockInRecordOrder) {
  // Type, runner count field, entries, line 5; the numbering block counts
  // down from the last entry (amounts rise with the entry) or, without
  // entries, up from 1.
  const std::tuple<int, const char*, int, const char*> cases[] = {
      {6, "025", 25, "18"}, {6, "120", 100, "18"}, {3, "150", 100, "18"}, {3, "000", 0, "0"}};
  for (const auto& [type, count, entries, line5] : cases) {
    RecordBuilder race = type == 3 ? TourRace().Put(88, count) : Tok1Race().Put(325, count);
    std::string uma;
    for (int k = 1; k <= entries; ++k) {
      const std::string key = "05" + std::to_string(100000 + k);
      const std::string name = Utf8ToCp932("馬" + std::to_string(k));
      const std::string amount = std::to_string(1000000 + k);  // higher for later entries
      if (type == 3) {
        PutTourEntry(race, k, key, name);
        uma += OldHorse(key, name).Put(348, amount).Str();
      } else {
        PutTok1Entry(race, k, key, name);
        uma += Tok1Horse(key, name).Put(603, amount).Str();
      }
    }
    const RaceLines lines = ConvertedSpecial(type, race, uma);
    ASSERT_EQ(lines.size(), 61u + 42u * entries) << type << " " << count;
    EXPECT_EQ(lines[5], line5);
    EXPECT_EQ(lines[60], std::to_string(entries));
    std::vector<int> numbers;
    for (int i = 0; i < 18; ++i) numbers.push_back(entries ? entries - i : i + 1);
    EXPECT_EQ(NumberingBlock(lines), numbers) << type << " " << count;
    for (int k = 1; k <= entries; ++k) {
      EXPECT_EQ(lines[61 + 42 * (k - 1)].substr(0, 18).find(Utf8ToCp932("馬" + std::to_string(k))),
                0u)
          << type << " entry " << k;
    }
  }
}

// A found horse's block and a missing horse's, line by line, in each format.
TEST(SpecialLayout, FoundAndMissingHorsesInEachFormat) {
  // The file of a found horse (slot 1 filled) and a missing one aged `missingAge`.
  const auto expectedFile = [](const std::string& distance, const std::string& slotDistance,
                               const char* missingAge, DistanceDigits digits) {
    RaceLines expected =
        HeaderLines({distance, "東京"_sj, "芝"_sj, "良"_sj, "2"},
                    {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}, "2");
    expected.insert(expected.end(),
                    {"イチ　　　　　　　"_sj + " 4" + "牝"_sj, "芝"_sj, slotDistance, "中0410"_sj,
                     "2015", " 3 3 2", "345", "良"_sj, " 3"});
    expected = WithPlaceholders(expected, 4, digits);
    expected.insert(expected.end(), {"好"_sj, "ニ　　　　　　　　"_sj + missingAge + "？"_sj});
    expected = WithPlaceholders(expected, 5, digits);
    expected.push_back("好"_sj);
    return expected;
  };
  // Data type 3: age from the entry's key, sex from the horse record; a
  // missing horse (its key not even a number) gets " 0", "？" and the older
  // placeholder blocks.
  RecordBuilder tour = TourRace().Put(88, "002");
  PutTourEntry(tour, 1, "05000001", "イチ"_sj);
  PutTourEntry(tour, 2, "XX000002", "ニ"_sj);
  RecordBuilder old = OldHorse("05000001", "別名"_sj).Put(131, "2");
  const std::pair<int, const char*> oldSlot[] = {
      {638, "06"}, {640, "04"}, {648, "10"},   {655, "20"},     {659, "11"},
      {669, "1"},  {713, "03"}, {718, "2015"}, {730, "030302"}, {739, "345"}};
  for (const auto& [pos1, text] : oldSlot) PutOldSlot(old, 1, pos1, text);
  ConvertState state;
  EXPECT_EQ(ConvertedSpecial(3, tour, OldHorse("99999999", "前"_sj).Str() + old.Str(), &state),
            expectedFile("16", "20", " 0", DistanceDigits::Two));
  EXPECT_EQ(state.HorseOffset, kJraOldHorseRecordSize);

  // Data type 6: name, age and sex from the entry for both; the current
  // placeholder blocks for the missing one.
  RecordBuilder tok1 = Tok1Race().Put(325, "002");
  PutTok1Entry(tok1, 1, "05000001", "イチ"_sj, "2");
  PutTok1Entry(tok1, 2, "07000002", "ニ"_sj, "9");
  RecordBuilder current = Tok1Horse("05000001", "別名"_sj).Put(74, "1");
  const std::pair<int, const char*> slot[] = {
      {907, "0410"}, {913, "06"},  {961, "2000"}, {965, "11"},    {983, "1"},  {1029, "03"},
      {1031, "03"},  {1033, "02"}, {1038, "345"}, {1041, "2015"}, {1048, "03"}};
  for (const auto& [pos1, text] : slot) PutSlot(current, 1, pos1, text);
  EXPECT_EQ(ConvertedSpecial(6, tok1, current.Str()),
            expectedFile("1600", "2000", " 2", DistanceDigits::Four));
}

// Every strict field of each format, with the text the message names.
TEST(SpecialLayout, FieldsThatMustBeNumbersEndTheConversion) {
  using Fields = std::vector<std::pair<int, std::string>>;
  struct Case {
    int type;
    Fields race, horse;
    const char* named;
  };
  const Case cases[] = {
      {3, {{1, "0A"}, {78, "1X"}}, {}, "0A"},
      {3, {{78, "1X"}, {88, "0X1"}}, {}, "1X"},
      {3, {{88, "0X1"}, {3, "X9"}}, {}, "0X1"},
      {3, {{3, "X9"}}, {{348, "00001X0"}}, "X9"},
      {3, {}, {{348, "00001X0"}, {134, " X"}}, "00001X0"},
      {3, {}, {{134, " X"}}, " X"},
      {3, {{91, "X5"}}, {{1, "X5"}}, "X5"},  // the entry's birth year
      {3, {}, {{131, " "}}, " "},
      {6, {{325, "A  "}, {3, "X9"}}, {}, "A  "},
      {6, {{3, "X9"}}, {}, "X9"},
      {6, {}, {{603, "       "}}, "       "},
      {6, {}, {{67, "0X"}}, "0X"},
      {6, {{333, "X5"}}, {{3, "X5"}}, "X5"},
      {6, {{333 + 26, "X"}}, {}, "X"},
      {6, {{333, "99999999"}, {333 + 26, "-"}}, {}, "-"},  // a missing horse's sex too
  };
  for (const Case& c : cases) {
    const OneEntrySample sample = SpecialSample(c.type);
    RecordBuilder race(sample.races.size()), horse(sample.horses.size());
    race.Put(1, sample.races);
    horse.Put(1, sample.horses);
    for (const auto& [pos1, text] : c.race) race.Put(pos1, text);
    for (const auto& [pos1, text] : c.horse) horse.Put(pos1, text);
    SCOPED_TRACE(c.type);
    ExpectNotInteger([&] { ConvertedSpecial(c.type, race, horse.Str()); }, c.named);
  }
}

}  // namespace
}  // namespace tamikaze::testing
