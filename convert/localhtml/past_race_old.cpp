// AddHtmlPastRaceOld: a past-race cell of an older page. Its first line ends
// in "</FONT>", and the fields stand at fixed distances before it:
//
//   p-26 venue (6 bytes, or 4 from p-24)  p-20 month  p-14 going
//   p-8 surface ("芝" or "　")  p-6 direction  p-4 distance (4 bytes)

#include <utility>

#include "convert/localhtml/page_text.h"
#include "convert/localhtml/past_race.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

// "１" to "９" become " 1" to " 9"; anything else stays as read.
std::string HalfWidthPosition(const std::string& position) {
  const std::string& one = "１"_sj;
  if (position.size() == 2 && position[0] == one[0] && position[1] >= one[1] &&
      position[1] <= one[1] + 8) {
    return std::string(" ") + static_cast<char>('1' + (position[1] - one[1]));
  }
  return position;
}

// The venue letter: a four-byte name stands after "...1>" or ">J", else the
// name takes six bytes; the first character is the letter, except for the
// tracks whose letter is another.
std::string VenueLetter(const std::string& cell, long p) {
  const std::string mark = SubstrAt(cell, p - 26, 2);
  const bool shortName = mark == "1>" || mark == ">J";
  const std::string name = shortName ? SubstrAt(cell, p - 24, 4) : SubstrAt(cell, p - 26, 6);
  const std::pair<const std::string&, const std::string&> exceptions[] = {
      {shortName ? "中京"_sj : "中　京"_sj, "名"_sj},
      {shortName ? "名古"_sj : "名古屋"_sj, "屋"_sj},
      {shortName ? "福山"_sj : "福　山"_sj, "山"_sj},
      {shortName ? "高知"_sj : "高　知"_sj, "知"_sj},
      {shortName ? "中津"_sj : "中　津"_sj, "津"_sj},
  };
  for (const auto& [track, letter] : exceptions) {
    if (name == track) return letter;
  }
  return SubstrAt(name, 1, 2);
}

std::string ZeroForLeadingSpace(std::string text) {
  if (!text.empty() && text[0] == ' ') text[0] = '0';
  return text;
}

// Three cells of three bytes from `q`: the first "　d" or " dd", the others
// " dd" or blank ("　"). A blank cell repeats " 0" after " 0", else the first
// cell's value: ␣5, ␣3 and a blank give ␣5␣3␣5.
std::string PassingPositions(const std::string& line) {
  const long q = BytePos(".", line) + 3;
  const std::string& blank = "　"_sj;
  if (SubstrAt(line, q, 4) == blank + blank) return " 0 0 0";
  const std::string cells[] = {
      SubstrAt(line, q, 2) == blank ? " " + SubstrAt(line, q + 2, 1) : SubstrAt(line, q + 1, 2),
      SubstrAt(line, q + 3, 2) == blank ? "" : SubstrAt(line, q + 4, 2),
      SubstrAt(line, q + 6, 2) == blank ? "" : SubstrAt(line, q + 7, 2),
  };
  std::string positions;
  std::string last = " 0";
  for (const std::string& cell : cells) {
    if (!cell.empty()) {
      positions += cell;
      last = cell;
    } else {
      positions += last == " 0" ? " 0" : SubstrAt(positions, 1, 2);
    }
  }
  return positions;
}

// "38.5</FONT>" gives 385; a blank before the point gives "999".
std::string ClosingTime(const std::string& line) {
  const long r = BytePos("</FONT>", line);
  const std::string seconds = SubstrAt(line, r - 4, 2);
  return seconds == "　"_sj ? "999" : seconds + SubstrAt(line, r - 1, 1);
}

}  // namespace

void AddHtmlPastRaceOld(LocalPageState& state, int cellLine) {
  const std::string& cell = PageLine(state, cellLine);
  const long p = BytePos("</FONT>", cell);
  const std::string& placeLine = PageLine(state, cellLine + 2);
  const std::string position =
      HalfWidthPosition(SubstrAt(placeLine, BytePos("<B>", placeLine) + 3, 2));
  const std::string surface = SubstrAt(cell, p - 8, 2);
  const std::string direction = SubstrAt(cell, p - 6, 2);
  const bool usable = (direction == "右"_sj || direction == "左"_sj) &&
                      (surface == "芝"_sj || surface == "　"_sj) && LenientNumber(position) != 0;
  if (!usable) {
    AppendPlaceholderBlock(state.SaveLst, DistanceDigits::Four);
    return;
  }

  const std::string month = ZeroForLeadingSpace(SubstrAt(cell, p - 20, 2));
  const std::string venueMonth =
      VenueLetter(cell, p) + WalkYear(state, StrictNumber(month)) + month;
  const std::string& timeLine = PageLine(state, cellLine + 3);
  std::string going = SubstrAt(cell, p - 14, 2);
  if (going == "　"_sj) going = SubstrAt(cell, p - 12, 2);
  RaceLines& lines = state.SaveLst;
  lines.push_back(surface == "芝"_sj ? "芝"_sj : "ダ"_sj);
  lines.push_back(SubstrAt(cell, p - 4, 4));
  lines.push_back(venueMonth);
  lines.push_back(ZeroForLeadingSpace(SubstrAt(timeLine, BytePos("<BR>", timeLine) + 4, 4)));
  lines.push_back(PassingPositions(timeLine));
  lines.push_back(ClosingTime(timeLine));
  lines.push_back(going);
  lines.push_back(position);
}

}  // namespace tamikaze
