#pragma once
// SIGINT, SIGTERM and SIGHUP during a command-line import: the first one is
// noted, and the import stops at its next race, removing what it had not
// published; a second one ends the program at once. A signal that the
// program was started with ignored (nohup) stays ignored.

namespace tamikaze {

// Installs the handlers; call once at program start.
void CatchInterruptions();

// The first of those signals caught, 0 while none came.
int CaughtInterruption();

// "SIGINT", "SIGTERM" or "SIGHUP".
const char* InterruptionName(int signal);

}  // namespace tamikaze
