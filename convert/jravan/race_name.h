#pragma once
// The race name fields of the JRA-VAN race records. Each function returns the
// name as the record gives it (CP932), or "" for a race without a name.

#include <cstddef>
#include <string>

namespace tamikaze {

// Race cards, current and older format alike (bytes 18-77): a race without a
// name begins with three full-width spaces. Otherwise the first three
// characters, then one two-byte character at a time from byte 24 on, stopping
// before a character that is followed by another when both are full-width
// spaces, or when 30 characters are taken. A single full-width space inside
// the name is kept.
std::string RaceCardName(const std::string& denText, std::size_t raceOffset);

// Older special registrations (JRA#TOUR.DAT, bytes 13-52): a race without a
// name begins with two full-width spaces; otherwise as on a race card, from
// the first two characters on and up to 20 characters.
std::string TourRaceName(const std::string& denText, std::size_t raceOffset);

// Current special registrations (JRACTOK1.DAT, bytes 18-57): a race without a
// name begins with a full-width space; otherwise the characters up to the
// first full-width space, at most 20.
std::string Tok1RaceName(const std::string& denText, std::size_t raceOffset);

}  // namespace tamikaze
