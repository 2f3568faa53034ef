#include "convert/jravan/jra_old.h"

#include "convert/jravan/slot_reader.h"
#include "racefile/blocks.h"
#include "racefile/vocabulary.h"
#include "text/cp932.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

// Past-race fields of slot 1 (1-based byte in the horse record); slot s lies
// 136 x (s - 1) bytes further on.
constexpr int kSlotDistance = 136;
constexpr int kVenuePos1 = 638;
constexpr int kFirstDigitsPos1 = 640;  // the two digits after the venue letter
constexpr int kLastDigitsPos1 = 648;   // and the two after those
constexpr int kDistancePos1 = 655;
constexpr int kTrackPos1 = 659;
constexpr int kGoingPos1 = 669;
constexpr int kFinishPos1 = 713;
constexpr int kTimePos1 = 718;
constexpr int kPassingPos1 = 730;  // three two-byte positions in a row
constexpr int kClosingTimePos1 = 739;

// The older horse file knows the JRA venues 1 to 10 only, with the letters of
// codes 01 to 10.
const std::string& OldVenueLetter(int code) {
  static const std::string kNone;
  if (code < 1 || code > 10) return kNone;
  return VenueLetter(std::string(1, static_cast<char>('0' + code / 10)) +
                     static_cast<char>('0' + code % 10));
}

// Passing positions, read strictly in order.
std::string PassingPositions(const SlotReader& slot) {
  const int p1 = slot.Strict(kPassingPos1, 2);
  const int p2 = slot.Strict(kPassingPos1 + 2, 2);
  const int p3 = slot.Strict(kPassingPos1 + 4, 2);
  return PassingPositionsLine(p1, p2, p3);
}

std::string Going(const SlotReader& slot) {
  const std::string code = slot.Text(kGoingPos1, 1);
  const std::string& going = GoingName(StrictNumber(code));
  return going.empty() ? code : going;
}

}  // namespace

void AddPastRaceOld(ConvertState& state, int slot) {
  const SlotReader reader(state, slot, kSlotDistance);
  const std::string& letter = OldVenueLetter(reader.Lenient(kVenuePos1, 2));
  const int track = reader.Strict(kTrackPos1, 2);
  const int finish = reader.Strict(kFinishPos1, 2);

  RaceLines& lines = state.SaveLst;
  if (letter.empty() || track > 50 || finish == 0) {
    AppendPlaceholderBlock(lines, DistanceDigits::Two);
    return;
  }
  lines.push_back(track == 23 || track == 24 ? "ダ"_sj : "芝"_sj);
  lines.push_back(reader.Text(kDistancePos1, 2));
  lines.push_back(letter + reader.Text(kFirstDigitsPos1, 2) + reader.Text(kLastDigitsPos1, 2));
  lines.push_back(reader.Text(kTimePos1, 4));
  lines.push_back(PassingPositions(reader));
  lines.push_back(reader.Text(kClosingTimePos1, 3));  // "000" stays "000" in this format
  lines.push_back(Going(reader));
  lines.push_back(TwoColumn(finish));
}

}  // namespace tamikaze
