#include "convert/jravan/jra_current.h"

#include "convert/jravan/course.h"
#include "convert/jravan/race_card.h"
#include "convert/jravan/race_name.h"
#include "convert/jravan/record_fields.h"
#include "convert/race_file_name.h"
#include "racefile/vocabulary.h"
#include "text/numbers.h"

namespace tamikaze {

namespace {

// Race record fields (1-based byte).
constexpr int kVenuePos1 = 9;
constexpr int kRaceNumberPos1 = 15;
constexpr int kDistancePos1 = 133;
constexpr int kTrackPos1 = 137;

constexpr RaceCardFormat kFormat{
    /*runnersPos1=*/325,  /*firstKeyPos1=*/331, kJraCurrentHorseKey,
    /*horseNamePos1=*/29, /*birthYearPos1=*/67, /*sexPos1=*/74,      AddPastRace,
};

}  // namespace

void ConvertJraCurrent(ConvertState& state, int race) {
  state.RaceOffset = TextOffset{race - 1} * kJraCurrentRaceRecordSize;
  state.SaveLst.push_back(RaceField(state, kDistancePos1, 4));

  const int venueCode = LenientNumber(RaceField(state, kVenuePos1, 2));
  // A race without a name: venue (without course suffix), the two-character
  // race number and "R", as in 東京11R.
  SetRaceFileName(state, RaceCardName(state.DenText, state.RaceOffset),
                  VenueName(venueCode) + RaceField(state, kRaceNumberPos1, 2) + "R");
  AppendRaceCardBody(state, kFormat, CurrentRaceCourse(venueCode, RaceField(state, kTrackPos1, 2)));
}

}  // namespace tamikaze
