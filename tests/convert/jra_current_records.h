#pragma once
// Current-format race and horse records for the converter tests, built field
// by field at the positions of the record tables.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/convert_state.h"
#include "convert/jravan/jra_current.h"
#include "racefile/blocks.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"
#include "text/numbers.h"

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

// Record texts as the driver loads them for data type `dataType`, whose race
// records are `recordSize` bytes.
inline ConvertState LoadedState(const std::string& den, const std::string& uma, int dataType = 4,
                                int recordSize = kJraCurrentRaceRecordSize) {
  ConvertState state;
  state.DataType = dataType;
  state.DenText = den;
  state.UmaText = uma;
  state.UmaLength = static_cast<TextOffset>(uma.size());
  state.RaceCount = static_cast<int>(den.size()) / recordSize;
  return state;
}

// The lines of race `race` as the driver collects them, line 0 included.
inline RaceLines Converted(ConvertState& state, int race,
                           RaceConverter converter = ConvertJraCurrent) {
  state.SaveLst = {CopyrightLine()};
  converter(state, race);
  return state.SaveLst;
}

// `count` past-race placeholder blocks appended to `lines`.
inline RaceLines WithPlaceholders(RaceLines lines, int count,
                                  DistanceDigits digits = DistanceDigits::Four) {
  while (count-- > 0) AppendPlaceholderBlock(lines, digits);
  return lines;
}

// The header lines 1 to 60 before the numbering block (distance, venue,
// surface, "良", count), the numbering block `numbers`, the zero blocks and
// line 60, line 0 first.
inline RaceLines HeaderLines(const std::vector<std::string>& first5,
                             const std::vector<int>& numbers, const std::string& line60) {
  RaceLines lines = {CopyrightLine()};
  lines.insert(lines.end(), first5.begin(), first5.end());
  for (int n : numbers) lines.push_back(std::to_string(n));
  lines.insert(lines.end(), 18, "0");
  lines.insert(lines.end(), 18, "0.0");
  lines.push_back(line60);
  return lines;
}

// Runs `convert`, which must end on the field text `named`: no number.
template <class Convert>
void ExpectNotInteger(const Convert& convert, const std::string& named) {
  try {
    convert();
    ADD_FAILURE() << "no error for '" << named << "'";
  } catch (const ENotInteger& e) {
    EXPECT_EQ(e.what(), "'" + named + "' は整数ではありません");
  }
}

}  // namespace tamikaze::testing
