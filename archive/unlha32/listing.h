#pragma once
// The members of an open archive, read once at UnlhaOpenArchive, in stored
// order.

#include <string>

namespace tamikaze::unlha {

// DOS-style wildcard: "*.*", "*" and "" match every member; otherwise
// fnmatch rules with "*" crossing folders.
bool WildcardMatches(const std::string& pattern, const std::string& name);

}  // namespace tamikaze::unlha
