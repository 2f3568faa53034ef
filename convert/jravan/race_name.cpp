#include "convert/jravan/race_name.h"

#include "text/cp932.h"
#include "text/record_field.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr int kNamePos1 = 18;
constexpr int kMaxCharacters = 30;

}  // namespace

std::string CurrentRaceName(const std::string& denText, std::size_t raceOffset) {
  const std::string& space = "　"_sj;
  std::string name = RecordField(denText, raceOffset, kNamePos1, 6);
  if (name == space + space + space) return "";
  for (int taken = 3, pos1 = kNamePos1 + 6; taken < kMaxCharacters; ++taken, pos1 += 2) {
    const std::string character = RecordField(denText, raceOffset, pos1, 2);
    if (character == space && RecordField(denText, raceOffset, pos1 + 2, 2) == space) break;
    name += character;
  }
  return name;
}

}  // namespace tamikaze
