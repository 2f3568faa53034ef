#include "import/held_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

int OpenFolder(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

bool TryHold(int fd) {
  return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// True when `path` still names the folder open on `fd`: another run's
// clean-up may have removed it between its creation and our flock, or its
// owner may have renamed it between our listing and our flock.
bool StillThere(int fd, const std::string& path) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

}  // namespace

HeldFolder::HeldFolder(const std::string& pattern) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::string path = pattern;
    if (!::mkdtemp(path.data())) throw std::system_error(errno, std::generic_category());
    const int fd = OpenFolder(path);
    if (fd >= 0 && TryHold(fd) && StillThere(fd, path)) {
      path_ = path;
      fd_ = fd;
      return;
    }
    if (fd >= 0) ::close(fd);
  }
  throw std::system_error(EBUSY, std::generic_category());
}

HeldFolder::~HeldFolder() {
  if (!kept_) {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ::close(fd_);
}

void HeldFolder::Keep(const std::string& path) {
  path_ = path;
  kept_ = true;
}

void RemoveUnheldFolders(const std::string& parent, bool (*isLeftover)(const std::string& name),
                         bool (*isOurs)(int folderFd, const std::string& name)) {
  std::error_code ec;
  for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statEc;
    if (!isLeftover(it->path().filename().string()) || it->is_symlink(statEc) ||
        !it->is_directory(statEc)) {
      continue;
    }
    const std::string path = it->path().string();
    const int fd = OpenFolder(path);
    if (fd < 0) continue;
    if (TryHold(fd) && StillThere(fd, path) &&
        (isOurs == nullptr || isOurs(fd, it->path().filename().string()))) {
      std::error_code removeEc;
      fs::remove_all(path, removeEc);
    }
    ::close(fd);
  }
}

}  // namespace tamikaze
