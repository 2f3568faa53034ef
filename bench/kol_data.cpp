#include "bench/kol_data.h"

#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "bench/made_up.h"
#include "convert/kol/format.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"

namespace tamikaze::bench {
namespace {

const KolFormat& FormatOf(KolKind kind) {
  return kind == KolKind::Kd2 ? kKd2Format : kKolFormat;
}

// A distance of the format's width: metres, or the two leading digits.
std::string Distance(const KolFormat& format, const std::string& metres) {
  return metres.substr(0, static_cast<std::size_t>(format.race.distance.width));
}

// Writes `text` into `field` of slot `slot`.
void PutSlot(RecordBuilder& horse, const KolFormat& format, int slot, const KolField& field,
             const std::string& text) {
  horse.Put(static_cast<std::size_t>(field.pos1 + format.slotStride * (slot - 1)), text);
}

// One past race: mostly usable, sometimes one of the cases the converter
// turns into a placeholder block or mends (no race, a venue without a letter,
// the skip flag, no or a too large finishing position, passing positions
// above 40 or missing, a closing time of spaces, unusual going codes).
void PutPastRace(RecordBuilder& horse, const KolFormat& format, int slot, Dice& dice,
                 bool fullSlots) {
  const KolSlotFields& f = format.slot;
  const int first = f.venue.pos1 + format.slotStride * (slot - 1);
  if (fullSlots) horse.Put(static_cast<std::size_t>(first), dice.Digits(format.slotStride));
  if (dice.OneIn(9)) {  // no past race in this slot
    horse.Fill(static_cast<std::size_t>(first), " ", static_cast<std::size_t>(format.slotStride));
    return;
  }
  static const std::vector<int> venues = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  0,  1,  4,  5,
                                          10, 12, 17, 20, 31, 37, 40, 41, 50, 61, 65, 70, 71, 75};
  static const std::vector<std::string> distances = {"1000", "1200", "1400", "1600", "1800",
                                                     "2000", "2200", "2400", "2500", "3000"};
  auto put = [&](const KolField& field, const std::string& text) {
    PutSlot(horse, format, slot, field, text);
  };
  put(f.venue, TwoDigits(dice.Pick(venues)));
  put(f.yearMonth, TwoDigits(dice.Below(24)) + TwoDigits(1 + dice.Below(12)));
  put(f.skip, dice.OneIn(20) ? "1" : "0");
  put(f.surface, dice.OneIn(2) ? "0" : "1");
  put(f.distance, Distance(format, dice.Pick(distances)));
  put(f.going, dice.OneIn(20) ? std::string(dice.OneIn(2) ? " " : "5")
                              : std::string(1, static_cast<char>('0' + dice.Below(4))));
  const int field = 5 + dice.Below(14);
  put(f.finish, dice.OneIn(25) ? (dice.OneIn(2) ? "00" : "31") : TwoDigits(1 + dice.Below(field)));
  put(f.time, "1" + TwoDigits(dice.Below(60)) + dice.Digits(1));
  put(f.closingTime, dice.OneIn(15) ? "   " : TwoDigits(33 + dice.Below(7)) + dice.Digits(1));
  int p[3] = {1 + dice.Below(field), 1 + dice.Below(field), 1 + dice.Below(field)};
  if (dice.OneIn(4)) p[0] = 0;         // short races pass two points only
  if (dice.OneIn(6)) p[0] = p[1] = 0;  // or one
  if (dice.OneIn(10)) p[2] += 40;      // a position counted from 40
  for (int i = 0; i < 3; ++i) put(f.passing[i], TwoDigits(p[i]));
}

RecordBuilder Horse(const KolFormat& format, const std::string& key, int birthYear, Dice& dice,
                    bool fullSlots) {
  const KolHorseFields& f = format.horse;
  RecordBuilder horse(static_cast<std::size_t>(format.horseKey.recordSize));
  horse.Put(1, key);
  horse.Put(static_cast<std::size_t>(f.name.pos1), HorseName(dice, " "));
  horse.Put(static_cast<std::size_t>(f.birthYear.pos1), TwoDigits(birthYear));
  horse.Put(static_cast<std::size_t>(f.sex.pos1),
            std::to_string(dice.OneIn(10) ? 2 : dice.Below(2)));
  for (int slot = 1; slot <= 5; ++slot) PutPastRace(horse, format, slot, dice, fullSlots);
  return horse;
}

struct RacePlan {
  int venue;             // race venue code 0 to 9
  int number;            // race of the day
  std::string name;      // UTF-8, "" for a race without a name
  const char* distance;  // metres
  bool turf;
  char course;  // inner/outer course code
  bool steeplechase;
  int runners;
  bool strayKey = false;  // a race key no horse record has
};

RecordBuilder Race(const KolFormat& format, const RacePlan& plan, const std::string& key) {
  const KolRaceFields& f = format.race;
  const bool kd2 = &format == &kKd2Format;
  auto at = [](const KolField& field) { return static_cast<std::size_t>(field.pos1); };
  std::string name = Utf8ToCp932(plan.name);
  name.resize(static_cast<std::size_t>(f.name.width), ' ');
  RecordBuilder race(static_cast<std::size_t>(format.raceRecordSize));
  race.Put(at(f.venue), TwoDigits(plan.venue))
      .Put(at(f.raceNumber), TwoDigits(plan.number))
      .Put(at(f.year), "24")
      .Put(at(f.steeplechase), plan.steeplechase ? (kd2 ? "1" : "8") : (kd2 ? "0" : "1"))
      .Put(at(f.name), name)
      .Put(at(f.surface), plan.turf ? "1" : "0")
      .Put(at(f.course), std::string(1, plan.course))
      .Put(at(f.distance), Distance(format, plan.distance))
      .Put(at(f.runners), TwoDigits(plan.runners))
      .Put(at(f.key), key);
  return race;
}

// Races and their runners; the runners of a race stand one after another in
// the horse file and carry its race key.
KolRecordFiles Cards(KolKind kind, const std::vector<RacePlan>& races, Dice& dice, bool fullSlots) {
  const KolFormat& format = FormatOf(kind);
  KolRecordFiles files{kind, {}, {}, {}};
  int horses = 0;
  for (const RacePlan& plan : races) horses += plan.strayKey ? 0 : plan.runners;
  files.den.reserve(races.size() * static_cast<std::size_t>(format.raceRecordSize));
  files.uma.reserve(static_cast<std::size_t>(horses) *
                    static_cast<std::size_t>(format.horseKey.recordSize));
  for (std::size_t r = 0; r < races.size(); ++r) {
    const RacePlan& plan = races[r];
    const std::string key = (plan.strayKey ? "X" : "K") + FourDigits(static_cast<int>(r)) + "24";
    files.den += Race(format, plan, key).Str();
    if (kind == KolKind::Kd2) files.den2 += key + dice.Digits(93) + "\r\n";
    if (plan.strayKey) continue;
    for (int k = 0; k < plan.runners; ++k)
      files.uma += Horse(format, key, 14 + dice.Below(9), dice, fullSlots).Str();
  }
  return files;
}

}  // namespace

