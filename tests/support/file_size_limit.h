#pragma once
// A file-size limit on this process for the life of the object (setrlimit
// RLIMIT_FSIZE, as `ulimit -f` sets it), with SIGXFSZ ignored meanwhile, so a
// write beyond the limit fails with EFBIG as it does in the programs.

#include <sys/resource.h>

#include <csignal>
#include <stdexcept>

namespace tamikaze::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &saved_) != 0) throw std::runtime_error("getrlimit");
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {bytes, saved_.rlim_max};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("setrlimit");
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  struct rlimit saved_ {};
  void (*previous_)(int) = SIG_DFL;
};

}  // namespace tamikaze::testing
