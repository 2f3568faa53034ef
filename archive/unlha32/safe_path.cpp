#include "archive/unlha32/safe_path.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "text/cp932.h"

namespace tamikaze::unlha {

bool SafeComponents(const std::string& name, std::vector<std::string>& parts) {
  parts.clear();
  if (name.empty() || name[0] == '/') return false;
  std::size_t start = 0;
  while (start <= name.size()) {
    std::size_t end = name.find('/', start);
    if (end == std::string::npos) end = name.size();
    const std::string part = name.substr(start, end - start);
    if (part == "..") return false;
    if (!part.empty() && part != ".") parts.push_back(part);
    start = end + 1;
  }
  return !parts.empty();
}

const char* Refusal(const Entry& entry) {
  if (entry.kind == EntryKind::Link) return "リンクです";
  if (entry.absolute) return "絶対パスの名前です";
  // A NUL byte ends a name on disk early: the file would get another name,
  // or none at all.
  if (entry.storedName.find('\0') != std::string::npos) return "NUL を含む名前です";
  std::vector<std::string> parts;
  return SafeComponents(entry.storedName, parts) ? nullptr : "展開先のフォルダの外を指す名前です";
}

std::string ExtractedName(const Entry& entry) {
  return Cp932ToUtf8(entry.storedName);
}

int OpenFolders(int rootFd, const std::vector<std::string>& parts, std::size_t count) {
  int fd = fcntl(rootFd, F_DUPFD_CLOEXEC, 0);
  for (std::size_t i = 0; i < count && fd >= 0; ++i) {
    if (mkdirat(fd, parts[i].c_str(), 0777) != 0 && errno != EEXIST) {
      close(fd);
      return -1;
    }
    const int sub = openat(fd, parts[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    close(fd);
    fd = sub;
  }
  return fd;
}

int CreateMemberFile(int dirFd, const std::string& leaf) {
  // Created exclusively, so that a link in the member's place is never
  // followed; whatever is there (a file, a link) is removed and the file
  // created again, a folder stays.
  constexpr int kFlags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  const int fd = openat(dirFd, leaf.c_str(), kFlags, 0666);
  if (fd >= 0 || errno != EEXIST) return fd;
  struct stat st {};
  if (fstatat(dirFd, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISDIR(st.st_mode) ||
      unlinkat(dirFd, leaf.c_str(), 0) != 0) {
    return -1;
  }
  return openat(dirFd, leaf.c_str(), kFlags, 0666);
}

}  // namespace tamikaze::unlha
