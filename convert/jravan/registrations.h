#pragma once
// JRA-VAN special registrations (特別登録): every registered entry of a race
// gets a horse block, and the 18 best-ranked entries fill the numbering block.
// Older format: JRA#TOUR.DAT + JRA#UMAJ.DAT; current: JRACTOK1.DAT +
// JRACUMAJ.DAT, the horse file coming from a second archive.

#include "convert/convert_state.h"

namespace tamikaze {

constexpr int kTourRaceRecordSize = 2992;
constexpr int kTok1RaceRecordSize = 5129;

// Each appends lines 1 onward of race `race` (1-based) to state.SaveLst and
// sets RaceFileName, RaceOffset, HorseOffset and HorseCount.
void ConvertTourRace(ConvertState& state, int race);
void ConvertTok1Race(ConvertState& state, int race);

}  // namespace tamikaze
