// Current special registrations: JRACTOK1.DAT with the horses of JRACUMAJ.DAT.
#include "convert/jravan/registrations.h"

#include "convert/jravan/course.h"
#include "convert/jravan/jra_current.h"
#include "convert/jravan/race_name.h"
#include "convert/jravan/record_fields.h"
#include "convert/jravan/registration_race.h"
#include "convert/jravan/trial_priority.h"
#include "convert/race_file_name.h"
#include "racefile/vocabulary.h"
#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {

namespace {

// Race record fields (1-based byte).
constexpr int kYearPos1 = 3;
constexpr int kVenuePos1 = 9;
constexpr int kRaceNumberPos1 = 15;
constexpr int kShortNamePos1 = 78;  // three full-width characters
constexpr int kDistancePos1 = 133;
constexpr int kTrackPos1 = 137;
constexpr int kEntriesPos1 = 325;  // three digits

// Registration entry fields: the horse key's first two characters are its
// birth year.
constexpr int kEntryBirthYearPos1 = 1;
constexpr int kEntryNamePos1 = 9;
constexpr int kEntrySexPos1 = 27;

// Horse record fields of past-race slot 1, the horse's last race.
constexpr int kLastRaceShortNamePos1 = 921;
constexpr int kLastPositionPos1 = 1050;
constexpr int kLastTiePos1 = 1117;

constexpr SpecialFormat kFormat{
    /*conditionPos1=*/88,  /*firstEntryPos1=*/333,
    /*entryWidth=*/48,     kJraCurrentHorseKeyTail,
    /*amountPos1=*/603,    /*birthYearPos1=*/67,
    /*firstSlotPos1=*/907, /*slotsWidth=*/1005,
    AddPastRace,           DistanceDigits::Four,
};

// Name, age and sex, all from the entry, whether its horse is found or not.
std::string HorseLine(const ConvertState& state, int entry, TextOffset, int raceYear) {
  const int age = AgeFromYears(
      raceYear, StrictNumber(EntryField(state, kFormat, entry, kEntryBirthYearPos1, 2)));
  const int sex = StrictNumber(EntryField(state, kFormat, entry, kEntrySexPos1, 1));
  return EntryField(state, kFormat, entry, kEntryNamePos1, 18) + TwoColumn(age) + EntrySex(sex);
}

// The last race of a found horse: its position (0 read as 99) orders equal
// amounts, a winner's tie value orders equal winners, and a place in a trial
// of this race replaces the amount by the trial's priority.
void RankByLastRace(const ConvertState& state, TextOffset horse, EntryRank& rank) {
  const auto position =
      static_cast<std::uint8_t>(LenientNumber(HorseField(state, horse, kLastPositionPos1, 2)));
  rank.lastPosition = position == 0 ? 99 : position;
  rank.tie = rank.lastPosition == 1 ? -LenientNumber(HorseField(state, horse, kLastTiePos1, 3)) : 0;
  const int trial =
      TrialPriority(RaceField(state, kShortNamePos1, 6),
                    HorseField(state, horse, kLastRaceShortNamePos1, 6), rank.lastPosition);
  if (trial > 0) rank.score = trial;
}

}  // namespace

void ConvertTok1Race(ConvertState& state, int race) {
  state.RaceOffset = TextOffset{race - 1} * kTok1RaceRecordSize;
  state.SaveLst.push_back(RaceField(state, kDistancePos1, 4));
  const int venueCode = LenientNumber(RaceField(state, kVenuePos1, 2));
  SetRaceFileName(state, Tok1RaceName(state.DenText, state.RaceOffset),
                  VenueName(venueCode) + RaceField(state, kRaceNumberPos1, 2) + "R");
  const RaceCourse course = CurrentRaceCourse(venueCode, RaceField(state, kTrackPos1, 2));
  SetEntryCount(state, StrictNumber(RaceField(state, kEntriesPos1, 3)));
  const int raceYear = StrictNumber(RaceField(state, kYearPos1, 2));

  const std::vector<TextOffset> horses = FindEntryHorses(state, kFormat);
  std::vector<EntryRank> ranked;
  for (int entry = 1; entry <= state.HorseCount; ++entry) {
    const TextOffset horse = horses[static_cast<std::size_t>(entry - 1)];
    ranked.push_back(AmountRank(state, kFormat, entry, horse, raceYear));
    if (horse >= 0) RankByLastRace(state, horse, ranked.back());
  }
  RankEntries(ranked);
  AppendSpecialHeader(state, course, ranked);
  AppendEntryBlocks(state, kFormat, HorseLine, raceYear, horses);
}

}  // namespace tamikaze
