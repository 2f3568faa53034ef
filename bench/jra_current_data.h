#pragma once
// Synthetic current-format JRA-VAN race cards (JRACDEN1.DAT + JRACUMAJ.DAT)
// with made-up race and horse names: the dozen races of examples/sample.lzh
// and a season-sized set for the benchmarks.

#include <filesystem>
#include <string>

namespace tamikaze::bench {

struct RecordFiles {
  std::string den;  // JRACDEN1.DAT: race records of 1463 bytes
  std::string uma;  // JRACUMAJ.DAT: horse records of 2881 bytes
};

// Twelve races at various venues: named and unnamed races, turf at inner and
// outer courses, dirt, a steeplechase and a name that abbreviates to nothing;
// the runners' past races cover the usable and the unusable cases.
RecordFiles SampleCards();

// `races` races sharing `horses` horse records (consecutive runners, 14 or
// 15 a race for a season), with past-race slots full of data the way real
// records are. Deterministic: the same arguments give the same bytes.
RecordFiles SeasonCards(int races, int horses);

class Dice;

// One current-format horse record (2881 bytes) with the 10-character `key`,
// a made-up name and sex, and past races of every kind; `fullSlots` fills the
// bytes of the slots nobody reads with digits, as real records are.
std::string MadeUpCurrentHorse(const std::string& key, int birthYear, Dice& dice, bool fullSlots);

// Writes JRACDEN1.DAT and JRACUMAJ.DAT into `folder`.
void WriteRecordFiles(const RecordFiles& files, const std::filesystem::path& folder);

}  // namespace tamikaze::bench
