// One past-race slot of a current-format horse record as AddPastRace writes it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "convert/jravan/jra_current.h"
#include "tests/convert/jra_current_records.h"

namespace tamikaze::testing {
namespace {

// A usable past race at 東京, turf, 1600 m, October 2004, good going, first.
using Fields = std::vector<std::pair<int, std::string>>;

const Fields kUsable = {
    {907, "0410"}, {913, "05"},  {961, "1600"}, {965, "11"},    {983, "1"},   {1029, "03"},
    {1031, "03"},  {1033, "02"}, {1038, "345"}, {1041, "1335"}, {1048, "01"}, {1050, "  "},
};

// The 8 lines that `fields` (slot-1 positions, written in order, so later
// fields overwrite earlier ones) give in slot `slot`.
RaceLines PastRace(const Fields& fields, int slot = 1) {
  RecordBuilder horse = CurrentHorse("H000000001", "ウマ"_sj);
  for (const auto& [pos1, text] : fields) PutSlot(horse, slot, pos1, text);
  // A second record before it: AddPastRace reads the record at HorseOffset.
  ConvertState state = LoadedState("", CurrentHorse("H0", "前"_sj).Str() + horse.Str());
  state.HorseOffset = kJraCurrentHorseRecordSize;
  AddPastRace(state, slot);
  return state.SaveLst;
}

RaceLines Placeholder() {
  RaceLines lines;
  AppendPlaceholderBlock(lines, DistanceDigits::Four);
  return lines;
}

TEST(AddPastRace, WritesAUsableSlotInItsEightLines) {
  const RaceLines expected = {
      "芝"_sj, "1600", "東0410"_sj, "1335", " 3 3 2", "345", "良"_sj, " 1",
  };
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(PastRace(kUsable, slot), expected) << slot;
}

TEST(AddPastRace, ChangesOneLinePerField) {
  struct Case {
    int pos1;
    const char* text;
    int line;  // 0-based line of the block
    std::string written;
  };
  const Case cases[] = {
      {913, "07", 2, "名0410"_sj},
      {913, "06", 2, "中0410"_sj},
      {913, "A4", 2, "米0410"_sj},
      {913, "61", 2, "名0410"_sj},
      {965, "23", 0, "ダ"_sj},
      {965, "24", 0, "ダ"_sj},
      {965, "22", 0, "芝"_sj},
      {965, "50", 0, "芝"_sj},
      {1029, "000005", 4, " 5 5 5"},
      {1029, "000709", 4, " 7 7 9"},
      {1029, "030000", 4, " 3 0 0"},
      {1029, "121008", 4, "1210 8"},
      {1029, "00 304", 4, " 3 3 4"},
      {1038, "000", 5, "999"},
      {1038, "00 ", 5, "00 "},
      {983, "2", 6, "稍"_sj},
      {983, "3", 6, "重"_sj},
      {983, "4", 6, "不"_sj},
      {983, "5", 6, "5"},
      {983, " ", 6, " "},
      {1048, "12", 7, "12"},
      {1048, "0005", 7, " 5"},
      {1048, "  07", 7, " 7"},
  };
  for (const Case& c : cases) {
    Fields fields = kUsable;
    fields.emplace_back(c.pos1, c.text);
    RaceLines expected = PastRace(kUsable);
    expected[c.line] = c.written;
    EXPECT_EQ(PastRace(fields), expected) << c.pos1 << " '" << c.text << "'";
  }
}

TEST(AddPastRace, UnusableSlotsBecomeThePlaceholderBlock) {
  struct Case {
    int pos1;
    const char* text;
  };
  const Case cases[] = {
      {913, "31"}, {913, "49"}, {913, "Z9"},    {913, "  "},    {913, "7 "},
      {965, "51"}, {965, "60"}, {1048, "0000"}, {1048, "    "}, {1048, "XX  "},
  };
  for (const Case& c : cases) {
    Fields fields = kUsable;
    fields.emplace_back(c.pos1, c.text);
    EXPECT_EQ(PastRace(fields, 3), Placeholder()) << c.pos1 << " '" << c.text << "'";
  }
}

}  // namespace
}  // namespace tamikaze::testing
