#pragma once
// The state of one saved-page import: the page buffer, the recognised layout,
// the race card's year and month as the past-race parsers walk them, and the
// race file's lines.

#include <stdexcept>
#include <string>
#include <vector>

#include "racefile/blocks.h"

namespace tamikaze {

struct LocalPageState {
  int PageLayout = 0;  // 0 to 3, the page generation (page_loading.h)
  int CardYear = 0;    // two-digit year, moved back by the year walk
  int CardMonth = 0;
  int HorseCount = 0;                  // runners found on the page
  std::vector<std::string> BufferLst;  // the page's CP932 lines, then "END"
  RaceLines SaveLst;                   // the race file being built
};

// The line that ends every scan of the page: appended after the page's lines,
// and a page line that reads exactly "END" ends the page there too.
inline constexpr const char* kPageEnd = "END";

// Raised for a read of a line that is not in the page buffer (a scan that ran
// into the end marker, or a page cut short inside a runner). what() is the
// UTF-8 message.
class PageLineOutOfRange : public std::out_of_range {
 public:
  explicit PageLineOutOfRange(long index);
};

// Line `index` (0-based) of the page buffer; throws PageLineOutOfRange when
// there is no such line.
const std::string& PageLine(const LocalPageState& state, long index);

// True when line `index` is an end marker.
bool IsPageEnd(const LocalPageState& state, long index);

}  // namespace tamikaze
