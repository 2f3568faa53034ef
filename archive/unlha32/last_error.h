#pragma once
// Why the last call of the calling thread failed: the library's error code
// and the decoder's own words. Each thread keeps its own, so a check running
// beside a listing reports its own reason.

#include <new>
#include <string>

#include "archive/unlha32/unlha32.h"

namespace tamikaze::unlha {

// Records a failure of the current call.
void SetLastError(int code, const std::string& reason);
// Records that the current call succeeded.
void ClearLastError();
// What was recorded last on this thread.
int LastErrorCode();
std::string LastErrorReason();

// Runs `call` (a function of the C interface) and gives its result; a
// memory shortage inside it is recorded and gives `failed` instead, since no
// exception may leave the library.
template <typename Call, typename Result>
Result Guarded(Call call, Result failed) {
  try {
    return call();
  } catch (const std::bad_alloc&) {
    SetLastError(UNLHA_ERROR_ENOUGH_MEMORY, "メモリが足りません");
    return failed;
  }
}

}  // namespace tamikaze::unlha
