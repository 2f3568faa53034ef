#include "convert/localhtml/race_header.h"

#include <algorithm>

#include "convert/localhtml/page_text.h"
#include "text/cp932.h"

namespace tamikaze {

using namespace literals;

namespace {
constexpr int kShownRunners = 18;
}

void AppendPageRaceLines(RaceLines& lines, const std::string& distance, const std::string& venue,
                         const std::string& dateLine) {
  lines.push_back(distance);
  lines.push_back(venue);
  lines.push_back(Contains(dateLine, "芝"_sj) ? "芝"_sj : "ダ"_sj);
  lines.push_back("良"_sj);
}

void AppendPageCommonHeader(RaceLines& lines, int runners) {
  lines.push_back(std::to_string(std::min(runners, kShownRunners)) + ",逃げ先行有利"_sj);
  AppendNumberingBlock(lines);
  AppendZeroBlock(lines);
  lines.insert(lines.end(), kShownRunners, "0.0,3");
  lines.push_back(std::to_string(runners));
}

}  // namespace tamikaze
