#include "convert/jravan/jra_current.h"

#include "convert/horse_records.h"
#include "convert/jravan/course.h"
#include "convert/jravan/race_name.h"
#include "convert/race_file_name.h"
#include "racefile/blocks.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/record_field.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

// Race record fields (1-based byte, width).
constexpr int kYearPos1 = 3;
constexpr int kVenuePos1 = 9;
constexpr int kRaceNumberPos1 = 15;
constexpr int kDistancePos1 = 133;
constexpr int kTrackPos1 = 137;
constexpr int kRunnersPos1 = 325;
constexpr int kFirstKeyPos1 = 331;

// Horse record fields.
constexpr int kHorseNamePos1 = 29;
constexpr int kHorseNameWidth = 18;
constexpr int kBirthYearPos1 = 67;
constexpr int kSexPos1 = 74;

std::string RaceField(const ConvertState& state, int pos1, int width) {
  return RecordField(state.DenText, static_cast<std::size_t>(state.RaceOffset), pos1, width);
}

std::string HorseField(const ConvertState& state, int pos1, int width) {
  return RecordField(state.UmaText, static_cast<std::size_t>(state.HorseOffset), pos1, width);
}

// RaceFileName of a race without a name: venue (without course suffix),
// the two-character race number and "R", as in 東京11R.
std::string UnnamedRaceFileName(const ConvertState& state, int venueCode) {
  return VenueName(venueCode) + RaceField(state, kRaceNumberPos1, 2) + "R";
}

void AppendRaceHeader(ConvertState& state, const RaceCourse& course) {
  RaceLines& lines = state.SaveLst;
  lines.push_back(course.venue);
  lines.push_back(course.surface);
  lines.push_back("良"_sj);
  lines.push_back(RaceField(state, kRunnersPos1, 2));
  AppendNumberingBlock(lines);
  AppendZeroBlock(lines);
  AppendDecimalZeroBlock(lines);
  lines.push_back(RaceField(state, kRunnersPos1, 2));
}

// Offset of the race's first runner: the first horse record whose key is the
// race record's bytes 331-340, or the first record of the file when none is.
int FirstRunnerOffset(ConvertState& state) {
  const int found =
      FindFirstRecord(state.HorseKeyIndex, state.UmaText, state.UmaLength, kJraCurrentHorseKey,
                      RaceField(state, kFirstKeyPos1, kJraCurrentHorseKey.keyWidth));
  return found < 0 ? 0 : found;
}

std::string HorseLine(const ConvertState& state, int raceYear) {
  int age = raceYear - StrictNumber(HorseField(state, kBirthYearPos1, 2));
  if (age < 0) age += 100;
  const std::string sexCode = HorseField(state, kSexPos1, 1);
  const std::string& sex = SexName(StrictNumber(sexCode));
  return HorseField(state, kHorseNamePos1, kHorseNameWidth) + TwoColumn(age) +
         (sex.empty() ? sexCode : sex);
}

void AppendHorseBlock(ConvertState& state, int raceYear) {
  state.SaveLst.push_back(HorseLine(state, raceYear));
  for (int slot = 1; slot <= 5; ++slot) AddPastRace(state, slot);
  state.SaveLst.push_back("好"_sj);
}

}  // namespace

void ConvertJraCurrent(ConvertState& state, int race) {
  state.RaceOffset = (race - 1) * kJraCurrentRaceRecordSize;
  state.SaveLst.push_back(RaceField(state, kDistancePos1, 4));

  const int venueCode = LenientNumber(RaceField(state, kVenuePos1, 2));
  SetRaceFileName(state, CurrentRaceName(state.DenText, state.RaceOffset),
                  UnnamedRaceFileName(state, venueCode));
  AppendRaceHeader(state, CurrentRaceCourse(venueCode, RaceField(state, kTrackPos1, 2)));

  state.HorseCount = StrictNumber(RaceField(state, kRunnersPos1, 2));
  const int firstRunner = FirstRunnerOffset(state);
  const int raceYear = StrictNumber(RaceField(state, kYearPos1, 2));
  for (int k = 1; k <= state.HorseCount; ++k) {
    state.HorseOffset = firstRunner + (k - 1) * kJraCurrentHorseRecordSize;
    AppendHorseBlock(state, raceYear);
  }
}

}  // namespace tamikaze
