#pragma once
// The race file's name, as every archive converter sets it.

#include <string>

#include "convert/convert_state.h"

namespace tamikaze {

// Sets RaceFileName to `raceName` (CP932) shortened by AbbreviateRaceName, or
// to `unnamedName` (venue, race number and "R", as in 東京11R) when the race
// has no name (`raceName` empty) or its name shortens to nothing: a race file
// is never named ".uma".
void SetRaceFileName(ConvertState& state, const std::string& raceName,
                     const std::string& unnamedName);

}  // namespace tamikaze
