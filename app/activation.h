#pragma once
// FormActivate without the window: the notice for a missing LHA library and
// the set-up of the archive object. Whether the library is there is
// ArchiverLibraryPath's answer (archive/library_location.h): "" when missing.

#include <string>
#include <vector>

namespace tamikaze {

class TArchiveFile;

// The seven lines of the notice shown when libunlha32.so is missing (UTF-8),
// PrintLines 1 to 7.
const std::vector<std::string>& MissingLibraryNotice();

// The archive object's set-up after each activation: LHA, options jse = 1 and
// jso = 1. Loads the library.
void PrepareArchive(TArchiveFile& archive);

}  // namespace tamikaze
