#pragma once
// The ranking of a special-registration race's entries and the numbering
// block it gives.

#include <cstdint>
#include <vector>

#include "racefile/blocks.h"

namespace tamikaze {

// The places of the numbering block, lines 6 to 23.
inline constexpr int kNumberedPlaces = 18;

// The score of an entry whose horse is not in the horse file: it ranks first.
inline constexpr int kHorseNotFoundScore = 9999999;

struct EntryRank {
  int number;                      // 1-based position of the entry in the race record
  int score;                       // priority score: the ranking amount or a trial priority
  std::uint8_t lastPosition = 99;  // finishing position of the last race, 0 read as 99
  int tie = 0;                     // tie value of a last-race winner
};

// Best first: the higher score; on equal scores the lower last-race position;
// on equal positions too the higher tie value. Entries that rank equal keep
// the order of the race record.
void RankEntries(std::vector<EntryRank>& entries);

// Lines 6 to 23: the entry numbers of the first 18 ranked entries, best
// first, then the numbers from 1 up that are not listed yet, so that the 18
// lines hold 18 different numbers as on a race card.
void AppendRankedNumberingBlock(RaceLines& lines, const std::vector<EntryRank>& ranked);

}  // namespace tamikaze
