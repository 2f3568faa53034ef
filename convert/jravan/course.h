#pragma once
// Venue and surface of a current-format race record (race file lines 2 and 3).

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

}  // namespace tamikaze
