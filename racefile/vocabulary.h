#pragma once
// The race file's code tables. Every text returned is CP932.

#include <string>
#include <string_view>

namespace tamikaze {

// Venue name of a JRA venue code 1 to 10 ("札幌" ... "小倉"); "" otherwise.
const std::string& VenueName(int code);

// Venue letter of a two-character past-race venue code compared as text
// ("07" -> "名", "A4" -> "米"); "" for a code without a letter.
const std::string& VenueLetter(std::string_view code2);

// Going code 1 to 4: "良", "稍", "重", "不"; "" otherwise (the caller writes
// the code character itself).
const std::string& GoingName(int code);

// Sex code 1 to 3: "牡", "牝", "ｾﾝ"; "" otherwise.
const std::string& SexName(int code);

}  // namespace tamikaze
