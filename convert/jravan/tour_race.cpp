// Older special registrations: JRA#TOUR.DAT with the horses of JRA#UMAJ.DAT.
#include "convert/jravan/registrations.h"

#include "convert/jravan/course.h"
#include "convert/jravan/jra_old.h"
#include "convert/jravan/race_name.h"
#include "convert/jravan/record_fields.h"
#include "convert/jravan/registration_race.h"
#include "convert/race_file_name.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

// Race record fields (1-based byte).
constexpr int kVenuePos1 = 1;
constexpr int kYearPos1 = 3;
constexpr int kRaceNumberPos1 = 7;
constexpr int kDistancePos1 = 74;  // two digits
constexpr int kTrackPos1 = 78;
constexpr int kEntriesPos1 = 88;  // three digits

// Registration entry fields: the horse key's first two characters are its
// birth year, the 18-byte name follows the key.
constexpr int kEntryBirthYearPos1 = 1;
constexpr int kEntryNamePos1 = 9;

constexpr int kHorseSexPos1 = 131;

constexpr SpecialFormat kFormat{
    /*conditionPos1=*/56,  /*firstEntryPos1=*/91,
    /*entryWidth=*/29,     kJraOldHorseKey,
    /*amountPos1=*/348,    /*birthYearPos1=*/134,
    /*firstSlotPos1=*/638, /*slotsWidth=*/648,
    AddPastRaceOld,        DistanceDigits::Two,
};

// The entry's name; age and sex only for a horse that is found (" 0" and
// "？" otherwise), the sex from the horse record.
std::string HorseLine(const ConvertState& state, int entry, TextOffset horse, int raceYear) {
  const std::string name = EntryField(state, kFormat, entry, kEntryNamePos1, 18);
  if (horse < 0) return name + " 0" + "？"_sj;
  const int age = AgeFromYears(
      raceYear, StrictNumber(EntryField(state, kFormat, entry, kEntryBirthYearPos1, 2)));
  return name + TwoColumn(age) + EntrySex(StrictNumber(HorseField(state, horse, kHorseSexPos1, 1)));
}

}  // namespace

void ConvertTourRace(ConvertState& state, int race) {
  state.RaceOffset = TextOffset{race - 1} * kTourRaceRecordSize;
  state.SaveLst.push_back(RaceField(state, kDistancePos1, 2));
  const std::string venue = OldVenue(RaceField(state, kVenuePos1, 2));
  SetRaceFileName(state, TourRaceName(state.DenText, state.RaceOffset),
                  venue + RaceField(state, kRaceNumberPos1, 2) + "R");
  const RaceCourse course = OldRaceCourse(venue, StrictNumber(RaceField(state, kTrackPos1, 2)));
  SetEntryCount(state, StrictNumber(RaceField(state, kEntriesPos1, 3)));
  const int raceYear = StrictNumber(RaceField(state, kYearPos1, 2));

  const std::vector<TextOffset> horses = FindEntryHorses(state, kFormat);
  std::vector<EntryRank> ranked;
  for (int entry = 1; entry <= state.HorseCount; ++entry) {
    ranked.push_back(
        AmountRank(state, kFormat, entry, horses[static_cast<std::size_t>(entry - 1)], raceYear));
  }
  RankEntries(ranked);
  AppendSpecialHeader(state, course, ranked);
  AppendEntryBlocks(state, kFormat, HorseLine, raceYear, horses);
}

}  // namespace tamikaze
