#pragma once
// What the special-registration converters of both formats share: the
// registration entries, their horses, the ranking by amount, lines 2 to 60
// and the horse blocks in entry order.

#include <string>
#include <vector>

#include "convert/convert_state.h"
#include "convert/jravan/course.h"
#include "convert/jravan/entry_ranking.h"
#include "convert/record_key_index.h"
#include "racefile/blocks.h"

namespace tamikaze {

// Where one special-registration format keeps what the shared part reads
// (1-based bytes).
struct SpecialFormat {
  int conditionPos1;         // race record: two-character race condition code
  int firstEntryPos1;        // race record: registration entry 1
  int entryWidth;            // bytes from one entry to the next
  RecordKeyLayout horseKey;  // horse records, found by the entry's bytes 1-8
  int amountPos1;            // horse record: 7-character ranking amount
  int birthYearPos1;         // horse record: two-digit birth year
  int firstSlotPos1;         // horse record: where the past-race slots start ...
  int slotsWidth;            // ... and how many bytes the five take
  void (*addPastRace)(ConvertState& state, int slot);
  DistanceDigits placeholderDistance;  // of a horse that is not found
};

// Bytes `pos1` to pos1 + width - 1 of registration entry `entry` (1-based).
std::string EntryField(const ConvertState& state, const SpecialFormat& format, int entry, int pos1,
                       int width);

// The 0-based offset of the horse record of entry `entry`, -1 when the horse
// file has none with its key.
TextOffset FindEntryHorse(ConvertState& state, const SpecialFormat& format, int entry);

// The horse record of each of the HorseCount entries (index 0 for entry 1), as
// FindEntryHorse finds it. The records lie anywhere in a horse file of some
// hundred megabytes: the bytes the ranking reads are fetched ahead.
std::vector<TextOffset> FindEntryHorses(ConvertState& state, const SpecialFormat& format);

// HorseCount: the number of entries the record gives, at most 100.
void SetEntryCount(ConvertState& state, int entries);

// The rank of entry `entry` by the ranking amount of its horse at
// `horseOffset`, doubled for a three-year-old under condition 13, 18 or 23
// and a four-year-old under 14, 19 or 24; kHorseNotFoundScore when
// `horseOffset` is -1.
EntryRank AmountRank(const ConvertState& state, const SpecialFormat& format, int entry,
                     TextOffset horseOffset, int raceYear);

// Full-width "？" for a sex code outside the table.
const std::string& EntrySex(int code);

// Lines 2 to 60 of a race with HorseCount entries ranked as `ranked`.
void AppendSpecialHeader(ConvertState& state, const RaceCourse& course,
                         const std::vector<EntryRank>& ranked);

// The horse line of entry `entry` whose horse is at `horseOffset` (-1 when
// not found).
using EntryHorseLine = std::string (*)(const ConvertState& state, int entry, TextOffset horseOffset,
                                       int raceYear);

// One horse block per entry in the order of the race record: its horse line,
// the five past races of its horse (HorseOffset set to it, from `horses`) or
// five placeholder blocks when the horse is not found, and "好".
void AppendEntryBlocks(ConvertState& state, const SpecialFormat& format, EntryHorseLine horseLine,
                       int raceYear, const std::vector<TextOffset>& horses);

}  // namespace tamikaze
