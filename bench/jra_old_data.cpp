#include "bench/jra_old_data.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include "bench/made_up.h"
#include "convert/jravan/jra_old.h"
#include "tests/support/record_builder.h"
#include "text/cp932.h"

namespace tamikaze::bench {
namespace {

using namespace literals;

constexpr int kSlotDistance = 136;

// One past race in slot `slot`: mostly usable, sometimes none (venue 00),
// an unlisted venue, a steeplechase, no finishing position, missing passing
// positions or a closing time 000. Every field read as a number holds one.
void PutOldPastRace(RecordBuilder& horse, int slot, Dice& dice) {
  const int shift = kSlotDistance * (slot - 1);
  auto put = [&](int pos1, const std::string& text) { horse.Put(pos1 + shift, text); };
  if (dice.OneIn(9)) {  // no past race in this slot
    put(638, "00");
    put(659, "00");
    put(713, "00");
    return;
  }
  static const std::vector<std::string> venues = {"01", "02", "03", "04", "05", "06", "07",
                                                  "08", "09", "10", "05", "06", "08", "12"};
  static const std::vector<std::string> distances = {"10", "12", "14", "16", "18", "20", "24"};
  static const std::vector<std::string> tracks = {"11", "12", "17", "18", "23", "24", "52"};
  put(638, dice.Pick(venues));
  put(640, TwoDigits(dice.Below(10)));
  put(648, TwoDigits(1 + dice.Below(12)));
  put(655, dice.Pick(distances));
  put(659, dice.Pick(tracks));
  put(669, std::to_string(1 + dice.Below(4)));
  const int field = 5 + dice.Below(14);
  put(713, dice.OneIn(25) ? "00" : TwoDigits(1 + dice.Below(field)));
  put(718, "1" + TwoDigits(dice.Below(60)) + dice.Digits(1));
  int p1 = 1 + dice.Below(field), p2 = 1 + dice.Below(field), p3 = 1 + dice.Below(field);
  if (dice.OneIn(4)) p1 = 0;  // short races pass two corners only
  put(730, TwoDigits(p1) + TwoDigits(p2) + TwoDigits(p3));
  put(739, dice.OneIn(15) ? "000" : TwoDigits(33 + dice.Below(7)) + dice.Digits(1));
}

}  // namespace

std::string MadeUpOldHorse(const std::string& key, int birthYear, Dice& dice) {
  RecordBuilder horse(kJraOldHorseRecordSize);
  horse.Put(1, key).Put(10, HorseName(dice, "　"_sj)).Put(134, TwoDigits(birthYear));
  horse.Put(131, std::to_string(dice.OneIn(10) ? 3 : 1 + dice.Below(2)));
  horse.Put(348, "00" + TwoDigits(dice.Below(100)) + dice.Digits(1) + "00");
  for (int slot = 1; slot <= 5; ++slot) PutOldPastRace(horse, slot, dice);
  return horse.Str();
}

JraFiles OldSampleCards() {
  const std::vector<JraRacePlan> races = {
      {5, 1, "", "13", "23", 6},                       // 東京01R, dirt
      {5, 11, "旧サンプルステークス", "20", "11", 8},  // 旧サンプルＳ
      {6, 4, "", "30", "54", 5},                       // steeplechase: no file
      {8, 9, "旧紅葉坂特別", "16", "17", 6},           // 京都(内)
      {8, 10, "", "24", "18", 6},                      // 京都10R at 京都(外)
      {9, 11, "旧試作カップ", "16", "11", 7},          // 旧試作Ｃ, 阪神 without a course
      {4, 5, "", "10", "11", 5},                       // 新潟(内)
      {1, 11, "ＪＲＡ９８周年記念", "26", "10", 6},    // abbreviates to nothing: 札幌11R
      {10, 7, "旧見本ハンデキャップ", "12", "12", 6},  // 旧見本Ｈ
      {3, 12, "", "17", "24", 5},                      // 福島12R, dirt
  };
  Dice dice(1999);
  JraFiles files;
  int serial = 0;
  for (const JraRacePlan& plan : races) {
    std::string name = Utf8ToCp932(plan.name);
    while (name.size() < 60) name += "　"_sj;
    const std::string firstKey = "9" + TwoDigits(dice.Below(10)) + FourDigits(serial) + "0";
    files.races += RecordBuilder(kJraOldRaceRecordSize)
                       .Put(1, TwoDigits(plan.venue))
                       .Put(3, "09")
                       .Put(7, TwoDigits(plan.number))
                       .Put(18, name)
                       .Put(99, plan.distance)
                       .Put(103, plan.track)
                       .Put(106, TwoDigits(plan.runners))
                       .Put(170, firstKey)
                       .Str();
    for (int k = 0; k < plan.runners; ++k, ++serial) {
      const std::string key = k == 0 ? firstKey : "9" + TwoDigits(k) + FourDigits(serial) + "1";
      files.horses += MadeUpOldHorse(key, 4 + dice.Below(5), dice);
    }
  }
  return files;
}

void WriteMemberFile(const std::filesystem::path& folder, const std::string& name,
                     const std::string& bytes) {
  std::ofstream out(folder / name, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

}  // namespace tamikaze::bench
