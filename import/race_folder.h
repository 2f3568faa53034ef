#pragma once
// The race folder of one import, built under a temporary name beside its final
// one and renamed into place when it is whole: under its final name a race
// folder holds all that its import wrote, or does not exist. The temporary
// name is hidden, ".<final name>.tamikaze-part-XXXXXX", and the folder carries
// our mark (import/leftover_mark.h) until it is published.

#include <string>

#include "import/held_folder.h"

namespace tamikaze {

class RaceFolderBuild {
 public:
  // Removes from the output folder (the folder of `finalPath`) the temporary
  // race folders that no running import holds and that carry our mark, then
  // creates this import's own beside `finalPath`. Throws std::runtime_error (a UTF-8 message naming
  // `finalPath` and the reason) when it cannot.
  // The folder is removed with everything in it when the object goes, unless
  // it was published.
  explicit RaceFolderBuild(const std::string& finalPath);

  // Where the race files go until the folder is published.
  const std::string& Path() const { return folder_.Path(); }

  // Gives the folder its final name, once its files are on the disk. False,
  // with nothing changed, when something took that name meanwhile (another
  // import of the same archive that finished first). Throws
  // std::runtime_error on other failures.
  bool Publish();
  bool Published() const { return published_; }

 private:
  std::string finalPath_;
  HeldFolder folder_;
  bool published_ = false;
};

// True for the temporary name of a race folder.
bool IsRaceFolderUnderConstruction(const std::string& name);

}  // namespace tamikaze
