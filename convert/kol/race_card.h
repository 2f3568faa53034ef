#pragma once
// One converter for both 競馬道 race-card formats, driven by their layout
// (convert/kol/format.h). RaceOffset and HorseOffset hold the 1-based
// positions of the current race record in DenText and horse record in
// UmaText.

#include "convert/convert_state.h"
#include "convert/kol/format.h"

namespace tamikaze {

// Appends lines 1 onward of race `race` (1-based) to state.SaveLst and sets
// RaceFileName, RaceOffset, HorseOffset and HorseCount. The runners are the
// horse records from the first whose key is the race key on (from the file's
// first record when none is); bytes beyond the end of a text read as
// half-width spaces. A strict number that does not read throws ENotInteger.
void ConvertKolFormatRace(ConvertState& state, const KolFormat& format, int race);

// Appends the 8 lines of past-race slot `slot` (1 to 5) of the horse record
// at state.HorseOffset: the past race, or the placeholder block when the slot
// is not usable.
void AddKolFormatPastRace(ConvertState& state, const KolFormat& format, int slot);

}  // namespace tamikaze
