#pragma once
// The race name of a current-format race record (bytes 18-77).

#include <cstddef>
#include <string>

namespace tamikaze {

// The name as the race card gives it, or "" for a race without a name (a name
// field that begins with three full-width spaces). Otherwise: the first three
// characters, then one two-byte character at a time from byte 24 on, stopping
// before a character that is followed by another when both are full-width
// spaces, or when 30 characters are taken. A single full-width space inside
// the name is kept.
std::string CurrentRaceName(const std::string& denText, std::size_t raceOffset);

}  // namespace tamikaze
