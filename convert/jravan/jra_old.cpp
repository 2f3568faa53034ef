#include "convert/jravan/jra_old.h"

#include "convert/jravan/course.h"
#include "convert/jravan/race_card.h"
#include "convert/jravan/race_name.h"
#include "convert/jravan/record_fields.h"
#include "convert/race_file_name.h"
#include "text/numbers.h"

namespace tamikaze {

namespace {

// Race record fields (1-based byte).
constexpr int kVenuePos1 = 1;
constexpr int kRaceNumberPos1 = 7;
constexpr int kDistancePos1 = 99;  // two digits
constexpr int kTrackPos1 = 103;

constexpr RaceCardFormat kFormat{
    /*runnersPos1=*/106,  /*firstKeyPos1=*/170,  kJraOldHorseKey,
    /*horseNamePos1=*/10, /*birthYearPos1=*/134, /*sexPos1=*/131, AddPastRaceOld,
};

}  // namespace

void ConvertJraOld(ConvertState& state, int race) {
  state.RaceOffset = TextOffset{race - 1} * kJraOldRaceRecordSize;
  state.SaveLst.push_back(RaceField(state, kDistancePos1, 2));

  // Outside 1 to 10 the venue is the code as read, also in the name of a race
  // without a name ("0011R").
  const std::string venue = OldVenue(RaceField(state, kVenuePos1, 2));
  SetRaceFileName(state, RaceCardName(state.DenText, state.RaceOffset),
                  venue + RaceField(state, kRaceNumberPos1, 2) + "R");
  AppendRaceCardBody(state, kFormat,
                     OldRaceCourse(venue, StrictNumber(RaceField(state, kTrackPos1, 2))));
}

}  // namespace tamikaze
