#include "convert/jravan/race_card.h"

#include "convert/jravan/record_fields.h"
#include "racefile/blocks.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr int kYearPos1 = 3;
constexpr int kHorseNameWidth = 18;

void AppendRaceHeader(ConvertState& state, const RaceCourse& course, const std::string& runners) {
  RaceLines& lines = state.SaveLst;
  lines.push_back(course.venue);
  lines.push_back(course.surface);
  lines.push_back("良"_sj);
  lines.push_back(runners);
  AppendNumberingBlock(lines);
  AppendZeroBlock(lines);
  AppendDecimalZeroBlock(lines);
  lines.push_back(runners);
}

// Offset of the race's first runner: the first horse record with the race
// record's first-runner key, or the first record of the file when none has it.
TextOffset FirstRunnerOffset(ConvertState& state, const RaceCardFormat& format) {
  const TextOffset found =
      FindFirstRecord(state.HorseKeyIndex, state.UmaText, state.UmaLength, format.horseKey,
                      RaceField(state, format.firstKeyPos1, format.horseKey.keyWidth));
  return found < 0 ? 0 : found;
}

// Name, age and sex; a sex code outside the table is written as read.
std::string HorseLine(const ConvertState& state, const RaceCardFormat& format, int raceYear) {
  const TextOffset horse = state.HorseOffset;
  const int age =
      AgeFromYears(raceYear, StrictNumber(HorseField(state, horse, format.birthYearPos1, 2)));
  const std::string sexCode = HorseField(state, horse, format.sexPos1, 1);
  const std::string& sex = SexName(StrictNumber(sexCode));
  return HorseField(state, horse, format.horseNamePos1, kHorseNameWidth) + TwoColumn(age) +
         (sex.empty() ? sexCode : sex);
}

}  // namespace

void AppendRaceCardBody(ConvertState& state, const RaceCardFormat& format,
                        const RaceCourse& course) {
  const std::string runners = RaceField(state, format.runnersPos1, 2);
  AppendRaceHeader(state, course, runners);
  state.HorseCount = StrictNumber(runners);
  const TextOffset firstRunner = FirstRunnerOffset(state, format);
  const int raceYear = StrictNumber(RaceField(state, kYearPos1, 2));
  for (int k = 1; k <= state.HorseCount; ++k) {
    state.HorseOffset = firstRunner + (k - 1) * format.horseKey.recordSize;
    state.SaveLst.push_back(HorseLine(state, format, raceYear));
    for (int slot = 1; slot <= 5; ++slot) format.addPastRace(state, slot);
    state.SaveLst.push_back("好"_sj);
  }
}

}  // namespace tamikaze
