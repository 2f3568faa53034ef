// AddHtmlPastRace1, 2 and 3: a past-race cell of a newer page, one routine
// driven by the table of what the three page layouts do differently.
//
// The marker line holds, after its tag, the venue and date, going, surface
// and distance, separated by full-width spaces ("大　井12.27　良　ダ1600");
// a line below holds the finishing position ("3/12</span>"), another the
// time, passing positions and closing time ("1587（0.5）　3-3-2　38.5").

#include <cstddef>
#include <cstring>

#include "convert/localhtml/page_text.h"
#include "convert/localhtml/past_race.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

struct NewerPastRaceParser {
  bool checksGoing;        // a going that is no going word is taken from the next cell
  long distanceEndGap;     // bytes between the distance and the end of the text
  int positionLineOffset;  // finishing-position line, below the marker line
  bool dropsLeadingGt;     // a ">" before the finishing position is dropped
  int timeLineOffset;      // time line, below the marker line
  bool keepsLastPassing;   // passing positions without a closing "　" keep the rest
  bool knowsSpacedVenues;  // "中　京", "中京" and the like are in its venue table
};

constexpr NewerPastRaceParser kParser1{false, 1, 8, false, 19, false, false};
constexpr NewerPastRaceParser kParser2{true, 1, 4, false, 10, false, true};
constexpr NewerPastRaceParser kParser3{true, 0, 6, true, 14, true, true};

struct VenueName {
  const char* name;  // UTF-8, compared with the start of the cell
  const char* letter;
  bool allParsers;  // else only the parsers that know spaced venues
};

const VenueName kVenues[] = {
    {"Ｊ中京", "名", true},  {"名古屋", "屋", true},  {"中　京", "名", false},
    {"福　山", "山", false}, {"高　知", "知", false}, {"中　津", "津", false},
    {"ＵＡＥ", "ア", true},  {"ＵＳＡ", "米", true},  {"ＳＩＮ", "シ", true},
    {"中京", "名", false},   {"名古", "屋", false},   {"福山", "山", true},
    {"高知", "知", true},    {"中津", "津", true},
};

bool IsGoingWord(const std::string& going) {
  return going == "良"_sj || going == "稍"_sj || going == "重"_sj || going == "不"_sj;
}

// The first character of the cell ("Ｊ東京" gives 東), unless the cell starts
// with a name of the venue table.
std::string VenueLetter(const std::string& cell, const NewerPastRaceParser& parser) {
  for (const VenueName& venue : kVenues) {
    const std::string& name = operator""_sj(venue.name, std::strlen(venue.name));
    if ((venue.allParsers || parser.knowsSpacedVenues) && cell.compare(0, name.size(), name) == 0) {
      return operator""_sj(venue.letter, std::strlen(venue.letter));
    }
  }
  const std::string first = SubstrAt(cell, 1, 2);
  return first == "Ｊ"_sj ? SubstrAt(cell, 3, 2) : first;
}

