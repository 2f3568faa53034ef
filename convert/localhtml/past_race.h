#pragma once
// The past-race parsers of saved pages. Each reads one past-race cell of the
// page buffer and appends its eight lines to SaveLst: surface, distance,
// venue letter with year and month, time, passing positions, closing time,
// going, finishing position; or the placeholder block when the cell holds no
// usable race. A month that is not a number throws ENotInteger, a line beyond
// the buffer PageLineOutOfRange.

#include <string>

#include "convert/localhtml/page_state.h"

namespace tamikaze {

// Older pages: `cellLine` is the cell's first line (venue, date, going,
// surface, direction and distance before "</FONT>"); the finishing position
// is two lines below it, the time, passing positions and closing time three.
void AddHtmlPastRaceOld(LocalPageState& state, int cellLine);

// Newer pages, layouts 1, 2 and 0/3: `markerLine` is the cell's line with
// "<td nowrap rowspan='1' class='dbnote'>". The three differ only in the
// distances and tables of NewerPastRaceParser (past_race_newer.cpp).
void AddHtmlPastRace1(LocalPageState& state, int markerLine);
void AddHtmlPastRace2(LocalPageState& state, int markerLine);
void AddHtmlPastRace3(LocalPageState& state, int markerLine);

// The year walk of a filled block: a past race in a later month than the one
// before lies in the year before (below 00 comes 99). Moves CardYear and
// CardMonth and returns the year as two digits ("09").
std::string WalkYear(LocalPageState& state, int month);

}  // namespace tamikaze
