#pragma once
// The mark a race folder under construction carries, so that the clean-up of
// a later import removes only what an import of ours left: a file inside the
// folder holding a random token whose first characters are the folder's own
// unique suffix. A user's folder, or a published race folder, that happens to
// have a name of the temporary pattern carries no such mark and survives.

#include <string>

namespace tamikaze {

// The mark file's name inside the folder.
inline constexpr const char* kLeftoverMarkName = ".tamikaze-part-mark";

// Writes the mark into the folder open on `folderFd`, whose unique suffix (the
// name's last characters) is `suffix`. Throws std::system_error on failure.
void WriteLeftoverMark(int folderFd, const std::string& suffix);

// Removes the mark from the folder open on `folderFd`; failures are ignored.
void RemoveLeftoverMark(int folderFd);

// True when the folder open on `folderFd` carries the mark for `suffix`: a
// regular file (no link), of our form, with a token starting with `suffix`.
bool CarriesLeftoverMark(int folderFd, const std::string& suffix);

}  // namespace tamikaze
