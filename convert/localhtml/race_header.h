#pragma once
// The race header of a race file made from a saved page (lines 1 to 60).

#include <string>

#include "racefile/blocks.h"

namespace tamikaze {

// Lines 1 to 4: distance, venue, "芝" when the date line names turf anywhere
// (else "ダ"), and the going "良".
void AppendPageRaceLines(RaceLines& lines, const std::string& distance, const std::string& venue,
                         const std::string& dateLine);

// Lines 5 to 60 for `runners` runners: the count (at most "18") followed by
// ",逃げ先行有利", "1" to "18", eighteen "0", eighteen "0.0,3", and the count
// again, never capped.
void AppendPageCommonHeader(RaceLines& lines, int runners);

}  // namespace tamikaze
