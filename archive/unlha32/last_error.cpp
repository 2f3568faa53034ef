// UnlhaGetLastError and the per-thread record behind it.

#include "archive/unlha32/last_error.h"

#include <algorithm>
#include <cstring>

#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

struct LastError {
  int code = 0;
  std::string reason;
};

LastError& ThisThread() {
  thread_local LastError last;
  return last;
}

}  // namespace

void SetLastError(int code, const std::string& reason) {
  ThisThread() = LastError{code, reason};
}

void ClearLastError() {
  ThisThread() = LastError{};
}

int LastErrorCode() {
  return ThisThread().code;
}

std::string LastErrorReason() {
  return ThisThread().reason;
}

}  // namespace tamikaze::unlha

extern "C" int UnlhaGetLastError(char* reason, uint32_t size) {
  const auto& last = tamikaze::unlha::ThisThread();
  if (reason != nullptr && size > 0) {
    const std::size_t n = std::min<std::size_t>(last.reason.size(), size - 1);
    std::memcpy(reason, last.reason.data(), n);
    reason[n] = '\0';
  }
  return last.code;
}
