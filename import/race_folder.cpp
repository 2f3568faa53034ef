#include "import/race_folder.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "import/leftover_mark.h"
#include "text/system_error_text.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kMark = ".tamikaze-part-";
constexpr std::size_t kUniqueSize = 6;  // "XXXXXX", filled by mkdtemp

[[noreturn]] void ThrowCannotMake(const std::string& finalPath, int error) {
  throw std::runtime_error("レースファイルのフォルダ " + finalPath + " を作れません（" +
                           SystemErrorText(error) + "）");
}

// `name` cut to at most `size` bytes, before a whole UTF-8 character.
std::string CutAtCharacter(std::string name, std::size_t size) {
  if (name.size() <= size) return name;
  while (size > 0 && (static_cast<unsigned char>(name[size]) & 0xC0) == 0x80) --size;
  return name.erase(size);
}

// The temporary folder's pattern beside `finalPath`; a name too long to take
// the mark is shortened first (the final name is the one that counts).
std::string Pattern(const std::string& finalPath) {
  const fs::path path(finalPath);
  const std::string name = path.filename().string();
  if (name.size() > NAME_MAX) ThrowCannotMake(finalPath, ENAMETOOLONG);
  const std::size_t room = NAME_MAX - 1 - kMark.size() - kUniqueSize;
  return (path.parent_path() / ("." + CutAtCharacter(name, room) + std::string(kMark) + "XXXXXX"))
      .string();
}

// The process's umask, read without changing it (umask() sets it too).
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("Umask:", 0) == 0)
      return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  return 022;
}

// The characters mkdtemp filled in, at the end of a temporary folder's name
// or path.
std::string UniqueSuffix(const std::string& name) {
  return name.substr(name.size() - kUniqueSize);
}

// Whether the held folder `name` is a leftover of ours: it carries the mark
// for its unique suffix.
bool CarriesOurMark(int folderFd, const std::string& name) {
  return CarriesLeftoverMark(folderFd, UniqueSuffix(name));
}

std::string MakePattern(const std::string& finalPath) {
  RemoveUnheldFolders(fs::path(finalPath).parent_path().string(), IsRaceFolderUnderConstruction,
                      CarriesOurMark);
  return Pattern(finalPath);
}

// rename() that never replaces: false when `to` exists.
bool RenameNoReplace(const std::string& from, const std::string& to) {
  int result = ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE);
  if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
    // A file system without RENAME_NOREPLACE: rename() onto a folder that is
    // not empty fails anyway, and an existing name is looked for first.
    std::error_code ec;
    if (fs::exists(fs::symlink_status(to, ec))) return false;
    result = ::rename(from.c_str(), to.c_str());
  }
  if (result == 0) return true;
  if (errno == EEXIST || errno == ENOTEMPTY) return false;
  throw std::system_error(errno, std::generic_category());
}

// A folder open while its mark is changed; closed whatever happens.
class OpenFolder {
 public:
  explicit OpenFolder(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)) {
    if (fd_ < 0) throw std::system_error(errno, std::generic_category());
  }
  ~OpenFolder() { ::close(fd_); }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  int Fd() const { return fd_; }

 private:
  int fd_;
};

// Exchanges the folders at `temporary` and `finalPath` in one step. The old
// folder at `finalPath` carries our mark for the temporary name before it
// takes that name, so that a kill right after the exchange leaves it for the
// clean-up. Throws RaceFolderNotExchanged where the file system cannot
// exchange folders, std::system_error on other failures; either way the old
// folder stays as it was.
void ExchangeFolders(const std::string& temporary, const std::string& finalPath) {
  const OpenFolder old(finalPath);
  RemoveLeftoverMark(old.Fd());  // a stray one, left by a kill after it was published
  WriteLeftoverMark(old.Fd(), UniqueSuffix(temporary));
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, finalPath.c_str(), RENAME_EXCHANGE) == 0) {
    return;
  }
  const int error = errno;
  RemoveLeftoverMark(old.Fd());
  if (error == EINVAL || error == ENOSYS) throw RaceFolderNotExchanged(finalPath);
  throw std::system_error(error, std::generic_category());
}

// The new name reaches the disk too; a failure here loses nothing written.
void SyncFolder(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool IsRaceFolderUnderConstruction(const std::string& name) {
  const std::size_t mark = name.size() - std::min(name.size(), kMark.size() + kUniqueSize);
  return name.size() > kMark.size() + kUniqueSize + 1 && name[0] == '.' &&
         name.compare(mark, kMark.size(), kMark) == 0;
}

RaceFolderBuild::RaceFolderBuild(const std::string& finalPath) try
    : finalPath_(finalPath), folder_(MakePattern(finalPath)) {
  // Made private (as mkdtemp makes it), published as the user's umask says.
  if (::fchmod(folder_.Fd(), 0777 & ~CurrentUmask()) != 0) {
    throw std::system_error(errno, std::generic_category());
  }
  WriteLeftoverMark(folder_.Fd(), UniqueSuffix(folder_.Path()));
} catch (const std::system_error& error) {
  ThrowCannotMake(finalPath, error.code().value());
}

RaceFolderNotExchanged::RaceFolderNotExchanged(const std::string& finalPath)
    : std::runtime_error("この場所のファイルシステムでは、レースファイルのフォルダ " + finalPath +
                         " を新しいものと入れ替えられないため、前のフォルダをそのまま残しました"
                         "。前のフォルダを削除してから、やり直して下さい。") {}

void RaceFolderBuild::PublishReplacing(const std::function<void()>& exchanged) {
  if (Publish()) return;
  const std::string temporary = folder_.Path();
  try {
    ExchangeFolders(temporary, finalPath_);
  } catch (const std::system_error& error) {
    ThrowCannotMake(finalPath_, error.code().value());
  }
  TookFinalName();
  if (exchanged) exchanged();
  std::error_code ec;
  fs::remove_all(temporary, ec);
}

bool RaceFolderBuild::Publish() {
  try {
    // The race files reach the disk before the folder takes its final name,
    // so a power cut cannot leave cut-off race files under that name.
    if (::syncfs(folder_.Fd()) != 0) throw std::system_error(errno, std::generic_category());
    if (!RenameNoReplace(folder_.Path(), finalPath_)) return false;
  } catch (const std::system_error& error) {
    ThrowCannotMake(finalPath_, error.code().value());
  }
  TookFinalName();
  return true;
}

void RaceFolderBuild::TookFinalName() {
  folder_.Keep(finalPath_);
  published_ = true;
  // A kill right before this leaves the mark in the published folder, where
  // the clean-up never looks: it looks at temporary names only.
  RemoveLeftoverMark(folder_.Fd());
  SyncFolder(fs::path(finalPath_).parent_path().string());
}

}  // namespace tamikaze
