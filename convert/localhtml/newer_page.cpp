// A newer page: the date line holds <td nowrap colspan="2">, each runner a
// horse marker line, and five cells of past races with the dbnote marker.

#include "convert/localhtml/page_families.h"
#include "convert/localhtml/page_text.h"
#include "convert/localhtml/past_race.h"
#include "convert/localhtml/race_header.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

// Markers looked for on every line of the page, made once.
const std::string kPastRaceMarker = "<td nowrap rowspan='1' class='dbnote'>";
const std::string kHorseMarker = "<td nowrap colspan='2'> <font size=\"+1\">";
const std::string kRowMarker = "<td nowrap colspan='2'>";
const std::string kBoldSpan = "<span class=\"plus1bold01\">";
constexpr int kPastRaces = 5;
constexpr int kNameBytes = 18;

// A runner's row starts at its horse marker line. Layout 3 knows it by the
// venue-style span on the line after it.
bool IsHorseMarker(const LocalPageState& state, long i) {
  const std::string& line = PageLine(state, i);
  if (state.PageLayout != 3) return Contains(line, kHorseMarker);
  return Contains(line, kRowMarker) && Contains(PageLine(state, i + 1), kBoldSpan);
}

int CountRunners(const LocalPageState& state, long dateLine) {
  int runners = 0;
  for (long i = dateLine + 1; !IsPageEnd(state, i); ++i) runners += IsHorseMarker(state, i);
  return runners;
}

// Distance, venue and surface of the date line; year and month go to `year`
// and `month`.
void AppendRaceLines(LocalPageState& state, const std::string& line, int& year, int& month) {
  const long yearPos = BytePos("年"_sj, line);
  const long monthPos = BytePos("月"_sj, line);
  year = StrictNumber(SubstrAt(line, yearPos - 2, 2));
  month = StrictNumber(SubstrAt(line, yearPos + 2, monthPos - yearPos - 2));
  const std::string venueMarker = state.PageLayout == 3 ? kBoldSpan : "<font size=\"+1\">";
  std::string venue =
      SubstrAt(line, BytePos(venueMarker, line) + static_cast<long>(venueMarker.size()), 6);
  if (SubstrAt(venue, 3, 2) == "　"_sj) venue = SubstrAt(venue, 1, 2) + SubstrAt(venue, 5, 2);
  std::string distance = SubstrAt(line, BytePos("ｍ"_sj, line) - 4, 4);
  BlankDistanceLead(distance);
  AppendPageRaceLines(state.SaveLst, distance, venue, line);
}

// Age and sex from the line four above the horse marker: "牡&nbsp;4 " gives
// " 4" and 牡, a gelding's "セン" the half-width "ｾﾝ".
std::string AgeAndSex(const std::string& line) {
  const long nbsp = BytePos("&nbsp;", line);
  std::string age = SubstrAt(line, nbsp + 6, 2);
  if (age.size() == 2 && age[1] == ' ') age = " " + age.substr(0, 1);
  if (age.size() == 1) age = " " + age;
  std::string sex = SubstrAt(line, nbsp - 2, 2);
  if (sex == "ン"_sj) sex = "ｾﾝ"_sj;
  return age + sex;
}

// The horse's name, cut before any tag and filled up with full-width spaces
// to 18 bytes.
std::string HorseName(const LocalPageState& state, long marker) {
  std::string name;
  if (state.PageLayout == 3) {
    name = SubstrAt(PageLine(state, marker + 5), 1, kNameBytes);
  } else {
    const std::string& line = PageLine(state, marker + 1);
    name = SubstrAt(line, BytePos("<span>", line) + 6, kNameBytes);
  }
  name = name.substr(0, name.find('<'));
  for (int i = 0; i < kNameBytes / 2; ++i) name += "　"_sj;
  return name.substr(0, kNameBytes);
}

using PastRaceParser = void (*)(LocalPageState&, int);

PastRaceParser ParserOfLayout(int layout) {
  if (layout == 1) return AddHtmlPastRace1;
  return layout == 2 ? AddHtmlPastRace2 : AddHtmlPastRace3;
}

// One runner from the scan position `c` on; returns where the next scan starts.
long AddRunner(LocalPageState& state, long c, int year, int month) {
  const long marker = NextPageLine(state, c, [&state](long i) { return IsHorseMarker(state, i); });
  const std::string ageAndSex = AgeAndSex(PageLine(state, marker - 4));
  state.SaveLst.push_back(HorseName(state, marker) + ageAndSex);
  state.CardYear = year;
  state.CardMonth = month;
  c = marker + 2;
  const PastRaceParser parser = ParserOfLayout(state.PageLayout);
  for (int race = 0; race < kPastRaces; ++race) {
    const long cell = NextPageLine(
        state, c, [&state](long i) { return Contains(PageLine(state, i), kPastRaceMarker); });
    parser(state, static_cast<int>(cell));
    c = cell + (state.PageLayout == 1 ? 12 : 8);
  }
  state.SaveLst.push_back("好"_sj);
  return c;
}

}  // namespace

void ConvertNewerPage(LocalPageState& state, long dateLine) {
  int year = 0, month = 0;
  AppendRaceLines(state, PageLine(state, dateLine), year, month);
  const int runners = CountRunners(state, dateLine);
  AppendPageCommonHeader(state.SaveLst, runners);
  state.HorseCount = runners;
  long c = dateLine + 1;
  for (int runner = 0; runner < runners; ++runner) c = AddRunner(state, c, year, month);
}

}  // namespace tamikaze
