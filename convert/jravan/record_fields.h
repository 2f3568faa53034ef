#pragma once
// Fields of the race record and the horse records a JRA-VAN converter is
// working on, and the runners' age.

#include <string>

#include "convert/convert_state.h"
#include "text/record_field.h"

namespace tamikaze {

// Bytes `pos1` (1-based) to pos1 + width - 1 of the race record at RaceOffset.
inline std::string RaceField(const ConvertState& state, int pos1, int width) {
  return RecordField(state.DenText, static_cast<std::size_t>(state.RaceOffset), pos1, width);
}

// The same of the horse record at the 0-based `horseOffset`.
inline std::string HorseField(const ConvertState& state, TextOffset horseOffset, int pos1,
                              int width) {
  return RecordField(state.UmaText, static_cast<std::size_t>(horseOffset), pos1, width);
}

// Age from two-digit years: the race year minus the birth year, plus 100
// when that is negative.
inline int AgeFromYears(int raceYear, int birthYear) {
  const int age = raceYear - birthYear;
  return age < 0 ? age + 100 : age;
}

}  // namespace tamikaze
