// One past-race slot of a current-format horse record as AddPastRace writes it.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "convert/jravan/jra_current.h"
#include "tests/convert/jra_current_records.h"
#include "tests/convert/race_lines_support.h"

namespace tamikaze::testing {
namespace {

using Fields = std::vector<std::pair<int, std::string>>;

// A usable past race at 東京, turf, 1600 m, October 2004, good going, first.
const Fields kUsable = {
    {907, "0410"}, {913, "05"},  {961, "1600"}, {965, "11"},    {983, "1"},   {1029, "03"},
    {1031, "03"},  {1033, "02"}, {1038, "345"}, {1041, "1335"}, {1048, "01"}, {1050, "  "},
};

// The 8 lines that kUsable followed by `changed` (slot-1 positions; later
// fields overwrite earlier ones) give in slot `slot`.
RaceLines PastRace(const Fields& changed, int slot = 1) {
  RecordBuilder horse = CurrentHorse("H000000001", "ウマ"_sj);
  for (const Fields& fields : {kUsable, changed})
    for (const auto& [pos1, text] : fields) PutSlot(horse, slot, pos1, text);
  // A second record before it: AddPastRace reads the record at HorseOffset.
  ConvertState state = LoadedState("", CurrentHorse("H0", "前"_sj).Str() + horse.Str());
  state.HorseOffset = kJraCurrentHorseRecordSize;
  AddPastRace(state, slot);
  return state.SaveLst;
}

// The usable slot in any of the five slots; then each field changes one line
// of the block: the field's position, the 0-based line, then texts and the
// line each gives.
TEST(AddPastRace, WritesAUsableSlotAndChangesOneLinePerField) {
  const RaceLines usable = {"芝"_sj, "1600", "東0410"_sj, "1335", " 3 3 2", "345", "良"_sj, " 1"};
  for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(PastRace({}, slot), usable) << slot;
  struct Field {
    int pos1;
    int line;
    std::vector<std::pair<const char*, const char*>> written;
  };
  const Field fields[] = {
      {913, 2, {{"07", "名0410"}, {"06", "中0410"}, {"A4", "米0410"}, {"61", "名0410"}}},
      {965, 0, {{"23", "ダ"}, {"24", "ダ"}, {"22", "芝"}, {"50", "芝"}}},
      {1029, 4, {{"000005", " 5 5 5"}, {"000709", " 7 7 9"}, {"030000", " 3 0 0"}}},
      {1029, 4, {{"121008", "1210 8"}, {"00 304", " 3 3 4"}}},
      {1038, 5, {{"000", "999"}, {"00 ", "00 "}}},
      {983, 6, {{"2", "稍"}, {"3", "重"}, {"4", "不"}, {"5", "5"}, {" ", " "}}},
      {1048, 7, {{"12", "12"}, {"0005", " 5"}, {"  07", " 7"}}},
  };
  for (const Field& f : fields) {
    for (const auto& [text, line] : f.written) {
      const RaceLines expected = testing::Replaced(usable, f.line, Utf8ToCp932(line));
      EXPECT_EQ(PastRace({{f.pos1, text}}), expected) << f.pos1 << " '" << text << "'";
    }
  }
}

TEST(AddPastRace, UnusableSlotsBecomeThePlaceholderBlock) {
  const std::pair<int, const char*> cases[] = {
      {913, "31"}, {913, "49"}, {913, "Z9"},    {913, "  "},    {913, "7 "},
      {965, "51"}, {965, "60"}, {1048, "0000"}, {1048, "    "}, {1048, "XX  "},
  };
  for (const auto& [pos1, text] : cases)
    EXPECT_EQ(PastRace({{pos1, text}}, 3), WithPlaceholders({}, 1)) << pos1 << " '" << text << "'";
}

}  // namespace
}  // namespace tamikaze::testing
