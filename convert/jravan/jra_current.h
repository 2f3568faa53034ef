#pragma once
// JRA-VAN race cards in the current format (JRACDEN1.DAT + JRACUMAJ.DAT).

#include "convert/convert_state.h"
#include "convert/horse_records.h"

namespace tamikaze {

constexpr int kJraCurrentRaceRecordSize = 1463;
constexpr int kJraCurrentHorseRecordSize = kJraCurrentHorseKey.recordSize;

// Appends lines 1 onward of race `race` (1-based) to state.SaveLst and sets
// RaceFileName, RaceOffset, HorseOffset and HorseCount.
void ConvertJraCurrent(ConvertState& state, int race);

// Appends the 8 lines of past-race slot `slot` (1 to 5) of the current-format
// horse record at state.HorseOffset. Also used by the special registrations.
void AddPastRace(ConvertState& state, int slot);

}  // namespace tamikaze
