#pragma once
// Writing a race file into a race folder.

#include <filesystem>
#include <string>

#include "racefile/blocks.h"

namespace tamikaze {

// The UTF-8 file-system form of a CP932 race file name (without ".uma"): "/",
// NUL and bytes that do not convert become "_".
std::string RaceFileDiskName(const std::string& raceFileName);

// The first free file in `raceFolder` for `raceFileName`: X.uma, X2.uma,
// X3.uma, X4.uma ... An existing file is never chosen.
std::filesystem::path ChooseRaceFilePath(const std::filesystem::path& raceFolder,
                                         const std::string& raceFileName);

// Writes `lines` as CP932 bytes, every line (the last included) ended by CR LF,
// no byte-order mark. Throws std::runtime_error with a UTF-8 message naming
// the file when it cannot be written.
void SaveRaceFile(const RaceLines& lines, const std::filesystem::path& path);

}  // namespace tamikaze
