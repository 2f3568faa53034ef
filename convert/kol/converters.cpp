#include "convert/kol/converters.h"

#include "convert/kol/race_card.h"

namespace tamikaze {

void ConvertKd2Race(ConvertState& state, int race) {
  ConvertKolFormatRace(state, kKd2Format, race);
}

void ConvertKolRace(ConvertState& state, int race) {
  ConvertKolFormatRace(state, kKolFormat, race);
}

void AddKd2PastRace(ConvertState& state, int slot) {
  AddKolFormatPastRace(state, kKd2Format, slot);
}

void AddKolPastRace(ConvertState& state, int slot) {
  AddKolFormatPastRace(state, kKolFormat, slot);
}

}  // namespace tamikaze
