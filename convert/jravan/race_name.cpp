#include "convert/jravan/race_name.h"

#include "text/cp932.h"
#include "text/record_field.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr int kNamePos1 = 18;
constexpr int kMaxCharacters = 30;

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

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

std::string WithoutFullWidthSpaces(const std::string& cp932) {
  const std::string& space = "　"_sj;
  std::string out;
  out.reserve(cp932.size());
  for (std::size_t i = 0; i < cp932.size();) {
    const std::size_t width =
        IsLeadByte(static_cast<unsigned char>(cp932[i])) && i + 1 < cp932.size() ? 2 : 1;
    if (cp932.compare(i, width, space) != 0) out.append(cp932, i, width);
    i += width;
  }
  return out;
}

}  // namespace tamikaze
