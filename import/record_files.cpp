#include "import/record_files.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "import/data_types.h"

namespace tamikaze {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void ThrowCannotOpen(const std::string& path) {
  throw std::runtime_error("ファイル " + path + " を開けません。");
}

// `size` bytes to read a whole record file into. A season's horse file is some
// 250 MB: asking for huge pages before the buffer is first touched spares some
// 60,000 page faults and as many TLB misses while it is filled and read, which
// cost seconds on some virtual machines. Without them it is an ordinary buffer.
std::string RecordBuffer(std::size_t size) {
  std::string bytes;
  bytes.reserve(size);
  constexpr std::uintptr_t kPage = 4096;
  const auto first = (reinterpret_cast<std::uintptr_t>(bytes.data()) + kPage - 1) & ~(kPage - 1);
  const auto end = (reinterpret_cast<std::uintptr_t>(bytes.data()) + size) & ~(kPage - 1);
  if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  bytes.resize(size);
  return bytes;
}

}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::string& folder,
                                                const std::string& name) {
  std::optional<std::string> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_directory(typeEc)) continue;
    const std::string entry = it->path().filename().string();
    if (entry == name) return it->path().string();
    if (SameMemberName(entry, name) && (!found || entry < fs::path(*found).filename().string())) {
      found = it->path().string();
    }
  }
  return found;
}

std::string ReadUpToEofMark(const std::string& path) {
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) ThrowCannotOpen(path);
  // One read sized to the file: a season's horse file is some 150 MB.
  const std::streamoff size = file.tellg();
  if (size < 0) ThrowCannotOpen(path);
  std::string bytes = RecordBuffer(static_cast<std::size_t>(size));
  file.seekg(0);
  file.read(bytes.data(), size);
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  if (file.bad()) ThrowCannotOpen(path);
  if (const std::size_t mark = bytes.find('\x1A'); mark != std::string::npos) bytes.resize(mark);
  return bytes;
}

std::string ReadMemberFile(const std::string& folder, const std::string& name) {
  const std::optional<std::string> path = FindFileIgnoringCase(folder, name);
  if (!path) ThrowCannotOpen(folder + "/" + name);
  return ReadUpToEofMark(*path);
}

int WriteProbeError(const std::string& folder, std::uint64_t size) {
  std::string path = folder + "/.write-probe-XXXXXX";
  const int fd = ::mkstemp(path.data());
  if (fd < 0) return errno;
  const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(std::max<std::uint64_t>(size, 1)));
  ::unlink(path.c_str());
  ::close(fd);
  return error == EINVAL || error == EOPNOTSUPP ? 0 : error;
}

void DeleteMemberFile(const std::string& folder, const std::string& name) {
  if (const std::optional<std::string> path = FindFileIgnoringCase(folder, name)) {
    std::error_code ec;
    fs::remove(*path, ec);
  }
}

}  // namespace tamikaze
