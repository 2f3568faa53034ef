#pragma once
// Writing members strictly inside the destination folder: names with "..",
// absolute names and symbolic links on the way are refused, and nothing is
// ever written through a link.

#include <string>
#include <vector>

#include "archive/unlha32/reader.h"

namespace tamikaze::unlha {

// Why the member `entry` is never extracted (a link, an absolute name, a name
// leaving the folder, a name holding a NUL byte), in Japanese, or null when it
// may be.
const char* Refusal(const Entry& entry);

// The name the member's file or folder takes on disk (UTF-8), "/" between
// folders.
std::string ExtractedName(const Entry& entry);

// The folder components of a member name ("a/b/c.txt" -> a, b, c.txt; "."
// and empty components dropped). False for an empty or absolute name or one
// with a ".." component.
bool SafeComponents(const std::string& name, std::vector<std::string>& parts);

// Opens, creating when missing, the first `count` components below the
// folder `rootFd` without following any symbolic link. -1 on failure.
int OpenFolders(int rootFd, const std::vector<std::string>& parts, std::size_t count);

// Creates the file `leaf` in the folder `dirFd` for writing, replacing a file
// or link of that name (a link is removed, never followed). -1 on failure.
int CreateMemberFile(int dirFd, const std::string& leaf);

}  // namespace tamikaze::unlha
