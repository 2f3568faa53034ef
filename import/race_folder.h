#pragma once
// The race folder of one import, built under a temporary name beside its final
// one and renamed into place when it is whole: under its final name a race
// folder holds all that its import wrote, or does not exist. The temporary
// name is hidden, ".<final name>.tamikaze-part-XXXXXX", and the folder carries
// our mark (import/leftover_mark.h) until it is published.

#include <functional>
#include <stdexcept>
#include <string>

#include "import/held_folder.h"

namespace tamikaze {

class RaceFolderBuild {
 public:
  // Removes from the output folder (the folder of `finalPath`) the temporary
  // race folders that no running import holds and that carry our mark, then
  // creates this import's own beside `finalPath`. Throws std::runtime_error
  // (a UTF-8 message naming `finalPath` and the reason) when it cannot.
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

  // Gives the folder its final name in place of the folder there (or as
  // Publish when there is none), in one step: the two are exchanged, and the
  // old one, now under the temporary name and carrying our mark, is removed
  // (`exchanged`, for tests, runs in between). A kill between the two steps
  // leaves the new folder published and the old one for the next import's
  // clean-up. Throws RaceFolderNotExchanged, with nothing changed, where the
  // file system cannot exchange two folders, and std::runtime_error on other
  // failures.
  void PublishReplacing(const std::function<void()>& exchanged = {});

 private:
  // The folder is published under its final name.
  void TookFinalName();

  std::string finalPath_;
  HeldFolder folder_;
  bool published_ = false;
};

// The file system of the output folder cannot exchange two folders in one
// step (exFAT, NFS, CIFS ...): the old race folder stays. what() says so.
class RaceFolderNotExchanged : public std::runtime_error {
 public:
  explicit RaceFolderNotExchanged(const std::string& finalPath);
};

// True for the temporary name of a race folder.
bool IsRaceFolderUnderConstruction(const std::string& name);

}  // namespace tamikaze
