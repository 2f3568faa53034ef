#pragma once
// Folders that belong to one running import: made under a fresh name and held
// with flock while the import lives, so that the clean-up of another run (or
// of a later one, after this run was killed) can tell a folder in use from a
// leftover.

#include <string>

namespace tamikaze {

class HeldFolder {
 public:
  // Creates a new folder (mode 0700) from `pattern`, a path whose last six
  // characters are "XXXXXX" (as mkdtemp takes), and holds it. Throws
  // std::system_error with the errno value when it cannot.
  explicit HeldFolder(const std::string& pattern);
  // Removes the folder with everything in it, unless it was kept.
  ~HeldFolder();
  HeldFolder(const HeldFolder&) = delete;
  HeldFolder& operator=(const HeldFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The open folder; its flock marks the folder as in use.
  int Fd() const { return fd_; }
  // The folder was given another name (as `path`) and stays when this
  // object goes; it is held until then.
  void Keep(const std::string& path);

 private:
  std::string path_;
  int fd_ = -1;
  bool kept_ = false;
};

// Removes every folder in `parent` whose name `isLeftover` accepts and that no
// process holds (left by a run that was killed), and, when `isOurs` is given,
// that it accepts too, looking into the folder (open on its first argument,
// which a link on the way never replaces) once it is held. Links and files
// are left alone; failures are ignored.
void RemoveUnheldFolders(const std::string& parent, bool (*isLeftover)(const std::string& name),
                         bool (*isOurs)(int folderFd, const std::string& name) = nullptr);

}  // namespace tamikaze
