#pragma once
// How much an import decodes, bounded before anything is decoded: the sizes
// an archive's listing declares are checked against limits far above any
// real data set (a season's largest record file is some 260 MB), so that an
// archive of a few kilobytes cannot make the import decode gigabytes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "import/record_files.h"

namespace tamikaze {

inline constexpr std::uint64_t kMaxRecordFileBytes = std::uint64_t{1} << 30;  // 1 GiB
inline constexpr std::uint64_t kMaxImportBytes = std::uint64_t{2} << 30;      // 2 GiB

// The members of one import, added archive by archive.
class DecodeBudget {
 public:
  // Adds the members of one archive. The refusal (UTF-8, naming the member
  // and its size) when a member that may hold one of `recordFiles` declares
  // more than kMaxRecordFileBytes, or the members of the import so far more
  // than kMaxImportBytes in all; nothing when they are within the limits.
  std::optional<std::string> Add(const std::vector<ListedMember>& members,
                                 const std::vector<std::string>& recordFiles);

 private:
  std::uint64_t total_ = 0;
};

// `bytes` with a comma every three digits: "2,147,483,649".
std::string GroupedDigits(std::uint64_t bytes);

}  // namespace tamikaze
