// An older page: the date line starts with the year ("2009年03月15日 ..."),
// the runners' table starts after its head row, and each runner takes 31
// lines from its line with "<FONT SIZE=-2>".

#include "convert/localhtml/page_families.h"
#include "convert/localhtml/page_text.h"
#include "convert/localhtml/past_race.h"
#include "convert/localhtml/race_header.h"
#include "text/cp932.h"
#include "text/numbers.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr const char* kRunnerMarker = "<FONT SIZE=-2>";
constexpr int kRunnerLines = 31;
constexpr int kFirstCell = 11;  // the cells start 11 lines below the runner's line
constexpr int kCellLines = 4;
constexpr int kPastRaces = 5;

bool EndsTable(const LocalPageState& state, long i) {
  return IsPageEnd(state, i) || Contains(PageLine(state, i), "明細部↑"_sj);
}

bool IsRunnerLine(const LocalPageState& state, long i) {
  return Contains(PageLine(state, i), kRunnerMarker);
}

// Where counting starts: five lines below the table's head row, or the line
// after an early stop at the end of the table.
long FirstRunnerScanLine(const LocalPageState& state, long dateLine) {
  long i = dateLine + 1;
  while (!IsRunnerLine(state, i) && !EndsTable(state, i)) ++i;
  return IsRunnerLine(state, i) ? i + 5 : i + 1;
}

// Each runner line counts one runner, and the four lines after it are skipped
// unseen.
int CountRunners(const LocalPageState& state, long first) {
  int runners = 0;
  for (long i = first; !EndsTable(state, i);) {
    if (IsRunnerLine(state, i)) {
      ++runners;
      i += 5;
    } else {
      ++i;
    }
  }
  return runners;
}

// Age and sex stand before "</FONT><BR>" on the line below the runner's line
// ("牡 4</FONT><BR>"); a gelding's "セ" becomes the half-width "ｾﾝ".
std::string AgeAndSex(const std::string& line) {
  const long end = BytePos("</FONT><BR>", line);
  std::string sex = SubstrAt(line, end - 4, 2);
  if (sex == "セ"_sj) sex = "ｾﾝ"_sj;
  return SubstrAt(line, end - 2, 2) + sex;
}

// The 18 bytes before "</A><BR>" as they stand, or the line's first 18.
std::string HorseName(const std::string& line) {
  return SubstrAt(line, BytePos("</A><BR>", line) - 18, 18);
}

}  // namespace

void ConvertOlderPage(LocalPageState& state, long dateLine) {
  const std::string& line = PageLine(state, dateLine);
  const int year = StrictNumber(SubstrAt(line, 3, 2));
  const int month = StrictNumber(SubstrAt(line, 7, 2));
  const std::string distance = SubstrAt(line, BytePos("0ｍ"_sj, line) - 3, 4);
  const std::string venue = SubstrAt(line, BytePos("<B>", line) + 3, 4);
  AppendPageRaceLines(state.SaveLst, distance, venue, line);
  long c = FirstRunnerScanLine(state, dateLine);
  const int runners = CountRunners(state, c);
  AppendPageCommonHeader(state.SaveLst, runners);
  state.HorseCount = runners;
  for (int runner = 0; runner < runners; ++runner) {
    const long first = NextPageLine(state, c, [&state](long i) { return IsRunnerLine(state, i); });
    const std::string ageAndSex = AgeAndSex(PageLine(state, first + 1));
    state.SaveLst.push_back(HorseName(PageLine(state, first + 2)) + ageAndSex);
    state.CardYear = year;
    state.CardMonth = month;
    for (int race = 0; race < kPastRaces; ++race) {
      AddHtmlPastRaceOld(state, static_cast<int>(first + kFirstCell + kCellLines * race));
    }
    state.SaveLst.push_back("好"_sj);
    c = first + kRunnerLines;
  }
}

}  // namespace tamikaze
