#pragma once
// Current-format race and horse records for the converter tests, built field
// by field at the positions of the record tables.

#include <string>
#include <vector>

#include "convert/convert_state.h"
#include "convert/jravan/jra_current.h"
#include "racefile/blocks.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"

namespace tamikaze::testing {

using namespace literals;

// A race without a name at 東京 (05), race 11, year 09, 1600 m turf (11), no runners.
inline RecordBuilder CurrentRace() {
  RecordBuilder race(kJraCurrentRaceRecordSize);
  race.Put(3, "09").Put(9, "05").Put(15, "11").Fill(18, "　"_sj, 30);
  race.Put(133, "1600").Put(137, "11").Put(325, "00");
  return race;
}

// A horse born in 05, a colt (sex 1), with five empty past-race slots; the
// name is filled with full-width spaces to its 18 bytes.
inline RecordBuilder CurrentHorse(const std::string& key, const std::string& nameCp932) {
  RecordBuilder horse(kJraCurrentHorseRecordSize);
  horse.Put(1, key).Fill(29, "　"_sj, 9).Put(29, nameCp932).Put(67, "05").Put(74, "1");
  return horse;
}

// Writes a past-race field given by its slot-1 position into slot `slot`.
inline RecordBuilder& PutSlot(RecordBuilder& horse, int slot, int slot1Pos1,
                              const std::string& text) {
  return horse.Put(slot1Pos1 + 215 * (slot - 1), text);
}

inline std::string Joined(const std::vector<RecordBuilder>& records) {
  std::string text;
  for (const RecordBuilder& r : records) text += r.Str();
  return text;
}

inline ConvertState LoadedState(const std::string& den, const std::string& uma) {
  ConvertState state;
  state.DataType = 4;
  state.DenText = den;
  state.UmaText = uma;
  state.UmaLength = static_cast<int>(uma.size());
  state.RaceCount = static_cast<int>(den.size()) / kJraCurrentRaceRecordSize;
  return state;
}

// The lines of race `race` as the driver collects them, line 0 included.
inline RaceLines Converted(ConvertState& state, int race) {
  state.SaveLst = {CopyrightLine()};
  ConvertJraCurrent(state, race);
  return state.SaveLst;
}

// `count` past-race placeholder blocks appended to `lines`.
inline RaceLines WithPlaceholders(RaceLines lines, int count) {
  while (count-- > 0) AppendPlaceholderBlock(lines, DistanceDigits::Four);
  return lines;
}

}  // namespace tamikaze::testing
