// UnlhaSetStopCallback and the per-thread callback behind it.

#include "archive/unlha32/stop.h"

#include "archive/unlha32/last_error.h"
#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {
namespace {

struct StopCallback {
  UnlhaStopFn stop = nullptr;
  void* context = nullptr;
};

StopCallback& ThisThread() {
  thread_local StopCallback callback;
  return callback;
}

}  // namespace

bool StopRequested() {
  const StopCallback& callback = ThisThread();
  if (callback.stop == nullptr || callback.stop(callback.context) == 0) return false;
  SetLastError(UNLHA_ERROR_USER_CANCEL, "中断しました");
  return true;
}

}  // namespace tamikaze::unlha

extern "C" void UnlhaSetStopCallback(UnlhaStopFn stop, void* context) {
  tamikaze::unlha::ThisThread() = {stop, context};
}
