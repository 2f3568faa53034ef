#pragma once
// Synthetic older-format JRA-VAN race cards (JRA#DEN1.DAT + JRA#UMAJ.DAT) with
// made-up race and horse names, for examples/ and the special registrations.

#include <filesystem>
#include <string>

namespace tamikaze::bench {

class Dice;

// One older-format horse record (1825 bytes, JRA#UMAJ.DAT) with the
// 8-character `key`, a made-up name, sex and ranking amount, and past races
// of every kind, usable and not.
std::string MadeUpOldHorse(const std::string& key, int birthYear, Dice& dice);

// A race-card or special-registration set: the race records (JRA#DEN1.DAT,
// JRA#TOUR.DAT or JRACTOK1.DAT) and the horse records (JRA#UMAJ.DAT or
// JRACUMAJ.DAT).
struct JraFiles {
  std::string races;
  std::string horses;
};

// A dozen older-format race cards: named and unnamed races, turf at 京都 and
// 新潟 inner and outer and at 阪神 (no course in this format), dirt, a
// steeplechase and a name that abbreviates to nothing.
JraFiles OldSampleCards();

// Writes `bytes` as the file `name` in `folder`.
void WriteMemberFile(const std::filesystem::path& folder, const std::string& name,
                     const std::string& bytes);

}  // namespace tamikaze::bench
