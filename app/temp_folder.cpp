#include "app/temp_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
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

// True when `path` still names the folder open on `fd`: a start-up clean-up
// of another process may have removed it between its creation and our flock.
bool StillThere(int fd, const std::string& path) {
  struct stat open {};
  struct stat named {};
  return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 &&
         open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

[[noreturn]] void ThrowCreateError(const std::string& path, int error) {
  throw std::runtime_error("作業フォルダ " + path + " を作成できません: " + std::strerror(error));
}

}  // namespace

PrivateTempFolder::PrivateTempFolder(const std::string& tempDir) {
  std::error_code ec;
  fs::create_directories(tempDir, ec);
  if (ec) ThrowCreateError(tempDir, ec.value());
  for (int attempt = 0; attempt < 10; ++attempt) {
    std::string path = tempDir + "/" + std::to_string(::getpid()) + "-XXXXXX";
    if (!::mkdtemp(path.data())) ThrowCreateError(tempDir, errno);
    const int fd = OpenFolder(path);
    if (fd >= 0 && TryHold(fd) && StillThere(fd, path)) {
      path_ = path;
      fd_ = fd;
      return;
    }
    if (fd >= 0) ::close(fd);
  }
  ThrowCreateError(tempDir, EBUSY);
}

PrivateTempFolder::~PrivateTempFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
  ::close(fd_);
}

void RemoveUnheldTempFolders(const std::string& tempDir) {
  std::error_code ec;
  for (fs::directory_iterator it(tempDir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code statEc;
    if (!it->is_directory(statEc) || it->is_symlink(statEc)) continue;
    const std::string path = it->path().string();
    const int fd = OpenFolder(path);
    if (fd < 0) continue;
    if (TryHold(fd)) {
      std::error_code removeEc;
      fs::remove_all(path, removeEc);
    }
    ::close(fd);
  }
}

}  // namespace tamikaze
