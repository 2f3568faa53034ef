#pragma once
// Writing a race file into a race folder.

#include <filesystem>
#include <string>

#include "racefile/blocks.h"

namespace tamikaze {

// The UTF-8 file-system form of a CP932 race file name (without ".uma"): "/",
// NUL and bytes that do not convert become "_".
std::string RaceFileDiskName(const std::string& raceFileName);

// Writes `lines` into a new file in `raceFolder` named after `raceFileName`:
// X.uma, or X2.uma, X3.uma, X4.uma ... when the name is taken. Each file is
// created exclusively, so an existing file (or a link in its place) is never
// overwritten. The bytes are the CP932 lines as given, each (the last
// included) ended by CR LF, no byte-order mark. Returns the file written;
// throws std::runtime_error with a UTF-8 message naming the file when it
// cannot be written, leaving no partial file behind.
std::filesystem::path SaveNewRaceFile(const RaceLines& lines,
                                      const std::filesystem::path& raceFolder,
                                      const std::string& raceFileName);

}  // namespace tamikaze
