#pragma once
// Japanese texts for the system errors users meet when a file cannot be
// read or written: the one table every message that says why uses.

#include <string>

namespace tamikaze {

// The reason `errnum` (an errno value) in Japanese for the common cases (not
// found, permission denied, a folder, no space, read-only, too large, exists,
// ...); the C library's text for the rest.
std::string SystemErrorText(int errnum);

}  // namespace tamikaze
