#pragma once
// The code tables of the 競馬道 records. Every text returned is CP932.

#include <string>

namespace tamikaze {

// The race venue of a race record's venue code: 0 to 9 stand for themselves,
// every other value counts as 0 (京都).
int KolRaceVenue(int code);

// The name of a race venue 0 to 9: "京都", "阪神", "中京", "小倉", "東京",
// "中山", "福島", "新潟", "札幌", "函館".
const std::string& KolVenueName(int raceVenue);

// The venue letter of a past race's venue code, "" for a code without one
// (17, 18, 31, 43 to 59, 70, 72 and above, negative codes). Several codes
// share a letter ("名" for 2 and 40); 65 and 71 give the full-width "ア" and
// "Ｎ". Code 75 has no letter here: a past race there is not used.
const std::string& KolVenueLetter(int code);

// Sex codes 0 "牡", 1 "牝", 2 "ｾﾝ"; "" otherwise (the caller writes the code
// character itself).
const std::string& KolSexName(int code);

// Going codes 0 "良", 1 "稍", 2 "重", 3 "不"; "" otherwise (the caller writes
// the code character itself).
const std::string& KolGoingName(int code);

}  // namespace tamikaze
