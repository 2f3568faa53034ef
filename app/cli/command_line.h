#pragma once
// tamikaze-netdata: the import of archives from the command line.

#include <ostream>

#include "app/environment.h"

namespace tamikaze {

// Exit status, the worst outcome of the call.
enum ExitStatus {
  kExitDone = 0,     // every archive imported
  kExitRefused = 1,  // a foreseen failure, its message shown
  kExitUsage = 2,    // wrong usage
  kExitError = 3,    // an error during the conversion
};

// Runs `tamikaze-netdata import [-o DIR] [--second FILE] ARCHIVE.lzh...`:
// messages to `err`, one tab-separated summary line per archive to `out`
// (archive path, DataType, RaceCount, race files written, race folder).
int RunCommandLine(int argc, char** argv, const Environment& env, std::ostream& out,
                   std::ostream& err);

}  // namespace tamikaze
