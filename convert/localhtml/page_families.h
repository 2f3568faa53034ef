#pragma once
// The two page families after the date line: the race header and one horse
// block per runner, appended to SaveLst. `dateLine` is the index of the first
// line that holds "年". A year or month that is not a number throws
// ENotInteger, a line beyond the buffer PageLineOutOfRange.

#include "convert/localhtml/page_state.h"

namespace tamikaze {

// Newer pages: the date line holds <td nowrap colspan="2">.
void ConvertNewerPage(LocalPageState& state, long dateLine);

// Older pages: the date line holds "発走" and starts with the year.
void ConvertOlderPage(LocalPageState& state, long dateLine);

// The first line from `from` on that `matches`; a scan that reaches the end
// marker first throws PageLineOutOfRange for the line after it.
template <typename Match>
long NextPageLine(const LocalPageState& state, long from, Match matches) {
  for (long i = from;; ++i) {
    if (IsPageEnd(state, i)) throw PageLineOutOfRange(i + 1);
    if (matches(i)) return i;
  }
}

}  // namespace tamikaze
