#include "convert/jravan/entry_ranking.h"

#include <algorithm>
#include <string>

namespace tamikaze {

namespace {

bool RanksBefore(const EntryRank& a, const EntryRank& b) {
  if (a.score != b.score) return a.score > b.score;
  if (a.lastPosition != b.lastPosition) return a.lastPosition < b.lastPosition;
  return a.tie > b.tie;
}

}  // namespace

void RankEntries(std::vector<EntryRank>& entries) {
  // A stable sort by the same comparison gives the order of an exchange sort
  // that swaps neighbours only when the later one ranks strictly before.
  std::stable_sort(entries.begin(), entries.end(), RanksBefore);
}

void AppendRankedNumberingBlock(RaceLines& lines, const std::vector<EntryRank>& ranked) {
  std::vector<bool> listed(kNumberedPlaces + 1, false);
  int written = 0;
  for (const EntryRank& entry : ranked) {
    if (written == kNumberedPlaces) break;
    lines.push_back(std::to_string(entry.number));
    if (entry.number <= kNumberedPlaces) listed[entry.number] = true;
    ++written;
  }
  for (int number = 1; written < kNumberedPlaces; ++number) {
    if (number <= kNumberedPlaces && listed[number]) continue;
    lines.push_back(std::to_string(number));
    ++written;
  }
}

}  // namespace tamikaze
