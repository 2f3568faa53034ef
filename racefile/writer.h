#pragma once
// Writing race files into a race folder.

#include <filesystem>
#include <string>
#include <unordered_map>

#include "racefile/blocks.h"

namespace tamikaze {

// The UTF-8 file-system form of a CP932 race file name (without ".uma"): "/",
// NUL and bytes that do not convert become "_".
std::string RaceFileDiskName(const std::string& raceFileName);

// Writes the race files of one race folder. A file is named after its race:
// X.uma, or X2.uma, X3.uma, X4.uma ... when the name is taken. Each file is
// created exclusively, so an existing file (or a link in its place) is never
// overwritten; the writer remembers for each name the slot after the last one
// it filled, so many races of one name do not try every taken slot again.
class RaceFolderWriter {
 public:
  // Files go into `folder`; messages name them in `shownFolder` (the
  // folder's final name while it is built under another), or in `folder`
  // when that is empty.
  explicit RaceFolderWriter(std::filesystem::path folder, std::filesystem::path shownFolder = {});

  // Writes `lines` into the next free slot of `raceFileName`: the CP932 lines
  // as given, each (the last included) ended by CR LF, no byte-order mark;
  // the file's permissions as the user's umask makes them.
  // Returns the file written; throws std::runtime_error with a UTF-8 message
  // naming the file and the reason when it cannot be written, leaving no
  // partial file behind.
  std::filesystem::path Save(const RaceLines& lines, const std::string& raceFileName);

 private:
  std::filesystem::path folder_;
  std::filesystem::path shownFolder_;
  std::unordered_map<std::string, int> nextSlot_;  // disk name -> slot to try first
};

// One race file written by a writer of its own (the slots from X.uma on).
std::filesystem::path SaveNewRaceFile(const RaceLines& lines,
                                      const std::filesystem::path& raceFolder,
                                      const std::string& raceFileName);

// Writes `lines` as the new file `path`, as a race folder's writer does, but
// only under that name: false, with nothing written, when anything is there
// already (a dangling link included).
bool SaveRaceFileExclusive(const RaceLines& lines, const std::filesystem::path& path);

}  // namespace tamikaze
