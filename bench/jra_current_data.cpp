#include "bench/jra_current_data.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "bench/made_up.h"
#include "convert/jravan/jra_current.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"

namespace tamikaze::bench {
namespace {

using namespace literals;

constexpr int kSlotDistance = 215;

// One past race in slot `slot`: mostly usable, sometimes one of the cases a
// converter must turn into a placeholder or mend (no race, unlisted venue,
// steeplechase, no finishing position, missing passing positions, closing
// time 000, unusual going codes).
void PutPastRace(RecordBuilder& horse, int slot, Dice& dice, bool fullSlots) {
  const int shift = kSlotDistance * (slot - 1);
  auto put = [&](int pos1, const std::string& text) { horse.Put(pos1 + shift, text); };
  if (fullSlots) put(907, dice.Digits(kSlotDistance));  // the fields nobody reads
  if (dice.OneIn(9)) {                                  // no past race in this slot
    horse.Fill(907 + shift, " ", kSlotDistance);
    return;
  }
  static const std::vector<std::string> venues = {
      "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "05", "06", "08", "09",
      "30", "31", "35", "42", "44", "45", "49", "54", "A4", "A8", "B2", "G0", "D0", "  "};
  static const std::vector<std::string> distances = {"1000", "1200", "1400", "1600", "1800",
                                                     "2000", "2200", "2400", "2500", "3000"};
  static const std::vector<std::string> tracks = {"11", "12", "17", "18", "23", "24",
                                                  "23", "24", "10", "21", "52", "5 "};
  put(907, TwoDigits(dice.Below(24)) + TwoDigits(1 + dice.Below(12)));
  put(913, dice.Pick(venues));
  put(961, dice.Pick(distances));
  put(965, dice.Pick(tracks));
  put(983, dice.OneIn(20) ? std::string(dice.OneIn(2) ? " " : "0")
                          : TwoDigits(1 + dice.Below(4)).substr(1));
  const int field = 5 + dice.Below(14);
  int p1 = 1 + dice.Below(field), p2 = 1 + dice.Below(field), p3 = 1 + dice.Below(field);
  if (dice.OneIn(4)) p1 = 0;       // short races pass two corners only
  if (dice.OneIn(6)) p1 = p2 = 0;  // or one
  put(1029, TwoDigits(p1) + TwoDigits(p2) + TwoDigits(p3));
  put(1038, dice.OneIn(15) ? "000" : TwoDigits(33 + dice.Below(7)) + dice.Digits(1));
  put(1041, "1" + TwoDigits(dice.Below(60)) + dice.Digits(1));
  const int finish = 1 + dice.Below(field);
  if (dice.OneIn(12)) {
    put(1048, "00" + TwoDigits(finish));  // placed by the second field
  } else {
    put(1048, dice.OneIn(25) ? "0000" : TwoDigits(finish) + "00");
  }
}

std::string HorseKey(int birthYear, int serial) {
  return "20" + TwoDigits(birthYear) + TwoDigits(serial / 10000) + FourDigits(serial % 10000);
}

// A race name field: the name, filled with full-width spaces to 60 bytes.
std::string NameField(const std::string& nameCp932) {
  std::string field = nameCp932;
  while (field.size() < 60) field += "　"_sj;
  return field.substr(0, 60);
}

RecordBuilder Race(const JraRacePlan& plan, const std::string& firstKey) {
  return RecordBuilder(kJraCurrentRaceRecordSize)
      .Put(3, "24")
      .Put(9, TwoDigits(plan.venue))
      .Put(15, TwoDigits(plan.number))
      .Put(18, NameField(Utf8ToCp932(plan.name)))
      .Put(133, plan.distance)
      .Put(137, plan.track)
      .Put(325, TwoDigits(plan.runners))
      .Put(331, firstKey);
}

// Races and their runners, runners of each race consecutive in the horse file.
RecordFiles Cards(const std::vector<JraRacePlan>& races, int horses, Dice& dice, bool fullSlots) {
  RecordFiles files;
  files.den.reserve(races.size() * kJraCurrentRaceRecordSize);
  files.uma.reserve(static_cast<std::size_t>(horses) * kJraCurrentHorseRecordSize);
  int serial = 0;
  for (const JraRacePlan& plan : races) {
    const int birthYear = 14 + dice.Below(9);
    files.den += Race(plan, HorseKey(birthYear, serial)).Str();
    for (int k = 0; k < plan.runners; ++k, ++serial) {
      const int year = k == 0 ? birthYear : 14 + dice.Below(9);
      files.uma += MadeUpCurrentHorse(HorseKey(year, serial), year, dice, fullSlots);
    }
  }
  return files;
}

}  // namespace

std::string MadeUpCurrentHorse(const std::string& key, int birthYear, Dice& dice, bool fullSlots) {
  RecordBuilder horse(kJraCurrentHorseRecordSize);
  horse.Put(1, key).Put(29, HorseName(dice, "　"_sj)).Put(67, TwoDigits(birthYear));
  horse.Put(74, std::to_string(dice.OneIn(10) ? 3 : 1 + dice.Below(2)));
  for (int slot = 1; slot <= 5; ++slot) PutPastRace(horse, slot, dice, fullSlots);
  return horse.Str();
}

RecordFiles SampleCards() {
  const std::vector<JraRacePlan> races = {
      {5, 1, "", "1300", "23", 6},                     // 東京01R, dirt
      {5, 11, "サンプルステークス", "2000", "11", 8},  // サンプルＳ
      {6, 4, "", "3000", "54", 5},                     // steeplechase: no file
      {6, 11, "架空　記念", "1800", "12", 7},          // one space inside the name
      {8, 9, "紅葉坂特別", "1600", "17", 6},           // 京都(内)
      {8, 10, "", "2400", "18", 6},                    // 京都10R at 京都(外)
      {9, 11, "試作カップ", "1400", "24", 7},          // 試作Ｃ, dirt
      {4, 5, "", "1000", "11", 5},                     // 新潟(内)
      {1, 11, "ＪＲＡ９９周年記念", "2600", "10", 6},  // abbreviates to nothing
      {10, 7, "見本ハンデキャップ", "1200", "12", 6},  // 見本Ｈ
      {3, 12, "", "1700", "24", 5},                    // 福島12R, dirt
      {2, 11, "ミホンノキタグニノアキノオオキナタイカイダイイッカイメモリアル", "2000", "11", 7},
  };
  int horses = 0;
  for (const JraRacePlan& plan : races) horses += plan.runners;
  Dice dice(2024);
  return Cards(races, horses, dice, false);
}

RecordFiles SeasonCards(int races, int horses) {
  // About a third of the races carry a name, nearly all of them different,
  // as in a real season; the others are named by venue and race number.
  static const std::vector<std::string> endings = {"特別", "ステークス", "カップ",
                                                   "賞",   "記念",       "ハンデキャップ"};
  static const char* const distances[] = {"1200", "1400", "1600", "1800", "2000", "2400"};
  static const char* const tracks[] = {"11", "12", "17", "18", "23", "24", "23", "24"};
  Dice dice(7);
  std::vector<JraRacePlan> plans;
  for (int r = 0; r < races; ++r) {
    // Spread `horses` over the races as evenly as whole runners allow.
    const int runners = static_cast<int>(static_cast<long long>(horses) * (r + 1) / races -
                                         static_cast<long long>(horses) * r / races);
    const bool steeplechase = dice.OneIn(30);
    const std::string name =
        dice.OneIn(3) ? Cp932ToUtf8(Katakana(dice, 3, 6)) + dice.Pick(endings) : "";
    plans.push_back({1 + dice.Below(10), 1 + r % 12, name, distances[dice.Below(6)],
                     steeplechase ? "55" : tracks[dice.Below(8)], runners});
  }
  return Cards(plans, horses, dice, true);
}

void WriteRecordFiles(const RecordFiles& files, const std::filesystem::path& folder) {
  for (const auto& [name, text] :
       {std::pair{"JRACDEN1.DAT", &files.den}, std::pair{"JRACUMAJ.DAT", &files.uma}}) {
    std::ofstream out(folder / name, std::ios::binary);
    out.write(text->data(), static_cast<std::streamsize>(text->size()));
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
  }
}

}  // namespace tamikaze::bench
