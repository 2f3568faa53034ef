#pragma once
// Japanese texts for the result codes of our LHA library (UNLHA_ERROR_*), so
// that a reason shown to users says in their language what went wrong; the
// decoder's own words may follow for bug reports.

#include <string>

namespace tamikaze {

// What `code` means, in Japanese; a code the library does not give becomes a
// sentence with its number.
std::string LibraryErrorText(int code);

}  // namespace tamikaze
