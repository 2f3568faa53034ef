#include "convert/localhtml/past_race.h"

namespace tamikaze {

std::string WalkYear(LocalPageState& state, int month) {
  if (month > state.CardMonth) {
    --state.CardYear;
    if (state.CardYear < 0) state.CardYear = 99;
  }
  state.CardMonth = month;
  const std::string year = std::to_string(state.CardYear);
  return state.CardYear < 10 ? "0" + year : year;
}

}  // namespace tamikaze
