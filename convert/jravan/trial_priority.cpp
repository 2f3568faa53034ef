#include "convert/jravan/trial_priority.h"

#include "text/cp932.h"

namespace tamikaze {

using namespace literals;

namespace {

struct TrialRow {
  const std::string& target;
  const std::string& trial;
  int lastPosition;  // positions 1 to this one count
  int base;          // the priority is base - position
};

}  // namespace

int TrialPriority(const std::string& target, const std::string& trial, std::uint8_t position) {
  static const TrialRow rows[] = {
      {"桜花賞"_sj, "Ｆレビ"_sj, 3, 9999999}, {"桜花賞"_sj, "チュー"_sj, 3, 9999990},
      {"桜花賞"_sj, "アネモ"_sj, 2, 9999980}, {"皐月賞"_sj, "弥生賞"_sj, 3, 9999999},
      {"皐月賞"_sj, "スプＳ"_sj, 3, 9999990}, {"皐月賞"_sj, "若葉Ｓ"_sj, 2, 9999980},
      {"ＮＨＫ"_sj, "ＮＺＴ"_sj, 3, 9999999}, {"優駿牝"_sj, "桜花賞"_sj, 4, 9999999},
      {"優駿牝"_sj, "フロラ"_sj, 3, 9999990}, {"優駿牝"_sj, "スイー"_sj, 2, 9999980},
      {"東京優"_sj, "皐月賞"_sj, 4, 9999999}, {"東京優"_sj, "青葉賞"_sj, 3, 9999990},
      {"東京優"_sj, "プリン"_sj, 2, 9999970}, {"秋華賞"_sj, "ローズ"_sj, 3, 9999999},
      {"秋華賞"_sj, "紫苑Ｓ"_sj, 2, 9999990}, {"菊花賞"_sj, "神戸新"_sj, 3, 9999999},
      {"菊花賞"_sj, "セント"_sj, 3, 9999990},
  };
  for (const TrialRow& row : rows) {
    if (target == row.target && trial == row.trial && position >= 1 &&
        position <= row.lastPosition) {
      return row.base - position;
    }
  }
  return 0;
}

}  // namespace tamikaze
