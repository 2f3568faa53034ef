#include "import/leftover_mark.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace tamikaze {
namespace {

constexpr const char* kMagic = "TamikazeNetData race folder under construction\n";
constexpr std::size_t kRandomBytes = 16;
constexpr std::size_t kMarkMax = 256;

[[noreturn]] void ThrowErrno() {
  throw std::system_error(errno, std::generic_category());
}

// The suffix followed by 32 random hexadecimal digits.
std::string Token(const std::string& suffix) {
  unsigned char random[kRandomBytes];
  if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random)) ThrowErrno();
  std::string token = suffix;
  for (unsigned char byte : random) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", byte);
    token += hex;
  }
  return token;
}

bool WriteAll(int fd, const std::string& bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

void WriteLeftoverMark(int folderFd, const std::string& suffix) {
  const int fd = openat(folderFd, kLeftoverMarkName,
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) ThrowErrno();
  const bool written = WriteAll(fd, kMagic + Token(suffix) + "\n");
  const int error = written ? 0 : (errno != 0 ? errno : EIO);
  close(fd);
  if (error != 0) throw std::system_error(error, std::generic_category());
}

void RemoveLeftoverMark(int folderFd) {
  unlinkat(folderFd, kLeftoverMarkName, 0);
}

bool CarriesLeftoverMark(int folderFd, const std::string& suffix) {
  const int fd =
      openat(folderFd, kLeftoverMarkName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  char bytes[kMarkMax];
  ssize_t n = -1;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size < static_cast<off_t>(kMarkMax)) {
    n = read(fd, bytes, sizeof bytes);
  }
  close(fd);
  if (n < 0) return false;
  const std::string mark(bytes, static_cast<std::size_t>(n));
  const std::string magic = kMagic;
  if (mark.compare(0, magic.size(), magic) != 0) return false;
  const std::string token = mark.substr(magic.size());
  return !suffix.empty() && token.size() == suffix.size() + 2 * kRandomBytes + 1 &&
         token.compare(0, suffix.size(), suffix) == 0 && token.back() == '\n';
}

}  // namespace tamikaze
