#include "convert/jravan/registration_race.h"

#include <algorithm>

#include "convert/jravan/record_fields.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr int kMaxEntries = 100;

bool DoublesAmount(const std::string& condition, int age) {
  if (age == 3) return condition == "13" || condition == "18" || condition == "23";
  if (age == 4) return condition == "14" || condition == "19" || condition == "24";
  return false;
}

}  // namespace

std::string EntryField(const ConvertState& state, const SpecialFormat& format, int entry, int pos1,
                       int width) {
  return RaceField(state, format.firstEntryPos1 + format.entryWidth * (entry - 1) + pos1 - 1,
                   width);
}

TextOffset FindEntryHorse(ConvertState& state, const SpecialFormat& format, int entry) {
  return FindFirstRecord(state.HorseKeyIndex, state.UmaText, state.UmaLength, format.horseKey,
                         EntryField(state, format, entry, 1, format.horseKey.keyWidth));
}

std::vector<TextOffset> FindEntryHorses(ConvertState& state, const SpecialFormat& format) {
  std::vector<TextOffset> horses;
  for (int entry = 1; entry <= state.HorseCount; ++entry) {
    horses.push_back(FindEntryHorse(state, format, entry));
    PrefetchRecordBytes(state.UmaText, horses.back(), format.amountPos1, 7);
    PrefetchRecordBytes(state.UmaText, horses.back(), format.birthYearPos1, 2);
  }
  return horses;
}

void SetEntryCount(ConvertState& state, int entries) {
  state.HorseCount = std::min(entries, kMaxEntries);
}

EntryRank AmountRank(const ConvertState& state, const SpecialFormat& format, int entry,
                     TextOffset horseOffset, int raceYear) {
  if (horseOffset < 0) return {entry, kHorseNotFoundScore};
  int amount = StrictNumber(HorseField(state, horseOffset, format.amountPos1, 7));
  const int age =
      AgeFromYears(raceYear, StrictNumber(HorseField(state, horseOffset, format.birthYearPos1, 2)));
  if (DoublesAmount(RaceField(state, format.conditionPos1, 2), age)) amount *= 2;
  return {entry, amount};
}

const std::string& EntrySex(int code) {
  const std::string& sex = SexName(code);
  return sex.empty() ? "？"_sj : sex;
}

void AppendSpecialHeader(ConvertState& state, const RaceCourse& course,
                         const std::vector<EntryRank>& ranked) {
  RaceLines& lines = state.SaveLst;
  lines.push_back(course.venue);
  lines.push_back(course.surface);
  lines.push_back("良"_sj);
  lines.push_back(std::to_string(std::min(state.HorseCount, kNumberedPlaces)));
  AppendRankedNumberingBlock(lines, ranked);
  AppendZeroBlock(lines);
  AppendDecimalZeroBlock(lines);
  lines.push_back(std::to_string(state.HorseCount));
}

void AppendEntryBlocks(ConvertState& state, const SpecialFormat& format, EntryHorseLine horseLine,
                       int raceYear, const std::vector<TextOffset>& horses) {
  // The past-race slots of the entries two ahead are fetched while an entry
  // is written.
  constexpr std::size_t kAhead = 2;
  const auto prefetch = [&](std::size_t index) {
    if (index < horses.size()) {
      PrefetchRecordBytes(state.UmaText, horses[index], format.firstSlotPos1, format.slotsWidth);
    }
  };
  for (std::size_t index = 0; index < kAhead; ++index) prefetch(index);
  for (int entry = 1; entry <= state.HorseCount; ++entry) {
    const TextOffset horse = horses[static_cast<std::size_t>(entry - 1)];
    prefetch(static_cast<std::size_t>(entry - 1) + kAhead);
    state.SaveLst.push_back(horseLine(state, entry, horse, raceYear));
    if (horse >= 0) {
      state.HorseOffset = horse;
      for (int slot = 1; slot <= 5; ++slot) format.addPastRace(state, slot);
    } else {
      for (int slot = 1; slot <= 5; ++slot) {
        AppendPlaceholderBlock(state.SaveLst, format.placeholderDistance);
      }
    }
    state.SaveLst.push_back("好"_sj);
  }
}

}  // namespace tamikaze
