#include "bench/jra_registration_data.h"

#include <vector>

#include "bench/jra_current_data.h"
#include "bench/made_up.h"
#include "convert/jravan/jra_current.h"
#include "convert/jravan/registrations.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"

namespace tamikaze::bench {
namespace {

using namespace literals;

// `text` (CP932) filled with full-width spaces to `width` bytes.
std::string Filled(const std::string& text, std::size_t width) {
  std::string field = text;
  while (field.size() < width) field += "　"_sj;
  return field.substr(0, width);
}

struct SpecialPlan {
  int venue;
  int number;
  std::string name;       // UTF-8, "" for a race without a name
  const char* shortName;  // UTF-8, three full-width characters (data type 6)
  const char* condition;
  const char* distance;
  const char* track;
  int entries;
};

// The horse keys the entries of a race draw from: `count` of `pool`
// (8 characters each), from a place of the dice's choosing on, one in
// `missingOneIn` replaced by a key that no horse has.
std::vector<std::string> EntryKeys(const std::vector<std::string>& pool, int count,
                                   int missingOneIn, Dice& dice) {
  std::vector<std::string> keys;
  const int start = dice.Below(static_cast<int>(pool.size()));
  const int step = 1 + dice.Below(7);
  for (int k = 0; k < count; ++k) {
    const std::size_t at =
        (static_cast<std::size_t>(start) + static_cast<std::size_t>(k) * step) % pool.size();
    keys.push_back(dice.OneIn(missingOneIn) ? "99" + dice.Digits(6) : pool[at]);
  }
  return keys;
}

// Data type 3: the race record and its entries (key, then the entry's name).
std::string TourRecord(const SpecialPlan& plan, const std::vector<std::string>& keys, Dice& dice) {
  RecordBuilder race(kTourRaceRecordSize);
  race.Put(1, TwoDigits(plan.venue)).Put(3, "09").Put(7, TwoDigits(plan.number));
  race.Put(13, Filled(Utf8ToCp932(plan.name), 40)).Put(56, plan.condition);
  race.Put(74, plan.distance).Put(78, plan.track).Put(88, "0" + TwoDigits(plan.entries));
  for (std::size_t k = 0; k < keys.size(); ++k)
    race.Put(91 + 29 * k, keys[k] + HorseName(dice, "　"_sj));
  return race.Str();
}

// Data type 6: the race record and its entries (key, name, sex).
std::string Tok1Record(const SpecialPlan& plan, const std::vector<std::string>& keys, Dice& dice) {
  RecordBuilder race(kTok1RaceRecordSize);
  race.Put(3, "09").Put(9, TwoDigits(plan.venue)).Put(15, TwoDigits(plan.number));
  race.Put(18, Filled(Utf8ToCp932(plan.name), 40)).Put(78, Filled(Utf8ToCp932(plan.shortName), 6));
  race.Put(88, plan.condition).Put(133, plan.distance).Put(137, plan.track);
  race.Put(325, plan.entries >= 100 ? "100" : "0" + TwoDigits(plan.entries));
  for (std::size_t k = 0; k < keys.size(); ++k) {
    race.Put(333 + 48 * k, keys[k] + HorseName(dice, "　"_sj) +
                               std::to_string(dice.OneIn(10) ? 3 : 1 + dice.Below(2)));
  }
  return race.Str();
}

// A current-format horse whose last race (past-race slot 1) was `lastRace`
// (UTF-8 short name) where it finished `position` (0 for none), with a tie
// value for a winner and a ranking amount.
std::string Tok1Horse(const std::string& key8, int birthYear, const char* lastRace, int position,
                      Dice& dice, bool fullSlots) {
  RecordBuilder horse(kJraCurrentHorseRecordSize);
  horse.Put(1, MadeUpCurrentHorse("20" + key8, birthYear, dice, fullSlots));
  horse.Put(603, "00" + TwoDigits(dice.Below(100)) + dice.Digits(1) + "00");
  horse.Put(921, Filled(Utf8ToCp932(lastRace), 6));
  horse.Put(1048, TwoDigits(position) + TwoDigits(position));
  static const std::vector<std::string> ties = {" 05", "-02", "  0", "-10", " 12", "+03"};
  horse.Put(1117, dice.Pick(ties));
  return horse.Str();
}

const std::vector<const char*>& LastRaces() {
  static const std::vector<const char*> races = {"弥生賞", "スプＳ", "若葉Ｓ", "見本特", "架空杯",
                                                 "試作賞", "サンプ", "ミホン", "カクウ"};
  return races;
}

}  // namespace

JraFiles TourSample() {
  const std::vector<SpecialPlan> races = {
      {8, 11, "旧見本ステークス", "", "13", "20", "17", 22},  // 京都(内), 22 entries
      {5, 5, "", "", "14", "16", "23", 8},                    // 東京05R, dirt
      {9, 10, "旧試作カップ", "", "23", "18", "11", 12},      // 阪神 without a course
      {6, 4, "", "", "00", "30", "54", 9},                    // steeplechase: no file
  };
  Dice dice(309);
  JraFiles files;
  std::vector<std::string> pool;
  for (int h = 0; h < 40; ++h) {
    const int birthYear = 5 + dice.Below(3);
    pool.push_back(TwoDigits(birthYear) + "20" + FourDigits(h));
    files.horses += MadeUpOldHorse(pool.back(), birthYear, dice);
  }
  for (const SpecialPlan& plan : races)
    files.races += TourRecord(plan, EntryKeys(pool, plan.entries, 8, dice), dice);
  return files;
}

JraFiles Tok1Sample() {
  const std::vector<SpecialPlan> races = {
      {6, 11, "見本クラシック", "皐月賞", "13", "2000", "11", 24},  // trial places rank first
      {9, 11, "ミホン記念", "ミホン", "14", "1600", "17", 14},      // 阪神(内)
      {7, 5, "", "　　　", "00", "1200", "24", 10},                 // 中京05R, dirt
      {5, 4, "", "　　　", "00", "3000", "55", 9},                  // steeplechase: no file
  };
  Dice dice(612);
  JraFiles files;
  std::vector<std::string> pool;
  for (int h = 0; h < 50; ++h) {
    const int birthYear = 5 + dice.Below(3);
    pool.push_back(TwoDigits(birthYear) + "10" + FourDigits(h));
    files.horses += Tok1Horse(pool.back(), birthYear, dice.Pick(LastRaces()),
                              dice.OneIn(8) ? 0 : 1 + dice.Below(4), dice, false);
  }
  for (const SpecialPlan& plan : races)
    files.races += Tok1Record(plan, EntryKeys(pool, plan.entries, 10, dice), dice);
  return files;
}

JraFiles Tok1Season(int races, int fewest, int most, int horses) {
  static const std::vector<std::string> endings = {"特別", "ステークス", "カップ", "賞", "記念"};
  static const std::vector<const char*> shortNames = {"皐月賞", "桜花賞", "東京優", "菊花賞",
                                                      "見本特", "架空杯", "試作賞", "サンプ"};
  static const char* const distances[] = {"1200", "1400", "1600", "1800", "2000", "2400"};
  static const char* const tracks[] = {"11", "12", "17", "18", "23", "24", "23", "24"};
  Dice dice(2009);
  JraFiles files;
  files.horses.reserve(static_cast<std::size_t>(horses) * kJraCurrentHorseRecordSize);
  std::vector<std::string> pool;
  for (int h = 0; h < horses; ++h) {
    const int birthYear = 3 + dice.Below(6);
    pool.push_back(TwoDigits(birthYear) + TwoDigits(h / 10000) + FourDigits(h % 10000));
    files.horses += Tok1Horse(pool.back(), birthYear, dice.Pick(LastRaces()),
                              dice.OneIn(10) ? 0 : 1 + dice.Below(16), dice, true);
  }
  files.races.reserve(static_cast<std::size_t>(races) * kTok1RaceRecordSize);
  for (int r = 0; r < races; ++r) {
    const SpecialPlan plan{1 + dice.Below(10),
                           1 + r % 12,
                           Cp932ToUtf8(Katakana(dice, 3, 6)) + dice.Pick(endings),
                           dice.Pick(shortNames),
                           dice.OneIn(2) ? "13" : "14",
                           distances[dice.Below(6)],
                           dice.OneIn(30) ? "55" : tracks[dice.Below(8)],
                           fewest + dice.Below(most - fewest + 1)};
    files.races += Tok1Record(plan, EntryKeys(pool, plan.entries, 40, dice), dice);
  }
  return files;
}

}  // namespace tamikaze::bench