KolRecordFiles KolSampleCards(KolKind kind) {
  const bool kd2 = kind == KolKind::Kd2;
  const std::vector<RacePlan> races = {
      {4, 1, "", "1300", false, '0', false, 6},                    // 東京01R, dirt
      {1, 11, "サンプルステークス", "1800", true, '5', false, 8},  // 阪神(内) (KD2)
      {1, 10, "架空特別", "1600", true, '1', false, 7},            // 阪神(外) (KD2)
      {5, 4, "", "3000", true, '1', true, 5},                      // steeplechase: no file
      {0, 9, "紅葉坂特別", "2000", true, '0', false, 6},           // 京都(内)
      {7, 5, "", "1000", true, '3', false, 5},                     // 新潟05R at 新潟(外)
      {3, 12, "迷子カップ", "1700", false, '0', false, 2, true},   // no horse has its key
      {8, 11, "ＪＲＡ９９周年記念", "2600", true, '1', false, 6},  // 札幌11R
      {9, 7, "", "1200", false, '0', false, 6},                    // 函館07R, dirt
      {6, 11, kd2 ? "見本ハンデキャップ" : "旧見本ハンデキャップ", "1200", true, '1', false, 6},
  };
  Dice dice(kd2 ? 2025 : 2026);
  return Cards(kind, races, dice, false);
}

KolRecordFiles Kd2SeasonCards(int races, int horses) {
  // About a third of the races carry a name, nearly all of them different,
  // as in a real season; the others are named by venue and race number.
  static const std::vector<std::string> endings = {"特別", "ステークス", "カップ",
                                                   "賞",   "記念",       "ハンデキャップ"};
  static const char* const distances[] = {"1200", "1400", "1600", "1800", "2000", "2400"};
  Dice dice(11);
  std::vector<RacePlan> plans;
  for (int r = 0; r < races; ++r) {
    // Spread `horses` over the races as evenly as whole runners allow.
    const int runners = static_cast<int>(static_cast<long long>(horses) * (r + 1) / races -
                                         static_cast<long long>(horses) * r / races);
    const std::string name =
        dice.OneIn(3) ? Cp932ToUtf8(Katakana(dice, 3, 6)) + dice.Pick(endings) : "";
    plans.push_back({dice.Below(10), 1 + r % 12, name, distances[dice.Below(6)], !dice.OneIn(3),
                     static_cast<char>('0' + dice.Below(6)), dice.OneIn(30), runners});
  }
  return Cards(KolKind::Kd2, plans, dice, true);
}

std::string KolMemberNames(KolKind kind) {
  return kind == KolKind::Kd2 ? "KOL_DEN1.KD2 KOL_DEN2.KD2 KOL_UMA.KD2" : "KOL_DEN.DAT KOL_UMA.DAT";
}

void WriteKolRecordFiles(const KolRecordFiles& files, const std::filesystem::path& folder) {
  const bool kd2 = files.kind == KolKind::Kd2;
  std::vector<std::pair<const char*, const std::string*>> members = {
      {kd2 ? "KOL_DEN1.KD2" : "KOL_DEN.DAT", &files.den},
      {kd2 ? "KOL_UMA.KD2" : "KOL_UMA.DAT", &files.uma}};
  if (kd2) members.push_back({"KOL_DEN2.KD2", &files.den2});
  for (const auto& [name, text] : members) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(text->data(), static_cast<std::streamsize>(text->size()));
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
  }
}

}  // namespace tamikaze::bench
