#pragma once
// The private extraction folders under TempDir. Each import extracts into a
// fresh sub-folder of its own, named with the process id and held with flock
// while it lives, so two runs of the program never share or remove each
// other's files.

#include <string>

#include "import/held_folder.h"

namespace tamikaze {

class PrivateTempFolder {
 public:
  // Creates `tempDir` when missing, then a new sub-folder "<pid>-XXXXXX"
  // (mode 0700) and holds it. Throws std::runtime_error on failure.
  explicit PrivateTempFolder(const std::string& tempDir);

  const std::string& Path() const { return folder_.Path(); }

 private:
  static std::string Pattern(const std::string& tempDir);

  HeldFolder folder_;  // removed with everything in it when the import ends
};

// Creates `tempDir` with its parents when missing. Throws std::runtime_error
// (a UTF-8 message naming the folder and the reason) when it cannot.
void CreateTempDir(const std::string& tempDir);

// Start-up clean-up: removes every sub-folder of `tempDir` that no process
// holds (left by a run that crashed). Files and links there are left alone;
// failures are ignored.
void RemoveUnheldTempFolders(const std::string& tempDir);

}  // namespace tamikaze
