#include "convert/kol/codes.h"
#include "convert/kol/race_card.h"
#include "racefile/blocks.h"
#include "text/cp932.h"
#include "text/numbers.h"
#include "text/record_field.h"
#include "text/two_column.h"

namespace tamikaze {

using namespace literals;

namespace {

constexpr int kLastUsableFinish = 30;
constexpr int kPassingOffset = 40;  // a passing position above this counts from it

// Reads the fields of one slot of the horse record at the 1-based HorseOffset.
class SlotReader {
 public:
  SlotReader(const ConvertState& state, const KolFormat& format, int slot)
      : state_(state), shift_(format.slotStride * (slot - 1)) {}

  std::string Text(const KolField& slot1Field) const {
    return RecordField(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset - 1),
                       slot1Field.pos1 + shift_, slot1Field.width);
  }
  int Lenient(const KolField& slot1Field) const { return LenientNumber(Text(slot1Field)); }

 private:
  const ConvertState& state_;
  int shift_;
};

// Each position above 40 counts from 40; then an empty second takes the
// third, and an empty first the (possibly replaced) second.
std::string PassingPositions(const SlotReader& slot, const KolSlotFields& fields) {
  int p[3];
  for (int i = 0; i < 3; ++i) {
    p[i] = slot.Lenient(fields.passing[i]);
    if (p[i] > kPassingOffset) p[i] -= kPassingOffset;
  }
  if (p[1] == 0) p[1] = p[2];
  if (p[0] == 0) p[0] = p[1];
  return TwoColumn(p[0]) + TwoColumn(p[1]) + TwoColumn(p[2]);
}

std::string ClosingTime(const SlotReader& slot, const KolSlotFields& fields) {
  const std::string time = slot.Text(fields.closingTime);
  return time == "   " ? "999" : time;
}

std::string Going(const SlotReader& slot, const KolSlotFields& fields) {
  const std::string code = slot.Text(fields.going);
  const std::string& going = KolGoingName(LenientNumber(code));
  return going.empty() ? code : going;
}

}  // namespace

void AddKolFormatPastRace(ConvertState& state, const KolFormat& format, int slot) {
  const KolSlotFields& fields = format.slot;
  const SlotReader reader(state, format, slot);
  const std::string& letter = KolVenueLetter(reader.Lenient(fields.venue));
  const int finish = reader.Lenient(fields.finish);

  RaceLines& lines = state.SaveLst;
  if (letter.empty() || reader.Lenient(fields.skip) == 1 || finish < 1 ||
      finish > kLastUsableFinish) {
    AppendPlaceholderBlock(lines, format.placeholderDistance);
    return;
  }
  lines.push_back(reader.Text(fields.surface) == "0" ? "ダ"_sj : "芝"_sj);
  lines.push_back(reader.Text(fields.distance));
  lines.push_back(letter + reader.Text(fields.yearMonth));
  lines.push_back(reader.Text(fields.time));
  lines.push_back(PassingPositions(reader, fields));
  lines.push_back(ClosingTime(reader, fields));
  lines.push_back(Going(reader, fields));
  lines.push_back(TwoColumn(finish));
}

}  // namespace tamikaze
