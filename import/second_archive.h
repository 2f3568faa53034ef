#pragma once
// The second archive of the special registrations (data types 3 and 6),
// which holds the horse file.

#include <string>
#include <vector>

namespace tamikaze {

// The companion archives tried without a dialog, in order: for a first archive
// whose file name starts with "TT" (any case), the same folder with "T1" and
// then "U9" in place of those two characters (TT091205.lzh: T1091205.lzh,
// U9091205.lzh). Empty for any other name.
std::vector<std::string> CompanionCandidates(const std::string& firstArchive);

// The first candidate that exists as a file, or "" when none does; `lastTried`
// gets the last candidate looked at (the name the dialog then shows).
std::string FindCompanionArchive(const std::string& firstArchive, std::string& lastTried);

// The first archive whose companion `horseArchive` would be by the "TT" rule:
// for a file name starting with "T1" or "U9", the same folder with "TT" in
// their place; "" for any other name.
std::string FirstArchiveOf(const std::string& horseArchive);

// Whether the archive at `first` (its name starting with "TT", any case) has
// `horseArchive` as its companion by the "TT" rule: the same folder, "T1" or
// "U9" in place of those two characters.
bool IsCompanionOf(const std::string& horseArchive, const std::string& first);

}  // namespace tamikaze
