#pragma once
// Synthetic 競馬道 race cards with made-up race and horse names: the samples
// of examples/ in both formats and a season-sized KD2 set for the benchmarks.

#include <filesystem>
#include <string>

namespace tamikaze::bench {

enum class KolKind { Kd2, Older };

struct KolRecordFiles {
  KolKind kind;
  std::string den;   // KOL_DEN1.KD2 or KOL_DEN.DAT: race records
  std::string den2;  // KOL_DEN2.KD2 (KD2 only; nobody reads it)
  std::string uma;   // KOL_UMA.KD2 or KOL_UMA.DAT: horse records
};

// A dozen races: named and unnamed races, turf at 阪神 inner and outer and at
// 京都 and 新潟, dirt, a steeplechase, a name that abbreviates to nothing and a
// race whose key matches no horse; the runners' past races cover the usable
// and the unusable cases.
KolRecordFiles KolSampleCards(KolKind kind);

// `races` KD2 races sharing `horses` horse records (14 or 15 runners a race
// for a season), with past-race slots full of data the way real records are.
// Deterministic: the same arguments give the same bytes.
KolRecordFiles Kd2SeasonCards(int races, int horses);

// The member names of the archive, in the order they are packed.
std::string KolMemberNames(KolKind kind);

// Writes the record files into `folder` under their member names.
void WriteKolRecordFiles(const KolRecordFiles& files, const std::filesystem::path& folder);

}  // namespace tamikaze::bench