// The line without leading and trailing spaces and control characters.
std::string Trimmed(const std::string& line) {
  std::size_t begin = 0, end = line.size();
  while (begin < end && static_cast<unsigned char>(line[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(line[end - 1]) <= ' ') --end;
  return line.substr(begin, end - begin);
}

// The text before the first "（": "" gives "0000", three bytes get a "0".
std::string RaceTime(const std::string& timeLine) {
  const long paren = BytePos("（"_sj, timeLine);
  const std::string time = paren > 0 ? SubstrAt(timeLine, 1, paren - 1) : "";
  if (time.empty()) return "0000";
  return time.size() == 3 ? "0" + time : time;
}

// The passing text between the first "　" and the next one.
std::string PassingText(const std::string& timeLine, const NewerPastRaceParser& parser) {
  const std::string rest = RestFrom(timeLine, BytePos("　"_sj, timeLine) + 2);
  if (const long next = BytePos("　"_sj, rest); next > 0) return SubstrAt(rest, 1, next - 1);
  if (parser.keepsLastPassing) return rest;
  const long tag = BytePos(" <", rest);
  return tag > 0 ? SubstrAt(rest, 1, tag - 1) : "";
}

// "3-3-2" gives ␣3␣3␣2 and "5-5-4-3" the last three corners ␣5␣4␣3; one
// corner is written three times ("7" gives ␣7␣7␣7), of two the first twice
// ("10-8" gives 1010␣8); no corner gives " 0 0 0".
std::string PassingPositions(const std::string& text) {
  std::string joined;
  for (std::size_t start = 0;;) {
    const std::size_t dash = text.find('-', start);
    const std::string corner = text.substr(start, dash == std::string::npos ? dash : dash - start);
    joined += corner.size() == 1 ? " " + corner : corner;
    if (dash == std::string::npos) break;
    start = dash + 1;
  }
  joined = "      " + joined;
  const std::string six = joined.substr(joined.size() - 6);
  const std::size_t spaces = six.find_first_not_of(' ');
  if (spaces == std::string::npos) return " 0 0 0";
  if (spaces >= 4) return six.substr(4) + six.substr(4) + six.substr(4);
  if (spaces >= 2) return six.substr(2, 2) + six.substr(2);
  return six;
}

// "38.5" after the first "）" gives 385; no number gives "999".
std::string ClosingTime(const std::string& timeLine) {
  const std::string rest = RestFrom(timeLine, BytePos("）"_sj, timeLine) + 2);
  const long point = BytePos(".", rest);
  const std::string closing = SubstrAt(rest, point - 2, 2) + SubstrAt(rest, point + 1, 1);
  return LenientNumber(closing) == 0 ? "999" : closing;
}

// The number before "/" in the five bytes before "</span>" ("10/12" gives 10).
int FinishingPosition(const std::string& line, const NewerPastRaceParser& parser) {
  const std::string five = SubstrAt(line, BytePos("</span>", line) - 5, 5);
  std::string position = SubstrAt(five, BytePos("/", five) - 2, 2);
  if (parser.dropsLeadingGt && !position.empty() && position[0] == '>') position.erase(0, 1);
  return LenientNumber(position);
}

void AddNewerPastRace(LocalPageState& state, int markerLine, const NewerPastRaceParser& parser) {
  const std::string& marker = PageLine(state, markerLine);
  const std::string cell = RestFrom(marker, BytePos(">", marker) + 2);
  const std::string& blank = "　"_sj;
  long gap = BytePos(blank, cell);
  std::string going = SubstrAt(cell, gap + 2, 2);
  if (parser.checksGoing && !IsGoingWord(going)) {
    gap = BytePosFrom(blank, cell, gap + 4);
    going = SubstrAt(cell, gap + 2, 2);
  }
  const long surfaceGap = BytePosFrom(blank, cell, gap + 4);
  std::string track = SubstrAt(cell, surfaceGap + 2, 2);
  if (track == "ナ"_sj) track = SubstrAt(cell, surfaceGap + 6, 2);
  std::string distance =
      SubstrAt(cell, static_cast<long>(cell.size()) - 3 - parser.distanceEndGap, 4);
  BlankDistanceLead(distance);
  const int position =
      FinishingPosition(PageLine(state, markerLine + parser.positionLineOffset), parser);
  if (track == "障"_sj || position == 0) {
    AppendPlaceholderBlock(state.SaveLst, DistanceDigits::Four);
    return;
  }

  const std::string month = SubstrAt(cell, BytePos(".", cell) - 2, 2);
  const std::string venueMonth =
      VenueLetter(cell, parser) + WalkYear(state, StrictNumber(month)) + month;
  const std::string timeLine = Trimmed(PageLine(state, markerLine + parser.timeLineOffset));
  RaceLines& lines = state.SaveLst;
  lines.push_back(track == "芝"_sj ? "芝"_sj : "ダ"_sj);
  lines.push_back(distance);
  lines.push_back(venueMonth);
  lines.push_back(RaceTime(timeLine));
  lines.push_back(PassingPositions(PassingText(timeLine, parser)));
  lines.push_back(ClosingTime(timeLine));
  lines.push_back(going);
  lines.push_back(TwoColumn(position));
}

}  // namespace

void AddHtmlPastRace1(LocalPageState& state, int markerLine) {
  AddNewerPastRace(state, markerLine, kParser1);
}

void AddHtmlPastRace2(LocalPageState& state, int markerLine) {
  AddNewerPastRace(state, markerLine, kParser2);
}

void AddHtmlPastRace3(LocalPageState& state, int markerLine) {
  AddNewerPastRace(state, markerLine, kParser3);
}

}  // namespace tamikaze
