#pragma once
// 競馬道 race cards: KD2 (data type 5, KOL_DEN1.KD2 + KOL_UMA.KD2) and the
// older format (data type 2, KOL_DEN.DAT + KOL_UMA.DAT).

#include "convert/convert_state.h"
#include "convert/kol/format.h"

namespace tamikaze {

constexpr int kKd2RaceRecordSize = kKd2Format.raceRecordSize;
constexpr int kKolRaceRecordSize = kKolFormat.raceRecordSize;

// Append lines 1 onward of race `race` (1-based) to state.SaveLst and set
// RaceFileName, RaceOffset and HorseOffset (1-based positions) and HorseCount.
void ConvertKd2Race(ConvertState& state, int race);
void ConvertKolRace(ConvertState& state, int race);

// Append the 8 lines of past-race slot `slot` (1 to 5) of the horse record at
// state.HorseOffset.
void AddKd2PastRace(ConvertState& state, int slot);
void AddKolPastRace(ConvertState& state, int slot);

}  // namespace tamikaze
