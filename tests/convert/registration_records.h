#pragma once
// Special-registration race records of both formats (JRA#TOUR.DAT,
// JRACTOK1.DAT) and the horse records their entries find.

#include <string>
#include <utility>

#include "convert/jravan/registrations.h"
#include "tests/convert/jra_old_records.h"

namespace tamikaze::testing {

// Data type 3: a race without a name at 東京 (05), race 11, year 09,
// condition 00, distance 16, turf (11), no entries.
inline RecordBuilder TourRace() {
  RecordBuilder race(kTourRaceRecordSize);
  race.Put(1, "05").Put(3, "09").Put(7, "11").Fill(13, "　"_sj, 20).Put(56, "00");
  race.Put(74, "16").Put(78, "11").Put(88, "000");
  return race;
}

// Entry `k` of a data type 3 race: key, then the 18-byte name.
inline RecordBuilder& PutTourEntry(RecordBuilder& race, int k, const std::string& key8,
                                   const std::string& nameCp932) {
  race.Fill(91 + 29 * (k - 1) + 8, "　"_sj, 9);
  return race.Put(91 + 29 * (k - 1), key8 + nameCp932);
}

// Data type 6: a race without a name at 東京 (05), race 11, year 09, no short
// name, condition 00, 1600 m turf (11), no entries.
inline RecordBuilder Tok1Race() {
  RecordBuilder race(kTok1RaceRecordSize);
  race.Put(3, "09").Put(9, "05").Put(15, "11").Fill(18, "　"_sj, 20).Fill(78, "　"_sj, 3);
  race.Put(88, "00").Put(133, "1600").Put(137, "11").Put(325, "000");
  return race;
}

// Entry `k` of a data type 6 race: key, the 18-byte name and the sex code.
inline RecordBuilder& PutTok1Entry(RecordBuilder& race, int k, const std::string& key8,
                                   const std::string& nameCp932, const std::string& sex = "1") {
  const int at = 333 + 48 * (k - 1);
  race.Fill(at + 8, "　"_sj, 9).Put(at + 8, nameCp932).Put(at + 26, sex);
  return race.Put(at, key8);
}

// A current-format horse whose key ends in `key8`, ranking amount 0000100, a
// last race that was no trial, position 05.
inline RecordBuilder Tok1Horse(const std::string& key8, const std::string& nameCp932) {
  return CurrentHorse("20" + key8, nameCp932).Put(603, "0000100").Put(1050, "05");
}

// A special-registration race of data type `type` (3 or 6) at 東京, race 11,
// with one entry whose horse is the one record of `horses`. Its race file is
// 東京11R.uma, whose line 62 is "ダ" only when the horse file was read (the
// horse's last race was on dirt; a missing horse's block says "無").
struct OneEntrySample {
  std::string races;
  std::string horses;
};

inline OneEntrySample SpecialSample(int type) {
  if (type == 3) {
    RecordBuilder race = TourRace().Put(88, "001");
    RecordBuilder horse = OldHorse("05000001", "ウマ"_sj);
    for (const auto& [pos1, text] :
         {std::pair{638, "05"}, {659, "23"}, {669, "1"}, {713, "01"}, {730, "010101"}})
      PutOldSlot(horse, 1, pos1, text);
    return {PutTourEntry(race, 1, "05000001", "ウマ"_sj).Str(), horse.Str()};
  }
  RecordBuilder race = Tok1Race().Put(325, "001");
  RecordBuilder horse = Tok1Horse("05000001", "ウマ"_sj);
  for (const auto& [pos1, text] : {std::pair{913, "05"}, {965, "23"}, {1048, "01"}})
    PutSlot(horse, 1, pos1, text);
  return {PutTok1Entry(race, 1, "05000001", "ウマ"_sj).Str(), horse.Str()};
}

}  // namespace tamikaze::testing
