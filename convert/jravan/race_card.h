#pragma once
// What the JRA-VAN race cards of both formats share once line 1, the venue and
// the surface are known: lines 2 to 60 and one horse block per runner.

#include <string>

#include "convert/convert_state.h"
#include "convert/jravan/course.h"
#include "convert/record_key_index.h"

namespace tamikaze {

// Where one race-card format keeps what the shared part reads (1-based bytes).
struct RaceCardFormat {
  int runnersPos1;           // race record: two-character runner count
  int firstKeyPos1;          // race record: horse key of the first runner
  RecordKeyLayout horseKey;  // horse records: size, and the key they are found by
  int horseNamePos1;         // horse record: 18-byte horse name
  int birthYearPos1;         // horse record: two-digit birth year
  int sexPos1;               // horse record: sex code
  void (*addPastRace)(ConvertState& state, int slot);
};

// Appends lines 2 to 60 (the runner count as read on lines 5 and 60), sets
// HorseCount from the runner count, and appends the horse blocks of the
// runners: the consecutive horse records from the first whose key is the
// race's first-runner key (from the file's first record when none is). The
// race year is bytes 3-4 in both formats.
void AppendRaceCardBody(ConvertState& state, const RaceCardFormat& format,
                        const RaceCourse& course);

}  // namespace tamikaze
