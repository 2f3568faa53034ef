#include "convert/jravan/race_name.h"

#include "text/cp932.h"
#include "text/record_field.h"

namespace tamikaze {

using namespace literals;

namespace {

// A name field whose first `leading` characters are all full-width spaces
// names no race. Otherwise those characters, then one character at a time
// until one is followed by another and both are full-width spaces, or
// `maxCharacters` are taken.
std::string NameUpToTwoSpaces(const std::string& denText, std::size_t raceOffset, int pos1,
                              int leading, int maxCharacters) {
  const std::string& space = "　"_sj;
  std::string name = RecordField(denText, raceOffset, pos1, 2 * leading);
  std::string spaces;
  for (int i = 0; i < leading; ++i) spaces += space;
  if (name == spaces) return "";
  for (int taken = leading, at = pos1 + 2 * leading; taken < maxCharacters; ++taken, at += 2) {
    const std::string character = RecordField(denText, raceOffset, at, 2);
    if (character == space && RecordField(denText, raceOffset, at + 2, 2) == space) break;
    name += character;
  }
  return name;
}

}  // namespace

std::string RaceCardName(const std::string& denText, std::size_t raceOffset) {
  return NameUpToTwoSpaces(denText, raceOffset, 18, 3, 30);
}

std::string TourRaceName(const std::string& denText, std::size_t raceOffset) {
  return NameUpToTwoSpaces(denText, raceOffset, 13, 2, 20);
}

std::string Tok1RaceName(const std::string& denText, std::size_t raceOffset) {
  constexpr int kNamePos1 = 18;
  constexpr int kMaxCharacters = 20;
  std::string name;
  for (int taken = 0, at = kNamePos1; taken < kMaxCharacters; ++taken, at += 2) {
    const std::string character = RecordField(denText, raceOffset, at, 2);
    if (character == "　"_sj) break;
    name += character;
  }
  return name;
}

}  // namespace tamikaze
