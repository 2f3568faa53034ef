#pragma once
// Fixed line blocks of a race file. Lines are CP932 without line ends.

#include <string>

#include "racefile/race_lines.h"

namespace tamikaze {

// Line 0 of every race file: the program's one fixed copyright line.
const std::string& CopyrightLine();

// Lines 6 to 23 as the race-card converters write them: "1" to "18".
void AppendNumberingBlock(RaceLines& lines);
// Lines 24 to 41: 18 lines "0".
void AppendZeroBlock(RaceLines& lines);
// Lines 42 to 59: 18 lines "0.0".
void AppendDecimalZeroBlock(RaceLines& lines);

// Which distance a placeholder block carries: "9999" from the sources with
// four-digit distances, "99" from those with two digits.
enum class DistanceDigits { Four, Two };

// The 8 lines of a past race that is not usable: "無", "9999" (or "99"),
// "東0000", "0000", " 0 0 0", "999", "良", "99".
void AppendPlaceholderBlock(RaceLines& lines, DistanceDigits digits);

}  // namespace tamikaze
