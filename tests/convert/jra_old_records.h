#pragma once
// Older-format race and horse records (JRA#DEN1.DAT, JRA#UMAJ.DAT) for the
// converter tests, built field by field at the positions of the record tables.

#include <string>

#include "convert/jravan/jra_old.h"
#include "tests/convert/jra_current_records.h"

namespace tamikaze::testing {

// A race without a name at 東京 (05), race 11, year 09, distance 16, turf
// (11), no runners.
inline RecordBuilder OldRace() {
  RecordBuilder race(kJraOldRaceRecordSize);
  race.Put(1, "05").Put(3, "09").Put(7, "11").Fill(18, "　"_sj, 30);
  race.Put(99, "16").Put(103, "11").Put(106, "00");
  return race;
}

// Writes a past-race field given by its slot-1 position into slot `slot`.
inline RecordBuilder& PutOldSlot(RecordBuilder& horse, int slot, int slot1Pos1,
                                 const std::string& text) {
  return horse.Put(slot1Pos1 + 136 * (slot - 1), text);
}

// A horse born in 05, a colt (sex 1), ranking amount 0000100, with five
// past-race slots that read as numbers but hold no race (venue 00); the name
// is filled with full-width spaces to its 18 bytes.
inline RecordBuilder OldHorse(const std::string& key, const std::string& nameCp932) {
  RecordBuilder horse(kJraOldHorseRecordSize);
  horse.Put(1, key).Fill(10, "　"_sj, 9).Put(10, nameCp932).Put(131, "1").Put(134, "05");
  horse.Put(348, "0000100");
  for (int slot = 1; slot <= 5; ++slot) {
    PutOldSlot(horse, slot, 638, "00");
    PutOldSlot(horse, slot, 659, "00");
    PutOldSlot(horse, slot, 713, "00");
  }
  return horse;
}

}  // namespace tamikaze::testing
