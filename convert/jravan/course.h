#pragma once
// Venue and surface of a JRA-VAN race record (race file lines 2 and 3).

#include <string>

namespace tamikaze {

struct RaceCourse {
  std::string venue;    // "東京", "京都(内)", "" for a venue code outside 1 to 10 (CP932)
  std::string surface;  // "芝", "ダ" or "障" (CP932)
};

// `venueCode` is bytes 9-10 read leniently; `trackCode` is bytes 137-138 as
// two-character text, compared as text: "23" and "24" are dirt; on turf at
// 京都, 新潟 and 阪神 the course is inner ("(内)") for 11, 14, 15, 17, 20, 21 and
// outer ("(外)") otherwise; a code from "51" on (byte-wise) is a steeplechase,
// decided after the course suffix.
RaceCourse CurrentRaceCourse(int venueCode, const std::string& trackCode);

// Venue of an older-format record (race card or special registration): the
// two code characters read as a strict number; 1 to 10 give the venue name,
// any other number the two characters as read ("00", "11").
std::string OldVenue(const std::string& venueCode2);

// `venue` (from OldVenue) and `trackCode` (read as a strict number) of an
// older-format record: 23 and 24 are dirt; on turf at 京都 and 新潟 (not 阪神)
// the course is inner ("(内)") for 11, 14, 15, 17, 20, 21 and outer ("(外)")
// otherwise; a code above 50 is a steeplechase, decided after the suffix.
RaceCourse OldRaceCourse(const std::string& venue, int trackCode);

}  // namespace tamikaze
