#pragma once
// Reading one past-race slot of a JRA-VAN horse record, in either format.

#include <string>

#include "convert/convert_state.h"
#include "text/numbers.h"
#include "text/record_field.h"
#include "text/two_column.h"

namespace tamikaze {

// The fields of slot `slot` (1 to 5) of the horse record at HorseOffset,
// addressed by their 1-based position in slot 1; slot s lies
// `slotDistance` x (s - 1) bytes further on.
class SlotReader {
 public:
  SlotReader(const ConvertState& state, int slot, int slotDistance)
      : state_(state), shift_(slotDistance * (slot - 1)) {}

  FieldText Field(int slot1Pos1, int width) const {
    return FieldText(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset),
                     slot1Pos1 + shift_, width);
  }
  std::string Text(int slot1Pos1, int width) const {
    return RecordField(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset),
                       slot1Pos1 + shift_, width);
  }
  int Lenient(int slot1Pos1, int width) const {
    return LenientField(state_.UmaText, static_cast<std::size_t>(state_.HorseOffset),
                        slot1Pos1 + shift_, width);
  }
  int Strict(int slot1Pos1, int width) const { return StrictNumber(Text(slot1Pos1, width)); }

 private:
  const ConvertState& state_;
  int shift_;
};

// The passing-positions line: an empty second position takes the third, then
// an empty first takes the (possibly replaced) second; three two-column numbers.
inline std::string PassingPositionsLine(int p1, int p2, int p3) {
  if (p2 == 0) p2 = p3;
  if (p1 == 0) p1 = p2;
  return TwoColumns({p1, p2, p3});
}

}  // namespace tamikaze
