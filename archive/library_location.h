#pragma once
// Where the program finds libunlha32.so: beside the executable (the build
// tree), else in the installed library folder next to the executable's
// folder, else under the prefix it was built for. The activation check asks
// for it; an empty path means the library is missing.

#include <string>

namespace tamikaze {

// The absolute path of libunlha32.so in `appDir` (the executable's folder),
// else in the installed library folder (../lib/.../TamikazeNetData) from
// it, else in the prefix's library folder, else "".
std::string ArchiverLibraryPath(const std::string& appDir);

// The same with the installed library folder given.
std::string ArchiverLibraryPathIn(const std::string& appDir, const std::string& installedLibDir);

}  // namespace tamikaze
