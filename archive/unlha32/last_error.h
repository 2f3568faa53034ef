#pragma once
// Why the last call of the calling thread failed: the library's error code
// and the decoder's own words. Each thread keeps its own, so a check running
// beside a listing reports its own reason.

#include <string>

namespace tamikaze::unlha {

// Records a failure of the current call.
void SetLastError(int code, const std::string& reason);
// Records that the current call succeeded.
void ClearLastError();
// What was recorded last on this thread.
int LastErrorCode();
std::string LastErrorReason();

}  // namespace tamikaze::unlha
