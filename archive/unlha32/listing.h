#pragma once
// The members of an open archive, read once at UnlhaOpenArchive, in stored
// order.

#include <cstdint>
#include <string>
#include <vector>

namespace tamikaze::unlha {

struct Member {
  std::string storedName;  // CP932 as stored, "/" between folders
  std::string method;      // "-lh5-"
  std::uint64_t originalSize = 0;
  std::uint64_t compressedSize = 0;
  std::int64_t writeTime = 0;  // seconds since 1970, UTC
  bool hasCreateTime = false;
  std::int64_t createTime = 0;
  bool hasAccessTime = false;
  std::int64_t accessTime = 0;
};

// DOS-style wildcard: "*.*", "*" and "" match every member; otherwise
// fnmatch rules with "*" crossing folders.
bool WildcardMatches(const std::string& pattern, const std::string& name);

}  // namespace tamikaze::unlha
