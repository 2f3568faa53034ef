#pragma once
// JRA-VAN race cards in the older format (JRA#DEN1.DAT + JRA#UMAJ.DAT).

#include "convert/convert_state.h"
#include "convert/horse_records.h"

namespace tamikaze {

constexpr int kJraOldRaceRecordSize = 584;
constexpr int kJraOldHorseRecordSize = kJraOldHorseKey.recordSize;

// Appends lines 1 onward of race `race` (1-based) to state.SaveLst and sets
// RaceFileName, RaceOffset, HorseOffset and HorseCount.
void ConvertJraOld(ConvertState& state, int race);

// Appends the 8 lines of past-race slot `slot` (1 to 5) of the older-format
// horse record at state.HorseOffset. Also used by the older special
// registrations.
void AddPastRaceOld(ConvertState& state, int slot);

}  // namespace tamikaze
