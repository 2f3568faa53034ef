#include "convert/kol/race_card.h"

#include "convert/kol/codes.h"
#include "convert/race_file_name.h"
#include "racefile/blocks.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/record_field.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

// A field of the record that starts at the 1-based position `start1` of `text`.
std::string Field(const std::string& text, TextOffset start1, const KolField& field) {
  return RecordField(text, static_cast<std::size_t>(start1 - 1), field.pos1, field.width);
}

std::string RaceField(const ConvertState& state, const KolField& field) {
  return Field(state.DenText, state.RaceOffset, field);
}

// The race name: the name field up to its first half-width space; "" when
// the field starts with one (a race without a name).
std::string RaceName(const ConvertState& state, const KolFormat& format) {
  std::string name = RaceField(state, format.race.name);
  return name.substr(0, name.find(' '));
}

// Lines 2 and 3: the venue, with "(内)" or "(外)" on turf at the venues of two
// courses, and the surface; a steeplechase whatever the surface byte says.
void AppendVenueAndSurface(ConvertState& state, const KolFormat& format, int venue) {
  std::string venueText = KolVenueName(venue);
  const bool turf = RaceField(state, format.race.surface) != "0";
  if (turf && ((format.courseVenues >> venue) & 1u) != 0) {
    const bool inner = format.innerCourseCodes.find(RaceField(state, format.race.course)[0]) !=
                       std::string_view::npos;
    venueText += inner ? "(内)"_sj : "(外)"_sj;
  }
  const bool steeplechase = format.steeplechaseCodes.find(RaceField(
                                state, format.race.steeplechase)[0]) != std::string_view::npos;
  state.SaveLst.push_back(venueText);
  state.SaveLst.push_back(steeplechase ? "障"_sj : turf ? "芝"_sj : "ダ"_sj);
}

// 1-based position of the race's first runner: the first horse record whose
// key is the race key, or the first record of the file when none is.
TextOffset FirstRunnerPos1(ConvertState& state, const KolFormat& format) {
  const TextOffset found = FindFirstRecord(state.HorseKeyIndex, state.UmaText, state.UmaLength,
                                           format.horseKey, RaceField(state, format.race.key));
  return (found < 0 ? 0 : found) + 1;
}

std::string HorseField(const ConvertState& state, const KolField& field) {
  return Field(state.UmaText, state.HorseOffset, field);
}

// Name, age (race year minus birth year, plus 100 when negative) and sex.
std::string HorseLine(const ConvertState& state, const KolFormat& format, int raceYear) {
  int age = raceYear - StrictNumber(HorseField(state, format.horse.birthYear));
  if (age < 0) age += 100;
  const std::string sexCode = HorseField(state, format.horse.sex);
  const std::string& sex = KolSexName(StrictNumber(sexCode));
  return HorseField(state, format.horse.name) + TwoColumn(age) + (sex.empty() ? sexCode : sex);
}

void AppendHorseBlock(ConvertState& state, const KolFormat& format, int raceYear) {
  state.SaveLst.push_back(HorseLine(state, format, raceYear));
  for (int slot = 1; slot <= 5; ++slot) AddKolFormatPastRace(state, format, slot);
  state.SaveLst.push_back("好"_sj);
}

}  // namespace

void ConvertKolFormatRace(ConvertState& state, const KolFormat& format, int race) {
  const KolRaceFields& fields = format.race;
  state.RaceOffset = TextOffset{race - 1} * format.raceRecordSize + 1;
  state.SaveLst.push_back(RaceField(state, fields.distance));

  const int venue = KolRaceVenue(StrictNumber(RaceField(state, fields.venue)));
  SetRaceFileName(state, RaceName(state, format),
                  KolVenueName(venue) + RaceField(state, fields.raceNumber) + "R");
  AppendVenueAndSurface(state, format, venue);
  state.SaveLst.push_back("良"_sj);
  const std::string runners = RaceField(state, fields.runners);
  state.SaveLst.push_back(runners);
  AppendNumberingBlock(state.SaveLst);
  AppendZeroBlock(state.SaveLst);
  AppendDecimalZeroBlock(state.SaveLst);
  state.SaveLst.push_back(runners);
  state.HorseCount = StrictNumber(runners);

  const TextOffset firstRunner = FirstRunnerPos1(state, format);
  const int raceYear = StrictNumber(RaceField(state, fields.year));
  for (int k = 1; k <= state.HorseCount; ++k) {
    state.HorseOffset = firstRunner + (k - 1) * format.horseKey.recordSize;
    AppendHorseBlock(state, format, raceYear);
  }
}

}  // namespace tamikaze
