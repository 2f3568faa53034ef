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

  FieldText Field(const KolField& slot1Field) const {
    return FieldText(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset - 1),
                     slot1Field.pos1 + shift_, slot1Field.width);
  }
  int Lenient(const KolField& slot1Field) const {
    return LenientField(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset - 1),
                        slot1Field.pos1 + shift_, slot1Field.width);
  }

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
  return TwoColumns({p[0], p[1], p[2]});
}

// The closing time; spaces are written "999".
void AppendClosingTime(RaceLines& lines, const SlotReader& slot, const KolSlotFields& fields) {
  const FieldText time = slot.Field(fields.closingTime);
  lines.push_back(time.View() == "   " ? std::string_view("999") : time.View());
}

// The going's name, or its code as read when it has none.
void AppendGoing(RaceLines& lines, const SlotReader& slot, const KolSlotFields& fields) {
  const FieldText code = slot.Field(fields.going);
  const std::string& going = KolGoingName(LenientNumber(code));
  lines.push_back(going.empty() ? code.View() : std::string_view(going));
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
  lines.push_back(reader.Field(fields.surface).View() == "0" ? "ダ"_sj : "芝"_sj);
  lines.push_back(reader.Field(fields.distance));
  lines.PushJoined({letter, reader.Field(fields.yearMonth)});
  lines.push_back(reader.Field(fields.time));
  lines.push_back(PassingPositions(reader, fields));
  AppendClosingTime(lines, reader, fields);
  AppendGoing(lines, reader, fields);
  lines.push_back(TwoColumn(finish));
}

}  // namespace tamikaze
