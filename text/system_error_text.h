#pragma once
// Japanese texts for the system errors users meet when a file cannot be
// read or written: the one table every message that says why uses.

#include <exception>
#include <string>

namespace tamikaze {

// The reason `errnum` (an errno value) in Japanese: a sentence for every
// error a file operation here can meet (not found, permission denied, a
// folder, no space, read-only, too large, exists, ...), a sentence with its
// number for the rest.
std::string SystemErrorText(int errnum);

// What to show for an error that ended a command: its message, which the
// program's own errors give in Japanese; a memory shortage or a system error
// that escaped without one is said in Japanese too.
std::string ErrorMessageText(const std::exception& error);

}  // namespace tamikaze
