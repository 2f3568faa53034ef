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

// Whether the held folder `name` is a leftover of ours: it carries the mark
// for its unique suffix.
bool CarriesOurMark(int folderFd, const std::string& name) {
  return CarriesLeftoverMark(folderFd, name.substr(name.size() - kUniqueSize));
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
  const std::string& path = folder_.Path();
  WriteLeftoverMark(folder_.Fd(), path.substr(path.size() - kUniqueSize));
} catch (const std::system_error& error) {
  ThrowCannotMake(finalPath, error.code().value());
}

RaceFolderNotExchanged::RaceFolderNotExchanged(const std::string& finalPath)
    : std::runtime_error("この場所のファイルシステムでは、レースファイルのフォルダ " + finalPath +
                         " を新しいものと入れ替えられないため、前のフォルダをそのまま残しました"
                         "。前のフォルダを削除してから、やり直して下さい。") {}

void RaceFolderBuild::PublishReplacing(const std::function<void()>& exchanged) {
  if (Publish()) return;
  const std::string& temporary = folder_.Path();
  const std::string suffix = temporary.substr(temporary.size() - kUniqueSize);
  try {
    // The old folder carries our mark before it takes the temporary name, so
    // that a kill right after the exchange leaves it for the clean-up.
    const int old = ::open(finalPath_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (old < 0) throw std::system_error(errno, std::generic_category());
    RemoveLeftoverMark(old);  // a stray one, left by a kill after it was published
    WriteLeftoverMark(old, suffix);
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, finalPath_.c_str(), RENAME_EXCHANGE) !=
        0) {
      const int error = errno;
      RemoveLeftoverMark(old);
      ::close(old);
      if (error == EINVAL || error == ENOSYS) throw RaceFolderNotExchanged(finalPath_);
      throw std::system_error(error, std::generic_category());
    }
    ::close(old);
  } catch (const std::system_error& error) {
    ThrowCannotMake(finalPath_, error.code().value());
  }
  const std::string old = temporary;
  folder_.Keep(finalPath_);
  published_ = true;
  RemoveLeftoverMark(folder_.Fd());
  SyncFolder(fs::path(finalPath_).parent_path().string());
  if (exchanged) exchanged();
  std::error_code ec;
  fs::remove_all(old, ec);
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
  folder_.Keep(finalPath_);
  published_ = true;
  // A kill right before this leaves the mark in the published folder, where
  // the clean-up never looks: it looks at temporary names only.
  RemoveLeftoverMark(folder_.Fd());
  SyncFolder(fs::path(finalPath_).parent_path().string());
  return true;
}

}  // namespace tamikaze
