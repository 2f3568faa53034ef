#pragma once
// Being told to stop: a caller sets a callback on its thread
// (UnlhaSetStopCallback), and every decoding call of that thread asks it
// before each member and each block of output.

namespace tamikaze::unlha {

// True when the calling thread's stop callback asks to stop; the reason
// (UNLHA_ERROR_USER_CANCEL) is then recorded as the thread's last error.
bool StopRequested();

}  // namespace tamikaze::unlha
