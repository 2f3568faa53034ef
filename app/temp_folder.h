#pragma once
// The private extraction folders under TempDir. Each import extracts into a
// fresh sub-folder of its own, named with the process id and held with flock
// while it lives, so two runs of the program never share or remove each
// other's files.

#include <string>

namespace tamikaze {

class PrivateTempFolder {
 public:
  // Creates `tempDir` when missing, then a new sub-folder "<pid>-XXXXXX"
  // (mode 0700) and holds it. Throws std::runtime_error on failure.
  explicit PrivateTempFolder(const std::string& tempDir);
  // Removes the sub-folder with everything in it, whatever it holds.
  ~PrivateTempFolder();
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;  // open on the sub-folder; its flock marks it as in use
};

// Start-up clean-up: removes every sub-folder of `tempDir` that no process
// holds (left by a run that crashed). Files and links there are left alone;
// failures are ignored.
void RemoveUnheldTempFolders(const std::string& tempDir);

}  // namespace tamikaze
